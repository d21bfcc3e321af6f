#pragma once
// The file commands of the program around the data file: choosing a file through the open and
// save dialogs, reading it into the beam or writing the beam into it, keeping the current file
// name and data folder, the report to the printer or to a text file, and the data file named on
// the command line. The dialogs and the printer are small interfaces the GUI fills in; the
// logic here needs none of them to be real, and it never calls back into a window: the caller
// shows the file name in its caption and the beam in its fields afterwards.

#include "engine/Impostazioni.h"
#include "files/FileDati.h"
#include "files/FileIni.h"
#include "files/Record.h"
#include "support/Messaggi.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vc {

// What an open or save dialog is asked to show.
struct RichiestaDialogo {
    std::string Filtro;                // "Descrizione|*.est|Descrizione|*.est"
    int IndiceFiltro = 1;              // the entry selected, 1 = first
    std::filesystem::path Cartella;    // where the dialog starts
    std::string NomeFile;              // proposed in the file-name box
    std::string EstensionePredefinita; // added to a typed name without extension
    bool ChiediSovrascrittura = false; // ask before replacing an existing file
};

// The platform's file dialogs: the chosen path, or nothing when the user cancelled.
class DialogoFile {
  public:
    virtual ~DialogoFile() = default;
    virtual std::optional<std::filesystem::path> Apri(const RichiestaDialogo& richiesta) = 0;
    virtual std::optional<std::filesystem::path> Salva(const RichiestaDialogo& richiesta) = 0;
};

// A line printer: text at the current position, the end of a line, and a move to a column.
class StampanteRighe {
  public:
    virtual ~StampanteRighe() = default;
    virtual void StampaTesto(std::string_view testo) = 0;
    virtual void StampaRiga(std::string_view testo) = 0; // the text, then the end of the line
    // Moves to column c (1-based); when the position is already past it, to column c of the
    // next line.
    virtual void StampaTab(int colonna) = 0;
};

// A line printer that collects a text file: CR LF line ends.
class RigheSuTesto final : public StampanteRighe {
  public:
    void StampaTesto(std::string_view testo) override;
    void StampaRiga(std::string_view testo) override;
    void StampaTab(int colonna) override;
    const std::string& Testo() const { return testo_; }

  private:
    std::string testo_;
    int colonna_ = 1;
};

// The printer with its Print dialog. A printer that cannot start throws ErroreFile from
// Reimposta or Righe.
class Stampante {
  public:
    virtual ~Stampante() = default;
    virtual std::optional<int> ChiediCopie() = 0; // the Print dialog: copies, or nothing if cancelled
    virtual void Reimposta() = 0;                 // default coordinates, origin at 0, 0
    virtual StampanteRighe& Righe() = 0;
    virtual void FineDocumento() = 0;
};

// Where the report goes: the printer ("STAMPANTE") or a text file ("FILE").
enum class DestinazioneRelazione { Stampante, File };

// The window that writes the report on a line printer.
class FinestraStampa {
  public:
    virtual ~FinestraStampa() = default;
    virtual void StampaFile(DestinazioneRelazione destinazione, StampanteRighe& uscita) = 0;
};

enum class AzioneFile { Nuovo = 0, Apri = 1, SalvaConNome = 2, Salva = 3 };

struct EsitoGestioneFile {
    bool Annullato = false;         // the user cancelled a dialog
    std::optional<EsitoFile> Esito; // how the data file was read or written, when it was
};

// The file name without folder and without extension ("/dati/trave 1.vlr" → "trave 1"); "\" and
// "/" both separate folders.
std::string NomeBase(std::string_view percorso);

// "Tutti i Files (*.*)|*.*|Files " + programma + " (*." + estensione + ")|*." + estensione.
std::string FiltroFileDati(std::string_view nomeProgramma, std::string_view estensione);

// New, open, save as and save of the data file. Open reads the chosen file into a new beam
// (nothing of the previous one stays behind), after the settings file at ini when one is given;
// the dialog starts in the current directory when the data folder has gone; a file that
// cannot be opened shows the file and the system's reason. Save writes the beam to
// PercorsoDati/NomeFile.estensione (save as when there is no name yet, or only the "*" a
// cancelled dialog may leave), never into another folder. A save replaces the old file only
// when every record has been written; otherwise the old file stays and "Scrittura incompleta
// del file" is shown, with the file and the system's reason on the line after. The name and
// the data folder change only when the file was read or written; New changes nothing.
EsitoGestioneFile GestioneFileDati(AzioneFile azione, std::string_view nomeProgramma,
                                   std::string_view estensione, DialogoFile& dialogo, Velcora& trave,
                                   Impostazioni& imp, Messaggi& msg, const std::filesystem::path& percorso = {},
                                   const PercorsiFileIni* ini = nullptr);

// The Save-As step: asks for a name (confirming the replacement of an existing file) and writes.
EsitoGestioneFile SalvaConNome(std::string_view nomeFile, std::string_view estensione, DialogoFile& dialogo,
                               Velcora& trave, std::string_view filtro, Impostazioni& imp, Messaggi& msg);

// The report: the printer asks for the number of copies and prints the report once per copy
// in one print job; a file asks for a text file (extension estensione) and writes the report
// into it, Windows-1252, atomically. True when the report went out. A cancel or a printer
// failure shows nothing; a text file that cannot be written shows "Scrittura incompleta del
// file" with the system's reason. The current data file name and folder are not changed.
bool StampaSuDispositivo(std::string_view nomeFile, std::string_view estensione, DialogoFile& dialogo,
                         FinestraStampa& finestra, DestinazioneRelazione destinazione, Stampante* stampante,
                         Impostazioni& imp, Messaggi& msg);

// Reads the data file at percorso into a new beam and the settings, as opening it does:
// NomeFile and PercorsoDati follow the path. A file that cannot be opened shows "File " + path +
// " non trovato " (or the system's reason). True when the beam was read whole, or up to the
// records a file older than "6.2" lacks; false when a record could not be read (the user has
// been told which).
bool LeggeFileDati(const std::filesystem::path& percorso, Velcora& trave, Impostazioni& imp, Messaggi& msg);

// The words of a command line: a blank, a tab or a double quote ends a word; at most massimo
// words.
std::vector<std::string> ParoleRigaComando(std::string_view rigaComando, int massimo = 10);

// Opens the data file named by the command line (its words joined with single blanks): sets
// PercorsoDati and NomeFile and reads the file into a new beam. True when the file was read
// (also partly, or up to the records an old file lacks). A missing file shows "File " + path +
// " non trovato "; then NomeFile is emptied and false returned.
bool ApriFileDaRigaComando(std::string_view rigaComando, Velcora& trave, Impostazioni& imp, Messaggi& msg);

} // namespace vc
