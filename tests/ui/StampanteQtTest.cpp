// The listing on paper: lines, columns and pages on a PDF printer; the filters of the file
// dialogs as Qt writes them.

#include "ui/StampanteQt.h"

#include "files/DiscoPieno.h"
#include "ui/DestinazionePdf.h"
#include "ui/ServiziFinestra.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <regex>

namespace vc {
namespace {

namespace fs = std::filesystem;

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
    for (int k = 1; k <= 150; ++k)
        righe.StampaRiga("riga " + std::to_string(k));
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

TEST(StampanteQt, FileInUnaCartellaCheNonCeLoDice) {
    const fs::path file = "/cartella/che/non/esiste/x.pdf";
    auto stampante = StampanteQt::SuFilePdf(QString::fromStdString(file.string()));
    ASSERT_TRUE(stampante->ChiediCopie().has_value());
    stampante->Reimposta();
    stampante->Righe().StampaRiga("riga");
    EXPECT_THROW(stampante->FineDocumento(), ErroreFile);
    EXPECT_EQ(stampante->Errore().toStdString(),
              test::ScritturaIncompleta(file, std::errc::no_such_file_or_directory));
}

// Prints a page of a hundred lines into the file.
void StampaPagina(StampanteQt& stampante) {
    ASSERT_TRUE(stampante.ChiediCopie().has_value());
    stampante.Reimposta();
    for (int k = 1; k <= 100; ++k)
        stampante.Righe().StampaRiga("riga della relazione " + std::to_string(k));
    stampante.FineDocumento();
}

TEST(StampanteQt, PdfSuDiscoPienoLasciaIlVecchioFile) {
    test::DiscoPieno disco(4096);
    if (!disco.Disponibile()) GTEST_SKIP() << "né un tmpfs né un limite alla dimensione dei file";
    const fs::path file = disco.Cartella / "relazione.pdf";
    test::ScriveByte(file, "vecchio");
    auto stampante = StampanteQt::SuFilePdf(QString::fromStdString(file.string()));
    {
        const auto pieno = disco.Riempie();
        EXPECT_THROW(StampaPagina(*stampante), ErroreFile);
    }
    EXPECT_TRUE(stampante->Errore().startsWith(QStringLiteral("Scrittura incompleta del file\r\n")));
    EXPECT_EQ(test::LeggeByte(file), "vecchio");
    EXPECT_EQ(std::distance(fs::directory_iterator(disco.Cartella), fs::directory_iterator()), 1);
}

TEST(StampanteQt, PdfProtettoDaScritturaNonSiSostituisce) {
    QTemporaryDir cartella;
    const fs::path file = fs::path(cartella.path().toStdString()) / "relazione.pdf";
    test::ScriveByte(file, "vecchio");
    fs::permissions(file, fs::perms::owner_read);
    auto stampante = StampanteQt::SuFilePdf(QString::fromStdString(file.string()));
    EXPECT_THROW(StampaPagina(*stampante), ErroreFile);
    EXPECT_EQ(test::LeggeByte(file), "vecchio");
}

// The Print dialog proposes the file beside the data file; cancelled, nothing is printed.
TEST(StampanteQt, IlDialogoProponeIlFilePdf) {
    const fs::path proposto = "/lavori/solai/trave 1.pdf";
    for (const bool conProposta : {true, false}) {
        StampanteQt stampante(nullptr);
        if (conProposta) stampante.ProponiFilePdf(proposto);
        QString campo = QStringLiteral("(nessun campo)");
        QTimer::singleShot(0, [&campo] {
            QWidget* dialogo = QApplication::activeModalWidget();
            if (!dialogo) return;
            if (auto* file = dialogo->findChild<QLineEdit*>(QStringLiteral("filename"))) campo = file->text();
            dialogo->close();
        });
        EXPECT_FALSE(stampante.ChiediCopie());
        if (conProposta)
            EXPECT_EQ(campo.toStdString(), proposto.string());
        else
            EXPECT_NE(campo.toStdString(), proposto.string());
        // The printer itself is not turned into a PDF printer by the proposal.
        EXPECT_TRUE(stampante.Stampante().outputFileName().isEmpty());
    }
}

TEST(VerificaPdf, SoloUnDocumentoCompleto) {
    QTemporaryDir cartella;
    const fs::path file = fs::path(cartella.path().toStdString()) / "pagina.pdf";
    auto stampante = StampanteQt::SuFilePdf(QString::fromStdString(file.string()));
    StampaPagina(*stampante);
    const std::string pdf = test::LeggeByte(file);
    EXPECT_FALSE(VerificaPdf(pdf));
    // Cut anywhere, as a full disk cuts it.
    for (std::size_t n : {std::size_t{0}, std::size_t{5}, pdf.size() / 2, pdf.size() - 40, pdf.size() - 7})
        EXPECT_EQ(VerificaPdf(std::string_view(pdf).substr(0, n)), CausaFile::Incompleto) << n;
    std::string spostato = pdf;
    spostato.replace(spostato.rfind("startxref") + 10, 1, "9");
    EXPECT_EQ(VerificaPdf(spostato), CausaFile::Incompleto);
}

TEST(DialoghiFileQt, FiltriComeLiScriveQt) {
    EXPECT_EQ(FiltriQt("Tutti i Files (*.*)|*.*|Files Velcora (*.vlr)|*.vlr"),
              (QStringList{QStringLiteral("Tutti i Files (*)"), QStringLiteral("Files Velcora (*.vlr)")}));
    EXPECT_EQ(FiltriQt("Testo|*.txt;*.lst"), (QStringList{QStringLiteral("Testo (*.txt *.lst)")}));
    EXPECT_TRUE(FiltriQt("").isEmpty());
}

} // namespace
} // namespace vc
