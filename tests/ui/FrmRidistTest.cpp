// The redistribution window: δ from the concrete class and x/d, x/d from δ, the limits, and
// what reaches the settings.

#include "AiutoDialoghi.h"

#include "ui/FrmRidist.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vc {
namespace {

using prova::Controllo;
using prova::Testo;

constexpr int C30 = 3;
constexpr int C90 = 12;

class FinestraRidist : public ::testing::Test {
protected:
    QComboBox* Classe(const QWidget& f) { return Controllo<QComboBox>(f, QStringLiteral("ComboClasse")); }
    QLineEdit* XsuD(const QWidget& f) { return Controllo<QLineEdit>(f, QStringLiteral("txtXsuD")); }
    QLineEdit* Delta(const QWidget& f) { return Controllo<QLineEdit>(f, QStringLiteral("txtDelta")); }
    QPushButton* Ok(const QWidget& f) { return Controllo<QPushButton>(f, QStringLiteral("CmdOk")); }
    std::string Etichetta(const QWidget& f, const char* nome) {
        return Controllo<QLabel>(f, QString::fromLatin1(nome))->text().toStdString();
    }

    Impostazioni imp;
    Separatori sep = Separatori::Italiani();
};

TEST_F(FinestraRidist, SiApreSenzaRidistribuzione) {
    FrmRidist f(imp, sep);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Ridistribuzione Momenti Negativi"));
    EXPECT_EQ(imp.DeltaRidist, 1.0f); // 0 means none, shown and kept as 1
    EXPECT_EQ(Classe(f)->count(), 13);
    EXPECT_EQ(Classe(f)->currentText(), QStringLiteral("C16/20"));
    EXPECT_EQ(Testo(Delta(f)), "1");
    EXPECT_EQ(Testo(XsuD(f)), "0,448"); // (1 − 0,44) / 1,25
    EXPECT_EQ(Etichetta(f, "lblFck"), "16");
    EXPECT_EQ(Etichetta(f, "lblEcu"), "3,5");
}

// A window closed while one of its fields still has the focus, as exec() may leave it: the
// focus going from that field when the window is destroyed must not write into the fields
// destroyed before it, nor apply anything.
TEST_F(FinestraRidist, ChiusaColFuocoInUnCampo) {
    for (const char* nome : {"txtDelta", "txtXsuD"}) {
        auto f = std::make_unique<FrmRidist>(imp, sep);
        prova::MostraAttiva(*f);
        QLineEdit* campo = Controllo<QLineEdit>(*f, QString::fromLatin1(nome));
        prova::Scrive(campo, QStringLiteral("0,8"));
        const std::string xsud = Testo(XsuD(*f)), delta = Testo(Delta(*f));
        f->hide();
        QFocusEvent uscita(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(campo, &uscita);
        EXPECT_EQ(Testo(XsuD(*f)), xsud) << nome;
        EXPECT_EQ(Testo(Delta(*f)), delta) << nome;
        f.reset();
    }
    EXPECT_EQ(imp.DeltaRidist, 1.0f); // closed without OK: nothing applied
}

TEST_F(FinestraRidist, DeltaDaXsuDPerC30) {
    FrmRidist f(imp, sep);
    prova::MostraAttiva(f);
    Classe(f)->setCurrentIndex(C30);
    EXPECT_EQ(Etichetta(f, "lblFck"), "30");
    EXPECT_EQ(Etichetta(f, "lblEcu"), "3,5");
    struct Caso {
        const char* xd;
        const char* delta;
    };
    for (const Caso& c : {Caso{"0,208", "0,7"}, Caso{"0,3", "0,815"}, Caso{"0,45", "1"}, Caso{"0,1", "0,7"}}) {
        prova::ScriveEInvio(XsuD(f), QString::fromLatin1(c.xd));
        EXPECT_TRUE(Ok(f)->hasFocus()) << c.xd; // Enter goes to "OK" and does not press it
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(Testo(Delta(f)), c.delta) << c.xd;
    }
    prova::ScriveEInvio(XsuD(f), QStringLiteral("0,3"));
    Ok(f)->click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(imp.DeltaRidist, 0.815f);
    EXPECT_EQ(imp.ClasseCls, C30);
}

TEST_F(FinestraRidist, DeltaDaXsuDPerC90) {
    FrmRidist f(imp, sep);
    prova::MostraAttiva(f);
    Classe(f)->setCurrentIndex(C90);
    EXPECT_EQ(Etichetta(f, "lblFck"), "90");
    EXPECT_EQ(Etichetta(f, "lblEcu"), "2,6");
    EXPECT_TRUE(Controllo<QLabel>(f, QStringLiteral("PictureDelta"))->text().contains(QStringLiteral("0,54")));
    // 0,54 + 1,25·(0,6 + 0,0014/0,0026)·x/d
    prova::ScriveEInvio(XsuD(f), QStringLiteral("0,3"));
    EXPECT_EQ(Testo(Delta(f)), "0,967");
    prova::ScriveEInvio(XsuD(f), QStringLiteral("0,2"));
    EXPECT_EQ(Testo(Delta(f)), "0,825");
    Ok(f)->click();
    // What is stored is the δ shown, three decimals.
    EXPECT_FLOAT_EQ(imp.DeltaRidist, 0.825f);
    EXPECT_EQ(imp.ClasseCls, C90);
}

TEST_F(FinestraRidist, CambiareClasseRicalcolaDeltaDallXsuDScritto) {
    FrmRidist f(imp, sep);
    prova::MostraAttiva(f);
    Classe(f)->setCurrentIndex(C30);
    prova::ScriveEInvio(XsuD(f), QStringLiteral("0,2"));
    EXPECT_EQ(Testo(Delta(f)), "0,7"); // 0,69 limited
    Classe(f)->setCurrentIndex(C90);
    EXPECT_EQ(Testo(XsuD(f)), "0,2");
    EXPECT_EQ(Testo(Delta(f)), "0,825");
    EXPECT_FALSE(Controllo<QLabel>(f, QStringLiteral("PictureDelta"))->text().contains(QStringLiteral("0,44")));
    Classe(f)->setCurrentIndex(C30);
    EXPECT_TRUE(Controllo<QLabel>(f, QStringLiteral("PictureDelta"))->text().contains(QStringLiteral("0,44")));
}

TEST_F(FinestraRidist, DeltaScrittoELimitato) {
    FrmRidist f(imp, sep);
    prova::MostraAttiva(f);
    Classe(f)->setCurrentIndex(C30);
    prova::ScriveEInvio(Delta(f), QStringLiteral("0,5"));
    EXPECT_EQ(Testo(Delta(f)), "0,7");
    EXPECT_EQ(Testo(XsuD(f)), "0,208");
    prova::ScriveEInvio(Delta(f), QStringLiteral("1,3"));
    EXPECT_EQ(Testo(Delta(f)), "1");
    EXPECT_EQ(Testo(XsuD(f)), "0,448");
    prova::ScriveEInvio(Delta(f), QStringLiteral("0,85"));
    EXPECT_EQ(Testo(Delta(f)), "0,850");
    EXPECT_EQ(Testo(XsuD(f)), "0,328");
    prova::ScriveEInvio(Delta(f), QStringLiteral("abc")); // reads as 0, then limited
    EXPECT_EQ(Testo(Delta(f)), "0,7");
    Ok(f)->click();
    EXPECT_EQ(imp.DeltaRidist, 0.7f);
}

TEST_F(FinestraRidist, OkConIlValoreAncoraInScrittura) {
    FrmRidist f(imp, sep);
    prova::MostraAttiva(f);
    Classe(f)->setCurrentIndex(C30);
    prova::Scrive(Delta(f), QStringLiteral("0,9"));
    Ok(f)->click(); // no Enter, no change of focus
    EXPECT_FLOAT_EQ(imp.DeltaRidist, 0.9f);
    FrmRidist g(imp, sep);
    prova::MostraAttiva(g);
    prova::Scrive(XsuD(g), QStringLiteral("0,3"));
    Ok(g)->click();
    EXPECT_FLOAT_EQ(imp.DeltaRidist, 0.815f);
}

TEST_F(FinestraRidist, RiapertaMostraIlValoreConfermato) {
    imp.DeltaRidist = 0.8f;
    imp.ClasseCls = C30;
    FrmRidist f(imp, sep);
    EXPECT_EQ(Classe(f)->currentIndex(), C30);
    EXPECT_EQ(Testo(Delta(f)), "0,800");
    EXPECT_EQ(Testo(XsuD(f)), "0,288");
    EXPECT_FLOAT_EQ(f.Delta(), 0.8f);
    EXPECT_EQ(f.iClasse(), C30);
    EXPECT_FLOAT_EQ(f.EpsCu(), 0.0035f);
    // A class index that no list holds falls back on the nearest one.
    imp.ClasseCls = 40;
    FrmRidist g(imp, sep);
    EXPECT_EQ(Classe(g)->currentIndex(), C90);
}

TEST_F(FinestraRidist, AnnullaNonCambiaNulla) {
    imp.DeltaRidist = 0.9f;
    imp.ClasseCls = 2;
    FrmRidist f(imp, sep);
    prova::MostraAttiva(f);
    Classe(f)->setCurrentIndex(C90);
    prova::ScriveEInvio(XsuD(f), QStringLiteral("0,1"));
    Controllo<QPushButton>(f, QStringLiteral("CmdAnnulla"))->click();
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(imp.DeltaRidist, 0.9f);
    EXPECT_EQ(imp.ClasseCls, 2);
}

TEST_F(FinestraRidist, SeparatoriInglesiETastierino) {
    const Separatori en = Separatori::Inglesi();
    FrmRidist f(imp, en);
    prova::MostraAttiva(f);
    Classe(f)->setCurrentIndex(C30);
    QLineEdit* x = XsuD(f);
    prova::Scrive(x, QStringLiteral("0"));
    QTest::keyClick(x, Qt::Key_Comma, Qt::KeypadModifier, -1);
    QTest::keyClicks(x, QStringLiteral("3"));
    EXPECT_EQ(Testo(x), "0.3");
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_EQ(Testo(Delta(f)), "0.815");
}

} // namespace
} // namespace vc
