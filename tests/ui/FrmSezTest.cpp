// The sections window: browsing, the three kinds, the dimension grid typed like a user, and
// what is written back into the beam.

#include "AiutoDialoghi.h"
#include "AiutoFinestre.h"

#include "ui/FrmSez.h"
#include "ui/GrigliaModifica.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vc {
namespace {

using prova::Controllo;
using prova::Testo;

// n sections: section 1 a rectangle 0,3 × 0,5 with E 3·10⁷ kN/m², the others never entered.
Velcora ConSezioni(int n) {
    Velcora t;
    t.nCampate(n);
    t.nSezioni(n);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezRettangolare, {{{0.3f, 0.5f}, {0, 0}}}, 3.0e7f);
    for (int i = 1; i <= n; ++i) t.InserisceDatiCampata(i, 5, 10, 0, 0, 0, i);
    return t;
}

class FinestraSez : public ::testing::Test {
protected:
    QLineEdit* Campo(const QWidget& f, const char* nome) { return Controllo<QLineEdit>(f, QString::fromLatin1(nome)); }
    QPushButton* Pulsante(const QWidget& f, const char* nome) {
        return Controllo<QPushButton>(f, QString::fromLatin1(nome));
    }
    QRadioButton* Tipo(const QWidget& f, int k) {
        return Controllo<QRadioButton>(f, QStringLiteral("OpTipoSezione_%1").arg(k));
    }
    GrigliaModifica& Griglia(const QWidget& f) { return *Controllo<GrigliaModifica>(f, QStringLiteral("FlexGrid")); }

    // Starting on the first cell, types the values, each confirmed with Enter.
    void Digita(GrigliaModifica& g, std::initializer_list<const char*> valori) {
        const QRect r = g.visualRect(g.model()->index(0, 1));
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, r.center());
        if (!g.InModifica()) QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, r.center());
        for (const char* v : valori) {
            ASSERT_TRUE(g.InModifica()) << v;
            QTest::keyClicks(g.Editor(), QString::fromUtf8(v));
            QTest::keyClick(g.Editor(), Qt::Key_Return);
        }
    }

    Separatori sep = Separatori::Italiani();
    MessaggiRegistrati msg;
};

TEST_F(FinestraSez, SiApreSullaPrimaSezione) {
    Velcora t = ConSezioni(2);
    FrmSez f(t, sep, msg);
    prova::MostraAttiva(f);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Sezioni"));
    EXPECT_EQ(Testo(Campo(f, "txtNsez")), "1");
    EXPECT_EQ(Testo(Campo(f, "txtNtotale")), "2");
    EXPECT_TRUE(Tipo(f, 0)->isChecked());
    GrigliaModifica& g = Griglia(f);
    EXPECT_EQ(g.Righe(), 2);
    EXPECT_EQ(g.TestoCella(0, 1), "b (m)");
    EXPECT_EQ(g.TestoCella(0, 2), "h (m)");
    EXPECT_EQ(g.TestoCella(1, 1), "0,3");
    EXPECT_EQ(g.TestoCella(1, 2), "0,5");
    EXPECT_EQ(Testo(Campo(f, "txtEc_0")), "30000");
    EXPECT_EQ(Testo(Campo(f, "txtEc_1")), "30000000");
    EXPECT_EQ(Testo(Campo(f, "txtInerzia")), "0,003125");
    EXPECT_EQ(Testo(Campo(f, "txtInerziaCm4")), "312.500");
    EXPECT_FALSE(Campo(f, "txtInerziaCm4")->isEnabled());
    EXPECT_FALSE(Controllo<QGroupBox>(f, QStringLiteral("fraAltezza"))->isVisible());
    EXPECT_TRUE(msg.Voci.empty());
}

TEST_F(FinestraSez, UnaSolaSezioneAiDueCapi) {
    Velcora t = ConSezioni(1);
    FrmSez f(t, sep, msg);
    prova::MostraAttiva(f);
    prova::Scrive(Campo(f, "txtEc_0"), QStringLiteral("32000"));
    EXPECT_EQ(Testo(Campo(f, "txtEc_1")), "32000000");
    Pulsante(f, "cbVisSucc_0")->click();
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Superato il numero totale di Sezioni");
    EXPECT_EQ(msg.Voci[0].Icona, Icona::Errore);
    EXPECT_TRUE(Pulsante(f, "cbFineSez")->hasFocus());
    EXPECT_EQ(Testo(Campo(f, "txtNsez")), "1");
    EXPECT_EQ(t.SezioneI(1).Young, 3.2e7f); // stored before moving

    Pulsante(f, "cbVisSucc_1")->click();
    ASSERT_EQ(msg.Voci.size(), 2u);
    EXPECT_EQ(msg.Voci[1].Testo, "Fine sezioni");
    EXPECT_EQ(msg.Voci[1].Icona, Icona::Errore);
    EXPECT_TRUE(Pulsante(f, "cbVisSucc_0")->hasFocus());
    EXPECT_EQ(Testo(Campo(f, "txtNsez")), "1");
    EXPECT_TRUE(f.isVisible());
}

// A modulus beyond what a number holds once converted to kN/m² shows the largest one a
// section keeps, and the window goes on.
TEST_F(FinestraSez, UnModuloEnormeSiMostraComeSaraTenuto) {
    Velcora t = ConSezioni(1);
    FrmSez f(t, sep, msg);
    prova::MostraAttiva(f);
    prova::Scrive(Campo(f, "txtEc_0"), QStringLiteral("1e308"));
    EXPECT_EQ(Testo(Campo(f, "txtEc_1")), "1E+30");
    prova::Scrive(Campo(f, "txtEc_0"), QStringLiteral("-1e308"));
    EXPECT_EQ(Testo(Campo(f, "txtEc_1")), "-1E+30");
}

// A generic section with J and depth beyond what a single holds is kept at the largest
// values a section keeps, and shows again when the user comes back to it.
TEST_F(FinestraSez, SezioneGenericaEnormeSiRivede) {
    Velcora t = ConSezioni(2);
    FrmSez f(t, sep, msg);
    prova::MostraAttiva(f);
    Pulsante(f, "cbVisSucc_0")->click();
    prova::Spunta(Tipo(f, 2));
    prova::Scrive(Campo(f, "txtInerziaCm4"), QStringLiteral("1e308"));
    QTest::keyClick(Campo(f, "txtInerziaCm4"), Qt::Key_Return);
    prova::Scrive(Campo(f, "txtHtot"), QStringLiteral("1e308"));
    QTest::keyClick(Campo(f, "txtHtot"), Qt::Key_Return);
    EXPECT_EQ(t.SezioneI(2).JotaXG, 1.0e30f);
    EXPECT_EQ(t.SezioneI(2).hTot, 1.0e30f);
    Pulsante(f, "cbVisSucc_1")->click();
    Pulsante(f, "cbVisSucc_0")->click();
    EXPECT_EQ(Testo(Campo(f, "txtHtot")), "1E+30");
    EXPECT_EQ(Testo(Campo(f, "txtInerzia")), "1E+30");
}

TEST_F(FinestraSez, DimensioniScritteEMemorizzateAlPassaggio) {
    Velcora t = ConSezioni(2);
    FrmSez f(t, sep, msg);
    prova::MostraAttiva(f);
    Pulsante(f, "cbVisSucc_0")->click();
    EXPECT_EQ(Testo(Campo(f, "txtNsez")), "2");
    // Never entered: no dimensions, E shown as 20000 N/mm².
    EXPECT_EQ(Testo(Campo(f, "txtEc_0")), "20000");
    EXPECT_EQ(Griglia(f).TestoCella(1, 1), "0");
    Digita(Griglia(f), {"0,4", "0,6"});
    // The end of the grid completes the entry: stored, and on to "Fine" (the last section).
    EXPECT_TRUE(Pulsante(f, "cbFineSez")->hasFocus());
    EXPECT_FLOAT_EQ(t.SezioneI(2).b1, 0.4f);
    EXPECT_FLOAT_EQ(t.SezioneI(2).h1, 0.6f);
    EXPECT_FLOAT_EQ(t.SezioneI(2).Young, 2.0e7f);
    EXPECT_NEAR(t.SezioneI(2).JotaXG, 0.4 * 0.6 * 0.6 * 0.6 / 12, 1e-9);
    EXPECT_FALSE(t.SezioneI(2).SezioneNulla);
    EXPECT_EQ(Testo(Campo(f, "txtInerzia")), "0,0072");

    Pulsante(f, "cbVisSucc_1")->click();
    EXPECT_EQ(Testo(Campo(f, "txtNsez")), "1");
    EXPECT_EQ(Griglia(f).TestoCella(1, 1), "0,3");
    Pulsante(f, "cbVisSucc_0")->click();
    EXPECT_EQ(Griglia(f).TestoCella(1, 2), "0,6");
    EXPECT_TRUE(msg.Voci.empty());
}

TEST_F(FinestraSez, DaRettangolareATEGenerica) {
    Velcora t = ConSezioni(1);
    FrmSez f(t, sep, msg);
    prova::MostraAttiva(f);
    prova::Spunta(Tipo(f, 1));
    EXPECT_EQ(f.TipoSezione(), SezT);
    GrigliaModifica& g = Griglia(f);
    EXPECT_EQ(g.Righe(), 3);
    EXPECT_EQ(g.TestoCella(2, 0), "2");
    EXPECT_EQ(g.TestoCella(1, 1), "0,3"); // the flange keeps the rectangle's data
    Digita(g, {"1", "0,2", "0,3", "0,4"});
    Pulsante(f, "cbFineSez")->click();
    EXPECT_EQ(t.SezioneI(1).TipoSez, SezT);
    EXPECT_FLOAT_EQ(t.SezioneI(1).b2, 0.3f);
    EXPECT_FLOAT_EQ(t.SezioneI(1).hTot, 0.6f);

    FrmSez g2(t, sep, msg);
    prova::MostraAttiva(g2);
    EXPECT_TRUE(Tipo(g2, 1)->isChecked());
    EXPECT_EQ(Griglia(g2).TestoCella(2, 2), "0,4");
    prova::Spunta(Tipo(g2, 2));
    EXPECT_FALSE(Griglia(g2).isVisible());
    EXPECT_TRUE(Controllo<QGroupBox>(g2, QStringLiteral("fraAltezza"))->isVisible());
    EXPECT_TRUE(Campo(g2, "txtInerziaCm4")->isEnabled());
    prova::Spunta(Tipo(g2, 0));
    EXPECT_TRUE(Griglia(g2).isVisible());
    EXPECT_EQ(Griglia(g2).Righe(), 2);
    EXPECT_FALSE(Controllo<QGroupBox>(g2, QStringLiteral("fraAltezza"))->isVisible());
}

TEST_F(FinestraSez, SezioneGenericaConJInCm4) {
    Velcora t = ConSezioni(2);
    FrmSez f(t, sep, msg);
    prova::MostraAttiva(f);
    Pulsante(f, "cbVisSucc_0")->click();
    prova::Spunta(Tipo(f, 2));
    prova::Scrive(Campo(f, "txtInerziaCm4"), QStringLiteral("540000"));
    EXPECT_EQ(Testo(Campo(f, "txtInerzia")), "0,0054");
    // Stored at once.
    EXPECT_EQ(t.SezioneI(2).TipoSez, SezGenerica);
    EXPECT_NEAR(t.SezioneI(2).JotaXG, 0.0054, 1e-9);
    EXPECT_FALSE(t.SezioneI(2).SezioneNulla);
    QTest::keyClick(Campo(f, "txtInerziaCm4"), Qt::Key_Return);
    EXPECT_TRUE(Campo(f, "txtHtot")->hasFocus());
    QTest::keyClicks(Campo(f, "txtHtot"), QStringLiteral("0,6"));
    QTest::keyClick(Campo(f, "txtHtot"), Qt::Key_Return);
    EXPECT_FLOAT_EQ(t.SezioneI(2).hTot, 0.6f);
    EXPECT_TRUE(Pulsante(f, "cbFineSez")->hasFocus());

    Pulsante(f, "cbVisSucc_1")->click();
    Pulsante(f, "cbVisSucc_0")->click();
    EXPECT_TRUE(Tipo(f, 2)->isChecked());
    EXPECT_EQ(Testo(Campo(f, "txtHtot")), "0,6");
    EXPECT_EQ(Testo(Campo(f, "txtInerziaCm4")), "540.000");
}

TEST_F(FinestraSez, NumeroScrittoConInvio) {
    Velcora t = ConSezioni(3);
    FrmSez f(t, sep, msg);
    prova::MostraAttiva(f);
    prova::Scrive(Campo(f, "txtEc_0"), QStringLiteral("25000"));
    prova::ScriveEInvio(Campo(f, "txtNsez"), QStringLiteral("3"));
    EXPECT_EQ(f.SezioneMostrata(), 3);
    EXPECT_EQ(t.SezioneI(1).Young, 2.5e7f); // the section left behind was kept
    EXPECT_TRUE(msg.Voci.empty());
    prova::ScriveEInvio(Campo(f, "txtNsez"), QStringLiteral("7"));
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Superato il numero totale di Sezioni");
    EXPECT_EQ(Testo(Campo(f, "txtNsez")), "3");
    prova::ScriveEInvio(Campo(f, "txtNsez"), QStringLiteral("0"));
    ASSERT_EQ(msg.Voci.size(), 2u);
    EXPECT_EQ(msg.Voci[1].Testo, "Fine sezioni");
    EXPECT_EQ(f.SezioneMostrata(), 1);
    EXPECT_EQ(Testo(Campo(f, "txtEc_0")), "25000");
}

TEST_F(FinestraSez, FineMemorizzaLaSezioneMostrata) {
    Velcora t = ConSezioni(1);
    FrmSez f(t, sep, msg);
    prova::MostraAttiva(f);
    Digita(Griglia(f), {"0,25", "0,45"});
    prova::Scrive(Campo(f, "txtEc_0"), QStringLiteral("33000"));
    Pulsante(f, "cbFineSez")->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_FLOAT_EQ(t.SezioneI(1).b1, 0.25f);
    EXPECT_FLOAT_EQ(t.SezioneI(1).h1, 0.45f);
    EXPECT_FLOAT_EQ(t.SezioneI(1).Young, 3.3e7f);
}

TEST_F(FinestraSez, TastierinoEDimensioniNonValide) {
    Velcora t = ConSezioni(1);
    FrmSez f(t, sep, msg);
    prova::MostraAttiva(f);
    GrigliaModifica& g = Griglia(f);
    const QRect r = g.visualRect(g.model()->index(0, 1));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, r.center());
    if (!g.InModifica()) QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, r.center());
    ASSERT_TRUE(g.InModifica());
    QTest::keyClicks(g.Editor(), QStringLiteral("0"));
    QTest::keyClick(g.Editor(), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(g.Editor(), QStringLiteral("35"));
    QTest::keyClick(g.Editor(), Qt::Key_Return);
    EXPECT_EQ(g.TestoCella(1, 1), "0,35");
    // A zero depth leaves a section without properties.
    QTest::keyClicks(g.Editor(), QStringLiteral("0"));
    QTest::keyClick(g.Editor(), Qt::Key_Return);
    EXPECT_TRUE(t.SezioneI(1).SezioneNulla);
    EXPECT_EQ(Testo(Campo(f, "txtInerzia")), "0");
}

// The dimension grid from the keyboard alone: Tab reaches it with a current cell shown, a
// typed key opens the editor with that key, Enter moves on, F2 reopens a cell with its text,
// the arrows move, and the end of the grid completes the entry.
TEST_F(FinestraSez, GrigliaDaTastiera) {
    Velcora t = ConSezioni(2);
    FrmSez f(t, sep, msg);
    prova::MostraAttiva(f);
    GrigliaModifica& g = Griglia(f);
    Pulsante(f, "cbVisSucc_0")->click(); // section 2, never entered: a fresh grid
    QLineEdit* nsez = Campo(f, "txtNsez");
    nsez->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 12 && !g.hasFocus(); ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(g.hasFocus());
    EXPECT_EQ(g.RigaCorrente(), 1);
    EXPECT_EQ(g.ColonnaCorrente(), 1);
    EXPECT_TRUE(g.selectionModel()->isSelected(g.currentIndex())); // the current cell is shown

    // Keys go where the user's keys go: to the widget with the focus.
    for (const QChar c : QStringLiteral("0,4")) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    ASSERT_TRUE(g.InModifica());
    EXPECT_EQ(g.Editor()->text().toStdString(), "0,4");
    QTest::keyClick(g.Editor(), Qt::Key_Return);
    EXPECT_EQ(g.TestoCella(1, 1), "0,4");
    ASSERT_TRUE(g.InModifica());
    EXPECT_EQ(g.ColonnaCorrente(), 2);
    QTest::keyClick(g.Editor(), Qt::Key_Escape);
    EXPECT_FALSE(g.InModifica());
    EXPECT_TRUE(g.hasFocus());
    QTest::keyClick(&g, Qt::Key_Left);
    EXPECT_EQ(g.ColonnaCorrente(), 1);
    QTest::keyClick(&g, Qt::Key_F2);
    ASSERT_TRUE(g.InModifica());
    EXPECT_EQ(g.Editor()->text().toStdString(), "0,4");
    QTest::keyClick(g.Editor(), Qt::Key_Backspace);
    QTest::keyClicks(g.Editor(), QStringLiteral("5"));
    QTest::keyClick(g.Editor(), Qt::Key_Return);
    EXPECT_EQ(g.TestoCella(1, 1), "0,5");
    ASSERT_TRUE(g.InModifica());
    g.Editor()->selectAll();
    QTest::keyClicks(g.Editor(), QStringLiteral("0,7"));
    QTest::keyClick(g.Editor(), Qt::Key_Return);
    // The last cell completes the entry: stored, on to "Fine".
    EXPECT_TRUE(Pulsante(f, "cbFineSez")->hasFocus());
    EXPECT_FLOAT_EQ(t.SezioneI(2).b1, 0.5f);
    EXPECT_FLOAT_EQ(t.SezioneI(2).h1, 0.7f);

    // A T section: two rows, Down moves to the web.
    prova::Spunta(Tipo(f, 1));
    ASSERT_EQ(g.Righe(), 3);
    g.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(g.currentIndex().isValid());
    QTest::keyClick(&g, Qt::Key_Down);
    EXPECT_EQ(g.RigaCorrente(), 2);
    EXPECT_TRUE(msg.Voci.empty());
}

TEST_F(FinestraSez, ApertaComeFinestraModale) {
    Velcora t = ConSezioni(1);
    FrmSez f(t, sep, msg);
    prova::QuandoSiApre([&](QWidget* w) {
        ASSERT_EQ(w, &f);
        prova::MostraAttiva(f); // the focus moves only inside the active window
        prova::Scrive(Campo(f, "txtEc_0"), QStringLiteral("28000"));
        QTest::keyClick(Campo(f, "txtEc_0"), Qt::Key_Return);
        EXPECT_TRUE(Pulsante(f, "cbFineSez")->hasFocus());
        Pulsante(f, "cbFineSez")->click();
    });
    f.exec();
    EXPECT_FLOAT_EQ(t.SezioneI(1).Young, 2.8e7f);
}

} // namespace
} // namespace vc
