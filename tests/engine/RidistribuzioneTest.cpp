#include "engine/Ridistribuzione.h"

#include <gtest/gtest.h>

namespace vc {
namespace {

const Separatori IT = Separatori::Italiani();
const Separatori EN = Separatori::Inglesi();
constexpr int C30 = 3;
constexpr int C50 = 7;
constexpr int C55 = 8;
constexpr int C90 = 12;

TEST(Ridistribuzione, TrediciClassi) {
    const auto& c = ClassiCalcestruzzo();
    ASSERT_EQ(c.size(), 13u);
    EXPECT_EQ(c[0].Nome, "C16/20");
    EXPECT_EQ(c[0].fck, 16);
    EXPECT_EQ(c[C30].Nome, "C30/37");
    EXPECT_EQ(c[C30].fck, 30);
    EXPECT_EQ(c[C50].Nome, "C50/60");
    EXPECT_EQ(c[C55].Nome, "C55/67");
    EXPECT_EQ(c[10].Nome, "C70/85");
    EXPECT_EQ(c[C90].Nome, "C90/105");
    EXPECT_EQ(c[C90].fck, 90);
    EXPECT_FALSE(AltaResistenza(C50));
    EXPECT_TRUE(AltaResistenza(C55));
    EXPECT_EQ(ClasseValida(-3), 0);
    EXPECT_EQ(ClasseValida(40), C90);
}

TEST(Ridistribuzione, EpsCuDellaClasse) {
    for (int i = 0; i <= C50; ++i) EXPECT_EQ(EpsCuClasse(i), 0.0035f) << i;
    EXPECT_FLOAT_EQ(EpsCuClasse(C90), 0.0026f);
    // C55/67: 0,0026 + 0,035·0,35⁴ = 0,0031252
    EXPECT_NEAR(EpsCuClasse(C55), 0.00312522, 1e-8);
    EXPECT_EQ(TestoEpsCu(EpsCuClasse(C30), IT), "3,5");
    EXPECT_EQ(TestoEpsCu(EpsCuClasse(C55), IT), "3,13");
    EXPECT_EQ(TestoEpsCu(EpsCuClasse(C90), IT), "2,6");
    EXPECT_EQ(TestoEpsCu(EpsCuClasse(C55), EN), "3.13");
}

TEST(Ridistribuzione, DeltaDaXsuDPerC30) {
    const float eps = EpsCuClasse(C30);
    const float d1 = LimitaDelta(DeltaDaXsuD(C30, eps, 0.208f));
    EXPECT_NEAR(d1, 0.70, 1e-6);
    EXPECT_EQ(FormattaDelta(d1, IT), "0,7");
    const float d2 = LimitaDelta(DeltaDaXsuD(C30, eps, 0.3f));
    EXPECT_NEAR(d2, 0.815, 1e-6);
    EXPECT_EQ(FormattaDelta(d2, IT), "0,815");
    EXPECT_NEAR(DeltaDaXsuD(C30, eps, 0.45f), 1.0025, 1e-6);
    const float d3 = LimitaDelta(DeltaDaXsuD(C30, eps, 0.45f));
    EXPECT_EQ(d3, 1.0f);
    EXPECT_EQ(FormattaDelta(d3, IT), "1");
}

TEST(Ridistribuzione, DeltaDaXsuDPerC90) {
    const float eps = EpsCuClasse(C90);
    // 0,54 + 1,25·(0,6 + 0,0014/0,0026)·x/d
    const double fattore = 1.25 * (0.6 + 0.0014 / 0.0026);
    for (float x : {0.1f, 0.2f, 0.3f}) EXPECT_NEAR(DeltaDaXsuD(C90, eps, x), 0.54 + fattore * x, 1e-6) << x;
    EXPECT_EQ(FormattaDelta(LimitaDelta(DeltaDaXsuD(C90, eps, 0.3f)), IT), "0,967");
    // Below the threshold of the class the limit takes over.
    EXPECT_EQ(LimitaDelta(DeltaDaXsuD(C90, eps, 0.1f)), 0.7f);
}

TEST(Ridistribuzione, XsuDDaDeltaEIlSuoInverso) {
    EXPECT_NEAR(XsuDDaDelta(C30, EpsCuClasse(C30), 0.7f), 0.208, 1e-6);
    EXPECT_EQ(FormattaXsuD(XsuDDaDelta(C30, EpsCuClasse(C30), 0.7f), IT), "0,208");
    EXPECT_EQ(FormattaXsuD(XsuDDaDelta(C30, EpsCuClasse(C30), 0.7f), EN), "0.208");
    for (int c : {0, C30, C55, C90})
        for (float d : {0.7f, 0.8f, 0.95f, 1.0f})
            EXPECT_NEAR(DeltaDaXsuD(c, EpsCuClasse(c), XsuDDaDelta(c, EpsCuClasse(c), d)), d, 1e-6);
}

TEST(Ridistribuzione, LimitiEVisualizzazione) {
    EXPECT_EQ(LimitaDelta(0.5f), 0.7f);
    EXPECT_EQ(LimitaDelta(0.0f), 0.7f);
    EXPECT_EQ(LimitaDelta(1.2f), 1.0f);
    EXPECT_EQ(LimitaDelta(0.85f), 0.85f);
    EXPECT_EQ(FormattaDelta(0.7f, IT), "0,7");
    EXPECT_EQ(FormattaDelta(1.0f, EN), "1");
    EXPECT_EQ(FormattaDelta(0.85f, IT), "0,850");
    EXPECT_EQ(FormattaDelta(0.7004f, EN), "0.700");
}

} // namespace
} // namespace vc
