// The diagrams as they leave the program: the DXF file, the CAD drawing and the block export
// with its extended data, each read back by ezdxf.

#include "outputs/UsciteDiagrammi.h"

#include "drawing/DiagrammiTrave.h"
#include "drawing/EsportazioneBlocchi.h"
#include "drawing/TraviDisegno.h"
#include "drawing/core/ErroreDisegno.h"
#include "drawing/core/FormatoDxf.h"

#include <cstdio>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace vc {
namespace {

using prova::CartellaTemporanea;
using prova::LeggeConEzdxf;
using prova::TraveDiProva;
using ::testing::HasSubstr;

std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> v;
    std::istringstream in(testo);
    for (std::string r; std::getline(in, r);)
        v.push_back(r);
    return v;
}

// How many entities of each kind the dump lists at its top level (model space or the file).
std::map<std::string, int> Conta(const std::vector<std::string>& righe) {
    std::map<std::string, int> n;
    bool entita = false;
    for (const auto& r : righe) {
        if (r == "ENTITIES")
            entita = true;
        else if (entita && !r.empty() && r[0] != ' ')
            ++n[r.substr(0, r.find(' '))];
    }
    return n;
}

// The points "(x,y,z)" of a dump line.
std::vector<Punto> PuntiDi(const std::string& riga) {
    std::vector<Punto> p;
    for (std::size_t i = riga.find('('); i != std::string::npos; i = riga.find('(', i + 1)) {
        double x = 0, y = 0, z = 0;
        if (std::sscanf(riga.c_str() + i, "(%lf,%lf,%lf)", &x, &y, &z) == 3) p.push_back({x, y});
    }
    return p;
}

std::vector<std::string> Con(const std::vector<std::string>& righe, const std::string& inizio) {
    std::vector<std::string> v;
    for (const auto& r : righe)
        if (r.rfind(inizio, 0) == 0) v.push_back(r);
    return v;
}

// A real as the file spells it and ezdxf prints it back.
std::string RealeLetto(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", std::stod(NumeroDxf(v)));
    return buf;
}

class Uscite : public ::testing::Test {
  protected:
    CartellaTemporanea dir;
    MessaggiRegistrati msg;
    Impostazioni imp = prova::Rara();
    Separatori sep = Separatori::Italiani();

    Velcora Semplice() {
        Velcora t = TraveDiProva({{6, 10}}, Appoggio, Appoggio);
        t.CalcolaIperstatiche(imp);
        return t;
    }
};

TEST_F(Uscite, DxfMomentoSopraTaglioLettoDaEzdxf) {
    const Velcora t = Semplice();
    EsportaDiagrammiDxf(t, imp, sep, dir / "mt.dxf", msg);
    const auto r = LeggeConEzdxf(dir / "mt.dxf");
    ASSERT_EQ(r.Uscita, 0) << r.Testo;
    const auto righe = Righe(r.Testo);
    EXPECT_THAT(r.Testo, HasSubstr("RECOVER errors=0\nAUDIT errors=0\n"));

    // Per diagram: two envelopes and two support triangles, the axis in two halves, two
    // titles; the moment has 11 row texts, the shear 16.
    const auto n = Conta(righe);
    EXPECT_EQ(n.at("POLYLINE"), 8);
    EXPECT_EQ(n.at("LINE"), 4);
    EXPECT_EQ(n.at("TEXT"), 31);
    EXPECT_EQ(n.size(), 3u);

    const auto polilinee = Con(righe, "POLYLINE");
    const auto inviluppi = Con(righe, "POLYLINE layer=0 color=1 ");
    ASSERT_EQ(inviluppi.size(), 4u);
    // The moment: 45 kNm at mid-span on the scale 1:20, below the axis.
    const auto m = PuntiDi(inviluppi[0]);
    EXPECT_EQ(m.size(), static_cast<std::size_t>(t.nPt()));
    EXPECT_NEAR(m[51].x, 3, 1e-6);
    EXPECT_NEAR(m[51].y, -2.25, 1e-6);
    // The shear on its own axis under the moment's rows: ±30 kN on the scale 1:20.
    const double origine = -2.25 - 12 * 0.06 - (1.5 + 8 * 0.06) - 6 * 0.06;
    const auto tMax = PuntiDi(inviluppi[2]);
    const auto tMin = PuntiDi(inviluppi[3]);
    EXPECT_NEAR(tMax.front().y, origine, 1e-6);
    EXPECT_NEAR(tMax[1].y, origine - 1.5, 1e-5);
    EXPECT_NEAR(tMin[tMin.size() - 2].y, origine + 1.5, 1e-5);
    EXPECT_THAT(r.Testo, HasSubstr("'Scala momenti 1:20 - Sollecitazioni SLE - Rara'"));
    EXPECT_THAT(r.Testo, HasSubstr("'Scala tagli 1:20 - Sollecitazioni SLE - Rara'"));
    EXPECT_TRUE(msg.Voci.empty());
}

TEST_F(Uscite, DxfNonScrittoSeIlDisegnoFallisce) {
    const Velcora t = Semplice();
    imp.ScalePreimpostate = true; // with every fixed scale 0
    EXPECT_THROW(EsportaDiagrammiDxf(t, imp, sep, dir / "no.dxf", msg), ErroreDisegno);
    EXPECT_TRUE(dir.Contenuto().empty());
}

TEST_F(Uscite, DisegnoCadConIDiagrammiNelloSpazioModello) {
    const Velcora t = Semplice();
    DisegnoCad d;
    DisegnaDiagrammiInCad(t, imp, sep, d, msg);
    d.Salva(dir / "dwg.dxf");
    const auto r = LeggeConEzdxf(dir / "dwg.dxf");
    ASSERT_EQ(r.Uscita, 0) << r.Testo;
    EXPECT_THAT(r.Testo, HasSubstr("RECOVER errors=0\nAUDIT errors=0\nVERSION AC1009\n"));
    const auto righe = Righe(r.Testo);
    const auto n = Conta(righe);
    EXPECT_EQ(n.at("POLYLINE"), 8);
    EXPECT_EQ(n.at("LINE"), 4);
    EXPECT_EQ(n.at("TEXT"), 31);
    EXPECT_EQ(Con(righe, "POLYLINE layer=0 color=1 ").size(), 4u);
    EXPECT_TRUE(Con(righe, "BLOCK ").empty());
    // Zoomed on the drawing: the extents reach from left of the row names to the right end.
    const auto estremi = PuntiDi(Con(righe, "$EXTMIN").at(0));
    EXPECT_LT(estremi[0].x, -10 * 0.06 + 1e-9);
}

// ---- Block export ---------------------------------------------------------------------------------------

// Three spans on two sections, support widths and rounding, fixed scales: the record of the
// moment block reference, as the reinforcement program reads it.
class Blocco : public Uscite {
  protected:
    Velcora Trave3() {
        Velcora t =
            TraveDiProva({{4, 10, 2, 3, 1, 1}, {5, 12, 0, 4, 0, 2}, {3, 8, 1, 2, 0, 1}}, Appoggio, Incastro);
        const float larghezze[] = {0.3f, 0.4f, 0.4f, 0.3f};
        for (int k = 1; k <= 4; ++k)
            t.LarghezzaAppoggi(k, larghezze[k - 1]);
        t.ArrotondaMomenti = true;
        t.Copriferro = 0.035f;
        imp.StatoLimite = SLU;
        imp.ScalePreimpostate = true;
        imp.ScalaFissaM = 25;
        imp.ScalaFissaT = 40;
        imp.ScalaFissaFreccia = 0.01;
        t.CalcolaIperstatiche(imp);
        return t;
    }

    // The record written out item by item, from the beam's own data.
    static std::vector<std::string> RecordAtteso(const Velcora& t) {
        std::vector<std::string> v;
        const auto i = [&](int codice, int valore) {
            v.push_back("  " + std::to_string(codice) + " " + std::to_string(valore));
        };
        const auto r = [&](float valore) { v.push_back("  1040 " + RealeLetto(valore)); };
        v.push_back("  1001 VELCORA");
        i(1070, 3);
        for (float l : {4.0f, 5.0f, 3.0f})
            r(l);
        for (int s : {1, 2, 1})
            i(1070, s);
        for (float b : {0.3f, 0.4f, 0.4f, 0.3f})
            r(b);
        i(1070, 2);
        i(1070, 0);
        for (float x : {0.3f, 0.5f, 0.0f, 0.0f})
            r(x);
        i(1070, 1);
        for (float x : {0.8f, 0.2f, 0.3f, 0.4f})
            r(x);
        v.push_back("  1040 25");
        v.push_back("  1040 40");
        for (int c = 1; c <= 3; ++c) {
            const Trave& s = t.CampataI(c);
            for (float x : {s.CaricoDistribuitoPermanente, s.CaricoDistribuitoVariabile, s.MmaxCam(),
                            s.MminCam(), s.xMmaxCam(), s.xMminCam(), s.MmaxAppS(), s.MmaxAppD(), s.MminAppS(),
                            s.MminAppD(), s.TaglioMaxS(), s.TaglioMaxD()})
                r(x);
        }
        r(0.035f);
        i(1070, -1);
        v.push_back("  1000 7.6");
        i(1070, 1);
        for (float g : {1.0f, 1.3f, 0.8f, 1.5f})
            r(g);
        return v;
    }
};

TEST_F(Blocco, RecordDatiEstesiLettoDaEzdxfVocePerVoce) {
    const Velcora t = Trave3();
    // The combined loads of the record: SLU, G1 + G2 at 1.0 / 0.8 and the differences to 1.3 / 1.5.
    EXPECT_FLOAT_EQ(t.CampataI(1).CaricoDistribuitoPermanente, 1.0f * 10 + 0.8f * 2 + 0 * 3 + 0);
    EXPECT_FLOAT_EQ(t.CampataI(2).CaricoDistribuitoVariabile, 0.3f * 12 + 1.5f * 4);

    DisegnoCad d;
    EsportaBloccoDiagrammi(t, imp, sep, d, msg);
    d.Salva(dir / "blocco.dxf");
    const auto r = LeggeConEzdxf(dir / "blocco.dxf");
    ASSERT_EQ(r.Uscita, 0) << r.Testo;
    EXPECT_THAT(r.Testo, HasSubstr("RECOVER errors=0\nAUDIT errors=0\n"));
    EXPECT_THAT(r.Testo, HasSubstr("$CLAYER 0\n"));
    EXPECT_THAT(r.Testo, HasSubstr("LAYER DIAGRAMMI-VELCORA color=7 locked=1\n"));
    EXPECT_THAT(r.Testo, HasSubstr("APPID VELCORA\n"));
    EXPECT_THAT(r.Testo, HasSubstr("BLOCK DiagrammaM base=(0,0,0)\n"));
    EXPECT_THAT(r.Testo, HasSubstr("BLOCK DiagrammaT base=(0,0,0)\n"));

    const auto righe = Righe(r.Testo);
    const auto inizio =
        std::find(righe.begin(), righe.end(),
                  "INSERT layer=DIAGRAMMI-VELCORA color=256 DiagrammaM (0,0,0) scale=1,1,1 rot=0");
    ASSERT_NE(inizio, righe.end()) << r.Testo;
    std::vector<std::string> record;
    for (auto it = inizio + 1; it != righe.end() && it->rfind("  ", 0) == 0; ++it)
        record.push_back(*it);
    const auto atteso = RecordAtteso(t);
    ASSERT_EQ(record.size(), 69u); // U = 15·3 + 5·2 + 13 = 68
    EXPECT_EQ(record, atteso);
    EXPECT_EQ(record[63], "  1000 7.6");
    EXPECT_EQ(record[0], "  1001 VELCORA");
    EXPECT_EQ(record[1], "  1070 3");
    // The shear block at twice the beam length, without data.
    EXPECT_EQ(*(inizio + 70),
              "INSERT layer=DIAGRAMMI-VELCORA color=256 DiagrammaT (24,0,0) scale=1,1,1 rot=0");
    EXPECT_EQ(Conta(righe).at("INSERT"), 2);

    // Inside the blocks the envelopes are cyan, everything on the diagrams' layer.
    for (const auto& riga : Con(righe, "  POLYLINE"))
        EXPECT_THAT(riga, HasSubstr("layer=DIAGRAMMI-VELCORA"));
    EXPECT_EQ(Con(righe, "  POLYLINE layer=DIAGRAMMI-VELCORA color=4 ").size(), 4u);
}

TEST_F(Blocco, RipetutaRidefinisceIBlocchiETieneIRiferimenti) {
    const Velcora t = Trave3();
    auto d = std::make_unique<DisegnoCad>();
    EsportaBloccoDiagrammi(t, imp, sep, *d, msg);
    const std::size_t nM = d->CercaBlocco("DiagrammaM")->Entita().size();
    EsportaBloccoDiagrammi(t, imp, sep, *d, msg);
    EXPECT_EQ(d->CercaBlocco("DiagrammaM")->Entita().size(), nM);
    EXPECT_EQ(d->Blocchi().size(), 2u);
    int riferimenti = 0, conDati = 0;
    for (const auto& e : d->SpazioModello().Entita())
        if (const auto* rif = std::get_if<RiferimentoBloccoCad>(&e.Geometria)) {
            ++riferimenti;
            conDati += !e.DatiEstesi("VELCORA").empty();
            EXPECT_EQ(rif->Inserimento.x, rif->Blocco == "DiagrammaM" ? 0.0 : 24.0);
        }
    EXPECT_EQ(riferimenti, 4);
    EXPECT_EQ(conDati, 2);
    EXPECT_TRUE(d->CercaLayer("DIAGRAMMI-VELCORA")->Bloccato);
    EXPECT_EQ(d->LayerAttivo(), "0");
}

TEST_F(Blocco, LayerAttivoPrecedenteRipristinatoAncheSeVuoto) {
    const Velcora t = Trave3();
    auto d = std::make_unique<DisegnoCad>();
    LayerCad& travi = d->AggiungeLayer("Travi");
    travi.Colore = 3;
    d->ImpostaLayerAttivo("Travi");
    EsportaBloccoDiagrammi(t, imp, sep, *d, msg);
    ASSERT_NE(d->CercaLayer("Travi"), nullptr); // purged while empty, then put back
    EXPECT_EQ(d->CercaLayer("Travi")->Colore, 3);
    EXPECT_EQ(d->LayerAttivo(), "Travi");
    // New work goes on in the user's layer, not in the locked one.
    EXPECT_NO_THROW(d->SpazioModello().AggiungeLinea({0, 0}, {1, 1}));

    // A locked layer of the user does not stop the export, which draws on its own layer, and
    // stays locked and active.
    d->CercaLayer("Travi")->Bloccato = true;
    EXPECT_NO_THROW(EsportaBloccoDiagrammi(t, imp, sep, *d, msg));
    EXPECT_EQ(d->LayerAttivo(), "Travi");
    EXPECT_THROW(d->SpazioModello().AggiungeLinea({0, 0}, {1, 1}), ErroreDisegno);
}

} // namespace
} // namespace vc
