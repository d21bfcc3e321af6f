#pragma once
// Everything one calculation of the beam produces, built in one place by the calculation and
// kept whole by the beam: the support moments of every load condition, the diagram abscissas
// and envelopes, the support and span results and the deflections. Stored results are singles.
//
// Numbering: supports 1..n+1 and spans 1..n are stored from index 0; diagram points 1..nPt
// likewise. The accessors of Velcora and Trave read these with the 1-based numbers.

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

namespace vc {

// The solved moment at every support in every load condition: (n+1) × (n+1) singles, one row
// per support, so that the two ends of a span are two contiguous rows. The influence of a load
// dies away geometrically along the beam and its moments far from it come out exactly zero in
// single precision: each row keeps the range of the variable conditions (2..n+1) in which it
// is not zero. The table comes zeroed from calloc, which for a table this size hands memory
// the system has zeroed without touching it: only the pages the solution writes are ever
// touched, which matters when a gigabyte is at stake.
class MomentiAppoggi {
public:
    // Conditions Prima..Ultima; empty when Prima > Ultima.
    struct Intervallo {
        int Prima, Ultima;
    };

    MomentiAppoggi() = default;
    explicit MomentiAppoggi(int nCondizioni);
    MomentiAppoggi(const MomentiAppoggi& altra);
    MomentiAppoggi& operator=(const MomentiAppoggi& altra);
    MomentiAppoggi(MomentiAppoggi&&) noexcept = default;
    MomentiAppoggi& operator=(MomentiAppoggi&&) noexcept = default;

    int nCondizioni() const noexcept { return n_; }
    // Support s (1..n+1), condition c (1..n+1); not range-checked.
    float operator()(int s, int c) const noexcept { return valori_[Indice(s, c)]; }
    void Imposta(int s, int c, float v) noexcept {
        valori_[Indice(s, c)] = v;
        if (v == 0.0f || c == 1) return;
        Intervallo& r = nonNulli_[static_cast<std::size_t>(s - 1)];
        r.Prima = c < r.Prima ? c : r.Prima;
        r.Ultima = c > r.Ultima ? c : r.Ultima;
    }
    // The moments of support s in conditions 1..n+1, at indices 0..n.
    std::span<const float> Appoggio(int s) const noexcept { return {valori_.get() + Indice(s, 1), Righe()}; }
    // The variable conditions outside which the moments of support s are zero.
    Intervallo NonNulli(int s) const noexcept { return nonNulli_[static_cast<std::size_t>(s - 1)]; }
    // The same for supports s1..s2 together.
    Intervallo NonNulli(int s1, int s2) const noexcept {
        Intervallo u{n_ + 1, 0};
        for (int s = s1; s <= s2; ++s) {
            const Intervallo r = NonNulli(s);
            u = {r.Prima < u.Prima ? r.Prima : u.Prima, r.Ultima > u.Ultima ? r.Ultima : u.Ultima};
        }
        return u;
    }

private:
    struct Libera {
        void operator()(float* p) const noexcept { std::free(p); }
    };
    std::size_t Righe() const noexcept { return static_cast<std::size_t>(n_); }
    std::size_t Valori() const noexcept { return Righe() * Righe(); }
    std::size_t Indice(int s, int c) const noexcept {
        return static_cast<std::size_t>(s - 1) * Righe() + static_cast<std::size_t>(c - 1);
    }

    int n_ = 0;
    std::unique_ptr<float[], Libera> valori_;
    std::vector<Intervallo> nonNulli_;
};

struct RisultatiAppoggio {
    bool Arrotondato = false;  // the support got rounding points
    float MmaxApp = 0, MminApp = 0;
    int iPunto = 0;            // the diagram point that gave the support moments
    float TaglioDx = 0;        // design shear on the right side
    float TaglioSx = 0;        // design shear on the left side
    float ReazMax = 0, ReazMin = 0;
};

struct RisultatiCampata {
    std::vector<float> xCamp;  // local abscissas of the span's points (span 1: the outside point too)
    float MmaxCam = 0, xMmaxCam = 0, MminCam = 0, xMminCam = 0;
    int iMmax = 0, iMmin = 0;  // their diagram points
    float TaglioInizio = 0;    // shear envelope of larger magnitude at the first point
    float TaglioFine = 0;      // and at the last point
    std::vector<double> yFrMaxCamp, yFrMinCamp; // deflection envelope at the points of xCamp
    float FrecciaMax = 0, FrecciaMin = 0;
};

struct RisultatiCalcolo {
    float LunghezzaTotale = 0;
    float PassoPlt = 0;          // LunghezzaTotale / nDivisioniPlt
    float nDivisioniAppoggi = 0; // divisions across a support width (6 with rounding)
    MomentiAppoggi MiperApp;

    // The diagrams, points 1..nPt: point 1 the left side of support 1, then span by span,
    // every interior support twice (left and right value), the last point repeating the
    // abscissa of the one before it.
    std::vector<float> xPlt, yMmaxPlt, yMminPlt, yTmaxPlt, yTminPlt, yFrMaxPlt, yFrMinPlt;
    std::vector<int> iFineCampata; // iFineCampata(i + 1): the last point of span i; (1) = 1

    std::vector<RisultatiAppoggio> Appoggi;
    std::vector<RisultatiCampata> Campate;
    float FrecciaMaxTrave = 0, FrecciaMinTrave = 0;
};

} // namespace vc
