#include "engine/CoefficientiParziali.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vc {
namespace {

const Separatori IT = Separatori::Italiani();
const Separatori EN = Separatori::Inglesi();

TEST(CoefficientiParziali, DodiciCategorieConLeLoroTerne) {
    const auto& tutte = CategorieCarico();
    ASSERT_EQ(tutte.size(), 14u);
    int conValori = 0;
    for (const auto& c : tutte)
        if (c.Psi) ++conValori;
    EXPECT_EQ(conValori, nCategorieScelta);

    struct Atteso {
        int opzione;
        const char* inizio;
        TernaPsi psi;
    };
    for (const Atteso& a : {
             Atteso{0, "Categoria A", {0.7f, 0.5f, 0.3f}},
             Atteso{1, "Categoria B", {0.7f, 0.5f, 0.3f}},
             Atteso{2, "Categoria C", {0.7f, 0.7f, 0.6f}},
             Atteso{3, "Categoria D", {0.7f, 0.7f, 0.6f}},
             Atteso{4, "Categoria E", {1.0f, 0.9f, 0.8f}},
             Atteso{5, "Categoria F", {0.7f, 0.7f, 0.6f}},
             Atteso{6, "Categoria G", {0.7f, 0.5f, 0.3f}},
             Atteso{7, "Categoria H", {0.0f, 0.0f, 0.0f}},
             Atteso{8, "Vento", {0.6f, 0.2f, 0.0f}},
             Atteso{9, "Neve (a quota <=1000", {0.5f, 0.2f, 0.0f}},
             Atteso{10, "Neve (a quota > 1000", {0.7f, 0.5f, 0.2f}},
             Atteso{11, "Variazioni termiche", {0.6f, 0.5f, 0.0f}},
         }) {
        EXPECT_EQ(CategoriaScelta(a.opzione).Testo.substr(0, std::string_view(a.inizio).size()), a.inizio);
        EXPECT_EQ(PsiCategoria(a.opzione), a.psi) << a.opzione;
    }
    EXPECT_THROW(PsiCategoria(12), std::out_of_range);
    EXPECT_THROW(PsiCategoria(-1), std::out_of_range);

    // The two roofs without values sit between H and the wind.
    EXPECT_EQ(tutte[8].Testo, "Categoria  I - Coperture praticabili");
    EXPECT_FALSE(tutte[8].Psi);
    EXPECT_FALSE(tutte[9].Psi);
    EXPECT_EQ(CategoriaScelta(4).Testo,
              "Categoria E - Aree per immagazzinamento, uso commerciale e uso industriale\n"
              "Biblioteche, archivi, magazzini e ambienti ad uso industriale");
}

TEST(CoefficientiParziali, ValoriAccantoAlleCategorie) {
    EXPECT_EQ(TestoPsiCategoria(0.7f, IT), "0,7");
    EXPECT_EQ(TestoPsiCategoria(1.0f, IT), "1,0");
    EXPECT_EQ(TestoPsiCategoria(0.0f, IT), "0,0");
    EXPECT_EQ(TestoPsiCategoria(0.9f, EN), "0.9");
}

TEST(CoefficientiParziali, CampiScrittiERilettiConISeparatoriDellUtente) {
    const TestiCoefficienti t = TestiCoefParz(CoefParzDefault, IT);
    EXPECT_EQ(t[0], "1");
    EXPECT_EQ(t[1], "1,3");
    EXPECT_EQ(t[2], "0,8");
    EXPECT_EQ(t[4], "0");
    EXPECT_EQ(t[13], "0,3");
    EXPECT_EQ(LeggeCoefParz(t, IT), CoefParzDefault);
    EXPECT_EQ(TestiCoefParz(CoefParzDefault, EN)[1], "1.3");
    EXPECT_EQ(LeggeCoefParz(TestiCoefParz(CoefParzDefault, EN), EN), CoefParzDefault);
}

TEST(CoefficientiParziali, CampoVuotoOIllegibileValeZero) {
    TestiCoefficienti t = TestiCoefParz(CoefParzDefault, IT);
    t[3] = "";
    t[5] = "abc";
    t[7] = "1e999";
    const CoefficientiParziali c = LeggeCoefParz(t, IT);
    EXPECT_EQ(c[3], 0.0f);
    EXPECT_EQ(c[5], 0.0f);
    EXPECT_EQ(c[7], 0.0f);
    EXPECT_EQ(c[1], 1.3f);
    EXPECT_EQ(LeggeCoefficiente("1e300", IT), 0.0f);
    EXPECT_EQ(LeggeCoefficiente("1,35", IT), 1.35f);
}

TEST(CoefficientiParziali, LaSceltaDeiPsiScriveSoloIlCaricoIndicato) {
    TestiCoefficienti t = TestiCoefParz(CoefParzDefault, IT);
    AggiornaCoeff(t, CaricoVariabile::Q2, PsiCategoria(4), IT);
    EXPECT_EQ(t[11], "1");
    EXPECT_EQ(t[12], "0,9");
    EXPECT_EQ(t[13], "0,8");
    EXPECT_EQ(t[8], "0,7");
    EXPECT_EQ(t[9], "0,5");
    EXPECT_EQ(t[10], "0,3");

    AggiornaCoeff(t, CaricoVariabile::Q1, PsiCategoria(8), IT);
    EXPECT_EQ(t[8], "0,6");
    EXPECT_EQ(t[9], "0,2");
    EXPECT_EQ(t[10], "0");
    EXPECT_EQ(t[11], "1");
    EXPECT_EQ((IndiciPsi(CaricoVariabile::Q1)), (std::array<std::size_t, 3>{8, 9, 10}));
    EXPECT_EQ((IndiciPsi(CaricoVariabile::Q2)), (std::array<std::size_t, 3>{11, 12, 13}));
}

TEST(CoefficientiParziali, TestiFissiDellaFinestra) {
    ASSERT_EQ(RigheCoefficienti().size(), 4u);
    EXPECT_EQ(RigheCoefficienti()[2].Descrizione, "Carico variabile Q1 (*)");
    EXPECT_EQ(RigheCoefficienti()[3].Favorevole, 6u);
    EXPECT_EQ(RigheCoefficienti()[3].Sfavorevole, 7u);
    EXPECT_EQ(SpiegazioneOmettiG2(),
              "Attivando la spunta si intende che nelle combinazioni agli SLE vengono omessi i carichi\n"
              "G2 che danno un contributo favorevole ai fini delle verifiche (D.M. 17/1/18 §2.5.3)");
}

} // namespace
} // namespace vc
