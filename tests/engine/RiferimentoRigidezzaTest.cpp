// The reference solver against textbook results and against the laws every solution of a
// continuous beam obeys. The engine comparison relies on it, so it is checked on its own first.

#include "RiferimentoRigidezza.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace vc::test {
namespace {

constexpr double EJ = 2.0e4; // kNm²

CampataRif Campata(double L, double q, std::vector<ForzaRif> forze = {}, double ej = EJ) {
    return CampataRif{L, ej, q, std::move(forze)};
}

TraveRif Trave(std::vector<CampataRif> campate, EstremoRif sx, EstremoRif dx, double kSx = 0,
               double kDx = 0) {
    return TraveRif{std::move(campate), sx, dx, kSx, kDx};
}

// ---------------------------------------------------------------------------------------------
// The dense solver.

TEST(RiferimentoRisolviDenso, ScambiaLeRigheQuandoIlPivotENullo) {
    // The first pivot is zero: without row exchange the elimination would divide by zero.
    const std::vector<double> x = RisolviDenso({{0, 2, 1}, {1, 1, 1}, {2, 1, 3}}, {5, 5, 12});
    ASSERT_EQ(x.size(), 3u);
    EXPECT_NEAR(x[0], 1.0, 1e-12);
    EXPECT_NEAR(x[1], 1.0, 1e-12);
    EXPECT_NEAR(x[2], 3.0, 1e-12);
}

TEST(RiferimentoRisolviDenso, PivotPiccoloNonDegradaLaSoluzione) {
    // A tiny leading pivot ruins elimination without pivoting; with it the answer is exact.
    const std::vector<double> x = RisolviDenso({{1e-17, 1}, {1, 1}}, {1, 2});
    EXPECT_NEAR(x[0], 1.0, 1e-12);
    EXPECT_NEAR(x[1], 1.0, 1e-12);
}

TEST(RiferimentoRisolviDenso, SegnalaLaMatriceSingolare) {
    EXPECT_THROW(RisolviDenso({{1, 2}, {2, 4}}, {1, 2}), MeccanismoRif);
    EXPECT_THROW(RisolviDenso({{1, 2}}, {1, 2}), std::invalid_argument);
}

// ---------------------------------------------------------------------------------------------
// One span.

TEST(RiferimentoCampataSingola, AppoggiataConCaricoUniforme) {
    const double L = 6, q = 10;
    const SoluzioneRif s =
        RisolviRiferimento(Trave({Campata(L, q)}, EstremoRif::Appoggio, EstremoRif::Appoggio));
    EXPECT_NEAR(s.Momento(1, L / 2), q * L * L / 8, 1e-9);
    EXPECT_NEAR(s.MomentoAppoggio(1), 0, 1e-9);
    EXPECT_NEAR(s.MomentoAppoggio(2), 0, 1e-9);
    EXPECT_NEAR(s.Taglio(1, 0, Lato::Destro), q * L / 2, 1e-9);
    EXPECT_NEAR(s.Taglio(1, L, Lato::Sinistro), -q * L / 2, 1e-9);
    EXPECT_NEAR(s.Freccia(1, L / 2), 5 * q * std::pow(L, 4) / (384 * EJ), 1e-12);
    EXPECT_NEAR(s.Pendenza(1, 0), q * L * L * L / (24 * EJ), 1e-12);
    EXPECT_NEAR(s.Reazione(1), q * L / 2, 1e-9);
    EXPECT_NEAR(s.Reazione(2), q * L / 2, 1e-9);
}

TEST(RiferimentoCampataSingola, AppoggiataConForzaConcentrata) {
    const double L = 6, P = 12, a = 2, b = L - a;
    const SoluzioneRif s =
        RisolviRiferimento(Trave({Campata(L, 0, {{P, a}})}, EstremoRif::Appoggio, EstremoRif::Appoggio));
    EXPECT_NEAR(s.Momento(1, a), P * a * b / L, 1e-9);
    EXPECT_NEAR(s.Taglio(1, a, Lato::Sinistro), P * b / L, 1e-9);
    EXPECT_NEAR(s.Taglio(1, a, Lato::Destro), -P * a / L, 1e-9);
    EXPECT_NEAR(s.Freccia(1, a), P * a * a * b * b / (3 * EJ * L), 1e-12);
    EXPECT_NEAR(s.Reazione(1), P * b / L, 1e-9);
    EXPECT_NEAR(s.Reazione(2), P * a / L, 1e-9);
}

TEST(RiferimentoCampataSingola, IncastrataAgliEstremi) {
    const double L = 5, q = 8;
    const SoluzioneRif s =
        RisolviRiferimento(Trave({Campata(L, q)}, EstremoRif::Incastro, EstremoRif::Incastro));
    EXPECT_NEAR(s.MomentoAppoggio(1), -q * L * L / 12, 1e-9);
    EXPECT_NEAR(s.MomentoAppoggio(2), -q * L * L / 12, 1e-9);
    EXPECT_NEAR(s.Momento(1, L / 2), q * L * L / 24, 1e-9);
    EXPECT_NEAR(s.Freccia(1, L / 2), q * std::pow(L, 4) / (384 * EJ), 1e-12);
    EXPECT_NEAR(s.Pendenza(1, 0), 0, 1e-15);

    const double P = 20, a = 1.5, b = L - a;
    const SoluzioneRif f =
        RisolviRiferimento(Trave({Campata(L, 0, {{P, a}})}, EstremoRif::Incastro, EstremoRif::Incastro));
    EXPECT_NEAR(f.MomentoAppoggio(1), -P * a * b * b / (L * L), 1e-9);
    EXPECT_NEAR(f.MomentoAppoggio(2), -P * a * a * b / (L * L), 1e-9);
    EXPECT_NEAR(f.Reazione(1), P * b * b * (3 * a + b) / (L * L * L), 1e-9);
    EXPECT_NEAR(f.Reazione(2), P * a * a * (a + 3 * b) / (L * L * L), 1e-9);
}

TEST(RiferimentoCampataSingola, IncastrataEAppoggiata) {
    const double L = 4, q = 15;
    const SoluzioneRif s =
        RisolviRiferimento(Trave({Campata(L, q)}, EstremoRif::Incastro, EstremoRif::Appoggio));
    EXPECT_NEAR(s.MomentoAppoggio(1), -q * L * L / 8, 1e-9);
    EXPECT_NEAR(s.Reazione(1), 5 * q * L / 8, 1e-9);
    EXPECT_NEAR(s.Reazione(2), 3 * q * L / 8, 1e-9);
    EXPECT_NEAR(s.Momento(1, 5 * L / 8), 9 * q * L * L / 128, 1e-9);
    EXPECT_NEAR(s.Taglio(1, 5 * L / 8, Lato::Sinistro), 0, 1e-9);
}

TEST(RiferimentoCampataSingola, MensolaIncastrataASinistra) {
    const double L = 3, q = 6, P = 9;
    const SoluzioneRif s =
        RisolviRiferimento(Trave({Campata(L, q, {{P, L}})}, EstremoRif::Incastro, EstremoRif::Libero));
    EXPECT_NEAR(s.MomentoAppoggio(1), -q * L * L / 2 - P * L, 1e-9);
    EXPECT_NEAR(s.MomentoAppoggio(2), 0, 1e-9);
    EXPECT_NEAR(s.Reazione(1), q * L + P, 1e-9);
    EXPECT_NEAR(s.Reazione(2), 0, 1e-12)
        << "the free end carries no reaction, the force at its tip is a load";
    EXPECT_NEAR(s.Freccia(1, L), q * std::pow(L, 4) / (8 * EJ) + P * L * L * L / (3 * EJ), 1e-12);
    EXPECT_NEAR(s.Pendenza(1, L), q * L * L * L / (6 * EJ) + P * L * L / (2 * EJ), 1e-12);
    EXPECT_NEAR(s.Taglio(1, L, Lato::Sinistro), P, 1e-9);
    EXPECT_NEAR(s.Taglio(1, L, Lato::Destro), 0, 1e-9);
}

TEST(RiferimentoCampataSingola, MensolaIncastrataADestra) {
    const double L = 2.5, q = 4, P = 7;
    const SoluzioneRif s =
        RisolviRiferimento(Trave({Campata(L, q, {{P, 0}})}, EstremoRif::Libero, EstremoRif::Incastro));
    EXPECT_NEAR(s.MomentoAppoggio(2), -q * L * L / 2 - P * L, 1e-9);
    EXPECT_NEAR(s.Reazione(1), 0, 1e-12);
    EXPECT_NEAR(s.Reazione(2), q * L + P, 1e-9);
    EXPECT_NEAR(s.Freccia(1, 0), q * std::pow(L, 4) / (8 * EJ) + P * L * L * L / (3 * EJ), 1e-12);
    EXPECT_NEAR(s.Taglio(1, 0, Lato::Sinistro), 0, 1e-12);
    EXPECT_NEAR(s.Taglio(1, 0, Lato::Destro), -P, 1e-9);
    EXPECT_NEAR(s.Taglio(1, L, Lato::Sinistro), -P - q * L, 1e-9);
}

TEST(RiferimentoCampataSingola, MollaRotazionaleTraAppoggioEIncastro) {
    const double L = 5, q = 10;
    const auto momentoMolla = [&](double k) {
        return RisolviRiferimento(Trave({Campata(L, q)}, EstremoRif::Molla, EstremoRif::Appoggio, k))
            .MomentoAppoggio(1);
    };
    const double k = 3 * EJ / L; // the spring as stiff as the span's far-end-pinned rotation
    EXPECT_NEAR(momentoMolla(k), -(q * L * L / 8) / (1 + 3 * EJ / (k * L)), 1e-9);
    EXPECT_NEAR(momentoMolla(1e14), -q * L * L / 8, 1e-6);
    EXPECT_NEAR(momentoMolla(1e-6), 0, 1e-6);

    const SoluzioneRif s =
        RisolviRiferimento(Trave({Campata(L, q)}, EstremoRif::Molla, EstremoRif::Molla, k, 2 * k));
    EXPECT_NEAR(s.MomentoAppoggio(1), -k * s.PendenzaNodo(1), 1e-9);
    EXPECT_NEAR(s.MomentoAppoggio(2), 2 * k * s.PendenzaNodo(2), 1e-9);
    const SoluzioneRif simm =
        RisolviRiferimento(Trave({Campata(L, q)}, EstremoRif::Molla, EstremoRif::Molla, k, k));
    EXPECT_NEAR(simm.MomentoAppoggio(1), -(q * L * L / 12) / (1 + 2 * EJ / (k * L)), 1e-9);
}

// ---------------------------------------------------------------------------------------------
// Several spans.

TEST(RiferimentoTraveContinua, DueCampateUguali) {
    const double L = 5, q = 12;
    const SoluzioneRif tutte =
        RisolviRiferimento(Trave({Campata(L, q), Campata(L, q)}, EstremoRif::Appoggio, EstremoRif::Appoggio));
    EXPECT_NEAR(tutte.MomentoAppoggio(2), -q * L * L / 8, 1e-9);
    EXPECT_NEAR(tutte.Reazione(1), 3 * q * L / 8, 1e-9);
    EXPECT_NEAR(tutte.Reazione(2), 10 * q * L / 8, 1e-9);
    EXPECT_NEAR(tutte.Reazione(3), 3 * q * L / 8, 1e-9);
    EXPECT_NEAR(tutte.Pendenza(1, L), 0, 1e-12);

    const SoluzioneRif una =
        RisolviRiferimento(Trave({Campata(L, q), Campata(L, 0)}, EstremoRif::Appoggio, EstremoRif::Appoggio));
    EXPECT_NEAR(una.MomentoAppoggio(2), -q * L * L / 16, 1e-9);
    EXPECT_NEAR(una.Reazione(1), 7 * q * L / 16, 1e-9);
    EXPECT_NEAR(una.Reazione(2), 10 * q * L / 16, 1e-9);
    EXPECT_NEAR(una.Reazione(3), -q * L / 16, 1e-9);
    EXPECT_LT(una.Freccia(2, L / 2), 0) << "the unloaded span lifts";
}

TEST(RiferimentoTraveContinua, TreCampateUguali) {
    const double L = 4, q = 9;
    const SoluzioneRif tutte = RisolviRiferimento(
        Trave({Campata(L, q), Campata(L, q), Campata(L, q)}, EstremoRif::Appoggio, EstremoRif::Appoggio));
    EXPECT_NEAR(tutte.MomentoAppoggio(2), -q * L * L / 10, 1e-9);
    EXPECT_NEAR(tutte.MomentoAppoggio(3), -q * L * L / 10, 1e-9);
    EXPECT_NEAR(tutte.Reazione(1), 0.4 * q * L, 1e-9);
    EXPECT_NEAR(tutte.Reazione(2), 1.1 * q * L, 1e-9);

    const SoluzioneRif prima = RisolviRiferimento(
        Trave({Campata(L, q), Campata(L, 0), Campata(L, 0)}, EstremoRif::Appoggio, EstremoRif::Appoggio));
    EXPECT_NEAR(prima.MomentoAppoggio(2), -q * L * L / 15, 1e-9);
    EXPECT_NEAR(prima.MomentoAppoggio(3), q * L * L / 60, 1e-9);
}

TEST(RiferimentoTraveContinua, SbalzoConForzaInPunta) {
    const double L = 6, c = 2, P = 10;
    const SoluzioneRif s = RisolviRiferimento(
        Trave({Campata(L, 0), Campata(c, 0, {{P, c}})}, EstremoRif::Appoggio, EstremoRif::Libero));
    EXPECT_NEAR(s.MomentoAppoggio(2), -P * c, 1e-9);
    EXPECT_NEAR(s.MomentoAppoggio(3), 0, 1e-9);
    EXPECT_NEAR(s.Reazione(1), -P * c / L, 1e-9);
    EXPECT_NEAR(s.Reazione(2), P * (1 + c / L), 1e-9);
    EXPECT_NEAR(s.Reazione(3), 0, 1e-12);
    EXPECT_NEAR(s.Freccia(2, c), P * c * c * (L + c) / (3 * EJ), 1e-12);
    EXPECT_LT(s.Freccia(1, L / 2), 0) << "the back span lifts";
}

TEST(RiferimentoTraveContinua, SbalziAEntrambiGliEstremi) {
    const double L = 5, c = 1.5, q = 8;
    const SoluzioneRif s = RisolviRiferimento(
        Trave({Campata(c, q), Campata(L, 0), Campata(c, q)}, EstremoRif::Libero, EstremoRif::Libero));
    EXPECT_NEAR(s.MomentoAppoggio(2), -q * c * c / 2, 1e-9);
    EXPECT_NEAR(s.MomentoAppoggio(3), -q * c * c / 2, 1e-9);
    EXPECT_NEAR(s.Momento(2, L / 3), -q * c * c / 2, 1e-9) << "constant moment between the supports";
    EXPECT_NEAR(s.Reazione(2), q * c, 1e-9);
    EXPECT_NEAR(s.Reazione(1), 0, 1e-12);
    // The tip deflection: cantilever plus the rigid turn of the root, M·L/(2EJ) for equal end moments.
    const double rotazione = (q * c * c / 2) * L / (2 * EJ);
    EXPECT_NEAR(s.Freccia(1, 0), q * std::pow(c, 4) / (8 * EJ) + rotazione * c, 1e-12);
}

TEST(RiferimentoTraveContinua, ForzaSuUnAppoggioVaTuttaNellaReazione) {
    const double L = 4, P = 25;
    for (const bool sullaPrima : {true, false}) {
        SCOPED_TRACE(sullaPrima ? "d = L of span 1" : "d = 0 of span 2");
        std::vector<CampataRif> campate = {Campata(L, 0), Campata(L, 0)};
        campate[sullaPrima ? 0 : 1].forze.push_back({P, sullaPrima ? L : 0.0});
        const SoluzioneRif s = RisolviRiferimento(Trave(campate, EstremoRif::Appoggio, EstremoRif::Appoggio));
        EXPECT_NEAR(s.Reazione(2), P, 1e-9);
        EXPECT_NEAR(s.Reazione(1), 0, 1e-9);
        EXPECT_NEAR(s.MomentoAppoggio(2), 0, 1e-9);
        EXPECT_NEAR(s.Freccia(1, L / 2), 0, 1e-12);
        // The span's own shear at its ends sees the force standing on its support.
        if (sullaPrima) {
            EXPECT_NEAR(s.Taglio(1, L, Lato::Sinistro), 0, 1e-9);
            EXPECT_NEAR(s.Taglio(1, L, Lato::Destro), -P, 1e-9);
        } else {
            EXPECT_NEAR(s.Taglio(2, 0, Lato::Sinistro), P, 1e-9);
            EXPECT_NEAR(s.Taglio(2, 0, Lato::Destro), 0, 1e-9);
        }
    }
}

TEST(RiferimentoTraveContinua, RifiutaMeccanismiEDatiNonValidi) {
    EXPECT_THROW(RisolviRiferimento(Trave({Campata(4, 1)}, EstremoRif::Libero, EstremoRif::Appoggio)),
                 MeccanismoRif);
    EXPECT_THROW(RisolviRiferimento(Trave({Campata(4, 1)}, EstremoRif::Libero, EstremoRif::Libero)),
                 MeccanismoRif);
    EXPECT_THROW(
        RisolviRiferimento(Trave({Campata(2, 1), Campata(2, 1)}, EstremoRif::Libero, EstremoRif::Libero)),
        MeccanismoRif);
    EXPECT_THROW(RisolviRiferimento(Trave({Campata(2, 1)}, EstremoRif::Molla, EstremoRif::Appoggio, 0.0)),
                 std::invalid_argument);
    EXPECT_THROW(
        RisolviRiferimento(Trave({Campata(2, 1, {{1, 2.5}})}, EstremoRif::Appoggio, EstremoRif::Appoggio)),
        std::invalid_argument);
    EXPECT_THROW(RisolviRiferimento(Trave({}, EstremoRif::Appoggio, EstremoRif::Appoggio)),
                 std::invalid_argument);
}

// ---------------------------------------------------------------------------------------------
// Laws every solution obeys, on random beams.

struct GeneratoreTravi {
    std::mt19937 rng;
    double Uniforme(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); }
    int Intero(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }

    TraveRif Trave() {
        for (;;) {
            TraveRif t;
            const int n = Intero(1, 5);
            for (int i = 0; i < n; ++i) {
                CampataRif c{Uniforme(1.5, 8), Uniforme(1e4, 2e5), Uniforme(-5, 30), {}};
                for (int f = Intero(0, 3); f > 0; --f) {
                    const int dove = Intero(0, 4);
                    const double d = dove == 0 ? 0.0 : dove == 1 ? c.L : Uniforme(0, c.L);
                    c.forze.push_back({Uniforme(-10, 60), d});
                }
                t.campate.push_back(c);
            }
            const EstremoRif tipi[] = {EstremoRif::Appoggio, EstremoRif::Incastro, EstremoRif::Libero,
                                       EstremoRif::Molla};
            t.sinistro = tipi[Intero(0, 3)];
            t.destro = tipi[Intero(0, 3)];
            t.kSinistro = Uniforme(1e3, 1e6);
            t.kDestro = Uniforme(1e3, 1e6);
            const int interne = n - (t.sinistro == EstremoRif::Libero) - (t.destro == EstremoRif::Libero);
            const bool incastro = t.sinistro == EstremoRif::Incastro || t.destro == EstremoRif::Incastro;
            if (interne >= 1 || (incastro && interne == 0)) return t;
        }
    }
};

double CaricoTotale(const TraveRif& t) {
    double totale = 0;
    for (const CampataRif& c : t.campate) {
        totale += c.q * c.L;
        for (const ForzaRif& f : c.forze)
            totale += f.P;
    }
    return totale;
}

TEST(RiferimentoProprieta, EquilibrioContinuitaEVincoli) {
    GeneratoreTravi gen{std::mt19937(20240611u)};
    for (int prova = 0; prova < 300; ++prova) {
        const TraveRif t = gen.Trave();
        SCOPED_TRACE("trave " + std::to_string(prova));
        const SoluzioneRif s = RisolviRiferimento(t);
        const int n = s.nCampate();
        const double scala = 1 + std::abs(CaricoTotale(t)) * 10;
        const double tolM = 1e-9 * scala, tolW = 1e-12 * scala;

        double somma = 0;
        for (int k = 1; k <= n + 1; ++k)
            somma += s.Reazione(k);
        EXPECT_NEAR(somma, CaricoTotale(t), tolM);

        for (int k = 1; k <= n + 1; ++k) {
            // Each reaction is the jump of the shear across its support, forces on it included.
            const double destra = k <= n ? s.Taglio(k, 0, Lato::Sinistro) : 0.0;
            const double sinistra = k >= 2 ? s.Taglio(k - 1, s.Luce(k - 1), Lato::Destro) : 0.0;
            EXPECT_NEAR(s.Reazione(k), destra - sinistra, tolM) << "appoggio " << k;
        }
        for (int i = 1; i <= n; ++i) {
            // The integrated span meets the solved nodes at its far end.
            EXPECT_NEAR(s.Freccia(i, s.Luce(i)), s.AbbassamentoNodo(i + 1), tolW) << "campata " << i;
            EXPECT_NEAR(s.Pendenza(i, s.Luce(i)), s.PendenzaNodo(i + 1), tolW) << "campata " << i;
            if (i < n) {
                EXPECT_NEAR(s.Momento(i, s.Luce(i)), s.MomentoAppoggio(i + 1), tolM) << "campata " << i;
            }
        }
        for (int k = 2; k <= n; ++k)
            EXPECT_NEAR(s.AbbassamentoNodo(k), 0, tolW);

        const auto estremo = [&](EstremoRif tipo, int nodo, double k, double segno) {
            const double M = s.MomentoAppoggio(nodo);
            switch (tipo) {
            case EstremoRif::Appoggio:
                EXPECT_NEAR(M, 0, tolM);
                EXPECT_NEAR(s.AbbassamentoNodo(nodo), 0, tolW);
                break;
            case EstremoRif::Incastro:
                EXPECT_NEAR(s.PendenzaNodo(nodo), 0, tolW);
                break;
            case EstremoRif::Libero:
                EXPECT_NEAR(M, 0, tolM);
                EXPECT_NEAR(s.Reazione(nodo), 0, tolM);
                break;
            case EstremoRif::Molla:
                EXPECT_NEAR(M, segno * k * s.PendenzaNodo(nodo), tolM);
                break;
            }
        };
        estremo(t.sinistro, 1, t.kSinistro, -1);
        estremo(t.destro, n + 1, t.kDestro, +1);
    }
}

TEST(RiferimentoProprieta, ReciprocitaDiMaxwell) {
    // The deflection at A under a unit force at B equals the deflection at B under a unit force at A.
    GeneratoreTravi gen{std::mt19937(7u)};
    for (int prova = 0; prova < 100; ++prova) {
        TraveRif t = gen.Trave();
        for (CampataRif& c : t.campate)
            c.q = 0, c.forze.clear();
        const int n = static_cast<int>(t.campate.size());
        const int ia = gen.Intero(1, n), ib = gen.Intero(1, n);
        const double a = gen.Uniforme(0, t.campate[ia - 1].L), b = gen.Uniforme(0, t.campate[ib - 1].L);

        TraveRif inA = t, inB = t;
        inA.campate[ia - 1].forze.push_back({1, a});
        inB.campate[ib - 1].forze.push_back({1, b});
        const double wBA = RisolviRiferimento(inA).Freccia(ib, b);
        const double wAB = RisolviRiferimento(inB).Freccia(ia, a);
        EXPECT_NEAR(wBA, wAB, 1e-9 * (std::abs(wBA) + 1e-9)) << "prova " << prova;
    }
}

} // namespace
} // namespace vc::test
