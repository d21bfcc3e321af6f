#include "engine/Velcora.h"

#include "support/Matematica.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace vc {

namespace {
std::size_t Posizione(int i, std::size_t quanti, const char* cosa) {
    if (i < 1 || static_cast<std::size_t>(i) > quanti)
        throw std::out_of_range(std::string(cosa) + " " + std::to_string(i) + " inesistente");
    return static_cast<std::size_t>(i - 1);
}
} // namespace

// ---- Spans and supports --------------------------------------------------------------------

void Velcora::nCampate(int n) {
    if (n < 0) throw std::out_of_range("numero di campate negativo");
    campate_.assign(static_cast<std::size_t>(n), Trave{});
    larghezzaAppoggi_.assign(static_cast<std::size_t>(n) + 1, 0.0f);
    risultati_.reset();
}

Trave& Velcora::CampataI(int i) { return campate_[Posizione(i, campate_.size(), "campata")]; }

const Trave& Velcora::CampataI(int i) const { return campate_[Posizione(i, campate_.size(), "campata")]; }

void Velcora::InserisceDatiCampata(int i, float L, float g1, float g2, float q1, float q2, int iSez) {
    Trave& t = CampataI(i);
    t.Luce = L;
    t.CaricoDistG1 = g1;
    t.CaricoDistG2 = g2;
    t.CaricoDistQ1 = q1;
    t.CaricoDistQ2 = q2;
    t.iSez = iSez;
}

DatiCampata Velcora::EstraeDatiCampata(int i) const {
    const Trave& t = CampataI(i);
    return {t.Luce, t.CaricoDistG1, t.CaricoDistG2, t.CaricoDistQ1, t.CaricoDistQ2, t.iSez};
}

float Velcora::LarghezzaAppoggi(int i) const {
    return larghezzaAppoggi_[Posizione(i, larghezzaAppoggi_.size(), "appoggio")];
}

void Velcora::LarghezzaAppoggi(int i, double larghezza) {
    larghezzaAppoggi_[Posizione(i, larghezzaAppoggi_.size(), "appoggio")] = static_cast<float>(larghezza);
}

// ---- Sections ------------------------------------------------------------------------------

void Velcora::CreaArraySezioni() { sezioni_.assign(static_cast<std::size_t>(std::max(nSezioni_, 0)), SezioneCA{}); }

void Velcora::AggiungeSezioni(int n) {
    if (n < 0) throw std::out_of_range("numero di sezioni negativo");
    sezioni_.resize(static_cast<std::size_t>(n)); // keeps the sections already there
    nSezioni_ = n;
}

SezioneCA& Velcora::SezioneI(int i) { return sezioni_[Posizione(i, sezioni_.size(), "sezione")]; }

const SezioneCA& Velcora::SezioneI(int i) const { return sezioni_[Posizione(i, sezioni_.size(), "sezione")]; }

void Velcora::InserisceDatiSezione(int iSez, int tipo, const MatriceFigure& figure, float E) {
    SezioneCA& s = SezioneI(iSez);
    if (tipo < SezRettangolare || tipo > SezGenerica) throw std::invalid_argument("Tipo di sezione non implementato");
    s.TipoSez = tipo;
    s.Young = E;
    if (tipo == SezGenerica) {
        s.JotaXG = figure[0][0];
        s.hTot = figure[0][1];
    } else {
        s.b1 = figure[0][0];
        s.h1 = figure[0][1];
        s.hTot = s.h1;
        if (tipo == SezT) {
            s.b2 = figure[1][0];
            s.H2 = figure[1][1];
            s.hTot = s.h1 + s.H2;
        }
        s.CoordinateSezione();
        s.CaratteristicheStaticheSezione();
    }
    s.SezioneNulla = !(s.JotaXG > 0.0);
}

DatiSezione Velcora::EstraeDatiSezione(int iSez) {
    SezioneCA& s = SezioneI(iSez);
    DatiSezione d;
    d.Tipo = s.TipoSez;
    d.Young = s.Young;
    if (s.TipoSez == SezGenerica) {
        d.Figure[0] = {static_cast<float>(s.JotaXG), s.hTot};
    } else {
        s.CoordinateSezione();
        s.CaratteristicheStaticheSezione();
        d.Figure[0] = {s.b1, s.h1};
        if (s.TipoSez == SezT) d.Figure[1] = {s.b2, s.H2};
    }
    d.Jota = s.JotaXG;
    return d;
}

bool Velcora::CalcolaSezioni(Messaggi& msg) {
    bool valide = true;
    for (std::size_t i = 0; i < sezioni_.size(); ++i) {
        SezioneCA& s = sezioni_[i];
        if (s.TipoSez <= SezT) {
            s.CoordinateSezione();
            s.CaratteristicheStaticheSezione();
        }
        if (s.SezioneNulla) {
            msg.Mostra("La sezione " + std::to_string(i + 1) + " non è stata inserita", Icona::Errore);
            valide = false;
        }
    }
    return valide;
}

bool Velcora::ControllaSezioni(Messaggi& msg) const {
    const std::string spiegazione = "Nella colonna Sez.N° va indicato il numero d'ordine di ciascuna sezione.\n"
                                    "I numeri devono essere > 1 e non sono ammessi buchi.\n"
                                    "Es. 2 1 3 OK   1 3 4 Errato";
    std::vector<int> numeri;
    for (const Trave& t : campate_) numeri.push_back(t.iSez);
    if (numeri.empty()) return true;
    OrdinaCollezione(numeri, static_cast<int>(numeri.size()));
    if (numeri.front() < 1) {
        msg.Mostra("Il numero di sezione deve essere > 0", Icona::Errore);
        return false;
    }
    if (numeri.front() > 1) {
        msg.Mostra("La numerazione delle sezioni deve iniziare da 1", Icona::Errore);
        return true;
    }
    for (std::size_t k = 1; k < numeri.size(); ++k)
        if (numeri[k] - numeri[k - 1] > 1)
            msg.Mostra("Manca la sezione N° " + std::to_string(numeri[k] - 1) + "\n" + spiegazione, Icona::Errore);
    return true;
}

// ---- Concentrated loads, load display, elastic restraints ---------------------------------

void Velcora::Dati_Fconc(const std::vector<RigaCarichi>& dati, bool forze) {
    (forze ? tabForze_ : tabCoppie_) = dati;
}

float Velcora::Info_Fconc(int i, int j, bool forze) const {
    const auto& tab = forze ? tabForze_ : tabCoppie_;
    return tab[Posizione(i, tab.size(), "carico")][Posizione(j, 6, "colonna")];
}

void Velcora::Resetta_Fconc(bool forze) { (forze ? tabForze_ : tabCoppie_).clear(); }

std::optional<bool> Velcora::Info_VisualCar(int i, int k) const {
    if (!visualCarichi_ || i < 1 || i > 4 || k < 1 || k > 3) return std::nullopt;
    return (*visualCarichi_)[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(k - 1)];
}

void Velcora::Dati(const std::array<double, 9>& dati, bool sx) { datiVincElast_[sx ? 0 : 1] = dati; }

double Velcora::Dato_Sx(int i) const { return datiVincElast_[0][Posizione(i, 9, "dato")]; }

double Velcora::Dato_Dx(int i) const { return datiVincElast_[1][Posizione(i, 9, "dato")]; }

bool Velcora::VincoliElasticiControlla(Messaggi& msg) const {
    std::string testo;
    if (kVincoloSinistro <= 0 && VincoloEstremoSinistro() == VincoloEstremo::Elastico)
        testo = "Il vincolo di sinistra ha rigidezza nulla\n";
    if (kVincoloDestro <= 0 && VincoloEstremoDestro() == VincoloEstremo::Elastico)
        testo += "Il vincolo di destra ha rigidezza nulla";
    if (testo.empty()) return true;
    msg.Mostra(testo, Icona::Nessuna);
    return false;
}

bool Velcora::ControllaCampate(const Impostazioni& imp, Messaggi& msg) const {
    if (imp.DeltaEffettivo() == 1.0) return true;
    for (std::size_t i = 0; i + 1 < campate_.size(); ++i) {
        const float Ls = campate_[i].Luce;
        const float Ld = campate_[i + 1].Luce;
        if (!(Ls > 0 && Ld > 0)) continue; // a span without length is refused by the data check
        const float r = Ls / Ld;
        if (r > 2.0f || r < 0.5f)
            return msg.ChiediSiNo("Presenti campate contigue con rapporti tra le luci che non rispettano il "
                                  "rapporto 0,5-2,0.\nRidistribuzione dei momenti non consentita. Procedere comunque?",
                                  Icona::Errore, "Ridistribuzione dei momenti");
    }
    return true;
}

// ---- Results read back --------------------------------------------------------------------

const RisultatiCalcolo& Velcora::R() const {
    static const RisultatiCalcolo nessuno;
    return risultati_ ? *risultati_ : nessuno;
}

void Velcora::ConservaRisultati(std::shared_ptr<const RisultatiCalcolo> risultati) {
    risultati_ = std::move(risultati);
    for (Trave& t : campate_) t.risultati_ = risultati_;
}

double Velcora::MiperAppI(int s, int c) const {
    const int n1 = R().MiperApp.nCondizioni();
    if (s < 1 || s > n1 || c < 1 || c > n1)
        throw std::out_of_range("momento d'appoggio " + std::to_string(s) + ", condizione " + std::to_string(c) +
                                " inesistente");
    return R().MiperApp(s, c);
}

float Velcora::TaglioMaxD(int i) const {
    if (i > nCampate()) return 0.0f;
    return CampataI(i).TaglioMaxS();
}

float Velcora::TaglioMaxS(int i) const {
    if (i == 1) return 0.0f;
    return CampataI(i - 1).TaglioMaxD();
}

float Velcora::MmaxApp(int i) const {
    if (i <= nCampate()) return CampataI(i).MmaxAppS();
    return CampataI(nCampate()).MmaxAppD();
}

float Velcora::MminApp(int i) const {
    if (i <= nCampate()) return CampataI(i).MminAppS();
    return CampataI(nCampate()).MminAppD();
}

} // namespace vc
