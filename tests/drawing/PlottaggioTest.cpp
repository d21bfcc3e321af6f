// Plottaggio: how a drawing's world coordinates land on a window, a printer page, a file or a
// CAD drawing.

#include "drawing/core/Plottaggio.h"

#include "AiutoDisegno.h"
#include "drawing/core/ErroreDisegno.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

namespace vc {
namespace {

using prova::Registratore;
using ::testing::ElementsAre;

struct Mappatura : ::testing::Test {
    MessaggiRegistrati messaggi;
    Plottaggio p;

    std::shared_ptr<Registratore> Finestra(double w = 400, double h = 300) {
        return std::make_shared<Registratore>(Uscita::Video, ScalaDispositivo{0, 0, w, h});
    }
    // Where a world point lands on the device, by the last user coordinates set on it.
    static Punto SulDispositivo(const Registratore& d, double w, double h, Punto mondo) {
        const auto& s = d.Scale.back();
        return {(mondo.x - s.Sinistra) / s.Larghezza * w, (mondo.y - s.Alto) / s.Altezza * h};
    }
};

TEST_F(Mappatura, FileConOggettoNuovoAllargaDiRaDestraEInAlto) {
    auto dxf = std::make_shared<Registratore>(Uscita::Dxf);
    p.Inizializza(*dxf, 0, 10, -2, 3, 1, true, 0, messaggi);
    EXPECT_THAT(p.xFinestraPlt(), ElementsAre(0, 0, 20, 20));
    EXPECT_THAT(p.yFinestraPlt(), ElementsAre(13, -2, -2, 13));
    EXPECT_EQ(p.ScalaMantieneProporzioni, 1);
    EXPECT_EQ(dxf->richiesteArea, 0);
    EXPECT_TRUE(dxf->Scale.empty());
    EXPECT_TRUE(messaggi.Voci.empty());

    EXPECT_EQ(p.TipoUscita(), Uscita::Dxf);
    EXPECT_EQ(p.ScalaY(), 1);
    EXPECT_DOUBLE_EQ(p.ZeroMaxDimen(), 10 / 1e6);
    EXPECT_TRUE(dxf->Elementi.empty());
}

TEST_F(Mappatura, FileConFrazioniScalaYEOrigine) {
    auto dwg = std::make_shared<Registratore>(Uscita::Dwg);
    p.EstremiFinestra(0.1f, 0.07f, 0.9f, 0.95f);
    p.Inizializza(*dwg, 0, 10, -2, 10, 2, false, -4, messaggi);
    EXPECT_EQ(p.yMin, -3);
    EXPECT_EQ(p.yMax, 3);
    const auto& x = p.xFinestraPlt();
    const auto& y = p.yFinestraPlt();
    EXPECT_FLOAT_EQ(x[0], -1);
    EXPECT_FLOAT_EQ(x[1], -1);
    EXPECT_FLOAT_EQ(x[2], 11);
    EXPECT_FLOAT_EQ(x[3], 11);
    EXPECT_FLOAT_EQ(y[0], 3.5);
    EXPECT_FLOAT_EQ(y[1], -3.7f);
    EXPECT_FLOAT_EQ(y[2], -3.7f);
    EXPECT_FLOAT_EQ(y[3], 3.5);
    EXPECT_EQ(p.ScalaMantieneProporzioni, 1); // released proportions mean nothing off screen
    EXPECT_EQ(p.ScalaY(), 2);
}

TEST_F(Mappatura, EstremiDegeneriAllargati) {
    auto dxf = std::make_shared<Registratore>(Uscita::Dxf);
    p.Inizializza(*dxf, 0, 10, 5, 5, 1, true, 0, messaggi);
    EXPECT_EQ(p.yMin, 5);
    EXPECT_FLOAT_EQ(p.yMax, 5.01f); // a thousandth of the width

    p.Inizializza(*dxf, 0, 0, 0, 4, 1, true, 0, messaggi);
    EXPECT_FLOAT_EQ(p.xMax, 0.004f);

    p.Inizializza(*dxf, 3, 3, 7, 7, 1, true, 0, messaggi);
    EXPECT_EQ(p.xMax, 4);
    EXPECT_EQ(p.yMax, 8);

    // Reversed extents are widened from their minimum.
    p.Inizializza(*dxf, 0, 10, 3, 1, 1, true, 0, messaggi);
    EXPECT_EQ(p.yMin, 3);
    EXPECT_FLOAT_EQ(p.yMax, 3.01f);
}

TEST_F(Mappatura, PuntoLontanoEPoligonoVuotoAncoraConUnaFinestra) {
    auto dxf = std::make_shared<Registratore>(Uscita::Dxf);
    // Adding 1 to 3E+7 changes nothing in single precision.
    p.Inizializza(*dxf, 3e7f, 3e7f, 3e7f, 3e7f, 1, true, 0, messaggi);
    EXPECT_GT(p.xMax, p.xMin);
    EXPECT_GT(p.yMax, p.yMin);
    EXPECT_GT(p.ZeroMaxDimen(), 0);

    // The extremes of a polygon without vertices.
    p.Inizializza(*dxf, 1e20f, -1e20f, 1e20f, -1e20f, 1, true, 0, messaggi);
    EXPECT_GT(p.xMax, p.xMin);
    EXPECT_GT(p.yMax, p.yMin);
    EXPECT_TRUE(std::isfinite(p.ZeroMaxDimen()));

    // On a window too the mapping stays finite.
    auto video = Finestra();
    p.Inizializza(*video, 3e7f, 3e7f, 3e7f, 3e7f, 1, true, 0, messaggi);
    ASSERT_FALSE(video->Scale.empty());
    const auto& s = video->Scale.back();
    EXPECT_TRUE(std::isfinite(s.Sinistra) && std::isfinite(s.Alto) && std::isfinite(s.Larghezza) &&
                std::isfinite(s.Altezza));
    EXPECT_NE(s.Larghezza, 0);
}

TEST_F(Mappatura, ScalaNullaOEstremiNonFinitiRifiutati) {
    auto dxf = std::make_shared<Registratore>(Uscita::Dxf);
    try {
        p.Inizializza(*dxf, 0, 1, 0, 1, 0, true, 0, messaggi);
        FAIL() << "nessun errore";
    } catch (const ErroreDisegno& e) {
        EXPECT_EQ(e.tipo(), ErroreDisegno::Tipo::DatiNonValidi);
    }
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_THROW(p.Inizializza(*dxf, 0, nan, 0, 1, 1, true, 0, messaggi), ErroreDisegno);
    EXPECT_THROW(p.Inizializza(*dxf, 0, 1, 0, 1, 1, true, nan, messaggi), ErroreDisegno);
}

TEST_F(Mappatura, FinestraDisegnoLargoRiempieLaLarghezzaECentratoInAltezza) {
    auto video = Finestra();
    p.EstremiFinestra(0.1f, 0.1f, 0.9f, 0.9f);
    p.Inizializza(*video, 0, 10, 0, 1, 1, true, 0, messaggi);
    EXPECT_EQ(video->richiesteArea, 1);
    ASSERT_EQ(video->Scale.size(), 2u); // set, then centred
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {0, 0}).x, 40, 1e-3);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {10, 0}).x, 360, 1e-3);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {5, 0.5}).y, 150, 1e-3);
    // Equal scales: one unit is as long in x as in y.
    const auto& s = video->Scale.back();
    EXPECT_NEAR(400 / s.Larghezza, -300 / s.Altezza, 1e-9);
    EXPECT_EQ(p.ScalaMantieneProporzioni, 1);
    EXPECT_FLOAT_EQ(p.xFinestraPlt()[0], -1.25f);
    EXPECT_FLOAT_EQ(p.xFinestraPlt()[2], 11.25f);
    EXPECT_FLOAT_EQ(p.yFinestraPlt()[0], 5.1875f);
    EXPECT_FLOAT_EQ(p.yFinestraPlt()[1], -4.1875f);
}

TEST_F(Mappatura, FinestraDisegnoAltoRiempieLAltezzaECentratoInLarghezza) {
    auto video = Finestra();
    p.EstremiFinestra(0.1f, 0.1f, 0.9f, 0.9f);
    p.Inizializza(*video, 0, 1, 0, 10, 1, true, 0, messaggi);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {0.5, 0}).x, 200, 1e-3);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {0, 10}).y, 30, 1e-3);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {0, 0}).y, 270, 1e-3);
}

TEST_F(Mappatura, ProporzioniLibereRiempionoEntrambeLeDirezioni) {
    auto video = Finestra();
    p.EstremiFinestra(0.1f, 0.1f, 0.9f, 0.9f);
    p.Inizializza(*video, 0, 10, 0, 1, 1, false, 0, messaggi);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {0, 1}).x, 40, 1e-3);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {10, 1}).x, 360, 1e-3);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {0, 1}).y, 30, 1e-3);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {0, 0}).y, 270, 1e-3);
    // sy / sx = (1 / 240) / (10 / 320)
    EXPECT_FLOAT_EQ(p.ScalaMantieneProporzioni, 320.0f / 2400.0f);

}

TEST_F(Mappatura, MarginiAllarganoLaFinestraDeiDati) {
    auto video = Finestra();
    p.Bordi(0.1, 0.2, 0.3, 0.4);
    EXPECT_THAT(p.Margini(), ElementsAre(0.1, 0.2, 0.3, 0.4));
    p.Inizializza(*video, 0, 10, 0, 1, 1, false, 0, messaggi);
    // 14 wide with the margins, 1.6 high: the width fills the window...
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {-1, 0}).x, 0, 1e-3);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {13, 0}).x, 400, 1e-3);
    // ...the height with its margins is 300 pixels, and on a window the data themselves are
    // centred in the spare direction, which evens out unequal margins.
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {0, 1}).y - SulDispositivo(*video, 400, 300, {0, 0}).y,
                -300 / 1.6, 1e-3);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {0, 0.5}).y, 150, 1e-3);
}

TEST_F(Mappatura, StampanteNellaFasciaDellaPaginaSenzaCentrare) {
    auto stampante = std::make_shared<Registratore>(Uscita::Stampante, ScalaDispositivo{0, 0, 4000, 6000});
    p.EstremiFinestra(0.15f, 0.5f, 0.9f, 0.9f);
    p.Inizializza(*stampante, 0, 10, -1, 1, 1, true, 0, messaggi);
    ASSERT_EQ(stampante->Scale.size(), 1u);
    EXPECT_NEAR(SulDispositivo(*stampante, 4000, 6000, {0, 1}).x, 600, 1e-3);
    EXPECT_NEAR(SulDispositivo(*stampante, 4000, 6000, {10, 1}).x, 3600, 1e-3);
    EXPECT_NEAR(SulDispositivo(*stampante, 4000, 6000, {0, 1}).y, 600, 1e-3);
    EXPECT_NEAR(SulDispositivo(*stampante, 4000, 6000, {0, -1}).y, 1200, 1e-3);
}

TEST_F(Mappatura, FrazioniNulleDiventanoLIntereArea) {
    auto video = Finestra();
    p.Inizializza(*video, 0, 4, 0, 3, 1, true, 0, messaggi);
    EXPECT_THAT(p.FrazioniDispositivo(), ElementsAre(0, 0, 1, 1));
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {0, 3}).x, 0, 1e-3);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {4, 0}).x, 400, 1e-3);
    EXPECT_NEAR(SulDispositivo(*video, 400, 300, {4, 0}).y, 300, 1e-3);

    // Only xDes at 0: ySup stays as given.
    Plottaggio q;
    q.EstremiFinestra(0, 0.1f, 0, 0.8f);
    q.Inizializza(*video, 0, 4, 0, 3, 1, true, 0, messaggi);
    EXPECT_THAT(q.FrazioniDispositivo(), ElementsAre(0, 0.1f, 1, 0.8f));
}

TEST_F(Mappatura, DispositivoSenzaAreaMessaggioEFinestraFinita) {
    auto dxf = std::make_shared<Registratore>(Uscita::Dxf);
    p.Inizializza(*dxf, 0, 10, 0, 2, 1, true, 0, messaggi);
    p.AdattaAfinestra(*dxf, messaggi);
    ASSERT_EQ(messaggi.Voci.size(), 1u);
    EXPECT_EQ(messaggi.Voci[0].Testo, "ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista");
    EXPECT_EQ(messaggi.Voci[0].Icona, Icona::Nessuna);
    EXPECT_THAT(p.xFinestraPlt(), ElementsAre(0, 0, 10, 10));
    EXPECT_THAT(p.yFinestraPlt(), ElementsAre(2, 0, 0, 2));
    EXPECT_EQ(p.ScalaMantieneProporzioni, 1);
    EXPECT_TRUE(dxf->Scale.empty());

    // A window shrunk to nothing: no message, no user coordinates, nothing divided by zero.
    auto chiusa = Finestra(0, 0);
    Plottaggio q;
    q.Inizializza(*chiusa, 0, 10, 0, 2, 1, true, 0, messaggi);
    EXPECT_EQ(messaggi.Voci.size(), 1u);
    EXPECT_TRUE(chiusa->Scale.empty());
    for (float v : q.xFinestraPlt())
        EXPECT_TRUE(std::isfinite(v));
    EXPECT_TRUE(std::isfinite(q.ScalaMantieneProporzioni));
}

TEST_F(Mappatura, CentraNellaDirezioneLibera) {
    auto video = Finestra();
    p.Inizializza(*video, 0, 2, 0, 2, 1, true, 0, messaggi);
    double x1 = 0, y1 = 10, x2 = 4, y2 = 6;
    p.CentraPlottaggio(*video, 2, 1, x1, y1, x2, y2); // spare width
    EXPECT_EQ(x1, -1);
    EXPECT_EQ(x2, 3);
    EXPECT_EQ(y1, 10);
    EXPECT_EQ(video->Scale.back().Sinistra, -1);
    p.CentraPlottaggio(*video, 1, 2, x1, y1, x2, y2); // spare height
    EXPECT_EQ(y1, 3);
    EXPECT_EQ(y2, -1);
    EXPECT_EQ(video->Scale.back().Alto, 3);
    EXPECT_EQ(video->Scale.back().Altezza, -4);
}

TEST_F(Mappatura, CorniceDentroLAreaVisibile) {
    auto dxf = std::make_shared<Registratore>(Uscita::Dxf);
    p.Inizializza(*dxf, 0, 10, -2, 3, 5, true, 0, messaggi); // corners as in the first case, y scale 5
    p.Inizializza(*dxf, 0, 10, -10, 15, 5, true, 0, messaggi);
    Disegno cornice;
    p.PlottaFinestra(cornice, {.Colore = 8, .Spessore = 1});
    ASSERT_EQ(cornice.Elementi.size(), 1u);
    EXPECT_EQ(cornice.Elementi[0].Aspetto.Colore, 8);
    const auto& r = std::get<Spezzata>(cornice.Elementi[0].Forma);
    ASSERT_EQ(r.Vertici.size(), 5u);
    // With y scale 1 whatever the mapping's.
    EXPECT_NEAR(r.Vertici[0].x, 0, 1e-6);
    EXPECT_NEAR(r.Vertici[0].y, -2 + 15.0 / 500, 1e-6);
    EXPECT_NEAR(r.Vertici[2].x, 20 - 20.0 / 1000, 1e-6);
    EXPECT_NEAR(r.Vertici[2].y, 13, 1e-6);
}

} // namespace
} // namespace vc
