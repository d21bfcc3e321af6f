#include "sections/SezioneCA.h"

#include <gtest/gtest.h>

#include <numbers>
#include <stdexcept>

namespace vc {
namespace {

SezioneCA Rettangolo(float b, float h) {
    SezioneCA s;
    s.TipoSez = SezRettangolare;
    s.b1 = b, s.h1 = h;
    s.CoordinateSezione();
    s.CaratteristicheStaticheSezione();
    return s;
}

TEST(SezioneCA, RettangoloVerticiECaratteristichePositive) {
    const SezioneCA s = Rettangolo(0.3f, 0.5f);
    ASSERT_EQ(s.nVertici(), 4);
    const std::vector<float> x{0, 0, -0.3f, -0.3f}, y{0, -0.5f, -0.5f, 0};
    EXPECT_EQ(s.xVertici(), x);
    EXPECT_EQ(s.yVertici(), y);
    // The clockwise outline still reports positive area and second moments.
    EXPECT_NEAR(s.Area, 0.15, 1e-7);
    EXPECT_NEAR(s.xG, -0.15, 1e-7);
    EXPECT_NEAR(s.yG, -0.25, 1e-7);
    EXPECT_NEAR(s.JotaXG, 0.003125, 1e-9);
    EXPECT_NEAR(s.JotaYG, 0.001125, 1e-9);
    EXPECT_FALSE(s.SezioneNulla);
}

TEST(SezioneCA, SezioneTConAnimaLargaQuantoLaPiattabandaEUnRettangolo) {
    SezioneCA t;
    t.TipoSez = SezT;
    t.b1 = 0.3f, t.h1 = 0.2f, t.b2 = 0.3f, t.H2 = 0.3f;
    t.CoordinateSezione();
    t.CaratteristicheStaticheSezione();
    const SezioneCA r = Rettangolo(0.3f, 0.5f);
    EXPECT_EQ(t.nVertici(), 8);
    EXPECT_NEAR(t.Area, r.Area, 1e-7);
    EXPECT_NEAR(t.yG, r.yG, 1e-7);
    EXPECT_NEAR(t.JotaXG, r.JotaXG, 1e-9);
}

TEST(SezioneCA, SezioneTBaricentroEInerzia) {
    SezioneCA t;
    t.TipoSez = SezT;
    t.b1 = 1.0f, t.h1 = 0.2f, t.b2 = 0.3f, t.H2 = 0.4f;
    t.CoordinateSezione();
    t.CaratteristicheStaticheSezione();
    // Flange 1.0 × 0.2 (centroid 0.1 below the top), web 0.3 × 0.4 (centroid 0.4 below).
    const double A = 0.2 + 0.12;
    const double yG = (0.2 * 0.1 + 0.12 * 0.4) / A;
    const double J = 1.0 * 0.008 / 12 + 0.2 * (yG - 0.1) * (yG - 0.1) + 0.3 * 0.064 / 12 + 0.12 * (0.4 - yG) * (0.4 - yG);
    EXPECT_NEAR(t.Area, A, 1e-7);
    EXPECT_NEAR(-t.yG, yG, 1e-7);
    EXPECT_NEAR(t.xG, -0.5, 1e-7);
    EXPECT_NEAR(t.JotaXG, J, 1e-8);
}

TEST(SezioneCA, SezioneGenericaELarghezzaNulla) {
    SezioneCA g;
    g.TipoSez = SezGenerica;
    g.JotaXG = 0.004;
    g.hTot = 0.6f;
    g.CoordinateSezione();
    EXPECT_EQ(g.nVertici(), 0);
    EXPECT_EQ(g.JotaXG, 0.004);

    const SezioneCA nulla = Rettangolo(0.0f, 0.5f);
    EXPECT_TRUE(nulla.SezioneNulla);
    EXPECT_EQ(nulla.Area, 0.0);

    SezioneCA ignota;
    ignota.TipoSez = 7;
    EXPECT_THROW(ignota.CoordinateSezione(), std::invalid_argument);
    SezioneCA vuota;
    vuota.CaratteristicheStaticheSezione();
    EXPECT_TRUE(vuota.SezioneNulla);
}

TEST(SezioneCA, AreaConSegnoEAngoloPieno) {
    EXPECT_DOUBLE_EQ(GaussSegno({0, 1, 1, 0}, {0, 0, 1, 1}), 1.0);  // counter-clockwise
    EXPECT_DOUBLE_EQ(GaussSegno({0, 0, 1, 1}, {0, 1, 1, 0}), -1.0); // clockwise
    constexpr double pi = std::numbers::pi;
    EXPECT_DOUBLE_EQ(AngoloPieno(1, 0), pi / 2);
    EXPECT_DOUBLE_EQ(AngoloPieno(-1, 0), 3 * pi / 2);
    EXPECT_DOUBLE_EQ(AngoloPieno(0, 0), 0);
    EXPECT_DOUBLE_EQ(AngoloPieno(1, -1), 3 * pi / 4);
    EXPECT_DOUBLE_EQ(AngoloPieno(-1, 1), 7 * pi / 4);
    EXPECT_DOUBLE_EQ(AngoloPieno(1, 1), pi / 4);
}

TEST(SezioneCA, MomentiDelTriangolo) {
    // Right triangle (0,0), (1,0), (0,1): area 1/2, Sx = 1/6, Jx = 1/12, Jxy = 1/24.
    const double x[3] = {0, 1, 0}, y[3] = {0, 0, 1};
    const double a = 0.5;
    EXPECT_DOUBLE_EQ(stat_tri(a, y), 1.0 / 6);
    EXPECT_DOUBLE_EQ(jota_tri(a, y), 1.0 / 12);
    EXPECT_DOUBLE_EQ(jota_xy_tri(a, x, y), 1.0 / 24);
}

} // namespace
} // namespace vc
