// The outline of a cross-section, hatched, as a drawing and on a window and in a file.

#include "drawing/DisegnoSezione.h"

#include "TraviDisegno.h"
#include "drawing/core/DisegnoSuDispositivo.h"

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
    Registratore dxf(Uscita::Dxf);
    PlottaSezione(Rettangolo(0.3f, 0.5f), dxf, m);

    const auto contorno = Di(dxf, "Polilinea", 5);
    ASSERT_EQ(contorno.size(), 1u);
    EXPECT_EQ(contorno[0].Punti.size(), 5u); // closed: the first vertex again
    EXPECT_EQ(contorno[0].Punti.front(), contorno[0].Punti.back());
    const auto tratteggio = Di(dxf, "Linea", 1);
    EXPECT_EQ(tratteggio.size(), 14u); // 15 strips
    for (const auto& l : tratteggio) {
        const double dx = l.Punti[1].x - l.Punti[0].x, dy = l.Punti[1].y - l.Punti[0].y;
        EXPECT_NEAR(std::fabs(dx), std::fabs(dy), 1e-9); // at 45 degrees
    }
    EXPECT_EQ(dxf.Conta("Testo"), 0u);
    // Width 2 for the outline, 1 for the hatch (ignored by a file, recorded here).
    std::vector<double> spessori;
    for (const auto& e : Di(dxf, "Spessore"))
        spessori.push_back(e.Valore);
    EXPECT_THAT(spessori, ElementsAre(2, 1));
    EXPECT_TRUE(m.Voci.empty());
}

TEST(DisegnoSezione, SuFinestraEPaginaAlCentroConLeProporzioni) {
    const Disegno d = DisegnoSezione(Rettangolo(0.3f, 0.5f));
    // The extents are those of the outline.
    EXPECT_FLOAT_EQ(d.Campo.xMax - d.Campo.xMin, 0.3f);
    EXPECT_FLOAT_EQ(d.Campo.yMax - d.Campo.yMin, 0.5f);
    for (const Inquadratura* i : {&d.SuFinestra, &d.SuPagina}) {
        EXPECT_THAT(i->Frazioni, ElementsAre(0.1f, 0.1f, 0.9f, 0.9f));
        EXPECT_TRUE(i->MantieneProporzioni);
    }

    MessaggiRegistrati m;
    Registratore video(Uscita::Video, ScalaDispositivo{0, 0, 400, 400});
    const Plottaggio p = DisegnaSu(d, video, m);
    EXPECT_THAT(p.FrazioniDispositivo(), ElementsAre(0.1f, 0.1f, 0.9f, 0.9f));
    EXPECT_TRUE(p.MantieneProporzioni());
    EXPECT_FALSE(video.Scale.empty());
    // A file keeps the world coordinates: its corners are the extents widened by nothing.
    Registratore dxf(Uscita::Dxf);
    const Plottaggio f = DisegnaSu(d, dxf, m);
    EXPECT_FLOAT_EQ(f.xFinestraPlt()[0], f.xMin);
    EXPECT_TRUE(dxf.Scale.empty());
    EXPECT_TRUE(m.Voci.empty());
}

TEST(DisegnoSezione, SezioneGenericaSenzaContornoNonDisegnaNulla) {
    MessaggiRegistrati m;
    SezioneCA generica;
    generica.TipoSez = SezGenerica;
    EXPECT_TRUE(DisegnoSezione(generica).Elementi.empty());
    Registratore video(Uscita::Video, ScalaDispositivo{0, 0, 400, 400});
    PlottaSezione(generica, video, m);
    EXPECT_TRUE(video.Elementi.empty());
    EXPECT_TRUE(video.Scale.empty());
}

} // namespace
} // namespace vc
