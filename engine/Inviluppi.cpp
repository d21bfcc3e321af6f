// Diagram abscissas, envelopes of moment and shear by superposition of the load conditions,
// support moments and shears, reaction envelopes, and the rounding of support moments and
// shears over the width of the supports.

#include "engine/Velcora.h"
#include "support/Errori.h"
#include "support/Matematica.h"

#include <cmath>

namespace vc {

namespace {
std::size_t I(int j) { return static_cast<std::size_t>(j - 1); } // 1-based point → storage

// The value of larger magnitude; on equal magnitudes the second (the minimum envelope).
float MaxAssoluto(float a, float b) { return std::fabs(a) > std::fabs(b) ? a : b; }

// Rounds to the nearest integer, halves to the even one.
int ArrotondaPari(double v) { return static_cast<int>(std::nearbyint(v)); }

// Straight line through (x1, y1) and (x2, y2) at x.
double Retta(double x1, double y1, double x2, double y2, double x) {
    return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}
} // namespace

int Velcora::MezzeDivisioni() const { return ArrotondaPari(nDivisioniAppoggi / 2.0); }

// ---- Abscissas -----------------------------------------------------------------------------

void Velcora::SegnaAppoggiArrotondati() {
    const int n = nCampate();
    appoggioArrotondato_.assign(static_cast<std::size_t>(n) + 1, false);
    if (!ArrotondaMomenti) return;
    nDivisioniAppoggi = 6;
    for (int k = 1; k <= n + 1; ++k) {
        bool arrotonda = LarghezzaAppoggi(k) > 0;
        if (k == 1 && VincoloSinistro == Libero) arrotonda = false;
        if (k == n + 1 && VincoloDestro == Libero) arrotonda = false;
        appoggioArrotondato_[I(k)] = arrotonda;
    }
}

void Velcora::AscisseDiagrammiCampata(int i, std::vector<double>& lista) {
    Trave& t = CampataI(i);
    const double L = t.Luce;
    const double bL = LarghezzaAppoggi(i);
    const double bR = LarghezzaAppoggi(i + 1);
    const bool arrSx = AppoggioArrotondato(i);
    const bool arrDx = AppoggioArrotondato(i + 1);
    const int h = MezzeDivisioni();

    double Ln = L;
    if (arrSx) Ln -= bL / 2.0;
    if (arrDx) Ln -= bR / 2.0;
    const int m = ArrotondaPari(Ln / PassoPlt);
    if (m <= 0)
        throw ErroreCalcolo(ErroreCalcolo::Tipo::PassoTroppoGrande,
                            "la campata " + std::to_string(i) + " è più corta di mezzo passo del diagramma");
    const double dx = Ln / m;

    const double x0 = lista.back();
    const auto aggiunge = [&](double x) {
        lista.push_back(x);
        t.xCamp.push_back(static_cast<float>(x - x0));
    };
    aggiunge(x0);
    double x = x0;
    if (arrSx)
        for (int k = 0; k < h; ++k) aggiunge(x += bL / nDivisioniAppoggi);
    for (int k = 0; k < m; ++k) aggiunge(x += dx);
    if (arrDx)
        for (int k = 0; k < h; ++k) aggiunge(x += bR / nDivisioniAppoggi);
    // The span ends exactly at its length, whatever the rounding of the steps.
    lista.back() = x0 + L;
    t.xCamp.back() = t.Luce;
    iFineCampata_[I(i + 1)] = static_cast<int>(lista.size());
}

void Velcora::AscisseDiagrammi() {
    const int n = nCampate();
    SegnaAppoggiArrotondati();
    std::vector<double> lista{0.0};
    CampataI(1).xCamp.push_back(0.0f); // span 1's local list holds the point outside the beam too
    iFineCampata_.assign(static_cast<std::size_t>(n) + 1, 0);
    iFineCampata_[0] = 1;
    for (int i = 1; i <= n; ++i) AscisseDiagrammiCampata(i, lista);

    const std::size_t nPunti = lista.size() + 1;
    for (auto* v : {&xPlt_, &yMmaxPlt_, &yMminPlt_, &yTmaxPlt_, &yTminPlt_, &yFrMaxPlt_, &yFrMinPlt_})
        v->assign(nPunti, 0.0f);
    for (std::size_t j = 0; j < lista.size(); ++j) xPlt_[j] = static_cast<float>(lista[j]);
    xPlt_.back() = xPlt_[nPunti - 2];
}

// ---- Envelopes of moment and shear ---------------------------------------------------------

void Velcora::InviluppiMT() {
    const int n = nCampate();
    const auto nn = static_cast<std::size_t>(n);
    mmaxCampata_.assign(nn, -1e38f);
    mminCampata_.assign(nn, -1e38f);
    xMmaxCampata_.assign(nn, 0.0f);
    xMminCampata_.assign(nn, 0.0f);
    iMmaxCampata_.assign(nn, 0);
    iMminCampata_.assign(nn, 0);
    taglioInizio_.assign(nn, 0.0f);
    taglioFine_.assign(nn, 0.0f);
    mmaxAppoggio_.assign(nn + 1, 0.0f);
    mminAppoggio_.assign(nn + 1, 0.0f);
    iPuntoAppoggio_.assign(nn + 1, 0);

    for (int i = 1; i <= n; ++i) {
        const Trave& t = CampataI(i);
        const int primo = iFineCampata(i) + 1;
        const int ultimo = iFineCampata(i + 1);
        // Span 1's local list starts with the point outside the beam.
        const int offset = i == 1 ? primo - 2 : primo - 1;
        for (int j = primo; j <= ultimo; ++j) {
            // Local abscissa from the span's own list: exact at both ends of the span.
            const double xl = t.xCamp[static_cast<std::size_t>(j - 1 - offset)];
            double Mmax = t.MomentoX(xl, 1), Mmin = Mmax;
            double Tmax = t.TaglioX(xl, 1), Tmin = Tmax;
            for (int k = 1; k <= n; ++k) {
                const double Mk = t.MomentoX(xl, k + 1);
                (Mk > 0 ? Mmax : Mmin) += Mk;
                const double Tk = t.TaglioX(xl, k + 1);
                (Tk > 0 ? Tmax : Tmin) += Tk;
            }
            yMmaxPlt_[I(j)] = static_cast<float>(Mmax);
            yMminPlt_[I(j)] = static_cast<float>(Mmin);
            yTmaxPlt_[I(j)] = static_cast<float>(Tmax);
            yTminPlt_[I(j)] = static_cast<float>(Tmin);

            const std::size_t ii = I(i);
            if (j == primo) {
                mmaxAppoggio_[ii] = yMmaxPlt_[I(j)];
                mminAppoggio_[ii] = yMminPlt_[I(j)];
                iPuntoAppoggio_[ii] = j;
                taglioInizio_[ii] = MaxAssoluto(yTmaxPlt_[I(j)], yTminPlt_[I(j)]);
            } else if (j == ultimo) {
                taglioFine_[ii] = MaxAssoluto(yTmaxPlt_[I(j)], yTminPlt_[I(j)]);
            }
            // Strict tests: on equal values the point nearest the span's left end stays.
            if (yMmaxPlt_[I(j)] > mmaxCampata_[ii]) {
                mmaxCampata_[ii] = yMmaxPlt_[I(j)];
                xMmaxCampata_[ii] = static_cast<float>(xl);
                iMmaxCampata_[ii] = j;
            }
            if (yMminPlt_[I(j)] > mminCampata_[ii]) {
                mminCampata_[ii] = yMminPlt_[I(j)];
                xMminCampata_[ii] = static_cast<float>(xl);
                iMminCampata_[ii] = j;
            }
        }
    }
    const int penultimo = nPt() - 1;
    mmaxAppoggio_[nn] = yMmaxPlt(penultimo);
    mminAppoggio_[nn] = yMminPlt(penultimo);
    iPuntoAppoggio_[nn] = penultimo;
}

void Velcora::TagliAppoggi() {
    const auto nn = static_cast<std::size_t>(nCampate());
    taglioDx_.assign(nn + 1, 0.0f);
    taglioSx_.assign(nn + 1, 0.0f);
    for (std::size_t k = 0; k < nn; ++k) {
        taglioDx_[k] = taglioInizio_[k];
        taglioSx_[k + 1] = taglioFine_[k];
    }
}

// ---- Reactions -----------------------------------------------------------------------------

void Velcora::ReazioniCalcola() {
    const int n = nCampate();
    reazMax_.assign(static_cast<std::size_t>(n) + 1, 0.0f);
    reazMin_.assign(static_cast<std::size_t>(n) + 1, 0.0f);
    for (int k = 1; k <= n + 1; ++k) {
        // The shear of the span on the left is taken just beyond its end, so that a force
        // standing on the support loads that support, and a free end carries nothing.
        const auto R = [&](int c) {
            double r = 0;
            if (k <= n) r += CampataI(k).TaglioX(0.0, c);
            if (k >= 2) r -= CampataI(k - 1).TaglioX(CampataI(k - 1).Luce, c, true);
            return r;
        };
        double Rmax = R(1), Rmin = Rmax;
        for (int v = 1; v <= n; ++v) {
            const double r = R(v + 1);
            (r > 0 ? Rmax : Rmin) += r;
        }
        reazMax_[I(k)] = static_cast<float>(Rmax);
        reazMin_[I(k)] = static_cast<float>(Rmin);
    }
}

// ---- Rounding over the supports ------------------------------------------------------------

void Velcora::RaccordaParabolaInterna(std::vector<float>& y, int s, int e, double xa, double t) const {
    if (t >= 0) return;
    const Parabola P = ParabolaPerTrePunti(xPlt(s), y[I(s)], xPlt(e), y[I(e)], xa, t);
    for (int j = s + 1; j < e; ++j) y[I(j)] = static_cast<float>(P(xPlt(j)));
}

void Velcora::RaccordaParabolaIniziale(std::vector<float>& y, int a, int f, double xa, double t) const {
    if (t >= 0) return;
    const double xf = xPlt(f);
    const Parabola P = ParabolaPerTrePunti(2.0 * xa - xf, y[I(f)], xf, y[I(f)], xa, t);
    for (int j = a; j < f; ++j) y[I(j)] = static_cast<float>(P(xPlt(j)));
}

void Velcora::RaccordaParabolaFinale(std::vector<float>& y, int s, int a, double xa, double t) const {
    if (t >= 0) return;
    const double xs = xPlt(s);
    const Parabola P = ParabolaPerTrePunti(2.0 * xa - xs, y[I(s)], xs, y[I(s)], xa, t);
    for (int j = s + 1; j <= a; ++j) y[I(j)] = static_cast<float>(P(xPlt(j)));
}

void Velcora::ArrotondaMomentiAppoggi() {
    if (!ArrotondaMomenti) return;
    const int n = nCampate();
    const int h = MezzeDivisioni();
    // t = R·b/8 + M, with the reaction of the opposite sense: the minimum moment is rounded
    // with the maximum reaction, the maximum moment with the minimum reaction.
    const auto arrotonda = [&](int k, int a, auto&& raccorda) {
        const double b = LarghezzaAppoggi(k);
        const double tMin = ReazMax(k) * b / 8.0 + yMminPlt(a);
        raccorda(yMminPlt_, tMin);
        mminAppoggio_[I(k)] = static_cast<float>(tMin);
        const double tMax = ReazMin(k) * b / 8.0 + yMmaxPlt(a);
        raccorda(yMmaxPlt_, tMax);
        mmaxAppoggio_[I(k)] = static_cast<float>(tMax);
    };
    const auto incastroOElastico = [](int v) { return v == Incastro || v == Elastico; };

    if (LarghezzaAppoggi(1) > 0 && incastroOElastico(VincoloSinistro)) {
        const int a = 2, f = h + 2;
        arrotonda(1, a, [&](std::vector<float>& y, double t) { RaccordaParabolaIniziale(y, a, f, xPlt(a), t); });
    }
    for (int k = 2; k <= n; ++k) {
        if (!(LarghezzaAppoggi(k) > 0)) continue;
        const int a = iFineCampata(k);
        const int s = a - h;
        const int e = s + static_cast<int>(nDivisioniAppoggi) + 1;
        arrotonda(k, a, [&](std::vector<float>& y, double t) { RaccordaParabolaInterna(y, s, e, xPlt(a), t); });
    }
    if (LarghezzaAppoggi(n + 1) > 0 && incastroOElastico(VincoloDestro)) {
        const int a = iFineCampata(n + 1);
        const int s = a - h;
        arrotonda(n + 1, a, [&](std::vector<float>& y, double t) { RaccordaParabolaFinale(y, s, a, xPlt(a), t); });
    }
}

void Velcora::ArrotondaTagliAppoggi() {
    if (!ArrotondaMomenti) return;
    const int n = nCampate();
    const int h = MezzeDivisioni();
    // The shear falls linearly to zero at the support axis; the design shear is the face value.
    const int ultimoSx = VincoloDestro == Libero ? n : n + 1;
    for (int k = 2; k <= ultimoSx; ++k) {
        if (!(LarghezzaAppoggi(k) > 0)) continue;
        const int a = iFineCampata(k);
        const int f = a - h;
        taglioSx_[I(k)] = MaxAssoluto(yTmaxPlt(f), yTminPlt(f));
        for (auto* y : {&yTmaxPlt_, &yTminPlt_}) {
            const double yf = (*y)[I(f)];
            for (int j = f + 1; j <= a; ++j)
                (*y)[I(j)] = static_cast<float>(Retta(xPlt(f), yf, xPlt(a), 0.0, xPlt(j)));
        }
    }
    const int primoDx = VincoloSinistro == Libero ? 2 : 1;
    for (int k = primoDx; k <= n; ++k) {
        if (!(LarghezzaAppoggi(k) > 0)) continue;
        const int a = iFineCampata(k);
        const int f = a + 1 + h;
        taglioDx_[I(k)] = MaxAssoluto(yTmaxPlt(f), yTminPlt(f));
        for (auto* y : {&yTmaxPlt_, &yTminPlt_}) {
            const double yf = (*y)[I(f)];
            for (int j = a + 1; j <= f; ++j)
                (*y)[I(j)] = static_cast<float>(Retta(xPlt(a), 0.0, xPlt(f), yf, xPlt(j)));
        }
    }
}

// ---- Copy into the spans -------------------------------------------------------------------

void Velcora::CaricaRisultatiInCampate() {
    for (int i = 1; i <= nCampate(); ++i) {
        Trave& t = CampataI(i);
        const std::size_t ii = I(i);
        t.MmaxCam = mmaxCampata_[ii];
        t.MminCam = mminCampata_[ii];
        t.xMmaxCam = xMmaxCampata_[ii];
        t.xMminCam = xMminCampata_[ii];
        t.MmaxAppS = mmaxAppoggio_[ii];
        t.MmaxAppD = mmaxAppoggio_[ii + 1];
        t.MminAppS = mminAppoggio_[ii];
        t.MminAppD = mminAppoggio_[ii + 1];
        t.TaglioMaxS = taglioDx_[ii];
        t.TaglioMaxD = taglioSx_[ii + 1];
    }
}

} // namespace vc
