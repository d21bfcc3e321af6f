// Every window under random hands: the main window on each example and every dialog it opens
// get a few hundred random events each — keys of a list with every modifier combination, typed
// text with digits, letters, separators and numbers too large or too small for the beam,
// clicks, double clicks and right clicks on every child, runs of Tab, Enter and Escape. The
// events are drawn from a seeded generator, so a run is reproduced by its seed. Afterwards the
// program must still answer, its input must still write and read back as a data file, and no
// cell or field may show "nan", "inf" or a number of hundreds of digits.
//
// Modal windows (dialogs, message boxes, the question about unsaved changes, context menus)
// take the events while they are open, as they would take the user's; at the end whatever is
// still open is closed.
//
//   VELCORA_EVENTI_CASUALI=<n>   events per case (default 1500, so that ./test.sh stays short)
//   VELCORA_SEME=<n>             a seed of one's own instead of the case's fixed one
//
// Faults found by this test, each fixed in a commit of its own (case and seed):
//   Principale_incastri_T, seme 101, 10000 events: a modulus of 1e308 typed into the sections
//   window made its kN/m² field an infinity, whose formatting threw out of the slot.
//   Ridistribuzione, seme 101, 10000 events: the redistribution window destroyed with the focus
//   still in its δ field ran that field's leaving handler, which wrote into the x/d field
//   already destroyed.
//   Decalage, seme 103, 10000 events: a cover typed in cm that fits a single in metres overflowed
//   the single in centimetres when the menu caption showed it, and the formatting threw.
//   Sezioni, seme 103, 10000 events: a generic section given a depth of 1e308 kept it as an
//   infinite single; from then on showing that section threw, and the window no longer opened.

#include "AiutoFrmMain.h"
#include "files/FileTrave.h"
#include "ui/FrmDecalage.h"
#include "ui/FrmDiagramma.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <random>
#include <set>

namespace vc {
namespace {

using prova::FinestraPrincipale;
namespace fs = std::filesystem;
using prova::Controllo;

// The keys of the list, each pressed with a modifier combination drawn at random.
const Qt::Key Tasti[] = {
    Qt::Key_A,      Qt::Key_C,         Qt::Key_V,        Qt::Key_X,         Qt::Key_Z,     Qt::Key_Y,
    Qt::Key_Q,      Qt::Key_S,         Qt::Key_N,        Qt::Key_O,         Qt::Key_P,     Qt::Key_E,
    Qt::Key_M,      Qt::Key_T,         Qt::Key_0,        Qt::Key_5,         Qt::Key_9,     Qt::Key_Minus,
    Qt::Key_Plus,   Qt::Key_Period,    Qt::Key_Comma,    Qt::Key_Semicolon, Qt::Key_Space, Qt::Key_Home,
    Qt::Key_End,    Qt::Key_PageUp,    Qt::Key_PageDown, Qt::Key_Up,        Qt::Key_Down,  Qt::Key_Left,
    Qt::Key_Right,  Qt::Key_Tab,       Qt::Key_Backtab,  Qt::Key_Return,    Qt::Key_Enter, Qt::Key_Escape,
    Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Insert,   Qt::Key_F1,        Qt::Key_F2,    Qt::Key_F4,
    Qt::Key_F5,     Qt::Key_F10,       Qt::Key_Menu,
};

// Typed as they are: digits, letters, both separators, blanks, and numbers no beam holds.
const char* const Testi[] = {
    "0",   "1", "7", "12",     "3,5",  "2.75", "-4",   "1e308", "-1e308",      "1e-320", "1E+308",  "9e99",
    "abc", "x", "e", "e5",     ",",    ".",    ";",    " ",     "99999999999", "0,0001", "1.000,5", "1,000.5",
    "-",   "+", "%", "12,5;3", "1\t2", "--1",  "0x10", "1e",    "4,",          ",5",
};

// The seeded generator, giving plain unsigned numbers.
class Dado {
  public:
    explicit Dado(unsigned seme) : motore_(seme) {}
    unsigned operator()() { return static_cast<unsigned>(motore_()); }

  private:
    std::mt19937 motore_;
};

// Modifier combinations: none, each one, each pair, all three; the keypad now and then.
Qt::KeyboardModifiers Modificatori(Dado& caso) {
    Qt::KeyboardModifiers m;
    const unsigned bit = caso() % 8;
    if (bit & 1U) m |= Qt::ShiftModifier;
    if (bit & 2U) m |= Qt::ControlModifier;
    if (bit & 4U) m |= Qt::AltModifier;
    if (caso() % 10 == 0) m |= Qt::KeypadModifier;
    return m;
}

template <class T, std::size_t N> const T& Uno(Dado& caso, const T (&lista)[N]) {
    return lista[caso() % N];
}

// What a run did, for the report at its end.
struct Conteggi {
    int Eventi = 0;
    int Aperture = 0;       // the window under test opened again after it closed
    int Modali = 0;         // events that went to a modal window or a menu
    bool NonSiApre = false; // the window under test did not open again
    std::set<std::string> FinestreModali;
};

// Sends the events, one per turn of the event loop, so that a modal window opened by one of
// them (exec() runs its own loop) takes the following ones.
class GeneratoreEventi {
  public:
    GeneratoreEventi(unsigned seme, int eventi, std::function<QWidget*()> bersaglio,
                     std::function<void()> riapre)
        : caso_(seme), eventi_(eventi), bersaglio_(std::move(bersaglio)), riapre_(std::move(riapre)) {}

    Conteggi Esegue() {
        QTimer::singleShot(0, [this] { Passo(); });
        ciclo_.exec();
        return conteggi_;
    }

  private:
    void Passo() {
        if (conteggi_.Eventi >= eventi_ || conteggi_.NonSiApre) {
            if (!ChiudeModale()) {
                ciclo_.quit();
                return;
            }
        } else {
            // The next turn is queued first: this event may open a modal window and not return
            // until it closes.
            QTimer::singleShot(0, [this] { Passo(); });
            Evento();
            return;
        }
        QTimer::singleShot(0, [this] { Passo(); });
    }

    // The window that takes the next event: a menu, else a modal window, else the window under test.
    QWidget* Finestra() {
        if (QWidget* p = QApplication::activePopupWidget()) return p;
        if (QWidget* m = QApplication::activeModalWidget()) return m;
        return bersaglio_();
    }

    void Evento() {
        QWidget* f = Finestra();
        if (f == nullptr) {
            ++conteggi_.Aperture;
            // A window that no longer opens ends the run (and fails it).
            conteggi_.NonSiApre = ++aperturaDiFila_ > 20;
            if (!conteggi_.NonSiApre) riapre_();
            return;
        }
        aperturaDiFila_ = 0;
        ++conteggi_.Eventi;
        if (f->isModal() || QApplication::activePopupWidget() == f) {
            ++conteggi_.Modali;
            conteggi_.FinestreModali.insert(f->metaObject()->className());
        }
        if (!f->isActiveWindow() && QApplication::activePopupWidget() != f) QApplication::setActiveWindow(f);
        const unsigned scelta = caso_() % 100;
        if (scelta < 40)
            Tasto(f, Uno(caso_, Tasti), Modificatori(caso_));
        else if (scelta < 60)
            Scrive(f, QString::fromUtf8(Uno(caso_, Testi)));
        else if (scelta < 90)
            Clic(f);
        else
            Sequenza(f);
    }

    static QWidget* Ricevente(QWidget* f) {
        QWidget* fuoco = QApplication::focusWidget();
        return fuoco && fuoco->window() == f->window() && fuoco->isVisible() ? fuoco : f;
    }
    static void Tasto(QWidget* f, Qt::Key tasto, Qt::KeyboardModifiers m) {
        QTest::keyClick(Ricevente(f), tasto, m);
    }
    static void Scrive(QWidget* f, const QString& testo) { QTest::keyClicks(Ricevente(f), testo); }

    void Sequenza(QWidget* f) {
        static const Qt::Key passi[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter,
                                        Qt::Key_Escape};
        const unsigned n = 2 + caso_() % 4;
        for (unsigned k = 0; k < n && Finestra() == f; ++k)
            Tasto(f, Uno(caso_, passi), Modificatori(caso_));
    }

    // A click, double click or right click at a random point of a visible, enabled child.
    void Clic(QWidget* f) {
        std::vector<QWidget*> figli{f};
        for (QWidget* c : f->findChildren<QWidget*>())
            if (c->isVisible() && c->isEnabled() && c->width() > 0 && c->height() > 0) figli.push_back(c);
        QWidget* c = figli[caso_() % figli.size()];
        if (auto* area = qobject_cast<QAbstractScrollArea*>(c)) c = area->viewport();
        const QPoint punto(static_cast<int>(caso_() % static_cast<unsigned>(c->width())),
                           static_cast<int>(caso_() % static_cast<unsigned>(c->height())));
        const Qt::KeyboardModifiers m = caso_() % 4 == 0 ? Modificatori(caso_) : Qt::KeyboardModifiers{};
        switch (caso_() % 8) {
        case 0:
            QTest::mouseDClick(c, Qt::LeftButton, m, punto);
            break;
        case 1:
            QTest::mouseClick(c, Qt::RightButton, m, punto);
            break;
        default:
            QTest::mouseClick(c, Qt::LeftButton, m, punto);
            break;
        }
    }

    // Closes the menu or modal window on top; false when none is open.
    static bool ChiudeModale() {
        if (QWidget* p = QApplication::activePopupWidget()) {
            p->close();
            return true;
        }
        QWidget* m = QApplication::activeModalWidget();
        if (m == nullptr) return false;
        if (auto* d = qobject_cast<QDialog*>(m))
            d->reject();
        else
            m->close();
        return true;
    }

    Dado caso_;
    int eventi_;
    std::function<QWidget*()> bersaglio_;
    std::function<void()> riapre_;
    QEventLoop ciclo_;
    Conteggi conteggi_;
    int aperturaDiFila_ = 0;
};

int EventiPerCaso() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("VELCORA_EVENTI_CASUALI", &ok);
    return ok && n > 0 ? n : 1500;
}

unsigned Seme(unsigned proprio) {
    bool ok = false;
    const int s = qEnvironmentVariableIntValue("VELCORA_SEME", &ok);
    return ok ? static_cast<unsigned>(s) : proprio;
}

// A text no cell may show: not a number, an infinity, or a number of a hundred digits or more.
bool TestoMalato(const QString& testo) {
    static const QRegularExpression nonNumero(QStringLiteral("^[-+]?(nan|inf|infinity|1\\.#inf|1\\.#qnan)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression cifre(QStringLiteral("[0-9]{100}"));
    return nonNumero.match(testo.trimmed()).hasMatch() || cifre.match(testo).hasMatch();
}

// Every text field and every grid cell of every window open.
std::vector<std::string> TestiMalati() {
    std::vector<std::string> malati;
    for (QWidget* finestra : QApplication::topLevelWidgets()) {
        for (const QLineEdit* campo : finestra->findChildren<QLineEdit*>())
            if (TestoMalato(campo->text()))
                malati.push_back(campo->objectName().toStdString() + ": " + campo->text().toStdString());
        for (const GrigliaModifica* g : finestra->findChildren<GrigliaModifica*>())
            for (int r = 0; r < g->Righe(); ++r)
                for (int c = 0; c < g->Colonne(); ++c)
                    if (const std::string t = g->TestoCella(r, c); TestoMalato(QString::fromStdString(t)))
                        malati.push_back(g->objectName().toStdString() + ": " + t);
    }
    return malati;
}

// The window under test in one case: the main window itself, or one of the windows it opens.
enum class Sotto {
    Principale,
    Sezioni,
    CarichiConcentrati,
    Elastici,
    Ridistribuzione,
    Impostazioni,
    Visualizza,
    Informazioni,
    Decalage,
    DiagrammaM,
    DiagrammaT
};

struct Caso {
    const char* Nome;
    const char* Esempio;
    Sotto Finestra;
    unsigned Seme;
};

const Caso Casi[] = {
    {"Principale_tre_campate", "tre_campate_appoggi.vlr", Sotto::Principale, 1},
    {"Principale_incastri_T", "due_campate_incastri_sezione_T.vlr", Sotto::Principale, 2},
    {"Principale_carichi", "carichi_concentrati_slu.vlr", Sotto::Principale, 3},
    {"Principale_ridistribuzione", "ridistribuzione_arrotondamento.vlr", Sotto::Principale, 4},
    {"Principale_rigidezza", "rigidezza_utente_sle.vlr", Sotto::Principale, 5},
    {"Principale_sbalzi", "sbalzi_entrambi_estremi.vlr", Sotto::Principale, 6},
    {"Principale_elastici", "vincoli_elastici_pilastri.vlr", Sotto::Principale, 7},
    {"Principale_nuova", nullptr, Sotto::Principale, 8},
    {"Sezioni", "due_campate_incastri_sezione_T.vlr", Sotto::Sezioni, 11},
    {"CarichiConcentrati", "carichi_concentrati_slu.vlr", Sotto::CarichiConcentrati, 12},
    {"Elastici", "vincoli_elastici_pilastri.vlr", Sotto::Elastici, 13},
    {"Ridistribuzione", "ridistribuzione_arrotondamento.vlr", Sotto::Ridistribuzione, 14},
    {"Impostazioni", "tre_campate_appoggi.vlr", Sotto::Impostazioni, 15},
    {"Visualizza", "carichi_concentrati_slu.vlr", Sotto::Visualizza, 16},
    {"Informazioni", "tre_campate_appoggi.vlr", Sotto::Informazioni, 17},
    {"Decalage", "tre_campate_appoggi.vlr", Sotto::Decalage, 18},
    {"DiagrammaM", "sbalzi_entrambi_estremi.vlr", Sotto::DiagrammaM, 19},
    {"DiagrammaT", "carichi_concentrati_slu.vlr", Sotto::DiagrammaT, 20},
};

class EventiCasuali : public FinestraPrincipale, public ::testing::WithParamInterface<Caso> {
  protected:
    void ApreEsempio(const char* esempio) {
        if (esempio == nullptr) {
            Avvia();
            return;
        }
        const fs::path file = dati / esempio;
        fs::copy_file(prova::CartellaEsempi() / esempio, file);
        Avvia({file.string()});
    }

    // The window of the case when it is open and not modal (modal ones are found as such).
    QWidget* Aperta(Sotto s) const {
        switch (s) {
        case Sotto::Decalage:
            for (FrmDecalage* d : w->findChildren<FrmDecalage*>())
                if (d->isVisible()) return d;
            return nullptr;
        case Sotto::DiagrammaM:
            return w->FinestraDiagramma(0);
        case Sotto::DiagrammaT:
            return w->FinestraDiagramma(1);
        default:
            return nullptr;
        }
    }

    // Opens the window of the case as the user does (a modal one returns when it closes).
    void Apre(Sotto s) {
        switch (s) {
        case Sotto::Principale:
            break;
        case Sotto::Sezioni:
            Controllo<QPushButton>(*w, "cbSezioni")->click();
            break;
        case Sotto::CarichiConcentrati:
            Controllo<QPushButton>(*w, "cbFconc")->click();
            break;
        case Sotto::Elastici:
            Controllo<QPushButton>(*w, "cbElastici")->click();
            break;
        case Sotto::Ridistribuzione:
            Controllo<QPushButton>(*w, "cmdRidist")->click();
            break;
        case Sotto::Impostazioni:
            Controllo<QAction>(*w, "mnuinpostazioni")->trigger();
            break;
        case Sotto::Visualizza:
            Controllo<QPushButton>(*w, "cbVisual")->click();
            break;
        case Sotto::Informazioni:
            Controllo<QAction>(*w, "mnuHelp2")->trigger();
            break;
        case Sotto::Decalage:
            Controllo<QAction>(*w, "mnuOpzioniItem2")->trigger();
            if (!Aperta(s)) Controllo<QAction>(*w, "mnuOpzioniItem2")->trigger(); // it was on: the first trigger turned it off
            break;
        case Sotto::DiagrammaM:
            Controllo<QPushButton>(*w, "cbDiagramma0")->click();
            break;
        case Sotto::DiagrammaT:
            Controllo<QPushButton>(*w, "cbDiagramma1")->click();
            break;
        }
    }

    // The main window, or a window it opened that is not modal; a main window closed by the
    // events (Esci, Ctrl+Q answered "No") is started again.
    QWidget* FinestraPrincipaleOAltra(Dado& caso) {
        std::vector<QWidget*> aperte;
        for (QWidget* f : QApplication::topLevelWidgets())
            if (f->isVisible() && f->windowType() != Qt::Popup && f->windowType() != Qt::ToolTip)
                aperte.push_back(f);
        if (aperte.empty()) return nullptr;
        return caso() % 4 == 0 ? aperte[caso() % aperte.size()] : (w->isVisible() ? w.get() : aperte.front());
    }

    // The beam as the window holds it writes as a data file, which reads back into the same file.
    void ControllaFileDati() {
        ASSERT_TRUE(w->isVisible());
        w->ControllaDatiGriglie(); // whatever it says, the beam holds what could be read
        Velcora trave = w->Trave();
        Impostazioni imp = w->Imp();
        MessaggiRegistrati zitto;
        const fs::path file = dati / "casuale.vlr";
        ASSERT_FALSE(ScriveFileTrave(file, trave, imp, zitto).has_value()) << file;
        Velcora letta;
        Impostazioni impLette = w->Imp();
        ASSERT_FALSE(LeggeFileTrave(file, letta, impLette, zitto).has_value()) << prova::LeggeTesto(file);
        const fs::path riscritto = dati / "riscritto.vlr";
        ASSERT_FALSE(ScriveFileTrave(riscritto, letta, impLette, zitto).has_value());
        EXPECT_EQ(prova::LeggeTesto(riscritto), prova::LeggeTesto(file));
    }
};

TEST_P(EventiCasuali, LaFinestraSopravvive) {
    const Caso& caso = GetParam();
    ApreEsempio(caso.Esempio);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    const unsigned seme = Seme(caso.Seme);
    Dado sceltaFinestra(seme + 1000U);
    const Sotto s = caso.Finestra;
    // The window of the case opens at the first event (a modal one runs inside the events).
    GeneratoreEventi generatore(
        seme, EventiPerCaso(),
        [&]() -> QWidget* {
            if (s != Sotto::Principale) return Aperta(s);
            return FinestraPrincipaleOAltra(sceltaFinestra);
        },
        [&] {
            // No waiting here: the events go on meanwhile.
            w->show();
            QApplication::setActiveWindow(w.get());
            Apre(s);
        });
    const Conteggi fatti = generatore.Esegue();

    // The report of the run, for whoever reads the test's output.
    std::string modali;
    for (const std::string& m : fatti.FinestreModali)
        modali += " " + m;
    std::set<std::string> detti;
    for (const auto& v : msg.Voci)
        detti.insert(v.Testo);
    std::printf("[ casuale  ] %s seme %u: %d eventi (%d in finestre modali:%s), %d riaperture, %zu messaggi "
                "diversi\n",
                caso.Nome, seme, fatti.Eventi, fatti.Modali, modali.c_str(), fatti.Aperture, detti.size());
    for (const std::string& d : detti)
        std::printf("[ casuale  ]   \"%s\"\n", d.c_str());

    EXPECT_FALSE(fatti.NonSiApre) << "la finestra non si apre più";
    w->show();
    Riattiva();
    const std::vector<std::string> malati = TestiMalati();
    EXPECT_TRUE(malati.empty()) << malati.front();
    ControllaFileDati();
}

INSTANTIATE_TEST_SUITE_P(Finestre, EventiCasuali, ::testing::ValuesIn(Casi),
                         [](const ::testing::TestParamInfo<Caso>& p) { return std::string(p.param.Nome); });

} // namespace
} // namespace vc
