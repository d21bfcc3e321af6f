// The main window under the keys a user presses without thinking: every shortcut and paging
// key while a cell is being edited, in both grids, with Italian and English separators, and a
// value too large for the beam typed into a cell. None of them may end the program or leave a
// half-closed editor behind.

#include "AiutoFrmMain.h"

#include <QMessageBox>

namespace vc {
namespace {

using prova::FinestraPrincipale;
namespace fs = std::filesystem;
using prova::Controllo;
using prova::Controlli;

struct Tasto {
    const char* Nome;
    Qt::Key Codice;
    Qt::KeyboardModifiers Modificatori;
};

const Tasto TastiComuni[] = {
    {"Ctrl+A", Qt::Key_A, Qt::ControlModifier},        {"Ctrl+C", Qt::Key_C, Qt::ControlModifier},
    {"Ctrl+V", Qt::Key_V, Qt::ControlModifier},        {"Ctrl+X", Qt::Key_X, Qt::ControlModifier},
    {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier},        {"Ctrl+Y", Qt::Key_Y, Qt::ControlModifier},
    {"PagSu", Qt::Key_PageUp, {}},                      {"PagGiu", Qt::Key_PageDown, {}},
    {"F5", Qt::Key_F5, {}},                             {"Decimale tastierino", Qt::Key_Period, Qt::KeypadModifier},
    {"Virgola tastierino", Qt::Key_Comma, Qt::KeypadModifier}, {"Ctrl+Home", Qt::Key_Home, Qt::ControlModifier},
    {"Alt+F", Qt::Key_F, Qt::AltModifier},              {"Ctrl+Shift+Z", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
};

// The window on a data file, with the separators of the test's parameter.
class ManiVere : public FinestraPrincipale, public ::testing::WithParamInterface<bool> {
  protected:
    void SetUp() override {
        FinestraPrincipale::SetUp();
        w = std::make_unique<FrmMain>(GetParam() ? Separatori::Italiani() : Separatori::Inglesi(), &msg, &servizi);
    }
    void ApreEsempio() {
        const fs::path file = dati / "trave.vlr";
        fs::copy_file(prova::CartellaEsempi() / "tre_campate_appoggi.vlr", file);
        Avvia({file.string()});
        ASSERT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->Righe(), 4);
    }
    std::string Decimale() const { return GetParam() ? "," : "."; }
};

TEST_P(ManiVere, NessunTastoSullEditoreChiudeIlProgramma) {
    ApreEsempio();
    for (GrigliaModifica* g : Controlli<GrigliaModifica>(*w, "FlexGrid", 2)) {
        for (const Tasto& t : TastiComuni) {
            SCOPED_TRACE(std::string(g->objectName().toStdString()) + " " + t.Nome);
            ClicCella(g, 1, 1);
            ASSERT_TRUE(g->InModifica());
            QTest::keyClick(Fuoco(), t.Codice, t.Modificatori);
            QApplication::processEvents();
            // Whatever the key did, the grid still answers and Escape still discards.
            if (g->InModifica()) QTest::keyClick(g->Editor(), Qt::Key_Escape);
            EXPECT_FALSE(g->InModifica());
        }
    }
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->TestoCella(1, 1), "5"); // Escape discarded whatever the keys typed
    // The same keys on a grid whose editor is closed (there Ctrl+X cuts, Ctrl+V pastes).
    for (GrigliaModifica* g : Controlli<GrigliaModifica>(*w, "FlexGrid", 2)) {
        for (const Tasto& t : TastiComuni) {
            SCOPED_TRACE(std::string(g->objectName().toStdString()) + " chiuso " + t.Nome);
            g->VaiACella(1, 1);
            g->setFocus();
            QTest::keyClick(g, t.Codice, t.Modificatori);
            QApplication::processEvents();
            if (g->InModifica()) QTest::keyClick(g->Editor(), Qt::Key_Escape);
        }
    }
}

TEST_P(ManiVere, IlTastoDecimaleDelTastierinoScriveIlSeparatore) {
    ApreEsempio();
    GrigliaModifica* g = Controllo<GrigliaModifica>(*w, "FlexGrid0");
    ClicCella(g, 1, 1);
    ASSERT_TRUE(g->InModifica());
    Digita(QStringLiteral("4"));
    QTest::keyClick(Fuoco(), Qt::Key_Period, Qt::KeypadModifier);
    Digita(QStringLiteral("5"));
    ASSERT_TRUE(g->InModifica());
    EXPECT_EQ(g->Editor()->text().toStdString(), std::string("4").append(Decimale()).append("5"));
}

TEST_P(ManiVere, EsciConUnEditoreApertoChiedeDiSalvare) {
    ApreEsempio();
    GrigliaModifica* g = Controllo<GrigliaModifica>(*w, "FlexGrid0");
    ClicCella(g, 1, 1);
    Digita(QStringLiteral("7"));
    ASSERT_TRUE(g->InModifica());
    bool domanda = false;
    prova::QuandoSiApre([&](QWidget* f) {
        if (auto* box = qobject_cast<QMessageBox*>(f)) {
            domanda = box->text().contains(QStringLiteral("Salvare le modifiche?"));
            box->reject(); // "Annulla": the window stays
        }
    });
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    QTest::keyClick(Fuoco(), Qt::Key_Q, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(domanda);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(g->TestoCella(1, 1), "7"); // what was typed is kept
}

// A load far beyond what a number can hold, typed where the user clicks inside the editor,
// is kept as typed and refused by the calculation with its message; the program goes on.
TEST_P(ManiVere, UnNumeroEnormeNonFermaIlProgramma) {
    Avvia();
    Clic(Controllo<QLineEdit>(*w, "txtCampate"));
    DigitaInvio(QStringLiteral("1"));
    GrigliaModifica* g = Controllo<GrigliaModifica>(*w, "FlexGrid0");
    ClicCella(g, 1, 2);
    DigitaInvio(QStringLiteral("1e308"));
    EXPECT_EQ(g->TestoCella(1, 2), "1E+308"); // in exponent form, not as 309 digits
    // and whole: its column widens rather than show "1E...", which reads as a small number
    EXPECT_GT(g->columnWidth(2), g->fontMetrics().horizontalAdvance(QStringLiteral("1E+308")));
    ClicCella(g, 1, 1);
    DigitaInvio(QStringLiteral("6"));
    // The editor has moved on to G1 with "1e308" selected: a click in it places the cursor.
    ASSERT_TRUE(g->InModifica());
    ASSERT_EQ(g->ColonnaCorrente(), 2);
    QTest::mouseClick(g->Editor(), Qt::LeftButton, {}, g->Editor()->rect().center());
    DigitaInvio(QStringLiteral("7"));
    const std::string testo = g->TestoCella(1, 2);
    EXPECT_NE(testo.find('7'), std::string::npos) << testo;
    EXPECT_NE(testo, "1e308");
    EXPECT_EQ(g->TestoCella(1, 1), "6");
    EXPECT_TRUE(w->isWindowModified());
    msg.Voci.clear();
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    EXPECT_TRUE(Detto("Errore nei dati")) << Messaggi();
    EXPECT_FALSE(Controllo<QGroupBox>(*w, "fraRisultati")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Separatori, ManiVere, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& p) { return p.param ? "Italiani" : "Inglesi"; });

} // namespace
} // namespace vc
