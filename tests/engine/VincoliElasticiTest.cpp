#include "engine/VincoliElastici.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vc {
namespace {

// A 0.30 × 0.30 column, 3 m high, E 30000 N/mm²; the same column above when asked.
DatiPilastri Pilastro(bool sopra) {
    DatiPilastri d{0.30, 0.30, 0, 3.0, 0, 0, 0, 0, 30000};
    if (sopra) {
        d[4] = 0.30;
        d[5] = 0.30;
        d[7] = 3.0;
    }
    AggiornaInerzie(d);
    return d;
}

TEST(VincoliElastici, InerziaDaiLatiDelPilastro) {
    EXPECT_NEAR(InerziaPilastro(0.30, 0.30), 0.000675, 1e-12);
    // a is the side in the plane of bending: it enters cubed.
    EXPECT_NEAR(InerziaPilastro(0.40, 0.30), 0.0016, 1e-12);
    EXPECT_NEAR(InerziaPilastro(0.30, 0.40), 0.0009, 1e-12);
    DatiPilastri d{0.4, 0.3, 99, 3, 0.3, 0.4, 99, 3, 30000};
    AggiornaInerzie(d);
    EXPECT_NEAR(d[2], 0.0016, 1e-12);
    EXPECT_NEAR(d[6], 0.0009, 1e-12);
}

TEST(VincoliElastici, RigidezzaNelleQuattroSituazioni) {
    EXPECT_NEAR(RigidezzaCalcola(PortaleIncastrato, Pilastro(false)), 27000.0, 1e-6);
    EXPECT_NEAR(RigidezzaCalcola(PortaleIncernierato, Pilastro(false)), 20250.0, 1e-6);
    EXPECT_NEAR(RigidezzaCalcola(PianoTipo, Pilastro(true)), 81000.0, 1e-6);
    // piano primo: 4EJ1/L1 below + 2·3EJ2/L2 above.
    EXPECT_NEAR(RigidezzaCalcola(PianoPrimo, Pilastro(true)), 27000.0 + 2 * 20250.0, 1e-6);
}

TEST(VincoliElastici, IlPilastroSuperioreContaSoloDovePrevisto) {
    // The column above is ignored by the two portal frames, whatever its data.
    EXPECT_NEAR(RigidezzaCalcola(PortaleIncastrato, Pilastro(true)), 27000.0, 1e-6);
    EXPECT_NEAR(RigidezzaCalcola(PortaleIncernierato, Pilastro(true)), 20250.0, 1e-6);
    EXPECT_FALSE(SecondoPilastro(PortaleIncernierato));
    EXPECT_FALSE(SecondoPilastro(PortaleIncastrato));
    EXPECT_TRUE(SecondoPilastro(PianoPrimo));
    EXPECT_TRUE(SecondoPilastro(PianoTipo));
}

TEST(VincoliElastici, AltezzaNullaTogliIlTermine) {
    DatiPilastri d = Pilastro(true);
    d[3] = 0; // lower column without height
    EXPECT_NEAR(RigidezzaCalcola(PianoTipo, d), 2 * 20250.0, 1e-6);
    EXPECT_EQ(RigidezzaCalcola(PortaleIncastrato, d), 0.0);
    d[7] = 0;
    EXPECT_EQ(RigidezzaCalcola(PianoTipo, d), 0.0);
    EXPECT_EQ(RigidezzaCalcola(7, Pilastro(true)), 0.0);
}

TEST(VincoliElastici, PosizioniDeiLati) {
    for (int p = 1; p <= 9; ++p) EXPECT_EQ(LatoPilastro(p), p == 1 || p == 2 || p == 5 || p == 6) << p;
    EXPECT_EQ(TestiSituazioni()[0], "portale incernierato");
    EXPECT_EQ(TestiSituazioni()[3], "piano tipo");
}

TEST(VincoliElastici, SceltaDelVincoloAllApertura) {
    SceltaVincolo s = ScegliVincolo(Elastico, Elastico);
    EXPECT_TRUE(s.SinistraAbilitata);
    EXPECT_TRUE(s.DestraAbilitata);
    EXPECT_TRUE(s.Sinistra);
    s = ScegliVincolo(Elastico, Incastro);
    EXPECT_TRUE(s.SinistraAbilitata);
    EXPECT_FALSE(s.DestraAbilitata);
    EXPECT_TRUE(s.Sinistra);
    s = ScegliVincolo(Appoggio, Elastico);
    EXPECT_FALSE(s.SinistraAbilitata);
    EXPECT_TRUE(s.DestraAbilitata);
    EXPECT_FALSE(s.Sinistra);
}

Velcora DueCampate() {
    Velcora t;
    t.nCampate(2);
    t.nSezioni(2);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezRettangolare, {{{0.3f, 0.5f}, {0, 0}}}, 3.0e7f);
    t.InserisceDatiSezione(2, SezRettangolare, {{{0.3f, 0.6f}, {0, 0}}}, 3.3e7f);
    t.InserisceDatiCampata(1, 5, 10, 0, 0, 0, 1);
    t.InserisceDatiCampata(2, 6, 10, 0, 0, 0, 2);
    t.VincoloSinistro = Elastico;
    t.VincoloDestro = Elastico;
    return t;
}

TEST(VincoliElastici, AperturaPrendeIlModuloDalleCampateDiEstremita) {
    Velcora t = DueCampate();
    t.Dati({0.3, 0.3, 0.000675, 3, 0, 0, 0, 0, 12345}, true);
    t.Dati({0.4, 0.4, 0.0021333, 3.5, 0.4, 0.4, 0.0021333, 3.2, 12345}, false);
    t.iTipoVincElastSx = PortaleIncastrato;
    t.iTipoVincElastDx = PianoTipo;
    t.kVincoloSinistro = 27000;
    t.kVincoloDestro = 5;
    const DatiVincoliElastici d = CaricaVincoliElastici(t);
    EXPECT_DOUBLE_EQ(d.Pilastri[0][8], 30000.0);
    EXPECT_DOUBLE_EQ(d.Pilastri[1][8], 33000.0);
    EXPECT_DOUBLE_EQ(d.Pilastri[1][7], 3.2);
    EXPECT_EQ(d.Tipo[0], PortaleIncastrato);
    EXPECT_EQ(d.Tipo[1], PianoTipo);
    EXPECT_EQ(d.K[0], 27000.0);
    EXPECT_EQ(d.K[1], 5.0);
    EXPECT_FALSE(d.Kutente);
}

TEST(VincoliElastici, AperturaSenzaSezioniSegnalaLErrore) {
    Velcora t;
    t.nCampate(1);
    EXPECT_THROW(CaricaVincoliElastici(t), std::out_of_range);
}

TEST(VincoliElastici, ConfermaConKUtenteAzzeraIDatiDeiPilastri) {
    Velcora t = DueCampate();
    DatiVincoliElastici d;
    d.Tipo = {PianoPrimo, PianoTipo};
    d.Pilastri[0] = Pilastro(true);
    d.Pilastri[1] = Pilastro(true);
    d.K = {111, 222};
    d.Kutente = false;
    SalvaVincoliElastici(t, d);
    EXPECT_EQ(t.iTipoVincElastSx, PianoPrimo);
    EXPECT_EQ(t.iTipoVincElastDx, PianoTipo);
    EXPECT_DOUBLE_EQ(t.Dato_Dx(8), 3.0);
    EXPECT_EQ(t.kVincoloSinistro, 111);

    d.Kutente = true;
    SalvaVincoliElastici(t, d);
    EXPECT_TRUE(t.Kutente);
    EXPECT_EQ(t.kVincoloSinistro, 111);
    EXPECT_EQ(t.kVincoloDestro, 222);
    EXPECT_EQ(t.iTipoVincElastSx, 0);
    EXPECT_EQ(t.iTipoVincElastDx, 0);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(t.Dato_Sx(i), 0.0) << i;
        EXPECT_EQ(t.Dato_Dx(i), 0.0) << i;
    }
}

} // namespace
} // namespace vc
