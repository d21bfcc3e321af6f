#include "engine/SommeLineari.h"


namespace vc {

namespace {
SommeLineari::Somma operator+(SommeLineari::Somma a, SommeLineari::Somma b) { return {a.Alfa + b.Alfa, a.Beta + b.Beta}; }
} // namespace

void SommeLineari::Inizia(std::span<const double> x, bool zeroPositivo) {
    x_ = x;
    zeroPositivo_ = zeroPositivo;
    sempreP_ = sempreN_ = {};
    diventanoP_.assign(x.size(), Somma{});
    diventanoN_.assign(x.size(), Somma{});
}

void SommeLineari::Passa(std::vector<Somma>& verso, std::size_t p, double alfa, double beta) {
    verso[p].Alfa += alfa;
    verso[p].Beta += beta;
}

void SommeLineari::Aggiunge(double alfa, double beta) {
    const std::size_t n = x_.size();
    if (n == 0) return;
    const bool primo = Positivo(alfa + beta * x_[0]);
    if (primo == Positivo(alfa + beta * x_[n - 1])) {
        Somma& s = primo ? sempreP_ : sempreN_;
        s.Alfa += alfa;
        s.Beta += beta;
        return;
    }
    // The side changes once: bisection for the first point on the other side (the side of a
    // straight line is monotone along the span).
    std::size_t prima = 0, dopo = n - 1;
    while (dopo - prima > 1) {
        const std::size_t p = (prima + dopo) / 2;
        (Positivo(alfa + beta * x_[p]) == primo ? prima : dopo) = p;
    }
    Passa(primo ? diventanoN_ : diventanoP_, dopo, alfa, beta);
}

void SommeLineari::Calcola() {
    const std::size_t n = x_.size();
    positive_.resize(n);
    negative_.resize(n);
    // Those still on their first side at a point: the ones that change side after it.
    Somma ancoraP = sempreP_, ancoraN = sempreN_;
    for (std::size_t p = n; p-- > 0;) {
        positive_[p] = ancoraP;
        negative_[p] = ancoraN;
        ancoraP = ancoraP + diventanoN_[p];
        ancoraN = ancoraN + diventanoP_[p];
    }
    // And those that have changed side at or before it.
    Somma diventatiP, diventatiN;
    for (std::size_t p = 0; p < n; ++p) {
        diventatiP = diventatiP + diventanoP_[p];
        diventatiN = diventatiN + diventanoN_[p];
        positive_[p] = positive_[p] + diventatiP;
        negative_[p] = negative_[p] + diventatiN;
    }
}

} // namespace vc
