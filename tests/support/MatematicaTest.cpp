#include "support/Errori.h"
#include "support/Matematica.h"
#include "support/Messaggi.h"

#include <gtest/gtest.h>

namespace vc {
namespace {

TEST(Matematica, SistemaUnoPerUnoDivideOgniColonna) {
    Matrice A(1, 1);
    A(1, 1) = 4;
    Matrice B(1, 3);
    B(1, 1) = 2, B(1, 2) = -8, B(1, 3) = 0;
    const Matrice X = RisolveSistema(A, B);
    EXPECT_DOUBLE_EQ(X(1, 1), 0.5);
    EXPECT_DOUBLE_EQ(X(1, 2), -2);
    EXPECT_DOUBLE_EQ(X(1, 3), 0);
}

TEST(Matematica, InversaDiTridiagonaleSimmetricaESimmetricaEdEsatta) {
    const int n = 7;
    Matrice A(n, n);
    for (int i = 1; i <= n; ++i) {
        A(i, i) = 2.0 + 0.1 * i;
        if (i > 1) A(i, i - 1) = A(i - 1, i) = 0.5 + 0.01 * i;
    }
    const Matrice Ainv = InverteMatrice(A);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            EXPECT_NEAR(Ainv(i, j), Ainv(j, i), 1e-14);
            double p = 0;
            for (int k = 1; k <= n; ++k) p += A(i, k) * Ainv(k, j);
            EXPECT_NEAR(p, i == j ? 1.0 : 0.0, 1e-14);
        }
}

TEST(Matematica, PivotNulloELErroreTipizzato) {
    Matrice A(2, 2);
    A(1, 2) = A(2, 1) = 1; // needs a row exchange, which the elimination never makes
    try {
        InverteMatrice(A);
        FAIL() << "nessun errore";
    } catch (const ErroreCalcolo& e) {
        EXPECT_EQ(e.tipo(), ErroreCalcolo::Tipo::PivotNullo);
    }
}

// A flexibility-like system: diagonally dominant, long enough that the solution far from a
// load underflows to zero.
SistemaTridiagonale SistemaDiProva(std::size_t n) {
    std::vector<double> d(n), e(n - 1);
    for (std::size_t i = 0; i < n; ++i) d[i] = 2.0 + 0.3 * static_cast<double>(i % 3);
    for (std::size_t i = 0; i + 1 < n; ++i) e[i] = 0.5 + 0.1 * static_cast<double>(i % 2);
    return SistemaTridiagonale(d, e);
}

TEST(Matematica, SistemaTridiagonaleComeLInversaDensa) {
    const std::size_t n = 9, colonne = 3;
    const SistemaTridiagonale s = SistemaDiProva(n);
    ASSERT_FALSE(s.PivotNullo());
    Matrice A(9, 9), B(9, 3);
    std::vector<double> blocco(n * colonne, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        A(static_cast<int>(i + 1), static_cast<int>(i + 1)) = 2.0 + 0.3 * static_cast<double>(i % 3);
        if (i + 1 < n)
            A(static_cast<int>(i + 1), static_cast<int>(i + 2)) = A(static_cast<int>(i + 2), static_cast<int>(i + 1)) =
                0.5 + 0.1 * static_cast<double>(i % 2);
    }
    // Columns: dense, one load at row 4, loads at rows 4 and 5.
    for (std::size_t i = 0; i < n; ++i) B(static_cast<int>(i + 1), 1) = blocco[i * colonne] = 1.0 + static_cast<double>(i);
    B(5, 2) = blocco[4 * colonne + 1] = -3;
    B(5, 3) = blocco[4 * colonne + 2] = 2, B(6, 3) = blocco[5 * colonne + 2] = 7;
    const auto righe = s.Risolve(blocco, colonne, 0, n - 1);
    EXPECT_EQ(righe.Inizio, 0u);
    EXPECT_EQ(righe.Fine, n);
    const Matrice X = RisolveSistema(A, B);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t c = 0; c < colonne; ++c)
            EXPECT_NEAR(blocco[i * colonne + c], X(static_cast<int>(i + 1), static_cast<int>(c + 1)), 1e-13) << i << "," << c;
}

TEST(Matematica, SistemaTridiagonaleSiFermaDoveLaSoluzioneENulla) {
    const std::size_t n = 6000;
    const SistemaTridiagonale s = SistemaDiProva(n);
    std::vector<double> blocco(n, 0.0);
    blocco[3000] = 1;
    const auto righe = s.Risolve(blocco, 1, 3000, 3000);
    // The solution decays by about four per row and underflows within some 500 rows each side.
    EXPECT_GT(righe.Inizio, 2000u);
    EXPECT_LT(righe.Fine, 4000u);
    EXPECT_NE(blocco[righe.Inizio], 0.0);
    for (std::size_t i = 0; i < n; ++i)
        if (i < righe.Inizio || i >= righe.Fine) {
            ASSERT_EQ(blocco[i], 0.0) << i;
        }
    // Residual of the rows solved.
    for (std::size_t i = righe.Inizio + 1; i + 1 < righe.Fine; ++i) {
        const double d = 2.0 + 0.3 * static_cast<double>(i % 3);
        const double sx = 0.5 + 0.1 * static_cast<double>((i - 1) % 2), dx = 0.5 + 0.1 * static_cast<double>(i % 2);
        const double r = sx * blocco[i - 1] + d * blocco[i] + dx * blocco[i + 1] - (i == 3000 ? 1.0 : 0.0);
        ASSERT_NEAR(r, 0.0, 1e-15) << i;
    }
}

TEST(Matematica, SistemaTridiagonaleConPivotNullo) {
    // Second pivot: 1 − 1·1/1 = 0.
    const SistemaTridiagonale s({1, 1, 4}, {1, 1});
    ASSERT_TRUE(s.PivotNullo());
    EXPECT_EQ(*s.PivotNullo(), 1u);
    EXPECT_FALSE(SistemaTridiagonale({1, 2, 4}, {1, 1}).PivotNullo());
    EXPECT_EQ(*SistemaTridiagonale({0.0}, {}).PivotNullo(), 0u);
}

TEST(Matematica, ParabolaPerTrePunti) {
    const Parabola p = ParabolaPerTrePunti(0, 0, 1, 1, 2, 4);
    EXPECT_NEAR(p.a, 1, 1e-15);
    EXPECT_NEAR(p.b, 0, 1e-15);
    EXPECT_NEAR(p.c, 0, 1e-15);
    const Parabola q = ParabolaPerTrePunti(5.2, -10, 5.5, -30, 5.8, -10); // symmetric about 5.5
    EXPECT_NEAR(q(5.5), -30, 1e-9);
    EXPECT_NEAR(q(5.2), -10, 1e-9);
    EXPECT_NEAR(-q.b / (2 * q.a), 5.5, 1e-12);
    EXPECT_THROW(ParabolaPerTrePunti(1, 0, 1, 2, 3, 4), ErroreCalcolo);
}

TEST(Matematica, OrdinamentoStabileConIndice) {
    std::vector<double> v{5, 3, 5};
    std::vector<int> indice;
    OrdinaCrescente(v, &indice);
    EXPECT_EQ(v, (std::vector<double>{3, 5, 5}));
    EXPECT_EQ(indice, (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(RiordinaPerIndice(std::vector<double>{5, 3, 5}, indice), v);

    std::vector<int> c{3, 1, 2};
    OrdinaCollezione(c, 3);
    EXPECT_EQ(c, (std::vector<int>{1, 2, 3}));
    std::vector<int> vuota{2, 1};
    OrdinaCollezione(vuota, 0);
    EXPECT_EQ(vuota, (std::vector<int>{2, 1}));
}

TEST(Matematica, ScambioESpunte) {
    int a = 2, b = 7;
    ScambiaValori(a, b, true);
    EXPECT_EQ(a, -7);
    EXPECT_EQ(b, -2);
    EXPECT_EQ(BooleanoInSpunta(-1), 1);
    EXPECT_EQ(BooleanoInSpunta(0), 0);
    EXPECT_TRUE(SpuntaInBooleano(1));
    EXPECT_FALSE(SpuntaInBooleano(0));
}

TEST(Messaggi, RegistraMessaggiERisposte) {
    MessaggiRegistrati m;
    m.Risposte = {false};
    m.Mostra("uno", Icona::Errore, "titolo");
    EXPECT_FALSE(m.ChiediSiNo("due?", Icona::Domanda));
    EXPECT_TRUE(m.ChiediSiNo("tre?", Icona::Domanda));
    ASSERT_EQ(m.Voci.size(), 3u);
    EXPECT_EQ(m.Voci[0].Testo, "uno");
    EXPECT_EQ(m.Voci[0].Titolo, "titolo");
    EXPECT_TRUE(m.Voci[1].Domanda);
}

} // namespace
} // namespace vc
