// The plain DXF file of the "DXF" device, line by line.

#include "drawing/core/DxfWriter.h"

#include "AiutoDisegno.h"
#include "drawing/core/DispositivoDxf.h"
#include "drawing/core/ErroreDisegno.h"
#include "drawing/core/FormatoDxf.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

namespace vc {
namespace {

using prova::CartellaTemporanea;
using prova::LeggeFile;
using prova::RigheCrLf;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::vector<std::string> Testata = {"  0", "SECTION", "  2", "ENTITIES"};
const std::vector<std::string> Coda = {"  0", "ENDSEC", "  0", "EOF"};

// The lines written between the header and the trailer.
std::vector<std::string> Corpo(const FileDxf& f) {
    auto righe = RigheCrLf(f.Contenuto());
    EXPECT_GE(righe.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(righe.begin(), righe.begin() + 4), Testata);
    return {righe.begin() + 4, righe.end()};
}

FileDxf Aperto() {
    FileDxf f;
    f.ApreFileDxf("non_scritto.dxf");
    return f;
}

TEST(FileDxf, DisegnoVuotoSonoOttoRigheConCrLf) {
    CartellaTemporanea dir;
    FileDxf f;
    f.ApreFileDxf(dir / "vuoto.dxf");
    f.ChiudeFileDxf();
    EXPECT_EQ(LeggeFile(dir / "vuoto.dxf"),
              "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
}

TEST(FileDxf, LineaRigaPerRiga) {
    auto f = Aperto();
    f.Linea(-1.5, 2, 3.25, -0.5, 7);
    EXPECT_THAT(Corpo(f), ElementsAre("  0", "LINE", "  8", "0", " 62", "     7", " 10", "-1.5", " 20", "2",
                                      " 30", "0.0", " 11", "3.25", " 21", "-0.5", " 31", "0.0"));
}

TEST(FileDxf, ArcoInGradiDaZeroANovanta) {
    auto f = Aperto();
    f.Arco(1, 2, 0.5, 0, std::numbers::pi / 2, 1);
    const auto c = Corpo(f);
    ASSERT_EQ(c.size(), 18u);
    EXPECT_THAT(std::vector<std::string>(c.begin(), c.begin() + 14),
                ElementsAre("  0", "ARC", "  8", "0", " 62", "     1", " 10", "1", " 20", "2", " 30", "0.0",
                            " 40", "0.5"));
    EXPECT_EQ(c[14], " 50");
    EXPECT_EQ(c[15], "0");
    EXPECT_EQ(c[16], " 51");
    EXPECT_EQ(c[17], "90");
}

TEST(FileDxf, PolilineaApertaEChiusa) {
    const std::vector<Punto> quadro = {{0, 0}, {2, 0}, {2, 1}, {0, 1}};
    auto aperta = Aperto();
    aperta.PolilineaAperta(quadro, 3);
    auto chiusa = Aperto();
    chiusa.PolilineaChiusa(quadro, 3);

    const auto vertice = [](std::string x, std::string y) {
        return std::vector<std::string>{"  0", "VERTEX", "  8", "0", " 10", x, " 20", y, " 30", "0.0"};
    };
    std::vector<std::string> attesa = {"  0",    "POLYLINE", "  8", "0",   " 66", "     1", " 62",
                                       "     3", " 10",      "0.0", " 20", "0.0", " 30",    "0.0"};
    for (const auto& v : {vertice("0", "0"), vertice("2", "0"), vertice("2", "1"), vertice("0", "1")})
        attesa.insert(attesa.end(), v.begin(), v.end());
    auto attesaChiusa = attesa;
    const auto primo = vertice("0", "0");
    attesaChiusa.insert(attesaChiusa.end(), primo.begin(), primo.end());
    for (auto* a : {&attesa, &attesaChiusa})
        a->insert(a->end(), {"  0", "SEQEND", "  8", "0"});

    EXPECT_THAT(Corpo(aperta), ElementsAreArray(attesa));
    EXPECT_THAT(Corpo(chiusa), ElementsAreArray(attesaChiusa));
    // No closed flag: the closure is the repeated vertex.
    for (const auto& r : Corpo(chiusa))
        EXPECT_NE(r, " 70");
}

TEST(FileDxf, TestoColoreStampatoECodifica) {
    auto f = Aperto();
    f.Testo(0.25, -3, 0.05, "Scala coppie: 180° =", 7);
    EXPECT_THAT(Corpo(f), ElementsAre("  0", "TEXT", "  8", "0", " 62", " 7 ", " 10", "0.25", " 20", "-3",
                                      " 30", "0.0", " 40", "0.05", "  1", "Scala coppie: 180\xB0 ="));
}

TEST(FileDxf, UnAcapoNelTestoNonSpezzaIlFile) {
    auto f = Aperto();
    f.Testo(0, 0, 1, "File : a.vlr - riga uno\r\nriga due", 7);
    const auto c = Corpo(f);
    ASSERT_EQ(c.size(), 16u);
    EXPECT_EQ(c[15], "File : a.vlr - riga uno  riga due");
}

TEST(FileDxf, CampiDelColore) {
    EXPECT_EQ(InteroCampoSei(7), "     7");
    EXPECT_EQ(InteroCampoSei(256), "   256");
    EXPECT_EQ(InteroCampoSei(0), "     0");
    EXPECT_EQ(InteroCampoSei(-1), "    -1");
    EXPECT_EQ(InteroCampoSei(123456), " 123456");
    auto f = Aperto();
    f.Testo(0, 0, 1, "x", -1);
    f.Testo(0, 0, 1, "x", 256);
    const auto c = Corpo(f);
    EXPECT_EQ(c[5], "-1 ");
    EXPECT_EQ(c[16 + 5], " 256 ");
}

TEST(FormatoDxf, NumeriNellaFormaPiuBreve) {
    EXPECT_EQ(NumeroDxf(0.5), "0.5");
    EXPECT_EQ(NumeroDxf(0.1f), "0.1"); // a single stays a single
    EXPECT_EQ(NumeroDxf(0.1), "0.1");  // a double that is 0.1
    EXPECT_EQ(NumeroDxf(1.0 / 3), "0.3333333333333333");
    EXPECT_EQ(NumeroDxf(1.0f / 3), "0.33333334");
    EXPECT_EQ(NumeroDxf(-12.75), "-12.75");
    EXPECT_EQ(NumeroDxf(-0.0), "0");
    EXPECT_EQ(NumeroDxf(90), "90");
    EXPECT_EQ(NumeroDxf(123456789.0), "123456789");
    EXPECT_EQ(NumeroDxf(100000), "100000");
    EXPECT_EQ(NumeroDxf(0.0001), "0.0001");
    EXPECT_EQ(NumeroDxf(1e-5), "1e-05");
    EXPECT_EQ(NumeroDxf(2.5e20), "2.5e+20");
    for (double v : {0.1, 1.0 / 3, 2.0 / 3 * 1e-7, 12345.678901234567, -9.87654321e12})
        EXPECT_EQ(std::stod(NumeroDxf(v)), v) << NumeroDxf(v);
}

TEST(FormatoDxf, CodiciDiGruppoAllineati) {
    EXPECT_EQ(CodiceGruppoDxf(0), "  0");
    EXPECT_EQ(CodiceGruppoDxf(62), " 62");
    EXPECT_EQ(CodiceGruppoDxf(1001), "1001");
}

TEST(FileDxf, ValoreNonFinitoRifiutatoSenzaScrivereMezzaEntita) {
    auto f = Aperto();
    f.Linea(0, 0, 1, 1, 7);
    const auto prima = f.Contenuto();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const auto tipo = [](auto&& azione) {
        try {
            azione();
        } catch (const ErroreDisegno& e) {
            return e.tipo();
        }
        return ErroreDisegno::Tipo::DatiNonValidi; // not thrown: fails the comparison below
    };
    using T = ErroreDisegno::Tipo;
    EXPECT_EQ(tipo([&] { f.Linea(0, 0, nan, 1, 7); }), T::ValoreNonFinito);
    EXPECT_EQ(tipo([&] { f.Arco(0, 0, inf, 0, 1, 7); }), T::ValoreNonFinito);
    EXPECT_EQ(tipo([&] { f.Testo(0, 0, nan, "x", 7); }), T::ValoreNonFinito);
    const std::vector<Punto> p = {{0, 0}, {1, 1}, {2, -inf}};
    EXPECT_EQ(tipo([&] { f.PolilineaAperta(p, 7); }), T::ValoreNonFinito);
    EXPECT_EQ(f.Contenuto(), prima);
}

TEST(FileDxf, UsoSenzaFileApertoEUnErroreDiProgramma) {
    FileDxf f;
    EXPECT_THROW(f.Linea(0, 0, 1, 1, 7), std::logic_error);
    EXPECT_THROW(f.ChiudeFileDxf(), std::logic_error);
    f.ApreFileDxf("a.dxf");
    EXPECT_THROW(f.ApreFileDxf("b.dxf"), std::logic_error);
}

TEST(FileDxf, IlFileArrivaSulDiscoSoloAllaChiusura) {
    CartellaTemporanea dir;
    const auto p = dir / "disegno.dxf";
    {
        FileDxf f;
        f.ApreFileDxf(p);
        f.Linea(0, 0, 1, 1, 7);
        EXPECT_FALSE(std::filesystem::exists(p));
        f.ChiudeFileDxf();
        EXPECT_FALSE(f.Aperto());
    }
    const auto scritto = LeggeFile(p);
    EXPECT_EQ(RigheCrLf(scritto).size(), 8u + 18u);

    // A drawing abandoned half-way (the window's drawing failed) leaves the old file as it was.
    {
        FileDxf f;
        f.ApreFileDxf(p);
        f.Linea(5, 5, 6, 6, 1);
        f.Abbandona();
    }
    {
        DispositivoDxf d;
        d.ApreFileDxf(p);
        d.Linea({9, 9}, {8, 8}, 2);
    } // destroyed without closing
    EXPECT_EQ(LeggeFile(p), scritto);
    EXPECT_THAT(dir.Contenuto(), ElementsAre("disegno.dxf"));
}

TEST(FileDxf, CartellaInesistenteErroreTipizzatoENessunResiduo) {
    CartellaTemporanea dir;
    FileDxf f;
    f.ApreFileDxf(dir / "manca" / "disegno.dxf");
    f.Linea(0, 0, 1, 1, 7);
    try {
        f.ChiudeFileDxf();
        FAIL() << "nessun errore";
    } catch (const ErroreDisegno& e) {
        EXPECT_EQ(e.tipo(), ErroreDisegno::Tipo::ScritturaFallita);
        EXPECT_TRUE(e.Codice());
    }
    EXPECT_FALSE(f.Aperto());
    EXPECT_TRUE(dir.Contenuto().empty());
    // The target being a folder is refused too, and the folder is left alone.
    FileDxf g;
    g.ApreFileDxf(dir());
    EXPECT_THROW(g.ChiudeFileDxf(), ErroreDisegno);
    EXPECT_TRUE(std::filesystem::is_directory(dir()));
}

TEST(FileDxf, LettoDaEzdxfConOgniEntita) {
    CartellaTemporanea dir;
    const auto p = dir / "entita.dxf";
    FileDxf f;
    f.ApreFileDxf(p);
    f.Linea(0, 0, 10, 0, 7);
    f.Arco(5, 0, 2, 0, std::numbers::pi, 1);
    const std::vector<Punto> v = {{0, 0}, {1, -1}, {2, 0}};
    f.PolilineaAperta(v, 4);
    f.PolilineaChiusa(v, 5);
    f.Testo(0, 1, 0.1, "Scala momenti 1:50", 7);
    f.ChiudeFileDxf();

    const auto r = prova::LeggeConEzdxf(p);
    EXPECT_EQ(r.Uscita, 0) << r.Testo;
    EXPECT_THAT(r.Testo, ::testing::HasSubstr("RECOVER errors=0\n"));
    EXPECT_THAT(r.Testo, ::testing::HasSubstr("AUDIT errors=0\n"));
    const auto entita = r.Testo.substr(r.Testo.find("ENTITIES\n") + 9);
    EXPECT_EQ(entita, "LINE layer=0 color=7 (0,0,0) (10,0,0)\n"
                      "ARC layer=0 color=1 c=(5,0,0) r=2 a=0..180\n"
                      "POLYLINE layer=0 color=4 closed=0 (0,0,0) (1,-1,0) (2,0,0)\n"
                      "POLYLINE layer=0 color=5 closed=0 (0,0,0) (1,-1,0) (2,0,0) (0,0,0)\n"
                      "TEXT layer=0 color=7 (0,1,0) h=0.1 'Scala momenti 1:50'\n");
}

} // namespace
} // namespace vc
