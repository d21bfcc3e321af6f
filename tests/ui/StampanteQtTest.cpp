// The listing on paper: lines, columns and pages on a PDF printer; the filters of the file
// dialogs as Qt writes them.

#include "ui/ServiziFinestra.h"
#include "ui/StampanteQt.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <regex>

namespace vc {
namespace {

std::string PdfInTesto(const QString& pdf, const char* modo) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QLatin1String(modo), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    return p.readAllStandardOutput().toStdString();
}

// The left edge of a word on the first page, from pdftotext -bbox.
double Sinistra(const std::string& bbox, const std::string& parola) {
    const std::regex r("<word xMin=\"([0-9.]+)\"[^>]*>" + parola + "</word>");
    std::smatch m;
    return std::regex_search(bbox, m, r) ? std::stod(m[1]) : -1.0;
}

TEST(StampanteQt, RigheColonneEPagine) {
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("prova.pdf"));
    auto stampante = StampanteQt::SuFilePdf(pdf, 2);
    ASSERT_EQ(stampante->ChiediCopie(), std::optional<int>(2));
    stampante->Reimposta();
    StampanteRighe& righe = stampante->Righe();
    righe.StampaTesto("ABCDEFGHIJ");
    righe.StampaTab(5); // already past column 5: column 5 of the next line
    righe.StampaRiga("X");
    righe.StampaTesto("Y");
    righe.StampaTab(13);
    righe.StampaRiga("Z");
    for (int k = 1; k <= 150; ++k) righe.StampaRiga("riga " + std::to_string(k));
    stampante->FineDocumento();

    const std::string testo = PdfInTesto(pdf, "-layout");
    ASSERT_FALSE(testo.empty());
    EXPECT_NE(testo.find("riga 150"), std::string::npos);
    EXPECT_GE(std::count(testo.begin(), testo.end(), '\f'), 3); // pages end with a form feed

    const std::string bbox = PdfInTesto(pdf, "-bbox");
    const double a = Sinistra(bbox, "ABCDEFGHIJ");
    const double x = Sinistra(bbox, "X");
    const double y = Sinistra(bbox, "Y");
    const double z = Sinistra(bbox, "Z");
    ASSERT_GE(a, 0.0);
    ASSERT_GT(x, a);
    const double carattere = (x - a) / 4.0;
    EXPECT_NEAR(y, a, 0.01);
    EXPECT_NEAR((z - a) / carattere, 12.0, 0.05);
}

TEST(StampanteQt, CopieSuPagineProprie) {
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("copie.pdf"));
    auto stampante = StampanteQt::SuFilePdf(pdf, 3);
    const int copie = stampante->ChiediCopie().value_or(0);
    stampante->Reimposta();
    for (int c = 0; c < copie; ++c) {
        static_cast<RigheSuStampante&>(stampante->Righe()).NuovaCopia();
        stampante->Righe().StampaRiga("Copia della relazione");
    }
    stampante->FineDocumento();
    const std::string testo = PdfInTesto(pdf, "-layout");
    EXPECT_EQ(std::count(testo.begin(), testo.end(), '\f'), 3);
}

TEST(StampanteQt, StampanteCheNonPuoIniziareLoDice) {
    auto stampante = StampanteQt::SuFilePdf(QStringLiteral("/cartella/che/non/esiste/x.pdf"));
    ASSERT_TRUE(stampante->ChiediCopie().has_value());
    EXPECT_THROW(stampante->Reimposta(), std::runtime_error);
    EXPECT_TRUE(stampante->Errore().startsWith(QStringLiteral("La stampante non può iniziare la stampa")));
}

TEST(DialoghiFileQt, FiltriComeLiScriveQt) {
    EXPECT_EQ(FiltriQt("Tutti i Files (*.*)|*.*|Files Velcora (*.vlr)|*.vlr"),
              (QStringList{QStringLiteral("Tutti i Files (*)"), QStringLiteral("Files Velcora (*.vlr)")}));
    EXPECT_EQ(FiltriQt("Testo|*.txt;*.lst"), (QStringList{QStringLiteral("Testo (*.txt *.lst)")}));
    EXPECT_TRUE(FiltriQt("").isEmpty());
}

} // namespace
} // namespace vc
