// The concentrated loads window: counts, the two grids typed like a user types them, the
// checks on span and distance with their messages, and what reaches the beam.

#include "AiutoDialoghi.h"

#include "ui/FrmFconc.h"
#include "ui/GrigliaModifica.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

namespace vc {
namespace {

using prova::Controllo;
using prova::Testo;

// Three spans 5, 6 and 4,5 m long.
Velcora TreCampate() {
    Velcora t;
    t.nCampate(3);
    t.InserisceDatiCampata(1, 5.0f, 10, 0, 0, 0, 1);
    t.InserisceDatiCampata(2, 6.0f, 10, 0, 0, 0, 1);
    t.InserisceDatiCampata(3, 4.5f, 10, 0, 0, 0, 1);
    return t;
}

class FinestraFconc : public ::testing::Test {
protected:
    QLineEdit* Conteggio(const QWidget& f, int q) {
        return Controllo<QLineEdit>(f, QStringLiteral("txtRigheGriglia_%1").arg(q));
    }
    QPushButton* Ok(const QWidget& f) { return Controllo<QPushButton>(f, QStringLiteral("cmdOK_1")); }

    // Types the values one after the other into the editor, each confirmed with Enter: the
    // editor moves on by itself along the row, then to the next row.
    void Digita(std::initializer_list<const char*> valori) {
        for (const char* v : valori) {
            QWidget* editor = QApplication::focusWidget();
            ASSERT_NE(qobject_cast<QLineEdit*>(editor), nullptr) << v;
            QTest::keyClicks(editor, QString::fromUtf8(v));
            QTest::keyClick(editor, Qt::Key_Return);
        }
    }

    // Clicks the cell and types over it, as a user correcting one value, then leaves the
    // grid with Tab. A click on the cell already current opens the editor at once; on
    // another cell it makes it current, and the first character typed opens the editor.
    void Correggi(GrigliaModifica& g, int riga, int colonna, const QString& testo) {
        const QRect r = g.visualRect(g.model()->index(riga - 1, colonna));
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, r.center());
        if (g.InModifica())
            QTest::keyClicks(g.Editor(), testo);
        else
            QTest::keyClicks(&g, testo.left(1));
        ASSERT_TRUE(g.InModifica());
        if (g.Editor()->text() != testo) QTest::keyClicks(g.Editor(), testo.mid(1));
        ASSERT_EQ(g.Editor()->text(), testo);
        QTest::keyClick(g.Editor(), Qt::Key_Tab); // leaves the grid, committing
    }

    Separatori sep = Separatori::Italiani();
    MessaggiRegistrati msg;
};

TEST_F(FinestraFconc, SenzaCarichiSiApreVuota) {
    Velcora t = TreCampate();
    FrmFconc f(t, FrmFconc::LuciDellaTrave(t), sep, msg);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Carichi concentrati"));
    EXPECT_EQ(Testo(Conteggio(f, 0)), "0");
    EXPECT_EQ(Testo(Conteggio(f, 1)), "0");
    prova::MostraAttiva(f);
    EXPECT_FALSE(f.Griglia(true).isVisible());
    EXPECT_FALSE(f.Griglia(false).isVisible());
    EXPECT_TRUE(Conteggio(f, 0)->hasFocus());
}

TEST_F(FinestraFconc, ForzeECoppieScritteNelleGriglie) {
    Velcora t = TreCampate();
    FrmFconc f(t, FrmFconc::LuciDellaTrave(t), sep, msg);
    prova::MostraAttiva(f);
    prova::ScriveEInvio(Conteggio(f, 0), QStringLiteral("2"));
    GrigliaModifica& forze = f.Griglia(true);
    ASSERT_TRUE(forze.isVisible());
    EXPECT_EQ(forze.Righe(), 3);
    EXPECT_EQ(forze.TestoCella(0, 2), "F(g1)");
    EXPECT_EQ(forze.TestoCella(0, 6), "d");
    EXPECT_EQ(forze.TestoCella(2, 0), "2");
    EXPECT_TRUE(forze.InModifica());
    Digita({"1", "10", "2,5", "8", "0", "2,5", "3", "20", "0", "0", "1", "4,5"});
    // After the last force, on to the count of the couples.
    EXPECT_TRUE(Conteggio(f, 1)->hasFocus());
    prova::ScriveEInvio(Conteggio(f, 1), QStringLiteral("1"));
    GrigliaModifica& coppie = f.Griglia(false);
    ASSERT_TRUE(coppie.isVisible());
    EXPECT_EQ(coppie.TestoCella(0, 2), "W(g1)");
    Digita({"2", "5", "0", "0", "0", "3"});
    EXPECT_TRUE(Ok(f)->hasFocus());
    EXPECT_EQ(forze.TestoCella(1, 3), "2,5");

    Ok(f)->click();
    EXPECT_TRUE(msg.Voci.empty());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    ASSERT_EQ(t.nCarConc(), 2);
    EXPECT_EQ(t.Info_Fconc(1, 1, true), 1.0f);
    EXPECT_EQ(t.Info_Fconc(1, 3, true), 2.5f);
    EXPECT_EQ(t.Info_Fconc(1, 6, true), 2.5f);
    EXPECT_EQ(t.Info_Fconc(2, 1, true), 3.0f);
    EXPECT_EQ(t.Info_Fconc(2, 6, true), 4.5f); // d equal to the span length is accepted
    ASSERT_EQ(t.nCoppie(), 1);
    EXPECT_EQ(t.Info_Fconc(1, 2, false), 5.0f);
    EXPECT_EQ(t.Info_Fconc(1, 6, false), 3.0f);
}

TEST_F(FinestraFconc, CampataInesistente) {
    Velcora t = TreCampate();
    FrmFconc f(t, FrmFconc::LuciDellaTrave(t), sep, msg);
    prova::MostraAttiva(f);
    prova::ScriveEInvio(Conteggio(f, 0), QStringLiteral("2"));
    Digita({"1", "10", "0", "0", "0", "1", "2,5", "10", "0", "0", "0", "1"});
    Ok(f)->click();
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Il carico n. 2 fa riferimento a campata inesistente.");
    EXPECT_EQ(msg.Voci[0].Icona, Icona::Errore);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(t.nCarConc(), 0);

    for (const char* campata : {"4", "0", "-1"}) {
        msg.Voci.clear();
        Correggi(f.Griglia(true), 2, 1, QString::fromLatin1(campata));
        Ok(f)->click();
        ASSERT_EQ(msg.Voci.size(), 1u) << campata;
        EXPECT_EQ(msg.Voci[0].Testo, "Il carico n. 2 fa riferimento a campata inesistente.") << campata;
    }
    msg.Voci.clear();
    Correggi(f.Griglia(true), 2, 1, QStringLiteral("3"));
    Ok(f)->click();
    EXPECT_TRUE(msg.Voci.empty());
    EXPECT_EQ(t.nCarConc(), 2);
}

TEST_F(FinestraFconc, DistanzaNegativaOOltreLaLuce) {
    Velcora t = TreCampate();
    FrmFconc f(t, FrmFconc::LuciDellaTrave(t), sep, msg);
    prova::MostraAttiva(f);
    prova::ScriveEInvio(Conteggio(f, 0), QStringLiteral("1"));
    Digita({"3", "10", "0", "0", "0", "-1,5"});
    Ok(f)->click();
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Carico concentrato N° 1 con d=-1,5 < 0");
    EXPECT_EQ(msg.Voci[0].Icona, Icona::Errore);

    msg.Voci.clear();
    Correggi(f.Griglia(true), 1, 6, QStringLiteral("4,501"));
    Ok(f)->click();
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Carico concentrato N° 1 esteso oltre la luce");
    EXPECT_TRUE(f.isVisible());

    msg.Voci.clear();
    Correggi(f.Griglia(true), 1, 6, QStringLiteral("4,5"));
    Ok(f)->click();
    EXPECT_TRUE(msg.Voci.empty());
    EXPECT_EQ(t.Info_Fconc(1, 6, true), 4.5f);
}

TEST_F(FinestraFconc, MessaggiDelleCoppieESoloIlPrimoErrore) {
    Velcora t = TreCampate();
    FrmFconc f(t, FrmFconc::LuciDellaTrave(t), sep, msg);
    prova::MostraAttiva(f);
    prova::ScriveEInvio(Conteggio(f, 1), QStringLiteral("2"));
    Digita({"1", "5", "0", "0", "0", "1", "2", "5", "0", "0", "0", "-0,5"});
    Ok(f)->click();
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Coppia N° 2 con d=-0,5 < 0");

    msg.Voci.clear();
    Correggi(f.Griglia(false), 2, 6, QStringLiteral("7"));
    Ok(f)->click();
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Coppia N° 2 esteso oltre la luce");

    msg.Voci.clear();
    Correggi(f.Griglia(false), 1, 1, QStringLiteral("9"));
    Ok(f)->click();
    ASSERT_EQ(msg.Voci.size(), 1u); // only the first load that fails
    EXPECT_EQ(msg.Voci[0].Testo, "La coppia n. 1 fa riferimento a campata inesistente.");

    // A force that fails is reported before any couple.
    msg.Voci.clear();
    prova::ScriveEInvio(Conteggio(f, 0), QStringLiteral("1"));
    Digita({"5", "1", "0", "0", "0", "1"});
    Ok(f)->click();
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Il carico n. 1 fa riferimento a campata inesistente.");
    EXPECT_EQ(t.nCoppie(), 0);
}

TEST_F(FinestraFconc, CarichiDellaTraveRiletti) {
    Velcora t = TreCampate();
    t.Dati_Fconc({{2.0f, 12.5f, 0, 3, 0, 1.25f}, {3.0f, 1.234567f, 0, 0, 0, 4.1255f}}, true);
    t.Dati_Fconc({{1.0f, 7, 0, 0, 0, 2}}, false);
    FrmFconc f(t, FrmFconc::LuciDellaTrave(t), sep, msg);
    prova::MostraAttiva(f);
    EXPECT_EQ(Testo(Conteggio(f, 0)), "2");
    EXPECT_EQ(Testo(Conteggio(f, 1)), "1");
    EXPECT_EQ(f.Righe(true), 2);
    GrigliaModifica& forze = f.Griglia(true);
    EXPECT_TRUE(forze.isVisible());
    EXPECT_EQ(forze.TestoCella(1, 1), " 2");
    EXPECT_EQ(forze.TestoCella(1, 2), " 12,5");
    EXPECT_EQ(forze.TestoCella(2, 2), " 1,234567");
    EXPECT_EQ(forze.TestoCella(2, 6), " 4,1255");
    EXPECT_EQ(f.Griglia(false).TestoCella(1, 2), " 7");
    // Confirmed unchanged, the loads come back as they were (seven significant digits, all a
    // single holds).
    const auto forzePrima = t.TabForze();
    const auto coppiePrima = t.TabCoppie();
    Ok(f)->click();
    EXPECT_TRUE(msg.Voci.empty());
    EXPECT_EQ(t.TabForze(), forzePrima);
    EXPECT_EQ(t.TabCoppie(), coppiePrima);
}

TEST_F(FinestraFconc, ZeroForzeLeToglieTutte) {
    Velcora t = TreCampate();
    t.Dati_Fconc({{2.0f, 12.5f, 0, 3, 0, 1.25f}}, true);
    t.Dati_Fconc({{1.0f, 7, 0, 0, 0, 2}}, false);
    FrmFconc f(t, FrmFconc::LuciDellaTrave(t), sep, msg);
    prova::MostraAttiva(f);
    prova::ScriveEInvio(Conteggio(f, 0), QStringLiteral("0"));
    EXPECT_FALSE(f.Griglia(true).isVisible());
    EXPECT_TRUE(Ok(f)->hasFocus());
    Ok(f)->click();
    EXPECT_EQ(t.nCarConc(), 0);
    EXPECT_EQ(t.nCoppie(), 1);
}

TEST_F(FinestraFconc, ConteggioNonNumericoDiventaZero) {
    Velcora t = TreCampate();
    t.Dati_Fconc({{2.0f, 12.5f, 0, 3, 0, 1.25f}}, true);
    FrmFconc f(t, FrmFconc::LuciDellaTrave(t), sep, msg);
    prova::MostraAttiva(f);
    prova::ScriveEInvio(Conteggio(f, 0), QStringLiteral("abc"));
    EXPECT_EQ(Testo(Conteggio(f, 0)), "0");
    EXPECT_EQ(f.Righe(true), 0);
    EXPECT_FALSE(f.Griglia(true).isVisible());
    prova::ScriveEInvio(Conteggio(f, 1), QStringLiteral("1,6"));
    EXPECT_EQ(Testo(Conteggio(f, 1)), "2"); // a whole number
    EXPECT_EQ(f.Righe(false), 2);
    prova::ScriveEInvio(Conteggio(f, 1), QStringLiteral("-3"));
    EXPECT_EQ(Testo(Conteggio(f, 1)), "0");
}

TEST_F(FinestraFconc, ConteggioScrittoSenzaInvioVale) {
    Velcora t = TreCampate();
    t.Dati_Fconc({{2.0f, 12.5f, 0, 3, 0, 1.25f}}, true);
    FrmFconc f(t, FrmFconc::LuciDellaTrave(t), sep, msg);
    prova::MostraAttiva(f);
    prova::Scrive(Conteggio(f, 0), QStringLiteral("0"));
    Ok(f)->click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(t.nCarConc(), 0);
    // A larger count adds empty rows, which refer to no span.
    FrmFconc g(t, FrmFconc::LuciDellaTrave(t), sep, msg);
    prova::MostraAttiva(g);
    prova::Scrive(Conteggio(g, 1), QStringLiteral("1"));
    Ok(g)->click();
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "La coppia n. 1 fa riferimento a campata inesistente.");
    EXPECT_TRUE(g.Griglia(false).isVisible());
}

TEST_F(FinestraFconc, LunghezzeDellaGrigliaPrincipale) {
    // The lengths handed over are those of the main window's grid, not yet in the beam.
    Velcora t = TreCampate();
    FrmFconc f(t, {5.0, 8.0, 4.5}, sep, msg);
    prova::MostraAttiva(f);
    prova::ScriveEInvio(Conteggio(f, 0), QStringLiteral("1"));
    Digita({"2", "10", "0", "0", "0", "7,5"});
    Ok(f)->click();
    EXPECT_TRUE(msg.Voci.empty());
    EXPECT_EQ(t.Info_Fconc(1, 6, true), 7.5f);
}

TEST_F(FinestraFconc, AnnullaZoomETastierino) {
    Velcora t = TreCampate();
    FrmFconc f(t, FrmFconc::LuciDellaTrave(t), sep, msg);
    prova::MostraAttiva(f);
    prova::ScriveEInvio(Conteggio(f, 0), QStringLiteral("1"));
    QWidget* editor = QApplication::focusWidget();
    QTest::keyClicks(editor, QStringLiteral("1"));
    QTest::keyClick(editor, Qt::Key_Return);
    editor = QApplication::focusWidget();
    QTest::keyClicks(editor, QStringLiteral("2"));
    QTest::keyClick(editor, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(editor, QStringLiteral("5"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(f.Griglia(true).TestoCella(1, 2), "2,5");

    auto* zoom = Controllo<QPushButton>(f, QStringLiteral("FlexGridZoom_0"));
    EXPECT_FALSE(f.Griglia(true).Ingrandita());
    zoom->click();
    EXPECT_TRUE(f.Griglia(true).Ingrandita());
    zoom->click();
    EXPECT_FALSE(f.Griglia(true).Ingrandita());

    Controllo<QPushButton>(f, QStringLiteral("cmdOK_0"))->click();
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(t.nCarConc(), 0);
}

TEST_F(FinestraFconc, SeparatoriInglesi) {
    Velcora t = TreCampate();
    const Separatori en = Separatori::Inglesi();
    FrmFconc f(t, FrmFconc::LuciDellaTrave(t), en, msg);
    prova::MostraAttiva(f);
    prova::ScriveEInvio(Conteggio(f, 0), QStringLiteral("1"));
    Digita({"1", "1,250", "0", "0", "0", "-2.5"});
    EXPECT_EQ(f.Griglia(true).TestoCella(1, 2), "1,250");
    Ok(f)->click();
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Carico concentrato N° 1 con d=-2.5 < 0");
    msg.Voci.clear();
    Correggi(f.Griglia(true), 1, 6, QStringLiteral("2.5"));
    Ok(f)->click();
    EXPECT_TRUE(msg.Voci.empty());
    EXPECT_EQ(t.Info_Fconc(1, 2, true), 1250.0f); // the comma groups thousands there
}

// Without loads the window still opens showing seven columns and six rows of each grid, and
// its grids follow the window when it grows.
TEST_F(FinestraFconc, SiApreGrandeABastanzaESiAllarga) {
    Velcora t = TreCampate();
    t.Dati_Fconc(std::vector<RigaCarichi>(8, RigaCarichi{1, 0, 0, 0, 0, 1}), false);
    FrmFconc f(t, FrmFconc::LuciDellaTrave(t), Separatori::Italiani(), msg, nullptr);
    prova::MostraAttiva(f);
    const QSize vuota = f.size();
    prova::ScriveEInvio(Conteggio(f, 0), QStringLiteral("8"));
    QApplication::processEvents();
    EXPECT_EQ(f.size(), vuota); // the forces needed no more room than the window had
    for (bool forze : {true, false}) {
        GrigliaModifica& g = f.Griglia(forze);
        ASSERT_TRUE(g.isVisible());
        const QRect ultima = g.visualRect(g.model()->index(5, 6));
        EXPECT_TRUE(g.viewport()->rect().contains(ultima)) << forze; // row 6, column "d"
    }
    const int prima = f.Griglia(true).width();
    f.resize(f.width() + 300, f.height() + 200);
    QApplication::processEvents();
    EXPECT_GT(f.Griglia(true).width(), prima);
}

} // namespace
} // namespace vc
