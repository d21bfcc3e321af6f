// The devices: their names, the colour table, the printer's line width, and what each kind of
// device makes of the items it receives.

#include "drawing/core/Dispositivo.h"

#include "AiutoDisegno.h"
#include "drawing/core/DisegnoCad.h"
#include "drawing/core/DisegnoSuDispositivo.h"
#include "drawing/core/DispositivoCad.h"
#include "drawing/core/DispositivoDxf.h"
#include "drawing/core/ErroreDisegno.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vc {
namespace {

using prova::Registratore;
using ::testing::ElementsAre;

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

// A line of each colour, for the colour fields of the files.
Disegno LineeColorate(std::initializer_list<int> colori) {
    Disegno d;
    for (int c : colori)
        d.Linea(0, 0, 1, 1, {c, 1});
    return d;
}

TEST(Dispositivi, ColoriSenzaTintaPropriaRestanoNumeriNelDxf) {
    DispositivoDxf d;
    d.ApreFileDxf("x.dxf");
    DisegnaElementi(LineeColorate({9, 10, 12, 14, 250}), d);
    const auto righe = prova::RigheCrLf(d.File().Contenuto());
    std::vector<std::string> colori;
    for (std::size_t i = 0; i + 1 < righe.size(); ++i)
        if (righe[i] == " 62") colori.push_back(righe[i + 1]);
    EXPECT_THAT(colori, ElementsAre("     9", "    10", "    12", "    14", "   250"));
}

// A filled figure: on screen its outline and 19 hatch lines; in the DXF file the closed outline
// of its first n − 1 vertices; in the CAD drawing a solid in model space, even from a block.
TEST(Dispositivi, SolidoSuSchermoContornoETratteggioDiVentiStrisce) {
    Registratore d(Uscita::Video);
    const Punto p[] = {{0, 0}, {4, 0}, {4, 2}, {0, 2}, {0, 0}};
    d.Solido(p, 1);
    ASSERT_EQ(d.Conta("Polilinea"), 1u);
    EXPECT_THAT(d.Elementi[0].Punti,
                ElementsAre(Punto{0, 0}, Punto{4, 0}, Punto{4, 2}, Punto{0, 2}, Punto{0, 0}));
    EXPECT_EQ(d.Conta("Linea"), 19u);
    for (const auto& e : d.Elementi)
        if (e.Tipo == "Linea") {
            EXPECT_NEAR(e.Punti[0].y, e.Punti[1].y, 1e-12);
            EXPECT_NEAR(std::fabs(e.Punti[1].x - e.Punti[0].x), 4, 1e-12);
        }
}

TEST(Dispositivi, SolidoNelDxfPoligonoDeiPrimiNmenoUno) {
    DispositivoDxf d;
    d.ApreFileDxf("x.dxf");
    Disegno f;
    f.Freccia({.Punta = {0, 0}, .Dimensione = 1, .Piena = true}, {});
    DisegnaElementi(f, d);
    const auto righe = prova::RigheCrLf(d.File().Contenuto());
    EXPECT_EQ(std::count(righe.begin(), righe.end(), "POLYLINE"), 1);
    EXPECT_EQ(std::count(righe.begin(), righe.end(), "VERTEX"), 4); // triangle closed by its first vertex
    EXPECT_EQ(std::count(righe.begin(), righe.end(), "SOLID"), 0);
}

TEST(Dispositivi, SolidoNelDisegnoCadSempreNelloSpazioModello) {
    MessaggiRegistrati messaggi;
    DisegnoCad disegno;
    disegno.AggiungeBlocco({0, 0}, "DiagrammaM");
    DispositivoCad blocco(disegno, "DiagrammaM", messaggi);
    Disegno d;
    d.Freccia({.Punta = {1, 1}, .Dimensione = 0.5, .Piena = true}, {4, 1});
    d.Linea(0, 0, 1, 0, {4, 1});
    DisegnaElementi(d, blocco);
    EXPECT_EQ(disegno.CercaBlocco("DiagrammaM")->Entita().size(), 1u);
    ASSERT_EQ(disegno.SpazioModello().Entita().size(), 1u);
    const auto& e = disegno.SpazioModello().Entita()[0];
    EXPECT_EQ(e.Colore, 4);
    const auto& s = std::get<SolidoCad>(e.Geometria);
    EXPECT_EQ(s.Vertici[2], s.Vertici[3]);
    EXPECT_TRUE(messaggi.Voci.empty());

    // Any other number of vertices: the message, and still a solid from the first four.
    const Punto p5[] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {5, 5}};
    const Punto p3[] = {{0, 0}, {1, 0}, {1, 1}};
    const Punto p2[] = {{0, 0}, {1, 0}};
    blocco.Solido(p5, 7);
    blocco.Solido(p3, 7);
    blocco.Solido(p2, 7);
    ASSERT_EQ(messaggi.Voci.size(), 3u);
    for (const auto& v : messaggi.Voci) {
        EXPECT_EQ(v.Testo, "Errore in Sub SolidDwg - I punti devono essere 4");
        EXPECT_EQ(v.Icona, Icona::Nessuna);
    }
    ASSERT_EQ(disegno.SpazioModello().Entita().size(), 3u);
    EXPECT_EQ(std::get<SolidoCad>(disegno.SpazioModello().Entita()[1].Geometria).Vertici[3], (Punto{0, 1}));
    EXPECT_EQ(std::get<SolidoCad>(disegno.SpazioModello().Entita()[2].Geometria).Vertici[3], (Punto{1, 1}));
}

TEST(Dispositivi, DispositivoCadInModelloEInBlocco) {
    MessaggiRegistrati messaggi;
    DisegnoCad disegno;
    DispositivoCad dwg(disegno, messaggi);
    EXPECT_EQ(dwg.Tipo(), Uscita::Dwg);
    Disegno d;
    d.Linea(0, 0, 1, 1, {1, 1});
    d.Arco(0, 0, 1, 0, 1, {1, 1});
    const std::vector<double> x = {0, 1, 2}, y = {0, 1, 0};
    d.Poligono(x, y, {1, 1});
    d.Testo({.Posizione = {0, 0}, .Altezza = 0.1, .Testo = "a"}, 1);
    DisegnaElementi(d, dwg);
    const auto& m = disegno.SpazioModello().Entita();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_TRUE(std::holds_alternative<LineaCad>(m[0].Geometria));
    EXPECT_TRUE(std::holds_alternative<ArcoCad>(m[1].Geometria));
    EXPECT_EQ(std::get<PolilineaCad>(m[2].Geometria).Vertici.size(), 4u);
    EXPECT_TRUE(std::holds_alternative<TestoCad>(m[3].Geometria));
    for (const auto& e : m)
        EXPECT_EQ(e.Colore, 1);

    // A colour the drawing cannot hold is refused before anything is added.
    EXPECT_THROW(DisegnaElementi(LineeColorate({300}), dwg), ErroreDisegno);
    EXPECT_EQ(m.size(), 4u);

    // A block device whose block has gone (purged) says so instead of drawing nowhere.
    disegno.AggiungeBlocco({0, 0}, "Provvisorio");
    DispositivoCad blocco(disegno, "Provvisorio", messaggi);
    EXPECT_EQ(blocco.Tipo(), Uscita::Blocco);
    DisegnaElementi(LineeColorate({4}), blocco);
    disegno.EliminaNonUsati();
    try {
        DisegnaElementi(LineeColorate({4}), blocco);
        FAIL() << "nessun errore";
    } catch (const ErroreDisegno& e) {
        EXPECT_EQ(e.tipo(), ErroreDisegno::Tipo::BloccoInesistente);
    }
}

} // namespace
} // namespace vc
