// Diagram abscissas, envelopes, support values and the rounding over the supports.

#include "TraviDiProva.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace vc {
namespace {

using prova::Costruisci;

TEST(Ascisse, UnaCampataSenzaLarghezze) {
    Velcora t = Costruisci({{5, 10}}, Appoggio, Appoggio, 10);
    t.CalcolaIperstatiche(prova::Rara());
    // Global list 0, 0, 0.5, …, 5, 5: the point outside each end, m = 10 steps.
    ASSERT_EQ(t.nPt(), 10 + 3);
    EXPECT_EQ(t.xPlt(1), 0.0f);
    EXPECT_EQ(t.xPlt(2), 0.0f);
    EXPECT_FLOAT_EQ(t.xPlt(3), 0.5f);
    EXPECT_EQ(t.xPlt(12), 5.0f);
    EXPECT_EQ(t.xPlt(13), 5.0f);
    EXPECT_EQ(t.iFineCampata(1), 1);
    EXPECT_EQ(t.iFineCampata(2), 12);
    const auto& xc = t.CampataI(1).xCamp();
    ASSERT_EQ(xc.size(), 12u);
    EXPECT_EQ(xc[0], 0.0f);
    EXPECT_EQ(xc[1], 0.0f);
    EXPECT_FLOAT_EQ(xc[2], 0.5f);
    EXPECT_EQ(xc.back(), 5.0f);
    // The ends of the diagrams are zero outside the beam.
    EXPECT_EQ(t.yMmaxPlt(1), 0.0f);
    EXPECT_EQ(t.yMmaxPlt(13), 0.0f);
}

TEST(Ascisse, AppoggiInterniCompaionoDueVolteEPuntiDiArrotondamento) {
    Velcora t = Costruisci({{5, 10}, {5, 10}}, Incastro, Appoggio, 20);
    t.LarghezzaAppoggi(2, 0.3);
    t.ArrotondaMomenti = true;
    t.CalcolaIperstatiche(prova::Rara());
    EXPECT_EQ(t.nDivisioniAppoggi(), 6.0f);
    EXPECT_FALSE(t.AppoggioArrotondato(1));
    EXPECT_TRUE(t.AppoggioArrotondato(2));
    const int a = t.iFineCampata(2);
    EXPECT_EQ(t.xPlt(a), 5.0f);
    EXPECT_EQ(t.xPlt(a + 1), 5.0f);
    // Three points at b/6 on each side of the axis, the face at b/2.
    for (int k = 1; k <= 3; ++k) {
        EXPECT_NEAR(t.xPlt(a - k), 5.0 - 0.05 * k, 1e-6);
        EXPECT_NEAR(t.xPlt(a + 1 + k), 5.0 + 0.05 * k, 1e-6);
    }
    // m = round(4.85 / 0.5) = 10 steps in between: span 1 has 1 + 10 + 3 points, plus the outside one.
    EXPECT_EQ(a, 1 + 1 + 10 + 3);
}

// The points of span i that are steps of its own (neither the start nor rounding points).
int PassiCampata(const Velcora& t, int i) {
    const int punti = t.iFineCampata(i + 1) - t.iFineCampata(i);
    return punti - 1 - 3 * (t.AppoggioArrotondato(i) ? 1 : 0) - 3 * (t.AppoggioArrotondato(i + 1) ? 1 : 0);
}

// n spans of 4 to 8 m between two simple supports, as a long floor beam.
Velcora TraveLunga(int n, int divisioni) {
    Velcora t;
    t.nCampate(n);
    t.nSezioni(1);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezRettangolare, {{{prova::B, prova::H}, {0, 0}}}, prova::E);
    for (int i = 1; i <= n; ++i) t.InserisceDatiCampata(i, 4.0f + static_cast<float>(i % 5), 10, 0, 8, 0, 1);
    t.VincoloSinistro = Appoggio;
    t.VincoloDestro = Appoggio;
    t.nDivisioniPlt = divisioni;
    return t;
}

// The point of span i in t at the local abscissa x, or 0.
int PuntoAllAscissa(const Velcora& t, int i, float x) {
    const int j = prova::PuntoPiuVicino(t, i, x);
    return std::abs(t.xPlt(j) - t.xPlt(t.iFineCampata(i)) - x) < 1e-4f ? j : 0;
}

float ScalaDiagramma(const Velcora& t, float (Velcora::*y)(int) const) {
    float s = 0;
    for (int j = 1; j <= t.nPt(); ++j) s = std::max(s, std::abs((t.*y)(j)));
    return s;
}

TEST(Ascisse, IDiagrammiNonDipendonoDalPasso) {
    // Each beam on a coarse division, where the global step would leave some span (cantilevers
    // included) fewer than ten steps, or less than half a step, and on a fine one whose points
    // include the coarse ones. Every span gets ten steps at least, and the diagrams at the
    // coarse points are the fine ones there: a span's extremes never depend on the step.
    struct Caso {
        const char* nome;
        Velcora trave;
        int fine;
    };
    const std::vector<Caso> casi = {
        {"120 campate a 100 divisioni", TraveLunga(120, 100), 14400},
        {"200 campate, campate piu corte di mezzo passo", TraveLunga(200, 100), 24000},
        {"mensole alle due estremita", Costruisci({{1.5f, 10, 0, 5}, {6, 10, 0, 8}, {5, 10, 0, 8}, {1, 10, 0, 5}}, Libero, Libero, 10), 270},
        {"campata cortissima", Costruisci({{0.2f, 10, 0, 8}, {20, 10, 0, 8}, {20, 10, 0, 8}}, Incastro, Appoggio, 100), 2010},
    };
    const std::array diagrammi = {&Velcora::yMmaxPlt, &Velcora::yMminPlt, &Velcora::yTmaxPlt,
                                  &Velcora::yTminPlt, &Velcora::yFrMaxPlt, &Velcora::yFrMinPlt};
    for (Caso c : casi) {
        SCOPED_TRACE(c.nome);
        Velcora& t = c.trave;
        ASSERT_NO_THROW(t.CalcolaIperstatiche(prova::Rara()));
        Velcora fine = t;
        fine.nDivisioniPlt = c.fine;
        ASSERT_NO_THROW(fine.CalcolaIperstatiche(prova::Rara()));
        const int n = t.nCampate();
        std::array<float, diagrammi.size()> scale{};
        for (std::size_t k = 0; k < diagrammi.size(); ++k) scale[k] = 2e-6f * ScalaDiagramma(fine, diagrammi[k]);
        for (int i = 1; i <= n; ++i) {
            ASSERT_GE(PassiCampata(t, i), 10) << i;
            // The span moment of the coarse division is the fine diagram's at its abscissa,
            // and the fine division finds little more.
            const int jm = PuntoAllAscissa(fine, i, t.xMmaxCam(i));
            ASSERT_NE(jm, 0) << i;
            EXPECT_NEAR(t.MmaxCam(i), fine.yMmaxPlt(jm), 2e-6 * std::abs(fine.MmaxCam(i)) + 1e-6) << i;
            EXPECT_GE(fine.MmaxCam(i), t.MmaxCam(i) - 1e-4f) << i;
            EXPECT_LE(fine.MmaxCam(i), t.MmaxCam(i) + 0.03f * std::abs(fine.MmaxCam(i))) << i;
            for (int j = t.iFineCampata(i) + 1; j <= t.iFineCampata(i + 1); ++j) {
                const int jf = PuntoAllAscissa(fine, i, t.xPlt(j) - t.xPlt(t.iFineCampata(i)));
                ASSERT_NE(jf, 0) << i << " " << j;
                for (std::size_t k = 0; k < diagrammi.size(); ++k)
                    ASSERT_NEAR((t.*diagrammi[k])(j), (fine.*diagrammi[k])(jf), scale[k]) << i << " " << j << " " << k;
            }
        }
        // No span is reduced to its end points: one that sags shows it.
        for (int i = 1; i <= n; ++i)
            EXPECT_TRUE(fine.MmaxCam(i) <= 0 || t.MmaxCam(i) > 0) << i;
        if (c.trave.VincoloSinistro == Appoggio) {
            EXPECT_GT(t.MmaxCam(1), 0.0f);
            EXPECT_GT(t.xMmaxCam(1), 0.0f);
        }
        // Deflections exactly zero at every support, not at a free end.
        for (int k = 1; k <= n + 1; ++k) {
            const bool libero = (k == 1 && t.VincoloSinistro == Libero) || (k == n + 1 && t.VincoloDestro == Libero);
            const int a = t.iFineCampata(k);
            for (int j : {a, a + 1}) {
                if (j < 1 || j >= t.nPt()) continue; // the last point is outside the beam
                if (libero) {
                    EXPECT_NE(t.yFrMaxPlt(j), 0.0f) << k;
                } else {
                    EXPECT_EQ(t.yFrMaxPlt(j), 0.0f) << k;
                    EXPECT_EQ(t.yFrMinPlt(j), 0.0f) << k;
                }
            }
        }
    }
}

TEST(Ascisse, IlPassoGlobaleRestaDoveDivideInAlmenoDieciPassi) {
    // 22 m in 11 divisions: step 2 m. The 20 m span keeps it (10 steps), the 2 m span, which it
    // would divide into one, gets its own tenth; a cantilever too.
    Velcora t = Costruisci({{2, 10}, {20, 10}}, Libero, Appoggio, 11);
    t.CalcolaIperstatiche(prova::Rara());
    EXPECT_EQ(PassiCampata(t, 1), 10);
    EXPECT_EQ(PassiCampata(t, 2), 10);
    const int p1 = t.iFineCampata(1) + 1, p2 = t.iFineCampata(2) + 1;
    EXPECT_FLOAT_EQ(t.xPlt(p1 + 1) - t.xPlt(p1), 0.2f);
    EXPECT_FLOAT_EQ(t.xPlt(p2 + 1) - t.xPlt(p2), 2.0f);
    EXPECT_FLOAT_EQ(t.PassoPlt(), 2.0f);
    // With more divisions the short span is divided by the global step again.
    Velcora u = Costruisci({{2, 10}, {20, 10}}, Libero, Appoggio, 220);
    u.CalcolaIperstatiche(prova::Rara());
    EXPECT_EQ(PassiCampata(u, 1), 20);
    EXPECT_EQ(PassiCampata(u, 2), 200);
}

TEST(Inviluppi, DueCampateCaricoVariabile) {
    const double L = 5, g = 10, q = 8;
    Velcora t = Costruisci({{5, 10, 0, 8}, {5, 10, 0, 8}}, Appoggio, Appoggio, 100);
    t.CalcolaIperstatiche(prova::Rara());
    const int a = t.iFineCampata(2);
    // Support 2: minimum with both spans loaded, maximum with neither.
    EXPECT_NEAR(t.yMminPlt(a), -(g + q) * L * L / 8, 1e-3);
    EXPECT_NEAR(t.yMmaxPlt(a), -g * L * L / 8, 1e-3);
    EXPECT_NEAR(t.MminApp(2), -(g + q) * L * L / 8, 1e-3);
    // Both sides of the support hold the same moment, and the shear jumps.
    EXPECT_EQ(t.yMminPlt(a), t.yMminPlt(a + 1));
    EXPECT_NEAR(t.yTminPlt(a), -(g + q) * L * 5 / 8, 1e-3);
    EXPECT_NEAR(t.yTmaxPlt(a + 1), (g + q) * L * 5 / 8, 1e-3);
    // Reactions: the middle support, both spans loaded: 2 · 5/8 · (g+q) L.
    EXPECT_NEAR(t.ReazMax(2), 1.25 * (g + q) * L, 1e-3);
    EXPECT_NEAR(t.ReazMin(2), 1.25 * g * L, 1e-3);
    // End support: maximum with span 1 loaded alone; minimum lifted by span 2 alone.
    EXPECT_NEAR(t.ReazMax(1), 3.0 / 8 * g * L + 7.0 / 16 * q * L, 1e-3);
    EXPECT_NEAR(t.ReazMin(1), 3.0 / 8 * g * L - 1.0 / 16 * q * L, 1e-3);
    // Maximum span moment with span 1 loaded and span 2 unloaded: 9x(5 − x) − 8.75x,
    // greatest at x = 36.25/18.
    const double xm = 36.25 / 18;
    EXPECT_NEAR(t.MmaxCam(1), 9 * xm * (5 - xm) - 8.75 * xm, 0.01);
    EXPECT_NEAR(t.xMmaxCam(1), xm, 0.05);
    EXPECT_EQ(t.TaglioMaxS(1), 0.0f);
    EXPECT_EQ(t.TaglioMaxD(3), 0.0f);
    EXPECT_EQ(t.TaglioMaxS(2), t.TaglioSxAppoggio(2));
    EXPECT_EQ(t.TaglioMaxD(2), t.TaglioDxAppoggio(2));
}

TEST(Inviluppi, SenzaArrotondamentoIMomentiDAppoggioSonoQuelliDelDiagramma) {
    Velcora t = Costruisci({{5, 10, 0, 8}, {6, 10, 0, 8}}, Incastro, Incastro);
    t.LarghezzaAppoggi(2, 0.4);
    t.CalcolaIperstatiche(prova::Rara());
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(t.MminApp(k), t.yMminPlt(t.iPuntoAppoggio(k)));
        EXPECT_EQ(t.MmaxApp(k), t.yMmaxPlt(t.iPuntoAppoggio(k)));
        EXPECT_FALSE(t.AppoggioArrotondato(k));
    }
}

TEST(Inviluppi, CampataSempreAMomentoNegativo) {
    // A short span between two long ones: every arrangement hogs it.
    Velcora t = Costruisci({{8, 20, 0, 10}, {1.5f, 20, 0, 10}, {8, 20, 0, 10}}, Appoggio, Appoggio);
    t.CalcolaIperstatiche(prova::Rara());
    float piuAlto = -1e30f;
    for (int j = t.iFineCampata(2) + 1; j <= t.iFineCampata(3); ++j) piuAlto = std::max(piuAlto, t.yMminPlt(j));
    EXPECT_LT(t.MminCam(2), 0.0f);
    EXPECT_EQ(t.MminCam(2), piuAlto); // the least negative value of the minimum envelope
}

TEST(Inviluppi, ValoriUgualiPrendonoLAscissaPiuASinistra) {
    // A fixed-fixed span without variable loads: MminCam is the flat maximum, found first.
    Velcora t = Costruisci({{4, 10}}, Incastro, Incastro, 8);
    t.CalcolaIperstatiche(prova::Rara());
    EXPECT_EQ(t.MmaxCam(1), t.MminCam(1));
    EXPECT_EQ(t.xMmaxCam(1), t.xMminCam(1));
    EXPECT_NEAR(t.xMmaxCam(1), 2.0, 1e-6);
}

TEST(Arrotondamento, AppoggioInternoRaccordatoConParabola) {
    const float b = 0.3f;
    Velcora t = Costruisci({{5, 10, 0, 8}, {5, 10, 0, 8}}, Appoggio, Appoggio, 50);
    t.LarghezzaAppoggi(2, b);
    t.ArrotondaMomenti = true;
    t.CalcolaIperstatiche(prova::Rara());
    const int a = t.iFineCampata(2);
    const double tMin = t.ReazMax(2) * b / 8.0 + (-(18.0) * 25 / 8); // envelope value at the axis
    EXPECT_NEAR(t.MminApp(2), tMin, 1e-2);
    EXPECT_NEAR(t.yMminPlt(a), tMin, 1e-2);
    EXPECT_EQ(t.yMminPlt(a), t.yMminPlt(a + 1));
    // The faces keep their values; between them the parabola lies above the sharp peak.
    const Trave& c1 = t.CampataI(1);
    const double xf = 5.0 - b / 2;
    double faccia = c1.MomentoX(xf, 1);
    for (int k = 2; k <= 3; ++k) faccia += std::min(0.0, c1.MomentoX(xf, k));
    EXPECT_NEAR(t.yMminPlt(a - 3), faccia, 1e-3);
    EXPECT_LT(t.yMminPlt(a), t.yMminPlt(a - 1));
    EXPECT_GT(t.yMminPlt(a - 1), -18.0f * 25 / 8);
    // Shears fall to zero at the axis, the design shear is the face value.
    EXPECT_EQ(t.yTminPlt(a), 0.0f);
    EXPECT_EQ(t.yTmaxPlt(a + 1), 0.0f);
    EXPECT_EQ(t.TaglioSxAppoggio(2), t.yTminPlt(a - 3));
    EXPECT_NEAR(t.TaglioDxAppoggio(2), t.yTmaxPlt(a + 4), 1e-6);
    // Span extremes are taken before the rounding.
    EXPECT_NEAR(t.MmaxCam(1), 36.5f, 0.05f);
}

TEST(Arrotondamento, MomentoArrotondatoPositivoLasciaIlDiagramma) {
    // A light load on a wide support: R·b/8 exceeds the support moment.
    const float b = 2.8f;
    Velcora t = Costruisci({{3, 10}, {3, 10}}, Appoggio, Appoggio, 60);
    t.LarghezzaAppoggi(2, b);
    t.ArrotondaMomenti = true;
    t.CalcolaIperstatiche(prova::Rara());
    const int a = t.iFineCampata(2);
    const double M = -10.0 * 9 / 8;
    const double tMin = t.ReazMax(2) * b / 8.0 + M;
    ASSERT_GT(tMin, 0.0);
    EXPECT_NEAR(t.MminApp(2), tMin, 1e-3);
    EXPECT_NEAR(t.yMminPlt(a), M, 1e-3); // diagram unchanged
}

TEST(Arrotondamento, EstremitaIncastrataLiberaEAppoggiata) {
    const float b = 0.4f;
    // Fixed left end with width: moment rounded with the symmetric parabola.
    Velcora inc = Costruisci({{6, 10, 0, 5}}, Incastro, Appoggio, 60);
    inc.LarghezzaAppoggi(1, b);
    inc.LarghezzaAppoggi(2, b);
    inc.ArrotondaMomenti = true;
    inc.CalcolaIperstatiche(prova::Rara());
    EXPECT_TRUE(inc.AppoggioArrotondato(1));
    const double tMin = inc.ReazMax(1) * b / 8.0 + (-15.0 * 36 / 8);
    EXPECT_NEAR(inc.MminApp(1), tMin, 1e-2);
    EXPECT_NEAR(inc.yMminPlt(2), tMin, 1e-2);
    // The simple support at the right gets points and shear rounding but no moment rounding.
    EXPECT_TRUE(inc.AppoggioArrotondato(2));
    EXPECT_EQ(inc.MminApp(2), inc.yMminPlt(inc.nPt() - 1));
    EXPECT_EQ(inc.yTminPlt(inc.nPt() - 1), 0.0f);

    // A free end never gets rounding points.
    Velcora lib = Costruisci({{2, 10}, {6, 10}}, Libero, Appoggio, 60);
    lib.LarghezzaAppoggi(1, b);
    lib.ArrotondaMomenti = true;
    lib.CalcolaIperstatiche(prova::Rara());
    EXPECT_FALSE(lib.AppoggioArrotondato(1));
    EXPECT_EQ(lib.TaglioDxAppoggio(1), 0.0f); // the free tip carries no shear, and is not rounded
}

TEST(Reazioni, ForzaSullAppoggioEntraNellaSuaReazione) {
    // P at the very end of span 1 (d = L) stands on support 2.
    Velcora con = Costruisci({{5, 10}, {5, 10}}, Appoggio, Appoggio);
    Velcora senza = con;
    con.Dati_Fconc({{1, 40, 0, 0, 0, 5.0f}}, true);
    con.CalcolaIperstatiche(prova::Rara());
    senza.CalcolaIperstatiche(prova::Rara());
    EXPECT_NEAR(con.ReazMax(2) - senza.ReazMax(2), 40, 1e-3);
    EXPECT_NEAR(con.ReazMax(1), senza.ReazMax(1), 1e-3);
    EXPECT_NEAR(con.ReazMax(3), senza.ReazMax(3), 1e-3);
    // Total of the reactions equals the total load.
    EXPECT_NEAR(con.ReazMax(1) + con.ReazMax(2) + con.ReazMax(3), 100 + 40, 1e-3);
}

TEST(Reazioni, EstremoLiberoNonHaReazione) {
    Velcora t = Costruisci({{6, 10}, {2, 10}}, Appoggio, Libero);
    t.Dati_Fconc({{2, 25, 0, 0, 0, 2.0f}}, true); // at the tip of the right cantilever
    t.CalcolaIperstatiche(prova::Rara());
    EXPECT_EQ(t.ReazMax(3), 0.0f);
    EXPECT_EQ(t.ReazMin(3), 0.0f);
    EXPECT_NEAR(t.ReazMax(1) + t.ReazMax(2), 80 + 25, 1e-3);
    // The shear diagram keeps the value just left of the force at the tip.
    EXPECT_NEAR(t.yTmaxPlt(t.nPt() - 1), 25, 1e-4);
}

TEST(Reazioni, MensolaSinistraConForzaInPunta) {
    Velcora t = Costruisci({{2, 10}, {6, 10}}, Libero, Appoggio);
    t.Dati_Fconc({{1, 15, 0, 0, 0, 0.0f}, {2, 30, 0, 0, 0, 0.0f}}, true); // tip, and on support 2
    t.CalcolaIperstatiche(prova::Rara());
    EXPECT_EQ(t.ReazMax(1), 0.0f);
    EXPECT_NEAR(t.ReazMax(2) + t.ReazMax(3), 80 + 15 + 30, 1e-3);
    // Moment equilibrium about support 3: R2·6 = 10·8·4 + 15·8 + 30·6.
    EXPECT_NEAR(t.ReazMax(2), (320 + 120 + 180) / 6.0, 1e-3);
}

} // namespace
} // namespace vc
