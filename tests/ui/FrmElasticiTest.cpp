// The elastic restraints window: K computed from the columns for the four frame situations,
// typed by the user, and the two ends of the beam.

#include "AiutoDialoghi.h"

#include "support/Formattazione.h"
#include "ui/FrmElastici.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <string>

namespace vc {
namespace {

using prova::Controllo;
using prova::ScriveEInvio;
using prova::Testo;

// A two-span beam with elastic ends; the sections have E 30000 and 33000 N/mm².
Velcora TraveElastica(int sinistro = Elastico, int destro = Elastico) {
    Velcora t;
    t.nCampate(2);
    t.nSezioni(2);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezRettangolare, {{{0.3f, 0.5f}, {0, 0}}}, 3.0e7f);
    t.InserisceDatiSezione(2, SezRettangolare, {{{0.3f, 0.5f}, {0, 0}}}, 3.3e7f);
    t.InserisceDatiCampata(1, 5, 10, 0, 0, 0, 1);
    t.InserisceDatiCampata(2, 5, 10, 0, 0, 0, 2);
    t.VincoloSinistro = sinistro;
    t.VincoloDestro = destro;
    return t;
}

class FinestraElastici : public ::testing::Test {
protected:
    QLineEdit* Campo(const QWidget& f, int i) { return Controllo<QLineEdit>(f, QStringLiteral("txt_%1").arg(i)); }
    QLineEdit* K(const QWidget& f, int l) { return Controllo<QLineEdit>(f, QStringLiteral("txtK_%1").arg(l)); }
    QComboBox* Situazioni(const QWidget& f) { return Controllo<QComboBox>(f, QStringLiteral("comboVincolo")); }
    QPushButton* Ok(const QWidget& f) { return Controllo<QPushButton>(f, QStringLiteral("cmdOK_0")); }
    double Valore(const QLineEdit* campo) { return LeggeNumero(Testo(campo), sep); }

    // The column 0,30 × 0,30 m, 3 m high, typed field by field with Enter.
    void ScrivePilastro(const QWidget& f, int primo) {
        ScriveEInvio(Campo(f, primo), QStringLiteral("0,30"));
        ScriveEInvio(Campo(f, primo + 1), QStringLiteral("0,30"));
        ScriveEInvio(Campo(f, primo + 3), QStringLiteral("3"));
    }

    Separatori sep = Separatori::Italiani();
    MessaggiRegistrati msg;
};

TEST_F(FinestraElastici, RigidezzaNelleSituazioniDelTelaio) {
    Velcora t = TraveElastica();
    FrmElastici f(t, sep, msg);
    prova::MostraAttiva(f);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Rigidezze vincoli elastici"));
    EXPECT_TRUE(msg.Voci.empty());
    // The column modulus comes from the section of the first span.
    EXPECT_EQ(Testo(Campo(f, 8)), "30000");

    Situazioni(f)->setCurrentIndex(PortaleIncastrato);
    ScrivePilastro(f, 0);
    EXPECT_EQ(Testo(Campo(f, 2)), "0,000675"); // J1 from the sides
    EXPECT_NEAR(Valore(K(f, 0)), 27000.0, 1e-6);

    Situazioni(f)->setCurrentIndex(PortaleIncernierato);
    EXPECT_NEAR(Valore(K(f, 0)), 20250.0, 1e-6);

    Situazioni(f)->setCurrentIndex(PianoTipo);
    ASSERT_TRUE(Campo(f, 4)->isVisible());
    ScrivePilastro(f, 4);
    EXPECT_NEAR(Valore(K(f, 0)), 81000.0, 1e-6);
    Situazioni(f)->setCurrentIndex(PianoPrimo);
    EXPECT_NEAR(Valore(K(f, 0)), 27000.0 + 2 * 20250.0, 1e-6);

    Ok(f)->click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_NEAR(t.kVincoloSinistro, 67500.0, 1e-6);
    EXPECT_EQ(t.iTipoVincElastSx, PianoPrimo);
    EXPECT_FALSE(t.Kutente);
    EXPECT_DOUBLE_EQ(t.Dato_Sx(1), 0.30);
    EXPECT_NEAR(t.Dato_Sx(3), 0.000675, 1e-12);
    EXPECT_DOUBLE_EQ(t.Dato_Sx(8), 3.0);
    EXPECT_DOUBLE_EQ(t.Dato_Sx(9), 30000.0);
}

TEST_F(FinestraElastici, IlPilastroSuperioreSiVedeSoloQuandoServe) {
    Velcora t = TraveElastica();
    FrmElastici f(t, sep, msg);
    prova::MostraAttiva(f);
    for (int s = 0; s < 4; ++s) {
        Situazioni(f)->setCurrentIndex(s);
        for (int i = 4; i < 8; ++i) EXPECT_EQ(Campo(f, i)->isVisible(), s >= 2) << s << " " << i;
        EXPECT_TRUE(Campo(f, 3)->isVisible());
    }
    // Enter on the height of the only column goes on to the modulus, then to "OK".
    Situazioni(f)->setCurrentIndex(PortaleIncastrato);
    ScriveEInvio(Campo(f, 3), QStringLiteral("3"));
    EXPECT_TRUE(Campo(f, 8)->hasFocus());
    QTest::keyClick(Campo(f, 8), Qt::Key_Return);
    EXPECT_TRUE(Ok(f)->hasFocus());
    EXPECT_TRUE(f.isVisible());
}

TEST_F(FinestraElastici, JScrittoARestaEILatoLoRicalcola) {
    Velcora t = TraveElastica();
    FrmElastici f(t, sep, msg);
    prova::MostraAttiva(f);
    Situazioni(f)->setCurrentIndex(PortaleIncastrato);
    ScrivePilastro(f, 0);
    ScriveEInvio(Campo(f, 2), QStringLiteral("0,001"));
    EXPECT_EQ(Testo(Campo(f, 2)), "0,001");
    EXPECT_NEAR(Valore(K(f, 0)), 4 * 3e10 * 0.001 / 3 / 1000, 1e-6);
    // Passing through the sides without changing them keeps the J typed.
    Campo(f, 0)->setFocus();
    QTest::keyClick(Campo(f, 0), Qt::Key_Tab);
    EXPECT_EQ(Testo(Campo(f, 2)), "0,001");
    // Changing a side recomputes it.
    ScriveEInvio(Campo(f, 1), QStringLiteral("0,40"));
    EXPECT_EQ(Testo(Campo(f, 2)), "0,0009");
    EXPECT_NEAR(Valore(K(f, 0)), 36000.0, 1e-6);
}

TEST_F(FinestraElastici, UnValoreLasciatoConTabContaComeConInvio) {
    Velcora t = TraveElastica();
    FrmElastici f(t, sep, msg);
    prova::MostraAttiva(f);
    Situazioni(f)->setCurrentIndex(PortaleIncastrato);
    ScrivePilastro(f, 0);
    prova::Scrive(Campo(f, 3), QStringLiteral("6"));
    QTest::mouseClick(Ok(f), Qt::LeftButton); // the click takes the focus from the field first
    EXPECT_NEAR(t.kVincoloSinistro, 13500.0, 1e-6);
}

TEST_F(FinestraElastici, TestoNonNumericoDiventaZero) {
    Velcora t = TraveElastica();
    FrmElastici f(t, sep, msg);
    prova::MostraAttiva(f);
    ScriveEInvio(Campo(f, 3), QStringLiteral("tre"));
    EXPECT_EQ(Testo(Campo(f, 3)), "0");
    EXPECT_TRUE(Campo(f, 3)->hasFocus()); // stays, with the 0 selected for retyping
    EXPECT_EQ(Campo(f, 3)->selectedText(), QStringLiteral("0"));
    prova::Scrive(Campo(f, 0), QStringLiteral("x"));
    QTest::keyClick(Campo(f, 0), Qt::Key_Tab);
    EXPECT_EQ(Testo(Campo(f, 0)), "0");
}

// Columns beyond any building give a J or a K beyond a double: that field stays empty (formatting
// such a value would throw out of the event handler), an empty J left counts as 0, and the beam
// gets only finite values.
TEST_F(FinestraElastici, PilastriSmisuratiLascianoVuotiJOK) {
    struct Caso {
        const char* Lato;
        const char* Altezza;
        bool JVuoto;
        const char* K;
    };
    for (const Caso& c : {Caso{"1e200", "3", true, "0"}, Caso{"0,30", "1e-320", false, ""},
                          Caso{"1e300", "1e300", true, "0"}}) {
        SCOPED_TRACE(std::string(c.Lato) + " " + c.Altezza);
        Velcora t = TraveElastica();
        FrmElastici f(t, sep, msg);
        prova::MostraAttiva(f);
        Situazioni(f)->setCurrentIndex(PortaleIncastrato);
        ScriveEInvio(Campo(f, 0), QString::fromLatin1(c.Lato));
        ScriveEInvio(Campo(f, 1), QString::fromLatin1(c.Lato));
        EXPECT_EQ(Testo(Campo(f, 2)).empty(), c.JVuoto);
        ScriveEInvio(Campo(f, 3), QString::fromLatin1(c.Altezza));
        EXPECT_EQ(Testo(K(f, 0)), c.K);
        Ok(f)->click();
        EXPECT_TRUE(std::isfinite(t.kVincoloSinistro));
        for (int i = 1; i <= 9; ++i)
            EXPECT_TRUE(std::isfinite(t.Dato_Sx(i))) << i;
    }
}

TEST_F(FinestraElastici, DueEstremiElasticiOgnunoConISuoiDati) {
    Velcora t = TraveElastica();
    t.Dati({0.4, 0.4, 0.4 * 0.4 * 0.4 * 0.4 / 12, 3.5, 0, 0, 0, 0, 0}, false);
    t.iTipoVincElastDx = PortaleIncernierato;
    t.kVincoloDestro = 1234.5;
    FrmElastici f(t, sep, msg);
    prova::MostraAttiva(f);
    auto* sx = Controllo<QRadioButton>(f, QStringLiteral("optVinc_0"));
    auto* dx = Controllo<QRadioButton>(f, QStringLiteral("optVinc_1"));
    EXPECT_TRUE(sx->isEnabled());
    EXPECT_TRUE(dx->isEnabled());
    EXPECT_TRUE(sx->isChecked());
    EXPECT_TRUE(f.SinistraScelta());
    EXPECT_TRUE(K(f, 0)->isEnabled());
    EXPECT_FALSE(K(f, 1)->isEnabled());
    EXPECT_EQ(Testo(K(f, 1)), "1.234,5");

    Situazioni(f)->setCurrentIndex(PortaleIncastrato);
    ScrivePilastro(f, 0);
    prova::Spunta(dx);
    EXPECT_FALSE(f.SinistraScelta());
    EXPECT_FALSE(K(f, 0)->isEnabled());
    EXPECT_TRUE(K(f, 1)->isEnabled());
    EXPECT_EQ(Situazioni(f)->currentIndex(), PortaleIncernierato);
    EXPECT_EQ(Testo(Campo(f, 0)), "0,4");
    EXPECT_EQ(Testo(Campo(f, 8)), "33000"); // E of the last span's section
    EXPECT_EQ(Testo(K(f, 1)), "1.234,5");   // switching ends recomputes nothing
    ScriveEInvio(Campo(f, 3), QStringLiteral("3,2"));
    const double kDx = 3 * 33000e6 * (0.4 * 0.4 * 0.4 * 0.4 / 12) / 3.2 / 1000;
    EXPECT_NEAR(Valore(K(f, 1)), kDx, 1e-6 * kDx);

    // Back on the left, the data typed there are still there.
    prova::Spunta(sx);
    EXPECT_EQ(Testo(Campo(f, 0)), "0,3");
    EXPECT_EQ(Situazioni(f)->currentIndex(), PortaleIncastrato);

    Ok(f)->click();
    EXPECT_NEAR(t.kVincoloSinistro, 27000.0, 1e-6);
    EXPECT_NEAR(t.kVincoloDestro, kDx, 1e-6 * kDx);
    EXPECT_EQ(t.iTipoVincElastSx, PortaleIncastrato);
    EXPECT_EQ(t.iTipoVincElastDx, PortaleIncernierato);
    EXPECT_DOUBLE_EQ(t.Dato_Dx(4), 3.2);
    EXPECT_DOUBLE_EQ(t.Dato_Dx(9), 33000.0);
    EXPECT_DOUBLE_EQ(t.Dato_Sx(4), 3.0);
}

TEST_F(FinestraElastici, SoloLEstremoElasticoSiPuoScegliere) {
    Velcora t = TraveElastica(Appoggio, Elastico);
    FrmElastici f(t, sep, msg);
    EXPECT_FALSE(Controllo<QRadioButton>(f, QStringLiteral("optVinc_0"))->isEnabled());
    EXPECT_TRUE(Controllo<QRadioButton>(f, QStringLiteral("optVinc_1"))->isChecked());
    EXPECT_FALSE(f.SinistraScelta());
    EXPECT_TRUE(K(f, 1)->isEnabled());
    EXPECT_FALSE(K(f, 0)->isEnabled());

    Velcora t2 = TraveElastica(Elastico, Incastro);
    FrmElastici f2(t2, sep, msg);
    EXPECT_TRUE(Controllo<QRadioButton>(f2, QStringLiteral("optVinc_0"))->isChecked());
    EXPECT_FALSE(Controllo<QRadioButton>(f2, QStringLiteral("optVinc_1"))->isEnabled());
}

TEST_F(FinestraElastici, KUtenteNascondeIPilastriEAzzeraIDati) {
    Velcora t = TraveElastica();
    t.Dati({0.3, 0.3, 0.000675, 3, 0, 0, 0, 0, 30000}, true);
    t.iTipoVincElastSx = PortaleIncastrato;
    FrmElastici f(t, sep, msg);
    prova::MostraAttiva(f);
    auto* cornice = Controllo<QGroupBox>(f, QStringLiteral("frameK"));
    EXPECT_TRUE(cornice->isVisible());
    prova::Spunta(Controllo<QCheckBox>(f, QStringLiteral("chkUtente")));
    EXPECT_FALSE(cornice->isVisible());
    prova::Scrive(K(f, 0), QStringLiteral("15000"));
    // With K typed, a change of situation no longer computes it.
    Situazioni(f)->setCurrentIndex(PianoTipo);
    EXPECT_EQ(Testo(K(f, 0)), "15000");
    prova::Spunta(Controllo<QRadioButton>(f, QStringLiteral("optVinc_1")));
    prova::Scrive(K(f, 1), QStringLiteral("20000,5"));
    Ok(f)->click();
    EXPECT_TRUE(t.Kutente);
    EXPECT_EQ(t.kVincoloSinistro, 15000.0);
    EXPECT_EQ(t.kVincoloDestro, 20000.5);
    EXPECT_EQ(t.iTipoVincElastSx, 0);
    EXPECT_EQ(t.iTipoVincElastDx, 0);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(t.Dato_Sx(i), 0.0) << i;
        EXPECT_EQ(t.Dato_Dx(i), 0.0) << i;
    }

    // Opened again, the frame stays hidden until "K utente" is cleared.
    FrmElastici f2(t, sep, msg);
    prova::MostraAttiva(f2);
    EXPECT_TRUE(Controllo<QCheckBox>(f2, QStringLiteral("chkUtente"))->isChecked());
    EXPECT_FALSE(Controllo<QGroupBox>(f2, QStringLiteral("frameK"))->isVisible());
    prova::Spunta(Controllo<QCheckBox>(f2, QStringLiteral("chkUtente")));
    EXPECT_TRUE(Controllo<QGroupBox>(f2, QStringLiteral("frameK"))->isVisible());
}

TEST_F(FinestraElastici, AnnullaNonCambiaLaTrave) {
    Velcora t = TraveElastica();
    t.kVincoloSinistro = 500;
    FrmElastici f(t, sep, msg);
    prova::MostraAttiva(f);
    Situazioni(f)->setCurrentIndex(PortaleIncastrato);
    ScrivePilastro(f, 0);
    Controllo<QPushButton>(f, QStringLiteral("cmdOK_1"))->click();
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(t.kVincoloSinistro, 500.0);
    EXPECT_EQ(t.iTipoVincElastSx, 0);
    EXPECT_EQ(t.Dato_Sx(1), 0.0);
}

TEST_F(FinestraElastici, SenzaSezioniAvvisaEApreComunque) {
    Velcora t;
    t.nCampate(1);
    t.VincoloSinistro = Elastico;
    t.kVincoloSinistro = 100;
    FrmElastici f(t, sep, msg);
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Controllare i dati.");
    EXPECT_EQ(msg.Voci[0].Icona, Icona::Errore);
    EXPECT_EQ(Testo(K(f, 0)), "100");
}

TEST_F(FinestraElastici, VirgolaDecimaleDalTastierino) {
    Velcora t = TraveElastica();
    FrmElastici f(t, sep, msg);
    prova::MostraAttiva(f);
    Situazioni(f)->setCurrentIndex(PortaleIncastrato);
    QLineEdit* a = Campo(f, 0);
    prova::Scrive(a, QStringLiteral("0"));
    QTest::keyClick(a, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(a, QStringLiteral("3"));
    EXPECT_EQ(Testo(a), "0,3");
}

} // namespace
} // namespace vc
