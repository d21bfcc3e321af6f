// The load diagram: the displayed loads, their scales, the legend and the error report.

#include "TraviDisegno.h"
#include "drawing/DiagrammiTrave.h"
#include "drawing/core/ErroreDisegno.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

namespace vc {
namespace {

using prova::Di;
using prova::Registratore;
using prova::Testi;
using prova::TestoEsatto;
using prova::TraveDiProva;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

constexpr int G1 = 0, Q1 = 2; // rows of the display matrix

class Carichi : public ::testing::Test {
  protected:
    MessaggiRegistrati msg;
    Impostazioni imp = prova::Rara();
    std::shared_ptr<Registratore> dxf = std::make_shared<Registratore>(Uscita::Dxf);

    Carichi() { dxf->registraSolido = true; }

    // Spans of 4 and 6 m.
    Velcora Trave(float g1a, float g1b, float q1a = 0) {
        Velcora t = TraveDiProva({{4, g1a, 2, q1a, 0}, {6, g1b}}, Appoggio, Appoggio);
        t.CalcolaIperstatiche(imp);
        return t;
    }

    static TabellaVisualCarichi Mostra(std::initializer_list<std::pair<int, int>> voci) {
        TabellaVisualCarichi v{};
        for (const auto& [famiglia, tipo] : voci)
            v[static_cast<std::size_t>(famiglia)][static_cast<std::size_t>(tipo - 1)] = true;
        return v;
    }

    // The load diagram on the device as the load window draws it, and its scales.
    DiagrammaTrave Disegna(const Velcora& t, const std::shared_ptr<Registratore>& r) {
        PlottaMT(TipoDiagramma::Carichi, t, imp, Separatori::Italiani(), *r, msg);
        try {
            return DiagrammaCarichi(t, Separatori::Italiani());
        } catch (const ErroreDisegno&) {
            return {};
        }
    }
};

TEST_F(Carichi, SoloG1DistribuitoUnaBandaTratteggiataPerCampata) {
    Velcora t = Trave(10, 10, 5);
    t.VisualCar(Mostra({{G1, 1}}));
    const DiagrammaTrave d = Disegna(t, dxf);
    // Case 1 (distributed loads govern): frame scale 1.5·20/10 = 3 → 5, the bands on it.
    EXPECT_DOUBLE_EQ(d.ScalaTrapezi, 5);
    EXPECT_DOUBLE_EQ(d.ScalaConcentrati, 0);
    const auto bande = Di(*dxf, "Polilinea", 5);
    ASSERT_EQ(bande.size(), 2u);
    EXPECT_THAT(bande[0].Punti,
                ElementsAre(Punto{0, 0.25}, Punto{4, 0.25}, Punto{4, 2.25}, Punto{0, 2.25}, Punto{0, 0.25}));
    EXPECT_EQ(bande[1].Punti[1].x, 10);
    // Vertical hatch lines L/100 apart: 39 in 4 m, 59 in 6 m.
    const auto tratteggio = Di(*dxf, "Linea", 5);
    EXPECT_EQ(tratteggio.size(), 98u);
    for (const auto& l : tratteggio)
        EXPECT_NEAR(l.Punti[0].x, l.Punti[1].x, 1e-12);
    // One label per uniform load, just above its band; then the legend of the file.
    EXPECT_THAT(Testi(*dxf), ElementsAre("10 kN/m", "10 kN/m", "Scala carichi trapezi 1:5"));
    const auto etichetta = Di(*dxf, "Testo").at(0);
    EXPECT_NEAR(etichetta.Punti[0].y - 2.25, 0.1 * 0.1, 1e-9); // its base 0.1 h over the band
    EXPECT_TRUE(msg.Voci.empty());
}

TEST_F(Carichi, FamiglieDellaStessaCampataUnaSullAltra) {
    Velcora t = Trave(10, 10, 5);
    t.VisualCar(Mostra({{G1, 1}, {Q1, 1}}));
    const DiagrammaTrave d = Disegna(t, dxf);
    EXPECT_EQ(MaxTrapeziCalcola(t), 15);
    const double S = d.ScalaTrapezi; // 1.5·30/10 = 4.5 → 5
    EXPECT_EQ(S, 5);
    const auto q1 = Di(*dxf, "Polilinea", 1);
    ASSERT_EQ(q1.size(), 1u); // span 2 has no Q1
    EXPECT_NEAR(q1[0].Punti[0].y, 0.25 + 10 / S, 1e-12);
    EXPECT_NEAR(q1[0].Punti[2].y, 0.25 + 15 / S, 1e-12);
}

TEST_F(Carichi, SoloForzeCasoDueFrecceSullAsse) {
    Velcora t = Trave(0, 0);
    t.Dati_Fconc({{1, 20, 0, 0, 0, 1.5f}, {2, -8, 0, 0, 0, 3}}, true);
    t.VisualCar(Mostra({{G1, 1}, {G1, 2}}));
    const DiagrammaTrave d = Disegna(t, dxf);
    // The forces govern: 1.5·40/10 = 6 → 10.
    EXPECT_DOUBLE_EQ(d.ScalaConcentrati, 10);
    EXPECT_DOUBLE_EQ(d.ScalaTrapezi, 0);
    const auto aste = Di(*dxf, "Linea", 5);
    ASSERT_EQ(aste.size(), 2u);
    EXPECT_THAT(aste[0].Punti, ElementsAre(Punto{1.5, 0}, Punto{1.5, 2}));
    EXPECT_THAT(aste[1].Punti, ElementsAre(Punto{7, 0}, Punto{7, -0.8})); // upward, from under the axis
    const auto punte = Di(*dxf, "Solido", 5);
    ASSERT_EQ(punte.size(), 2u);
    EXPECT_EQ(punte[0].Punti[0], (Punto{1.5, 0}));
    EXPECT_GT(punte[0].Punti[1].y, 0); // pointing down onto the axis
    EXPECT_LT(punte[1].Punti[1].y, 0); // pointing up onto the axis
    EXPECT_THAT(Testi(*dxf), Contains("20 kN"));
    EXPECT_THAT(Testi(*dxf), Contains("-8 kN"));
}

TEST_F(Carichi, CarichiPiccoliLegatiAUnDecimoDellaLuce) {
    Velcora t = Trave(0.5f, 0.2f);
    t.Dati_Fconc({{1, 0.4f, 0, 0, 0, 2}}, true);
    t.VisualCar(Mostra({{G1, 1}, {G1, 2}}));
    const DiagrammaTrave d = Disegna(t, dxf);
    // Case 3: H = L/10 = 1, frame scale 1.5·2/10 = 0.3 → 0.5.
    EXPECT_DOUBLE_EQ(d.ScalaTrapezi, 2 * 0.5 * 0.5 / 1);
    EXPECT_NEAR(d.ScalaConcentrati, 0.5 * 0.4 / 1, 1e-7);
    // The largest band is a tenth of the beam high, the force as high as the frame.
    EXPECT_NEAR(prova::MassimoY(Di(*dxf, "Polilinea", 5).at(0)), 0.25 + 1, 1e-6);
    EXPECT_NEAR(Di(*dxf, "Linea", 5).back().Punti[1].y, 0.4 / d.ScalaConcentrati, 1e-6);
}

TEST_F(Carichi, LegendaSoloSuFileECad) {
    Velcora t = Trave(10, 10);
    t.Dati_Fconc({{1, 20, 0, 0, 0, 2}}, true);
    t.VisualCar(Mostra({{G1, 1}, {G1, 2}}));
    Disegna(t, dxf);
    EXPECT_THAT(Testi(*dxf), Contains("Scala carichi trapezi 1:6"));
    EXPECT_THAT(Testi(*dxf), Contains("Scala carichi concentrati 1:10"));
    // No couple displayed, no couple scale.
    for (const auto& s : Testi(*dxf))
        EXPECT_EQ(s.find("coppie"), std::string::npos);
    const auto prima = TestoEsatto(*dxf, "Scala carichi trapezi 1:6");
    EXPECT_EQ(prima.Punti[0].x, 0);

    auto dwg = std::make_shared<Registratore>(Uscita::Dwg);
    Disegna(t, dwg);
    EXPECT_THAT(Testi(*dwg), Contains("Scala carichi trapezi 1:6"));

    for (Uscita u : {Uscita::Video, Uscita::Stampante}) {
        auto schermo = std::make_shared<Registratore>(u, ScalaDispositivo{0, 0, 800, 600});
        Disegna(t, schermo);
        EXPECT_THAT(Testi(*schermo), Not(Contains("Scala carichi trapezi 1:6")));
        EXPECT_THAT(Testi(*schermo), Contains("20 kN"));
    }
}

// The layout as values, before any device: each item carries its family's colour and its
// width; the arrowhead is a symbol at the force's point; the legend texts are flagged as such.
TEST_F(Carichi, IlDisegnoDeiCarichiComeValori) {
    Velcora t = Trave(10, 10);
    t.Dati_Fconc({{1, 20, 0, 0, 0, 2}}, true);
    t.VisualCar(Mostra({{G1, 1}, {G1, 2}}));
    const DiagrammaTrave d = DiagrammaCarichi(t, Separatori::Italiani());
    int bande = 0, tratteggi = 0;
    std::vector<PuntaFreccia> punte;
    std::vector<std::string> legenda, etichette;
    for (const vc::Elemento& e : d.Figura.Elementi) {
        const Stile& s = e.Aspetto;
        if (std::holds_alternative<Spezzata>(e.Forma) && s.Colore == 5) {
            ++bande;
            EXPECT_EQ(s.Spessore, 2);
        } else if (std::holds_alternative<Tratteggio>(e.Forma)) {
            ++tratteggi;
            EXPECT_EQ(s.Colore, 5);
            EXPECT_EQ(s.Spessore, 1);
        } else if (const auto* p = std::get_if<PuntaFreccia>(&e.Forma)) {
            punte.push_back(*p);
            EXPECT_EQ(s.Colore, 5);
        } else if (const auto* w = std::get_if<Scritta>(&e.Forma)) {
            (w->Legenda ? legenda : etichette).push_back(w->Testo);
            if (!w->Legenda) {
                EXPECT_EQ(s.Colore, 5) << w->Testo;
            }
        }
    }
    EXPECT_EQ(bande, 2);
    EXPECT_EQ(tratteggi, 2);
    ASSERT_EQ(punte.size(), 1u);
    EXPECT_EQ(punte[0].Punta.x, 2);
    EXPECT_EQ(punte[0].Angolo, 0); // downwards
    EXPECT_TRUE(punte[0].Piena);
    EXPECT_THAT(legenda, ElementsAre("Scala carichi trapezi 1:6", "Scala carichi concentrati 1:10"));
    EXPECT_THAT(etichette, ElementsAre("10 kN/m", "10 kN/m", "20 kN"));
}

TEST_F(Carichi, CoppieArchiProporzionaliConLaPunta) {
    Velcora t = Trave(0, 0);
    t.Dati_Fconc({{1, 10, 0, 0, 0, 2}, {2, -5, 0, 0, 0, 3}}, false);
    t.VisualCar(Mostra({{G1, 3}}));
    const DiagrammaTrave d = Disegna(t, dxf);
    EXPECT_EQ(d.CoppiaMezzoGiro, 10);
    const auto archi = Di(*dxf, "Arco", 5);
    ASSERT_EQ(archi.size(), 2u);
    EXPECT_EQ(archi[0].Punti[0], (Punto{2, 0}));
    EXPECT_EQ(archi[0].Valore, 1); // a tenth of the beam
    EXPECT_NEAR(archi[0].a1, 0, 1e-12);
    EXPECT_NEAR(archi[0].a2, std::numbers::pi, 1e-12); // the largest couple: a half circle
    EXPECT_NEAR(archi[1].a2 - archi[1].a1, std::numbers::pi / 2, 1e-12);
    const auto punte = Di(*dxf, "Solido", 5);
    ASSERT_EQ(punte.size(), 2u);
    EXPECT_NEAR(punte[0].Punti[0].x, 3, 1e-12); // clockwise: at the right end of the arc
    EXPECT_NEAR(punte[0].Punti[0].y, 0, 1e-12);
    EXPECT_NEAR(punte[1].Punti[0].x, 7 + std::cos(0.75 * std::numbers::pi), 1e-12); // counter-clockwise: left
    EXPECT_THAT(Testi(*dxf), Contains("(10 kNm)"));
    EXPECT_THAT(Testi(*dxf), Contains("(-5 kNm)"));
    EXPECT_THAT(Testi(*dxf), Contains("Scala coppie: 180° = 10"));
}

TEST_F(Carichi, NienteDaMostrareSoloLaTrave) {
    const Velcora t = TraveDiProva({{4, 10}, {6, 10}}, Appoggio, Appoggio); // not even solved
    Disegna(t, dxf);
    EXPECT_TRUE(Testi(*dxf).empty());
    EXPECT_EQ(Di(*dxf, "Polilinea", 7).size(), 3u); // the three supports
    EXPECT_EQ(Di(*dxf, "Linea", 7).size(), 4u);
    EXPECT_TRUE(msg.Voci.empty());
}

TEST_F(Carichi, ErroreRiferitoEDisegnoFermato) {
    Velcora t = TraveDiProva({{4, std::numeric_limits<float>::infinity()}, {6, 10}}, Appoggio, Appoggio);
    t.VisualCar(Mostra({{G1, 1}}));
    Disegna(t, dxf);
    EXPECT_TRUE(dxf->Elementi.empty());
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo,
              "Errore 6 \"Scala non finita nel disegno\"\nin PlottaCarichi. Controllare i dati");
    EXPECT_EQ(msg.Voci[0].Icona, Icona::Domanda);
}

} // namespace
} // namespace vc
