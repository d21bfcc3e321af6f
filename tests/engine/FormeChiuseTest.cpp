// Textbook results of beam theory, obtained through the whole calculation: support moments,
// envelopes, reactions and deflections of beams whose answer is known in closed form.

#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "support/Messaggi.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace vc {
namespace {

// Rectangle 0.3 × 0.5 m, E = 3·10⁷ kN/m².
constexpr float E = 3.0e7f;
constexpr float B = 0.3f, H = 0.5f;
const double EJ = static_cast<double>(E) * B * H * H * H / 12.0;

struct Campata {
    float L;
    float g1 = 0; // permanent load of the "rara" combination
    float q1 = 0; // variable load of the "rara" combination
};

// SLE "rara" with Q2 = G2 = 0: the permanent part is G1, the variable part Q1, unfactored.
Impostazioni Rara() {
    Impostazioni imp;
    imp.StatoLimite = SLE;
    imp.TipoSLE = SLERara;
    return imp;
}

// Forces are rows of the table: span, F(g1), F(g2), F(q1), F(q2), d.
Velcora Calcola(const std::vector<Campata>& campate, int sinistro = Appoggio, int destro = Appoggio,
                double kSx = 0, double kDx = 0, const std::vector<RigaCarichi>& forze = {},
                int divisioni = 64) {
    Velcora t;
    t.nCampate(static_cast<int>(campate.size()));
    t.nSezioni(1);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezRettangolare, {{{B, H}, {0, 0}}}, E);
    for (std::size_t i = 0; i < campate.size(); ++i)
        t.InserisceDatiCampata(static_cast<int>(i + 1), campate[i].L, campate[i].g1, 0, campate[i].q1, 0, 1);
    t.VincoloSinistro = sinistro;
    t.VincoloDestro = destro;
    t.kVincoloSinistro = kSx;
    t.kVincoloDestro = kDx;
    t.Kutente = true;
    t.nDivisioniPlt = divisioni;
    if (!forze.empty()) t.Dati_Fconc(forze, true);
    MessaggiRegistrati msg;
    EXPECT_TRUE(t.CalcolaSezioni(msg));
    t.CalcolaIperstatiche(Rara());
    return t;
}

// The diagram point of span i at local abscissa x (the spans below are sampled at exact
// binary steps, so the abscissas are exact).
int Punto(const Velcora& t, int i, double x) {
    const double x0 = t.xPlt(t.iFineCampata(i));
    for (int j = t.iFineCampata(i) + 1; j <= t.iFineCampata(i + 1); ++j)
        if (std::abs(t.xPlt(j) - x0 - x) < 1e-6) return j;
    ADD_FAILURE() << "no diagram point at x = " << x << " in span " << i;
    return t.iFineCampata(i) + 1;
}

// Results are stored in single precision.
void Vicino(double ottenuto, double atteso, const char* cosa) {
    EXPECT_NEAR(ottenuto, atteso, 2e-6 * std::abs(atteso) + 1e-9) << cosa;
}

// ---------------------------------------------------------------------------------------------

TEST(FormeChiuseCampataSingola, AppoggiataCaricoUniforme) {
    const double L = 8, q = 10;
    const Velcora t = Calcola({{8, 10}});
    const int mezzo = Punto(t, 1, L / 2);
    Vicino(t.yMmaxPlt(mezzo), q * L * L / 8, "M in mezzeria");
    Vicino(t.MmaxCam(1), q * L * L / 8, "MmaxCam");
    Vicino(t.xMmaxCam(1), L / 2, "posizione di MmaxCam");
    Vicino(t.yTmaxPlt(t.iFineCampata(1) + 1), q * L / 2, "taglio all'appoggio sinistro");
    Vicino(t.yTminPlt(t.iFineCampata(2)), -q * L / 2, "taglio all'appoggio destro");
    Vicino(t.yFrMaxPlt(mezzo), 5 * q * std::pow(L, 4) / (384 * EJ), "freccia 5qL⁴/384EJ");
    Vicino(t.FrecciaMaxCampata(1), 5 * q * std::pow(L, 4) / (384 * EJ), "FrecciaMax");
    Vicino(t.ReazMax(1), q * L / 2, "reazione sinistra");
    Vicino(t.ReazMax(2), q * L / 2, "reazione destra");
    EXPECT_EQ(t.MiperAppI(1, 1), 0.0);
    EXPECT_EQ(t.MiperAppI(2, 1), 0.0);
}

TEST(FormeChiuseCampataSingola, IncastrataAgliEstremi) {
    const double L = 8, q = 12;
    const Velcora t = Calcola({{8, 12}}, Incastro, Incastro);
    Vicino(t.MiperAppI(1, 1), -q * L * L / 12, "momento d'incastro sinistro");
    Vicino(t.MiperAppI(2, 1), -q * L * L / 12, "momento d'incastro destro");
    const int mezzo = Punto(t, 1, L / 2);
    Vicino(t.yMmaxPlt(mezzo), q * L * L / 24, "M in mezzeria");
    Vicino(t.yFrMaxPlt(mezzo), q * std::pow(L, 4) / (384 * EJ), "freccia qL⁴/384EJ");
    Vicino(t.ReazMax(1), q * L / 2, "reazione");
}

TEST(FormeChiuseCampataSingola, IncastrataEAppoggiata) {
    const double L = 8, q = 6;
    const Velcora t = Calcola({{8, 6}}, Incastro, Appoggio);
    Vicino(t.MiperAppI(1, 1), -q * L * L / 8, "momento d'incastro");
    Vicino(t.MmaxCam(1), 9 * q * L * L / 128, "momento massimo 9qL²/128");
    Vicino(t.xMmaxCam(1), 5 * L / 8, "a 3L/8 dall'appoggio");
    Vicino(t.ReazMax(1), 5 * q * L / 8, "reazione all'incastro");
    Vicino(t.ReazMax(2), 3 * q * L / 8, "reazione all'appoggio");
}

TEST(FormeChiuseCampataSingola, MensolaIncastrataASinistra) {
    const double L = 4, g = 5, q = 3;
    const Velcora t = Calcola({{4, 5, 3}}, Incastro, Libero);
    Vicino(t.MiperAppI(1, 1), -g * L * L / 2, "momento d'incastro, permanente");
    Vicino(t.MiperAppI(1, 2), -q * L * L / 2, "momento d'incastro, variabile");
    Vicino(t.MminApp(1), -(g + q) * L * L / 2, "MminApp");
    Vicino(t.yFrMaxPlt(t.nPt() - 1), (g + q) * std::pow(L, 4) / (8 * EJ), "freccia in punta qL⁴/8EJ");
    Vicino(t.yFrMinPlt(t.nPt() - 1), g * std::pow(L, 4) / (8 * EJ), "freccia in punta, solo permanente");
    Vicino(t.ReazMax(1), (g + q) * L, "reazione all'incastro");
    EXPECT_EQ(t.ReazMax(2), 0.0f) << "the free end carries no reaction";
    EXPECT_EQ(t.ReazMin(2), 0.0f);
}

TEST(FormeChiuseCampataSingola, MensolaIncastrataADestraUsaIlMomentoAllaRadice) {
    // The left cantilever's deflection comes from the moment at its root, at its right end.
    const double L = 4, g = 5, P = 7;
    const Velcora t = Calcola({{4, 5}}, Libero, Incastro, 0, 0, {{1, 7, 0, 0, 0, 0}});
    Vicino(t.MiperAppI(2, 1), -g * L * L / 2 - P * L, "momento d'incastro");
    const double punta = g * std::pow(L, 4) / (8 * EJ) + P * L * L * L / (3 * EJ);
    Vicino(t.yFrMaxPlt(1), punta, "freccia in punta, punto 1");
    Vicino(t.yFrMaxPlt(2), punta, "freccia in punta, punto 2");
    Vicino(t.FrecciaMaxCampata(1), punta, "FrecciaMax");
    EXPECT_NEAR(t.yFrMaxPlt(t.nPt() - 1), 0, 1e-12) << "no deflection at the built-in end";
    EXPECT_EQ(t.ReazMax(1), 0.0f) << "a force at the free tip is a load, not a reaction";
    Vicino(t.ReazMax(2), g * L + P, "reazione all'incastro");
    EXPECT_NEAR(t.yTmaxPlt(2), 0, 1e-9) << "shear just left of the tip force";
}

TEST(FormeChiuseCampataSingola, VincoloElasticoTraAppoggioEIncastro) {
    const double L = 8, q = 10;
    const auto momento = [&](double k) { return Calcola({{8, 10}}, Elastico, Appoggio, k).MiperAppI(1, 1); };
    for (const double k : {0.5 * EJ / L, 3 * EJ / L, 40 * EJ / L}) {
        Vicino(momento(k), -(q * L * L / 8) / (1 + 3 * EJ / (k * L)), "molla a sinistra");
    }
    EXPECT_NEAR(momento(1e6 * EJ / L), -q * L * L / 8, 1e-4 * q * L * L) << "a stiff spring is a fixed end";
    EXPECT_NEAR(momento(1e-6 * EJ / L), 0, 1e-4 * q * L * L) << "a soft spring is a simple support";

    const double k = 2 * EJ / L;
    const Velcora t = Calcola({{8, 10}}, Elastico, Elastico, k, k);
    const double M = -(q * L * L / 12) / (1 + 2 * EJ / (k * L));
    Vicino(t.MiperAppI(1, 1), M, "molle uguali, sinistra");
    Vicino(t.MiperAppI(2, 1), M, "molle uguali, destra");
    Vicino(t.yFrMaxPlt(Punto(t, 1, L / 2)), 5 * q * std::pow(L, 4) / (384 * EJ) + M * L * L / (8 * EJ),
           "freccia in mezzeria con i momenti d'estremità");

    const Velcora rigida = Calcola({{8, 10}}, Elastico, Elastico, 1e7 * EJ / L, 1e7 * EJ / L);
    EXPECT_NEAR(rigida.yFrMaxPlt(Punto(rigida, 1, L / 2)), q * std::pow(L, 4) / (384 * EJ),
                1e-5 * q * std::pow(L, 4) / (384 * EJ));
}

// ---------------------------------------------------------------------------------------------

TEST(FormeChiuseTraveContinua, DueCampateUguali) {
    const double L = 8, g = 10, q = 4;
    const Velcora t = Calcola({{8, 10, 4}, {8, 10, 4}});
    Vicino(t.MiperAppI(2, 1), -g * L * L / 8, "tutte caricate: −qL²/8");
    Vicino(t.MiperAppI(2, 2), -q * L * L / 16, "una sola campata: −qL²/16");
    Vicino(t.MiperAppI(2, 3), -q * L * L / 16, "l'altra campata: −qL²/16");
    Vicino(t.MminApp(2), -(g + q) * L * L / 8, "MminApp");
    Vicino(t.MmaxApp(2), -g * L * L / 8, "MmaxApp");
    Vicino(t.ReazMax(2), 10 * (g + q) * L / 8, "reazione centrale");
    Vicino(t.ReazMax(1), 3 * g * L / 8 + 7 * q * L / 16, "reazione d'estremità massima");
    Vicino(t.ReazMin(1), 3 * g * L / 8 - q * L / 16, "reazione d'estremità minima");
    // Both supports of the middle stand twice: the moment is continuous, the shear jumps.
    const int a = t.iFineCampata(2);
    Vicino(t.yMminPlt(a), t.yMminPlt(a + 1), "momento ai due lati dell'appoggio");
    Vicino(t.yTminPlt(a), -5 * (g + q) * L / 8, "taglio a sinistra dell'appoggio");
    Vicino(t.yTmaxPlt(a + 1), 5 * (g + q) * L / 8, "taglio a destra dell'appoggio");
}

TEST(FormeChiuseTraveContinua, TreCampateUguali) {
    const double L = 4, g = 9, q = 6;
    const Velcora t = Calcola({{4, 9, 6}, {4, 9, 6}, {4, 9, 6}}, Appoggio, Appoggio, 0, 0, {}, 96);
    Vicino(t.MiperAppI(2, 1), -g * L * L / 10, "−qL²/10");
    Vicino(t.MiperAppI(3, 1), -g * L * L / 10, "−qL²/10");
    Vicino(t.MiperAppI(2, 2), -q * L * L / 15, "prima campata caricata, primo appoggio");
    Vicino(t.MiperAppI(3, 2), q * L * L / 60, "prima campata caricata, secondo appoggio");
    // The end reaction swings by 13/30 (span 1 loaded), −1/20 (span 2) and 1/60 (span 3) of qL.
    Vicino(t.ReazMax(1) - t.ReazMin(1), q * L / 2, "escursione della reazione d'estremità");
}

TEST(FormeChiuseTraveContinua, SbalzoOltreLAppoggio) {
    const double L = 8, c = 2, P = 10;
    const Velcora t = Calcola({{8}, {2}}, Appoggio, Libero, 0, 0, {{2, 10, 0, 0, 0, 2}});
    Vicino(t.MiperAppI(2, 1), -P * c, "momento all'appoggio");
    Vicino(t.ReazMax(1), -P * c / L, "la campata si solleva all'appoggio sinistro");
    Vicino(t.ReazMax(2), P * (1 + c / L), "reazione all'appoggio dello sbalzo");
    EXPECT_EQ(t.ReazMax(3), 0.0f);
    Vicino(t.yFrMaxPlt(t.nPt() - 1), P * c * c * (L + c) / (3 * EJ), "freccia in punta Pc²(L+c)/3EJ");
}

TEST(FormeChiuseTraveContinua, ForzaSullAppoggioVaNellaReazione) {
    // On two equal spans a force standing on the middle support bends nothing.
    const double P = 25;
    for (const RigaCarichi& forza : {RigaCarichi{1, 25, 0, 0, 0, 8}, RigaCarichi{2, 25, 0, 0, 0, 0}}) {
        SCOPED_TRACE(forza[0] == 1 ? "d = L della campata 1" : "d = 0 della campata 2");
        const Velcora t = Calcola({{8}, {8}}, Appoggio, Appoggio, 0, 0, {forza});
        Vicino(t.ReazMax(2), P, "reazione centrale");
        EXPECT_NEAR(t.ReazMax(1), 0, 1e-6);
        EXPECT_NEAR(t.ReazMax(3), 0, 1e-6);
        EXPECT_NEAR(t.MiperAppI(2, 1), 0, 1e-6);
        EXPECT_NEAR(t.yFrMaxPlt(Punto(t, 1, 4)), 0, 1e-12);
        EXPECT_NEAR(t.MmaxCam(1), 0, 1e-6);
        EXPECT_NEAR(t.yTminPlt(t.iFineCampata(2)), 0, 1e-6) << "span 1 carries no shear at its end";
    }
}

TEST(FormeChiuseTraveContinua, TaglioAllAscissaDellaForzaEQuelloDiSinistra) {
    const double L = 8, P = 16, d = 3;
    const Velcora t = Calcola({{8}}, Appoggio, Appoggio, 0, 0, {{1, 16, 0, 0, 0, 3}});
    const int j = Punto(t, 1, d);
    Vicino(t.yTmaxPlt(j), P * (L - d) / L, "taglio alla forza");
    Vicino(t.yTmaxPlt(j + 1), -P * d / L, "taglio subito dopo la forza");
    Vicino(t.yMmaxPlt(j), P * d * (L - d) / L, "momento sotto la forza");
    Vicino(t.yFrMaxPlt(j), P * d * d * (L - d) * (L - d) / (3 * EJ * L), "freccia sotto la forza");
}

} // namespace
} // namespace vc
