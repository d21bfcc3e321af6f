// The grid the user fills in: the editor opened by a click, by a typed character or by a
// control key, Enter through the cells in both orders, Escape, the arrows, the keypad's
// decimal key, reading and writing cells with the user's separators.

#include "AiutoFinestre.h"

#include "ui/GrigliaModifica.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace vc {
namespace {

// A window holding a grid of three data rows and three data columns, and the command that
// follows it.
class GrigliaProva : public ::testing::Test {
  protected:
    void SetUp() override {
        finestra_ = std::make_unique<QWidget>();
        auto* l = new QVBoxLayout(finestra_.get());
        griglia = new GrigliaModifica(Separatori::Italiani(), finestra_.get());
        seguente = new QPushButton(QStringLiteral("Seguente"), finestra_.get());
        l->addWidget(griglia);
        l->addWidget(seguente);
        griglia->ImpostaDimensioni(4, 4);
        griglia->ImpostaIntestazioni({"N°", "A", "B", "C"});
        griglia->NumeraRighe();
        griglia->ImpostaSeguente(seguente);
        finestra_->resize(400, 300);
        finestra_->show();
        QApplication::setActiveWindow(finestra_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(finestra_.get()));
    }

    void Clic(int riga, int colonna) {
        const QRect r = griglia->visualRect(griglia->model()->index(riga - 1, colonna));
        QTest::mouseClick(griglia->viewport(), Qt::LeftButton, {}, r.center());
    }

    static QWidget* Fuoco() { return QApplication::focusWidget(); }
    static void Digita(const QString& testo) { QTest::keyClicks(Fuoco(), testo); }
    static void Tasto(Qt::Key tasto, Qt::KeyboardModifiers mod = {}) { QTest::keyClick(Fuoco(), tasto, mod); }
    QString Editor() const { return griglia->Editor() ? griglia->Editor()->text() : QStringLiteral("<chiuso>"); }

    std::unique_ptr<QWidget> finestra_;
    GrigliaModifica* griglia = nullptr;
    QPushButton* seguente = nullptr;
};

TEST_F(GrigliaProva, IndirizziConIntestazioniEColonnaFissa) {
    EXPECT_EQ(griglia->Righe(), 4);
    EXPECT_EQ(griglia->Colonne(), 4);
    EXPECT_EQ(griglia->TestoCella(0, 2), "B");
    EXPECT_EQ(griglia->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("B"));
    EXPECT_EQ(griglia->TestoCella(3, 0), "3");
    griglia->ScriveCella(std::string("12,5"), 2, 3);
    EXPECT_EQ(griglia->model()->index(1, 3).data().toString(), QStringLiteral("12,5"));
    griglia->ScriveCella(0.7, 1, 1);
    EXPECT_EQ(griglia->TestoCella(1, 1), "0,7");
    // Outside the grid nothing is written and nothing is read.
    griglia->ScriveCella(std::string("x"), 9, 9);
    EXPECT_EQ(griglia->TestoCella(9, 9), "");
    // The fixed column is never edited.
    EXPECT_FALSE(griglia->model()->index(0, 0).flags() & Qt::ItemIsEditable);
}

TEST_F(GrigliaProva, ClicApreLEditoreColNumeroSelezionato) {
    griglia->ScriveCella(std::string("12,5"), 2, 2);
    Clic(2, 2);
    ASSERT_TRUE(griglia->InModifica());
    EXPECT_EQ(Editor(), QStringLiteral("12,5"));
    EXPECT_EQ(griglia->Editor()->selectedText(), QStringLiteral("12,5"));
    EXPECT_EQ(Fuoco(), griglia->Editor());
    // Typing replaces the selection; Enter commits.
    Digita(QStringLiteral("7"));
    Tasto(Qt::Key_Return);
    EXPECT_EQ(griglia->TestoCella(2, 2), "7");
}

TEST_F(GrigliaProva, CarattereDigitatoApreLEditoreConQuelCarattere) {
    griglia->ScriveCella(std::string("99"), 1, 1);
    griglia->VaiACella(1, 1);
    griglia->setFocus();
    Tasto(Qt::Key_7);
    ASSERT_TRUE(griglia->InModifica());
    EXPECT_EQ(Editor(), QStringLiteral("7"));
    EXPECT_EQ(griglia->Editor()->cursorPosition(), 1);
    Digita(QStringLiteral("3"));
    EXPECT_EQ(Editor(), QStringLiteral("73"));
}

TEST_F(GrigliaProva, TastoDiControlloApreColTestoDellaCellaEIlCursoreInFondo) {
    griglia->ScriveCella(std::string("4,25"), 1, 2);
    griglia->VaiACella(1, 2);
    griglia->setFocus();
    Tasto(Qt::Key_F2);
    ASSERT_TRUE(griglia->InModifica());
    EXPECT_EQ(Editor(), QStringLiteral("4,25"));
    EXPECT_TRUE(griglia->Editor()->selectedText().isEmpty());
    EXPECT_EQ(griglia->Editor()->cursorPosition(), 4);
    Tasto(Qt::Key_Backspace);
    Tasto(Qt::Key_Return);
    EXPECT_EQ(griglia->TestoCella(1, 2), "4,2");
}

TEST_F(GrigliaProva, InvioPerColonneComeNellaFinestraPrincipale) {
    griglia->PerRighe(false);
    Clic(1, 1);
    const char* valori[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (const char* v : valori) {
        ASSERT_TRUE(griglia->InModifica()) << v;
        Digita(QString::fromLatin1(v));
        Tasto(Qt::Key_Return);
    }
    // Down each column, then on to the next one; after the last cell, the following command.
    EXPECT_EQ(griglia->TestoCella(3, 1), "3");
    EXPECT_EQ(griglia->TestoCella(1, 2), "4");
    EXPECT_EQ(griglia->TestoCella(3, 3), "9");
    EXPECT_FALSE(griglia->InModifica());
    EXPECT_EQ(Fuoco(), seguente);
}

TEST_F(GrigliaProva, InvioPerRigheNelleAltreFinestre) {
    griglia->PerRighe(true);
    QSignalSpy fine(griglia, &GrigliaModifica::FineGriglia);
    griglia->ApreCella(1, 1);
    for (int k = 1; k <= 9; ++k) {
        Digita(QString::number(k));
        Tasto(Qt::Key_Enter);
    }
    EXPECT_EQ(griglia->TestoCella(1, 3), "3");
    EXPECT_EQ(griglia->TestoCella(2, 1), "4");
    EXPECT_EQ(griglia->TestoCella(3, 3), "9");
    EXPECT_EQ(fine.count(), 1);
    EXPECT_EQ(Fuoco(), seguente);
}

TEST_F(GrigliaProva, InvioSuCellaVuotaRipeteLaVocePrecedente) {
    griglia->PerRighe(false);
    griglia->ApreCella(1, 1);
    Digita(QStringLiteral("2,5"));
    Tasto(Qt::Key_Return);
    // The next, empty cell offers 2,5 selected: Enter repeats it, typing replaces it.
    EXPECT_EQ(Editor(), QStringLiteral("2,5"));
    EXPECT_EQ(griglia->Editor()->selectedText(), QStringLiteral("2,5"));
    Tasto(Qt::Key_Return);
    EXPECT_EQ(griglia->TestoCella(2, 1), "2,5");
    Digita(QStringLiteral("8"));
    Tasto(Qt::Key_Return);
    EXPECT_EQ(griglia->TestoCella(3, 1), "8");
}

TEST_F(GrigliaProva, PassareSuCelleVuoteNonScriveNiente) {
    griglia->ApreCella(1, 1);
    Digita(QStringLiteral("5"));
    Tasto(Qt::Key_Return);
    // A click on an empty cell offers the previous entry; clicking away does not write it.
    Clic(3, 3);
    EXPECT_EQ(Editor(), QStringLiteral("5"));
    Clic(2, 3);
    EXPECT_EQ(griglia->TestoCella(3, 3), "");
    EXPECT_EQ(griglia->TestoCella(1, 1), "5");
}

TEST_F(GrigliaProva, EscapeScartaIlTestoDigitato) {
    griglia->ScriveCella(std::string("10"), 2, 2);
    QSignalSpy modificata(griglia, &GrigliaModifica::CellaModificata);
    Clic(2, 2);
    Digita(QStringLiteral("999"));
    Tasto(Qt::Key_Escape);
    EXPECT_FALSE(griglia->InModifica());
    EXPECT_EQ(griglia->TestoCella(2, 2), "10");
    EXPECT_EQ(modificata.count(), 0);
    EXPECT_EQ(Fuoco(), griglia);
}

TEST_F(GrigliaProva, FrecceConfermanoESpostano) {
    QSignalSpy modificata(griglia, &GrigliaModifica::CellaModificata);
    griglia->ApreCella(2, 2);
    Digita(QStringLiteral("4"));
    Tasto(Qt::Key_Down);
    EXPECT_EQ(griglia->TestoCella(2, 2), "4");
    EXPECT_EQ(griglia->RigaCorrente(), 3);
    EXPECT_FALSE(griglia->InModifica());
    ASSERT_EQ(modificata.count(), 1);
    EXPECT_EQ(modificata.at(0).at(0).toInt(), 2);
    EXPECT_EQ(modificata.at(0).at(1).toInt(), 2);
    // On the last row Down stays; Up goes back.
    griglia->IniziaModifica(0);
    Tasto(Qt::Key_Down);
    EXPECT_EQ(griglia->RigaCorrente(), 3);
    griglia->IniziaModifica(0);
    Digita(QStringLiteral("6"));
    Tasto(Qt::Key_Up);
    EXPECT_EQ(griglia->TestoCella(3, 2), "6");
    EXPECT_EQ(griglia->RigaCorrente(), 2);
    // The arrows on the grid move between cells and never onto the fixed column.
    griglia->setFocus();
    griglia->VaiACella(2, 1);
    Tasto(Qt::Key_Left);
    EXPECT_EQ(griglia->ColonnaCorrente(), 1);
}

TEST_F(GrigliaProva, TastoDecimaleDelTastierinoScriveLaVirgola) {
    griglia->ApreCella(1, 1);
    Digita(QStringLiteral("1"));
    QTest::keyClick(Fuoco(), Qt::Key_Period, Qt::KeypadModifier);
    Digita(QStringLiteral("5"));
    EXPECT_EQ(Editor(), QStringLiteral("1,5"));
    Tasto(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(griglia->LeggeCella(1, 1), 1.5);
    // Typed on the grid itself it opens the editor with the separator.
    griglia->VaiACella(1, 2);
    griglia->setFocus();
    QTest::keyClick(griglia, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(Editor(), QStringLiteral(","));
    // The point of the main keyboard stays a point (a grouping separator here).
    Digita(QStringLiteral("5"));
    QTest::keyClick(Fuoco(), Qt::Key_Period);
    EXPECT_EQ(Editor(), QStringLiteral(",5."));
}

TEST_F(GrigliaProva, LetturaDelleCelleConISeparatoriDellUtente) {
    griglia->ScriveCella(std::string("1.234,5"), 1, 1);
    griglia->ScriveCella(std::string("0,7"), 1, 2);
    griglia->ScriveCella(std::string("abc"), 1, 3);
    griglia->ScriveCella(std::string("12abc"), 2, 1);
    griglia->ScriveCella(std::string(" -3 "), 2, 2);
    EXPECT_DOUBLE_EQ(griglia->LeggeCella(1, 1), 1234.5);
    EXPECT_DOUBLE_EQ(griglia->LeggeCella(1, 2), 0.7);
    EXPECT_DOUBLE_EQ(griglia->LeggeCella(1, 3), 0.0); // not a number
    EXPECT_DOUBLE_EQ(griglia->LeggeCella(2, 1), 12.0);
    EXPECT_DOUBLE_EQ(griglia->LeggeCella(2, 3), 0.0); // empty
    EXPECT_EQ(griglia->LeggeCellaIntera(2, 2), -3);
    EXPECT_TRUE(griglia->CellaNumerica(1, 1));
    EXPECT_FALSE(griglia->CellaNumerica(1, 3));
    EXPECT_FALSE(griglia->CellaNumerica(2, 1));
    EXPECT_FALSE(griglia->CellaNumerica(2, 3));
    griglia->ScriveCella(std::string("2,5"), 3, 1);
    EXPECT_EQ(griglia->LeggeCellaIntera(3, 1), 2); // halves to even
    griglia->ScriveCella(std::string("40000"), 3, 1);
    EXPECT_THROW(griglia->LeggeCellaIntera(3, 1), std::out_of_range);

    EXPECT_TRUE(TestoNumerico("1E-3", Separatori::Italiani()));
    EXPECT_TRUE(TestoNumerico("-,5", Separatori::Italiani()));
    EXPECT_FALSE(TestoNumerico("1,2,3", Separatori::Italiani()));
    EXPECT_FALSE(TestoNumerico("", Separatori::Italiani()));
    EXPECT_FALSE(TestoNumerico("1E", Separatori::Italiani()));
}

TEST_F(GrigliaProva, LeggeECaricaUnaTabellaDiNumeri) {
    griglia->CaricaGriglia({{1.5, 2, 3}, {12.25, -0.5, 100}, {123456789, 0, 1}}, 4, 10, true);
    EXPECT_EQ(griglia->TestoCella(1, 1), " 1,5");
    EXPECT_EQ(griglia->TestoCella(2, 2), "-0,5");
    EXPECT_EQ(griglia->TestoCella(3, 1), " 1,235E+08");
    griglia->CaricaGriglia({{1.5}}, 4, 10, false);
    EXPECT_EQ(griglia->TestoCella(1, 1), " 1,500");

    MessaggiRegistrati msg;
    TabellaNumeri t;
    ASSERT_TRUE(griglia->LeggeGriglia(t, 1, 1, msg));
    ASSERT_EQ(t.size(), 3u);
    ASSERT_EQ(t[0].size(), 3u);
    EXPECT_DOUBLE_EQ(t[1][0], 12.25);
    EXPECT_DOUBLE_EQ(t[2][0], 123500000.0);
    ASSERT_TRUE(griglia->LeggeGriglia(t, 2, 2, msg));
    EXPECT_EQ(t.size(), 2u);
    EXPECT_DOUBLE_EQ(t[0][0], -0.5);
    // A table too small, not resized: the cells read so far stay, the error is told.
    TabellaNumeri piccola(1, std::vector<double>(3, 9.0));
    EXPECT_FALSE(griglia->LeggeGriglia(piccola, 1, 1, msg, false));
    EXPECT_DOUBLE_EQ(piccola[0][0], 1.5);
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Errore in LeggeGriglia");
    EXPECT_EQ(msg.Voci[0].Icona, Icona::Errore);

    TabellaTesti testi;
    ASSERT_TRUE(griglia->LeggeGriglia(testi, 0, 0, msg));
    EXPECT_EQ(testi[0][1], "A");
    EXPECT_EQ(testi[2][0], "2");
}

TEST_F(GrigliaProva, ChiusuraNumericaMostraIlNumeroLetto) {
    griglia->ChiusuraNumerica(true);
    griglia->ApreCella(1, 1);
    Digita(QStringLiteral("1234,5"));
    Tasto(Qt::Key_Return);
    EXPECT_EQ(griglia->TestoCella(1, 1), "1.234,5");
    Digita(QStringLiteral("4.5")); // a point is a grouping separator here: 45
    Tasto(Qt::Key_Return);
    EXPECT_EQ(griglia->TestoCella(2, 1), "45");
    // Without the numeric rewrite the text stays as typed; ChiudeModificaNumerica rewrites.
    griglia->ChiusuraNumerica(false);
    Digita(QStringLiteral("007"));
    griglia->ChiudeModificaNumerica();
    EXPECT_EQ(griglia->TestoCella(3, 1), "7");
}

TEST_F(GrigliaProva, CancellaSvuotaLaCellaECtrlCCopia) {
    griglia->ScriveCella(std::string("3"), 1, 1);
    griglia->ScriveCella(std::string("4"), 1, 2);
    griglia->VaiACella(1, 1);
    griglia->setFocus();
    Tasto(Qt::Key_Delete);
    EXPECT_EQ(griglia->TestoCella(1, 1), "");
    EXPECT_FALSE(griglia->InModifica());
    griglia->VaiACella(1, 2);
    Tasto(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("4\n"));
}

TEST_F(GrigliaProva, SolaLetturaNonApreLEditore) {
    griglia->SolaLettura(true);
    griglia->ScriveCella(std::string("5"), 1, 1);
    Clic(1, 1);
    EXPECT_FALSE(griglia->InModifica());
    griglia->setFocus();
    Tasto(Qt::Key_7);
    EXPECT_FALSE(griglia->InModifica());
    EXPECT_EQ(griglia->TestoCella(1, 1), "5");
}

TEST_F(GrigliaProva, TabellaDiTestiCompleta) {
    TabellaCelle t(3, {450, 970});
    t.Cella(0, 0, "Sez.");
    t.Cella(0, 1, "Mmax");
    t.Cella(1, 0, "1");
    t.Cella(1, 1, " 12,5");
    t.Cella(2, 0, "m");
    griglia->CaricaTabella(t);
    EXPECT_EQ(griglia->Righe(), 3);
    EXPECT_EQ(griglia->Colonne(), 2);
    EXPECT_EQ(griglia->TestoCella(0, 1), "Mmax");
    EXPECT_EQ(griglia->TestoCella(1, 1), " 12,5");
    EXPECT_EQ(griglia->Celle(), t);
    // Growing keeps what is there, shrinking drops the rows beyond.
    griglia->ImpostaRighe(5);
    EXPECT_EQ(griglia->TestoCella(1, 1), " 12,5");
    EXPECT_EQ(griglia->TestoCella(4, 1), "");
    griglia->ImpostaRighe(1);
    EXPECT_EQ(griglia->Righe(), 1);
    EXPECT_EQ(griglia->TestoCella(0, 0), "Sez.");
}

TEST_F(GrigliaProva, IngrandisceEAlternaLAltezza) {
    griglia->ImpostaRighe(40);
    const int prima = griglia->minimumHeight();
    griglia->IngrandisceGriglia();
    EXPECT_TRUE(griglia->Ingrandita());
    EXPECT_GT(griglia->minimumHeight(), prima);
    griglia->IngrandisceGriglia();
    EXPECT_FALSE(griglia->Ingrandita());
    EXPECT_EQ(griglia->minimumHeight(), prima);
}

} // namespace
} // namespace vc
