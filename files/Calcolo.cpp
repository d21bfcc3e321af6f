#include "files/Calcolo.h"

#include "files/FileDati.h"
#include "files/FileSuDisco.h"
#include "files/GestioneFile.h"
#include "files/Record.h"
#include "support/Errori.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>

namespace vc {

namespace fs = std::filesystem;

bool LeggeFileDati(const fs::path& percorso, Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    std::error_code ec;
    fs::path file = fs::absolute(percorso, ec);
    if (ec) file = percorso;
    auto contenuto = LeggeFileIntero(file, ec);
    if (!contenuto) {
        if (ec == std::errc::no_such_file_or_directory)
            msg.Mostra("File " + file.string() + " non trovato ", Icona::Nessuna);
        else
            msg.Mostra(ec.message(), Icona::Nessuna);
        return false;
    }
    imp.NomeFile = NomeBase(file.string());
    imp.PercorsoDati = file.parent_path().string();
    FileTesto testo = FileTesto::PerLettura(std::move(*contenuto));
    return FileLeggeScrive(Modo::Lettura, testo, trave, imp, msg) != EsitoFile::Incompleto;
}

int CampateEscluseSbalzi(const Velcora& trave) {
    int d = trave.nCampate();
    if (trave.VincoloSinistro == Libero) --d;
    if (trave.VincoloDestro == Libero) --d;
    return d;
}

std::string MessaggioNumeroCampate(int campate) {
    return "Errrore - Numero Campate Esclusi Sbalzi = " + std::to_string(campate) + " !";
}

namespace {

enum class EsitoControllo { Superato, Rifiutato, Errore };

EsitoControllo Controlla(Velcora& trave, Impostazioni& imp, Messaggi& msg) try {
    if (!trave.ControllaSezioni(msg)) return EsitoControllo::Rifiutato;

    int sezioneMassima = 0;
    for (int i = 1; i <= trave.nCampate(); ++i) sezioneMassima = std::max(sezioneMassima, trave.CampI(i).iSez);
    trave.AggiungeSezioni(sezioneMassima);

    if (trave.VincoloSinistro < Appoggio || trave.VincoloSinistro > Elastico) {
        msg.Mostra("Scegliere il vincolo di Sinistra !", Icona::Nessuna);
        return EsitoControllo::Rifiutato;
    }
    if (trave.VincoloDestro < Appoggio || trave.VincoloDestro > Elastico) {
        msg.Mostra("Scegliere il vincolo di Destra !", Icona::Nessuna);
        return EsitoControllo::Rifiutato;
    }

    // A fixed end may carry a lone cantilever, but a beam needs at least one span.
    const int d = CampateEscluseSbalzi(trave);
    const bool incastro = trave.VincoloSinistro == Incastro || trave.VincoloDestro == Incastro;
    if ((d < 1 && !incastro) || trave.nCampate() < 1) {
        msg.Mostra(MessaggioNumeroCampate(d), Icona::Errore);
        return EsitoControllo::Rifiutato;
    }

    if (imp.DeltaRidist == 0.0f) imp.DeltaRidist = 1.0f;
    return EsitoControllo::Superato;
} catch (const std::exception&) {
    return EsitoControllo::Errore;
}

} // namespace

bool ControllaDati(Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    const EsitoControllo esito = Controlla(trave, imp, msg);
    if (esito == EsitoControllo::Errore) msg.Mostra(TestoErroreNeiDati, Icona::Errore);
    return esito == EsitoControllo::Superato;
}

bool EsegueCalcolo(Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    if (Controlla(trave, imp, msg) != EsitoControllo::Superato) {
        msg.Mostra(TestoErroreNeiDati, Icona::Errore);
        return false;
    }
    try {
        const bool sezioni = trave.CalcolaSezioni(msg);
        const bool vincoli = trave.VincoliElasticiControlla(msg);
        const bool campate = trave.ControllaCampate(imp, msg);
        if (!(sezioni && vincoli && campate)) return false;
        trave.CalcolaIperstatiche(imp);
        return true;
    } catch (const std::exception&) { // ErroreCalcolo, or a datum the model cannot hold
        msg.Mostra(TestoErroreNeiDati, Icona::Errore);
        return false;
    }
}

} // namespace vc
