// Deflections of the spans in every load condition and their envelope. Deflection is positive
// downward; a span between supports is treated as simply supported under its load and its
// solved end moments, a cantilever as built in at its root, which turns with the end of the
// neighbouring span or with the elastic restraint it stands on.

#include "engine/Trave.h"
#include "engine/Velcora.h"

#include <algorithm>

namespace vc {

double Trave::IntegraleMomento(double x, double w, double VA, double MA) const {
    const double x2 = x * x;
    return (w * x2 * x2 / 24.0 - VA * x2 * x / 6.0 - MA * x2 / 2.0) / EJ;
}

double Trave::FrecciaCampata(double x, double w, double MA, double MB) const {
    const double L = Luce;
    const double VA = w * L / 2.0 + (MB - MA) / L;
    return IntegraleMomento(x, w, VA, MA) - x * IntegraleMomento(L, w, VA, MA) / L;
}

double Trave::FrecciaMensola(double x, double w, double MA) const {
    return IntegraleMomento(x, w, w * Luce, MA);
}

double Trave::FrecciaCampataConcentrati(double x, int c) const {
    const double L = Luce;
    double v = 0;
    for (const auto& f : forzeCombinate_) {
        const double P = ForzaCondizione(f, c);
        if (P == 0.0) continue;
        const double a = f.d;
        const double b = L - a;
        double vf = P * b * x * (L * L - b * b - x * x) / (6.0 * L);
        if (x > a) vf += P * (x - a) * (x - a) * (x - a) / 6.0;
        v += vf;
    }
    return v / EJ;
}

// The terms of the forces that complete the root-moment term of FrecciaMensola (the root
// moment already holds the moment of the forces). Abscissas are measured from the root.
double Trave::FrecciaMensolaConcentrati(double x, int c, bool radiceDestra) const {
    const double xr = radiceDestra ? Luce - x : x;
    double v = 0;
    for (const auto& f : forzeCombinate_) {
        const double P = ForzaCondizione(f, c);
        if (P == 0.0) continue;
        const double d = radiceDestra ? Luce - f.d : f.d;
        if (xr <= d)
            v -= P * xr * xr * xr / 6.0;
        else
            v += P * d * d * xr / 2.0 - P * d * xr * xr / 2.0 - P * d * d * d / 6.0;
    }
    return v / EJ;
}

double Trave::FrecciaDistribuito(double x, double w, double MA, double MB, int c) const {
    const int sx = VincoloSinistro;
    const int dx = VincoloDestro;
    if (sx != Libero && dx != Libero) return FrecciaCampata(x, w, MA, MB);
    if (dx == Libero) {
        const double vC = FrecciaMensola(x, w, MA);
        if (sx == Appoggio) return vC - x * trave_->CampataI(iCamp - 1).RotazioneEstremo(c, true);
        // A root on an elastic restraint turns by −MA/k (opening sense) with the root moment.
        if (sx == Elastico && trave_->kVincoloSinistro > 0) return vC - x * MA / trave_->kVincoloSinistro;
        return vC;
    }
    // Left cantilever: its root is the right end, which carries the root moment MB.
    const double xr = Luce - x;
    const double vC = FrecciaMensola(xr, w, MB);
    if (dx == Appoggio) return vC - xr * trave_->CampataI(2).RotazioneEstremo(c, false);
    if (dx == Elastico && trave_->kVincoloDestro > 0) return vC - xr * MB / trave_->kVincoloDestro;
    return vC;
}

double Trave::FrecciaConcentrati(double x, int c) const {
    const int sx = VincoloSinistro;
    const int dx = VincoloDestro;
    if (sx != Libero && dx != Libero) return FrecciaCampataConcentrati(x, c);
    if (dx == Libero) {
        const double vC = FrecciaMensolaConcentrati(x, c, false);
        if (sx == Appoggio) return vC - x * trave_->CampataI(iCamp - 1).RotazioneEstremoConc(c, true);
        return vC;
    }
    const double xr = Luce - x;
    const double vC = FrecciaMensolaConcentrati(x, c, true);
    if (dx == Appoggio) return vC - xr * trave_->CampataI(2).RotazioneEstremoConc(c, false);
    return vC;
}

void Trave::FrecceCondizione(int c, std::vector<double>& out) const {
    const double MA = MomentoAppoggio(iCamp, c);
    const double MB = MomentoAppoggio(iCamp + 1, c);
    const double w = CaricoCondizione(c);
    const bool forze = !forzeCombinate_.empty() && (c == 1 || c - 1 == iCamp);
    const bool sbalzoAppoggiato = (SbalzoDestro() && VincoloSinistro == Appoggio) ||
                                  (SbalzoSinistro() && VincoloDestro == Appoggio);
    out.resize(xCamp.size());
    // A condition with no load on this span and no moment at its ends leaves it straight
    // (a cantilever on a support still turns with its neighbour).
    if (w == 0.0 && MA == 0.0 && MB == 0.0 && !forze && !sbalzoAppoggiato) {
        std::fill(out.begin(), out.end(), 0.0);
        return;
    }
    for (std::size_t p = 0; p < xCamp.size(); ++p) {
        const double x = xCamp[p];
        double v = FrecciaDistribuito(x, w, MA, MB, c);
        if (trave_->nCarConc() != 0) v += FrecciaConcentrati(x, c);
        out[p] = v;
    }
}

void Trave::FrecceCalcola() {
    const std::size_t N = xCamp.size();
    std::vector<double> fMax(N), f(N);
    FrecceCondizione(1, fMax);
    std::vector<double> fMin = fMax;
    const int n = trave_->nCampate();
    for (int k = 1; k <= n; ++k) {
        FrecceCondizione(k + 1, f);
        for (std::size_t p = 0; p < N; ++p) {
            if (f[p] >= 0)
                fMax[p] += f[p];
            else
                fMin[p] += f[p];
        }
    }
    yFrMaxCamp.insert(yFrMaxCamp.end(), fMax.begin(), fMax.end());
    yFrMinCamp.insert(yFrMinCamp.end(), fMin.begin(), fMin.end());
    FrecceMaxMin();
}

void Trave::FrecceMaxMin() {
    if (yFrMaxCamp.empty() || yFrMinCamp.empty()) {
        FrecciaMax = FrecciaMin = 0;
        return;
    }
    // max/min_element keep the first item on ties. A span that never deflects downward
    // reports its largest upward deflection instead of 0, and conversely.
    double fmax = *std::max_element(yFrMaxCamp.begin(), yFrMaxCamp.end());
    if (fmax == 0.0) fmax = *std::min_element(yFrMaxCamp.begin(), yFrMaxCamp.end());
    double fmin = *std::min_element(yFrMinCamp.begin(), yFrMinCamp.end());
    if (fmin == 0.0) fmin = *std::max_element(yFrMinCamp.begin(), yFrMinCamp.end());
    FrecciaMax = static_cast<float>(fmax);
    FrecciaMin = static_cast<float>(fmin);
}

void Velcora::InviluppiFR() {
    const int n = nCampate();
    frecciaMaxCampata_.assign(static_cast<std::size_t>(n), 0.0f);
    frecciaMinCampata_.assign(static_cast<std::size_t>(n), 0.0f);
    double maxTrave = -1e20;
    double minTrave = 1e20;
    std::size_t g = 0;
    for (int i = 1; i <= n; ++i) {
        Trave& t = CampataI(i);
        t.FrecceCalcola();
        frecciaMaxCampata_[static_cast<std::size_t>(i - 1)] = t.FrecciaMax;
        frecciaMinCampata_[static_cast<std::size_t>(i - 1)] = t.FrecciaMin;
        if (t.FrecciaMax > maxTrave) maxTrave = t.FrecciaMax;
        if (t.FrecciaMin < minTrave) minTrave = t.FrecciaMin;
        for (std::size_t p = 0; p < t.xCamp.size() && g < yFrMaxPlt_.size(); ++p, ++g) {
            yFrMaxPlt_[g] = static_cast<float>(t.yFrMaxCamp[p]);
            yFrMinPlt_[g] = static_cast<float>(t.yFrMinCamp[p]);
        }
    }
    frecciaMaxTrave_ = static_cast<float>(maxTrave);
    frecciaMinTrave_ = static_cast<float>(minTrave);
}

} // namespace vc

