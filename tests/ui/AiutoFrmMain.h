#pragma once
// The main window under test: its messages recorded, its file dialogs answered from a list,
// its printer a PDF file, started in a folder of its own.

#include "AiutoDialoghi.h"
#include "AiutoFinestre.h"

#include "ui/FrmMain.h"
#include "ui/GrigliaModifica.h"
#include "ui/ServiziFinestra.h"
#include "ui/StampanteQt.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace vc::prova {

namespace fs = std::filesystem;

// Open and save dialogs that answer what the test has queued (nothing queued: cancelled) and
// remember what they were asked.
class DialoghiProva final : public DialogoFile {
  public:
    std::optional<fs::path> Apri(const RichiestaDialogo& r) override { return Risponde(r, RisposteApri); }
    std::optional<fs::path> Salva(const RichiestaDialogo& r) override { return Risponde(r, RisposteSalva); }

    std::deque<std::optional<fs::path>> RisposteApri, RisposteSalva;
    std::vector<RichiestaDialogo> Richieste;

  private:
    std::optional<fs::path> Risponde(const RichiestaDialogo& r, std::deque<std::optional<fs::path>>& coda) {
        Richieste.push_back(r);
        if (coda.empty()) return std::nullopt;
        auto risposta = coda.front();
        coda.pop_front();
        return risposta;
    }
};

class ServiziProva final : public ServiziFinestra {
  public:
    DialogoFile& Dialoghi() override { return Dialoghi_; }
    std::unique_ptr<Stampante> NuovaStampante() override {
        ++StampantiAperte;
        return StampanteQt::SuFilePdf(FilePdf, Copie);
    }
    bool ApreDocumento(const fs::path& p) override {
        DocumentiAperti.push_back(p);
        return true;
    }

    DialoghiProva Dialoghi_;
    QString FilePdf;
    int Copie = 1;
    int StampantiAperte = 0;
    std::vector<fs::path> DocumentiAperti;
};

inline std::string LeggeTesto(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The examples of the source tree (this file is tests/ui/AiutoFrmMain.h).
inline fs::path CartellaEsempi() {
    return fs::path(__FILE__).parent_path().parent_path().parent_path() / "examples";
}

// The fixture: a shown, active main window with Italian separators.
class FinestraPrincipale : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(cartella_.isValid());
        programma = fs::path(cartella_.path().toStdString()) / "programma";
        dati = fs::path(cartella_.path().toStdString()) / "dati";
        fs::create_directories(programma);
        fs::create_directories(dati);
        // A complete settings file, so that the start is silent.
        std::ofstream(programma / "VelcoraDwg.ini", std::ios::binary)
            << "1\r\n1.3\r\n.8\r\n1.5\r\n0\r\n1.5\r\n0\r\n1.5\r\n.7\r\n.5\r\n.3\r\n.7\r\n.5\r\n.3\r\n";
        servizi.FilePdf = QString::fromStdString((dati / "relazione.pdf").string());
        w = std::make_unique<FrmMain>(Separatori::Italiani(), &msg, &servizi);
    }

    void Avvia(std::vector<std::string> riga = {}, bool dimenticaMessaggi = true) {
        AvvioProgramma avvio;
        avvio.CartellaProgramma = programma;
        avvio.CartellaCorrente = dati;
        avvio.RigaComando = std::move(riga);
        avvio.CartellaRecupero = dati / "recupero";
        w->Avvia(avvio);
        w->show();
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        if (dimenticaMessaggi) msg.Voci.clear();
    }

    void TearDown() override {
        if (w) {
            // Whatever the test left unsaved is not to be asked about.
            w->setAttribute(Qt::WA_DeleteOnClose, false);
            w->hide();
        }
    }

    // After a modal window the desktop gives the main window back its activation (the
    // offscreen platform does not), and with it the focus it had.
    void Riattiva() {
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    // Keys as the user types them, on whatever has the focus.
    static QWidget* Fuoco() {
        QWidget* f = QApplication::focusWidget();
        EXPECT_NE(f, nullptr) << "nessun controllo ha il fuoco";
        return f;
    }
    static void Digita(const QString& testo) {
        if (QWidget* f = Fuoco()) QTest::keyClicks(f, testo);
    }
    static void Invio() {
        if (QWidget* f = Fuoco()) QTest::keyClick(f, Qt::Key_Return);
        QApplication::processEvents(); // the user looks before typing on
    }
    static void DigitaInvio(const QString& testo) {
        Digita(testo);
        Invio();
    }
    // A click where the user clicks: on the box of a check box or an option, else in the middle.
    static void Clic(QWidget* w) {
        const bool casella = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, casella ? QPoint(8, w->height() / 2) : w->rect().center());
        QApplication::processEvents();
    }
    void ClicCella(GrigliaModifica* g, int riga, int colonna) {
        const QRect r = g->visualRect(g->model()->index(riga - 1, colonna));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }
    QAction* Menu(const char* nome) const { return Controllo<QAction>(*w, QLatin1String(nome)); }

    // The beam typed straight into the cells (for the tests that are not about typing).
    void ScriveTrave(int n, const std::vector<std::vector<const char*>>& campate,
                     const std::vector<const char*>& appoggi) {
        QLineEdit* conteggio = Controllo<QLineEdit>(*w, "txtCampate");
        conteggio->setText(QString::number(n));
        conteggio->setFocus();
        QTest::keyClick(conteggio, Qt::Key_Return);
        GrigliaModifica* luci = Controllo<GrigliaModifica>(*w, "FlexGrid0");
        GrigliaModifica* larghezze = Controllo<GrigliaModifica>(*w, "FlexGrid1");
        luci->AnnullaModifica();
        for (int i = 1; i <= n; ++i)
            for (int c = 1; c <= 6; ++c)
                luci->ScriveCella(std::string(campate[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(c - 1)]), i, c);
        for (int k = 1; k <= n + 1; ++k) larghezze->ScriveCella(std::string(appoggi[static_cast<std::size_t>(k - 1)]), k, 1);
    }

    // A rectangular section 30 × 50, as the sections window would store it.
    static void SezioneRettangolare(Velcora& t, int numero = 1) {
        if (t.nSezioni() < numero) t.AggiungeSezioni(numero);
        t.InserisceDatiSezione(numero, 0, MatriceFigure{{{0.3f, 0.5f}, {0.0f, 0.0f}}}, 3.0e7f);
    }

    bool Detto(const std::string& testo) const {
        for (const auto& v : msg.Voci)
            if (v.Testo == testo) return true;
        return false;
    }
    std::string Messaggi() const {
        std::string s;
        for (const auto& v : msg.Voci) s += "[" + v.Testo + "] ";
        return s;
    }

    QTemporaryDir cartella_;
    fs::path programma, dati;
    MessaggiRegistrati msg;
    ServiziProva servizi;
    std::unique_ptr<FrmMain> w;
};

} // namespace vc::prova
