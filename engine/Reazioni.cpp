// Support shears and the envelopes of the support reactions.

#include "engine/StadiCalcolo.h"

#include <algorithm>

namespace vc {

void TagliAppoggi(RisultatiCalcolo& r) {
    for (std::size_t k = 0; k < r.Campate.size(); ++k) {
        r.Appoggi[k].TaglioDx = r.Campate[k].TaglioInizio;
        r.Appoggi[k + 1].TaglioSx = r.Campate[k].TaglioFine;
    }
}

namespace {

struct Inviluppo {
    double Max = 0, Min = 0;
    void Aggiunge(double v) { (v > 0 ? Max : Min) += v; }
};

// The reaction of support k in condition c: the shear at the start of span k minus the shear
// at the end of span k − 1, taken just beyond its end, so that a force standing on the support
// loads that support and a free end carries nothing.
double Reazione(const DatiCalcolo& d, const MomentiAppoggi& M, int k, int c) {
    const int n = d.n();
    double r = 0;
    if (k <= n) r += d.Campata(k).TaglioX(0.0, c, MomentiCampata(M, k, c));
    if (k >= 2) {
        const Trave& t = d.Campata(k - 1);
        r -= t.TaglioX(t.Luce, c, MomentiCampata(M, k - 1, c), true);
    }
    return r;
}

// The reactions in the conditions c0 .. c1 − 1, which load neither span beside support k, added
// to the envelope: the spans between supports carry the constant shear of their end moments, a
// cantilever nothing.
void ReazioniLineari(const DatiCalcolo& d, const MomentiAppoggi& M, int k, int c0, int c1, Inviluppo& R) {
    const int n = d.n();
    const auto appoggio = [&](int s) { return M.Appoggio(std::clamp(s, 1, n + 1)); };
    const auto campata = [&](int i) {
        return i >= 1 && i <= n && !d.Campata(i).SbalzoSinistro() && !d.Campata(i).SbalzoDestro();
    };
    const bool destra = campata(k), sinistra = campata(k - 1);
    const double Ld = destra ? d.Campata(k).Luce : 1.0;
    const double Ls = sinistra ? d.Campata(k - 1).Luce : 1.0;
    const auto Mp = appoggio(k - 1), Mk = appoggio(k), Ms = appoggio(k + 1);
    for (int c = c0; c < c1; ++c) {
        const auto j = static_cast<std::size_t>(c - 1);
        double r = 0;
        if (destra) r += (static_cast<double>(Ms[j]) - Mk[j]) / Ld;
        if (sinistra) r -= (static_cast<double>(Mk[j]) - Mp[j]) / Ls;
        R.Aggiunge(r);
    }
}

} // namespace

void ReazioniCalcola(const DatiCalcolo& d, RisultatiCalcolo& r) {
    const int n = d.n();
    const MomentiAppoggi& M = r.MiperApp;
    for (int k = 1; k <= n + 1; ++k) {
        Inviluppo R{Reazione(d, M, k, 1), 0};
        R.Min = R.Max;
        // Conditions k and k + 1 load the spans beside support k; the others reach it through
        // the end moments of those spans, and only where those are not zero.
        const auto [prima, ultima] = M.NonNulli(std::max(k - 1, 1), std::min(k + 1, n + 1));
        const int proprie = std::max(k, 2);
        ReazioniLineari(d, M, k, std::max(prima, 2), std::min(proprie, ultima + 1), R);
        for (int c = proprie; c <= std::min(k + 1, n + 1); ++c) R.Aggiunge(Reazione(d, M, k, c));
        ReazioniLineari(d, M, k, std::max(prima, k + 2), ultima + 1, R);
        RisultatiAppoggio& a = r.Appoggi[static_cast<std::size_t>(k - 1)];
        a.ReazMax = static_cast<float>(R.Max);
        a.ReazMin = static_cast<float>(R.Min);
    }
}

} // namespace vc
