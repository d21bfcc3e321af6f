// The moment and shear diagrams of a solved beam, as a recording device receives them.

#include "drawing/DiagrammiTrave.h"

#include "TraviDisegno.h"
#include "drawing/core/DisegnoSuDispositivo.h"
#include "drawing/core/ErroreDisegno.h"
#include "engine/Decalage.h"
#include "support/Formattazione.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <numbers>

namespace vc {
namespace {

using prova::Di;
using prova::Elemento;
using prova::Registratore;
using prova::Testi;
using prova::TestoEsatto;
using prova::TraveDiProva;
using ::testing::Contains;
using ::testing::ElementsAre;

TEST(ScalaArrotondata, MantisseUnoDueCinqueDieciConTolleranza) {
    EXPECT_DOUBLE_EQ(ScalaArrotondata(37), 50);
    EXPECT_DOUBLE_EQ(ScalaArrotondata(2.05), 2); // within 0.1 of 2
    EXPECT_DOUBLE_EQ(ScalaArrotondata(2.15), 5);
    EXPECT_DOUBLE_EQ(ScalaArrotondata(11.25), 20);
    EXPECT_DOUBLE_EQ(ScalaArrotondata(0.3), 0.5);
    EXPECT_DOUBLE_EQ(ScalaArrotondata(100), 100);
    EXPECT_DOUBLE_EQ(ScalaArrotondata(1000), 1000);
    EXPECT_DOUBLE_EQ(ScalaArrotondata(9.96), 10);
    EXPECT_NEAR(ScalaArrotondata(0.0075), 0.01, 1e-15);
    EXPECT_DOUBLE_EQ(ScalaArrotondata(0), 1e-20);
    EXPECT_THROW(ScalaArrotondata(std::nan("")), ErroreDisegno);
}

class Diagrammi : public ::testing::Test {
  protected:
    MessaggiRegistrati msg;
    Impostazioni imp = prova::Rara();
    std::shared_ptr<Registratore> dxf = std::make_shared<Registratore>(Uscita::Dxf);

    // The diagram drawn on a recording device.
    DiagrammaTrave Momenti(const Velcora& t, Registratore& r, Separatori sep = {}) {
        DiagrammaTrave m = DiagrammaMomenti(t, imp, sep, msg);
        DisegnaSu(m.Figura, r, msg);
        return m;
    }
    DiagrammaTrave Tagli(const Velcora& t, Registratore& r, Separatori sep = {}) {
        DiagrammaTrave d = DiagrammaTagli(t, imp, sep);
        DisegnaSu(d.Figura, r, msg);
        return d;
    }

    // Simply supported span of 6 m under 10 kN/m: M max 45 at mid-span, reactions and end
    // shears 30, deflection 5wL⁴/384EJ = 1.8 mm.
    Velcora Semplice() {
        Velcora t = TraveDiProva({{6, 10}}, Appoggio, Appoggio);
        t.Copriferro = 0.03f;
        t.CalcolaIperstatiche(imp);
        return t;
    }
};

TEST_F(Diagrammi, ScalaEstremiDelMomentoConSpazioPerITesti) {
    const Velcora t = Semplice();
    const DiagrammaTrave m = Momenti(t, *dxf, Separatori::Italiani());
    // 1.5 · 45 / 6 = 11.25 rounds to 20; 8 text heights above, 12 below.
    EXPECT_DOUBLE_EQ(m.Scala, 20);
    EXPECT_DOUBLE_EQ(m.hTesto, 0.06);
    EXPECT_NEAR(m.Figura.Campo.yMin, -45.0 / 20 - 12 * 0.06, 1e-6);
    EXPECT_NEAR(m.Figura.Campo.yMax, 8 * 0.06, 1e-6);
    EXPECT_EQ(m.Figura.Campo.xMin, 0);
    EXPECT_EQ(m.Figura.Campo.xMax, 6);

    // The envelopes: positive moments below the axis, starting and ending on it.
    const auto curve = Di(*dxf, "Polilinea", 1);
    ASSERT_EQ(curve.size(), 2u);
    EXPECT_EQ(curve[0].Punti.size(), static_cast<std::size_t>(t.nPt()));
    EXPECT_EQ(curve[0].Punti.front(), (Punto{0, 0}));
    EXPECT_EQ(curve[0].Punti.back(), (Punto{6, 0}));
    EXPECT_NEAR(prova::MinimoY(curve[0]), -45.0 / 20, 1e-6);
    EXPECT_EQ(prova::MassimoY(curve[1]), 0); // no hogging moment

    const DiagrammaTrave d = Tagli(t, *dxf);
    EXPECT_DOUBLE_EQ(d.Scala, 20); // 1.5 · 60 / 6 = 15 → 20
    EXPECT_NEAR(d.Figura.Campo.yMax, 30.0 / 20 + 8 * 0.06, 1e-6);
    EXPECT_NEAR(d.Figura.Campo.yMin, -30.0 / 20 - 12 * 0.06, 1e-6);
}

// The drawing as values, before any device: texts where the values belong, the curves' extreme
// points, colours and widths on the items.
TEST_F(Diagrammi, IlDisegnoDeiMomentiComeValori) {
    Velcora t = TraveDiProva({{4, 10}, {5, 10}}, Appoggio, Appoggio);
    t.CalcolaIperstatiche(imp);
    const Separatori sep = Separatori::Italiani();
    const DiagrammaTrave m = DiagrammaMomenti(t, imp, sep, msg);
    std::vector<Scritta> scritte;
    std::vector<vc::Elemento> curve;
    for (const vc::Elemento& e : m.Figura.Elementi) {
        if (const auto* s = std::get_if<Scritta>(&e.Forma)) scritte.push_back(*s);
        if (std::holds_alternative<Spezzata>(e.Forma) && e.Aspetto.Colore == 1) curve.push_back(e);
    }
    // The row of the support moments: its name left of the beam, a value at each support.
    const auto riga =
        std::find_if(scritte.begin(), scritte.end(), [](const Scritta& s) { return s.Testo == "M min"; });
    ASSERT_LE(riga + 4, scritte.end());
    const double h = 0.09;
    EXPECT_NEAR(riga->Posizione.x, -10 * h, 1e-12);
    const double x[] = {0, 4, 9};
    for (int k = 1; k <= 3; ++k) {
        const Scritta& v = *(riga + k);
        EXPECT_EQ(v.Testo, FormattaEtichetta(4, t.MminApp(k), sep)) << k;
        EXPECT_EQ(v.Posizione.x, x[k - 1]);
        EXPECT_EQ(v.Posizione.y, riga->Posizione.y);
        EXPECT_EQ(v.Altezza, h);
        EXPECT_TRUE(v.Appesa);
    }
    EXPECT_EQ((riga + 2)->Testo, FormattaEtichetta(4, t.MminApp(2), sep));
    EXPECT_LT(t.MminApp(2), -20); // hogging over the inner support

    // Two envelopes in colour 1, width 2: the sagging one down to the largest moment, the
    // hogging one up to the support moment, right over the inner support.
    ASSERT_EQ(curve.size(), 2u);
    double mMax = 0, mMin = 0;
    for (int j = 1; j <= t.nPt(); ++j)
        mMax = std::max(mMax, static_cast<double>(t.yMmaxPlt(j))),
        mMin = std::min(mMin, static_cast<double>(t.yMminPlt(j)));
    for (const auto& c : curve)
        EXPECT_EQ(c.Aspetto.Spessore, 2);
    const auto& giu = std::get<Spezzata>(curve[0].Forma).Vertici;
    const auto& su = std::get<Spezzata>(curve[1].Forma).Vertici;
    const auto piuBasso =
        std::min_element(giu.begin(), giu.end(), [](Punto a, Punto b) { return a.y < b.y; });
    const auto piuAlto = std::max_element(su.begin(), su.end(), [](Punto a, Punto b) { return a.y < b.y; });
    EXPECT_NEAR(piuBasso->y, -mMax / m.Scala, 1e-6);
    EXPECT_NEAR(piuAlto->y, -mMin / m.Scala, 1e-6);
    EXPECT_NEAR(piuAlto->x, 4, 1e-6);
    EXPECT_EQ(giu.front(), (Punto{0, 0}));

    // In a block the same curves in colour 4.
    const DiagrammaTrave b = DiagrammaMomenti(t, imp, sep, msg, 4);
    ASSERT_EQ(b.Figura.Elementi.size(), m.Figura.Elementi.size());
    EXPECT_EQ(b.Figura.Elementi[0].Aspetto.Colore, 4);
    EXPECT_EQ(std::get<Spezzata>(b.Figura.Elementi[0].Forma).Vertici, giu);
    // What the items cover: from the row names left of the beam to the file title, whose line
    // hangs from one text height above the extents, down to the last row.
    const auto ingombro = Ingombro(m.Figura);
    ASSERT_TRUE(ingombro);
    EXPECT_NEAR(ingombro->xMin, -10 * h, 1e-9);
    EXPECT_NEAR(ingombro->yMax, m.Figura.Campo.yMax + h, 1e-6);
    EXPECT_GE(ingombro->yMin, m.Figura.Campo.yMin - 1e-6);
}

TEST_F(Diagrammi, MomentiDiUnSoloSegnoTengonoLAsse) {
    // A cantilever fixed at the left: every moment hogging, drawn above the axis.
    Velcora t = TraveDiProva({{3, 10}}, Incastro, Libero);
    t.CalcolaIperstatiche(imp);
    const DiagrammaTrave d = Momenti(t, *dxf);
    EXPECT_NEAR(d.Figura.Campo.yMin, -12 * 0.03, 1e-6); // the axis, then the rows
    EXPECT_NEAR(d.Figura.Campo.yMax, 45.0 / d.Scala + 8 * 0.03, 1e-6);
    EXPECT_GT(d.Scala, 0);
}

TEST_F(Diagrammi, ScaleFisseUsateComeDateEZeroRifiutato) {
    const Velcora t = Semplice();
    imp.ScalePreimpostate = true;
    imp.ScalaFissaM = 25;
    imp.ScalaFissaT = 40;
    imp.ScalaFissaFreccia = 0.002;
    imp.VisualizzaDeformata = true;
    const ScaleDisegnate s = PlottaDWG(t, imp, Separatori::Italiani(), *dxf, msg);
    EXPECT_EQ(*s.M, 25);
    EXPECT_EQ(*s.T, 40);
    EXPECT_EQ(*s.FR, 0.002);
    EXPECT_THAT(Testi(*dxf), Contains("Scala Frecce 1:0,002"));

    imp.ScalaFissaT = 0;
    try {
        PlottaMT(TipoDiagramma::Tagli, t, imp, {}, *dxf, msg);
        FAIL() << "scala fissa nulla accettata";
    } catch (const ErroreDisegno& e) {
        EXPECT_STREQ(e.what(),
                     "Una delle Scale Fisse è 0. Deselezionare Scale Fisse o introdurre un valore >0");
    }
}

TEST_F(Diagrammi, TitoliERigheDeiRisultatiDelMomento) {
    const Velcora t = Semplice();
    Momenti(t, *dxf, Separatori::Italiani());
    EXPECT_THAT(Testi(*dxf),
                ElementsAre("Scala momenti 1:20 - Sollecitazioni SLE - Rara", "File : trave - Prova", "M min",
                            " 0", " 0", "M max", " 45", "R max", " 30", " 30", "R min", " 30", " 30"));
    const double h = 0.06;
    // Titles from the top down, hanging from their point (lowered by 1.5 h in a DXF file).
    EXPECT_NEAR(TestoEsatto(*dxf, "Scala momenti 1:20 - Sollecitazioni SLE - Rara").Punti[0].y,
                8 * h - h - 1.5 * h, 1e-6);
    EXPECT_NEAR(TestoEsatto(*dxf, "File : trave - Prova").Punti[0].y, 8 * h + h - 1.5 * h, 1e-6);
    // Rows two heights apart from under the lowest point of the diagram; names left of the
    // beam, values at the supports and at mid-span.
    const Elemento mMin = TestoEsatto(*dxf, "M min");
    EXPECT_NEAR(mMin.Punti[0].y, -45.0 / 20 - 2 * h - 1.5 * h, 1e-6);
    EXPECT_NEAR(mMin.Punti[0].x, -10 * h, 1e-9);
    EXPECT_NEAR(TestoEsatto(*dxf, "R min").Punti[0].y, -45.0 / 20 - 8 * h - 1.5 * h, 1e-6);
    EXPECT_NEAR(TestoEsatto(*dxf, " 45").Punti[0].x, 3, 1e-9);
    const auto trenta = Di(*dxf, "Testo");
    EXPECT_EQ(trenta[8].Punti[0].x, 0); // R max of support 1
    EXPECT_EQ(trenta[9].Punti[0].x, 6); // and of support 2
    for (const auto& e : trenta)
        EXPECT_EQ(e.Valore, h);
    EXPECT_TRUE(msg.Voci.empty());
}

TEST_F(Diagrammi, DeformataSoloSeRichiesta) {
    const Velcora t = Semplice();
    Momenti(t, *dxf);
    EXPECT_TRUE(Di(*dxf, "Polilinea", 6).empty());
    for (const auto& s : Testi(*dxf)) {
        EXPECT_EQ(s.find("Scala Frecce"), std::string::npos);
        EXPECT_NE(s, "f max");
    }

    imp.VisualizzaDeformata = true;
    dxf->Elementi.clear();
    const DiagrammaTrave con = Momenti(t, *dxf, Separatori::Italiani());
    // 5 · 1.8 mm over a diagram 45/20 high, rounded: 0.004 → 0.005.
    EXPECT_NEAR(*con.ScalaFR, 0.005, 1e-15);
    const auto massima = Di(*dxf, "Polilinea", 7);
    const auto minima = Di(*dxf, "Polilinea", 6);
    ASSERT_EQ(minima.size(), 1u);
    EXPECT_EQ(minima[0].Punti.size(), static_cast<std::size_t>(t.nPt() - 1));
    EXPECT_NEAR(prova::MinimoY(minima[0]), -0.0018 / 0.005, 1e-5); // downwards, like the moments
    EXPECT_EQ(massima.size(), 3u);                                 // with the two supports
    const auto testi = Testi(*dxf);
    EXPECT_EQ(testi[0], "Scala Frecce 1:0,005");
    EXPECT_EQ(testi[1], "Scala momenti 1:20 - Sollecitazioni SLE - Rara");
    EXPECT_THAT(testi, Contains("f max"));
    EXPECT_EQ(TestoEsatto(*dxf, "f min").Colore, 6);
    EXPECT_THAT(testi, Contains(" 1,800E-03"));
}

TEST_F(Diagrammi, TaglioConLeSueRigheETitolo) {
    Velcora t = TraveDiProva({{4, 10, 2, 3, 1}, {5, 10}}, Appoggio, Appoggio);
    imp.StatoLimite = SLU;
    t.CalcolaIperstatiche(imp);
    const DiagrammaTrave d = Tagli(t, *dxf, Separatori::Italiani());
    const auto testi = Testi(*dxf);
    EXPECT_EQ(testi[0],
              "Scala tagli 1:" + TestoNumero(d.Scala, Separatori::Italiani()) + " - Sollecitazioni SLU");
    for (const char* riga : {"T maxs", "T maxd", "Luci", "G1", "G2", "Q1", "Q2"})
        EXPECT_THAT(testi, Contains(riga));
    // Loads and lengths at the middle of each span.
    const auto g2 = std::find(testi.begin(), testi.end(), "G2") - testi.begin();
    EXPECT_EQ(testi[static_cast<std::size_t>(g2) + 1], " 2");
    EXPECT_EQ(testi[static_cast<std::size_t>(g2) + 2], " 0");
    EXPECT_EQ(Di(*dxf, "Testo")[static_cast<std::size_t>(g2) + 1].Punti[0].x, 2);
    EXPECT_EQ(Di(*dxf, "Testo")[static_cast<std::size_t>(g2) + 2].Punti[0].x, 6.5);
    EXPECT_EQ(Di(*dxf, "Polilinea", 1).size(), 2u);
}

TEST_F(Diagrammi, NelBloccoGliInviluppiInColoreQuattro) {
    const Velcora t = Semplice();
    auto blocco = std::make_shared<Registratore>(Uscita::Blocco);
    DisegnaSu(DiagrammaMomenti(t, imp, {}, msg, 4).Figura, *blocco, msg);
    EXPECT_EQ(Di(*blocco, "Polilinea", 4).size(), 2u);
    EXPECT_TRUE(Di(*blocco, "Polilinea", 1).empty());
    // In a block a text stands on its point.
    EXPECT_NEAR(TestoEsatto(*blocco, "File : trave - Prova").Punti[0].y, 9 * 0.06, 1e-6);
}

// ---- Decalage -------------------------------------------------------------------------------------------

TEST_F(Diagrammi, DecalageSoloOSovrapposto) {
    Velcora t = Semplice();
    const auto curve = [&](int modo) {
        t.Decala = modo;
        Registratore r(Uscita::Dxf);
        Momenti(t, r);
        return Di(r, "Polilinea", 1);
    };
    EXPECT_EQ(curve(0).size(), 2u);
    const auto sola = curve(1);
    ASSERT_EQ(sola.size(), 1u); // one shifted sagging line, no hogging line
    EXPECT_EQ(curve(2).size(), 3u);

    // The plateau of the shifted line: 2 · 0.9 · (0.50 − 0.03) = 0.846 wide around mid-span,
    // at the peak moment on the diagram's scale; the line closes on the axis at both ends.
    const auto& p = sola[0].Punti;
    const double picco = prova::MinimoY(sola[0]);
    EXPECT_NEAR(picco, -45.0 / 20, 1e-6);
    double da = 1e9, a = -1e9;
    for (const auto& v : p)
        if (v.y == picco) da = std::min(da, v.x), a = std::max(a, v.x);
    EXPECT_NEAR(a - da, 0.846, 1e-5);
    EXPECT_NEAR((a + da) / 2, 3, 1e-5);
    EXPECT_EQ(p.front(), (Punto{0, 0}));
    EXPECT_NEAR(p.back().x, 6, 1e-6);
    EXPECT_EQ(p.back().y, 0);
}

TEST_F(Diagrammi, DecalageDueCampateLineeNegativeSullAppoggioInterno) {
    Velcora t = TraveDiProva({{5, 10}, {5, 10}}, Appoggio, Appoggio, 200);
    t.Copriferro = 0.03f;
    t.Decala = 1;
    t.CalcolaIperstatiche(imp);
    const DiagrammaTrave d = Momenti(t, *dxf);
    const LineeDecalage linee = Decalage(t, msg);
    ASSERT_EQ(linee.Positive.size(), 2u);
    ASSERT_EQ(linee.Negative.size(), 2u);
    const auto disegnate = Di(*dxf, "Polilinea", 1);
    ASSERT_EQ(disegnate.size(), 4u);
    // Drawn in the order of the lines, with the moment scale (hogging above the axis).
    const double s = d.Scala;
    const auto& negativa = linee.Negative[0];
    ASSERT_EQ(disegnate[2].Punti.size(), static_cast<std::size_t>(negativa.nPoli()));
    for (std::size_t k = 0; k < disegnate[2].Punti.size(); ++k) {
        EXPECT_EQ(disegnate[2].Punti[k].x, negativa.x[k]);
        EXPECT_NEAR(disegnate[2].Punti[k].y, -negativa.y[k] / s, 1e-12);
    }
    EXPECT_GT(prova::MassimoY(disegnate[2]), 0);
}

// ---- Supports ---------------------------------------------------------------------------------------------

struct Simboli {
    std::vector<double> triangoli;                    // apex abscissas
    std::vector<std::pair<double, double>> verticali; // x, half height
    std::vector<Elemento> archi;
    std::vector<std::pair<double, double>> molle; // horizontal lines off the beam
    std::size_t assi = 0;
};

Simboli SimboliDi(const Registratore& r, double L) {
    Simboli s;
    for (const auto& e : Di(r, "Polilinea", 7))
        if (e.Punti.size() == 4 && e.Punti.front() == e.Punti.back())
            s.triangoli.push_back(e.Punti.front().x);
    for (const auto& e : Di(r, "Linea", 7)) {
        const Punto a = e.Punti[0], b = e.Punti[1];
        if (a.x == b.x)
            s.verticali.push_back({a.x, std::fabs(b.y - a.y) / 2});
        else if (a.y == 0 && b.y == 0 && (std::min(a.x, b.x) < 0 || std::max(a.x, b.x) > L))
            s.molle.push_back({a.x, b.x});
        else if (a.y == 0 && b.y == 0)
            ++s.assi;
    }
    s.archi = Di(r, "Arco", 7);
    return s;
}

TEST_F(Diagrammi, SimboliDegliAppoggiPerOgniVincolo) {
    const double L = 9, D = L / 50;
    const auto disegna = [&](int sinistro, int destro) {
        Velcora t = TraveDiProva({{4, 10}, {5, 10}}, sinistro, destro);
        if (sinistro == Elastico) t.kVincoloSinistro = 1e5;
        if (destro == Elastico) t.kVincoloDestro = 1e5;
        t.CalcolaIperstatiche(imp);
        Registratore r(Uscita::Dxf);
        Momenti(t, r);
        return SimboliDi(r, L);
    };

    auto s = disegna(Appoggio, Appoggio);
    EXPECT_THAT(s.triangoli, ElementsAre(0, 4, 9));
    EXPECT_TRUE(s.verticali.empty());
    EXPECT_TRUE(s.archi.empty());
    EXPECT_EQ(s.assi, 4u); // two halves per span

    s = disegna(Incastro, Libero);
    EXPECT_THAT(s.triangoli, ElementsAre(4)); // the inner support only
    ASSERT_EQ(s.verticali.size(), 1u);
    EXPECT_EQ(s.verticali[0].first, 0);
    EXPECT_NEAR(s.verticali[0].second, D, 1e-12);
    EXPECT_TRUE(s.molle.empty());

    s = disegna(Libero, Incastro);
    EXPECT_THAT(s.triangoli, ElementsAre(4));
    ASSERT_EQ(s.verticali.size(), 1u);
    EXPECT_EQ(s.verticali[0].first, L);

    s = disegna(Elastico, Elastico);
    EXPECT_THAT(s.triangoli, ElementsAre(0, 4, 9));
    ASSERT_EQ(s.archi.size(), 2u);
    // Half circles of radius 2D over the axis, starting at the ends and going outwards.
    EXPECT_NEAR(s.archi[0].Punti[0].x, -2 * D, 1e-12);
    EXPECT_NEAR(s.archi[1].Punti[0].x, L + 2 * D, 1e-12);
    for (const auto& a : s.archi) {
        EXPECT_EQ(a.Punti[0].y, 0);
        EXPECT_NEAR(a.Valore, 2 * D, 1e-12);
        EXPECT_EQ(a.a1, 0);
        EXPECT_EQ(a.a2, std::numbers::pi);
    }
    ASSERT_EQ(s.molle.size(), 2u);
    EXPECT_NEAR(std::min(s.molle[0].first, s.molle[0].second), -5 * D, 1e-12);
    EXPECT_NEAR(std::max(s.molle[0].first, s.molle[0].second), -3 * D, 1e-12);
    EXPECT_NEAR(std::min(s.molle[1].first, s.molle[1].second), L + 3 * D, 1e-12);
    EXPECT_NEAR(std::max(s.molle[1].first, s.molle[1].second), L + 5 * D, 1e-12);
}

TEST_F(Diagrammi, TriangoloEquilateroConLaPuntaSullAsse) {
    const Velcora t = Semplice();
    Momenti(t, *dxf);
    const double D = 6.0 / 50;
    const auto triangolo = Di(*dxf, "Polilinea", 7).at(0).Punti;
    EXPECT_THAT(triangolo, ElementsAre(Punto{0, 0}, Punto{D / 2, -D * std::sqrt(3.0) / 2},
                                       Punto{-D / 2, -D * std::sqrt(3.0) / 2}, Punto{0, 0}));
}

// ---- Layouts ----------------------------------------------------------------------------------------------

TEST_F(Diagrammi, DwgTaglioSottoIlMomento) {
    const Velcora t = Semplice();
    PlottaDWG(t, imp, {}, *dxf, msg);
    const double h = 0.06;
    const double fondoM = -45.0 / 20 - 12 * h;
    const double cimaT = 30.0 / 20 + 8 * h;
    const double origine = static_cast<float>(fondoM - cimaT - 6 * h);
    const auto curve = Di(*dxf, "Polilinea", 1);
    ASSERT_EQ(curve.size(), 4u);
    // The shear curves start on their own axis, lowered by the origin.
    EXPECT_NEAR(curve[2].Punti.front().y, origine, 1e-6);
    EXPECT_NEAR(prova::MinimoY(curve[2]), origine - 30.0 / 20, 1e-5);
    EXPECT_NEAR(prova::MassimoY(curve[3]), origine + 30.0 / 20, 1e-5);
    EXPECT_NEAR(DiagrammaTagli(t, imp, {}).Figura.Campo.yMax, cimaT,
                1e-6); // the extents stay the diagram's own
    // The shear titles clear the moment rows: nothing of the shear above the moment's bottom.
    for (const auto& e : Di(*dxf, "Testo"))
        if (e.Testo.rfind("Scala tagli", 0) == 0) {
            EXPECT_LT(e.Punti[0].y, fondoM);
        }
}

TEST_F(Diagrammi, FinestraEStampante) {
    const Velcora t = Semplice();
    Registratore video(Uscita::Video, ScalaDispositivo{0, 0, 800, 600});
    const Plottaggio p = DisegnaSu(DiagrammaMomenti(t, imp, {}, msg).Figura, video, msg);
    EXPECT_THAT(p.FrazioniDispositivo(), ElementsAre(0.1f, 0.07f, 0.9f, 0.95f));
    EXPECT_FALSE(p.MantieneProporzioni());
    EXPECT_FALSE(video.Scale.empty());
    EXPECT_LT(p.xFinestraPlt()[0], 0); // room for the row names left of the beam

    Registratore stampante(Uscita::Stampante, ScalaDispositivo{0, 0, 4000, 6000});
    PlottaStamp(t, imp, {}, stampante, msg);
    // Moment then shear, each fitted to its half of the page.
    EXPECT_EQ(stampante.Scale.size(), 2u);
    const DiagrammaTrave taglio = DiagrammaTagli(t, imp, {});
    EXPECT_THAT(taglio.Figura.SuPagina.Frazioni, ElementsAre(0.15f, 0.1f, 0.9f, 0.5f));
    EXPECT_THAT(DiagrammaMomenti(t, imp, {}, msg).Figura.SuPagina.Frazioni,
                ElementsAre(0.15f, 0.5f, 0.9f, 0.9f));
    EXPECT_TRUE(taglio.Figura.SuPagina.MantieneProporzioni);
    EXPECT_EQ(Di(stampante, "Polilinea", 1).size(), 4u);
}

TEST_F(Diagrammi, TraveNonCalcolataRifiutata) {
    const Velcora t = TraveDiProva({{6, 10}}, Appoggio, Appoggio);
    EXPECT_THROW(PlottaMT(TipoDiagramma::Momenti, t, imp, {}, *dxf, msg), ErroreDisegno);
    EXPECT_TRUE(dxf->Elementi.empty());
}

} // namespace
} // namespace vc
