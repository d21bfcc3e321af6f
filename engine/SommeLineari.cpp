#include "engine/SommeLineari.h"

namespace vc {

void SommeLineari::Inizia(std::span<const double> x, double L, bool zeroPositivo) {
    zeroPositivo_ = zeroPositivo;
    daFine_.resize(x.size());
    daInizio_.resize(x.size());
    for (std::size_t p = 0; p < x.size(); ++p) {
        daFine_[p] = (L - x[p]) / L;
        daInizio_[p] = x[p] / L;
    }
    sempreP_ = sempreN_ = {};
    diventanoP_.assign(x.size(), Somma{});
    diventanoN_.assign(x.size(), Somma{});
}

void SommeLineari::Aggiunge(double inizio, double fine) {
    const std::size_t n = daFine_.size();
    if (n == 0) return;
    const Somma s{inizio, fine};
    const bool primo = Positivo(Valore(s, 0));
    if (primo == Positivo(Valore(s, n - 1))) {
        Accumula(primo ? sempreP_ : sempreN_, s);
        return;
    }
    // The side changes once: bisection for the first point on the other side (the side of a
    // straight line is monotone along the span).
    std::size_t prima = 0, dopo = n - 1;
    while (dopo - prima > 1) {
        const std::size_t p = (prima + dopo) / 2;
        (Positivo(Valore(s, p)) == primo ? prima : dopo) = p;
    }
    Accumula((primo ? diventanoN_ : diventanoP_)[dopo], s);
}

void SommeLineari::Calcola() {
    const std::size_t n = daFine_.size();
    positive_.resize(n);
    negative_.resize(n);
    // Those still on their first side at a point: the ones that change side after it.
    Somma ancoraP = sempreP_, ancoraN = sempreN_;
    for (std::size_t p = n; p-- > 0;) {
        positive_[p] = ancoraP;
        negative_[p] = ancoraN;
        Accumula(ancoraP, diventanoN_[p]);
        Accumula(ancoraN, diventanoP_[p]);
    }
    // And those that have changed side at or before it.
    Somma diventatiP, diventatiN;
    for (std::size_t p = 0; p < n; ++p) {
        Accumula(diventatiP, diventanoP_[p]);
        Accumula(diventatiN, diventanoN_[p]);
        Accumula(positive_[p], diventatiP);
        Accumula(negative_[p], diventatiN);
    }
}

} // namespace vc
