// The decalage cover window: the cover in centimetres, stored in metres however the window
// is closed, and the caption of the menu item that opened it.

#include "AiutoDialoghi.h"
#include "AiutoFinestre.h"

#include "engine/CopriferroDecalage.h"
#include "ui/FrmDecalage.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace vc {
namespace {

using prova::Controllo;
using prova::Testo;

QLineEdit* Copriferro(const QWidget& f) { return Controllo<QLineEdit>(f, QStringLiteral("txtCopriferro")); }

TEST(FinestraDecalage, MostraIlCopriferroInCentimetri) {
    Velcora t;
    t.Copriferro = 0.03f;
    FrmDecalage f(t, VoceDecalage, Separatori::Italiani());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Decalage"));
    EXPECT_EQ(Testo(Copriferro(f)), "3");
    EXPECT_EQ(f.iCheck(), VoceDecalage);
    t.Copriferro = 0.045f;
    FrmDecalage g(t, VoceDecalageSovrapposto, Separatori::Italiani());
    EXPECT_EQ(Testo(Copriferro(g)), "4,5");
}

TEST(FinestraDecalage, OkMetteIlCopriferroNellaTraveEDaLaDidascalia) {
    Velcora t;
    t.Copriferro = 0.03f;
    FrmDecalage f(t, VoceDecalage, Separatori::Italiani());
    QSignalSpy didascalie(&f, &FrmDecalage::DidascaliaCambiata);
    prova::MostraAttiva(f);
    prova::Scrive(Copriferro(f), QStringLiteral("4"));
    QTest::keyClick(Copriferro(f), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(Copriferro(f), QStringLiteral("5"));
    EXPECT_EQ(Testo(Copriferro(f)), "4,5");
    Controllo<QPushButton>(f, QStringLiteral("Command1"))->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_FLOAT_EQ(t.Copriferro, 0.045f);
    EXPECT_EQ(f.DidascaliaMenu(), QStringLiteral("Decalage con c = 4,5 cm"));
    ASSERT_EQ(didascalie.count(), 1);
    EXPECT_EQ(didascalie[0][0].toInt(), VoceDecalage);
    EXPECT_EQ(didascalie[0][1].toString(), QStringLiteral("Decalage con c = 4,5 cm"));
}

TEST(FinestraDecalage, ChiusaInAltroModoTieneComunqueIlValore) {
    Velcora t;
    t.Copriferro = 0.03f;
    FrmDecalage f(t, VoceDecalageSovrapposto, Separatori::Italiani());
    prova::MostraAttiva(f);
    prova::Scrive(Copriferro(f), QStringLiteral("2,5"));
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FLOAT_EQ(t.Copriferro, 0.025f);
    EXPECT_EQ(f.DidascaliaMenu(), QStringLiteral("Decalage Sovrapposto con c = 2,5 cm"));

    FrmDecalage g(t, VoceDecalage, Separatori::Italiani());
    prova::MostraAttiva(g);
    prova::Scrive(Copriferro(g), QStringLiteral("5"));
    g.close(); // the title bar's close button
    EXPECT_FLOAT_EQ(t.Copriferro, 0.05f);
}

TEST(FinestraDecalage, InvioConfermaETestoIllegibileValeZero) {
    Velcora t;
    FrmDecalage f(t, VoceDecalage, Separatori::Italiani());
    prova::MostraAttiva(f);
    EXPECT_EQ(Testo(Copriferro(f)), "0");
    prova::ScriveEInvio(Copriferro(f), QStringLiteral("tre"));
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(t.Copriferro, 0.0f);
    // The caption names the cover actually used, not the text typed.
    EXPECT_EQ(f.DidascaliaMenu(), QStringLiteral("Decalage con c = 0 cm"));
}

TEST(FinestraDecalage, ApertaComeFinestraModaleConSeparatoriInglesi) {
    Velcora t;
    t.Copriferro = 0.03f;
    FrmDecalage f(t, VoceDecalageSovrapposto, Separatori::Inglesi());
    prova::QuandoSiApre([&](QWidget* w) {
        ASSERT_EQ(w, &f);
        prova::Scrive(Copriferro(f), QStringLiteral("3.5"));
        Controllo<QPushButton>(f, QStringLiteral("Command1"))->click();
    });
    EXPECT_EQ(f.exec(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(t.Copriferro, 0.035f);
    EXPECT_EQ(f.DidascaliaMenu(), QStringLiteral("Decalage Sovrapposto con c = 3.5 cm"));
}

} // namespace
} // namespace vc
