// The partial factors window and the choice of the combination coefficients, used as the
// user uses them: typing, choosing a category for Q1 or Q2, confirming, cancelling, saving.

#include "AiutoDialoghi.h"
#include "AiutoFinestre.h"

#include "files/FileIni.h"
#include "ui/FrmGamma.h"
#include "ui/FrmSceltaPsi.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <filesystem>

namespace vc {
namespace {

using prova::Controllo;
using prova::Testo;

class FinestraGamma : public ::testing::Test {
protected:
    FinestraGamma() {
        percorsi.Programma = std::filesystem::path(cartella.path().toStdString()) / "VelcoraDwg.ini";
        percorsi.Utente.clear();
    }

    QLineEdit* Campo(const FrmGamma& f, int k) { return Controllo<QLineEdit>(f, QStringLiteral("txtCoefParz_%1").arg(k)); }
    QPushButton* Comando(const FrmGamma& f, const char* nome) { return Controllo<QPushButton>(f, QString::fromLatin1(nome)); }

    // Presses "ψ =?" of the load given and, in the choice window, picks the option (or cancels
    // when opzione is negative).
    void ScegliePsi(FrmGamma& f, int q, int opzione) {
        bool aperta = false;
        prova::QuandoSiApre([&](QWidget* w) {
            auto* scelta = qobject_cast<FrmSceltaPsi*>(w);
            ASSERT_NE(scelta, nullptr);
            aperta = true;
            EXPECT_EQ(scelta->windowTitle(), QStringLiteral("Valore dei coefficienti di combinazione"));
            if (opzione < 0) {
                Controllo<QPushButton>(*scelta, QStringLiteral("cmdAnnulla"))->click();
                return;
            }
            prova::Spunta(Controllo<QRadioButton>(*scelta, QStringLiteral("optPsi_%1").arg(opzione)));
            Controllo<QPushButton>(*scelta, QStringLiteral("cmdOK"))->click();
        });
        Comando(f, q == 1 ? "cmdPsi_0" : "cmdPsi_1")->click();
        EXPECT_TRUE(aperta);
    }

    QTemporaryDir cartella;
    PercorsiFileIni percorsi;
    Impostazioni imp;
    MessaggiRegistrati msg;
    Separatori it = Separatori::Italiani();
};

TEST_F(FinestraGamma, SiApreConIValoriScrittiComeLUtenteLiLegge) {
    imp.OmettiG2Favorevole = true;
    FrmGamma f(imp, it, msg, percorsi);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Coefficienti parziali"));
    const std::array<const char*, 14> attesi = {"1", "1,3", "0,8", "1,5", "0", "1,5", "0",
                                                "1,5", "0,7", "0,5", "0,3", "0,7", "0,5", "0,3"};
    for (int k = 0; k < 14; ++k) EXPECT_EQ(Testo(Campo(f, k)), attesi[static_cast<std::size_t>(k)]) << k;
    auto* chk = Controllo<QCheckBox>(f, QStringLiteral("chkG2"));
    EXPECT_TRUE(chk->isChecked());
    EXPECT_EQ(chk->text(), QStringLiteral("ometti G2 se favorevole (SLE)"));
    EXPECT_EQ(Comando(f, "cmdOK_0")->text(), QStringLiteral("&OK"));
    EXPECT_EQ(Comando(f, "cmdOK_1")->text(), QStringLiteral("&Annulla"));
    EXPECT_EQ(Comando(f, "cmdOK_2")->text(), QStringLiteral("&Salva nel file VelcoraDwg.ini"));
}

TEST_F(FinestraGamma, CategoriaEPerQ2RiempieSoloICoefficientiDiQ2) {
    FrmGamma f(imp, it, msg, percorsi);
    prova::MostraAttiva(f);
    ScegliePsi(f, 2, 4);
    EXPECT_EQ(f.SceltaPsiPer(), CaricoVariabile::Q2);
    EXPECT_EQ(Testo(Campo(f, 11)), "1");
    EXPECT_EQ(Testo(Campo(f, 12)), "0,9");
    EXPECT_EQ(Testo(Campo(f, 13)), "0,8");
    EXPECT_EQ(Testo(Campo(f, 8)), "0,7");
    EXPECT_EQ(Testo(Campo(f, 9)), "0,5");
    EXPECT_EQ(Testo(Campo(f, 10)), "0,3");
    // Nothing reaches the settings before "&OK".
    EXPECT_EQ(imp.CoefParz, CoefParzDefault);
    Comando(f, "cmdOK_0")->click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(imp.CoefParz[11], 1.0f);
    EXPECT_EQ(imp.CoefParz[12], 0.9f);
    EXPECT_EQ(imp.CoefParz[13], 0.8f);
    EXPECT_EQ(imp.CoefParz[8], 0.7f);
}

TEST_F(FinestraGamma, SceltaPerQ1EAnnullaDellaSceltaPsi) {
    FrmGamma f(imp, it, msg, percorsi);
    prova::MostraAttiva(f);
    ScegliePsi(f, 1, 8); // "Vento"
    EXPECT_EQ(f.SceltaPsiPer(), CaricoVariabile::Q1);
    EXPECT_EQ(Testo(Campo(f, 8)), "0,6");
    EXPECT_EQ(Testo(Campo(f, 9)), "0,2");
    EXPECT_EQ(Testo(Campo(f, 10)), "0");
    EXPECT_EQ(Testo(Campo(f, 11)), "0,7");
    // Cancelling the choice leaves the fields as they are.
    ScegliePsi(f, 2, -1);
    EXPECT_EQ(Testo(Campo(f, 11)), "0,7");
    EXPECT_EQ(Testo(Campo(f, 12)), "0,5");
    EXPECT_EQ(Testo(Campo(f, 13)), "0,3");
}

TEST_F(FinestraGamma, AnnullaDopoUnaSceltaNonCambiaNulla) {
    FrmGamma f(imp, it, msg, percorsi);
    prova::MostraAttiva(f);
    ScegliePsi(f, 2, 4);
    prova::Scrive(Campo(f, 1), QStringLiteral("1,4"));
    prova::Spunta(Controllo<QCheckBox>(f, QStringLiteral("chkG2")));
    Comando(f, "cmdOK_1")->click();
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(imp.CoefParz, CoefParzDefault);
    EXPECT_FALSE(imp.OmettiG2Favorevole);
    EXPECT_TRUE(msg.Voci.empty());
}

TEST_F(FinestraGamma, OkApplicaCampiESpunta) {
    FrmGamma f(imp, it, msg, percorsi);
    prova::MostraAttiva(f);
    prova::Scrive(Campo(f, 1), QStringLiteral("1,35"));
    prova::Scrive(Campo(f, 3), QString()); // emptied: reads as 0
    prova::Spunta(Controllo<QCheckBox>(f, QStringLiteral("chkG2")));
    Comando(f, "cmdOK_0")->click();
    EXPECT_EQ(imp.CoefParz[1], 1.35f);
    EXPECT_EQ(imp.CoefParz[3], 0.0f);
    EXPECT_EQ(imp.CoefParz[0], 1.0f);
    EXPECT_TRUE(imp.OmettiG2Favorevole);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(FinestraGamma, SalvaPoiAnnullaTieneIValoriSalvatiMaNonLaSpunta) {
    FrmGamma f(imp, it, msg, percorsi);
    prova::MostraAttiva(f);
    prova::Scrive(Campo(f, 1), QStringLiteral("1,35"));
    ScegliePsi(f, 2, 2); // Categoria C: 0,7 0,7 0,6
    prova::Spunta(Controllo<QCheckBox>(f, QStringLiteral("chkG2")));
    Comando(f, "cmdOK_2")->click();
    EXPECT_TRUE(f.isVisible()); // saving leaves the window open
    EXPECT_TRUE(msg.Voci.empty());
    EXPECT_EQ(imp.CoefParz[1], 1.35f);
    EXPECT_EQ(imp.CoefParz[12], 0.7f);
    EXPECT_EQ(imp.CoefParz[13], 0.6f);
    EXPECT_FALSE(imp.OmettiG2Favorevole);

    Comando(f, "cmdOK_1")->click();
    EXPECT_EQ(imp.CoefParz[1], 1.35f);
    EXPECT_EQ(imp.CoefParz[13], 0.6f);
    EXPECT_FALSE(imp.OmettiG2Favorevole);

    // The file holds what was saved.
    Impostazioni letta;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Lettura, letta, msg, percorsi));
    EXPECT_EQ(letta.CoefParz, imp.CoefParz);
}

TEST_F(FinestraGamma, SalvataggioImpossibileLoDice) {
    percorsi.Programma = std::filesystem::path(cartella.path().toStdString()) / "manca" / "VelcoraDwg.ini";
    FrmGamma f(imp, it, msg, percorsi);
    prova::Scrive(Campo(f, 1), QStringLiteral("1,4"));
    Comando(f, "cmdOK_2")->click();
    ASSERT_FALSE(msg.Voci.empty());
    EXPECT_EQ(msg.Voci.back().Testo, "Scrittura incompleta del file\r\n" + percorsi.Programma.string() + ": " +
                                         std::make_error_code(std::errc::no_such_file_or_directory).message());
    EXPECT_EQ(imp.CoefParz[1], 1.4f); // applied all the same, as a confirmation would
}

TEST_F(FinestraGamma, InvioPassaAlCampoSeguenteEDallUltimoAlPrimo) {
    FrmGamma f(imp, it, msg, percorsi);
    prova::MostraAttiva(f);
    Campo(f, 0)->setFocus();
    for (int k = 0; k < 14; ++k) {
        ASSERT_TRUE(Campo(f, k)->hasFocus()) << k;
        QTest::keyClick(Campo(f, k), Qt::Key_Return);
    }
    EXPECT_TRUE(Campo(f, 0)->hasFocus());
    EXPECT_TRUE(f.isVisible()); // Enter never confirms the window
    // The whole text is selected in the field reached, so typing replaces it.
    QTest::keyClick(Campo(f, 0), Qt::Key_Return);
    QTest::keyClicks(Campo(f, 1), QStringLiteral("1,25"));
    EXPECT_EQ(Testo(Campo(f, 1)), "1,25");
}

TEST_F(FinestraGamma, TastoDecimaleDelTastierino) {
    FrmGamma f(imp, it, msg, percorsi);
    prova::MostraAttiva(f);
    prova::Scrive(Campo(f, 5), QStringLiteral("1"));
    QTest::keyClick(Campo(f, 5), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(Campo(f, 5), QStringLiteral("45"));
    EXPECT_EQ(Testo(Campo(f, 5)), "1,45");
    Comando(f, "cmdOK_0")->click();
    EXPECT_EQ(imp.CoefParz[5], 1.45f);
}

TEST_F(FinestraGamma, SeparatoriIngleseEPuntoDelTastierino) {
    const Separatori en = Separatori::Inglesi();
    FrmGamma f(imp, en, msg, percorsi);
    prova::MostraAttiva(f);
    EXPECT_EQ(Testo(Campo(f, 1)), "1.3");
    prova::Scrive(Campo(f, 2), QStringLiteral("0"));
    // A keypad that puts a comma on its decimal key still types the point.
    QTest::keyClick(Campo(f, 2), Qt::Key_Comma, Qt::KeypadModifier, -1);
    QTest::keyClicks(Campo(f, 2), QStringLiteral("9"));
    EXPECT_EQ(Testo(Campo(f, 2)), "0.9");
    ScegliePsi(f, 2, 4);
    EXPECT_EQ(Testo(Campo(f, 12)), "0.9");
    Comando(f, "cmdOK_0")->click();
    EXPECT_EQ(imp.CoefParz[2], 0.9f);
    EXPECT_EQ(imp.CoefParz[11], 1.0f);
}

TEST_F(FinestraGamma, PuntoInterrogativoSpiegaLaSpunta) {
    FrmGamma f(imp, it, msg, percorsi);
    Comando(f, "cmdG2")->click();
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, SpiegazioneOmettiG2());
}

TEST_F(FinestraGamma, ApertaComeFinestraModale) {
    FrmGamma f(imp, it, msg, percorsi);
    prova::QuandoSiApre([&](QWidget* w) {
        ASSERT_EQ(w, &f);
        prova::Scrive(Campo(f, 7), QStringLiteral("1,2"));
        Comando(f, "cmdOK_0")->click();
    });
    EXPECT_EQ(f.exec(), QDialog::Accepted);
    EXPECT_EQ(imp.CoefParz[7], 1.2f);
}

TEST(FinestraSceltaPsi, DodiciOpzioniConIValoriAccanto) {
    FrmSceltaPsi s(Separatori::Italiani());
    EXPECT_EQ(s.findChildren<QRadioButton*>().size(), 12);
    EXPECT_EQ(s.OpzioneScelta(), 0);
    EXPECT_EQ(s.PsiScelti(), (TernaPsi{0.7f, 0.5f, 0.3f}));
    auto* e = Controllo<QRadioButton>(s, QStringLiteral("optPsi_4"));
    EXPECT_TRUE(e->text().startsWith(QStringLiteral("Categoria E - Aree per immagazzinamento")));
    EXPECT_EQ(Controllo<QRadioButton>(s, QStringLiteral("optPsi_8"))->text(), QStringLiteral("Vento"));
    EXPECT_EQ(Controllo<QRadioButton>(s, QStringLiteral("optPsi_11"))->text(), QStringLiteral("Variazioni termiche"));
    // The two roofs are listed without an option, with their note.
    int note = 0;
    for (QLabel* l : s.findChildren<QLabel*>())
        if (l->text() == QStringLiteral("da valutarsi caso per caso")) ++note;
    EXPECT_EQ(note, 2);
    Controllo<QRadioButton>(s, QStringLiteral("optPsi_10"))->setChecked(true);
    EXPECT_EQ(s.OpzioneScelta(), 10);
    EXPECT_EQ(s.PsiScelti(), (TernaPsi{0.7f, 0.5f, 0.2f}));
}

} // namespace
} // namespace vc
