#include "engine/Decalage.h"

#include <algorithm>

namespace vc {

namespace {

class Decalatore {
public:
    Decalatore(const Velcora& t, Messaggi& msg) : t_(t), msg_(msg), n_(t.nCampate()), L_(t.LunghezzaTotale()) {
        // The envelopes as the moment diagram draws them: the positive part of the maximum,
        // the negative part of the minimum; nothing outside the beam.
        const int nPt = t.nPt();
        x_.resize(static_cast<std::size_t>(nPt) + 1);
        yMax_.resize(x_.size());
        yMin_.resize(x_.size());
        for (int j = 1; j <= nPt; ++j) {
            x_[I(j)] = t.xPlt(j);
            yMax_[I(j)] = std::max(0.0, static_cast<double>(t.yMmaxPlt(j)));
            yMin_[I(j)] = std::min(0.0, static_cast<double>(t.yMminPlt(j)));
        }
        yMax_[1] = yMin_[1] = 0.0;
        // Points closer than a millionth of the drawing are the same point.
        double ampiezza = L_;
        for (int j = 1; j <= nPt; ++j) ampiezza = std::max({ampiezza, yMax_[I(j)], -yMin_[I(j)]});
        tolleranza_ = ampiezza / 1e6;
    }

    void Campata(int i, LineeDecalage& linee) const {
        const double dx = DeltaXDecalage(t_, i);
        const int iMmax = t_.iMmaxCampata(i);
        const int iIni = t_.iPuntoAppoggio(i);
        const int iFin = t_.iPuntoAppoggio(i + 1);
        if (yMax_[I(iMmax)] <= 0 || iMmax >= iFin) return;
        Poligonale p;
        for (int k = iIni; k <= iMmax; ++k) p.Aggiungi(x_[I(k)] - dx, yMax_[I(k)]);
        // The peak becomes a plateau 2·DeltaX wide; point iMmax + 1 gives up its place to it.
        p.Aggiungi(x_[I(iMmax)], yMax_[I(iMmax)]);
        p.Aggiungi(x_[I(iMmax)] + dx, yMax_[I(iMmax)]);
        for (int k = iMmax + 2; k <= iFin; ++k) p.Aggiungi(x_[I(k)] + dx, yMax_[I(k)]);
        PulisceMmax(p, i);
        linee.Positive.push_back(std::move(p));
    }

    void Appoggi(int i, LineeDecalage& linee) const {
        const double dx = DeltaXDecalage(t_, i);
        const int iMmin = t_.iMminCampata(i);
        const int iIni = t_.iPuntoAppoggio(i);
        const int iFin = t_.iPuntoAppoggio(i + 1);
        if (yMin_[I(iIni)] < 0) {
            Poligonale p;
            p.Aggiungi(x_[I(iIni)], yMin_[I(iIni)]);
            for (int k = iIni; k <= iMmin; ++k) p.Aggiungi(x_[I(k)] + dx, yMin_[I(k)]);
            PulisceMmin(p, true, i);
            linee.Negative.push_back(std::move(p));
        }
        if (yMin_[I(iFin)] < 0) {
            Poligonale p;
            for (int k = iMmin; k <= iFin; ++k) p.Aggiungi(x_[I(k)] - dx, yMin_[I(k)]);
            p.Aggiungi(x_[I(iFin)], yMin_[I(iFin)]);
            PulisceMmin(p, false, i);
            if (i == n_) p.Aggiungi(L_, 0.0); // closed onto the axis at the end of the beam
            linee.Negative.push_back(std::move(p));
        }
    }

private:
    static std::size_t I(int j) { return static_cast<std::size_t>(j); }

    // Keeps the positive region with one point on each side of it.
    void PulisceMmax(Poligonale& p, int i) const {
        int c = 1;
        while (c <= p.nPoli() && !(p.y[I(c - 1)] > 0)) ++c;
        if (c >= 3) TogliePuntiInizialiDaPoligonale(p, c - 2, msg_);
        int d = p.nPoli();
        while (d >= 1 && !(p.y[I(d - 1)] > 0)) --d;
        if (d < p.nPoli()) p.Tronca(d + 1);
        if (i == 1 && p.nPoli() > 0 && p.x.front() < 0) RaccordaEstremo(p, true);
        if (i == n_ && p.nPoli() > 0 && p.x.back() > L_) RaccordaEstremo(p, false);
    }

    // versoDestra: the line starts at the left support and runs into the span.
    void PulisceMmin(Poligonale& p, bool versoDestra, int i) const {
        if (versoDestra) {
            int d = p.nPoli();
            while (d >= 1 && !(p.y[I(d - 1)] < 0)) --d;
            if (d < p.nPoli()) p.Tronca(d + 1);
            if (i == 1) InseriscePuntoInPoligonale(p, 0.0, 0.0, 1);
        } else {
            int c = 1;
            while (c <= p.nPoli() && !(p.y[I(c - 1)] < 0)) ++c;
            if (c >= 3) TogliePuntiInizialiDaPoligonale(p, c - 2, msg_);
            if (i == 1 && p.nPoli() > 0) {
                if (p.x.front() < 0)
                    RaccordaEstremo(p, true);
                else if (p.x.front() == 0)
                    InseriscePuntoInPoligonale(p, 0.0, 0.0, 1);
            }
        }
        if (i == n_ && p.nPoli() > 0 && p.x.back() > L_) RaccordaEstremo(p, false);
    }

    // Cuts the line where it crosses an end of the beam and closes it onto the axis there.
    void RaccordaEstremo(Poligonale& p, bool inizio) const {
        const double x0 = inizio ? 0.0 : static_cast<double>(L_);
        const auto incrocio = PrimoIncrocioVerticale(p, x0, tolleranza_);
        if (!incrocio) return;
        const int s = incrocio->s;
        if (inizio) {
            TogliePuntiInizialiDaPoligonale(p, s - 1, msg_);
            p.x[0] = incrocio->xc;
            p.y[0] = incrocio->yc;
            InseriscePuntoInPoligonale(p, 0.0, 0.0, 1);
        } else {
            p.Tronca(s);
            p.Aggiungi(incrocio->xc, incrocio->yc);
            p.Aggiungi(incrocio->xc, 0.0);
        }
    }

    const Velcora& t_;
    Messaggi& msg_;
    int n_;
    float L_;
    std::vector<double> x_, yMax_, yMin_; // 1-based
    double tolleranza_ = 0;
};

} // namespace

double DeltaXDecalage(const Velcora& trave, int i) {
    const SezioneCA& s = trave.SezioneI(trave.CampataI(i).iSez);
    return 0.9 * (static_cast<double>(s.hTot) - static_cast<double>(trave.Copriferro));
}

LineeDecalage Decalage(const Velcora& trave, Messaggi& msg) {
    LineeDecalage linee;
    if (!trave.Calcolata()) return linee;
    const Decalatore d(trave, msg);
    for (int i = 1; i <= trave.nCampate(); ++i) d.Campata(i, linee);
    for (int i = 1; i <= trave.nCampate(); ++i) d.Appoggi(i, linee);
    return linee;
}

} // namespace vc
