#include "files/FileIni.h"

#include "files/FileSuDisco.h"
#include "support/ErroreFile.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace vc {

namespace fs = std::filesystem;

PercorsiFileIni PercorsiFileIniPredefiniti(const fs::path& cartellaProgramma) {
    PercorsiFileIni p;
    p.Programma = cartellaProgramma / NomeFileIni;
    fs::path configurazione;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && fs::path(xdg).is_absolute())
        configurazione = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        configurazione = fs::path(home) / ".config";
    if (!configurazione.empty()) p.Utente = configurazione / "VelcoraDwg" / NomeFileIni;
    p.Installazione = (cartellaProgramma / ".." / "share" / "velcora" / NomeFileIni).lexically_normal();
    return p;
}

std::string MessaggioFileIniIncompleto() {
    return "Il File VelcoraDwg.ini non esiste o è incompleto.\r\n"
           "Vengono caricati valori di Default per i coefficienti parziali dei carichi.\r\n"
           "Usare il menu Impostazioni per cambiarli e salvarli.\r\n"
           "I valori dei coefficienti parziali dei carichi vengono anche salvati\r\n"
           "nel file dei dati.";
}

namespace {

bool Esiste(const fs::path& p) {
    std::error_code ec;
    return !p.empty() && fs::is_regular_file(p, ec);
}

// The file that is written: beside the program whenever it can be written there, the user's
// copy otherwise and always for an installed program (one that comes with its defaults): its
// folder belongs to the system even when it can be written (by root), and a file left there
// would outlive the removal of the package.
const fs::path& FileDaScrivere(const PercorsiFileIni& percorsi) {
    if (percorsi.Utente.empty()) return percorsi.Programma;
    if (Esiste(percorsi.Installazione) || !Sostituibile(percorsi.Programma)) return percorsi.Utente;
    return percorsi.Programma;
}

// The file that is read: the one written, or, until the user has saved a copy of his own, the
// program's; while neither is there, the installation's defaults.
const fs::path& FileDaLeggere(const PercorsiFileIni& percorsi) {
    const fs::path& scritto = FileDaScrivere(percorsi);
    if (Esiste(scritto)) return scritto;
    if (&scritto == &percorsi.Utente && Esiste(percorsi.Programma)) return percorsi.Programma;
    return Esiste(percorsi.Installazione) ? percorsi.Installazione : scritto;
}

// One value a line: a line holding more than one field ("1,3" typed with a decimal comma)
// is an unreadable value, not two values that would shift all the others.
bool LeggeValori(FileTesto& file, CoefficientiParziali& valori, Messaggi& msg) {
    try {
        for (float& v : valori) {
            FileInOut(Modo::Lettura, file, {v}, msg);
            if (!file.CampoAFineRiga()) {
                file.Chiudi();
                msg.Mostra("Lettura incompleta del file", Icona::Nessuna);
                return false;
            }
        }
    } catch (const RecordInterrotto&) {
        return false; // the record has told the user
    }
    // A factor or a coefficient is never negative.
    return std::all_of(valori.begin(), valori.end(), [](float v) { return v >= 0.0f; });
}

bool Legge(Impostazioni& imp, Messaggi& msg, const PercorsiFileIni& percorsi) {
    std::error_code ec;
    auto contenuto = LeggeFileIntero(FileDaLeggere(percorsi), ec);
    CoefficientiParziali valori = imp.CoefParz;
    bool letto = false;
    if (contenuto) {
        FileTesto file = FileTesto::PerLettura(std::move(*contenuto));
        letto = LeggeValori(file, valori, msg);
    }
    imp.CoefParz = letto ? valori : CoefParzDefault;
    if (!letto) msg.Mostra(MessaggioFileIniIncompleto(), Icona::Informazione);
    return letto;
}

bool Scrive(Impostazioni& imp, Messaggi& msg, const PercorsiFileIni& percorsi) {
    std::ostringstream uscita;
    FileTesto file = FileTesto::PerScrittura(uscita);
    for (float& v : imp.CoefParz)
        FileInOut(Modo::Scrittura, file, {v}, msg);
    if (!file.Aperto()) return false; // the record has told the user

    const fs::path& percorso = FileDaScrivere(percorsi);
    std::error_code ec;
    if (&percorso == &percorsi.Utente) fs::create_directories(percorso.parent_path(), ec);
    const bool scritto = !ec && ScriveFileAtomico(percorso, uscita.str(), ec);
    if (!scritto)
        msg.Mostra(ErroreFile("Scrittura incompleta del file", percorso, ec).Testo(), Icona::Nessuna);
    return scritto;
}

} // namespace

bool FileIniLeggeScrive(Modo modo, Impostazioni& imp, Messaggi& msg, const PercorsiFileIni& percorsi) {
    if (modo == Modo::Lettura) return Legge(imp, msg, percorsi);
    if (modo == Modo::Scrittura) return Scrive(imp, msg, percorsi);
    msg.Mostra("Errore nella Sub FileIniLeggeScrive", Icona::Nessuna);
    return false;
}

} // namespace vc
