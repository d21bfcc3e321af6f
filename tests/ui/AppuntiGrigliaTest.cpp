// The grids and the clipboard, as with a spreadsheet: a block copied with the user's
// separators, pasted back from tab- or semicolon-separated text, refused whole when a cell is
// not a number or the block does not fit, and a table that grows for a longer block.

#include "AiutoFrmMain.h"

#include "ui/GrigliaModifica.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

namespace vc {
namespace {

using prova::FinestraPrincipale;
namespace fs = std::filesystem;
using prova::Controllo;
using prova::Controlli;

// A grid of three data rows and three data columns.
class Appunti : public ::testing::Test {
  protected:
    void Prepara(const Separatori& sep) {
        griglia = std::make_unique<GrigliaModifica>(sep);
        griglia->ImpostaDimensioni(4, 4);
        griglia->ImpostaIntestazioni({"N°", "A", "B", "C"});
        griglia->NumeraRighe();
        griglia->ChiusuraNumerica(true);
        griglia->ImpostaMessaggi(&msg);
    }
    std::vector<std::string> Riga(int r) const {
        return {griglia->TestoCella(r, 1), griglia->TestoCella(r, 2), griglia->TestoCella(r, 3)};
    }
    MessaggiRegistrati msg;
    std::unique_ptr<GrigliaModifica> griglia;
};

struct Incollato {
    const char* Nome;
    bool Italiani;
    const char* Testo;
    int Riga, Colonna;
    bool Accettato;
    std::vector<std::vector<std::string>> Righe; // rows 1..3 afterwards
    const char* Messaggio;                       // the start of the refusal
};

TEST_F(Appunti, IncollaUnBloccoOLoRifiutaIntero) {
    const std::vector<std::string> vuota{"", "", ""};
    const Incollato casi[] = {
        {"tabulazioni", true, "1,5\t2\n3\t1.234,5\n", 1, 1, true, {{"1,5", "2", ""}, {"3", "1.234,5", ""}, vuota}, ""},
        {"punti e virgola di un CSV", true, "7;8;9\r\n", 2, 1, true, {vuota, {"7", "8", "9"}, vuota}, ""},
        {"separatori inglesi", false, "1,234.5\t-2e-3", 3, 2, true, {vuota, vuota, {"", "1,234.5", "-0.002"}}, ""},
        {"celle vuote restano vuote", true, "4\t\t6", 1, 1, true, {{"4", "", "6"}, vuota, vuota}, ""},
        {"testo non numerico", true, "1\t2\nabc\t4", 1, 1, false, {vuota, vuota, vuota},
         "Il blocco da incollare contiene \"abc\" (riga 2, colonna 1)"},
        {"punto decimale con separatori italiani", true, "1.5e400", 1, 1, false, {vuota, vuota, vuota},
         "Il blocco da incollare contiene"},
        {"troppo largo", true, "1\t2\t3", 1, 2, false, {vuota, vuota, vuota}, MessaggioBloccoTroppoLargo},
        {"troppo lungo", true, "1\n2\n3", 2, 1, false, {vuota, vuota, vuota}, MessaggioBloccoTroppoLungo},
    };
    for (const Incollato& c : casi) {
        SCOPED_TRACE(c.Nome);
        Prepara(c.Italiani ? Separatori::Italiani() : Separatori::Inglesi());
        msg.Voci.clear();
        QSignalSpy cambi(griglia.get(), &GrigliaModifica::CellaModificata);
        griglia->VaiACella(c.Riga, c.Colonna);
        EXPECT_EQ(griglia->IncollaTesto(c.Testo), c.Accettato);
        for (int r = 1; r <= 3; ++r) EXPECT_EQ(Riga(r), c.Righe[static_cast<std::size_t>(r - 1)]) << "riga " << r;
        // A block is one change; a refused one none, with its reason.
        EXPECT_EQ(cambi.count(), c.Accettato ? 1 : 0);
        if (c.Accettato) {
            EXPECT_TRUE(msg.Voci.empty());
        } else {
            ASSERT_EQ(msg.Voci.size(), 1u);
            EXPECT_EQ(msg.Voci[0].Testo.rfind(c.Messaggio, 0), 0u) << msg.Voci[0].Testo;
        }
    }
}

TEST_F(Appunti, TastiComeInUnFoglioDiCalcolo) {
    Prepara(Separatori::Italiani());
    griglia->show();
    griglia->IncollaTesto("1,5\t2\t3\n4\t5\t6\n7\t8\t9");
    // Ctrl+A takes the data cells, Ctrl+C copies them with the user's separators.
    griglia->setFocus();
    QTest::keyClick(griglia.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(griglia.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1,5\t2\t3\n4\t5\t6\n7\t8\t9\n"));
    // Ctrl+X copies and empties; Ctrl+V on the first cell puts it all back.
    QTest::keyClick(griglia.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Riga(2), (std::vector<std::string>{"", "", ""}));
    griglia->VaiACella(1, 1);
    QTest::keyClick(griglia.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Riga(3), (std::vector<std::string>{"7", "8", "9"}));
    // Delete empties the selected cells only; the row numbers stay.
    griglia->VaiACella(2, 2);
    griglia->SelezionaBlocco(2, 2, 3, 2);
    QTest::keyClick(griglia.get(), Qt::Key_Delete);
    EXPECT_EQ(Riga(2), (std::vector<std::string>{"4", "", "6"}));
    EXPECT_EQ(Riga(3), (std::vector<std::string>{"7", "", "9"}));
    EXPECT_EQ(griglia->TestoCella(3, 0), "3");
    // Shift with the arrows, or with a click, selects a block from the current cell; a block
    // that reaches the row numbers copies the cells only.
    EXPECT_EQ(Riga(1), (std::vector<std::string>{"1,5", "2", "3"}));
    griglia->VaiACella(1, 1);
    QTest::keyClick(griglia.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(griglia.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(griglia.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1,5\t2\n4\t\n"));
    griglia->VaiACella(3, 3);
    const QRect prima = griglia->visualRect(griglia->model()->index(1, 0));
    QTest::mouseClick(griglia->viewport(), Qt::LeftButton, Qt::ShiftModifier, prima.center());
    EXPECT_FALSE(griglia->InModifica());
    QTest::keyClick(griglia.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("4\t\t6\n7\t\t9\n"));
    EXPECT_TRUE(msg.Voci.empty());
}

TEST_F(Appunti, UnaTabellaCrescenteChiedeLeRighe) {
    Prepara(Separatori::Italiani());
    griglia->Crescente(true);
    QObject::connect(griglia.get(), &GrigliaModifica::RigheRichieste, griglia.get(), [this](int righe) {
        griglia->ImpostaRighe(righe + 1);
        griglia->NumeraRighe();
    });
    griglia->VaiACella(3, 1);
    ASSERT_TRUE(griglia->IncollaTesto("1\n2\n3"));
    EXPECT_EQ(griglia->Righe(), 6);
    EXPECT_EQ(griglia->TestoCella(5, 1), "3");
    EXPECT_EQ(griglia->TestoCella(5, 0), "5");
}

// Copied from one beam and pasted into a new one, the spans and supports are the same.
class AppuntiFinestra : public FinestraPrincipale {};

TEST_F(AppuntiFinestra, CopiaEIncollaInUnaNuovaTrave) {
    const fs::path file = dati / "trave.vlr";
    fs::copy_file(prova::CartellaEsempi() / "tre_campate_appoggi.vlr", file);
    Avvia({file.string()});
    const std::vector<GrigliaModifica*> griglie = Controlli<GrigliaModifica>(*w, "FlexGrid", 2);
    std::array<QString, 2> copiato;
    std::array<TabellaCelle, 2> celle;
    for (std::size_t g = 0; g < 2; ++g) {
        griglie[g]->setFocus();
        QTest::keyClick(griglie[g], Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(griglie[g], Qt::Key_C, Qt::ControlModifier);
        copiato[g] = QApplication::clipboard()->text();
        celle[g] = griglie[g]->Celle();
    }
    Menu("mnuFileItem0")->trigger();
    ASSERT_EQ(griglie[0]->Righe(), 1);
    // Pasting the spans into the empty beam makes them, and their supports.
    QApplication::clipboard()->setText(copiato[0]);
    griglie[0]->setFocus();
    QTest::keyClick(griglie[0], Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtCampate")->text(), QStringLiteral("3"));
    ASSERT_EQ(griglie[1]->Righe(), 5);
    QApplication::clipboard()->setText(copiato[1]);
    griglie[1]->VaiACella(1, 1);
    griglie[1]->setFocus();
    QTest::keyClick(griglie[1], Qt::Key_V, Qt::ControlModifier);
    for (std::size_t g = 0; g < 2; ++g) EXPECT_TRUE(griglie[g]->Celle() == celle[g]) << "griglia " << g;
    EXPECT_TRUE(w->Modificato());
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
}

} // namespace
} // namespace vc
