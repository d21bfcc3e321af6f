#include "files/TabellaRisultati.h"

#include "AiutoFile.h"
#include "RelazioneDueCampate.h"
#include "calcolo/Calcolo.h"
#include "support/Formattazione.h"

#include <gtest/gtest.h>
#include <set>

namespace vc::test {
namespace {

using Celle = std::vector<std::vector<std::string>>;

Celle Contenuto(const TabellaCelle& t) {
    Celle c(static_cast<std::size_t>(t.Righe()));
    for (int r = 0; r < t.Righe(); ++r)
        for (int k = 0; k < t.Colonne(); ++k) c[static_cast<std::size_t>(r)].push_back(t.Cella(r, k));
    return c;
}

Impostazioni Rara() {
    Impostazioni imp;
    imp.StatoLimite = SLE;
    imp.TipoSLE = SLERara;
    return imp;
}

void Calcola(Velcora& t, Impostazioni imp = Rara()) {
    MessaggiRegistrati msg;
    ASSERT_TRUE(EsegueCalcolo(t, imp, msg).Riuscito()) << (msg.Voci.empty() ? "" : msg.Voci.front().Testo);
}

// n spans of 4 m with a section 0.3 × 0.5 and the given end restraints.
Velcora Trave(int n, int sinistro, int destro) {
    Velcora t;
    t.nCampate(n);
    t.nSezioni(1);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezRettangolare, MatriceFigure{{{0.3f, 0.5f}, {0, 0}}}, 3.0e7f);
    for (int i = 1; i <= n; ++i) t.InserisceDatiCampata(i, 4, 10, 2, 5, 1, 1);
    t.VincoloSinistro = sinistro;
    t.VincoloDestro = destro;
    t.kVincoloSinistro = t.kVincoloDestro = 50000; // read only at an elastic end
    return t;
}

// The rows of Grid1 with a deflection in them.
std::set<int> RigheConFrecce(const TabellaCelle& g) {
    std::set<int> righe;
    for (int r = 1; r < g.Righe(); ++r) {
        EXPECT_EQ(g.Cella(r, ColFmax).empty(), g.Cella(r, ColFmin).empty()) << "riga " << r;
        if (!g.Cella(r, ColFmax).empty()) righe.insert(r);
    }
    return righe;
}

TEST(TabellaRisultati, MomentiEFrecceSeparatoriItaliani) {
    Velcora t = DueCampate();
    Calcola(t);
    const TabellaCelle g = TabellaMomentiFrecce(t, Separatori::Italiani());
    const Celle attese = {
        {"Sez.", "Mmax", "x Mmax", "Mmin", "x Mmin", "f max", "f min"},
        {"1", " 0", "", " 0", "", "", ""},
        {"m", " 66", " 2", " 19,52", " 1,6", "1,55E-03", "-1,47E-04"},
        {"2", "-50", "", "-100", "", "", ""},
        {"m", " 66", " 3", " 19,52", " 3,4", "1,55E-03", "-1,47E-04"},
        {"3", " 0", "", " 0", "", "", ""},
    };
    EXPECT_EQ(Contenuto(g), attese);
    EXPECT_EQ(g.Larghezza(ColSezione), 450);
    EXPECT_EQ(g.Larghezza(ColFmin), 970);
}

TEST(TabellaRisultati, MomentiEFrecceSeparatoriInglesi) {
    Velcora t = DueCampate();
    Calcola(t);
    const TabellaCelle g = TabellaMomentiFrecce(t, Separatori::Inglesi());
    EXPECT_EQ(Contenuto(g)[2], (std::vector<std::string>{"m", " 66", " 2", " 19.52", " 1.6", "1.55E-03", "-1.47E-04"}));
    EXPECT_EQ(g.Cella(3, ColMmin), "-100");
}

TEST(TabellaRisultati, TagliEReazioni) {
    Velcora t = DueCampate();
    Calcola(t);
    const Celle attese = {
        {"Sez.", "Tmax s", "Tmax d", "Rmax", "Rmin"},
        {"1  ", "", " 65", " 65", " 25"},
        {"2  ", "-100", " 100", " 200", " 100"},
        {"3  ", "-65", "", " 65", " 25"},
    };
    const TabellaCelle it = TabellaTagliReazioni(t, Separatori::Italiani());
    EXPECT_EQ(Contenuto(it), attese);
    EXPECT_EQ(it.Larghezza(ColAppoggio), 450);
    EXPECT_EQ(it.Larghezza(ColRmin), 890);
}

TEST(TabellaRisultati, UnaSolaCampata) {
    Velcora t = Trave(1, Appoggio, Appoggio);
    Calcola(t);
    const GriglieRisultati g = ScriveRisultati(t, Separatori::Italiani());
    ASSERT_EQ(g.Grid1.Righe(), 4);
    EXPECT_EQ(g.Grid1.Cella(3, ColSezione), "2");
    ASSERT_EQ(g.Grid2.Righe(), 3);
    EXPECT_EQ(g.Grid2.Cella(1, ColTmaxS), "");
    EXPECT_NE(g.Grid2.Cella(1, ColTmaxD), "");
    EXPECT_NE(g.Grid2.Cella(2, ColTmaxS), "");
    EXPECT_EQ(g.Grid2.Cella(2, ColTmaxD), "");
    EXPECT_EQ(g.Grid2.Cella(2, ColAppoggio), "2  ");
}

struct CasoFrecce {
    int n, sinistro, destro;
    std::set<int> righe; // the rows of span 1, 2, … in order
    friend void PrintTo(const CasoFrecce& c, std::ostream* os) {
        *os << c.n << " campate, vincoli " << c.sinistro << " " << c.destro;
    }
};

class RigheFrecce : public ::testing::TestWithParam<CasoFrecce> {};

TEST_P(RigheFrecce, SbalzoAllEstremoLiberoSullaRigaDellEstremo) {
    const CasoFrecce& c = GetParam();
    Velcora t = Trave(c.n, c.sinistro, c.destro);
    Calcola(t);
    const TabellaCelle g = TabellaMomentiFrecce(t, Separatori::Italiani());
    EXPECT_EQ(RigheConFrecce(g), c.righe);
    for (int i = 1; i <= c.n; ++i) {
        const int r = RigaFrecceCampata(t, i);
        EXPECT_TRUE(c.righe.contains(r));
        EXPECT_EQ(g.Cella(r, ColFmax), FormattaScientifico(t.CampI(i).FrecciaMax(), Separatori::Italiani()));
        EXPECT_EQ(g.Cella(r, ColFmin), FormattaScientifico(t.CampI(i).FrecciaMin(), Separatori::Italiani()));
        EXPECT_FALSE(g.Cella(2 * i, ColXMmax).empty()); // the span row keeps its moments
    }
}

INSTANTIATE_TEST_SUITE_P(
    Vincoli, RigheFrecce,
    ::testing::Values(CasoFrecce{3, Appoggio, Appoggio, {2, 4, 6}}, CasoFrecce{2, Libero, Appoggio, {1, 4}},
                      CasoFrecce{2, Appoggio, Libero, {2, 5}}, CasoFrecce{3, Libero, Libero, {1, 4, 7}},
                      CasoFrecce{1, Incastro, Libero, {3}}, CasoFrecce{1, Libero, Incastro, {1}},
                      CasoFrecce{2, Incastro, Elastico, {2, 4}}));

TEST(TabellaRisultati, NessunaFrecciaDiUnCalcoloPrecedente) {
    // The window keeps one beam: first two spans with a cantilever on the right (deflections of
    // span 2 on row 5), then three spans on supports, where row 5 is an inner support. The
    // grids of the second calculation are those of a beam calculated afresh.
    Velcora t = Trave(2, Appoggio, Libero);
    Calcola(t);
    ASSERT_EQ(RigheConFrecce(TabellaMomentiFrecce(t, Separatori::Italiani())), (std::set<int>{2, 5}));

    t.nCampate(3);
    for (int i = 1; i <= 3; ++i) t.InserisceDatiCampata(i, 4, 10, 2, 5, 1, 1);
    t.VincoloDestro = Appoggio;
    Calcola(t);
    const GriglieRisultati dopo = ScriveRisultati(t, Separatori::Italiani());
    EXPECT_EQ(RigheConFrecce(dopo.Grid1), (std::set<int>{2, 4, 6}));
    EXPECT_EQ(dopo.Grid1.Cella(5, ColSezione), "3");

    Velcora nuova = Trave(3, Appoggio, Appoggio);
    Calcola(nuova);
    const GriglieRisultati attese = ScriveRisultati(nuova, Separatori::Italiani());
    EXPECT_EQ(dopo.Grid1, attese.Grid1);
    EXPECT_EQ(dopo.Grid2, attese.Grid2);
}

TEST(TabellaRisultati, SoloDaUnaTraveCalcolata) {
    Velcora t = Trave(2, Appoggio, Appoggio);
    EXPECT_THROW(TabellaMomentiFrecce(t, Separatori::Italiani()), std::logic_error);
    EXPECT_THROW(TabellaTagliReazioni(t, Separatori::Italiani()), std::logic_error);
    Calcola(t);
    // New spans after the calculation: the stored results belong to another beam.
    t.nCampate(3);
    EXPECT_THROW(ScriveRisultati(t, Separatori::Italiani()), std::logic_error);
    t.nCampate(1);
    EXPECT_THROW(ScriveRisultati(t, Separatori::Italiani()), std::logic_error);
}

TEST(TabellaCampate, ComeLaFinestraMostraLaTrave) {
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    const TabellaCelle g = TabellaCampate(t, Separatori::Italiani());
    const Celle attese = {
        {"Camp. N°", "Luce", "G1", "G2", "Q1", "Q2", "Sez.N°"},
        {"1", "5,5", "20", "6", "10", "2", "1"},
        {"2", "6,25", "18", "5", "9", "0", "2"},
    };
    EXPECT_EQ(Contenuto(g), attese);
    EXPECT_EQ(g.Larghezza(ColCampata), 950);
    EXPECT_EQ(TabellaCampate(t, Separatori::Inglesi()).Cella(2, ColLuce), "6.25");
}

} // namespace
} // namespace vc::test
