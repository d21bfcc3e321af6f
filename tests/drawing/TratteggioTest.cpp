// Hatch lines and bounding boxes of polygons.

#include "drawing/core/ErroreDisegno.h"
#include "drawing/core/Poligoni.h"

#include <algorithm>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

namespace vc {
namespace {

using ::testing::ElementsAre;

double Lunghezza(const Segmento& s) {
    return std::hypot(s.b.x - s.a.x, s.b.y - s.a.y);
}

const std::vector<Punto> Quadrato = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

// ---- Hatch ---------------------------------------------------------------------------------

TEST(Tratteggio, QuindiciStrisceQuattordiciLinee) {
    const auto linee = SegmentiTratteggio(Quadrato, 0, 15);
    ASSERT_EQ(linee.size(), 14u);
    for (std::size_t i = 0; i < linee.size(); ++i) {
        const double y = static_cast<double>(i + 1) / 15;
        EXPECT_NEAR(linee[i].a.y, y, 1e-12);
        EXPECT_NEAR(linee[i].b.y, y, 1e-12);
        EXPECT_NEAR(std::min(linee[i].a.x, linee[i].b.x), 0, 1e-12);
        EXPECT_NEAR(std::max(linee[i].a.x, linee[i].b.x), 1, 1e-12);
    }
}

TEST(Tratteggio, PassoNegativoELaDistanzaTraLeLinee) {
    const std::vector<Punto> rettangolo = {{0, 0}, {3, 0}, {3, 1}, {0, 1}};
    const auto linee = SegmentiTratteggio(rettangolo, 0, -0.05);
    ASSERT_EQ(linee.size(), 19u); // 1 / 0.05 = 20 strips
    for (std::size_t i = 1; i < linee.size(); ++i)
        EXPECT_NEAR(linee[i].a.y - linee[i - 1].a.y, 0.05, 1e-12);

    // The number of strips is rounded: 1 / 0.3 = 3.33 gives 3 strips, 2 lines 0.3 apart.
    const auto terzi = SegmentiTratteggio(Quadrato, 0, -0.3);
    ASSERT_EQ(terzi.size(), 2u);
    EXPECT_NEAR(terzi[0].a.y, 0.3, 1e-12);
    EXPECT_NEAR(terzi[1].a.y, 0.6, 1e-12);
    // Halves go to the even integer: 2.5 strips are 2, 3.5 are 4.
    EXPECT_EQ(SegmentiTratteggio(Quadrato, 0, -0.4).size(), 1u);
    const std::vector<Punto> alto = {{0, 0}, {1, 0}, {1, 1.75}, {0, 1.75}};
    EXPECT_EQ(SegmentiTratteggio(alto, 0, -0.5).size(), 3u);
}

TEST(Tratteggio, AQuarantacinqueGradiLeLineeSonoInclinateEDentroIlPoligono) {
    const auto linee = SegmentiTratteggio(Quadrato, 45, 15);
    ASSERT_EQ(linee.size(), 14u);
    for (const auto& l : linee) {
        // Direction 45°: dy = dx.
        EXPECT_NEAR(l.b.y - l.a.y, l.b.x - l.a.x, 1e-9);
        for (const auto& p : {l.a, l.b}) {
            EXPECT_GE(p.x, -1e-9);
            EXPECT_LE(p.x, 1 + 1e-9);
            EXPECT_GE(p.y, -1e-9);
            EXPECT_LE(p.y, 1 + 1e-9);
            // Each end lies on the outline.
            const double bordo = std::min({p.x, 1 - p.x, p.y, 1 - p.y});
            EXPECT_NEAR(bordo, 0, 1e-9);
        }
    }
    // The strips split the rotated height √2 in 15; the longest lines lie half a strip off the diagonal.
    double piu = 0;
    for (const auto& l : linee)
        piu = std::max(piu, Lunghezza(l));
    EXPECT_NEAR(piu, std::sqrt(2.0) * 14 / 15, 1e-9);
}

TEST(Tratteggio, LineeVerticaliDelTrapezioDiCarico) {
    // A load trapezoid from x = 1 to x = 5, hatched at 90 degrees every 0.5.
    const std::vector<Punto> trapezio = {{1, 0.1}, {5, 0.1}, {5, 2.1}, {1, 1.1}};
    const auto linee = SegmentiTratteggio(trapezio, 90, -0.5);
    ASSERT_EQ(linee.size(), 7u);
    // Turned by −90°, the strips are counted from the right end of the load.
    for (std::size_t i = 0; i < linee.size(); ++i) {
        const double x = 5 - 0.5 * static_cast<double>(i + 1);
        EXPECT_NEAR(linee[i].a.x, x, 1e-9);
        EXPECT_NEAR(linee[i].b.x, x, 1e-9);
        const double alto = 1.1 + (x - 1) / 4;
        EXPECT_NEAR(std::max(linee[i].a.y, linee[i].b.y), alto, 1e-9);
        EXPECT_NEAR(std::min(linee[i].a.y, linee[i].b.y), 0.1, 1e-9);
    }
}

TEST(Tratteggio, PoligonoConcavoDueTrattiPerLinea) {
    // A U: two arms 1 wide joined by a base 1 high.
    const std::vector<Punto> u = {{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};
    const auto linee = SegmentiTratteggio(u, 0, 6); // lines at 0.5, 1, ..., 2.5
    std::size_t inBasso = 0, neiBracci = 0;
    for (const auto& l : linee) {
        if (l.a.y < 1) {
            ++inBasso;
            EXPECT_NEAR(Lunghezza(l), 3, 1e-12);
        } else {
            ++neiBracci;
            EXPECT_NEAR(Lunghezza(l), 1, 1e-12);
        }
    }
    EXPECT_EQ(inBasso, 1u);
    EXPECT_EQ(neiBracci, 8u); // 4 lines at y = 1, 1.5, 2, 2.5, two pieces each
}

TEST(Tratteggio, VerticiSulleLineeContatiGiusti) {
    // A rhombus: the middle line passes through the two side vertices.
    const std::vector<Punto> rombo = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    const auto medio = SegmentiTratteggio(rombo, 0, 2);
    ASSERT_EQ(medio.size(), 1u);
    EXPECT_NEAR(Lunghezza(medio[0]), 2, 1e-12);

    // A notch whose bottom vertex sits on the line: the line still covers the whole width.
    const std::vector<Punto> tacca = {{0, 0}, {4, 0}, {4, 2}, {3, 2}, {2, 1}, {1, 2}, {0, 2}};
    double totale = 0;
    for (const auto& l : SegmentiTratteggio(tacca, 0, 2)) {
        totale += Lunghezza(l);
        EXPECT_NEAR(l.a.y, 1, 1e-12);
    }
    EXPECT_NEAR(totale, 4, 1e-12);
}

TEST(Tratteggio, NienteDaTratteggiare) {
    EXPECT_TRUE(SegmentiTratteggio(std::vector<Punto>{{0, 0}, {1, 1}}, 0, 10).empty());
    EXPECT_TRUE(SegmentiTratteggio(Quadrato, 0, 0).empty());
    EXPECT_TRUE(SegmentiTratteggio(Quadrato, 0, 1).empty());
    EXPECT_TRUE(SegmentiTratteggio(Quadrato, 0, -5).empty());
    EXPECT_TRUE(SegmentiTratteggio(std::vector<Punto>{{0, 0}, {1, 0}, {2, 0}}, 0, 10).empty());
}

TEST(Tratteggio, DatiErratiRifiutati) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto tipo = [](auto&& f) {
        try {
            f();
        } catch (const ErroreDisegno& e) {
            return static_cast<int>(e.tipo());
        }
        return -1;
    };
    EXPECT_EQ(tipo([&] { SegmentiTratteggio(Quadrato, 0, nan); }),
              static_cast<int>(ErroreDisegno::Tipo::ValoreNonFinito));
    EXPECT_EQ(tipo([&] { SegmentiTratteggio(Quadrato, nan, 3); }),
              static_cast<int>(ErroreDisegno::Tipo::ValoreNonFinito));
    EXPECT_EQ(tipo([&] {
                  SegmentiTratteggio(std::vector<Punto>{{0, 0}, {1, nan}, {0, 1}}, 0, 3);
              }),
              static_cast<int>(ErroreDisegno::Tipo::ValoreNonFinito));
    // A spacing a million times finer than the figure is a wrong datum, not a drawing.
    EXPECT_EQ(tipo([&] { SegmentiTratteggio(Quadrato, 0, -1e-7); }),
              static_cast<int>(ErroreDisegno::Tipo::DatiNonValidi));
}

// ---- Bounding box --------------------------------------------------------------------------

TEST(EstremiPoligono, RiquadroInSingolaPrecisione) {
    const std::vector<double> x = {0.1, -2, 3}, y = {5, -1, 0.5};
    const auto e = EstremiPoligono(x, y);
    EXPECT_EQ(e.xMin, -2.0f);
    EXPECT_EQ(e.xMax, 3.0f);
    EXPECT_EQ(e.yMin, -1.0f);
    EXPECT_EQ(e.yMax, 5.0f);
    const std::vector<float> vuoto;
    const auto v = EstremiPoligono(vuoto, vuoto);
    EXPECT_EQ(v.xMin, 1e20f);
    EXPECT_EQ(v.xMax, -1e20f);
    EXPECT_EQ(v.yMin, 1e20f);
    EXPECT_EQ(v.yMax, -1e20f);
}

} // namespace
} // namespace vc
