// The main window driven like a user: a beam typed through the grids and calculated, the
// checks before a calculation, the diagram commands, the options.

#include "AiutoFrmMain.h"

#include "calcolo/Calcolo.h"
#include "files/FileDati.h"
#include "files/Record.h"
#include "files/TabellaRisultati.h"
#include "ui/FrmDecalage.h"
#include "ui/FrmDiagramma.h"
#include "ui/FrmFconc.h"
#include "ui/FrmSez.h"

#include <QMenu>

namespace vc {
namespace {

using prova::FinestraPrincipale;
using prova::Controllo;
using prova::Controlli;

TEST_F(FinestraPrincipale, AllAvvioUnaTraveVuotaSenzaRisultati) {
    Avvia();
    EXPECT_EQ(w->Didascalia(), "Velcora - File: ");
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_EQ(Controllo<QComboBox>(*w, "ComboSLE")->count(), 3);
    EXPECT_EQ(Controllo<QComboBox>(*w, "ComboSLE")->itemText(2), QStringLiteral("quasi permanente"));
    EXPECT_EQ(Controllo<QComboBox>(*w, "ComboSLE")->currentIndex(), 0);
    EXPECT_TRUE(Controllo<QRadioButton>(*w, "optSLU1")->isChecked());
    EXPECT_FALSE(Controllo<QComboBox>(*w, "ComboSLE")->isEnabled());
    EXPECT_TRUE(Controllo<QRadioButton>(*w, "opVincSin0")->isChecked());
    EXPECT_TRUE(Controllo<QRadioButton>(*w, "opVincDes0")->isChecked());
    EXPECT_FALSE(Controllo<QGroupBox>(*w, "fraRisultati")->isVisible());
    EXPECT_FALSE(Controllo<QGroupBox>(*w, "FrDiagrammi")->isVisible());
    EXPECT_FALSE(Controllo<QPushButton>(*w, "cbElastici")->isVisible());
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtPlot")->text(), QStringLiteral("100"));
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->Righe(), 1);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->TestoCella(0, 6), "Sez.N°");
    EXPECT_EQ(w->Imp().PercorsoProgramma, programma.string());
    EXPECT_EQ(w->Imp().PercorsoDati, dati.string());
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
}

TEST_F(FinestraPrincipale, SenzaFileDelleImpostazioniValoriPredefinitiEAvviso) {
    std::filesystem::remove(programma / "VelcoraDwg.ini");
    AvvioProgramma avvio;
    avvio.CartellaProgramma = programma;
    avvio.CartellaCorrente = dati;
    w->Imp().CoefParz[1] = 9.0f;
    w->Avvia(avvio);
    EXPECT_EQ(w->Imp().CoefParz, CoefParzDefault);
    ASSERT_FALSE(msg.Voci.empty());
    EXPECT_EQ(msg.Voci.back().Testo.rfind("Il File VelcoraDwg.ini non esiste o è incompleto.", 0), 0u);
    EXPECT_EQ(msg.Voci.back().Icona, Icona::Informazione);
}

// Three spans, the third a cantilever over the free right end, typed key by key.
TEST_F(FinestraPrincipale, TraveDigitataConSbalzoCalcolataComeIlMotore) {
    Avvia();
    Clic(Controllo<QLineEdit>(*w, "txtTitolo"));
    DigitaInvio(QStringLiteral("Trave con sbalzo"));
    ASSERT_EQ(Fuoco(), Controllo<QLineEdit>(*w, "txtCampate"));
    DigitaInvio(QStringLiteral("3"));
    GrigliaModifica* campate = Controllo<GrigliaModifica>(*w, "FlexGrid0");
    ASSERT_TRUE(campate->InModifica());
    ASSERT_EQ(campate->RigaCorrente(), 1);
    ASSERT_EQ(campate->ColonnaCorrente(), 1);
    EXPECT_EQ(campate->Righe(), 4);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid1")->Righe(), 5);

    // Down the columns: lengths, G1, G2 (Enter repeats the value above), Q1, Q2, sections.
    for (const char* v : {"5", "6", "1,5", "18", "18", "12", "6"}) DigitaInvio(QString::fromUtf8(v));
    Invio();
    Invio();
    for (const char* v : {"10", "10", "5", "0"}) DigitaInvio(QString::fromUtf8(v));
    Invio();
    Invio();
    ASSERT_EQ(campate->RigaCorrente(), 1);
    ASSERT_EQ(campate->ColonnaCorrente(), 6); // Q2 done: on to the section numbers
    DigitaInvio(QStringLiteral("1"));
    Invio();
    Invio();
    EXPECT_FALSE(campate->InModifica());
    EXPECT_EQ(Fuoco(), Controllo<QPushButton>(*w, "cbSezioni"));

    // The section in the sections window: 30 × 50, E 30000 N/mm².
    bool sezioni = false;
    prova::QuandoSiApre([&](QWidget* f) {
        sezioni = qobject_cast<FrmSez*>(f) != nullptr;
        auto* dimensioni = f->findChild<GrigliaModifica*>(QStringLiteral("FlexGrid"));
        auto* modulo = f->findChild<QLineEdit*>(QStringLiteral("txtEc_0"));
        auto* fine = f->findChild<QPushButton*>(QStringLiteral("cbFineSez"));
        if (!dimensioni || !modulo || !fine) {
            f->close();
            return;
        }
        modulo->setFocus();
        modulo->selectAll();
        QTest::keyClicks(modulo, QStringLiteral("30000"));
        QTest::keyClick(modulo, Qt::Key_Return);
        const QRect r = dimensioni->visualRect(dimensioni->model()->index(0, 1));
        QTest::mouseClick(dimensioni->viewport(), Qt::LeftButton, {}, r.center());
        for (const char* v : {"0,3", "0,5"}) {
            if (!dimensioni->Editor()) break;
            QTest::keyClicks(dimensioni->Editor(), QString::fromUtf8(v));
            QTest::keyClick(dimensioni->Editor(), Qt::Key_Return);
        }
        fine->click();
    });
    QTest::keyClick(Controllo<QPushButton>(*w, "cbSezioni"), Qt::Key_Space);
    ASSERT_TRUE(sezioni);
    Riattiva();
    EXPECT_EQ(Fuoco(), Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_EQ(w->Trave().nSezioni(), 1);
    EXPECT_FLOAT_EQ(w->Trave().SezioneI(1).h1, 0.5f);
    EXPECT_FLOAT_EQ(w->Trave().SezioneI(1).Young, 3.0e7f);
    msg.Voci.clear();

    // Support widths; the last Enter hands over to "Calcolo".
    ClicCella(Controllo<GrigliaModifica>(*w, "FlexGrid1"), 1, 1);
    DigitaInvio(QStringLiteral("0,3"));
    Invio();
    Invio();
    DigitaInvio(QStringLiteral("0"));
    EXPECT_EQ(Fuoco(), Controllo<QPushButton>(*w, "cbCalcolo"));

    Clic(Controllo<QRadioButton>(*w, "opVincDes", Libero));
    EXPECT_EQ(w->Trave().VincoloDestro, Libero);
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_TRUE(Controllo<QGroupBox>(*w, "fraRisultati")->isVisible());
    EXPECT_TRUE(Controllo<QGroupBox>(*w, "FrDiagrammi")->isVisible());
    EXPECT_EQ(Fuoco(), Controllo<QPushButton>(*w, "cbDiagramma0"));

    // The same beam given straight to the engine.
    Velcora t;
    t.nCampate(3);
    t.InserisceDatiCampata(1, 5, 18, 6, 10, 0, 1);
    t.InserisceDatiCampata(2, 6, 18, 6, 10, 0, 1);
    t.InserisceDatiCampata(3, 1.5f, 12, 6, 5, 0, 1);
    for (int k = 1; k <= 3; ++k) t.LarghezzaAppoggi(k, 0.3f);
    t.VincoloSinistro = Appoggio;
    t.VincoloDestro = Libero;
    SezioneRettangolare(t);
    Impostazioni imp;
    imp.StatoLimite = SLU;
    MessaggiRegistrati m;
    ASSERT_TRUE(EsegueCalcolo(t, imp, m).Riuscito());
    const GriglieRisultati attesi = ScriveRisultati(t, Separatori::Italiani());
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "Grid1")->Celle(), attesi.Grid1);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "Grid2")->Celle(), attesi.Grid2);

    EXPECT_EQ(w->Imp().Titolo, "Trave con sbalzo");
    EXPECT_FLOAT_EQ(w->Trave().EstraeDatiCampata(3).Luce, 1.5f);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "Grid1")->Righe(), 8);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "Grid1")->TestoCella(3, 0), "2");
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "Grid1")->TestoCella(4, 0), "m");
    // The support moment over the cantilever's support, as shown (four digits, decimal comma).
    EXPECT_NEAR(Controllo<GrigliaModifica>(*w, "Grid1")->LeggeCella(5, 3), t.MminApp(3), std::abs(t.MminApp(3)) * 1e-3);
    EXPECT_NE(Controllo<GrigliaModifica>(*w, "Grid1")->TestoCella(5, 3).find(','), std::string::npos);
    // The cantilever's deflections on the row of its free end.
    EXPECT_FALSE(Controllo<GrigliaModifica>(*w, "Grid1")->TestoCella(7, 5).empty());
    EXPECT_TRUE(Controllo<GrigliaModifica>(*w, "Grid1")->TestoCella(6, 5).empty());
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "Grid2")->TestoCella(1, 0), "1  ");
    EXPECT_TRUE(Controllo<GrigliaModifica>(*w, "Grid2")->TestoCella(1, 1).empty());
    EXPECT_TRUE(Controllo<GrigliaModifica>(*w, "Grid2")->TestoCella(4, 2).empty());

    // A second calculation with fewer spans leaves nothing of the first.
    Controllo<QLineEdit>(*w, "txtCampate")->setText(QStringLiteral("2"));
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "Grid1")->Righe(), 6);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->Righe(), 3);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->TestoCella(2, 1), "6");
}

TEST_F(FinestraPrincipale, NumeroDiCampateApplicatoLasciandoIlCampo) {
    Avvia();
    ScriveTrave(2, {{"5", "10", "0", "0", "0", "1"}, {"6", "10", "0", "0", "0", "1"}}, {"0,3", "0,3", "0,3"});
    // Three spans typed, then a click elsewhere: the grids grow, what was typed stays.
    Clic(Controllo<QLineEdit>(*w, "txtCampate"));
    Digita(QStringLiteral("3"));
    ClicCella(Controllo<GrigliaModifica>(*w, "FlexGrid0"), 1, 1);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->Righe(), 4);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid1")->Righe(), 5);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->TestoCella(2, 1), "6");
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid1")->TestoCella(3, 1), "0,3");
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->TestoCella(3, 0), "3");
    // Zero or text in the field leave the grids as they are.
    Clic(Controllo<QLineEdit>(*w, "txtCampate"));
    Digita(QStringLiteral("0"));
    Invio();
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->Righe(), 4);
}

TEST_F(FinestraPrincipale, ControlloDelNumeroDiCampate) {
    Avvia();
    ScriveTrave(1, {{"5", "10", "0", "0", "0", "1"}}, {"0", "0"});
    SezioneRettangolare(w->Trave());

    // A single span with a free right end and a simple support on the left is refused.
    Clic(Controllo<QRadioButton>(*w, "opVincDes", Libero));
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_FALSE(msg.Voci.empty());
    EXPECT_EQ(msg.Voci[0].Testo, "Errrore - Numero Campate Esclusi Sbalzi = 0 !");
    EXPECT_EQ(msg.Voci[0].Icona, Icona::Errore);
    EXPECT_FALSE(Controllo<QGroupBox>(*w, "fraRisultati")->isVisible());
    EXPECT_EQ(Fuoco(), Controllo<QLineEdit>(*w, "txtCampate"));

    // The same span fixed on the left is a cantilever: accepted.
    msg.Voci.clear();
    Clic(Controllo<QRadioButton>(*w, "opVincSin", Incastro));
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_TRUE(Controllo<QGroupBox>(*w, "fraRisultati")->isVisible());

    // Both ends free: one less than nothing.
    msg.Voci.clear();
    Clic(Controllo<QRadioButton>(*w, "opVincSin", Libero));
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_FALSE(msg.Voci.empty());
    EXPECT_EQ(msg.Voci[0].Testo, "Errrore - Numero Campate Esclusi Sbalzi = -1 !");
    EXPECT_FALSE(Controllo<QGroupBox>(*w, "fraRisultati")->isVisible());

    // No span at all, whatever the ends.
    msg.Voci.clear();
    Clic(Controllo<QRadioButton>(*w, "opVincSin", Incastro));
    Clic(Controllo<QRadioButton>(*w, "opVincDes", Incastro));
    Controllo<QLineEdit>(*w, "txtCampate")->setText(QStringLiteral("0"));
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_FALSE(msg.Voci.empty());
    EXPECT_EQ(msg.Voci[0].Testo, "Errrore - Numero Campate Esclusi Sbalzi = 0 !");

    // A count that is not a number.
    msg.Voci.clear();
    Controllo<QLineEdit>(*w, "txtCampate")->setText(QStringLiteral("tre"));
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_EQ(msg.Voci.size(), 1u) << Messaggi();
    EXPECT_EQ(msg.Voci[0].Testo, "Errore nei dati");
    EXPECT_EQ(msg.Voci[0].Icona, Icona::Errore);
}

TEST_F(FinestraPrincipale, VincoloNonSceltoInUnFileLetto) {
    // A data file whose left restraint was never chosen.
    Velcora t;
    t.nCampate(2);
    t.InserisceDatiCampata(1, 4, 10, 0, 0, 0, 1);
    t.InserisceDatiCampata(2, 4, 10, 0, 0, 0, 1);
    SezioneRettangolare(t);
    t.VincoloSinistro = VincoloNonScelto;
    t.VincoloDestro = Appoggio;
    Impostazioni imp;
    std::ostringstream testo;
    FileTesto file = FileTesto::PerScrittura(testo);
    ASSERT_EQ(FileLeggeScrive(Modo::Scrittura, file, t, imp, msg), EsitoFile::Completo);
    std::ofstream(dati / "senza vincolo.vlr", std::ios::binary) << testo.str();

    Avvia({"senza", "vincolo.vlr"});
    EXPECT_EQ(w->Didascalia(), "Velcora - File: senza vincolo");
    for (QRadioButton* o : Controlli<QRadioButton>(*w, "opVincSin", 4)) EXPECT_FALSE(o->isChecked());
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_FALSE(msg.Voci.empty());
    EXPECT_EQ(msg.Voci[0].Testo, "Scegliere il vincolo di Sinistra !");
    EXPECT_EQ(msg.Voci[0].Icona, Icona::Nessuna);
    EXPECT_EQ(Fuoco(), Controllo<QRadioButton>(*w, "opVincSin0"));
}

TEST_F(FinestraPrincipale, IlControlloRifiutatoPortaAlPuntoDaCorreggere) {
    Avvia();
    ScriveTrave(2, {{"4", "10", "0", "5", "0", "1"}, {"4", "10", "0", "5", "0", "0"}}, {"0", "0", "0"});
    SezioneRettangolare(w->Trave());
    const auto cellaCorrente = [](GrigliaModifica* g) { return std::pair{g->RigaCorrente(), g->ColonnaCorrente()}; };

    // A section number below 1: the cell that holds it.
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_FALSE(msg.Voci.empty());
    EXPECT_EQ(msg.Voci[0].Testo, "Il numero di sezione deve essere > 0");
    EXPECT_EQ(Fuoco(), Controllo<GrigliaModifica>(*w, "FlexGrid0"));
    EXPECT_EQ(cellaCorrente(Controllo<GrigliaModifica>(*w, "FlexGrid0")), std::pair(2, 6));

    // A number beyond what the beam holds: "Errore nei dati" with the place and the reason.
    Controllo<GrigliaModifica>(*w, "FlexGrid0")->ScriveCella(std::string("1"), 2, 6);
    Controllo<GrigliaModifica>(*w, "FlexGrid1")->ScriveCella(std::string("1E400"), 3, 1);
    msg.Voci.clear();
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_EQ(msg.Voci.size(), 1u) << Messaggi();
    EXPECT_EQ(msg.Voci[0].Testo, "Errore nei dati");
    EXPECT_EQ(msg.Voci[0].Dettagli, "Larghezza dell'appoggio 3: Overflow");
    EXPECT_EQ(Fuoco(), Controllo<GrigliaModifica>(*w, "FlexGrid1"));
    EXPECT_EQ(cellaCorrente(Controllo<GrigliaModifica>(*w, "FlexGrid1")), std::pair(3, 1));
    EXPECT_FALSE(Controllo<QGroupBox>(*w, "fraRisultati")->isVisible());

    // An elastic end without stiffness: the command that opens its window.
    Controllo<GrigliaModifica>(*w, "FlexGrid1")->ScriveCella(std::string("0"), 3, 1);
    Clic(Controllo<QRadioButton>(*w, "opVincDes", Elastico));
    msg.Voci.clear();
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_FALSE(msg.Voci.empty());
    EXPECT_EQ(Fuoco(), Controllo<QPushButton>(*w, "cbElastici"));
}

TEST_F(FinestraPrincipale, ScaleFisseControllateDaOgniComandoDeiDiagrammi) {
    Avvia();
    ScriveTrave(2, {{"4", "10", "0", "5", "0", "1"}, {"4", "10", "0", "5", "0", "1"}}, {"0", "0", "0"});
    SezioneRettangolare(w->Trave());
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_TRUE(Controllo<QGroupBox>(*w, "FrDiagrammi")->isVisible());

    Clic(Controllo<QCheckBox>(*w, "ckScalePreimpostate"));
    ASSERT_TRUE(Controllo<QCheckBox>(*w, "ckScalePreimpostate")->isChecked());
    Clic(Controllo<QLineEdit>(*w, "txtscala0"));
    DigitaInvio(QStringLiteral("50"));
    EXPECT_EQ(Fuoco(), Controllo<QLineEdit>(*w, "txtscala1")); // Enter moves on; the shear scale is left empty
    Invio();
    DigitaInvio(QStringLiteral("100"));
    EXPECT_EQ(Fuoco(), Controllo<QPushButton>(*w, "cbDiagramma0"));

    const std::string scalaNulla = "Una delle Scale Fisse è 0. Deselezionare Scale Fisse o introdurre un valore >0";
    for (QPushButton* comando : Controlli<QPushButton>(*w, "cbDiagramma", 5)) {
        msg.Voci.clear();
        Clic(comando);
        ASSERT_EQ(msg.Voci.size(), 1u) << comando->text().toStdString() << Messaggi();
        EXPECT_EQ(msg.Voci[0].Testo, scalaNulla);
        EXPECT_EQ(msg.Voci[0].Icona, Icona::Errore);
    }
    EXPECT_TRUE(w->Imp().ScalePreimpostate);
    EXPECT_EQ(w->Imp().ScalaFissaM, 50.0);

    // With the three scales the command goes on and opens the moment diagram.
    Clic(Controllo<QLineEdit>(*w, "txtscala1"));
    Digita(QStringLiteral("20"));
    msg.Voci.clear();
    Clic(Controllo<QPushButton>(*w, "cbDiagramma0"));
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_NE(w->FinestraDiagramma(0), nullptr);

    // Without fixed scales the empty fields do not matter.
    Clic(Controllo<QCheckBox>(*w, "ckScalePreimpostate"));
    Controllo<QLineEdit>(*w, "txtscala1")->clear();
    msg.Voci.clear();
    Clic(Controllo<QPushButton>(*w, "cbDiagramma1"));
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_NE(w->FinestraDiagramma(1), nullptr);
}

TEST_F(FinestraPrincipale, ComandiCheRicalcolanoPrimaDiTutto) {
    Avvia();
    ScriveTrave(2, {{"4", "10", "0", "5", "0", "1"}, {"4", "10", "0", "5", "0", "1"}}, {"0", "0", "0"});
    // No section yet: every command that needs results stops at the check.
    for (const char* voce : {"mnuFileItem17", "mnuFileItem10", "mnuFileItem5", "mnuFileItem6"}) {
        msg.Voci.clear();
        Menu(voce)->trigger();
        ASSERT_FALSE(msg.Voci.empty()) << voce;
        EXPECT_EQ(msg.Voci[0].Testo, "La sezione 1 non è stata inserita") << voce;
        EXPECT_EQ(servizi.StampantiAperte, 0);
    }
    SezioneRettangolare(w->Trave());
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    msg.Voci.clear();
    // Computed: the commands go on to their save dialog (cancelled here: nothing said).
    Menu("mnuFileItem17")->trigger();
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_EQ(servizi.Dialoghi_.Richieste.size(), 1u);
    EXPECT_TRUE(Controllo<QGroupBox>(*w, "fraRisultati")->isVisible());
    Clic(Controllo<QPushButton>(*w, "cbDiagramma4"));
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_EQ(servizi.Dialoghi_.Richieste.size(), 2u);
}

TEST_F(FinestraPrincipale, VisualizzaCarichiRicalcolaEDiceCheIlDisegnoManca) {
    Avvia();
    ScriveTrave(2, {{"4", "10", "0", "5", "0", "1"}, {"4", "10", "0", "5", "0", "1"}}, {"0", "0", "0"});
    SezioneRettangolare(w->Trave());
    const auto scegli = [](const char* pulsante) {
        prova::QuandoSiApre([pulsante](QWidget* f) {
            if (auto* p = f->findChild<QPushButton*>(QLatin1String(pulsante)))
                p->click();
            else
                f->close();
        });
    };
    // Annulla: nothing computed, nothing said.
    scegli("cmdAnnulla");
    Clic(Controllo<QPushButton>(*w, "cbVisual"));
    Riattiva();
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_FALSE(w->Trave().Calcolata());

    scegli("cmdOK");
    Clic(Controllo<QPushButton>(*w, "cbVisual"));
    Riattiva();
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_NE(w->FinestraDiagramma(2), nullptr);
    EXPECT_TRUE(w->Trave().Calcolata());

    // The fixed scales are checked before the loads would be drawn.
    Controllo<QCheckBox>(*w, "ckScalePreimpostate")->setChecked(true);
    msg.Voci.clear();
    scegli("cmdOK");
    Clic(Controllo<QPushButton>(*w, "cbVisual"));
    Riattiva();
    ASSERT_EQ(msg.Voci.size(), 1u) << Messaggi();
    EXPECT_EQ(msg.Voci[0].Testo, "Una delle Scale Fisse è 0. Deselezionare Scale Fisse o introdurre un valore >0");
}

TEST_F(FinestraPrincipale, ElasticiVisibileSoloConUnVincoloElastico) {
    Avvia();
    EXPECT_FALSE(Controllo<QPushButton>(*w, "cbElastici")->isVisible());
    Clic(Controllo<QRadioButton>(*w, "opVincSin", Elastico));
    EXPECT_TRUE(Controllo<QPushButton>(*w, "cbElastici")->isVisible());
    EXPECT_EQ(w->Trave().VincoloSinistro, Elastico);
    Clic(Controllo<QRadioButton>(*w, "opVincSin", Appoggio));
    EXPECT_FALSE(Controllo<QPushButton>(*w, "cbElastici")->isVisible());
    EXPECT_EQ(w->Trave().VincoloSinistro, Appoggio);
    Clic(Controllo<QRadioButton>(*w, "opVincDes", Elastico));
    Clic(Controllo<QRadioButton>(*w, "opVincSin", Elastico));
    Clic(Controllo<QRadioButton>(*w, "opVincSin", Incastro));
    EXPECT_TRUE(Controllo<QPushButton>(*w, "cbElastici")->isVisible()); // the right end is still elastic
    Clic(Controllo<QRadioButton>(*w, "opVincDes", Libero));
    EXPECT_FALSE(Controllo<QPushButton>(*w, "cbElastici")->isVisible());
}

TEST_F(FinestraPrincipale, SceltaDellaCombinazioneSLE) {
    Avvia();
    ScriveTrave(2, {{"5", "10", "4", "8", "0", "1"}, {"5", "10", "4", "8", "0", "1"}}, {"0", "0", "0"});
    SezioneRettangolare(w->Trave());
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    const std::string slu = Controllo<GrigliaModifica>(*w, "Grid1")->TestoCella(3, 3);
    EXPECT_EQ(w->Imp().StatoLimite, SLU);

    Clic(Controllo<QRadioButton>(*w, "optSLU0"));
    EXPECT_TRUE(Controllo<QComboBox>(*w, "ComboSLE")->isEnabled());
    Controllo<QComboBox>(*w, "ComboSLE")->setFocus();
    QTest::keyClick(Controllo<QComboBox>(*w, "ComboSLE"), Qt::Key_Down);
    EXPECT_EQ(Controllo<QComboBox>(*w, "ComboSLE")->currentText(), QStringLiteral("frequente"));
    EXPECT_EQ(w->Imp().TipoSLE, SLEFrequente);
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_EQ(w->Imp().StatoLimite, SLE);
    EXPECT_EQ(w->Imp().TipoSLE, SLEFrequente);
    EXPECT_NE(Controllo<GrigliaModifica>(*w, "Grid1")->TestoCella(3, 3), slu);

    Clic(Controllo<QRadioButton>(*w, "optSLU1"));
    EXPECT_FALSE(Controllo<QComboBox>(*w, "ComboSLE")->isEnabled());
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    EXPECT_EQ(w->Imp().StatoLimite, SLU);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "Grid1")->TestoCella(3, 3), slu);
}

TEST_F(FinestraPrincipale, RidistribuzioneLasciataAZeroDiventaUno) {
    Avvia();
    ScriveTrave(2, {{"5", "10", "0", "0", "0", "1"}, {"5", "10", "0", "0", "0", "1"}}, {"0", "0", "0"});
    SezioneRettangolare(w->Trave());
    w->Imp().DeltaRidist = 0.0f;
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    EXPECT_FLOAT_EQ(w->Imp().DeltaRidist, 1.0f);
}

TEST_F(FinestraPrincipale, CarichiConcentratiChiedonoCampateConLuce) {
    Avvia();
    Clic(Controllo<QPushButton>(*w, "cbFconc"));
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Definire campate!");
    EXPECT_EQ(msg.Voci[0].Icona, Icona::Nessuna);
    EXPECT_EQ(Fuoco(), Controllo<QLineEdit>(*w, "txtCampate"));

    msg.Voci.clear();
    ScriveTrave(2, {{"5", "10", "0", "0", "0", "1"}, {"", "10", "0", "0", "0", "1"}}, {"0", "0", "0"});
    Clic(Controllo<QPushButton>(*w, "cbFconc"));
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Definire geometria campate!");
    EXPECT_EQ(Fuoco(), Controllo<GrigliaModifica>(*w, "FlexGrid0")); // on the length that is missing
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->RigaCorrente(), 2);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->ColonnaCorrente(), 1);

    // With the lengths, the loads window opens on the spans the grid shows.
    Controllo<GrigliaModifica>(*w, "FlexGrid0")->ScriveCella(std::string("4"), 2, 1);
    bool carichi = false;
    prova::QuandoSiApre([&](QWidget* f) {
        carichi = qobject_cast<FrmFconc*>(f) != nullptr;
        f->close();
    });
    Clic(Controllo<QPushButton>(*w, "cbFconc"));
    EXPECT_TRUE(carichi);
}

TEST_F(FinestraPrincipale, AiutoDellEsportazioneSuTreRighe) {
    Avvia();
    ScriveTrave(1, {{"5", "10", "0", "0", "0", "1"}}, {"0", "0"});
    SezioneRettangolare(w->Trave());
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    msg.Voci.clear();
    Clic(Controllo<QPushButton>(*w, "cbHelp"));
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Esporta il diagramma M nel disegno aperto di Autocad 2000\r\n"
                                 "(lancia Autocad se non è in funzione)\r\n"
                                 "per usare il programma Zelbrun di disegno delle armature.");
}

TEST_F(FinestraPrincipale, NumeriConLaVirgolaDecimale) {
    Avvia();
    Clic(Controllo<QLineEdit>(*w, "txtCampate"));
    DigitaInvio(QStringLiteral("1"));
    // A comma is the decimal separator, a point groups thousands; the keypad's key types a comma.
    DigitaInvio(QStringLiteral("4,5"));
    Digita(QStringLiteral("1.234,5"));
    Invio();
    Digita(QStringLiteral("2"));
    QTest::keyClick(Fuoco(), Qt::Key_Period, Qt::KeypadModifier);
    Digita(QStringLiteral("25"));
    Invio();
    GrigliaModifica* g = Controllo<GrigliaModifica>(*w, "FlexGrid0");
    EXPECT_EQ(g->TestoCella(1, 1), "4,5");
    EXPECT_EQ(g->TestoCella(1, 2), "1.234,5");
    EXPECT_EQ(g->TestoCella(1, 3), "2,25");
    // What the user meant as 4.5 is read, and shown, as 45.
    DigitaInvio(QStringLiteral("4.5"));
    EXPECT_EQ(g->TestoCella(1, 4), "45");
    DigitaInvio(QStringLiteral("0"));
    DigitaInvio(QStringLiteral("1"));

    SezioneRettangolare(w->Trave());
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_TRUE(msg.Voci.empty()) << Messaggi();
    const DatiCampata d = w->Trave().EstraeDatiCampata(1);
    EXPECT_FLOAT_EQ(d.Luce, 4.5f);
    EXPECT_FLOAT_EQ(d.g1, 1234.5f);
    EXPECT_FLOAT_EQ(d.g2, 2.25f);
    EXPECT_FLOAT_EQ(d.q1, 45.0f);

    Clic(Controllo<QLineEdit>(*w, "txtscala0"));
    Digita(QStringLiteral("12"));
    QTest::keyClick(Fuoco(), Qt::Key_Period, Qt::KeypadModifier);
    Digita(QStringLiteral("5"));
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtscala0")->text(), QStringLiteral("12,5"));
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    EXPECT_DOUBLE_EQ(w->Imp().ScalaFissaM, 12.5);
    // The results use the comma too.
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "Grid1")->TestoCella(2, 2), " 2,25"); // the abscissa of the span maximum
}

TEST_F(FinestraPrincipale, MenuOpzioni) {
    Avvia();
    QAction* arrotonda = Menu("mnuOpzioniItem1");
    QAction* decalage = Menu("mnuOpzioniItem2");
    QAction* sovrapposto = Menu("mnuOpzioniItem3");
    ASSERT_TRUE(arrotonda && decalage && sovrapposto && Menu("mnuinpostazioni"));
    EXPECT_EQ(arrotonda->text(), QStringLiteral("&Arrotonda momenti sugli appoggi"));
    arrotonda->trigger();
    EXPECT_TRUE(arrotonda->isChecked());
    EXPECT_TRUE(w->Trave().ArrotondaMomenti);
    EXPECT_TRUE(w->isWindowModified());
    arrotonda->trigger();
    EXPECT_FALSE(w->Trave().ArrotondaMomenti);

    // Decalage opens the cover window beside the main window; closing it names the cover.
    decalage->trigger();
    EXPECT_TRUE(decalage->isChecked());
    EXPECT_EQ(w->Trave().Decala, 1);
    FrmDecalage* finestra = w->findChild<FrmDecalage*>();
    ASSERT_NE(finestra, nullptr);
    EXPECT_TRUE(finestra->isVisible());
    EXPECT_FALSE(finestra->isModal());
    finestra->close();
    QApplication::processEvents();
    EXPECT_TRUE(decalage->text().startsWith(QStringLiteral("&Decalage con c = ")));

    // The overlaid decalage replaces it.
    sovrapposto->trigger();
    EXPECT_TRUE(sovrapposto->isChecked());
    EXPECT_FALSE(decalage->isChecked());
    EXPECT_EQ(decalage->text(), QStringLiteral("&Decalage"));
    EXPECT_EQ(w->Trave().Decala, 2);
    for (FrmDecalage* f : w->findChildren<FrmDecalage*>())
        if (f->isVisible()) f->close();
    sovrapposto->trigger();
    EXPECT_FALSE(sovrapposto->isChecked());
    EXPECT_EQ(sovrapposto->text(), QStringLiteral("D&ecalage Sovrapposto"));
    EXPECT_EQ(w->Trave().Decala, 0);
}

TEST_F(FinestraPrincipale, ControlliConINomiDellaFinestra) {
    Avvia();
    for (const char* nome : {"txtTitolo", "txtCampate", "txtscala0", "txtscala2", "txtPlot"})
        EXPECT_NE(w->findChild<QLineEdit*>(QLatin1String(nome)), nullptr) << nome;
    for (const char* nome : {"cbCalcolo", "cbSezioni", "cbFconc", "cbVisual", "cbElastici", "cmdRidist", "cbHelp",
                             "cbDiagramma0", "cbDiagramma4"})
        EXPECT_NE(w->findChild<QPushButton*>(QLatin1String(nome)), nullptr) << nome;
    for (const char* nome : {"FlexGrid0", "FlexGrid1", "Grid1", "Grid2"})
        EXPECT_NE(w->findChild<GrigliaModifica*>(QLatin1String(nome)), nullptr) << nome;
    const std::pair<const char*, const char*> voci[] = {
        {"mnuFileItem0", "&Nuovo..."},       {"mnuFileItem1", "&Apri..."},
        {"mnuFileItem2", "&Salva"},          {"mnuFileItem3", "Sal&va con nome..."},
        {"mnuFileItem5", "Stam&pa"},         {"mnuFileItem6", "&File di Stampa (TXT)"},
        {"mnuFileItem10", "&Disegna in Autocad"}, {"mnuFileItem17", "E&xporta DXF"},
        {"mnuFileItem19", "&Esci"},          {"mnuinpostazioni", "I&mpostazioni"},
        {"mnuHelp0", "&Aiuto"},              {"mnuHelp1", "&Files di Esempio"},
        {"mnuHelp2", "&Informazioni"}};
    for (const auto& [nome, testo] : voci) {
        QAction* a = Menu(nome);
        ASSERT_NE(a, nullptr) << nome;
        EXPECT_EQ(a->text(), QString::fromUtf8(testo));
    }
    const char* diagrammi[] = {"&M", "&T", "M &+ T", "&Esporta Blocco", "D&WG"};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(Controllo<QPushButton>(*w, "cbDiagramma", k)->text(), QString::fromUtf8(diagrammi[k]));
    // The toolbar's four keyed buttons are the file commands 0, 1, 2 and 5.
    for (const char* chiave : {"New", "Open", "Save", "Print"}) EXPECT_NE(w->findChild<QWidget*>(QLatin1String(chiave)), nullptr);
}

} // namespace
} // namespace vc
