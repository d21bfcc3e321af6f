// The input grids of the main window show the beam document: an edit in a grid is written
// into the document as one step, undo and redo change the document and the grids follow it
// through their models, and the calculation takes the beam from the document.

#include "ui/ModelloDocumento.h"

#include "AiutoFrmMain.h"
#include "ui/DocumentoTrave.h"

#include <QSignalSpy>

namespace vc {
namespace {

namespace fs = std::filesystem;
using prova::Controllo;

class GriglieDelDocumento : public prova::FinestraPrincipale {
  protected:
    void ApreEsempio() {
        const fs::path file = dati / "trave.vlr";
        fs::copy_file(prova::CartellaEsempi() / "tre_campate_appoggi.vlr", file);
        Avvia({file.string()});
    }
    GrigliaModifica* Campate() const { return Controllo<GrigliaModifica>(*w, "FlexGrid0"); }
    const TabellaTesti& Testi(std::size_t griglia) { return w->Documento().Dati().Griglie.at(griglia); }
    // What the grid's view draws in the cell (its model's text).
    std::string Vista(GrigliaModifica* g, int riga, int colonna) const {
        return g->model()->index(riga - 1, colonna).data().toString().toStdString();
    }
};

TEST_F(GriglieDelDocumento, UnaCellaModificataAnnullataERipetuta) {
    ApreEsempio();
    GrigliaModifica* g = Campate();
    ASSERT_NE(qobject_cast<ModelloDocumento*>(g->model()), nullptr);
    ASSERT_EQ(Testi(0).at(0).at(0), "5");
    QUndoStack& pila = w->Documento().Pila();
    ASSERT_EQ(pila.count(), 0);

    ClicCella(g, 1, 1);
    DigitaInvio(QStringLiteral("9,5"));
    if (g->InModifica()) QTest::keyClick(g->Editor(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(Testi(0)[0][0], "9,5") << "the grid writes into the document";
    EXPECT_EQ(pila.count(), 1) << "one edit, one step";
    EXPECT_EQ(Vista(g, 1, 1), "9,5");

    // Undo and redo change the document; the model tells the view, nobody fills the grid.
    QSignalSpy cambiate(g->model(), &QAbstractItemModel::dataChanged);
    pila.undo();
    EXPECT_EQ(Testi(0)[0][0], "5");
    EXPECT_EQ(Vista(g, 1, 1), "5");
    EXPECT_EQ(g->TestoCella(1, 1), "5");
    EXPECT_GE(cambiate.count(), 1);
    EXPECT_FALSE(w->isWindowModified());
    pila.redo();
    EXPECT_EQ(Testi(0)[0][0], "9,5");
    EXPECT_EQ(Vista(g, 1, 1), "9,5");
    EXPECT_TRUE(w->isWindowModified());

    // The calculation takes the span from the document.
    ASSERT_TRUE(w->EsegueCalcolo()) << Messaggi();
    EXPECT_FLOAT_EQ(w->Trave().EstraeDatiCampata(1).Luce, 9.5f);
}

TEST_F(GriglieDelDocumento, IlNumeroDiCampateAnnullatoTogliELeRighe) {
    ApreEsempio();
    GrigliaModifica* g = Campate();
    Clic(Controllo<QLineEdit>(*w, "txtCampate"));
    DigitaInvio(QStringLiteral("5"));
    if (g->InModifica()) QTest::keyClick(g->Editor(), Qt::Key_Escape);
    QApplication::processEvents();
    ASSERT_EQ(Testi(0).size(), 5u);
    ASSERT_EQ(Testi(1).size(), 6u);
    EXPECT_EQ(g->Righe(), 6);
    w->Documento().Pila().undo();
    EXPECT_EQ(Testi(0).size(), 3u);
    EXPECT_EQ(g->model()->rowCount(), 3);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid1")->model()->rowCount(), 4);
    EXPECT_EQ(Vista(g, 3, 0), "3");
    EXPECT_EQ(Vista(Controllo<GrigliaModifica>(*w, "FlexGrid1"), 4, 1), Testi(1)[3][0]);
}


// A grid written whole (a beam shown after reading it) is one step; what lies beyond the grid's
// rows and cells is left out, and the same texts again are no step.
TEST_F(GriglieDelDocumento, UnaGrigliaScrittaInteraEUnPasso) {
    ApreEsempio();
    GrigliaModifica* g = Campate();
    DocumentoTrave& doc = w->Documento();
    TabellaTesti celle = Testi(0);
    celle[0][0] = "7";
    celle[2][5] = "2";
    celle[0].push_back("oltre l'ultima colonna");
    celle.push_back({"oltre l'ultima riga"});
    QSignalSpy cambiate(g->model(), &QAbstractItemModel::dataChanged);
    ASSERT_TRUE(doc.ScriveGriglia(0, celle));
    EXPECT_EQ(doc.Pila().count(), 1);
    EXPECT_EQ(Testi(0).size(), 3u);
    EXPECT_EQ(Testi(0)[0].size(), 6u);
    EXPECT_EQ(Vista(g, 1, 1), "7");
    EXPECT_EQ(Vista(g, 3, 6), "2");
    EXPECT_GE(cambiate.count(), 1);
    EXPECT_TRUE(doc.ScriveGriglia(0, celle));
    EXPECT_EQ(doc.Pila().count(), 1);
    doc.Pila().undo();
    EXPECT_EQ(Vista(g, 1, 1), "5");
    EXPECT_FALSE(doc.ScriveGriglia(2, celle));
}

// Undo and redo read the step's beam into the document itself, with no window to show it; the
// data file the beam belongs to stays the document's.
TEST(DocumentoDellaTrave, AnnullaERipetiLeggonoLaTraveDelPasso) {
    int mostrati = 0;
    DocumentoTrave doc([&](const LavoroNonSalvato&) { ++mostrati; });
    LavoroNonSalvato tre, quattro;
    tre.DatiFile = prova::LeggeTesto(prova::CartellaEsempi() / "tre_campate_appoggi.vlr");
    quattro.DatiFile = prova::LeggeTesto(prova::CartellaEsempi() / "sbalzi_entrambi_estremi.vlr");
    doc.Imp().NomeFile = "trave.vlr";
    doc.Sostituisce(tre);
    doc.Registra(quattro, QStringLiteral("Trave"));
    ASSERT_EQ(doc.Pila().count(), 1);
    EXPECT_EQ(mostrati, 0) << "the edit is the window's own: nothing to show";

    doc.Pila().undo();
    EXPECT_EQ(doc.Trave().nCampate(), 3);
    doc.Pila().redo();
    EXPECT_EQ(doc.Trave().nCampate(), 4);
    EXPECT_EQ(mostrati, 2);
    EXPECT_EQ(doc.Imp().NomeFile, "trave.vlr");
}

// Which edits are one step: the keys typed into a field until it is left, with what its Enter
// does; any other edit with the rest of its turn of the event loop. Each letter is one event:
// t a key in the title, c a key in the span count, s the count written by the window (a pasted
// block), e another edit (an option), u the count's Enter joining its typing, l the field left,
// and | the end of a turn.
TEST(DocumentoDellaTrave, QualiModificheSonoUnPasso) {
    const struct {
        const char* Eventi;
        int Passi;
    } casi[] = {
        {"c|c|ue", 1}, {"t|t|l|t", 2}, {"t|e|t", 3}, {"t|c", 2},
        {"s|e", 2},    {"se|s", 2},    {"ue|e", 2},  {"c|l|ue", 2},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.Eventi);
        DocumentoTrave doc([](const LavoroNonSalvato&) {});
        doc.Sostituisce({});
        std::string testo;
        for (const char evento : std::string_view(caso.Eventi)) {
            testo += 'x';
            LavoroNonSalvato altra = doc.Dati();
            altra.Opzioni.VincoloSinistro = static_cast<int>(testo.size());
            switch (evento) {
            case 't': doc.ScriveCampo(CampoTesto::Titolo, testo); break;
            case 'c': doc.ScriveCampo(CampoTesto::Campate, testo); break;
            case 's': doc.ScriveCampo(CampoTesto::Campate, testo, false); break;
            case 'e': doc.Registra(altra, QStringLiteral("Opzione")); break;
            case 'u': doc.UnisceAlCampo(CampoTesto::Campate); break;
            case 'l': doc.ChiudeCampo(); break;
            default: QApplication::processEvents();
            }
        }
        EXPECT_EQ(doc.Pila().count(), caso.Passi);
    }
}

} // namespace
} // namespace vc
