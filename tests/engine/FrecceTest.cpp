// Deflections: spans between supports, cantilevers built in or turning with their neighbour.

#include "TraviDiProva.h"

#include <gtest/gtest.h>

namespace vc {
namespace {

using prova::Costruisci;
using prova::EJ;

double Tol(double v) { return 1e-5 * std::abs(v) + 1e-9; }

TEST(Frecce, CampataSempliceCinqueTrecentottantaquattresimi) {
    const double w = 10, L = 6;
    Velcora t = Costruisci({{6, 10}}, Appoggio, Appoggio, 100);
    t.CalcolaIperstatiche(prova::Rara());
    const double atteso = 5 * w * L * L * L * L / (384 * EJ);
    EXPECT_NEAR(t.CampataI(1).FrecciaMax(), atteso, Tol(atteso));
    EXPECT_NEAR(t.CampataI(1).FrecciaMin(), atteso, Tol(atteso));
    EXPECT_NEAR(t.FrecciaMaxTrave(), atteso, Tol(atteso));
    for (int j = 1; j <= t.nPt(); ++j) EXPECT_EQ(t.yFrMaxPlt(j), t.yFrMinPlt(j));
    EXPECT_NEAR(t.yFrMaxPlt(prova::PuntoPiuVicino(t, 1, 3.0)), atteso, Tol(atteso));
    EXPECT_EQ(t.yFrMaxPlt(2), 0.0f);
    EXPECT_EQ(t.yFrMaxPlt(t.nPt()), 0.0f);
}

TEST(Frecce, MensolaIncastrataASinistraEADestra) {
    const double w = 10, L = 2.5, P = 7;
    const double atteso = w * L * L * L * L / (8 * EJ) + P * L * L * L / (3 * EJ);
    Velcora dx = Costruisci({{2.5f, 10}}, Incastro, Libero);
    dx.Dati_Fconc({{1, 7, 0, 0, 0, 2.5f}}, true);
    dx.CalcolaIperstatiche(prova::Rara());
    EXPECT_NEAR(dx.yFrMaxPlt(dx.nPt() - 1), atteso, Tol(atteso));
    // The left cantilever, built in at its right end, deflects most at its free left end.
    Velcora sx = Costruisci({{2.5f, 10}}, Libero, Incastro);
    sx.Dati_Fconc({{1, 7, 0, 0, 0, 0.0f}}, true);
    sx.CalcolaIperstatiche(prova::Rara());
    EXPECT_NEAR(sx.yFrMaxPlt(2), atteso, Tol(atteso));
    EXPECT_NEAR(sx.yFrMaxPlt(sx.nPt() - 1), 0.0, 1e-9);
    EXPECT_NEAR(sx.FrecciaMaxTrave(), atteso, Tol(atteso));
}

TEST(Frecce, MensolaSuVincoloElasticoRuotaConLaMolla) {
    const double w = 10, L = 2, k = 5000;
    Velcora t = Costruisci({{2, 10}}, Elastico, Libero);
    t.kVincoloSinistro = k;
    t.CalcolaIperstatiche(prova::Rara());
    const double atteso = w * L * L * L * L / (8 * EJ) + L * (w * L * L / 2) / k;
    EXPECT_NEAR(t.yFrMaxPlt(t.nPt() - 1), atteso, Tol(atteso));
}

TEST(Frecce, MensolaRuotaConLaCampataVicina) {
    const double w = 10, L = 6, c = 2;
    const double theta = w * L * L * L / (24 * EJ);
    // Unloaded right cantilever beside a loaded span: its tip lifts by c·θ.
    Velcora dx = Costruisci({{6, 10}, {2, 0}}, Appoggio, Libero);
    dx.CalcolaIperstatiche(prova::Rara());
    EXPECT_NEAR(dx.yFrMaxPlt(dx.nPt() - 1), -c * theta, Tol(c * theta));
    EXPECT_NEAR(dx.CampataI(2).FrecciaMax(), -c * theta, Tol(c * theta)); // never downward: the most negative
    // The same on the left.
    Velcora sx = Costruisci({{2, 0}, {6, 10}}, Libero, Appoggio);
    sx.CalcolaIperstatiche(prova::Rara());
    EXPECT_NEAR(sx.yFrMaxPlt(2), -c * theta, Tol(c * theta));
}

TEST(Frecce, DueCampateSoloCaricoVariabile) {
    Velcora t = Costruisci({{5, 0, 0, 10}, {5, 0, 0, 10}}, Appoggio, Appoggio);
    t.CalcolaIperstatiche(prova::Rara());
    for (int i = 1; i <= 2; ++i) {
        EXPECT_GT(t.CampataI(i).FrecciaMax(), 0.0f);
        EXPECT_LT(t.CampataI(i).FrecciaMin(), 0.0f); // lifted by loading the other span
    }
    EXPECT_FLOAT_EQ(t.FrecciaMaxCampata(1), t.FrecciaMaxCampata(2));
    EXPECT_EQ(t.FrecciaMaxTrave(), std::max(t.FrecciaMaxCampata(1), t.FrecciaMaxCampata(2)));
}

TEST(Frecce, NulleEsattamenteSugliAppoggi) {
    // A symmetric beam whose end spans never lift: the least of their minimum envelope is the
    // zero at the supports, exactly, on both sides, so both report their greatest value.
    Velcora t = Costruisci({{5, 30, 0, 2}, {6, 30, 0, 2}, {5, 30, 0, 2}}, Appoggio, Appoggio, 64);
    t.Dati_Fconc({{1, 20, 0, 5, 0, 2.0f}, {3, 20, 0, 5, 0, 3.0f}}, true);
    t.CalcolaIperstatiche(prova::Rara());
    for (int k = 1; k <= 4; ++k) {
        const int a = t.iFineCampata(k);
        for (int j : {a, a + 1}) {
            EXPECT_EQ(t.yFrMaxPlt(j), 0.0f) << j;
            EXPECT_EQ(t.yFrMinPlt(j), 0.0f) << j;
        }
    }
    EXPECT_GT(t.FrecciaMinCampata(1), 0.0f);
    EXPECT_FLOAT_EQ(t.FrecciaMinCampata(1), t.FrecciaMinCampata(3));
    EXPECT_FLOAT_EQ(t.FrecciaMaxCampata(1), t.FrecciaMaxCampata(3));
}

} // namespace
} // namespace vc
