#pragma once
// The envelope of many linear contributions at the points of a span. Every load condition
// other than the permanent one and the span's own acts on a span through its two end moments
// only, so its contribution there is α + β·x times a factor of fixed sign: it changes sign at
// most once on the span. Each contribution is counted at each point on the side of its sign
// there (positive, or negative and zero; with ZeroPositivo zero counts as positive), and the
// two sums at every point come from one sweep over the points: O(points + contributions ×
// log points) instead of points × contributions.

#include <cstddef>
#include <span>
#include <vector>

namespace vc {

class SommeLineari {
public:
    struct Somma {
        double Alfa = 0, Beta = 0;
        double operator()(double x) const { return Alfa + Beta * x; }
    };

    // x: the abscissas of the span's points, non-decreasing.
    void Inizia(std::span<const double> x, bool zeroPositivo);
    void Aggiunge(double alfa, double beta);
    // After the last Aggiunge: the sums of the positive and of the other contributions at each point.
    void Calcola();
    Somma Positive(std::size_t p) const { return positive_[p]; }
    Somma Negative(std::size_t p) const { return negative_[p]; }

private:
    bool Positivo(double v) const { return zeroPositivo_ ? v >= 0 : v > 0; }
    // Contributions on one side at the first point that change side at point p.
    void Passa(std::vector<Somma>& verso, std::size_t p, double alfa, double beta);

    std::span<const double> x_;
    bool zeroPositivo_ = false;
    Somma sempreP_, sempreN_;
    // At point p: the contributions that become positive there, and those that become negative.
    std::vector<Somma> diventanoP_, diventanoN_;
    std::vector<Somma> positive_, negative_;
};

} // namespace vc
