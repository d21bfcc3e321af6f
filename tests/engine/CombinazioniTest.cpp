#include "TraviDiProva.h"

#include "engine/Combinazioni.h"

#include <gtest/gtest.h>

namespace vc {
namespace {

using prova::Costruisci;

struct Atteso {
    int stato, tipo;
    bool ometti;
    double perm, var;
};

// G1 = 10, G2 = 5, Q1 = 8, Q2 = 4 kN/m with the default factors.
TEST(Combinazioni, QuattroCasiConIFattoriDiDefault) {
    const Atteso casi[] = {
        {SLU, 0, false, 14.0, 22.7},           {SLU, 0, true, 14.0, 22.7}, // omitting G2 does nothing in SLU
        {SLE, SLERara, false, 15.0, 10.8},     {SLE, SLERara, true, 10.0, 15.8},
        {SLE, SLEFrequente, false, 15.0, 5.2}, {SLE, SLEFrequente, true, 10.0, 10.2},
        {SLE, SLEQuasiPermanente, false, 15.0, 3.6}, {SLE, SLEQuasiPermanente, true, 10.0, 8.6},
    };
    for (const Atteso& c : casi) {
        Impostazioni imp;
        imp.StatoLimite = c.stato;
        imp.TipoSLE = c.tipo;
        imp.OmettiG2Favorevole = c.ometti;
        const auto r = CombinaCarichi(10, 5, 8, 4, c.stato == SLU ? ModoCombinazione::Setta : ModoCombinazione::SLE, imp);
        ASSERT_TRUE(r);
        EXPECT_NEAR(r->Permanente, c.perm, 1e-5) << c.stato << "/" << c.tipo << "/" << c.ometti;
        EXPECT_NEAR(r->Variabile, c.var, 1e-5) << c.stato << "/" << c.tipo << "/" << c.ometti;
    }
}

TEST(Combinazioni, TipoSLESconosciutoLasciaICarichiEAzzeraLeForze) {
    Velcora t = Costruisci({{5, 10, 5, 8, 4}}, Appoggio, Appoggio);
    t.Dati_Fconc({{1, 10, 0, 10, 0, 2.5f}}, true);
    t.CalcolaIperstatiche(prova::Rara());
    Trave& c = t.CampataI(1);
    Impostazioni strano = prova::Rara();
    strano.TipoSLE = 5;
    c.CarichiSLU(ModoCombinazione::Setta, prova::SLUDefault()); // some other values first
    const float perm = c.CaricoDistribuitoPermanente;
    c.CarichiSLU(ModoCombinazione::SLE, strano);
    c.Carichi_FconcSLU(ModoCombinazione::SLE, strano);
    EXPECT_EQ(c.CaricoDistribuitoPermanente, perm);
    ASSERT_EQ(c.ForzeCombinate().size(), 1u);
    EXPECT_EQ(c.ForzeCombinate()[0].Perm, 0.0);
    EXPECT_EQ(c.ForzeCombinate()[0].Var, 0.0);
}

TEST(Combinazioni, DopoIlCalcoloLeForzeCombinateSonoAzzerateEICarichiRestano) {
    Velcora t = Costruisci({{5, 10, 5, 8, 4}}, Appoggio, Appoggio);
    t.Dati_Fconc({{1, 10, 0, 10, 0, 2.5f}}, true);
    t.CalcolaIperstatiche(prova::SLUDefault());
    const Trave& c = t.CampataI(1);
    EXPECT_NEAR(c.CaricoDistribuitoPermanente, 14.0, 1e-5);
    EXPECT_NEAR(c.CaricoDistribuitoVariabile, 22.7, 1e-5);
    for (const auto& f : c.ForzeCombinate()) {
        EXPECT_EQ(f.Perm, 0.0);
        EXPECT_EQ(f.Var, 0.0);
    }
}

TEST(Combinazioni, ICoefficientiNonUsatiNonCambianoNessunRisultato) {
    Velcora a = Costruisci({{5, 10, 5, 8, 4}, {6, 12, 3, 9, 5}}, Incastro, Appoggio);
    Velcora b = a;
    Impostazioni imp = prova::SLUDefault();
    a.CalcolaIperstatiche(imp);
    imp.CoefParz[8] = 0.11f;  // ψ0 of Q1
    imp.CoefParz[12] = 0.99f; // ψ1 of Q2
    b.CalcolaIperstatiche(imp);
    for (int j = 1; j <= a.nPt(); ++j) {
        EXPECT_EQ(a.yMmaxPlt(j), b.yMmaxPlt(j));
        EXPECT_EQ(a.yTminPlt(j), b.yTminPlt(j));
        EXPECT_EQ(a.yFrMaxPlt(j), b.yFrMaxPlt(j));
    }
}

TEST(Combinazioni, EtichetteDelleCombinazioni) {
    Impostazioni imp;
    imp.StatoLimite = SLU;
    EXPECT_STREQ(EtichettaCombinazione(imp), " - Sollecitazioni SLU");
    imp.StatoLimite = SLE;
    imp.TipoSLE = SLEQuasiPermanente;
    EXPECT_STREQ(EtichettaCombinazione(imp), " - Sollecitazioni SLE - Quasi permanente");
}

} // namespace
} // namespace vc
