// The load display choices and the about window.

#include "AiutoDialoghi.h"
#include "AiutoFinestre.h"

#include "ui/FrmInfor.h"
#include "ui/FrmVisualCar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vc {
namespace {

using prova::Controllo;

QCheckBox* Dist(const QWidget& f, int i) { return Controllo<QCheckBox>(f, QStringLiteral("chkDist_%1").arg(i)); }
QCheckBox* Conc(const QWidget& f, int i) { return Controllo<QCheckBox>(f, QStringLiteral("chkConc_%1").arg(i)); }

TEST(FinestraVisualCar, SenzaSceltePrecedentiNessunaCasellaSpuntata) {
    Velcora t;
    FrmVisualCar f(t);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Visualizza carichi"));
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(Dist(f, i)->isChecked()) << i;
    for (int i = 0; i < 8; ++i) EXPECT_FALSE(Conc(f, i)->isChecked()) << i;
    EXPECT_EQ(Dist(f, 0)->text(), QStringLiteral("Permanente G1"));
    EXPECT_EQ(Dist(f, 3)->text(), QStringLiteral("Variabile Q2"));
    EXPECT_EQ(Conc(f, 2)->text(), QStringLiteral("F(q1)"));
    EXPECT_EQ(Conc(f, 7)->text(), QStringLiteral("W(q2)"));
    QStringList riquadri;
    for (QGroupBox* g : f.findChildren<QGroupBox*>()) riquadri << g->title();
    EXPECT_TRUE(riquadri.contains(QStringLiteral("Carichi distribuiti")));
    EXPECT_TRUE(riquadri.contains(QStringLiteral("Carichi concentrati")));
}

TEST(FinestraVisualCar, OkConsegnaLeDodiciScelte) {
    Velcora t;
    TabellaVisualCarichi prima{};
    prima[0] = {true, false, false}; // G1 distributed
    prima[3] = {false, true, true};  // Q2 forces and couples
    t.VisualCar(prima);
    FrmVisualCar f(t);
    prova::MostraAttiva(f);
    EXPECT_TRUE(Dist(f, 0)->isChecked());
    EXPECT_TRUE(Conc(f, 3)->isChecked());
    EXPECT_TRUE(Conc(f, 7)->isChecked());
    EXPECT_FALSE(Dist(f, 3)->isChecked());

    prova::Spunta(Dist(f, 0)); // off
    prova::Spunta(Dist(f, 2)); // Q1 distributed on
    prova::Spunta(Conc(f, 5)); // W(g2) on
    prova::Spunta(Conc(f, 3)); // F(q2) off
    Controllo<QPushButton>(f, QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    for (int carico = 1; carico <= 4; ++carico)
        for (int tipo = 1; tipo <= 3; ++tipo) {
            const bool atteso = (carico == 3 && tipo == 1) || (carico == 2 && tipo == 3) || (carico == 4 && tipo == 3);
            EXPECT_EQ(t.Info_VisualCar(carico, tipo), atteso) << carico << " " << tipo;
        }
}

TEST(FinestraVisualCar, AnnullaLasciaLeScelteDiPrima) {
    Velcora t;
    FrmVisualCar f(t);
    prova::MostraAttiva(f);
    prova::Spunta(Dist(f, 1));
    Controllo<QPushButton>(f, QStringLiteral("cmdAnnulla"))->click();
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_FALSE(t.Info_VisualCar(2, 1).has_value()); // still never chosen
}

TEST(FinestraInfor, NomeVersioneELicenza) {
    FrmInfor f(QStringLiteral("0.1.0"));
    EXPECT_EQ(Controllo<QLabel>(f, QStringLiteral("lblNome"))->text(), QStringLiteral("Velcora"));
    EXPECT_EQ(Controllo<QLabel>(f, QStringLiteral("lblVersione"))->text(), QStringLiteral("Versione 0.1.0"));
    EXPECT_TRUE(Controllo<QLabel>(f, QStringLiteral("lblLicenza"))->text().contains(QStringLiteral("Tutti i diritti riservati")));
    prova::QuandoSiApre([&](QWidget* w) {
        ASSERT_EQ(w, &f);
        Controllo<QPushButton>(f, QStringLiteral("cmdOK"))->click();
    });
    EXPECT_EQ(f.exec(), QDialog::Accepted);
}

} // namespace
} // namespace vc
