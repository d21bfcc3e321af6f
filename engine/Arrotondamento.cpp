// Rounding of the support moments and shears over the width of the supports: the moment at
// the axis is lowered by R·b/8 and joined to the faces by a parabola, the shear falls linearly
// to zero at the axis and the design shear is the value at the face.

#include "engine/StadiCalcolo.h"
#include "support/Errori.h"
#include "support/Matematica.h"

#include <cmath>
#include <functional>
#include <string>

namespace vc {

namespace {

std::size_t I(int j) { return static_cast<std::size_t>(j - 1); } // 1-based point → storage

// The value of larger magnitude; on equal magnitudes the second (the minimum envelope).
float MaxAssoluto(float a, float b) { return std::fabs(a) > std::fabs(b) ? a : b; }

int MezzeDivisioni(const RisultatiCalcolo& r) { return static_cast<int>(std::nearbyint(r.nDivisioniAppoggi / 2.0)); }

// Straight line through (x1, y1) and (x2, y2) at x.
double Retta(double x1, double y1, double x2, double y2, double x) { return y1 + (y2 - y1) * (x - x1) / (x2 - x1); }

using Diagramma = std::vector<float>;

// The parabola through the two faces and (xa, t) replaces the points between the faces.
void RaccordaParabolaInterna(const Diagramma& x, Diagramma& y, int s, int e, double xa, double t) {
    if (t >= 0) return;
    const Parabola P = ParabolaPerTrePunti(x[I(s)], y[I(s)], x[I(e)], y[I(e)], xa, t);
    for (int j = s + 1; j < e; ++j) y[I(j)] = static_cast<float>(P(x[I(j)]));
}

// At an end of the beam the parabola is symmetric about the axis a.
void RaccordaParabolaIniziale(const Diagramma& x, Diagramma& y, int a, int f, double xa, double t) {
    if (t >= 0) return;
    const double xf = x[I(f)];
    const Parabola P = ParabolaPerTrePunti(2.0 * xa - xf, y[I(f)], xf, y[I(f)], xa, t);
    for (int j = a; j < f; ++j) y[I(j)] = static_cast<float>(P(x[I(j)]));
}

void RaccordaParabolaFinale(const Diagramma& x, Diagramma& y, int s, int a, double xa, double t) {
    if (t >= 0) return;
    const double xs = x[I(s)];
    const Parabola P = ParabolaPerTrePunti(2.0 * xa - xs, y[I(s)], xs, y[I(s)], xa, t);
    for (int j = s + 1; j <= a; ++j) y[I(j)] = static_cast<float>(P(x[I(j)]));
}

using Raccordo = std::function<void(Diagramma&, double)>;

// t = R·b/8 + M, with the reaction of the opposite sense: the minimum moment is rounded with the
// maximum reaction, the maximum moment with the minimum reaction.
void ArrotondaAppoggio(const DatiCalcolo& d, RisultatiCalcolo& r, int k, int a, const Raccordo& raccorda) {
    RisultatiAppoggio& app = r.Appoggi[I(k)];
    const double b = d.Larghezza(k);
    try {
        const double tMin = app.ReazMax * b / 8.0 + r.yMminPlt[I(a)];
        raccorda(r.yMminPlt, tMin);
        app.MminApp = static_cast<float>(tMin);
        const double tMax = app.ReazMin * b / 8.0 + r.yMmaxPlt[I(a)];
        raccorda(r.yMmaxPlt, tMax);
        app.MmaxApp = static_cast<float>(tMax);
    } catch (const ErroreCalcolo&) {
        throw ErroreCalcolo(ErroreCalcolo::Tipo::PivotNullo,
                            "appoggio " + std::to_string(k) +
                                ": larghezza troppo piccola per distinguere i punti dell'arrotondamento",
                            {CampoErrore::Tipo::Appoggio, k});
    }
}

bool IncastroOElastico(VincoloEstremo v) { return v == VincoloEstremo::Incastro || v == VincoloEstremo::Elastico; }

} // namespace

void ArrotondaMomentiAppoggi(const DatiCalcolo& d, RisultatiCalcolo& r) {
    if (!d.ArrotondaMomenti) return;
    const int n = d.n();
    const int h = MezzeDivisioni(r);
    const Diagramma& x = r.xPlt;
    if (d.Larghezza(1) > 0 && IncastroOElastico(d.Sinistro)) {
        const int a = 2, f = h + 2;
        ArrotondaAppoggio(d, r, 1, a, [&](Diagramma& y, double t) { RaccordaParabolaIniziale(x, y, a, f, x[I(a)], t); });
    }
    for (int k = 2; k <= n; ++k) {
        if (!(d.Larghezza(k) > 0)) continue;
        const int a = r.iFineCampata[I(k)];
        const int s = a - h;
        const int e = s + static_cast<int>(r.nDivisioniAppoggi) + 1;
        ArrotondaAppoggio(d, r, k, a, [&](Diagramma& y, double t) { RaccordaParabolaInterna(x, y, s, e, x[I(a)], t); });
    }
    if (d.Larghezza(n + 1) > 0 && IncastroOElastico(d.Destro)) {
        const int a = r.iFineCampata[I(n + 1)];
        const int s = a - h;
        ArrotondaAppoggio(d, r, n + 1, a,
                          [&](Diagramma& y, double t) { RaccordaParabolaFinale(x, y, s, a, x[I(a)], t); });
    }
}

void ArrotondaTagliAppoggi(const DatiCalcolo& d, RisultatiCalcolo& r) {
    if (!d.ArrotondaMomenti) return;
    const int n = d.n();
    const int h = MezzeDivisioni(r);
    const Diagramma& x = r.xPlt;
    // The shear falls linearly to zero at the support axis; the design shear is the face value.
    const int ultimoSx = d.Destro == VincoloEstremo::Libero ? n : n + 1;
    for (int k = 2; k <= ultimoSx; ++k) {
        if (!(d.Larghezza(k) > 0)) continue;
        const int a = r.iFineCampata[I(k)];
        const int f = a - h;
        r.Appoggi[I(k)].TaglioSx = MaxAssoluto(r.yTmaxPlt[I(f)], r.yTminPlt[I(f)]);
        for (Diagramma* y : {&r.yTmaxPlt, &r.yTminPlt}) {
            const double yf = (*y)[I(f)];
            for (int j = f + 1; j <= a; ++j) (*y)[I(j)] = static_cast<float>(Retta(x[I(f)], yf, x[I(a)], 0.0, x[I(j)]));
        }
    }
    const int primoDx = d.Sinistro == VincoloEstremo::Libero ? 2 : 1;
    for (int k = primoDx; k <= n; ++k) {
        if (!(d.Larghezza(k) > 0)) continue;
        const int a = r.iFineCampata[I(k)];
        const int f = a + 1 + h;
        r.Appoggi[I(k)].TaglioDx = MaxAssoluto(r.yTmaxPlt[I(f)], r.yTminPlt[I(f)]);
        for (Diagramma* y : {&r.yTmaxPlt, &r.yTminPlt}) {
            const double yf = (*y)[I(f)];
            for (int j = a + 1; j <= f; ++j) (*y)[I(j)] = static_cast<float>(Retta(x[I(a)], 0.0, x[I(f)], yf, x[I(j)]));
        }
    }
}

} // namespace vc
