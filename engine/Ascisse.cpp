// The abscissas at which every diagram is sampled: one global list for the whole beam, in
// which every interior support stands twice, and one local list per span.
//
// Each span gets at least ten steps. The global step (the beam's length over the number of
// diagram divisions) is kept for every span it divides into ten or more, so that ordinary
// beams keep their abscissas; a span it divides into fewer gets its own step, a tenth of its
// net length. A plot setting must never reduce a span to its end points and so decide its
// design moments.

#include "engine/StadiCalcolo.h"
#include "support/Errori.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vc {

namespace {

constexpr int PassiMinimiCampata = 10;
constexpr float DivisioniAppoggi = 6;

// Rounds to the nearest integer, halves to the even one.
int ArrotondaPari(double v) { return static_cast<int>(std::nearbyint(v)); }

// The supports that get rounding points: those with a width, except a free end.
void SegnaAppoggiArrotondati(const DatiCalcolo& d, RisultatiCalcolo& r) {
    const int n = d.n();
    if (!d.ArrotondaMomenti) return;
    r.nDivisioniAppoggi = DivisioniAppoggi;
    for (int k = 1; k <= n + 1; ++k) {
        bool arrotonda = d.Larghezza(k) > 0;
        if (k == 1 && d.Sinistro == VincoloEstremo::Libero) arrotonda = false;
        if (k == n + 1 && d.Destro == VincoloEstremo::Libero) arrotonda = false;
        r.Appoggi[static_cast<std::size_t>(k - 1)].Arrotondato = arrotonda;
    }
}

// The number of steps of a span of net length Ln.
int PassiCampata(double Ln, float passo) {
    const double passi = Ln / passo;
    if (passi >= PassiMinimiCampata) return ArrotondaPari(passi);
    return PassiMinimiCampata;
}

// Appends span i's points to the global list and to the span's local list.
void AscisseDiagrammiCampata(const DatiCalcolo& d, int i, std::vector<double>& lista, RisultatiCalcolo& r) {
    const Trave& t = d.Campata(i);
    const double L = t.Luce;
    const double bL = d.Larghezza(i);
    const double bR = d.Larghezza(i + 1);
    const bool arrSx = r.Appoggi[static_cast<std::size_t>(i - 1)].Arrotondato;
    const bool arrDx = r.Appoggi[static_cast<std::size_t>(i)].Arrotondato;
    const int h = ArrotondaPari(r.nDivisioniAppoggi / 2.0);

    double Ln = L;
    if (arrSx) Ln -= bL / 2.0;
    if (arrDx) Ln -= bR / 2.0;
    if (!(Ln > 0))
        throw ErroreCalcolo(ErroreCalcolo::Tipo::DatiNonValidi,
                            "campata " + std::to_string(i) + ": le larghezze degli appoggi coprono tutta la luce",
                            {CampoErrore::Tipo::Campata, i});
    const int m = PassiCampata(Ln, r.PassoPlt);
    const double dx = Ln / m;

    std::vector<float>& xCamp = r.Campate[static_cast<std::size_t>(i - 1)].xCamp;
    const double x0 = lista.back();
    const auto aggiunge = [&](double x) {
        lista.push_back(x);
        xCamp.push_back(static_cast<float>(x - x0));
    };
    aggiunge(x0);
    double x = x0;
    if (arrSx)
        for (int k = 0; k < h; ++k) aggiunge(x += bL / r.nDivisioniAppoggi);
    for (int k = 0; k < m; ++k) aggiunge(x += dx);
    if (arrDx)
        for (int k = 0; k < h; ++k) aggiunge(x += bR / r.nDivisioniAppoggi);
    // The span ends exactly at its length, whatever the rounding of the steps.
    lista.back() = x0 + L;
    xCamp.back() = t.Luce;
    r.iFineCampata[static_cast<std::size_t>(i)] = static_cast<int>(lista.size());
}

} // namespace

void AscisseDiagrammi(const DatiCalcolo& d, RisultatiCalcolo& r) {
    const int n = d.n();
    const auto nn = static_cast<std::size_t>(n);
    double totale = 0;
    for (const Trave& t : d.Campate) totale += t.Luce;
    r.LunghezzaTotale = static_cast<float>(totale);
    r.PassoPlt = r.LunghezzaTotale / static_cast<float>(d.nDivisioniPlt);
    r.Appoggi.assign(nn + 1, RisultatiAppoggio{});
    r.Campate.assign(nn, RisultatiCampata{});
    SegnaAppoggiArrotondati(d, r);

    std::vector<double> lista{0.0};
    r.Campate[0].xCamp.push_back(0.0f); // span 1's local list holds the point outside the beam too
    r.iFineCampata.assign(nn + 1, 0);
    r.iFineCampata[0] = 1;
    for (int i = 1; i <= n; ++i) AscisseDiagrammiCampata(d, i, lista, r);

    const std::size_t nPunti = lista.size() + 1;
    for (auto* v : {&r.xPlt, &r.yMmaxPlt, &r.yMminPlt, &r.yTmaxPlt, &r.yTminPlt, &r.yFrMaxPlt, &r.yFrMinPlt})
        v->assign(nPunti, 0.0f);
    std::transform(lista.begin(), lista.end(), r.xPlt.begin(), [](double x) { return static_cast<float>(x); });
    r.xPlt.back() = r.xPlt[nPunti - 2];
}

} // namespace vc
