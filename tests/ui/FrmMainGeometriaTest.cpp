// The main window on a small and on a large screen: every result readable, the split between
// input and results moved by the user, and both remembered from one run to the next.

#include "AiutoFrmMain.h"

#include <QFontMetrics>
#include <QSplitter>
#include <QStyle>

namespace vc {
namespace {

namespace fs = std::filesystem;
using prova::FinestraPrincipale;
using prova::Controllo;

// The cells of a grid whose text does not fit its column (shown cut to "...").
std::string CelleTagliate(const GrigliaModifica& g) {
    const QFontMetrics fm(g.font());
    const int margine = 2 * (g.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &g) + 1);
    std::string tagliate;
    for (int r = 0; r < g.Righe(); ++r)
        for (int c = 0; c < g.Colonne(); ++c) {
            const QString testo = QString::fromStdString(g.TestoCella(r, c));
            if (fm.elidedText(testo, Qt::ElideRight, g.columnWidth(c) - margine) != testo)
                tagliate.append(g.objectName().toStdString()).append(" ").append(testo.toStdString()).append("; ");
        }
    return tagliate;
}

class GeometriaFinestra : public FinestraPrincipale {
  protected:
    void Dimensione(int larghezza, int altezza) {
        w->resize(larghezza, altezza);
        QApplication::processEvents();
        QApplication::processEvents();
    }
    QSplitter* Divisore() const { return w->findChild<QSplitter*>(QStringLiteral("divisore")); }
};

TEST_F(GeometriaFinestra, DaMilleVentiquattroPerSettecentoNessunRisultatoTagliato) {
    for (const char* esempio : {"tre_campate_appoggi.vlr", "vincoli_elastici_pilastri.vlr", "carichi_concentrati_slu.vlr",
                                "sbalzi_entrambi_estremi.vlr", "due_campate_incastri_sezione_T.vlr"}) {
        SCOPED_TRACE(esempio);
        const fs::path file = dati / esempio;
        fs::copy_file(prova::CartellaEsempi() / esempio, file, fs::copy_options::overwrite_existing);
        w = std::make_unique<FrmMain>(Separatori::Italiani(), &msg, &servizi);
        // The desktop's font, larger than the test platform's, as on the machines seen.
        QFont carattere = w->font();
        carattere.setPointSizeF(carattere.pointSizeF() * 1.3);
        w->setFont(carattere);
        Avvia({file.string()});
        ASSERT_TRUE(w->EsegueCalcolo()) << Messaggi();
        int ingresso = 0; // the input side's width on the small screen
        for (const QSize schermo : {QSize(1024, 700), QSize(1600, 1000)}) {
            Dimensione(schermo.width(), schermo.height());
            EXPECT_EQ(w->size(), schermo) << "la finestra non entra";
            ASSERT_TRUE(Controllo<GrigliaModifica>(*w, "Grid1")->isVisible());
            EXPECT_EQ(CelleTagliate(*Controllo<GrigliaModifica>(*w, "Grid1")) + CelleTagliate(*Controllo<GrigliaModifica>(*w, "Grid2")), "") << schermo.width();
            // The results lie inside the window; a larger window gives its room to them.
            const QRect risultati(Controllo<GrigliaModifica>(*w, "Grid1")->mapTo(w.get(), QPoint(0, 0)), Controllo<GrigliaModifica>(*w, "Grid1")->size());
            EXPECT_TRUE(w->rect().contains(risultati)) << schermo.width();
            if (ingresso == 0) ingresso = Divisore()->sizes().value(0);
            EXPECT_EQ(Divisore()->sizes().value(0), ingresso) << schermo.width();
        }
        // Narrower than its texts, a results grid scrolls instead of cutting them.
        Divisore()->setSizes({900, 124});
        QApplication::processEvents();
        EXPECT_EQ(CelleTagliate(*Controllo<GrigliaModifica>(*w, "Grid1")), "");
        w->hide();
    }
}

TEST_F(GeometriaFinestra, DimensioneEDivisoreRicordatiTraUnAvvioEIlSuccessivo) {
    const fs::path impostazioni = dati / "finestra.ini";
    auto avvia = [&] {
        w = std::make_unique<FrmMain>(Separatori::Italiani(), &msg, &servizi);
        AvvioProgramma avvio;
        avvio.CartellaProgramma = programma;
        avvio.CartellaCorrente = dati;
        avvio.CartellaRecupero = dati / "recupero";
        avvio.FileFinestra = impostazioni;
        w->Avvia(avvio);
        w->show();
        QApplication::processEvents();
    };
    avvia();
    Dimensione(1100, 720);
    Divisore()->setSizes({420, 680});
    QApplication::processEvents();
    const QList<int> divisione = Divisore()->sizes();
    ASSERT_TRUE(w->close());
    EXPECT_TRUE(fs::exists(impostazioni));

    avvia();
    EXPECT_EQ(w->size(), QSize(1100, 720));
    EXPECT_EQ(Divisore()->sizes(), divisione);

    // Without a settings file the window starts at its own size and writes nothing.
    w = std::make_unique<FrmMain>(Separatori::Italiani(), &msg, &servizi);
    fs::remove(impostazioni);
    Avvia();
    Dimensione(1050, 710);
    ASSERT_TRUE(w->close());
    EXPECT_FALSE(fs::exists(impostazioni));
}

} // namespace
} // namespace vc
