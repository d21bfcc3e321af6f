#pragma once
// The output driver of the drawings: a window's drawing printed (with copies), saved as a DXF
// file, or drawn into the CAD drawing that stands in for AutoCAD. The CAD drawing is kept here
// and grows with every output; after each one it is saved where the user chose the first time
// and shown with the desktop's viewer for DXF files. A drawing this program saved in an earlier
// run is read back when chosen again, so that it grows across runs as the CAD program's open
// drawing would.

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

// The outputs of a drawing: the printer, a DXF file, the CAD drawing.
enum class SceltaDisegno { Stampa, FileDxf, Autocad };

inline constexpr const char* FiltroDisegni = "All Files (*.*)|*.*|Files per Autocad (*.dxf)|*.dxf";

class UscitaDisegni {
  public:
    UscitaDisegni(ServiziFinestra& servizi, Messaggi& msg) : servizi_(&servizi), msg_(&msg) {}

    // Sends the window's drawing to the chosen output; NomeFile (the data file's name, without
    // folder and extension) proposes the file names. True when the output was made; false
    // when the user cancelled a dialog or an error was reported.
    bool PlottaDisegno(SceltaDisegno scelta, const std::string& NomeFile, FinestraDisegno& finestra);

    // The CAD drawing that "DWG" output and the block export draw into, kept so that later
    // outputs go on in the same drawing. The first time it asks where the drawing is kept
    // (NomeFile proposes the name): a drawing this program saved there is read back; another
    // file is replaced only when the user says so, and one of ours that cannot be read back
    // is told and left alone. Nothing when the user cancels or says No, or the file is
    // unreadable.
    DisegnoCad* ApriAutocad(const std::string& NomeFile);

    // Saves the CAD drawing where ApriAutocad was told and shows it. False when there is no
    // drawing or the file could not be written; a first save that fails forgets the drawing
    // and its place, so that the next output asks again.
    bool SalvaEMostraCad();

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
    // when the user cancels. The folder chosen is the next one proposed. The dialog asks
    // before an existing file is replaced unless the caller asks on its own.
    std::optional<std::filesystem::path> ChiedeFileDxf(const std::string& NomeFile,
                                                       bool chiediSovrascrittura = true);

  private:
    bool Stampa(FinestraDisegno& finestra);
    bool FileDxf(const std::string& NomeFile, FinestraDisegno& finestra);
    bool Autocad(const std::string& NomeFile, FinestraDisegno& finestra);
    // The drawing in the file chosen for it, or nothing (the user said No, or it was told why).
    std::unique_ptr<DisegnoCad> ApreDisegnoScelto(const std::filesystem::path& percorso);

    ServiziFinestra* servizi_;
    Messaggi* msg_;
    std::filesystem::path percorsoDisegni_;
    std::filesystem::path filePdf_;
    std::optional<std::filesystem::path> fileCad_;
    std::unique_ptr<DisegnoCad> disegnoCad_;
    bool salvatoCad_ = false; // the drawing has been written to fileCad_ once
};

} // namespace vc
