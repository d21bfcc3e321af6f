// The diagram commands of the main window, driven as a user would: the moment and shear
// windows (drawn offscreen and looked at), the scale boxes, the printed page with both
// diagrams, the DXF file, the CAD drawing and the load window.

#include "AiutoFrmMain.h"

#include "ui/FrmDiagramma.h"
#include "ui/PlottaDisegno.h"

#include <QDialog>
#include <QImage>
#include <QProcess>

#include <fstream>

namespace vc {
namespace {

using prova::CartellaEsempi;
using prova::FinestraPrincipale;
using prova::LeggeTesto;
namespace fs = std::filesystem;
using prova::Controllo;

std::string Pdf(const fs::path& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    return p.readAllStandardOutput().toStdString();
}

bool Bianco(QRgb c) {
    return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240;
}
bool Rossastro(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 120 && qBlue(c) < 120;
}

struct Conteggio {
    int disegnati = 0, rossi = 0;
};
Conteggio Guarda(const QImage& img, const QRect& r) {
    Conteggio c;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (!Bianco(p)) ++c.disegnati;
            if (Rossastro(p)) ++c.rossi;
        }
    return c;
}

class Diagrammi : public FinestraPrincipale {
  protected:
    void ApreEsempio(const char* esempio = "tre_campate_appoggi.vlr") {
        const fs::path file = dati / "trave.vlr";
        fs::copy_file(CartellaEsempi() / esempio, file, fs::copy_options::overwrite_existing);
        Avvia({file.string()});
        ASSERT_TRUE(Controllo<QGroupBox>(*w, "FrDiagrammi")->isVisible());
    }
    FrmDiagramma* Apre(int pulsante) {
        Clic(Controllo<QPushButton>(*w, "cbDiagramma", pulsante));
        FrmDiagramma* f = w->FinestraDiagramma(pulsante);
        EXPECT_NE(f, nullptr) << Messaggi();
        if (f) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(f));
        }
        return f;
    }
    prova::DialoghiProva& Dialoghi() { return servizi.Dialoghi_; }
};

TEST_F(Diagrammi, MomentiInUnaFinestraCheSiRidisegna) {
    ApreEsempio();
    FrmDiagramma* f = Apre(0);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Diagramma Momenti"));
    f->resize(800, 500);
    QImage img = f->grab().toImage();
    ASSERT_EQ(img.size(), QSize(800, 500));
    // The envelopes in red inside the middle band of the window; the margins stay white.
    const Conteggio dentro = Guarda(img, QRect(100, 60, 600, 380));
    EXPECT_GT(dentro.disegnati, 500);
    EXPECT_GT(dentro.rossi, 200);
    // A drawing, not a filled window.
    EXPECT_LT(Guarda(img, img.rect()).disegnati, 800 * 500 / 5);
    // A smaller window draws the whole diagram again, inside its own size.
    f->resize(400, 260);
    QApplication::processEvents();
    img = f->grab().toImage();
    ASSERT_EQ(img.size(), QSize(400, 260));
    EXPECT_GT(Guarda(img, QRect(40, 18, 320, 225)).rossi, 100);
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
}

TEST_F(Diagrammi, LeScaleAutomaticheVannoNelleCaselle) {
    ApreEsempio();
    ASSERT_FALSE(Controllo<QCheckBox>(*w, "ckScalePreimpostate")->isChecked());
    FrmDiagramma* m = Apre(0);
    ASSERT_NE(m, nullptr);
    m->grab();
    EXPECT_FALSE(Controllo<QLineEdit>(*w, "txtscala0")->text().isEmpty());
    EXPECT_FALSE(Controllo<QLineEdit>(*w, "txtscala2")->text().isEmpty());
    FrmDiagramma* t = Apre(1);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->windowTitle(), QStringLiteral("Diagramma Tagli"));
    t->grab();
    EXPECT_FALSE(Controllo<QLineEdit>(*w, "txtscala1")->text().isEmpty());
    // Scales shown are not a change to the beam.
    EXPECT_FALSE(w->Modificato());
}

TEST_F(Diagrammi, ConScaleFisseLeCaselleRestanoDellUtente) {
    ApreEsempio();
    Clic(Controllo<QCheckBox>(*w, "ckScalePreimpostate"));
    Controllo<QLineEdit>(*w, "txtscala0")->setText(QStringLiteral("40"));
    Controllo<QLineEdit>(*w, "txtscala1")->setText(QStringLiteral("30"));
    Controllo<QLineEdit>(*w, "txtscala2")->setText(QStringLiteral("0,002"));
    FrmDiagramma* m = Apre(0);
    ASSERT_NE(m, nullptr);
    m->grab();
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtscala0")->text(), QStringLiteral("40"));
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtscala2")->text(), QStringLiteral("0,002"));
}

TEST_F(Diagrammi, MpiuTStampaUnaPaginaConTitoliEScale) {
    ApreEsempio();
    Clic(Controllo<QPushButton>(*w, "cbDiagramma2"));
    ASSERT_EQ(servizi.StampantiAperte, 1) << Messaggi();
    const fs::path pdf = dati / "relazione.pdf";
    ASSERT_TRUE(fs::exists(pdf));
    const std::string testo = Pdf(pdf);
    ASSERT_FALSE(testo.empty()) << "pdftotext";
    EXPECT_NE(testo.find("Scala momenti 1:"), std::string::npos) << testo;
    EXPECT_NE(testo.find("Scala tagli 1:"), std::string::npos) << testo;
    EXPECT_NE(testo.find("File : trave"), std::string::npos) << testo;
    EXPECT_NE(testo.find(Controllo<QLineEdit>(*w, "txtscala0")->text().toStdString()), std::string::npos) << testo;
    EXPECT_EQ(testo.find('\f'), testo.rfind('\f')) << "una sola pagina";
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
}

TEST_F(Diagrammi, MpiuTSuUnPdfProtettoLoLasciaComEra) {
    ApreEsempio();
    const fs::path pdf = dati / "protetto.pdf";
    std::ofstream(pdf) << "vecchio";
    fs::permissions(pdf, fs::perms::owner_read);
    servizi.FilePdf = QString::fromStdString(pdf.string());
    Clic(Controllo<QPushButton>(*w, "cbDiagramma2"));
    ASSERT_EQ(msg.Voci.size(), 1u) << Messaggi();
    EXPECT_EQ(msg.Voci[0].Testo, "Scrittura incompleta del file\r\n" + pdf.string() + ": il file è protetto da scrittura");
    std::ifstream letto(pdf);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(letto), {}), "vecchio");
}

TEST_F(Diagrammi, EsportaDxfChiedeIlNomeEScriveIlFile) {
    ApreEsempio();
    Dialoghi().RisposteSalva.push_back(dati / "diagrammi");
    Menu("mnuFileItem17")->trigger();
    ASSERT_EQ(Dialoghi().Richieste.size(), 1u);
    const RichiestaDialogo& r = Dialoghi().Richieste[0];
    EXPECT_EQ(r.NomeFile, "trave.dxf");
    EXPECT_EQ(r.Filtro, "All Files (*.*)|*.*|Files per Autocad (*.dxf)|*.dxf");
    EXPECT_EQ(r.IndiceFiltro, 2);
    EXPECT_TRUE(r.ChiediSovrascrittura);
    const std::string dxf = LeggeTesto(dati / "diagrammi.dxf");
    ASSERT_FALSE(dxf.empty()) << Messaggi();
    EXPECT_EQ(dxf.rfind("  0\r\nSECTION", 0) == 0 || dxf.rfind("  0\nSECTION", 0) == 0, true);
    EXPECT_NE(dxf.find("POLYLINE"), std::string::npos);
    EXPECT_NE(dxf.find("Scala momenti 1:"), std::string::npos);
    EXPECT_NE(dxf.find("Scala tagli 1:"), std::string::npos);
    EXPECT_NE(dxf.find("EOF"), std::string::npos);
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
}

TEST_F(Diagrammi, DxfAnnullatoNonScriveNiente) {
    ApreEsempio();
    Menu("mnuFileItem17")->trigger();
    EXPECT_EQ(Dialoghi().Richieste.size(), 1u);
    EXPECT_FALSE(fs::exists(dati / "trave.dxf"));
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
}

TEST_F(Diagrammi, AutocadChiedeUnaVoltaPoiAggiungeAlloStessoDisegno) {
    ApreEsempio();
    Dialoghi().RisposteSalva.push_back(dati / "disegno.dxf");
    Clic(Controllo<QPushButton>(*w, "cbDiagramma4")); // "D&WG"
    ASSERT_EQ(Dialoghi().Richieste.size(), 1u) << Messaggi();
    EXPECT_EQ(Dialoghi().Richieste[0].NomeFile, "trave.dxf");
    const fs::path disegno = dati / "disegno.dxf";
    const std::string prima = LeggeTesto(disegno);
    ASSERT_FALSE(prima.empty());
    EXPECT_NE(prima.find("ENTITIES"), std::string::npos);
    ASSERT_EQ(servizi.DocumentiAperti.size(), 1u);
    EXPECT_EQ(servizi.DocumentiAperti[0], disegno);
    // The menu command draws again into the same drawing, without asking.
    Menu("mnuFileItem10")->trigger();
    EXPECT_EQ(Dialoghi().Richieste.size(), 1u);
    EXPECT_GT(LeggeTesto(disegno).size(), prima.size());
    EXPECT_EQ(servizi.DocumentiAperti.size(), 2u);
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
}

TEST_F(Diagrammi, EsportaBloccoSalvaIlDisegnoEChiude) {
    ApreEsempio();
    Dialoghi().RisposteSalva.push_back(dati / "blocchi.dxf");
    Clic(Controllo<QPushButton>(*w, "cbDiagramma3"));
    const std::string dxf = LeggeTesto(dati / "blocchi.dxf");
    ASSERT_FALSE(dxf.empty()) << Messaggi();
    EXPECT_NE(dxf.find("DiagrammaM"), std::string::npos);
    EXPECT_NE(dxf.find("VELCORA"), std::string::npos);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(Diagrammi, VisualizzaApreIlDiagrammaDeiCarichi) {
    ApreEsempio("carichi_concentrati_slu.vlr");
    prova::QuandoSiApre([](QWidget* finestra) {
        if (auto* b = finestra->findChild<QPushButton*>(QStringLiteral("cmdOK"))) {
            b->click();
        } else if (auto* d = qobject_cast<QDialog*>(finestra)) {
            d->accept();
        }
    });
    Clic(Controllo<QPushButton>(*w, "cbVisual"));
    FrmDiagramma* c = w->FinestraDiagramma(2);
    ASSERT_NE(c, nullptr) << Messaggi();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c));
    c->resize(800, 500);
    const QImage img = c->grab().toImage();
    EXPECT_GT(Guarda(img, QRect(60, 30, 680, 440)).disegnati, 500);
    EXPECT_EQ(Guarda(img, QRect(0, 0, 20, 500)).disegnati, 0);
}

TEST_F(Diagrammi, UnaNuovaTraveChiudeIDiagrammi) {
    ApreEsempio();
    QPointer<FrmDiagramma> f = Apre(0);
    ASSERT_TRUE(f);
    w->PurgaForm();
    QApplication::processEvents();
    EXPECT_TRUE(!f || !f->isVisible());
}

} // namespace
} // namespace vc
