#pragma once
// The output driver of the drawings: a window's drawing printed (with copies), saved as a DXF
// file, or drawn into the CAD drawing that stands in for AutoCAD. The CAD drawing is kept here
// and grows with every output; after each one it is saved (the first time where the user
// chooses) and shown with the desktop's viewer for DXF files.

#include "drawing/core/DisegnoCad.h"
#include "drawing/core/Dispositivo.h"
#include "support/Messaggi.h"

#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace vc {

class ServiziFinestra;

// A window whose drawing can go to any device.
class FinestraDisegno {
  public:
    virtual ~FinestraDisegno() = default;
    // Draws the window's drawing on the device (printer page, DXF file, CAD model space).
    virtual void PlottaInOggetto(Dispositivo& uscita) = 0;
};

// The outputs by their number: 0 printer, 1 DXF file, 2 the CAD drawing.
enum class SceltaDisegno { Stampa = 0, FileDxf = 1, Autocad = 2 };

inline constexpr const char* FiltroDisegni = "All Files (*.*)|*.*|Files per Autocad (*.dxf)|*.dxf";

class UscitaDisegni {
  public:
    UscitaDisegni(ServiziFinestra& servizi, Messaggi& msg) : servizi_(&servizi), msg_(&msg) {}

    // Sends the window's drawing to the chosen output; NomeFile (the data file's name, without
    // folder and extension) proposes the file names. True when the output was made; false
    // when the user cancelled a dialog or an error was reported. Any other scelta does nothing.
    bool PlottaDisegno(int scelta, const std::string& NomeFile, FinestraDisegno& finestra);

    // The CAD drawing that "DWG" output and the block export draw into: made on first use and
    // kept, so that later outputs go on in the same drawing.
    DisegnoCad& ApriAutocad();

    // Saves the CAD drawing (asking where the first time) and shows it. False when the user
    // cancelled the dialog (the drawing stays in memory) or the file could not be written.
    bool SalvaEMostraCad(const std::string& NomeFile);

    // The folder the file dialogs start from: the one last chosen.
    const std::filesystem::path& PercorsoDisegni() const noexcept { return percorsoDisegni_; }
    void PercorsoDisegni(std::filesystem::path p) { percorsoDisegni_ = std::move(p); }
    // The PDF file the Print dialog proposes when the page is printed into a file.
    void ProponiFilePdf(std::filesystem::path p) { filePdf_ = std::move(p); }
    // Where the CAD drawing is kept, once chosen.
    const std::optional<std::filesystem::path>& FileCad() const noexcept { return fileCad_; }

    // An error of an output told to the user (the messages of the printer errors, the
    // generic one for anything else).
    void ErroreUscita(const std::exception& e) const;

    // The Save dialog of a DXF file, in the folder last chosen, proposing NomeFile; nothing
    // when the user cancels. The folder chosen is the next one proposed.
    std::optional<std::filesystem::path> ChiedeFileDxf(const std::string& NomeFile);

  private:
    bool Stampa(FinestraDisegno& finestra);
    bool FileDxf(const std::string& NomeFile, FinestraDisegno& finestra);
    bool Autocad(const std::string& NomeFile, FinestraDisegno& finestra);

    ServiziFinestra* servizi_;
    Messaggi* msg_;
    std::filesystem::path percorsoDisegni_;
    std::filesystem::path filePdf_;
    std::optional<std::filesystem::path> fileCad_;
    std::unique_ptr<DisegnoCad> disegnoCad_;
};

} // namespace vc
