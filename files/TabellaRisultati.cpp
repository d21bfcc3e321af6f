#include "files/TabellaRisultati.h"

#include "support/Formattazione.h"

#include <stdexcept>
#include <utility>

namespace vc {

TabellaCelle::TabellaCelle(int righe, std::vector<int> larghezze)
    : righe_(righe), larghezze_(std::move(larghezze)) {
    if (righe_ < 0) throw std::invalid_argument("numero di righe negativo");
    celle_.resize(static_cast<std::size_t>(righe_) * larghezze_.size());
}

std::size_t TabellaCelle::Indice(int riga, int colonna) const {
    if (riga < 0 || riga >= Righe() || colonna < 0 || colonna >= Colonne())
        throw std::out_of_range("cella " + std::to_string(riga) + ", " + std::to_string(colonna) +
                                " fuori dalla griglia");
    return static_cast<std::size_t>(riga) * larghezze_.size() + static_cast<std::size_t>(colonna);
}

int TabellaCelle::Larghezza(int colonna) const {
    return larghezze_.at(static_cast<std::size_t>(colonna));
}

const std::string& TabellaCelle::Cella(int riga, int colonna) const {
    return celle_[Indice(riga, colonna)];
}

void TabellaCelle::Cella(int riga, int colonna, std::string testo) {
    celle_[Indice(riga, colonna)] = std::move(testo);
}

std::string FormattaRisultato(double x, const Separatori& sep) {
    return FormattaNumero(4, 10, x, false, sep);
}

std::string FormattaDato(double x, const Separatori& sep) {
    return FormattaCifre(4, x, sep);
}

namespace {

// The results are stored per support and per span of the beam that was solved; a beam whose
// span count was changed afterwards has none that fit.
bool RisultatiCoerenti(const Velcora& trave) {
    if (!trave.Calcolata() || trave.nCampate() < 1) return false;
    try {
        return trave.iFineCampata(trave.nCampate() + 1) == trave.nPt() - 1;
    } catch (const std::out_of_range&) {
        return false;
    }
}

void RichiedeRisultati(const Velcora& trave) {
    if (!RisultatiCoerenti(trave)) throw std::logic_error("la trave non è stata calcolata");
}

void Intestazioni(TabellaCelle& t, std::initializer_list<const char*> testi) {
    int c = 0;
    for (const char* testo : testi) t.Cella(0, c++, testo);
}

} // namespace

int RigaFrecceCampata(const Velcora& trave, int i) {
    const int n = trave.nCampate();
    if (i == 1 && trave.VincoloEstremoSinistro() == VincoloEstremo::Libero) return 1;
    if (i == n && trave.VincoloEstremoDestro() == VincoloEstremo::Libero) return 2 * n + 1;
    return 2 * i;
}

TabellaCelle TabellaMomentiFrecce(const Velcora& trave, const Separatori& sep) {
    RichiedeRisultati(trave);
    const int n = trave.nCampate();
    TabellaCelle t(2 * n + 2, {450, 970, 970, 970, 970, 970, 970});
    Intestazioni(t, {"Sez.", "Mmax", "x Mmax", "Mmin", "x Mmin", "f max", "f min"});

    const auto appoggio = [&](int k) {
        const int r = 2 * k - 1;
        t.Cella(r, ColSezione, std::to_string(k));
        t.Cella(r, ColMmax, FormattaRisultato(trave.MmaxApp(k), sep));
        t.Cella(r, ColMmin, FormattaRisultato(trave.MminApp(k), sep));
    };
    for (int i = 1; i <= n; ++i) {
        appoggio(i);
        const int r = 2 * i;
        t.Cella(r, ColSezione, "m");
        t.Cella(r, ColMmax, FormattaRisultato(trave.MmaxCam(i), sep));
        t.Cella(r, ColXMmax, FormattaRisultato(trave.xMmaxCam(i), sep));
        t.Cella(r, ColMmin, FormattaRisultato(trave.MminCam(i), sep));
        t.Cella(r, ColXMmin, FormattaRisultato(trave.xMminCam(i), sep));

        const Trave& campata = trave.CampI(i);
        const int rf = RigaFrecceCampata(trave, i);
        t.Cella(rf, ColFmax, FormattaScientifico(campata.FrecciaMax(), sep));
        t.Cella(rf, ColFmin, FormattaScientifico(campata.FrecciaMin(), sep));
    }
    appoggio(n + 1);
    return t;
}

TabellaCelle TabellaTagliReazioni(const Velcora& trave, const Separatori& sep) {
    RichiedeRisultati(trave);
    const int n = trave.nCampate();
    TabellaCelle t(n + 2, {450, 890, 890, 890, 890});
    Intestazioni(t, {"Sez.", "Tmax s", "Tmax d", "Rmax", "Rmin"});
    for (int k = 1; k <= n + 1; ++k) {
        t.Cella(k, ColAppoggio, std::to_string(k) + "  ");
        if (k > 1) t.Cella(k, ColTmaxS, FormattaRisultato(trave.TaglioMaxS(k), sep));
        if (k <= n) t.Cella(k, ColTmaxD, FormattaRisultato(trave.TaglioMaxD(k), sep));
        t.Cella(k, ColRmax, FormattaRisultato(trave.ReazMax(k), sep));
        t.Cella(k, ColRmin, FormattaRisultato(trave.ReazMin(k), sep));
    }
    return t;
}

GriglieRisultati ScriveRisultati(const Velcora& trave, const Separatori& sep) {
    return {TabellaMomentiFrecce(trave, sep), TabellaTagliReazioni(trave, sep)};
}

TabellaCelle TabellaCampate(const Velcora& trave, const Separatori& sep) {
    const int n = trave.nCampate();
    TabellaCelle t(n + 1, {950, 700, 700, 700, 700, 700, 700});
    Intestazioni(t, {"Camp. N°", "Luce", "G1", "G2", "Q1", "Q2", "Sez.N°"});
    for (int i = 1; i <= n; ++i) {
        const DatiCampata d = trave.EstraeDatiCampata(i);
        t.Cella(i, ColCampata, std::to_string(i));
        t.Cella(i, ColLuce, TestoNumero(d.Luce, sep));
        t.Cella(i, ColG1, TestoNumero(d.g1, sep));
        t.Cella(i, ColG2, TestoNumero(d.g2, sep));
        t.Cella(i, ColQ1, TestoNumero(d.q1, sep));
        t.Cella(i, ColQ2, TestoNumero(d.q2, sep));
        t.Cella(i, ColSezCampata, std::to_string(d.iSez));
    }
    return t;
}

} // namespace vc
