// Envelopes of moment and shear by superposition of the load conditions, the greatest values
// of each span and the moments at the supports.
//
// On a span the permanent condition and the span's own are evaluated at every point; every
// other condition contributes only through the span's end moments: a straight line for the
// moment, a constant for the shear. Those are summed once per span, the moments by the sweep
// of SommeLineari, over the conditions whose end moments are not zero.

#include "engine/SommeLineari.h"
#include "engine/StadiCalcolo.h"

#include <algorithm>
#include <cmath>

namespace vc {

namespace {

// The value of larger magnitude; on equal magnitudes the second (the minimum envelope).
float MaxAssoluto(float a, float b) { return std::fabs(a) > std::fabs(b) ? a : b; }

struct Inviluppo {
    double Max = 0, Min = 0;
    void Aggiunge(double v) { (v > 0 ? Max : Min) += v; }
};

// The permanent condition and the span's own at the points of the span.
struct Proprie {
    std::vector<double> M1, Mi, T1, Ti;
};

void ValoriPropri(const Trave& t, const MomentiAppoggi& M, int i, std::span<const double> x, Proprie& v) {
    const Trave::Sollecitazioni s1(t, 1, MomentiCampata(M, i, 1));
    const Trave::Sollecitazioni si(t, i + 1, MomentiCampata(M, i, i + 1));
    const std::size_t n = x.size();
    v.M1.resize(n), v.Mi.resize(n), v.T1.resize(n), v.Ti.resize(n);
    for (std::size_t p = 0; p < n; ++p) {
        v.M1[p] = s1.Momento(x[p]);
        v.Mi[p] = si.Momento(x[p]);
        v.T1[p] = s1.Taglio(x[p]);
        v.Ti[p] = si.Taglio(x[p]);
    }
}

// The contributions of the conditions that reach the span through its end moments only.
struct ContributiLineari {
    SommeLineari Momenti;
    Inviluppo Tagli;
};

void RaccoglieContributi(const DatiCalcolo& d, const MomentiAppoggi& M, int i, std::span<const double> x,
                         ContributiLineari& lin) {
    lin.Momenti.Inizia(x, d.Campata(i).Luce, false);
    lin.Tagli = {};
    const Trave& t = d.Campata(i);
    // A cantilever is statically determined: only its own loads act on it.
    if (!t.SbalzoSinistro() && !t.SbalzoDestro()) {
        const double L = t.Luce;
        const auto sinistra = M.Appoggio(i);
        const auto destra = M.Appoggio(i + 1);
        const auto [prima, ultima] = M.NonNulli(i, i + 1);
        for (int c = std::max(prima, 2); c <= ultima; ++c) {
            if (c == i + 1) continue; // the span's own
            const double Ms = sinistra[static_cast<std::size_t>(c - 1)];
            const double Md = destra[static_cast<std::size_t>(c - 1)];
            lin.Momenti.Aggiunge(Ms, Md);
            lin.Tagli.Aggiunge((Md - Ms) / L);
        }
    }
    lin.Momenti.Calcola();
}

// Span results at the points from the first to the last of span i.
void ValoriCampata(const RisultatiCalcolo& r, int j, double xl, RisultatiCampata& c, RisultatiAppoggio& a,
                   int primo, int ultimo) {
    const auto J = static_cast<std::size_t>(j - 1);
    if (j == primo) {
        a.MmaxApp = r.yMmaxPlt[J];
        a.MminApp = r.yMminPlt[J];
        a.iPunto = j;
        c.TaglioInizio = MaxAssoluto(r.yTmaxPlt[J], r.yTminPlt[J]);
    } else if (j == ultimo) {
        c.TaglioFine = MaxAssoluto(r.yTmaxPlt[J], r.yTminPlt[J]);
    }
    // Strict tests: on equal values the point nearest the span's left end stays.
    if (r.yMmaxPlt[J] > c.MmaxCam) {
        c.MmaxCam = r.yMmaxPlt[J];
        c.xMmaxCam = static_cast<float>(xl);
        c.iMmax = j;
    }
    if (r.yMminPlt[J] > c.MminCam) {
        c.MminCam = r.yMminPlt[J];
        c.xMminCam = static_cast<float>(xl);
        c.iMmin = j;
    }
}

struct Lavoro {
    std::vector<double> x;
    Proprie proprie;
    ContributiLineari lin;
};

void InviluppoCampata(const DatiCalcolo& d, int i, RisultatiCalcolo& r, Lavoro& l) {
    const Trave& t = d.Campata(i);
    RisultatiCampata& c = r.Campate[static_cast<std::size_t>(i - 1)];
    const int primo = r.iFineCampata[static_cast<std::size_t>(i - 1)] + 1;
    const int ultimo = r.iFineCampata[static_cast<std::size_t>(i)];
    // Local abscissas from the span's own list, exact at both ends; span 1's list starts with
    // the point outside the beam.
    const std::size_t salta = i == 1 ? 1 : 0;
    l.x.assign(c.xCamp.begin() + static_cast<std::ptrdiff_t>(salta), c.xCamp.end());
    ValoriPropri(t, r.MiperApp, i, l.x, l.proprie);
    RaccoglieContributi(d, r.MiperApp, i, l.x, l.lin);

    c.MmaxCam = c.MminCam = -1e38f;
    for (int j = primo; j <= ultimo; ++j) {
        const auto p = static_cast<std::size_t>(j - primo);
        const double xl = l.x[p];
        Inviluppo M{l.proprie.M1[p], l.proprie.M1[p]};
        Inviluppo T{l.proprie.T1[p], l.proprie.T1[p]};
        M.Aggiunge(l.proprie.Mi[p]);
        T.Aggiunge(l.proprie.Ti[p]);
        const auto J = static_cast<std::size_t>(j - 1);
        r.yMmaxPlt[J] = static_cast<float>(M.Max + l.lin.Momenti.Positive(p));
        r.yMminPlt[J] = static_cast<float>(M.Min + l.lin.Momenti.Negative(p));
        r.yTmaxPlt[J] = static_cast<float>(T.Max + l.lin.Tagli.Max);
        r.yTminPlt[J] = static_cast<float>(T.Min + l.lin.Tagli.Min);
        ValoriCampata(r, j, xl, c, r.Appoggi[static_cast<std::size_t>(i - 1)], primo, ultimo);
    }
}

} // namespace

void InviluppiMT(const DatiCalcolo& d, RisultatiCalcolo& r) {
    const int n = d.n();
    Lavoro l;
    for (int i = 1; i <= n; ++i) InviluppoCampata(d, i, r, l);
    const auto penultimo = r.xPlt.size() - 1;
    RisultatiAppoggio& ultimo = r.Appoggi.back();
    ultimo.MmaxApp = r.yMmaxPlt[penultimo - 1];
    ultimo.MminApp = r.yMminPlt[penultimo - 1];
    ultimo.iPunto = static_cast<int>(penultimo);
}

} // namespace vc
