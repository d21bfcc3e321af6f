#pragma once
// The envelope of many linear contributions at the points of a span. Every load condition
// other than the permanent one and the span's own acts on a span through its two end moments
// only, so its contribution there is a straight line (times a factor of fixed sign): it
// changes sign at most once on the span. Each contribution is counted at each point on the
// side of its sign there (positive, or negative and zero; with zeroPositivo zero counts as
// positive), and the two sums at every point come from one sweep over the points:
// O(points + contributions × log points) instead of points × contributions.
//
// A contribution is given by its values at the two ends of the span and taken at x as
// inizio·(L − x)/L + fine·x/L, which is exactly its end value at either end: a sum of end
// moments that are all zero is exactly zero there.

#include <cstddef>
#include <span>
#include <vector>

namespace vc {

class SommeLineari {
public:
    // x: the abscissas of the span's points, non-decreasing, within 0..L.
    void Inizia(std::span<const double> x, double L, bool zeroPositivo);
    void Aggiunge(double inizio, double fine);
    // After the last Aggiunge: the sums of the positive and of the other contributions at each point.
    void Calcola();
    double Positive(std::size_t p) const { return Valore(positive_[p], p); }
    double Negative(std::size_t p) const { return Valore(negative_[p], p); }

private:
    struct Somma {
        double Inizio = 0, Fine = 0;
    };
    double Valore(Somma s, std::size_t p) const { return s.Inizio * daFine_[p] + s.Fine * daInizio_[p]; }
    bool Positivo(double v) const { return zeroPositivo_ ? v >= 0 : v > 0; }
    static void Accumula(Somma& a, Somma b) {
        a.Inizio += b.Inizio;
        a.Fine += b.Fine;
    }

    bool zeroPositivo_ = false;
    // (L − x)/L and x/L at each point.
    std::vector<double> daFine_, daInizio_;
    Somma sempreP_, sempreN_;
    // At point p: the contributions that become positive there, and those that become negative.
    std::vector<Somma> diventanoP_, diventanoN_;
    std::vector<Somma> positive_, negative_;
};

} // namespace vc
