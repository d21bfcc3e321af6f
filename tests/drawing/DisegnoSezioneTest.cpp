// The outline of a cross-section, hatched, on a window and in a file.

#include "TraviDisegno.h"

#include "drawing/DisegnoSezione.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vc {
namespace {

using prova::Di;
using prova::Registratore;
using ::testing::ElementsAre;

SezioneCA Rettangolo(float b, float h) {
    SezioneCA s;
    s.TipoSez = SezRettangolare;
    s.b1 = b;
    s.h1 = h;
    s.hTot = h;
    s.CoordinateSezione();
    return s;
}

TEST(DisegnoSezione, ContornoBluETratteggioAQuarantacinqueGradi) {
    MessaggiRegistrati m;
    ContestoDisegno ctx(m);
    auto dxf = std::make_shared<Registratore>(Uscita::Dxf);
    DisegnoSezione disegno;
    disegno.PlottaSezione(Rettangolo(0.3f, 0.5f), ctx, dxf);

    const auto contorno = Di(*dxf, "Polilinea", 5);
    ASSERT_EQ(contorno.size(), 1u);
    EXPECT_EQ(contorno[0].Punti.size(), 5u); // closed: the first vertex again
    EXPECT_EQ(contorno[0].Punti.front(), contorno[0].Punti.back());
    const auto tratteggio = Di(*dxf, "Linea", 1);
    EXPECT_EQ(tratteggio.size(), 14u); // 15 strips
    for (const auto& l : tratteggio) {
        const double dx = l.Punti[1].x - l.Punti[0].x, dy = l.Punti[1].y - l.Punti[0].y;
        EXPECT_NEAR(std::fabs(dx), std::fabs(dy), 1e-9); // at 45 degrees
    }
    EXPECT_EQ(dxf->Conta("Testo"), 0u);
    // Width 2 for the outline, 1 for the hatch (ignored by a file, recorded here).
    std::vector<double> spessori;
    for (const auto& e : Di(*dxf, "Spessore"))
        spessori.push_back(e.Valore);
    EXPECT_THAT(spessori, ElementsAre(2, 1));
    EXPECT_TRUE(m.Voci.empty());
}

TEST(DisegnoSezione, LaMappaturaDellaFinestraRestaPerIlFile) {
    MessaggiRegistrati m;
    ContestoDisegno ctx(m);
    DisegnoSezione disegno;
    EXPECT_EQ(disegno.PlottaggioSezione(), nullptr);
    const SezioneCA s = Rettangolo(0.3f, 0.5f);

    auto video = std::make_shared<Registratore>(Uscita::Video, ScalaDispositivo{0, 0, 400, 400});
    disegno.PlottaSezione(s, ctx, video);
    const Plottaggio* primo = disegno.PlottaggioSezione();
    ASSERT_NE(primo, nullptr);
    EXPECT_THAT(primo->FrazioniDispositivo(), ElementsAre(0.1f, 0.1f, 0.9f, 0.9f));
    EXPECT_TRUE(primo->MantieneProporzioni());

    // A file drawn next keeps the fractions of the window: its corners leave the same room.
    auto dxf = std::make_shared<Registratore>(Uscita::Dxf);
    disegno.PlottaSezione(s, ctx, dxf);
    EXPECT_EQ(disegno.PlottaggioSezione(), primo);
    EXPECT_EQ(disegno.DispositivoUscita(), dxf);
    const float R = 0.5f; // the larger extent
    EXPECT_FLOAT_EQ(primo->xFinestraPlt()[0], primo->xMin - 0.1f * R);
    EXPECT_FLOAT_EQ(primo->yFinestraPlt()[1], primo->yMin - 0.1f * R);
}

TEST(DisegnoSezione, SezioneGenericaSenzaContornoNonDisegnaNulla) {
    MessaggiRegistrati m;
    ContestoDisegno ctx(m);
    SezioneCA generica;
    generica.TipoSez = SezGenerica;
    auto dxf = std::make_shared<Registratore>(Uscita::Dxf);
    DisegnoSezione disegno;
    disegno.PlottaSezione(generica, ctx, dxf);
    EXPECT_TRUE(dxf->Elementi.empty());
}

} // namespace
} // namespace vc
