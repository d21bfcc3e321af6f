// Undo and redo in the main window: every kind of edit is one step; undoing it gives back the
// beam as saved, byte for byte, and clears the unsaved mark; redoing it gives the edit back.
// Inside a cell being edited Ctrl+Z is the editor's own.

#include "AiutoFrmMain.h"
#include "AiutoDialoghi.h"
#include "engine/VincoliElastici.h"
#include "ui/DocumentoTrave.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <functional>

namespace vc {
namespace {

using prova::FinestraPrincipale;
namespace fs = std::filesystem;
using prova::Controllo;

class AnnullaRipeti : public FinestraPrincipale {
  protected:
    void ApreEsempio(const char* esempio = "tre_campate_appoggi.vlr") {
        const fs::path file = dati / "trave.vlr";
        fs::copy_file(prova::CartellaEsempi() / esempio, file);
        Avvia({file.string()});
    }
    // "Salva con nome" into the folder of the test; the text written.
    std::string SalvaCome(const char* nome) {
        servizi.Dialoghi_.RisposteSalva.assign({dati / nome}); // a refused save asks nothing
        std::error_code ec;
        fs::remove(dati / nome, ec);
        Menu("mnuFileItem3")->trigger();
        return prova::LeggeTesto(dati / nome);
    }
    void ChiudeEditore(GrigliaModifica* g) {
        if (g->InModifica()) QTest::keyClick(g->Editor(), Qt::Key_Escape);
    }
    int Passi() { return w->Documento().Pila().count(); }
};

struct Modifica {
    const char* Nome;
    std::function<void()> Fa;
};

TEST_F(AnnullaRipeti, OgniModificaEUnPassoCheSiAnnullaESiRipete) {
    const Modifica modifiche[] = {
        {"cella",
         [this] {
             ClicCella(Controllo<GrigliaModifica>(*w, "FlexGrid0"), 1, 2);
             DigitaInvio(QStringLiteral("20"));
             ChiudeEditore(Controllo<GrigliaModifica>(*w, "FlexGrid0"));
         }},
        {"blocco incollato che aggiunge campate",
         [this] {
             GrigliaModifica* g = Controllo<GrigliaModifica>(*w, "FlexGrid0");
             g->VaiACella(3, 1);
             ASSERT_TRUE(g->IncollaTesto("7\t1\t2\t3\t4\t1\n8\t1\t2\t3\t4\t1"));
             ASSERT_EQ(Controllo<QLineEdit>(*w, "txtCampate")->text(), QStringLiteral("4"));
         }},
        {"numero campate",
         [this] {
             Clic(Controllo<QLineEdit>(*w, "txtCampate"));
             DigitaInvio(QStringLiteral("5"));
             ChiudeEditore(Controllo<GrigliaModifica>(*w, "FlexGrid0"));
         }},
        {"titolo",
         [this] {
             Clic(Controllo<QLineEdit>(*w, "txtTitolo"));
             DigitaInvio(QStringLiteral("Un altro titolo"));
         }},
        {"vincolo", [this] { Clic(Controllo<QRadioButton>(*w, "opVincSin", Incastro)); }},
        {"stato limite", [this] { Clic(Controllo<QRadioButton>(*w, "optSLU0")); }},
        {"casella", [this] { Clic(Controllo<QCheckBox>(*w, "ckVisualizzaDeformata")); }},
        {"menu opzioni", [this] { Menu("mnuOpzioniItem1")->trigger(); }},
        {"OK di una finestra",
         [this] {
             prova::QuandoSiApre([](QWidget* f) {
                 auto* delta = f->findChild<QLineEdit*>(QStringLiteral("txtDelta"));
                 auto* ok = f->findChild<QPushButton*>(QStringLiteral("CmdOk"));
                 if (!delta || !ok) return f->close(), void();
                 delta->setFocus();
                 delta->selectAll();
                 QTest::keyClicks(delta, QStringLiteral("0,8"));
                 ok->click();
             });
             Controllo<QPushButton>(*w, "cmdRidist")->click();
         }},
        {"OK dei coefficienti parziali",
         [this] {
             prova::QuandoSiApre([](QWidget* f) {
                 auto* gamma = f->findChild<QLineEdit*>(QStringLiteral("txtCoefParz_0"));
                 auto* ok = f->findChild<QPushButton*>(QStringLiteral("cmdOK_0"));
                 if (!gamma || !ok) return f->close(), void();
                 gamma->setText(QStringLiteral("1,4"));
                 ok->click();
             });
             Menu("mnuinpostazioni")->trigger();
         }},
    };
    for (const Modifica& m : modifiche) {
        SCOPED_TRACE(m.Nome);
        fs::remove_all(dati);
        fs::create_directories(dati);
        w = std::make_unique<FrmMain>(Separatori::Italiani(), &msg, &servizi);
        ApreEsempio();
        const std::string salvato = SalvaCome("salvato.vlr");
        ASSERT_FALSE(salvato.empty());
        ASSERT_FALSE(w->isWindowModified());
        const int passi = Passi();

        m.Fa();
        QApplication::processEvents(); // the next edit would be another step
        EXPECT_TRUE(w->isWindowModified());
        EXPECT_EQ(Passi(), passi + 1) << "una modifica, un passo";
        ASSERT_TRUE(Menu("mnuAnnulla")->isEnabled());

        Menu("mnuAnnulla")->trigger();
        EXPECT_FALSE(w->isWindowModified()) << "di nuovo come salvato";
        EXPECT_EQ(SalvaCome("annullato.vlr"), salvato) << Messaggi();
        ASSERT_TRUE(Menu("mnuRipeti")->isEnabled());
        Menu("mnuRipeti")->trigger();
        EXPECT_TRUE(w->isWindowModified());
        EXPECT_NE(SalvaCome("ripetuto.vlr"), salvato) << Messaggi();
        TearDown();
    }
}

TEST_F(AnnullaRipeti, IlMenuModificaEISuoiTasti) {
    ApreEsempio();
    QMenu* menu = nullptr;
    for (QAction* a : w->menuBar()->actions())
        if (a->text() == QStringLiteral("Mo&difica")) menu = a->menu(); // Alt+M is the diagram's "&M"
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("&Annulla"));
    EXPECT_EQ(menu->actions()[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("&Ripeti"));
    EXPECT_EQ(menu->actions()[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    EXPECT_FALSE(menu->actions()[0]->isEnabled()); // nothing to undo in a file just read

    GrigliaModifica* g = Controllo<GrigliaModifica>(*w, "FlexGrid0");
    const std::string prima = g->TestoCella(1, 2);
    // In the editor Ctrl+Z takes back what was typed there, and the beam has no step.
    ClicCella(g, 1, 2);
    ASSERT_TRUE(g->InModifica());
    Digita(QStringLiteral("99"));
    QTest::keyClick(g->Editor(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(g->InModifica());
    EXPECT_EQ(g->Editor()->text().toStdString(), prima);
    EXPECT_EQ(Passi(), 0);
    ChiudeEditore(g);

    // On the grid the keys undo and redo the beam's edits.
    ClicCella(g, 1, 2);
    DigitaInvio(QStringLiteral("42"));
    ChiudeEditore(g);
    ASSERT_EQ(g->TestoCella(1, 2), "42");
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(g->TestoCella(1, 2), prima);
    EXPECT_FALSE(w->isWindowModified());
    QTest::keyClick(Fuoco(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(g->TestoCella(1, 2), "42");
    EXPECT_TRUE(w->isWindowModified());
}

// A restraint or an option chosen is a step of the document: undone, the buttons show the
// previous choice again and the calculation takes that one, not what the buttons showed before;
// redone, the choice is back for both.
struct Opzione {
    const char* Nome;
    std::function<void(FrmMain&)> Sceglie;
    std::function<bool(FrmMain&)> Mostrata;                             // the buttons show it
    std::function<bool(const Velcora&, const Impostazioni&)> Calcolata; // the calculation took it
};

TEST_F(AnnullaRipeti, LOpzioneAnnullataEQuellaCheIlCalcoloLegge) {
    const auto bottone = [](FrmMain& f, const char* nome) { return Controllo<QAbstractButton>(f, nome); };
    const auto lista = [](FrmMain& f) { return Controllo<QComboBox>(f, "ComboSLE"); };
    const Opzione opzioni[] = {
        {"vincolo di sinistra", [&](FrmMain& f) { bottone(f, "opVincSin1")->click(); },
         [&](FrmMain& f) { return bottone(f, "opVincSin1")->isChecked(); },
         [](const Velcora& t, const Impostazioni&) { return t.VincoloSinistro == Incastro; }},
        {"vincolo di destra", [&](FrmMain& f) { bottone(f, "opVincDes2")->click(); },
         [&](FrmMain& f) { return bottone(f, "opVincDes2")->isChecked(); },
         [](const Velcora& t, const Impostazioni&) { return t.VincoloDestro == Libero; }},
        {"SLE", [&](FrmMain& f) { bottone(f, "optSLU0")->click(); },
         [&](FrmMain& f) { return bottone(f, "optSLU0")->isChecked() && lista(f)->isEnabled(); },
         [](const Velcora&, const Impostazioni& imp) { return imp.StatoLimite == SLE; }},
        {"combinazione SLE", [&](FrmMain& f) { lista(f)->setCurrentIndex(SLEQuasiPermanente); },
         [&](FrmMain& f) { return lista(f)->currentIndex() == SLEQuasiPermanente; },
         [](const Velcora&, const Impostazioni& imp) { return imp.TipoSLE == SLEQuasiPermanente; }},
        {"deformata", [&](FrmMain& f) { bottone(f, "ckVisualizzaDeformata")->click(); },
         [&](FrmMain& f) { return bottone(f, "ckVisualizzaDeformata")->isChecked(); },
         [](const Velcora&, const Impostazioni& imp) { return imp.VisualizzaDeformata; }},
        {"scale fisse", [&](FrmMain& f) { bottone(f, "ckScalePreimpostate")->click(); },
         [&](FrmMain& f) { return bottone(f, "ckScalePreimpostate")->isChecked(); },
         [](const Velcora&, const Impostazioni& imp) { return imp.ScalePreimpostate; }},
    };
    for (const Opzione& o : opzioni) {
        SCOPED_TRACE(o.Nome);
        fs::remove_all(dati);
        fs::create_directories(dati);
        w = std::make_unique<FrmMain>(Separatori::Italiani(), &msg, &servizi);
        ApreEsempio();
        ASSERT_FALSE(o.Mostrata(*w));
        const OpzioniIngresso prima = w->Documento().Dati().Opzioni;

        o.Sceglie(*w);
        QApplication::processEvents();
        ASSERT_TRUE(o.Mostrata(*w));
        EXPECT_EQ(Passi(), 1);
        EXPECT_FALSE(w->Documento().Dati().Opzioni == prima);

        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_FALSE(o.Mostrata(*w));
        EXPECT_TRUE(w->Documento().Dati().Opzioni == prima);
        EXPECT_FALSE(w->isWindowModified());
        ASSERT_TRUE(w->EsegueCalcolo()) << Messaggi();
        EXPECT_FALSE(o.Calcolata(w->Trave(), w->Imp()));

        QTest::keyClick(w.get(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_TRUE(o.Mostrata(*w));
        EXPECT_TRUE(w->isWindowModified());
        ASSERT_TRUE(w->EsegueCalcolo()) << Messaggi();
        EXPECT_TRUE(o.Calcolata(w->Trave(), w->Imp()));
        TearDown();
    }
}

// The loads and sections windows work on a copy of the beam: "Annulla" leaves the beam and the
// document as they were; "OK" (for the sections any closing) is one step, undone as a whole.
struct Finestra {
    const char* Nome;
    const char* Comando;
    std::function<void(QWidget*)> Lavora; // types into the window, then closes it
    bool Passo;                           // the closing is a step
    std::function<std::string(const Velcora&)> Stato;
    const char* Esempio = "tre_campate_appoggi.vlr";
};

TEST_F(AnnullaRipeti, UnaFinestraSuUnaCopiaDellaTrave) {
    const auto forza = [](QWidget* f, int bottone) {
        auto* conteggio = f->findChild<QLineEdit*>(QStringLiteral("txtRigheGriglia_0"));
        auto* griglia = f->findChild<GrigliaModifica*>(QStringLiteral("FlexGrid_0"));
        auto* chiude = f->findChild<QPushButton*>(QStringLiteral("cmdOK_%1").arg(bottone));
        if (!conteggio || !griglia || !chiude) return f->close(), void();
        conteggio->setText(QStringLiteral("1"));
        QTest::keyClick(conteggio, Qt::Key_Return);
        // Enter opened the first cell's editor: closed, so that it does not write its text back.
        if (griglia->InModifica()) QTest::keyClick(griglia->Editor(), Qt::Key_Escape);
        for (int c = 1; c <= 6; ++c) griglia->ScriveCella(std::string(c == 1 ? "1" : "2"), 1, c);
        chiude->click();
        if (f->isVisible()) f->close(); // refused: the message says why
    };
    const auto sezione = [](QWidget* f) {
        auto* modulo = f->findChild<QLineEdit*>(QStringLiteral("txtEc_0"));
        auto* fine = f->findChild<QPushButton*>(QStringLiteral("cbFineSez"));
        if (!modulo || !fine) return f->close(), void();
        modulo->setFocus();
        modulo->selectAll();
        QTest::keyClicks(modulo, QStringLiteral("12345"));
        fine->click();
    };
    const auto rigidezza = [](QWidget* f, int bottone) {
        auto* k = f->findChild<QLineEdit*>(QStringLiteral("txtK_0"));
        auto* chiude = f->findChild<QPushButton*>(QStringLiteral("cmdOK_%1").arg(bottone));
        if (!k || !chiude) return f->close(), void();
        prova::ScriveEInvio(k, QStringLiteral("12345"));
        chiude->click();
    };
    const auto carichi = [](const Velcora& t) { return std::to_string(t.nCarConc()); };
    const auto modulo = [](Velcora t) { return std::to_string(t.EstraeDatiSezione(1).Young); };
    const auto k = [](const Velcora& t) { return std::to_string(VincoliElasticiDellaTrave(t).K[0]); };
    const char* elastica = "vincoli_elastici_pilastri.vlr";
    const Finestra finestre[] = {
        {"carichi, Annulla", "cbFconc", [&](QWidget* f) { forza(f, 0); }, false, carichi},
        {"carichi, OK", "cbFconc", [&](QWidget* f) { forza(f, 1); }, true, carichi},
        {"sezioni, Fine", "cbSezioni", sezione, true, modulo},
        {"elastici, Annulla", "cbElastici", [&](QWidget* f) { rigidezza(f, 1); }, false, k, elastica},
        {"elastici, OK", "cbElastici", [&](QWidget* f) { rigidezza(f, 0); }, true, k, elastica},
    };
    for (const Finestra& c : finestre) {
        SCOPED_TRACE(c.Nome);
        fs::remove_all(dati);
        fs::create_directories(dati);
        w = std::make_unique<FrmMain>(Separatori::Italiani(), &msg, &servizi);
        ApreEsempio(c.Esempio);
        const std::string prima = c.Stato(w->Trave());
        const LavoroNonSalvato documento = w->Documento().Dati();

        prova::QuandoSiApre(c.Lavora);
        Controllo<QPushButton>(*w, c.Comando)->click();
        QApplication::processEvents();
        ASSERT_TRUE(msg.Voci.empty()) << Messaggi();
        EXPECT_EQ(Passi(), c.Passo ? 1 : 0);
        EXPECT_EQ(w->isWindowModified(), c.Passo);
        EXPECT_EQ(c.Stato(w->Trave()) != prima, c.Passo);
        if (!c.Passo) {
            EXPECT_TRUE(w->Documento().Dati() == documento);
        } else {
            Menu("mnuAnnulla")->trigger();
            EXPECT_EQ(c.Stato(w->Trave()), prima);
            EXPECT_FALSE(w->isWindowModified());
        }
        TearDown();
    }
}

// A field's text is the document's as it is typed; what is typed until the field is left is
// one step.
TEST_F(AnnullaRipeti, UnCampoDigitatoEUnPassoFinoAQuandoSiLascia) {
    ApreEsempio();
    auto* titolo = Controllo<QLineEdit>(*w, "txtTitolo");
    const QString prima = titolo->text();
    Clic(titolo);
    Digita(QStringLiteral("Titolo"));
    EXPECT_TRUE(w->isWindowModified());
    EXPECT_EQ(Passi(), 1) << "six keys, one step";
    EXPECT_EQ(w->Documento().Dati().Titolo, "Titolo");
    Invio(); // on to the span count
    EXPECT_EQ(Passi(), 1);
    Clic(titolo);
    Digita(QStringLiteral("Altro"));
    EXPECT_EQ(Passi(), 2) << "typed again after leaving it";
    Menu("mnuAnnulla")->trigger();
    EXPECT_EQ(titolo->text(), QStringLiteral("Titolo"));
    Menu("mnuAnnulla")->trigger();
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_EQ(titolo->text(), prima);
}

} // namespace
} // namespace vc
