// One source of separators: under one locale the window's text listing and the command line's
// are the same text, also for a locale the C library does not have installed (Qt reads the
// locale's name, as both programs now do).

#include "AiutoFrmMain.h"

#include "ui/SeparatoriQt.h"

#include <QLocale>
#include <QProcess>

namespace vc {
namespace {

namespace fs = std::filesystem;

class SeparatoriFinestraECli : public prova::FinestraPrincipale {
  protected:
    // The listing of velcora-cli run under the locale.
    static std::string ListatoCli(const fs::path& file, const QString& locale) {
        QProcess p;
        p.setProgram(QStringLiteral(VELCORA_CLI));
        p.setArguments({QString::fromStdString(file.string())});
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("LC_ALL"), locale);
        ambiente.remove(QStringLiteral("LC_NUMERIC"));
        p.setProcessEnvironment(ambiente);
        p.start();
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return p.readAllStandardOutput().toStdString();
    }
};

TEST_F(SeparatoriFinestraECli, StessoListatoSottoUnaLocale) {
    const fs::path file = dati / "tre.vlr";
    fs::copy_file(prova::CartellaEsempi() / "tre_campate_appoggi.vlr", file);
    for (const char* nome : {"de_DE.UTF-8", "en_US.UTF-8", "it_IT.UTF-8"}) {
        SCOPED_TRACE(nome);
        // The window as the program starts it under that locale.
        w = std::make_unique<FrmMain>(SeparatoriDaQLocale(QLocale(QString::fromLatin1(nome).section(QLatin1Char('.'), 0, 0))),
                                      &msg, &servizi);
        Avvia({file.string()});
        const fs::path txt = dati / "finestra.txt";
        servizi.Dialoghi_.RisposteSalva.push_back(txt);
        Menu("mnuFileItem6")->trigger();
        ASSERT_TRUE(fs::exists(txt)) << Messaggi();
        // The text file is written in the Windows code page, the terminal gets UTF-8; "°" is
        // the only character of the listing beyond ASCII.
        std::string finestra = QString::fromLatin1(prova::LeggeTesto(txt)).toStdString();
        std::erase(finestra, '\r');
        const std::string cli = ListatoCli(file, QString::fromLatin1(nome));
        EXPECT_EQ(finestra, cli);
        // E grouped by the locale is too wide for its column: 3,1E+07, never a bare 31000000.
        EXPECT_EQ(cli.find("31000000"), std::string::npos);
        fs::remove(txt);
        w->hide();
    }
}

} // namespace
} // namespace vc
