// Support moments of the solved beam for the end restraints and cantilevers the solver knows.

#include "TraviDiProva.h"

#include <gtest/gtest.h>

namespace vc {
namespace {

using prova::Costruisci;
using prova::EJ;

double Rel(double atteso) { return 1e-5 * std::max(1.0, std::abs(atteso)); }

TEST(Iperstatiche, CampataSempliceNonHaIncognite) {
    Velcora t = Costruisci({{6, 10}}, Appoggio, Appoggio);
    t.CalcolaIperstatiche(prova::Rara());
    for (int s = 1; s <= 2; ++s)
        for (int c = 1; c <= 2; ++c) EXPECT_EQ(t.MiperAppI(s, c), 0.0);
    EXPECT_NEAR(t.CampataI(1).MomentoX(3, 1), 10 * 36 / 8.0, 1e-9);
    EXPECT_NEAR(t.CampataI(1).TaglioX(0, 1), 30, 1e-9);
    EXPECT_NEAR(t.CampataI(1).TaglioX(6, 1), -30, 1e-9);
}

TEST(Iperstatiche, MensolaIncastrataASinistra) {
    Velcora t = Costruisci({{3, 10, 0, 4}}, Incastro, Libero);
    t.CalcolaIperstatiche(prova::Rara());
    EXPECT_NEAR(t.MiperAppI(1, 1), -10 * 9 / 2.0, Rel(45));
    EXPECT_NEAR(t.MiperAppI(1, 2), -4 * 9 / 2.0, Rel(18));
    EXPECT_EQ(t.MiperAppI(2, 1), 0.0);
}

TEST(Iperstatiche, DoppioIncastro) {
    Velcora t = Costruisci({{6, 12}}, Incastro, Incastro);
    t.CalcolaIperstatiche(prova::Rara());
    EXPECT_NEAR(t.MiperAppI(1, 1), -12 * 36 / 12.0, Rel(36));
    EXPECT_NEAR(t.MiperAppI(2, 1), -12 * 36 / 12.0, Rel(36));
}

TEST(Iperstatiche, DueCampateUgualiTreMomenti) {
    Velcora t = Costruisci({{5, 10, 0, 8}, {5, 10, 0, 8}}, Appoggio, Appoggio);
    t.CalcolaIperstatiche(prova::Rara());
    EXPECT_NEAR(t.MiperAppI(2, 1), -10 * 25 / 8.0, Rel(31.25));
    EXPECT_NEAR(t.MiperAppI(2, 2), -8 * 25 / 16.0, Rel(12.5));
    EXPECT_NEAR(t.MiperAppI(2, 3), -8 * 25 / 16.0, Rel(12.5));
    EXPECT_EQ(t.MiperAppI(1, 2), 0.0);
    EXPECT_EQ(t.MiperAppI(3, 1), 0.0);
}

TEST(Iperstatiche, VincoloElasticoAggiungeLaCedevolezzaDellaMolla) {
    const double L = 6, q = 10, k = 20000;
    Velcora t = Costruisci({{6, 10}}, Appoggio, Elastico);
    t.kVincoloDestro = k;
    t.CalcolaIperstatiche(prova::Rara());
    const double atteso = -(q * L * L * L / (24 * EJ)) / (L / (3 * EJ) + 1 / k);
    EXPECT_NEAR(t.MiperAppI(2, 1), atteso, Rel(atteso));
    // A very stiff spring approaches the propped cantilever −qL²/8.
    t.kVincoloDestro = 1e12;
    t.CalcolaIperstatiche(prova::Rara());
    EXPECT_NEAR(t.MiperAppI(2, 1), -q * L * L / 8, 1e-3);
}

TEST(Iperstatiche, MensolaSinistraEntraNelSistemaENonVieneRidistribuita) {
    const double c = 1.5, L = 6, q = 10;
    Velcora t = Costruisci({{1.5f, 10}, {6, 10}}, Libero, Incastro);
    Impostazioni imp = prova::Rara();
    imp.DeltaRidist = 0.85f;
    t.CalcolaIperstatiche(imp);
    const double Mc = -q * c * c / 2;
    EXPECT_NEAR(t.MiperAppI(2, 1), Mc, Rel(Mc)); // statics, unscaled
    EXPECT_NEAR(t.MiperAppI(3, 1), 0.85 * (-q * L * L / 8 - Mc / 2), Rel(40));
    EXPECT_EQ(t.MiperAppI(1, 1), 0.0);
}

TEST(Iperstatiche, MensoleAEntrambeLeEstremita) {
    // Cantilevers 2 m, middle span 6 m, no unknowns: the middle span carries the two root moments.
    Velcora t = Costruisci({{2, 10}, {6, 10}, {2, 10}}, Libero, Libero);
    t.CalcolaIperstatiche(prova::Rara());
    EXPECT_NEAR(t.MiperAppI(2, 1), -20, Rel(20));
    EXPECT_NEAR(t.MiperAppI(3, 1), -20, Rel(20));
    EXPECT_NEAR(t.CampataI(2).MomentoX(3, 1), -20 + 10 * 36 / 8.0, 1e-4);
}

TEST(Iperstatiche, DeltaScalaOgniMomentoRisolto) {
    Velcora a = Costruisci({{5, 10, 0, 6}, {6, 12, 0, 8}, {4, 9, 0, 5}}, Incastro, Appoggio);
    Velcora b = a;
    a.CalcolaIperstatiche(prova::Rara());
    Impostazioni imp = prova::Rara();
    imp.DeltaRidist = 0.85f;
    b.CalcolaIperstatiche(imp);
    for (int s = 1; s <= 4; ++s)
        for (int c = 1; c <= 4; ++c) EXPECT_NEAR(b.MiperAppI(s, c), 0.85 * a.MiperAppI(s, c), 1e-5);
    // δ = 0 reads as no redistribution.
    imp.DeltaRidist = 0.0f;
    b.CalcolaIperstatiche(imp);
    EXPECT_EQ(b.MiperAppI(2, 1), a.MiperAppI(2, 1));
}

TEST(Iperstatiche, ForzeVariabiliSuUnaCampataCambianoSoloLaSuaColonna) {
    Velcora a = Costruisci({{5, 10, 0, 6}, {6, 12, 0, 8}, {4, 9, 0, 5}}, Appoggio, Incastro);
    Velcora b = a;
    b.Dati_Fconc({{2, 0, 0, 50, 0, 2.0f}}, true);
    a.CalcolaIperstatiche(prova::Rara());
    b.CalcolaIperstatiche(prova::Rara());
    for (int s = 1; s <= 4; ++s)
        for (int c = 1; c <= 4; ++c) {
            if (c == 3) continue;
            EXPECT_EQ(a.MiperAppI(s, c), b.MiperAppI(s, c)) << s << "," << c;
        }
    EXPECT_LT(b.MiperAppI(3, 3), a.MiperAppI(3, 3));
}

TEST(Iperstatiche, ForzaSuCampataInesistenteNonContaECoppieNonContano) {
    Velcora a = Costruisci({{5, 10}, {6, 12}}, Appoggio, Appoggio);
    Velcora b = a;
    b.Dati_Fconc({{7, 100, 0, 0, 0, 1.0f}}, true);
    b.Dati_Fconc({{1, 100, 50, 20, 20, 1.0f}}, false);
    a.CalcolaIperstatiche(prova::Rara());
    b.CalcolaIperstatiche(prova::Rara());
    ASSERT_EQ(a.nPt(), b.nPt());
    for (int j = 1; j <= a.nPt(); ++j) {
        EXPECT_EQ(a.yMmaxPlt(j), b.yMmaxPlt(j));
        EXPECT_EQ(a.yTminPlt(j), b.yTminPlt(j));
        EXPECT_EQ(a.yFrMaxPlt(j), b.yFrMaxPlt(j));
    }
}

TEST(Iperstatiche, MomentiEtagliDellaCampata) {
    Velcora t = Costruisci({{6, 10}}, Appoggio, Appoggio);
    t.Dati_Fconc({{1, 12, 0, 0, 0, 2.0f}}, true);
    t.CalcolaIperstatiche(prova::Rara());
    // The calculation clears the combined forces at its end: combine them again.
    t.CampataI(1).Carichi_FconcSLU(ModoCombinazione::SLE, prova::Rara());
    // Shear at a force: just to its left; beyond: the right value.
    EXPECT_NEAR(t.CampataI(1).TaglioX(2.0, 1), 10 + 12 * 4 / 6.0, 1e-5);
    EXPECT_NEAR(t.CampataI(1).TaglioX(2.0, 1, true), 10 + 12 * 4 / 6.0 - 12, 1e-5);
    EXPECT_NEAR(t.CampataI(1).MomentoX(2.0, 1), 10 * 2 * 4 / 2.0 + 12 * 2 * 4 / 6.0, 1e-5);
}

TEST(Iperstatiche, MensolaConForze) {
    // Left cantilever 2 m with P at its tip; force at the tip of a right cantilever too.
    Velcora t = Costruisci({{2, 0}, {6, 0}, {2, 0}}, Libero, Libero);
    t.Dati_Fconc({{1, 10, 0, 0, 0, 0.0f}, {3, 8, 0, 0, 0, 2.0f}}, true);
    t.CalcolaIperstatiche(prova::Rara());
    EXPECT_NEAR(t.MiperAppI(2, 1), -20, 1e-5);
    EXPECT_NEAR(t.MiperAppI(3, 1), -16, 1e-5);
    for (int i : {1, 3}) t.CampataI(i).Carichi_FconcSLU(ModoCombinazione::SLE, prova::Rara());
    const Trave& sx = t.CampataI(1);
    EXPECT_EQ(sx.TaglioX(0.0, 1), 0.0); // at the force: just to its left
    EXPECT_NEAR(sx.TaglioX(1.0, 1), -10, 1e-9);
    const Trave& dx = t.CampataI(3);
    EXPECT_NEAR(dx.TaglioX(2.0, 1), 8, 1e-9); // +P up to and at the force
}

} // namespace
} // namespace vc
