#include "engine/SommeLineari.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace vc {
namespace {

// A straight line by its values at the two ends of the span.
struct Retta {
    double inizio, fine;
};

struct Caso {
    const char* nome;
    std::vector<double> x;
    double L;
    std::vector<Retta> rette;
};

// Every contribution tried at every point: the sums the sweep must give.
void ControllaCaso(const Caso& c, bool zeroPositivo) {
    SommeLineari s;
    s.Inizia(c.x, c.L, zeroPositivo);
    for (const Retta& r : c.rette) s.Aggiunge(r.inizio, r.fine);
    s.Calcola();
    for (std::size_t p = 0; p < c.x.size(); ++p) {
        double pos = 0, neg = 0;
        for (const Retta& r : c.rette) {
            const double v = r.inizio * (c.L - c.x[p]) / c.L + r.fine * c.x[p] / c.L;
            ((zeroPositivo ? v >= 0 : v > 0) ? pos : neg) += v;
        }
        EXPECT_NEAR(s.Positive(p), pos, 1e-12 * (1 + std::fabs(pos))) << c.nome << " p " << p << " " << zeroPositivo;
        EXPECT_NEAR(s.Negative(p), neg, 1e-12 * (1 + std::fabs(neg))) << c.nome << " p " << p << " " << zeroPositivo;
    }
}

std::vector<Retta> RetteCasuali(int quante, unsigned seme) {
    std::mt19937 gen(seme);
    std::uniform_real_distribution<double> u(-10.0, 10.0);
    std::vector<Retta> r;
    // Through zero on the span or beside it, of one sign throughout, constant.
    for (int k = 0; k < quante; ++k) {
        const double a = u(gen);
        r.push_back(k % 7 == 0 ? Retta{a, a} : Retta{a, u(gen)});
    }
    return r;
}

TEST(SommeLineari, ComeLaSommaPuntoPerPunto) {
    std::vector<double> passi;
    for (int k = 0; k <= 40; ++k) passi.push_back(0.125 * k);
    const std::vector<Caso> casi = {
        {"nessun contributo", {0, 1, 2}, 2, {}},
        {"zero esatto su un punto e rette nulle", {0, 0.5, 1, 1.5, 2}, 2,
         {{-1, 3}, {1, -3}, {0, 0}, {0, 3}, {-3, -3}, {2, 2}, {-4, 0}, {0, -4}}},
        {"primo punto ripetuto", {0, 0, 0.25, 0.5, 0.75, 1}, 1, {{-0.5, 0.5}, {0.5, -0.5}, {0.1, 0.1}}},
        {"un solo punto", {2}, 2, {{1, -1}, {-1, 0.25}}},
        {"molte rette", passi, 5, RetteCasuali(500, 11)},
    };
    for (const Caso& c : casi)
        for (bool zeroPositivo : {false, true}) ControllaCaso(c, zeroPositivo);
}

TEST(SommeLineari, EsatteAgliEstremiERiutilizzabili) {
    // Lines that vanish at one end sum to exactly zero there, and to exactly the sum of their
    // values at the other; the same object then serves the next span, keeping nothing.
    SommeLineari s;
    const std::vector<double> x{0, 0.7, 1.9, 3.1, 4.3};
    s.Inizia(x, 4.3, false);
    for (double m : {-12.3, -0.1, -7.77, 3.3}) s.Aggiunge(m, 0.0);
    s.Calcola();
    EXPECT_EQ(s.Negative(4), 0.0);
    EXPECT_EQ(s.Positive(4), 0.0);
    EXPECT_EQ(s.Negative(0), -12.3 + -0.1 + -7.77);
    EXPECT_EQ(s.Positive(0), 3.3);
    const std::vector<double> y{0, 2};
    s.Inizia(y, 2, false);
    s.Aggiunge(-1, 1);
    s.Calcola();
    EXPECT_EQ(s.Positive(0), 0.0);
    EXPECT_EQ(s.Negative(0), -1.0);
    EXPECT_EQ(s.Positive(1), 1.0);
    EXPECT_EQ(s.Negative(1), 0.0);
}

} // namespace
} // namespace vc
