// Deflections of the spans in every load condition and their envelope. Deflection is positive
// downward; a span between supports is treated as simply supported under its load and its
// solved end moments, a cantilever as built in at its root, which turns with the end of the
// neighbouring span or with the elastic restraint it stands on.
//
// The permanent condition and the span's own are evaluated at every point. Every other
// condition reaches a span between supports through its end moments only, and deflects it by
// x·(L − x)/(6·EJ)·(MB + 2·MA + (MB − MA)·x/L); a cantilever on a support it turns rigidly with
// its root. Both change sign at most once on the span and are summed by the sweep of
// SommeLineari.

#include "engine/SommeLineari.h"
#include "engine/StadiCalcolo.h"

#include <algorithm>

namespace vc {

namespace {

// The rotation of a cantilever's root in one condition (opening sense), from the distributed
// load and from the forces: the end of the neighbouring span, or the spring of an elastic end
// under the root moment; zero when the root is built in.
struct RotazioneRadice {
    double Distribuito = 0, Forze = 0;
};

RotazioneRadice RotazioneSbalzo(const DatiCalcolo& d, const MomentiAppoggi& M, int i, int c) {
    const Trave& t = d.Campata(i);
    if (t.SbalzoDestro()) {
        if (t.VincoloSinistro == VincoloEstremo::Appoggio) {
            const Trave& vicina = d.Campata(i - 1);
            return {vicina.RotazioneEstremo(c, true, MomentiCampata(M, i - 1, c)), vicina.RotazioneEstremoConc(c, true)};
        }
        if (t.VincoloSinistro == VincoloEstremo::Elastico && d.kSinistro > 0) return {M(i, c) / d.kSinistro, 0.0};
        return {};
    }
    if (t.VincoloDestro == VincoloEstremo::Appoggio) {
        const Trave& vicina = d.Campata(i + 1);
        return {vicina.RotazioneEstremo(c, false, MomentiCampata(M, i + 1, c)), vicina.RotazioneEstremoConc(c, false)};
    }
    if (t.VincoloDestro == VincoloEstremo::Elastico && d.kDestro > 0) return {M(i + 1, c) / d.kDestro, 0.0};
    return {};
}

// The deflection of one span in one condition along the span, the constants of the span and
// the condition worked out once. A span between supports: simply supported under its load w,
// its end moments MA, MB and its forces, exactly zero at both supports. A cantilever: built
// in at its root under w, the root moment and its forces, turning with its root.
class Deformata {
public:
    Deformata(const Trave& t, int c, double MA, double MB, RotazioneRadice radice)
        : t_(t), c_(c), L_(t.Luce), EJ_(t.EJ), w_(t.CaricoCondizione(c)), MA_(MA), MB_(MB), radice_(radice) {}

    double operator()(double x) const {
        if (!t_.SbalzoSinistro() && !t_.SbalzoDestro()) return Campata(x) + CampataConcentrati(x);
        // x from the root: the left end of a right cantilever, the right end of a left one.
        const bool radiceDestra = t_.SbalzoSinistro();
        const double xr = radiceDestra ? L_ - x : x;
        const double vC = Mensola(xr, radiceDestra ? MB_ : MA_) - xr * radice_.Distribuito;
        return vC + (MensolaConcentrati(xr, radiceDestra) - xr * radice_.Forze);
    }

private:
    // x (L − x) (L² + L x − x²) w / 24 under the load, x (L − x) (MB + 2 MA + (MB − MA) x / L) / 6
    // under the end moments.
    double Campata(double x) const {
        const double L = L_;
        if (x <= 0.0 || x >= L) return 0.0; // the supports do not move
        const double forma = x * (L - x) / (24.0 * EJ_);
        return forma * (w_ * (L * L + L * x - x * x) + 4.0 * (MB_ + 2.0 * MA_) + 4.0 * (MB_ - MA_) * x / L);
    }

    // P at a, b = L − a: P b x (L² − b² − x²) / (6 L) before the force, the same seen from the
    // right end beyond it.
    double CampataConcentrati(double x) const {
        const double L = L_;
        if (x <= 0.0 || x >= L) return 0.0;
        double v = 0;
        for (const auto& f : t_.ForzeCombinate()) {
            const double P = t_.ForzaCondizione(f, c_);
            if (P == 0.0) continue;
            const double a = f.d;
            const double b = L - a;
            if (x <= a)
                v += P * b * x * (L * L - b * b - x * x) / (6.0 * L);
            else
                v += P * a * (L - x) * (L * L - a * a - (L - x) * (L - x)) / (6.0 * L);
        }
        return v / EJ_;
    }

    // Built in at the root (xr = 0) under w with root shear w L and root moment MA.
    double Mensola(double xr, double MA) const {
        const double x2 = xr * xr;
        const double VA = w_ * L_;
        return (w_ * x2 * x2 / 24.0 - VA * x2 * xr / 6.0 - MA * x2 / 2.0) / EJ_;
    }

    // The terms of the forces that complete the root-moment term of Mensola (the root moment
    // already holds the moment of the forces). Abscissas are measured from the root.
    double MensolaConcentrati(double xr, bool radiceDestra) const {
        double v = 0;
        for (const auto& f : t_.ForzeCombinate()) {
            const double P = t_.ForzaCondizione(f, c_);
            if (P == 0.0) continue;
            const double d = radiceDestra ? L_ - f.d : f.d;
            if (xr <= d)
                v -= P * xr * xr * xr / 6.0;
            else
                v += P * d * d * xr / 2.0 - P * d * xr * xr / 2.0 - P * d * d * d / 6.0;
        }
        return v / EJ_;
    }

    const Trave& t_;
    int c_;
    double L_, EJ_, w_, MA_, MB_;
    RotazioneRadice radice_;
};

// The deflections of span i in condition c at the points x.
void FrecceCondizione(const DatiCalcolo& d, const MomentiAppoggi& M, int i, int c, std::span<const double> x,
                      std::vector<double>& v) {
    const Trave& t = d.Campata(i);
    const bool sbalzo = t.SbalzoSinistro() || t.SbalzoDestro();
    const Deformata deformata(t, c, M(i, c), M(i + 1, c), sbalzo ? RotazioneSbalzo(d, M, i, c) : RotazioneRadice{});
    v.resize(x.size());
    std::transform(x.begin(), x.end(), v.begin(), deformata);
}

// The conditions that are neither the permanent one nor the span's own, summed at every point
// over those whose end moments are not zero; they multiply the factor of fixed sign of Fattore.
void RaccoglieContributi(const DatiCalcolo& d, const MomentiAppoggi& M, int i, std::span<const double> x,
                         SommeLineari& somme) {
    const Trave& t = d.Campata(i);
    const double L = t.Luce;
    const bool sbalzo = t.SbalzoSinistro() || t.SbalzoDestro();
    somme.Inizia(x, L, true);
    // A cantilever turns with its neighbour's end, loaded by the neighbour's own condition too:
    // every condition is looked at (a beam has two cantilevers at most).
    const auto [prima, ultima] = sbalzo ? MomentiAppoggi::Intervallo{2, d.n() + 1} : M.NonNulli(i, i + 1);
    for (int c = std::max(prima, 2); c <= ultima; ++c) {
        if (c == i + 1) continue;
        if (!sbalzo) {
            const double MA = M(i, c);
            const double MB = M(i + 1, c);
            somme.Aggiunge(MB + 2.0 * MA, 2.0 * MB + MA);
        } else {
            // A cantilever unloaded in c turns with its root: −θ times the distance from the root.
            const RotazioneRadice theta = RotazioneSbalzo(d, M, i, c);
            const double rotazione = -(theta.Distribuito + theta.Forze);
            somme.Aggiunge(rotazione, rotazione);
        }
    }
    somme.Calcola();
}

// The factor of the linear contributions at x.
double Fattore(const Trave& t, double x) {
    const double L = t.Luce;
    if (t.SbalzoDestro()) return x;
    if (t.SbalzoSinistro()) return L - x;
    if (x <= 0.0 || x >= L) return 0.0;
    return x * (L - x) / (6.0 * t.EJ);
}

// FrecciaMax: the greatest deflection of the span, or, when that is exactly 0 (a span that
// never deflects downward), its least; FrecciaMin the converse. Ties keep the first item.
void FrecceMaxMin(RisultatiCampata& c) {
    double fmax = *std::max_element(c.yFrMaxCamp.begin(), c.yFrMaxCamp.end());
    if (fmax == 0.0) fmax = *std::min_element(c.yFrMaxCamp.begin(), c.yFrMaxCamp.end());
    double fmin = *std::min_element(c.yFrMinCamp.begin(), c.yFrMinCamp.end());
    if (fmin == 0.0) fmin = *std::max_element(c.yFrMinCamp.begin(), c.yFrMinCamp.end());
    c.FrecciaMax = static_cast<float>(fmax);
    c.FrecciaMin = static_cast<float>(fmin);
}

struct Lavoro {
    std::vector<double> x, f;
    SommeLineari somme;
};

void FrecceCampata(const DatiCalcolo& d, const MomentiAppoggi& M, int i, RisultatiCampata& c, Lavoro& l) {
    const Trave& t = d.Campata(i);
    l.x.assign(c.xCamp.begin(), c.xCamp.end());
    FrecceCondizione(d, M, i, 1, l.x, c.yFrMaxCamp);
    c.yFrMinCamp = c.yFrMaxCamp;
    FrecceCondizione(d, M, i, i + 1, l.x, l.f);
    RaccoglieContributi(d, M, i, l.x, l.somme);
    for (std::size_t p = 0; p < l.x.size(); ++p) {
        (l.f[p] >= 0 ? c.yFrMaxCamp[p] : c.yFrMinCamp[p]) += l.f[p];
        const double fattore = Fattore(t, l.x[p]);
        c.yFrMaxCamp[p] += fattore * l.somme.Positive(p);
        c.yFrMinCamp[p] += fattore * l.somme.Negative(p);
    }
    FrecceMaxMin(c);
}

} // namespace

void InviluppiFR(const DatiCalcolo& d, RisultatiCalcolo& r) {
    double maxTrave = -1e20;
    double minTrave = 1e20;
    std::size_t g = 0;
    Lavoro l;
    for (int i = 1; i <= d.n(); ++i) {
        RisultatiCampata& c = r.Campate[static_cast<std::size_t>(i - 1)];
        FrecceCampata(d, r.MiperApp, i, c, l);
        maxTrave = std::max<double>(maxTrave, c.FrecciaMax);
        minTrave = std::min<double>(minTrave, c.FrecciaMin);
        // The spans' lists laid end to end are the diagram points 1..nPt − 1.
        for (std::size_t p = 0; p < c.xCamp.size() && g < r.yFrMaxPlt.size(); ++p, ++g) {
            r.yFrMaxPlt[g] = static_cast<float>(c.yFrMaxCamp[p]);
            r.yFrMinPlt[g] = static_cast<float>(c.yFrMinCamp[p]);
        }
    }
    r.FrecciaMaxTrave = static_cast<float>(maxTrave);
    r.FrecciaMinTrave = static_cast<float>(minTrave);
}

} // namespace vc
