#include "files/FileIni.h"

#include "files/FileSuDisco.h"
#include "support/ErroreFile.h"

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

bool Legge(Impostazioni& imp, Messaggi& msg, const PercorsiFileIni& percorsi) {
    const fs::path& percorso = Esiste(percorsi.Utente) ? percorsi.Utente : percorsi.Programma;
    std::error_code ec;
    auto contenuto = LeggeFileIntero(percorso, ec);
    bool letto = false;
    if (contenuto) {
        FileTesto file = FileTesto::PerLettura(std::move(*contenuto));
        CoefficientiParziali valori = imp.CoefParz;
        try {
            for (float& v : valori)
                FileInOut(Modo::Lettura, file, {v}, msg);
            imp.CoefParz = valori;
            letto = true;
        } catch (const RecordInterrotto&) {
        }
    }
    if (!letto) {
        imp.CoefParz = CoefParzDefault;
        msg.Mostra(MessaggioFileIniIncompleto(), Icona::Informazione);
    }
    return letto;
}

bool Scrive(Impostazioni& imp, Messaggi& msg, const PercorsiFileIni& percorsi) {
    std::ostringstream uscita;
    FileTesto file = FileTesto::PerScrittura(uscita);
    for (float& v : imp.CoefParz)
        FileInOut(Modo::Scrittura, file, {v}, msg);
    if (!file.Aperto()) return false; // the record has told the user

    std::error_code ec;
    bool scritto = false;
    fs::path percorso;
    if (Esiste(percorsi.Utente)) {
        // Once the user's file exists it is the one read, so it is the one kept up to date.
        percorso = percorsi.Utente;
        scritto = ScriveFileAtomico(percorso, uscita.str(), ec);
    } else {
        percorso = percorsi.Programma;
        scritto = ScriveFileAtomico(percorso, uscita.str(), ec);
        if (!scritto && !percorsi.Utente.empty()) {
            percorso = percorsi.Utente;
            fs::create_directories(percorso.parent_path(), ec);
            scritto = !ec && ScriveFileAtomico(percorso, uscita.str(), ec);
        }
    }
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
