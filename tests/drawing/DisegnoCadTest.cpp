// The CAD drawing that stands in for AutoCAD: layers, blocks, references with extended data,
// purge, extents, and the DXF R12 file as ezdxf reads it back.

#include "drawing/core/DisegnoCad.h"

#include "AiutoDisegno.h"
#include "drawing/core/DisegnoSuDispositivo.h"
#include "drawing/core/DispositivoCad.h"
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
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Tipo = ErroreDisegno::Tipo;

template <typename F> std::optional<Tipo> TipoErrore(F&& f) {
    try {
        f();
    } catch (const ErroreDisegno& e) {
        return e.tipo();
    }
    return std::nullopt;
}

std::vector<std::string> Nomi(const std::list<LayerCad>& l) {
    std::vector<std::string> n;
    for (const auto& x : l)
        n.push_back(x.Nome);
    return n;
}

// ---- Layers --------------------------------------------------------------------------------

TEST(DisegnoCad, LayerAggiuntoUnaVoltaSolaSenzaBadareAlleMaiuscole) {
    DisegnoCad d;
    EXPECT_THAT(Nomi(d.Layers()), ElementsAre("0"));
    EXPECT_EQ(d.LayerAttivo(), "0");
    auto& a = d.AggiungeLayer("DIAGRAMMI-VELCORA");
    auto& b = d.AggiungeLayer("diagrammi-velcora");
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(b.Nome, "DIAGRAMMI-VELCORA");
    EXPECT_EQ(a.Colore, 7);
    EXPECT_FALSE(a.Bloccato);
    d.ImpostaLayerAttivo("Diagrammi-Velcora");
    EXPECT_EQ(d.LayerAttivo(), "DIAGRAMMI-VELCORA");
    EXPECT_EQ(TipoErrore([&] { d.ImpostaLayerAttivo("ALTRO"); }), Tipo::LayerInesistente);
    EXPECT_EQ(d.LayerAttivo(), "DIAGRAMMI-VELCORA");
}

TEST(DisegnoCad, NomiNonValidiRifiutati) {
    DisegnoCad d;
    for (const std::string& nome :
         std::vector<std::string>{"", "A/B", "A:B", "A*", "A?B", "con\"virgolette", "riga\nnuova", " spazio",
                                  "tab\t", std::string(256, 'X')})
        EXPECT_EQ(TipoErrore([&] { d.AggiungeLayer(nome); }), Tipo::NomeNonValido) << nome;
    EXPECT_EQ(TipoErrore([&] { d.AggiungeBlocco({0, 0}, "*Model_Space"); }), Tipo::NomeNonValido);
    EXPECT_EQ(d.Layers().size(), 1u);
    EXPECT_NO_THROW(d.AggiungeLayer("Travi 1° piano"));
}

TEST(DisegnoCad, LeEntitaPrendonoIlLayerAttivoENonVannoSuUnLayerBloccato) {
    DisegnoCad d;
    auto& l = d.AggiungeLayer("DIAGRAMMI-VELCORA");
    d.ImpostaLayerAttivo(l.Nome);
    auto& b = d.AggiungeBlocco({0, 0}, "DiagrammaM");
    EXPECT_EQ(b.AggiungeLinea({0, 0}, {1, 0}).Layer, "DIAGRAMMI-VELCORA");
    l.Bloccato = true;
    EXPECT_EQ(TipoErrore([&] { b.AggiungeLinea({0, 0}, {1, 0}); }), Tipo::LayerBloccato);
    EXPECT_EQ(TipoErrore([&] { d.SpazioModello().AggiungeTesto("a", {0, 0}, 1); }), Tipo::LayerBloccato);
    EXPECT_EQ(TipoErrore([&] { d.InserisceBlocco({0, 0}, "DiagrammaM"); }), Tipo::LayerBloccato);
    EXPECT_EQ(b.Entita().size(), 1u);
    EXPECT_TRUE(d.SpazioModello().Entita().empty());
    d.ImpostaLayerAttivo("0"); // a locked layer may still be listed; drawing goes on elsewhere
    EXPECT_EQ(d.SpazioModello().AggiungeLinea({0, 0}, {1, 1}).Layer, "0");
}

TEST(DisegnoCad, GeometriaControllata) {
    DisegnoCad d;
    auto& m = d.SpazioModello();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(TipoErrore([&] { m.AggiungeLinea({0, nan}, {1, 1}); }), Tipo::ValoreNonFinito);
    EXPECT_EQ(TipoErrore([&] { m.AggiungeArco({0, 0}, 1, 0, nan); }), Tipo::ValoreNonFinito);
    EXPECT_EQ(TipoErrore([&] { m.AggiungeArco({0, 0}, 0, 0, 1); }), Tipo::DatiNonValidi);
    EXPECT_EQ(TipoErrore([&] { m.AggiungePolilineaLeggera({{0, 0}}); }), Tipo::DatiNonValidi);
    EXPECT_EQ(TipoErrore([&] { m.AggiungeTesto("a", {0, 0}, 0); }), Tipo::DatiNonValidi);
    EXPECT_EQ(TipoErrore([&] {
                  m.AggiungeSolido({0, 0}, {1, 0}, {0, HUGE_VAL}, {0, 1});
              }),
              Tipo::ValoreNonFinito);
    EXPECT_TRUE(m.Entita().empty());
}

// ---- Blocks and references -----------------------------------------------------------------

TEST(DisegnoCad, BloccoRidefinitoNonAccumula) {
    DisegnoCad d;
    auto& b = d.AggiungeBlocco({0, 0}, "DiagrammaM");
    b.AggiungeLinea({0, 0}, {1, 0});
    b.AggiungeLinea({1, 0}, {2, 0});
    d.InserisceBlocco({0, 0}, "DiagrammaM");
    auto& di_nuovo = d.AggiungeBlocco({1, 1}, "DIAGRAMMAM");
    EXPECT_EQ(&di_nuovo, &b);
    EXPECT_TRUE(b.Entita().empty());
    EXPECT_EQ(b.PuntoBase(), (Punto{1, 1}));
    EXPECT_EQ(b.Nome(), "DiagrammaM");
    EXPECT_EQ(d.Blocchi().size(), 1u);
}

TEST(DisegnoCad, RiferimentoABloccoInesistenteOScalaNulla) {
    DisegnoCad d;
    EXPECT_EQ(TipoErrore([&] { d.InserisceBlocco({0, 0}, "DiagrammaT"); }), Tipo::BloccoInesistente);
    d.AggiungeBlocco({0, 0}, "DiagrammaT");
    EXPECT_EQ(TipoErrore([&] { d.InserisceBlocco({0, 0}, "DiagrammaT", 0); }), Tipo::DatiNonValidi);
    const auto& r = d.InserisceBlocco({24, 0}, "diagrammat", 1, 1, 1, 0);
    EXPECT_EQ(std::get<RiferimentoBloccoCad>(r.Geometria).Blocco, "DiagrammaT");
}

// ---- Extended data -------------------------------------------------------------------------

TEST(DatiEstesi, ControlliDiCodiceTipoEIntervallo) {
    DisegnoCad d;
    d.AggiungeBlocco({0, 0}, "B");
    auto& r = d.InserisceBlocco({0, 0}, "B");
    const auto errato = [&](std::vector<DatoEsteso> dati) {
        return TipoErrore([&] { r.ImpostaDatiEstesi(dati); });
    };
    const auto app = DatoEsteso{1001, std::string("VELCORA")};
    EXPECT_EQ(errato({}), Tipo::DatiEstesiNonValidi);
    EXPECT_EQ(errato({{1070, 3}}), Tipo::DatiEstesiNonValidi);          // no application first
    EXPECT_EQ(errato({app, {1070, 40000}}), Tipo::DatiEstesiNonValidi); // beyond 16 bits
    EXPECT_EQ(errato({app, {1070, 2.5}}), Tipo::DatiEstesiNonValidi);   // a real for an integer
    EXPECT_EQ(errato({app, {1040, std::string("x")}}), Tipo::DatiEstesiNonValidi);
    EXPECT_EQ(errato({app, {1040, std::numeric_limits<double>::quiet_NaN()}}), Tipo::DatiEstesiNonValidi);
    EXPECT_EQ(errato({app, {1000, std::string("due\r\nrighe")}}), Tipo::DatiEstesiNonValidi);
    EXPECT_EQ(errato({app, {1000, std::string(256, 'a')}}), Tipo::DatiEstesiNonValidi);
    EXPECT_EQ(errato({app, {1071, 5}}), Tipo::DatiEstesiNonValidi); // not in an R12 file
    EXPECT_EQ(errato({app, {1010, 1.0}}), Tipo::DatiEstesiNonValidi);
    EXPECT_EQ(errato({app, {1002, std::string("{")}}), Tipo::DatiEstesiNonValidi);
    EXPECT_EQ(errato({app, {1002, std::string("}")}}), Tipo::DatiEstesiNonValidi);
    EXPECT_EQ(errato({app, {1070, 1}, app}), Tipo::DatiEstesiNonValidi); // the same application twice
    EXPECT_EQ(errato({{1001, std::string("A/B")}}), Tipo::DatiEstesiNonValidi);
    EXPECT_EQ(TipoErrore([&] {
                  r.ImpostaDatiEstesi({1001, 1070}, {std::string("VELCORA")});
              }),
              Tipo::DatiEstesiNonValidi);
    EXPECT_TRUE(r.DatiEstesi().empty());

    // Accepted: an integer for a real code becomes a real; limits of 16 bits; braces in pairs.
    r.ImpostaDatiEstesi({app,
                         {1040, 2},
                         {1070, -32768},
                         {1070, 32767},
                         {1002, std::string("{")},
                         {1000, std::string(255, 'a')},
                         {1002, std::string("}")}});
    EXPECT_EQ(r.DatiEstesi()[1], (DatoEsteso{1040, 2.0}));
}

TEST(DatiEstesi, OgniApplicazioneSostituisceSoloISuoi) {
    DisegnoCad d;
    d.AggiungeBlocco({0, 0}, "B");
    auto& r = d.InserisceBlocco({0, 0}, "B");
    r.ImpostaDatiEstesi({1001, 1070}, {std::string("VELCORA"), 1});
    r.ImpostaDatiEstesi({{1001, std::string("ZELBRUN")}, {1000, std::string("x")}});
    r.ImpostaDatiEstesi({{1001, std::string("velcora")}, {1070, 2}, {1040, 0.5}});
    EXPECT_THAT(r.DatiEstesi(),
                ElementsAre(DatoEsteso{1001, std::string("ZELBRUN")}, DatoEsteso{1000, std::string("x")},
                            DatoEsteso{1001, std::string("velcora")}, DatoEsteso{1070, 2},
                            DatoEsteso{1040, 0.5}));
    EXPECT_THAT(r.DatiEstesi("VELCORA"), ElementsAre(DatoEsteso{1001, std::string("velcora")},
                                                     DatoEsteso{1070, 2}, DatoEsteso{1040, 0.5}));
    EXPECT_TRUE(r.DatiEstesi("ALTRA").empty());
}

// ---- Purge and extents ---------------------------------------------------------------------

TEST(DisegnoCad, EliminaNonUsatiTieneCioCheServe) {
    DisegnoCad d;
    d.AggiungeLayer("VUOTO");
    d.AggiungeLayer("USATO_IN_BLOCCO");
    d.AggiungeLayer("USATO_IN_MODELLO");
    d.AggiungeLayer("ATTIVO");
    d.ImpostaLayerAttivo("USATO_IN_BLOCCO");
    d.AggiungeBlocco({0, 0}, "Usato").AggiungeLinea({0, 0}, {1, 1});
    d.AggiungeBlocco({0, 0}, "Orfano").AggiungeLinea({0, 0}, {1, 1});
    d.ImpostaLayerAttivo("USATO_IN_MODELLO");
    d.InserisceBlocco({0, 0}, "Usato");
    d.ImpostaLayerAttivo("ATTIVO");
    d.EliminaNonUsati();
    EXPECT_THAT(Nomi(d.Layers()), ElementsAre("0", "USATO_IN_BLOCCO", "USATO_IN_MODELLO", "ATTIVO"));
    ASSERT_EQ(d.Blocchi().size(), 1u);
    EXPECT_EQ(d.Blocchi().front().Nome(), "Usato");
    // A layer kept only because it was active goes once another one is active.
    d.ImpostaLayerAttivo("0");
    d.EliminaNonUsati();
    EXPECT_THAT(Nomi(d.Layers()), ElementsAre("0", "USATO_IN_BLOCCO", "USATO_IN_MODELLO"));
}

TEST(DisegnoCad, EstensioniConArchiTestiERiferimenti) {
    DisegnoCad d;
    EXPECT_FALSE(d.Estensioni());
    // A half circle over the axis: from (1, 0) through (0, 1) to (-1, 0).
    d.SpazioModello().AggiungeArco({0, 0}, 1, 0, std::numbers::pi);
    auto e = d.Estensioni();
    ASSERT_TRUE(e);
    EXPECT_NEAR(e->Min.x, -1, 1e-12);
    EXPECT_NEAR(e->Min.y, 0, 1e-12);
    EXPECT_NEAR(e->Max.y, 1, 1e-12);

    // A block drawn from 0 to 10, inserted twice as large at (20, 0) and turned by 90°.
    auto& b = d.AggiungeBlocco({0, 0}, "B");
    b.AggiungeLinea({0, 0}, {10, 0});
    b.AggiungeLinea({0, 0}, {0, -3});
    d.InserisceBlocco({20, 0}, "B", 2, 2, 1, std::numbers::pi / 2);
    e = d.Estensioni();
    EXPECT_NEAR(e->Max.x, 26, 1e-9);
    EXPECT_NEAR(e->Max.y, 20, 1e-9);

    // A text reaches above its base line and to the right.
    d.SpazioModello().AggiungeTesto("abcd", {-10, 30}, 1);
    e = d.Estensioni();
    EXPECT_EQ(e->Min.x, -10);
    EXPECT_EQ(e->Max.y, 31);
}

TEST(DisegnoCad, ColoreFuoriIntervalloNonProduceIlFile) {
    CartellaTemporanea dir;
    DisegnoCad d;
    d.SpazioModello().AggiungeLinea({0, 0}, {1, 1}).Colore = 1;
    d.Salva(dir / "d.dxf");
    const auto prima = prova::LeggeFile(dir / "d.dxf");
    d.SpazioModello().AggiungeLinea({0, 0}, {1, 1}).Colore = 257;
    EXPECT_EQ(TipoErrore([&] { d.Salva(dir / "d.dxf"); }), Tipo::DatiNonValidi);
    EXPECT_EQ(prova::LeggeFile(dir / "d.dxf"), prima);
    EXPECT_THAT(dir.Contenuto(), ElementsAre("d.dxf"));
    EXPECT_EQ(TipoErrore([&] { DisegnoCad().Salva(dir / "manca" / "d.dxf"); }), Tipo::ScritturaFallita);
}

TEST(DisegnoCad, FileR12Essenziale) {
    DisegnoCad d;
    d.SpazioModello().AggiungePolilineaLeggera({{0, 0}, {1, 0}}).Colore = 3;
    const auto righe = prova::RigheCrLf(d.TestoDxf());
    const auto dopo = [&](const std::string& r) {
        const auto i = std::find(righe.begin(), righe.end(), r);
        return i == righe.end() || i + 2 >= righe.end() ? std::string("?") : *(i + 2);
    };
    EXPECT_EQ(dopo("$ACADVER"), "AC1009");
    EXPECT_EQ(dopo("$DWGCODEPAGE"), "ANSI_1252");
    for (std::string s : {"HEADER", "TABLES", "BLOCKS", "ENTITIES"})
        EXPECT_EQ(std::count(righe.begin(), righe.end(), s), 1) << s;
    for (std::string t : {"VPORT", "LTYPE", "LAYER", "STYLE", "APPID"})
        EXPECT_GE(std::count(righe.begin(), righe.end(), t), 1) << t;
    // No lightweight polyline in R12: POLYLINE, VERTEX, SEQEND.
    EXPECT_EQ(std::count(righe.begin(), righe.end(), "LWPOLYLINE"), 0);
    EXPECT_EQ(std::count(righe.begin(), righe.end(), "VERTEX"), 2);
    EXPECT_EQ(std::count(righe.begin(), righe.end(), "SEQEND"), 1);
    EXPECT_EQ(righe.back(), "EOF");
}

// ---- The block export, read back by ezdxf --------------------------------------------------

// The record the reinforcement program reads, for 3 spans and 2 sections: 69 items.
std::vector<DatoEsteso> RecordTreCampateDueSezioni() {
    const int n = 3, m = 2;
    std::vector<DatoEsteso> x;
    // Each item is built in its place: a copied temporary holding a variant makes GCC 12 at -O3
    // see an uninitialised string.
    const auto voce = [&x](int codice, ValoreEsteso valore) {
        x.emplace_back();
        x.back().Codice = codice;
        x.back().Valore = std::move(valore);
    };
    voce(1001, std::string("VELCORA"));
    voce(1070, n);
    for (int i = 1; i <= n; ++i)
        voce(1040, 4.0f + static_cast<float>(i) / 10);
    for (int i = 1; i <= n; ++i)
        voce(1070, i == 2 ? 2 : 1);
    for (int i = 1; i <= n + 1; ++i)
        voce(1040, 0.3f);
    voce(1070, m);
    for (int j = 1; j <= m; ++j) {
        voce(1070, j - 1);
        for (float v : {0.3f, 0.5f, j == 2 ? 1.2f : 0.0f, j == 2 ? 0.2f : 0.0f})
            voce(1040, v);
    }
    voce(1040, 50.0);  // moment scale
    voce(1040, 100.0); // shear scale
    for (int i = 1; i <= n; ++i)
        for (int k = 1; k <= 12; ++k)
            voce(1040, static_cast<float>(i * 100 + k) / 4);
    voce(1040, 0.03f);
    voce(1070, -1);
    voce(1000, std::string("7.6"));
    voce(1070, 1);
    for (float c : {1.0f, 1.3f, 0.8f, 1.5f})
        voce(1040, c);
    return x;
}

TEST(EsportazioneBlocchi, RecordDiSessantanoveVoci) {
    const auto r = RecordTreCampateDueSezioni();
    ASSERT_EQ(r.size(), 69u);
    EXPECT_EQ(r[63], (DatoEsteso{1000, std::string("7.6")}));
}

// Draws as the block export does: layer, purge, two blocks drawn through the "BLOCCO" device,
// references in model space, extended data on the moment block, layer locked, zoom.
void Esporta(DisegnoCad& d, Messaggi& m) {
    auto& layer = d.AggiungeLayer("DIAGRAMMI-VELCORA");
    const std::string precedente = d.LayerAttivo();
    d.ImpostaLayerAttivo(layer.Nome);
    layer.Bloccato = false;
    d.EliminaNonUsati();
    d.AggiungeBlocco({0, 0}, "DiagrammaM");
    d.AggiungeBlocco({0, 0}, "DiagrammaT");

    const std::vector<float> x = {0, 3, 6, 12}, y = {0, 2.5f, -1, 0};
    Disegno momenti;
    momenti.Polilinea(x, y, {4, 2}, -1);
    momenti.Linea(0, 0, 12, 0, {7, 1});
    momenti.Arco(0, 0, 0.48, 0, std::numbers::pi, {7, 1});
    momenti.Testo({.Posizione = {0, 3}, .Altezza = 0.12, .Testo = "Scala momenti 1:50 - Sollecitazioni SLU"});
    momenti.Freccia({.Punta = {6, 0}, .Dimensione = 0.1, .Piena = true},
                    {7, 1}); // the solid goes to model space
    DispositivoCad bloccoM(d, "DiagrammaM", m);
    DisegnaElementi(momenti, bloccoM);

    Disegno tagli;
    tagli.Polilinea(x, y, {4, 2});
    DispositivoCad bloccoT(d, "DiagrammaT", m);
    DisegnaElementi(tagli, bloccoT);

    auto& rm = d.InserisceBlocco({0, 0}, "DiagrammaM", 1, 1, 1, 0);
    rm.ImpostaDatiEstesi(RecordTreCampateDueSezioni());
    d.InserisceBlocco({24, 0}, "DiagrammaT", 1, 1, 1, 0);
    layer.Bloccato = true;
    d.ImpostaLayerAttivo(precedente);
    d.ZoomEstensioni();
}

TEST(EsportazioneBlocchi, FileLettoDaEzdxfConTuttoAlSuoPosto) {
    CartellaTemporanea dir;
    MessaggiRegistrati m;
    auto d = std::make_unique<DisegnoCad>();
    Esporta(*d, m);
    d->Salva(dir / "travi.dxf");
    EXPECT_TRUE(m.Voci.empty());

    const auto r = prova::LeggeConEzdxf(dir / "travi.dxf");
    ASSERT_EQ(r.Uscita, 0) << r.Testo;
    std::string atteso =
        "RECOVER errors=0\n"
        "AUDIT errors=0\n"
        "VERSION AC1009\n"
        "$EXTMIN (-0.48,-2.5,0)\n"
        "$EXTMAX (36,3.12,0)\n"
        "$CLAYER 0\n"
        "LAYER 0 color=7 locked=0\n"
        "LAYER DIAGRAMMI-VELCORA color=7 locked=1\n"
        "LAYER Defpoints color=7 locked=0\n" // ezdxf's own, added on loading
        "APPID ACAD\n"
        "APPID VELCORA\n"
        "BLOCK DiagrammaM base=(0,0,0)\n"
        "  POLYLINE layer=DIAGRAMMI-VELCORA color=4 closed=0 (0,0,0) (3,-2.5,0) (6,1,0) (12,0,0)\n"
        "  LINE layer=DIAGRAMMI-VELCORA color=7 (0,0,0) (12,0,0)\n"
        "  ARC layer=DIAGRAMMI-VELCORA color=7 c=(0,0,0) r=0.48 a=0..180\n"
        "  TEXT layer=DIAGRAMMI-VELCORA color=7 (0,3,0) h=0.12 'Scala momenti 1:50 - Sollecitazioni SLU'\n"
        "BLOCK DiagrammaT base=(0,0,0)\n"
        "  POLYLINE layer=DIAGRAMMI-VELCORA color=4 closed=0 (0,0,0) (3,2.5,0) (6,-1,0) (12,0,0)\n"
        "ENTITIES\n"
        "SOLID layer=DIAGRAMMI-VELCORA color=7 (6,0,0) (6.05,0.2,0) (5.95,0.2,0) (5.95,0.2,0)\n"
        "INSERT layer=DIAGRAMMI-VELCORA color=256 DiagrammaM (0,0,0) scale=1,1,1 rot=0\n";
    for (const auto& v : RecordTreCampateDueSezioni()) {
        atteso += "  " + std::to_string(v.Codice) + " ";
        if (const auto* s = std::get_if<std::string>(&v.Valore))
            atteso += *s;
        else if (const auto* i = std::get_if<int>(&v.Valore))
            atteso += std::to_string(*i);
        else {
            // The value as the file spells it (a single as a single), as ezdxf prints it.
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.10g", std::stod(NumeroDxf(std::get<double>(v.Valore))));
            atteso += buf;
        }
        atteso += "\n";
    }
    atteso += "INSERT layer=DIAGRAMMI-VELCORA color=256 DiagrammaT (24,0,0) scale=1,1,1 rot=0\n";
    EXPECT_EQ(r.Testo, atteso);
}

TEST(EsportazioneBlocchi, RipetutaNelloStessoDisegno) {
    CartellaTemporanea dir;
    MessaggiRegistrati m;
    auto d = std::make_unique<DisegnoCad>();
    Esporta(*d, m);
    Esporta(*d, m);
    EXPECT_EQ(d->CercaBlocco("DiagrammaM")->Entita().size(), 4u); // redefined, not doubled
    EXPECT_EQ(d->Blocchi().size(), 2u);
    EXPECT_EQ(d->Layers().size(), 2u);
    std::size_t riferimenti = 0;
    for (const auto& e : d->SpazioModello().Entita())
        riferimenti += std::holds_alternative<RiferimentoBloccoCad>(e.Geometria);
    EXPECT_EQ(riferimenti, 4u); // earlier references stay
    d->Salva(dir / "due.dxf");
    const auto r = prova::LeggeConEzdxf(dir / "due.dxf");
    EXPECT_EQ(r.Uscita, 0) << r.Testo;
    EXPECT_THAT(r.Testo, HasSubstr("RECOVER errors=0\nAUDIT errors=0\n"));
}

TEST(EsportazioneBlocchi, TestiInCodifica1252LettiComeScritti) {
    CartellaTemporanea dir;
    DisegnoCad d;
    d.AggiungeLayer("Travi 1° piano");
    d.ImpostaLayerAttivo("Travi 1° piano");
    d.SpazioModello().AggiungeTesto("Scala coppie: 180° = 12,5 kNm – è", {0, 0}, 0.2);
    d.AggiungeBlocco({0, 0}, "B");
    d.InserisceBlocco({0, 0}, "B")
        .ImpostaDatiEstesi({{1001, std::string("VELCORA")}, {1000, std::string("però")}});
    d.Salva(dir / "testi.dxf");
    const auto r = prova::LeggeConEzdxf(dir / "testi.dxf");
    EXPECT_EQ(r.Uscita, 0) << r.Testo;
    EXPECT_THAT(r.Testo, HasSubstr("LAYER Travi 1° piano color=7 locked=0\n"));
    EXPECT_THAT(r.Testo, HasSubstr("'Scala coppie: 180° = 12,5 kNm – è'\n"));
    EXPECT_THAT(r.Testo, HasSubstr("  1000 però\n"));
}

} // namespace
} // namespace vc
