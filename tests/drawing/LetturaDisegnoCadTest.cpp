// The CAD drawing read back from its file: the same bytes when saved again, the earlier files
// and the DXF export taken as ours, foreign and damaged files told apart and never read in part.

#include "drawing/core/LetturaDisegnoCad.h"

#include "AiutoDisegno.h"
#include "TraviDisegno.h"
#include "drawing/EsportazioneBlocchi.h"
#include "drawing/core/DxfWriter.h"
#include "drawing/core/ErroreDisegno.h"

#include <fstream>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vc {
namespace {

using prova::CartellaTemporanea;
namespace fs = std::filesystem;
using ::testing::HasSubstr;

// Every kind of entity, colour and alignment, texts beyond ASCII, angles that do not convert
// exactly, a locked layer, an active layer other than "0", extended data of two applications.
void DisegnoCompleto(DisegnoCad& d) {
    auto& travi = d.AggiungeLayer("Travi 1° piano");
    travi.Colore = 3;
    d.ImpostaLayerAttivo(travi.Nome);
    auto& m = d.SpazioModello();
    m.AggiungeLinea({0, 0}, {12.345678901234, -0.1}).Colore = 1;
    for (double a : {0.1, 1.0 / 3, 2.0, 5.999})
        m.AggiungeArco({1, 2}, 0.48f, a, a + 0.7).Colore = 0;
    m.AggiungePolilineaLeggera({{0, 0}, {3, 2.5f}, {6, -1e-5}, {1e16, 0}});
    m.AggiungeSolido({0, 0}, {1, 0}, {0, 1}, {1, 1});
    for (auto a : {Allineamento::Sinistra, Allineamento::Centro, Allineamento::Destra})
        m.AggiungeTesto("Scala 1:50 – è 180°", {2, 3}, 0.12, a);
    auto& b = d.AggiungeBlocco({0.5, 0}, "DiagrammaM");
    b.AggiungeTesto("M", {0, 0}, 0.1);
    d.InserisceBlocco({24, 0}, "DiagrammaM", 2, 0.5, 1, 0.3)
        .ImpostaDatiEstesi({{1001, std::string("VELCORA")},
                            {1070, -1},
                            {1040, 0.1f},
                            {1000, std::string("però")},
                            {1001, std::string("ALTRA")},
                            {1002, std::string("{")},
                            {1041, 2.5},
                            {1002, std::string("}")}});
    travi.Bloccato = true;
    d.ZoomEstensioni();
}

void BloccoDiUnaTrave(DisegnoCad& d) {
    Impostazioni imp = prova::Rara();
    Velcora t = prova::TraveDiProva({{4, 10, 2, 3, 1, 1}, {5, 12, 0, 4, 0, 2}}, Appoggio, Incastro);
    t.CalcolaIperstatiche(imp);
    MessaggiRegistrati msg;
    EsportaInAcadXdataMT(t, imp, Separatori::Italiani(), d, msg);
    EsportaInAcadXdataMT(t, imp, Separatori::Italiani(), d, msg);
}

TEST(LetturaDisegnoCad, LettoERisalvatoDaGliStessiByte) {
    const std::vector<std::pair<const char*, std::function<void(DisegnoCad&)>>> casi = {
        {"vuoto", [](DisegnoCad&) {}}, {"completo", DisegnoCompleto}, {"blocchi", BloccoDiUnaTrave}};
    for (const auto& [nome, disegna] : casi) {
        DisegnoCad d;
        disegna(d);
        const std::string testo = d.TestoDxf();
        EXPECT_EQ(FormaFileDxf(testo), FormaDxf::DisegnoCad) << nome;
        const auto letto = LeggeDisegnoCad(testo);
        EXPECT_EQ(letto->TestoDxf(), testo) << nome;
        EXPECT_EQ(letto->LayerAttivo(), d.LayerAttivo()) << nome;
        EXPECT_EQ(letto->SpazioModello().Entita().size(), d.SpazioModello().Entita().size()) << nome;

        // Saved before the mark was written: the same drawing, the mark added.
        const std::string senzaMarca = testo.substr(testo.find("  0\r\nSECTION"));
        EXPECT_EQ(FormaFileDxf(senzaMarca), FormaDxf::DisegnoCad) << nome;
        EXPECT_EQ(LeggeDisegnoCad(senzaMarca)->TestoDxf(), testo) << nome;
    }
}

TEST(LetturaDisegnoCad, IlFileDellEsportazioneDxfEntraNelloSpazioModello) {
    CartellaTemporanea dir;
    FileDxf f;
    f.ApreFileDxf(dir / "export.dxf");
    f.Linea(0, 0, 6, 0, 7);
    f.PolilineaChiusa(std::vector<Punto>{{0, 0}, {1, 0}, {1, 1}}, 4);
    f.Testo(0, 1, 0.06, "Scala momenti 1:50", 7, Allineamento::Sinistra);
    f.ChiudeFileDxf();
    const auto aperto = ApreFileCad(dir / "export.dxf");
    ASSERT_EQ(aperto.Contenuto, ContenutoFileCad::DiVelcora) << aperto.Motivo;
    const auto& e = aperto.Disegno->SpazioModello().Entita();
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(std::get<PolilineaCad>(e[1].Geometria).Vertici.size(), 4u);
    EXPECT_EQ(e[1].Colore, 4);
    EXPECT_EQ(std::get<TestoCad>(e[2].Geometria).Testo, "Scala momenti 1:50");
    EXPECT_EQ(e[2].Colore, 7);
}

TEST(LetturaDisegnoCad, FileEstraneiOIlleggibiliNonSiLeggonoInParte) {
    CartellaTemporanea dir;
    DisegnoCad d;
    DisegnoCompleto(d);
    const std::string buono = d.TestoDxf();
    const auto sostituisce = [&](const std::string& da, const std::string& a) {
        std::string s = buono;
        const auto i = s.find(da);
        EXPECT_NE(i, std::string::npos) << da;
        return i == std::string::npos ? s : s.replace(i, da.size(), a);
    };
    struct Caso {
        std::string Nome, Testo;
        ContenutoFileCad Atteso;
        std::string Motivo;
    };
    const std::vector<Caso> casi = {
        {"testo qualunque", "ciao\r\n", ContenutoFileCad::Estraneo, ""},
        {"binario", std::string("\x89PNG\r\n\x1a\n\0\0", 10), ContenutoFileCad::Estraneo, ""},
        {"DXF di un altro programma",
         "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1015\r\n  0\r\nENDSEC\r\n",
         ContenutoFileCad::Estraneo, ""},
        {"entità che non conosce",
         "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nCIRCLE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n0\r\n "
         "30\r\n0\r\n 40\r\n1\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n",
         ContenutoFileCad::Estraneo, ""},
        {"troncato", buono.substr(0, buono.size() / 2), ContenutoFileCad::Illeggibile, ""},
        {"senza EOF", buono.substr(0, buono.rfind("  0\r\nEOF")), ContenutoFileCad::Illeggibile,
         "finisce prima di EOF"},
        {"cerchio", sostituisce("  0\r\nSOLID", "  0\r\nCIRCLE"), ContenutoFileCad::Illeggibile,
         "entità \"CIRCLE\""},
        {"spessore", sostituisce("LINE\r\n  8\r\n", "LINE\r\n 39\r\n1\r\n  8\r\n"),
         ContenutoFileCad::Illeggibile, "gruppo 39 non previsto"},
        {"virgola", sostituisce(" 40\r\n0.48", " 40\r\n0,48"), ContenutoFileCad::Illeggibile,
         "numero non valido \"0,48\""},
        {"non un numero", sostituisce(" 40\r\n0.48", " 40\r\nnan"), ContenutoFileCad::Illeggibile,
         "numero non valido"},
        {"dato esteso", sostituisce("1070\r\n    -1", "1070\r\n 70000"), ContenutoFileCad::Illeggibile,
         "Dati estesi non validi"},
        {"blocco mancante", sostituisce("  2\r\nDiagrammaM\r\n 10\r\n24", "  2\r\nAltro\r\n 10\r\n24"),
         ContenutoFileCad::Illeggibile, "blocco inesistente Altro"},
        {"dopo EOF", buono + "  0\r\nEOF\r\n", ContenutoFileCad::Illeggibile, "dopo la fine"},
    };
    for (const auto& c : casi) {
        const fs::path p = dir / "disegno.dxf";
        std::ofstream(p, std::ios::binary) << c.Testo;
        const auto aperto = ApreFileCad(p);
        EXPECT_EQ(aperto.Contenuto, c.Atteso) << c.Nome;
        EXPECT_FALSE(aperto.Disegno) << c.Nome;
        EXPECT_THAT(aperto.Motivo, HasSubstr(c.Motivo)) << c.Nome;
        if (c.Atteso == ContenutoFileCad::Illeggibile) {
            EXPECT_THAT(aperto.Motivo, HasSubstr("riga ")) << c.Nome;
        }
        EXPECT_EQ(prova::LeggeFile(p), c.Testo) << c.Nome;
    }
    EXPECT_EQ(ApreFileCad(dir / ".").Contenuto, ContenutoFileCad::Illeggibile); // a folder
    const auto nuovo = ApreFileCad(dir / "nuovo.dxf");
    EXPECT_EQ(nuovo.Contenuto, ContenutoFileCad::Nessuno);
    ASSERT_TRUE(nuovo.Disegno);
    EXPECT_TRUE(nuovo.Disegno->SpazioModello().Entita().empty());
}

} // namespace
} // namespace vc
