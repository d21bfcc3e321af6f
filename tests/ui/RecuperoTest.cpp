// Nothing typed is lost when something goes wrong: the recovery file written while the work is
// unsaved and offered back after a program that was killed or ended by an internal error.

#include "AiutoFrmMain.h"

#include "ui/Recupero.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMessageBox>

namespace vc {
namespace {

using prova::FinestraPrincipale;
namespace fs = std::filesystem;
using prova::Controllo;

TEST(FileRecupero, RiletturaFedeleERifiutoDiUnTestoMonco) {
    LavoroNonSalvato l;
    l.NomeFile = "trave";
    l.PercorsoDati = "/home/utente/travi";
    l.Titolo = "Solaio\tpiano terra"; // a tab cannot be typed: it is kept as a blank
    l.Campate = "tre";
    l.Punti = "100";
    l.Scale = {"40", "", "0,002"};
    l.Griglie[0] = {{"5", "1e308", "abc", "", "", "1"}, {"", "", "", "", "", ""}};
    l.Griglie[1] = {{"0,3"}, {""}, {"0,3"}};
    l.DatiFile = "6.2\r\nriga\r\nDati\r\n";
    const std::string testo = TestoRecupero(l);
    const auto letto = LeggeRecupero(testo);
    ASSERT_TRUE(letto.has_value());
    LavoroNonSalvato atteso = l;
    atteso.Titolo = "Solaio piano terra";
    EXPECT_EQ(*letto, atteso);
    // A file cut short, or one that is not ours, is not offered.
    EXPECT_FALSE(LeggeRecupero(testo.substr(0, testo.find("Dati\n"))).has_value());
    EXPECT_FALSE(LeggeRecupero("6.2\r\n").has_value());
    EXPECT_FALSE(LeggeRecupero("Velcora recupero 1\nGriglia0\t9\n1\t2\n").has_value());
}

class LavoroRecuperato : public FinestraPrincipale {
  protected:
    fs::path File() const { return dati / "recupero" / "recupero.vlr"; }
    void ApreEsempio() {
        const fs::path file = dati / "trave.vlr";
        fs::copy_file(prova::CartellaEsempi() / "tre_campate_appoggi.vlr", file, fs::copy_options::overwrite_existing);
        Avvia({file.string()});
    }
    // The program killed: no close, no question, the window simply gone.
    void Uccide() {
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->hide();
        w.reset();
        w = std::make_unique<FrmMain>(Separatori::Italiani(), &msg, &servizi);
    }
    bool Chiesto() const {
        for (const auto& v : msg.Voci)
            if (v.Domanda && v.Testo == "Ripristina il lavoro non salvato?") return true;
        return false;
    }
};

TEST_F(LavoroRecuperato, DopoUnProgrammaUccisoIlLavoroTorna) {
    ApreEsempio();
    EXPECT_FALSE(fs::exists(File()));
    Controllo<QLineEdit>(*w, "txtTitolo")->setText(QStringLiteral("Trave modificata"));
    Controllo<GrigliaModifica>(*w, "FlexGrid0")->ScriveCella(std::string("6,5"), 1, 1);
    // Each calculation keeps the work it was given.
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    ASSERT_TRUE(fs::exists(File())) << Messaggi();
    // Then a text that is not yet a number, kept by the 30-second copy.
    Controllo<GrigliaModifica>(*w, "FlexGrid0")->ScriveCella(std::string("abc"), 2, 3);
    w->ScriveRecupero();
    const TabellaCelle campate = Controllo<GrigliaModifica>(*w, "FlexGrid0")->Celle();
    Uccide();

    msg.Risposte = {true};
    Avvia({}, false);
    EXPECT_TRUE(Chiesto()) << Messaggi();
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtTitolo")->text(), QStringLiteral("Trave modificata"));
    EXPECT_TRUE(Controllo<GrigliaModifica>(*w, "FlexGrid0")->Celle() == campate);
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtCampate")->text(), QStringLiteral("3"));
    EXPECT_EQ(w->Didascalia(), "Velcora - File: trave");
    // No file holds it yet: it is still to be saved.
    EXPECT_TRUE(w->Modificato());
    EXPECT_TRUE(Controllo<QGroupBox>(*w, "FrDiagrammi")->isVisible());
    // A clean exit (the changes not to be saved) leaves nothing behind.
    prova::QuandoSiApre([](QWidget* finestra) {
        if (auto* box = qobject_cast<QMessageBox*>(finestra))
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QStringLiteral("&No")) b->click();
    });
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(fs::exists(File()));
}

TEST_F(LavoroRecuperato, RifiutatoNonVieneOffertoDiNuovo) {
    ApreEsempio();
    Controllo<QLineEdit>(*w, "txtTitolo")->setText(QStringLiteral("Da buttare"));
    w->ScriveRecupero();
    Uccide();
    msg.Risposte = {false};
    Avvia({}, false);
    EXPECT_TRUE(Chiesto());
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtTitolo")->text(), QString());
    EXPECT_FALSE(fs::exists(File()));
    EXPECT_FALSE(w->Modificato());
}

TEST_F(LavoroRecuperato, UnErroreInternoLasciaIlLavoroAllaProssimaPartenza) {
    ApreEsempio();
    Controllo<QLineEdit>(*w, "txtTitolo")->setText(QStringLiteral("Lavoro in corso"));
    // The copy an internal error writes before the program ends.
    const std::string copia = w->SalvaRecupero();
    EXPECT_FALSE(copia.empty());
    EXPECT_TRUE(fs::exists(File()));
}

} // namespace
} // namespace vc
