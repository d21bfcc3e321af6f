// The keypad's decimal key and the separators read from the desktop's locale.

#include "AiutoDialoghi.h"

#include "ui/EventiCampo.h"
#include "ui/SeparatoriQt.h"
#include "ui/TastiDecimali.h"

#include <QDialog>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace vc {
namespace {

using prova::Testo;

TEST(SeparatoriDaQLocale, ItalianoInglesePrivoDiRaggruppamento) {
    EXPECT_EQ(SeparatoriDaQLocale(QLocale(QLocale::Italian, QLocale::Italy)), Separatori::Italiani());
    EXPECT_EQ(SeparatoriDaQLocale(QLocale(QLocale::English, QLocale::UnitedStates)), Separatori::Inglesi());
    QLocale senza(QLocale::German, QLocale::Germany);
    senza.setNumberOptions(QLocale::OmitGroupSeparator);
    EXPECT_EQ(SeparatoriDaQLocale(senza), (Separatori{",", ""}));
    // The French grouping is a (narrow) no-break space, more than one byte in UTF-8.
    const Separatori fr = SeparatoriDaQLocale(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(fr.Decimale, ",");
    EXPECT_FALSE(fr.Migliaia.empty());
    EXPECT_EQ(QString::fromStdString(fr.Migliaia), QLocale(QLocale::French, QLocale::France).groupSeparator());
}

// A window with two fields and a button, as the program's dialogs are made.
struct Finestra {
    QDialog dialogo;
    QLineEdit* primo = new QLineEdit(&dialogo);
    QLineEdit* secondo = new QLineEdit(&dialogo);
    QDoubleSpinBox* rotella = new QDoubleSpinBox(&dialogo);
    QPushButton* ok = new QPushButton(QStringLiteral("OK"), &dialogo);
    Finestra() {
        auto* l = new QVBoxLayout(&dialogo);
        l->addWidget(primo);
        l->addWidget(secondo);
        l->addWidget(rotella);
        l->addWidget(ok);
    }
};

TEST(GestioneTastiDecimali, IlTastoDelTastierinoScriveIlSeparatoreDellUtente) {
    Finestra f;
    auto* tasti = new GestioneTastiDecimali(Separatori::Italiani(), &f.dialogo);
    tasti->ControllaCampi(&f.dialogo);
    EXPECT_EQ(tasti->Separatore(), QStringLiteral(","));
    prova::MostraAttiva(f.dialogo);
    for (QLineEdit* campo : {f.primo, f.secondo}) {
        campo->setFocus();
        QTest::keyClicks(campo, QStringLiteral("12"));
        QTest::keyClick(campo, Qt::Key_Period, Qt::KeypadModifier);
        QTest::keyClicks(campo, QStringLiteral("5"));
        EXPECT_EQ(Testo(campo), "12,5");
    }
    // The point of the main keyboard stays a point; a keypad comma stays a comma.
    QTest::keyClick(f.primo, Qt::Key_Period);
    QTest::keyClick(f.primo, Qt::Key_Comma, Qt::KeypadModifier, -1);
    EXPECT_EQ(Testo(f.primo), "12,5.,");
}

TEST(GestioneTastiDecimali, PuntoPerChiUsaIlPuntoEUnCampoAllaVolta) {
    Finestra f;
    auto* tasti = new GestioneTastiDecimali(Separatori::Inglesi(), &f.dialogo);
    tasti->Controlla(f.secondo);
    prova::MostraAttiva(f.dialogo);
    QTest::keyClicks(f.secondo, QStringLiteral("0"));
    QTest::keyClick(f.secondo, Qt::Key_Comma, Qt::KeypadModifier, -1);
    QTest::keyClicks(f.secondo, QStringLiteral("7"));
    EXPECT_EQ(Testo(f.secondo), "0.7");
    // A field not handed over keeps the key's own character.
    QTest::keyClick(f.primo, Qt::Key_Comma, Qt::KeypadModifier, -1);
    EXPECT_EQ(Testo(f.primo), ",");
}

TEST(GestioneTastiDecimali, AncheNelleCaselleNumeriche) {
    Finestra f;
    f.rotella->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    f.rotella->setDecimals(2);
    auto* tasti = new GestioneTastiDecimali(Separatori::Italiani(), &f.dialogo);
    tasti->Controlla(f.rotella);
    prova::MostraAttiva(f.dialogo);
    f.rotella->setFocus();
    f.rotella->selectAll();
    QTest::keyClicks(f.rotella, QStringLiteral("3"));
    QTest::keyClick(f.rotella, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(f.rotella, QStringLiteral("25"));
    EXPECT_DOUBLE_EQ(f.rotella->value(), 3.25);
}

TEST(EventiCampo, InvioNonPremeIlPulsantePredefinito) {
    Finestra f;
    f.ok->setDefault(true);
    int invii = 0;
    AlTastoInvio(f.primo, [&] { ++invii; });
    QObject::connect(f.ok, &QPushButton::clicked, &f.dialogo, &QDialog::accept);
    prova::MostraAttiva(f.dialogo);
    f.primo->setFocus();
    QTest::keyClick(f.primo, Qt::Key_Return);
    QTest::keyClick(f.primo, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(invii, 2);
    EXPECT_TRUE(f.dialogo.isVisible());
    // In a field without its own Enter the dialog does as usual.
    f.secondo->setFocus();
    QTest::keyClick(f.secondo, Qt::Key_Return);
    EXPECT_EQ(f.dialogo.result(), QDialog::Accepted);
}

TEST(EventiCampo, UscitaDalCampoEIngressoConTestoSelezionato) {
    Finestra f;
    int uscite = 0;
    AlPerdereFocus(f.primo, [&] { ++uscite; });
    SelezionaAllIngresso(f.secondo);
    f.secondo->setText(QStringLiteral("1,5"));
    prova::MostraAttiva(f.dialogo);
    f.primo->setFocus();
    QTest::keyClick(f.primo, Qt::Key_Tab);
    EXPECT_EQ(uscite, 1);
    ASSERT_TRUE(f.secondo->hasFocus());
    QTest::mouseClick(f.primo, Qt::LeftButton);
    QTest::mouseClick(f.secondo, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.secondo->selectedText(), QStringLiteral("1,5"));
    EXPECT_EQ(uscite, 2);
}

} // namespace
} // namespace vc
