// The main window's "Relazione di calcolo (PDF)...": it recalculates, asks for the file with the
// overwrite prompt and writes the report; cancelled, it writes nothing.

#include "AiutoFrmMain.h"

#include <QProcess>

namespace vc {
namespace {

namespace fs = std::filesystem;
using prova::Controllo;

class RelazioneFinestra : public prova::FinestraPrincipale {};

TEST_F(RelazioneFinestra, ScriveLaRelazioneDopoIlCalcolo) {
    const fs::path file = dati / "tre.vlr";
    fs::copy_file(prova::CartellaEsempi() / "tre_campate_appoggi.vlr", file);
    Avvia({file.string()});
    const fs::path pdf = dati / "tre.pdf";
    servizi.Dialoghi_.RisposteSalva.push_back(pdf);
    Menu("mnuFileItem8")->trigger();
    ASSERT_TRUE(msg.Voci.empty());
    ASSERT_EQ(servizi.Dialoghi_.Richieste.size(), 1u);
    const RichiestaDialogo& r = servizi.Dialoghi_.Richieste[0];
    EXPECT_EQ(r.Filtro, "Tutti i Files (*.*)|*.*|Relazione di calcolo (*.pdf)|*.pdf");
    EXPECT_EQ(r.Cartella, dati); // beside the data file, named after it
    EXPECT_EQ(r.NomeFile, "tre.pdf");
    EXPECT_TRUE(r.ChiediSovrascrittura);
    EXPECT_TRUE(Controllo<QGroupBox>(*w, "fraRisultati")->isVisible()); // calculated first, as every command that needs results

    QProcess testo;
    testo.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf.string()), QStringLiteral("-")});
    ASSERT_TRUE(testo.waitForFinished(30000));
    const QString t = QString::fromUtf8(testo.readAllStandardOutput());
    for (const char* titolo : {"1. Dati della trave", "4. Risultati", "5. Diagrammi", "Pagina 1 di 3"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(titolo))) << titolo;

    // Cancelled: nothing written, nothing said.
    fs::remove(pdf);
    Menu("mnuFileItem8")->trigger();
    EXPECT_FALSE(fs::exists(pdf));
    EXPECT_TRUE(msg.Voci.empty());
}

} // namespace
} // namespace vc
