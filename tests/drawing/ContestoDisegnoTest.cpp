// The drawing context: current device, y transform, colour and width, and every primitive as
// each kind of device receives it.

#include "drawing/core/ContestoDisegno.h"

#include "AiutoDisegno.h"
#include "drawing/core/DispositivoCad.h"
#include "drawing/core/DispositivoDxf.h"
#include "drawing/core/ErroreDisegno.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

namespace vc {
namespace {

using prova::Registratore;
using ::testing::ElementsAre;

struct Contesto : ::testing::Test {
    MessaggiRegistrati messaggi;
    ContestoDisegno ctx{messaggi};
    std::shared_ptr<Registratore> Su(Uscita u, double scalaY = 1) {
        auto d = std::make_shared<Registratore>(u);
        ctx.ImpostaUscita(scalaY, d);
        return d;
    }
};

TEST(NomiUscita, AndataERitorno) {
    for (auto u : {Uscita::Video, Uscita::Stampante, Uscita::Dxf, Uscita::Dwg, Uscita::Blocco})
        EXPECT_EQ(UscitaDaNome(NomeUscita(u)), u);
    EXPECT_EQ(NomeUscita(Uscita::Blocco), "BLOCCO");
    EXPECT_EQ(NomeUscita(Uscita::Stampante), "STAMPANTE");
    EXPECT_EQ(UscitaDaNome("FILE"), std::nullopt);
    EXPECT_EQ(UscitaDaNome("video"), std::nullopt);
}

TEST(Colori, TabellaRgbELeComponenti) {
    EXPECT_EQ(ColoreRGB(0), 0xFFFFFFu);
    EXPECT_EQ(ColoreRGB(1), 0x0000FFu);
    EXPECT_EQ(ColoreRGB(2), 0x00FFFFu);
    EXPECT_EQ(ColoreRGB(3), 0x00FF00u);
    EXPECT_EQ(ColoreRGB(4), 0xFFFF00u);
    EXPECT_EQ(ColoreRGB(5), 0xFF0000u);
    EXPECT_EQ(ColoreRGB(6), 0xFF00FFu);
    EXPECT_EQ(ColoreRGB(7), 0x000000u);
    EXPECT_EQ(ColoreRGB(8), 0x808080u);
    EXPECT_EQ(ColoreRGB(11), 0x000080u);
    EXPECT_EQ(ColoreRGB(13), 0x00C000u);
    for (int n : {9, 10, 12, 14, 200, 256, -1})
        EXPECT_EQ(ColoreRGB(n), 0u) << n;
    EXPECT_EQ(ComponentiRGB(ColoreRGB(1)), (ComponentiColore{255, 0, 0}));
    EXPECT_EQ(ComponentiRGB(ColoreRGB(5)), (ComponentiColore{0, 0, 255}));
    EXPECT_EQ(ComponentiRGB(ColoreRGB(11)), (ComponentiColore{128, 0, 0}));
    EXPECT_EQ(ComponentiRGB(ColoreRGB(13)), (ComponentiColore{0, 192, 0}));
}

TEST(Colori, SpessoreSullaStampanteInDecimiDiMillimetro) {
    // 1 unit = 2·5.67 twips = 0.2 mm; at 1440 dpi one pixel is one twip.
    EXPECT_EQ(SpessoreStampanteInPixel(1, 1440), 11);
    EXPECT_EQ(SpessoreStampanteInPixel(1, 600), 4); // 11.34 / 2.4 = 4.725
    EXPECT_EQ(SpessoreStampanteInPixel(5, 600), 23);
    EXPECT_EQ(SpessoreStampanteInPixel(0, 600), 0);
}

TEST_F(Contesto, ColoreNumeroSuFileRgbSuSchermo) {
    auto video = Su(Uscita::Video);
    ctx.ImpostaColore(1);
    EXPECT_EQ(ctx.ColoreCorrente(), 0x0000FFu);
    ctx.ImpostaColore(12);
    EXPECT_EQ(ctx.ColoreCorrente(), 0u);
    auto dxf = Su(Uscita::Dxf);
    EXPECT_EQ(ctx.ColoreCorrente(), 12u);
    // The device always receives the number.
    ctx.Linea(0, 0, 1, 1);
    EXPECT_EQ(dxf->Elementi.at(0).Colore, 12);
}

TEST_F(Contesto, ColoriSenzaTintaPropriaRestanoNumeriNelDxf) {
    auto d = std::make_shared<DispositivoDxf>();
    d->ApreFileDxf("x.dxf");
    ctx.ImpostaUscita(1, d);
    for (int c : {9, 10, 12, 14, 250}) {
        ctx.ImpostaColore(c);
        ctx.Linea(0, 0, 1, 1);
    }
    const auto righe = prova::RigheCrLf(d->File().Contenuto());
    std::vector<std::string> colori;
    for (std::size_t i = 0; i + 1 < righe.size(); ++i)
        if (righe[i] == " 62") colori.push_back(righe[i + 1]);
    EXPECT_THAT(colori, ElementsAre("     9", "    10", "    12", "    14", "   250"));
}

TEST_F(Contesto, TrasformazioneDelleY) {
    auto d = Su(Uscita::Dxf);
    ctx.OrigineYdxf(-10.5f);
    ctx.Linea(1, 4, 3, -8, -2);
    ASSERT_EQ(d->Elementi.size(), 1u);
    EXPECT_THAT(d->Elementi[0].Punti, ElementsAre(Punto{1, -12.5}, Punto{3, -6.5}));

    // The arc scales the y of its centre, never its radius.
    ctx.Arco(2, 6, 1.5, 0, 1, 2);
    EXPECT_EQ(d->Elementi[1].Punti[0], (Punto{2, -7.5}));
    EXPECT_EQ(d->Elementi[1].Valore, 1.5);

    const std::vector<float> x = {0, 1}, y = {2, 4};
    ctx.Polilinea(x, y, 4);
    EXPECT_THAT(d->Elementi[2].Punti, ElementsAre(Punto{0, -10}, Punto{1, -9.5}));

    // The solid takes its vertices as they are.
    const std::vector<double> xs = {0, 1, 1, 0}, ys = {0, 0, 1, 1};
    d->registraSolido = true;
    ctx.Solido(xs, ys);
    EXPECT_THAT(d->Elementi[3].Punti, ElementsAre(Punto{0, 0}, Punto{1, 0}, Punto{1, 1}, Punto{0, 1}));
}

TEST_F(Contesto, PolilineaPoligonoERettangolo) {
    auto d = Su(Uscita::Video);
    const std::vector<double> x = {0, 1, 2}, y = {0, 1, 0};
    ctx.Polilinea(x, y);
    ctx.Poligono(x, y);
    ctx.Rettangolo(1, 2, 3, 5);
    ASSERT_EQ(d->Elementi.size(), 3u);
    EXPECT_EQ(d->Elementi[0].Punti.size(), 3u);
    EXPECT_THAT(d->Elementi[1].Punti, ElementsAre(Punto{0, 0}, Punto{1, 1}, Punto{2, 0}, Punto{0, 0}));
    EXPECT_THAT(d->Elementi[2].Punti,
                ElementsAre(Punto{1, 2}, Punto{3, 2}, Punto{3, 5}, Punto{1, 5}, Punto{1, 2}));
}

TEST_F(Contesto, PolilineeSenzaLunghezzaEArchiSenzaRaggioNonArrivano) {
    auto d = Su(Uscita::Dwg);
    const std::vector<double> uno = {3};
    const std::vector<double> nessuno;
    ctx.Polilinea(uno, uno);
    ctx.Poligono(uno, uno);
    ctx.Polilinea(nessuno, nessuno);
    ctx.Arco(0, 0, 0, 0, 1);
    ctx.Arco(0, 0, -1, 0, 1);
    EXPECT_TRUE(d->Elementi.empty());
    const std::vector<double> due = {0, 1};
    EXPECT_THROW(ctx.Polilinea(due, uno), std::invalid_argument);
}

TEST_F(Contesto, ValoriNonFinitiRifiutatiPrimaDelDispositivo) {
    auto d = Su(Uscita::Dxf);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(ctx.Linea(0, 0, 1, 1, 0), ErroreDisegno); // y scale 0
    EXPECT_THROW(ctx.Linea(nan, 0, 1, 1), ErroreDisegno);
    EXPECT_THROW(ctx.Arco(0, 0, nan, 0, 1), ErroreDisegno);
    EXPECT_THROW(ctx.Testo(0, 0, nan, "a"), ErroreDisegno);
    const std::vector<double> x = {0, 1, nan}, y = {0, 1, 2};
    EXPECT_THROW(ctx.Polilinea(x, y), ErroreDisegno);
    EXPECT_THROW(ctx.Solido(x, y), ErroreDisegno);
    try {
        ctx.Linea(0, 0, 1, 1, 0);
    } catch (const ErroreDisegno& e) {
        EXPECT_EQ(e.tipo(), ErroreDisegno::Tipo::ValoreNonFinito);
    }
    EXPECT_TRUE(d->Elementi.empty());
}

TEST_F(Contesto, SenzaDispositivoEUnErroreDiProgramma) {
    EXPECT_THROW(ctx.Linea(0, 0, 1, 1), std::logic_error);
    EXPECT_THROW(ctx.ImpostaSpessore(2), std::logic_error);
    EXPECT_EQ(ctx.UscitaCorrente(), std::nullopt);
}

TEST_F(Contesto, SpessoreAlDispositivoEConDispositivoLoRendeCorrente) {
    auto a = Su(Uscita::Video);
    ctx.ImpostaSpessore(3);
    auto b = std::make_shared<Registratore>(Uscita::Stampante);
    ctx.ImpostaSpessore(2, b);
    EXPECT_EQ(ctx.DispositivoCorrente(), b);
    EXPECT_EQ(ctx.UscitaCorrente(), Uscita::Stampante);
    ASSERT_EQ(a->Elementi.size(), 1u);
    EXPECT_EQ(a->Elementi[0].Valore, 3);
    ASSERT_EQ(b->Elementi.size(), 1u);
    EXPECT_EQ(b->Elementi[0].Valore, 2);
}

TEST_F(Contesto, TestoAbbassatoSoloSuDxfEDwg) {
    for (auto u : {Uscita::Dxf, Uscita::Dwg, Uscita::Blocco, Uscita::Video, Uscita::Stampante}) {
        auto d = Su(u);
        ctx.Testo(1, 10, 0.2, "M min", 1, true);
        ctx.Testo(1, 10, 0.2, "M min", 1, false);
        const bool abbassa = u == Uscita::Dxf || u == Uscita::Dwg;
        EXPECT_NEAR(d->Elementi[0].Punti[0].y, abbassa ? 9.7 : 10, 1e-12) << NomeUscita(u);
        EXPECT_EQ(d->Elementi[1].Punti[0].y, 10) << NomeUscita(u);
        EXPECT_EQ(d->Elementi[0].Valore, 0.2);
        EXPECT_EQ(d->Elementi[0].Testo, "M min");
    }
    // The real devices agree with the recorder.
    auto disegno = std::make_shared<DisegnoCad>();
    disegno->AggiungeBlocco({0, 0}, "B");
    auto dxf = std::make_shared<DispositivoDxf>();
    EXPECT_TRUE(dxf->AbbassaTesto());
    EXPECT_TRUE(DispositivoCad(*disegno, messaggi).AbbassaTesto());
    EXPECT_FALSE(DispositivoCad(*disegno, "B", messaggi).AbbassaTesto());
}

TEST_F(Contesto, FrecciaVersoIlBassoERuotata) {
    auto d = Su(Uscita::Video);
    ctx.Freccia(2, 3, 1, 0, false);
    ASSERT_EQ(d->Elementi.size(), 1u);
    EXPECT_THAT(d->Elementi[0].Punti, ElementsAre(Punto{2, 3}, Punto{2.5, 5}, Punto{1.5, 5}, Punto{2, 3}));

    d->Elementi.clear();
    ctx.Freccia(0, 0, 1, std::numbers::pi / 2, false);
    const auto& p = d->Elementi[0].Punti;
    EXPECT_NEAR(p[1].x, -2, 1e-12);
    EXPECT_NEAR(p[1].y, 0.5, 1e-12);
    EXPECT_NEAR(p[2].x, -2, 1e-12);
    EXPECT_NEAR(p[2].y, -0.5, 1e-12);
}

TEST_F(Contesto, FrecciaSegueIlRapportoDelleScaleELOrigine) {
    auto d = Su(Uscita::Video, 2);
    ctx.ScalaProporzioni(0.25);
    ctx.OrigineYdxf(10);
    ctx.Freccia(0, 1, 1, 0, false);
    d->registraSolido = true;
    ctx.Freccia(0, 1, 1, 0, true);
    ASSERT_EQ(d->Elementi.size(), 2u);
    // y offsets times 2 × 0.25, then drawn with y scale 1 from the origin.
    EXPECT_THAT(d->Elementi[0].Punti,
                ElementsAre(Punto{0, 11}, Punto{0.5, 12}, Punto{-0.5, 12}, Punto{0, 11}));
    // The filled head is a solid of four vertices, the fourth repeating the third, in the same place.
    EXPECT_THAT(d->Elementi[1].Punti,
                ElementsAre(Punto{0, 11}, Punto{0.5, 12}, Punto{-0.5, 12}, Punto{-0.5, 12}));
}

TEST_F(Contesto, SolidoSuSchermoContornoETratteggioDiVentiStrisce) {
    auto d = Su(Uscita::Video);
    const std::vector<double> x = {0, 4, 4, 0, 0}, y = {0, 0, 2, 2, 0};
    ctx.Solido(x, y);
    ASSERT_EQ(d->Conta("Polilinea"), 1u);
    EXPECT_THAT(d->Elementi[0].Punti,
                ElementsAre(Punto{0, 0}, Punto{4, 0}, Punto{4, 2}, Punto{0, 2}, Punto{0, 0}));
    EXPECT_EQ(d->Conta("Linea"), 19u);
    for (const auto& e : d->Elementi)
        if (e.Tipo == "Linea") {
            EXPECT_NEAR(e.Punti[0].y, e.Punti[1].y, 1e-12);
            EXPECT_NEAR(std::fabs(e.Punti[1].x - e.Punti[0].x), 4, 1e-12);
        }
}

TEST_F(Contesto, SolidoNelDxfPoligonoDeiPrimiNmenoUno) {
    auto d = std::make_shared<DispositivoDxf>();
    d->ApreFileDxf("x.dxf");
    ctx.ImpostaUscita(1, d);
    ctx.Freccia(0, 0, 1, 0, true);
    const auto righe = prova::RigheCrLf(d->File().Contenuto());
    EXPECT_EQ(std::count(righe.begin(), righe.end(), "POLYLINE"), 1);
    EXPECT_EQ(std::count(righe.begin(), righe.end(), "VERTEX"), 4); // triangle closed by its first vertex
    EXPECT_EQ(std::count(righe.begin(), righe.end(), "SOLID"), 0);
}

TEST_F(Contesto, SolidoNelDisegnoCadSempreNelloSpazioModello) {
    auto disegno = std::make_shared<DisegnoCad>();
    disegno->AggiungeBlocco({0, 0}, "DiagrammaM");
    auto blocco = std::make_shared<DispositivoCad>(*disegno, "DiagrammaM", messaggi);
    ctx.ImpostaUscita(1, blocco);
    ctx.ImpostaColore(4);
    ctx.Freccia(1, 1, 0.5, 0, true);
    ctx.Linea(0, 0, 1, 0);
    EXPECT_EQ(disegno->CercaBlocco("DiagrammaM")->Entita().size(), 1u);
    ASSERT_EQ(disegno->SpazioModello().Entita().size(), 1u);
    const auto& e = disegno->SpazioModello().Entita()[0];
    EXPECT_EQ(e.Colore, 4);
    const auto& s = std::get<SolidoCad>(e.Geometria);
    EXPECT_EQ(s.Vertici[2], s.Vertici[3]);
    EXPECT_TRUE(messaggi.Voci.empty());

    // Any other number of vertices: the message, and still a solid from the first four.
    const std::vector<double> x5 = {0, 1, 1, 0, 5}, y5 = {0, 0, 1, 1, 5};
    const std::vector<double> x3 = {0, 1, 1}, y3 = {0, 0, 1};
    const std::vector<double> x2 = {0, 1}, y2 = {0, 0};
    ctx.Solido(x5, y5);
    ctx.Solido(x3, y3);
    ctx.Solido(x2, y2);
    ASSERT_EQ(messaggi.Voci.size(), 3u);
    for (const auto& v : messaggi.Voci) {
        EXPECT_EQ(v.Testo, "Errore in Sub SolidDwg - I punti devono essere 4");
        EXPECT_EQ(v.Icona, Icona::Nessuna);
    }
    ASSERT_EQ(disegno->SpazioModello().Entita().size(), 3u);
    EXPECT_EQ(std::get<SolidoCad>(disegno->SpazioModello().Entita()[1].Geometria).Vertici[3], (Punto{0, 1}));
    EXPECT_EQ(std::get<SolidoCad>(disegno->SpazioModello().Entita()[2].Geometria).Vertici[3], (Punto{1, 1}));
}

TEST_F(Contesto, DispositivoCadInModelloEInBlocco) {
    auto disegno = ctx.ApriAutocad();
    EXPECT_EQ(ctx.ApriAutocad(), disegno); // kept for the next output
    auto dwg = std::make_shared<DispositivoCad>(*disegno, messaggi);
    EXPECT_EQ(dwg->Tipo(), Uscita::Dwg);
    ctx.ImpostaUscita(1, dwg);
    ctx.ImpostaColore(1);
    ctx.Linea(0, 0, 1, 1);
    ctx.Arco(0, 0, 1, 0, 1);
    const std::vector<double> x = {0, 1, 2}, y = {0, 1, 0};
    ctx.Poligono(x, y);
    ctx.Testo(0, 0, 0.1, "a");
    const auto& m = disegno->SpazioModello().Entita();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_TRUE(std::holds_alternative<LineaCad>(m[0].Geometria));
    EXPECT_TRUE(std::holds_alternative<ArcoCad>(m[1].Geometria));
    EXPECT_EQ(std::get<PolilineaCad>(m[2].Geometria).Vertici.size(), 4u);
    EXPECT_TRUE(std::holds_alternative<TestoCad>(m[3].Geometria));
    for (const auto& e : m)
        EXPECT_EQ(e.Colore, 1);

    // A colour the drawing cannot hold is refused before anything is added.
    ctx.ImpostaColore(300);
    EXPECT_THROW(ctx.Linea(0, 0, 1, 1), ErroreDisegno);
    EXPECT_EQ(m.size(), 4u);

    // A block device whose block has gone (purged) says so instead of drawing nowhere.
    disegno->AggiungeBlocco({0, 0}, "Provvisorio");
    auto blocco = std::make_shared<DispositivoCad>(*disegno, "Provvisorio", messaggi);
    EXPECT_EQ(blocco->Tipo(), Uscita::Blocco);
    ctx.ImpostaUscita(1, blocco);
    ctx.ImpostaColore(4);
    ctx.Linea(0, 0, 1, 1);
    disegno->EliminaNonUsati();
    try {
        ctx.Linea(0, 0, 1, 1);
        FAIL() << "nessun errore";
    } catch (const ErroreDisegno& e) {
        EXPECT_EQ(e.tipo(), ErroreDisegno::Tipo::BloccoInesistente);
    }
}

TEST_F(Contesto, TratteggioImpostaTolleranzaScalaEDispositivo) {
    auto a = Su(Uscita::Video);
    auto b = std::make_shared<Registratore>(Uscita::Dxf);
    ctx.OrigineYdxf(1);
    const std::vector<float> x = {0, 3, 3, 0}, y = {0, 0, 2, 2};
    ctx.TratteggiaPoligono(x, y, 0, 4, 2.0, b);
    EXPECT_EQ(ctx.DispositivoCorrente(), b);
    EXPECT_EQ(ctx.ScalaYCorrente(), 2);
    EXPECT_DOUBLE_EQ(ctx.ZeroMaxDimen(), 3e-6);
    EXPECT_TRUE(a->Elementi.empty());
    ASSERT_EQ(b->Conta("Linea"), 3u);
    // Lines at y = 0.5, 1, 1.5, drawn through the y transform: 1 + y / 2.
    EXPECT_NEAR(b->Elementi[0].Punti[0].y, 1.25, 1e-12);
    EXPECT_NEAR(b->Elementi[2].Punti[0].y, 1.75, 1e-12);

    // Two vertices: nothing at all, not even the state.
    const std::vector<float> x2 = {0, 1}, y2 = {0, 1};
    ctx.TratteggiaPoligono(x2, y2, 0, 4, 5.0, a);
    EXPECT_EQ(ctx.DispositivoCorrente(), b);
    EXPECT_EQ(ctx.ScalaYCorrente(), 2);
}

} // namespace
} // namespace vc
