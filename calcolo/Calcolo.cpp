#include "calcolo/Calcolo.h"

#include "files/Record.h"
#include "files/TabellaRisultati.h"
#include "support/Errori.h"

#include <algorithm>
#include <cmath>

namespace vc {

namespace {

// The sink of a command: passes every message on and keeps the first one, which names the
// check that failed.
class Ascolto final : public Messaggi {
  public:
    explicit Ascolto(Messaggi& msg) : msg_(msg) {}
    void Mostra(const std::string& testo, Icona icona, const std::string& titolo = {}) override {
        Annota(testo);
        msg_.Mostra(testo, icona, titolo);
    }
    void MostraConDettagli(const std::string& testo, const std::string& dettagli, Icona icona) override {
        Annota(testo);
        msg_.MostraConDettagli(testo, dettagli, icona);
    }
    bool ChiediSiNo(const std::string& testo, Icona icona, const std::string& titolo = {}) override {
        Annota(testo);
        return msg_.ChiediSiNo(testo, icona, titolo);
    }
    // The refusal of a check that has spoken (or is about to speak) for itself.
    ControlloFallito Rifiuto(CampoDati campo, int riga = 0, int colonna = 0) const {
        return {primo_, primo_, campo, riga, colonna};
    }

  private:
    void Annota(const std::string& testo) {
        if (primo_.empty()) primo_ = testo;
    }
    Messaggi& msg_;
    std::string primo_;
};

EsitoComando Rifiutato(ControlloFallito c) {
    return {std::move(c)};
}

// The section numbering: the first span whose number is below 1 is where the user must act.
EsitoComando ControllaNumeriSezione(const Velcora& trave, Messaggi& msg) {
    Ascolto ascolto(msg);
    if (trave.ControllaSezioni(ascolto)) return {};
    int i = 1;
    while (i < trave.nCampate() && trave.CampI(i).iSez >= 1)
        ++i;
    return Rifiutato(ascolto.Rifiuto(CampoDati::Campata, i, ColSezCampata));
}

EsitoComando Rifiuta(Messaggi& msg, const std::string& testo, Icona icona, CampoDati campo) {
    msg.Mostra(testo, icona);
    return Rifiutato({testo, testo, campo});
}

EsitoComando ControllaVincoli(const Velcora& trave, Messaggi& msg) {
    if (trave.VincoloEstremoSinistro() == VincoloEstremo::NonScelto)
        return Rifiuta(msg, "Scegliere il vincolo di Sinistra !", Icona::Nessuna, CampoDati::VincoloSinistro);
    if (trave.VincoloEstremoDestro() == VincoloEstremo::NonScelto)
        return Rifiuta(msg, "Scegliere il vincolo di Destra !", Icona::Nessuna, CampoDati::VincoloDestro);
    // A fixed end may carry a lone cantilever, but a beam needs at least one span.
    const int d = CampateEscluseSbalzi(trave);
    const bool incastro = trave.VincoloEstremoSinistro() == VincoloEstremo::Incastro ||
                          trave.VincoloEstremoDestro() == VincoloEstremo::Incastro;
    if ((d < 1 && !incastro) || trave.nCampate() < 1)
        return Rifiuta(msg, MessaggioNumeroCampate(d), Icona::Errore, CampoDati::NumeroCampate);
    return {};
}

// The concentrated loads as the loads window checks them on "OK": each on a span the beam has,
// at 0 <= d <= its length. A data file brings its loads in as they stand, so that the user can
// correct them; the first one that does not fit is refused here, with the window's message.
std::string ControlloCarico(const Velcora& trave, const RigaCarichi& r, int i, bool forze) {
    const std::string n = std::to_string(i);
    const float campata = r[0];
    if (!(campata >= 1.0f && campata <= static_cast<float>(trave.nCampate()) &&
          std::floor(campata) == campata))
        return (forze ? "Il carico n. " : "La coppia n. ") + n + " fa riferimento a campata inesistente.";
    const std::string carico = (forze ? "Carico concentrato N° " : "Coppia N° ") + n;
    const float d = r[5];
    // The number as the file holds it: the driver has no separators of the user's.
    if (d < 0.0f) return carico + " con d=" + TestoCampo(d) + " < 0";
    if (d > trave.CampI(static_cast<int>(campata)).Luce) return carico + " esteso oltre la luce";
    return {};
}

EsitoComando ControllaCarichiConcentrati(const Velcora& trave, Messaggi& msg) {
    for (const bool forze : {true, false}) {
        const std::vector<RigaCarichi>& tabella = forze ? trave.TabForze() : trave.TabCoppie();
        for (std::size_t k = 0; k < tabella.size(); ++k) {
            const std::string testo = ControlloCarico(trave, tabella[k], static_cast<int>(k) + 1, forze);
            if (testo.empty()) continue;
            EsitoComando e = Rifiuta(msg, testo, Icona::Errore, CampoDati::CarichiConcentrati);
            e.Rifiuto->Riga = static_cast<int>(k) + 1;
            e.Rifiuto->Colonna = forze ? 0 : 1;
            return e;
        }
    }
    return {};
}

// The checks of the model before a solution, each telling its own fault; the first that
// fails names the refusal.
EsitoComando ControllaModello(Velcora& trave, const Impostazioni& imp, Messaggi& msg, bool rapportiLuci) {
    Ascolto sezioni(msg);
    const bool sezioniValide = trave.CalcolaSezioni(sezioni);
    Ascolto vincoli(msg);
    const bool vincoliValidi = trave.VincoliElasticiControlla(vincoli);
    Ascolto campate(msg);
    const bool campateValide = !rapportiLuci || trave.ControllaCampate(imp, campate);
    EsitoComando carichi = ControllaCarichiConcentrati(trave, msg);
    if (!sezioniValide) return Rifiutato(sezioni.Rifiuto(CampoDati::Sezioni));
    if (!vincoliValidi) return Rifiutato(vincoli.Rifiuto(CampoDati::VincoliElastici));
    if (!campateValide) return Rifiutato(campate.Rifiuto(CampoDati::Ridistribuzione));
    return carichi;
}

// The solution; what the engine cannot solve is "Errore nei dati" with its reason.
EsitoComando Risolve(Velcora& trave, const Impostazioni& imp, Messaggi& msg) {
    try {
        trave.CalcolaIperstatiche(imp);
    } catch (const ErroreCalcolo& e) {
        const ControlloFallito posto = PostoDellErrore(e);
        return ErroreNeiDati(msg, e.what(), posto.Campo, posto.Riga, posto.Colonna);
    }
    return {};
}

// The data check of a calculation: a refusal is followed by "Errore nei dati".
EsitoComando ControllaPerCalcolo(Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    EsitoComando esito = ControllaDati(trave, imp, msg);
    if (!esito.Riuscito()) msg.Mostra(TestoErroreNeiDati, Icona::Errore);
    return esito;
}

} // namespace

int CampateEscluseSbalzi(const Velcora& trave) {
    int d = trave.nCampate();
    if (trave.VincoloEstremoSinistro() == VincoloEstremo::Libero) --d;
    if (trave.VincoloEstremoDestro() == VincoloEstremo::Libero) --d;
    return d;
}

std::string MessaggioNumeroCampate(int campate) {
    return "Errrore - Numero Campate Esclusi Sbalzi = " + std::to_string(campate) + " !";
}

EsitoComando ControllaDati(Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    if (EsitoComando e = ControllaNumeriSezione(trave, msg); !e.Riuscito()) return e;
    int sezioneMassima = 0;
    for (int i = 1; i <= trave.nCampate(); ++i)
        sezioneMassima = std::max(sezioneMassima, trave.CampI(i).iSez);
    trave.AggiungeSezioni(sezioneMassima);
    if (EsitoComando e = ControllaVincoli(trave, msg); !e.Riuscito()) return e;
    imp.DeltaRidist = static_cast<float>(imp.DeltaEffettivo());
    return {};
}

EsitoComando EsegueCalcolo(Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    if (EsitoComando e = ControllaPerCalcolo(trave, imp, msg); !e.Riuscito()) return e;
    if (EsitoComando e = ControllaModello(trave, imp, msg, true); !e.Riuscito()) return e;
    return Risolve(trave, imp, msg);
}

EsitoComando CalcolaCarichi(Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    if (EsitoComando e = ControllaPerCalcolo(trave, imp, msg); !e.Riuscito()) return e;
    if (EsitoComando e = ControllaModello(trave, imp, msg, false); !e.Riuscito()) return e;
    if (EsitoComando e = Risolve(trave, imp, msg); !e.Riuscito()) return e;
    return ControllaScaleFisse(imp, msg);
}

EsitoComando ControllaScaleFisse(const Impostazioni& imp, Messaggi& msg) {
    if (!imp.ScalePreimpostate) return {};
    const double scale[] = {imp.ScalaFissaM, imp.ScalaFissaT, imp.ScalaFissaFreccia};
    const auto nulla = std::find(std::begin(scale), std::end(scale), 0.0);
    if (nulla == std::end(scale)) return {};
    const std::string testo =
        "Una delle Scale Fisse è 0. Deselezionare Scale Fisse o introdurre un valore >0";
    msg.Mostra(testo, Icona::Errore);
    return Rifiutato({testo, testo, CampoDati::ScalaFissa, 0, static_cast<int>(nulla - std::begin(scale))});
}

EsitoComando ControllaLuci(const std::vector<double>& luci, Messaggi& msg) {
    if (luci.empty()) return Rifiuta(msg, "Definire campate!", Icona::Nessuna, CampoDati::NumeroCampate);
    const auto nulla = std::find(luci.begin(), luci.end(), 0.0);
    if (nulla == luci.end()) return {};
    EsitoComando e = Rifiuta(msg, "Definire geometria campate!", Icona::Nessuna, CampoDati::Campata);
    e.Rifiuto->Riga = static_cast<int>(nulla - luci.begin()) + 1;
    e.Rifiuto->Colonna = ColLuce;
    return e;
}

ControlloFallito PostoDellErrore(const ErroreCalcolo& e) {
    using Tipo = CampoErrore::Tipo;
    const int n = e.campo().numero;
    switch (e.campo().tipo) {
    case Tipo::NumeroCampate:
        return {{}, {}, CampoDati::NumeroCampate};
    case Tipo::PuntiDiagramma:
        return {{}, {}, CampoDati::PuntiDiagramma};
    case Tipo::Campata: { // a span without stiffness is its section's fault, any other its length's
        const int colonna = e.tipo() == ErroreCalcolo::Tipo::RigidezzaNulla ? ColSezCampata : ColLuce;
        return {{}, {}, CampoDati::Campata, n, colonna};
    }
    case Tipo::Appoggio:
        return {{}, {}, CampoDati::Appoggio, n};
    case Tipo::CaricoConcentrato:
        return {{}, {}, CampoDati::CarichiConcentrati, n};
    case Tipo::Vincoli:
        return {{}, {}, n == 2 ? CampoDati::VincoloDestro : CampoDati::VincoloSinistro};
    case Tipo::VincoliElastici:
        return {{}, {}, CampoDati::VincoliElastici, n};
    case Tipo::Sezioni:
        return {{}, {}, CampoDati::Sezioni, n};
    case Tipo::Ridistribuzione:
        return {{}, {}, CampoDati::Ridistribuzione};
    case Tipo::Coefficienti: // the partial factors are the settings file's, not the beam's
    case Tipo::Nessuno:
        break;
    }
    return {};
}

EsitoComando ErroreNeiDati(Messaggi& msg, std::string motivo, CampoDati campo, int riga, int colonna) {
    msg.MostraConDettagli(TestoErroreNeiDati, motivo, Icona::Errore);
    return Rifiutato({TestoErroreNeiDati, std::move(motivo), campo, riga, colonna});
}

} // namespace vc
