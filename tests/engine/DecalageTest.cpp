// The shifted moment lines of the decalage.

#include "TraviDiProva.h"

#include "engine/Decalage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vc {
namespace {

using prova::Costruisci;

TEST(Decalage, TraslazioneDallAltezzaUtile) {
    Velcora t = Costruisci({{6, 10}}, Appoggio, Appoggio);
    t.Copriferro = 0.03f;
    EXPECT_NEAR(DeltaXDecalage(t, 1), 0.423, 1e-7);
}

TEST(Decalage, CampataSempliceUnaLineaConPlateauChiusaAgliEstremi) {
    Velcora t = Costruisci({{6, 10}}, Appoggio, Appoggio, 100);
    t.Copriferro = 0.03f;
    t.CalcolaIperstatiche(prova::Rara());
    MessaggiRegistrati m;
    const LineeDecalage l = Decalage(t, m);
    EXPECT_TRUE(m.Voci.empty()); // a line cut in its first segment needs no message
    EXPECT_TRUE(l.Negative.empty());
    ASSERT_EQ(l.Positive.size(), 1u);
    const Poligonale& p = l.Positive[0];
    // Starts on the axis at x = 0, ends on the axis at x = L.
    EXPECT_EQ(p.x.front(), 0.0);
    EXPECT_EQ(p.y.front(), 0.0);
    EXPECT_EQ(p.x[1], 0.0);
    EXPECT_GT(p.y[1], 0.0);
    EXPECT_NEAR(p.x.back(), 6.0, 1e-6);
    EXPECT_EQ(p.y.back(), 0.0);
    EXPECT_NEAR(p.x[p.x.size() - 2], 6.0, 1e-6);
    for (double x : p.x) {
        EXPECT_GE(x, 0.0);
        EXPECT_LE(x, 6.0 + 1e-6);
    }
    // The peak is a plateau 2·0.423 wide around mid-span.
    const double picco = *std::max_element(p.y.begin(), p.y.end());
    EXPECT_NEAR(picco, 45.0, 1e-3);
    double da = 1e9, a = -1e9;
    for (int k = 0; k < p.nPoli(); ++k)
        if (p.y[static_cast<std::size_t>(k)] == picco) {
            da = std::min(da, p.x[static_cast<std::size_t>(k)]);
            a = std::max(a, p.x[static_cast<std::size_t>(k)]);
        }
    EXPECT_NEAR(a - da, 0.846, 1e-5);
    EXPECT_NEAR((a + da) / 2, 3.0, 1e-5);
}

TEST(Decalage, AppoggioInternoLineeNegativeAllungateNelleCampate) {
    Velcora t = Costruisci({{5, 10}, {5, 10}}, Appoggio, Appoggio, 200);
    t.Copriferro = 0.03f;
    t.CalcolaIperstatiche(prova::Rara());
    MessaggiRegistrati m;
    const LineeDecalage l = Decalage(t, m);
    ASSERT_EQ(l.Positive.size(), 2u);
    ASSERT_EQ(l.Negative.size(), 2u); // span 1 towards support 2, span 2 from support 2
    // Without variable loads the hogging moment vanishes at 3L/4 from the outer supports,
    // that is 1.25 m from the middle support; the shifted lines reach 0.423 m further.
    const Poligonale& sx = l.Negative[0];
    const Poligonale& dx = l.Negative[1];
    EXPECT_NEAR(sx.x.front(), 5.0 - 1.25 - 0.423, 0.03);
    EXPECT_NEAR(dx.x.back(), 5.0 + 1.25 + 0.423, 0.03);
    EXPECT_NEAR(sx.x.back(), 5.0, 1e-6);
    EXPECT_NEAR(dx.x.front(), 5.0, 1e-6);
    EXPECT_NEAR(sx.y.back(), -31.25, 1e-3);
}

TEST(Decalage, EstremoDestroIncastratoChiusoSullAsse) {
    Velcora t = Costruisci({{6, 10}}, Appoggio, Incastro, 100);
    t.Copriferro = 0.03f;
    t.CalcolaIperstatiche(prova::Rara());
    MessaggiRegistrati m;
    const LineeDecalage l = Decalage(t, m);
    ASSERT_EQ(l.Negative.size(), 1u);
    const Poligonale& p = l.Negative[0];
    ASSERT_GE(p.nPoli(), 3);
    const auto n = static_cast<std::size_t>(p.nPoli());
    EXPECT_NEAR(p.x[n - 2], 6.0, 1e-6);
    EXPECT_NEAR(p.y[n - 2], -45.0, 1e-3);
    EXPECT_NEAR(p.x[n - 1], 6.0, 1e-6);
    EXPECT_EQ(p.y[n - 1], 0.0);
}

TEST(Poligonali, TogliInserisciIncrocia) {
    Poligonale p;
    for (int k = 0; k < 5; ++k) p.Aggiungi(k - 1.0, k * 2.0);
    MessaggiRegistrati m;
    TogliePuntiInizialiDaPoligonale(p, 0, m);
    EXPECT_EQ(p.nPoli(), 5);
    TogliePuntiInizialiDaPoligonale(p, -1, m);
    ASSERT_EQ(m.Voci.size(), 1u);
    EXPECT_EQ(m.Voci[0].Testo, "Errore in TogliePuntiInizialiDaPoligonale: nPunti=-1 <1");
    TogliePuntiInizialiDaPoligonale(p, 2, m);
    EXPECT_EQ(p.x, (std::vector<double>{1, 2, 3}));
    InseriscePuntoInPoligonale(p, 9, 9, 1);
    InseriscePuntoInPoligonale(p, 7, 7, 5);
    EXPECT_EQ(p.x, (std::vector<double>{9, 1, 2, 3, 7}));

    Poligonale q;
    q.Aggiungi(-1, 0);
    q.Aggiungi(1, 4);
    q.Aggiungi(3, 0);
    const auto i = PrimoIncrocioVerticale(q, 0.0, 1e-9);
    ASSERT_TRUE(i);
    EXPECT_EQ(i->s, 1);
    EXPECT_DOUBLE_EQ(i->yc, 2.0);
    const auto v = PrimoIncrocioVerticale(q, 1.0, 1e-9); // at a shared vertex: counted once, first segment
    ASSERT_TRUE(v);
    EXPECT_EQ(v->s, 1);
    EXPECT_DOUBLE_EQ(v->yc, 4.0);
    EXPECT_FALSE(PrimoIncrocioVerticale(q, 5.0, 1e-9));
}

} // namespace
} // namespace vc
