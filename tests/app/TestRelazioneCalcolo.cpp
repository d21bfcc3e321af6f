// The calculation report in PDF, written by velcora-cli and read back with poppler's
// pdftotext: its headings, units and hand-checked values, its pages, and that no two words
// overlap and none is under 7 points.

#include "files/AiutoFile.h"
#include "files/DiscoPieno.h"
#include "files/RelazioneDueCampate.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace vc::test {
namespace {

QString Q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

struct Esito {
    int Codice = -1;
    std::string Errori;
};

Esito Esegui(const QString& programma, const QStringList& argomenti, std::string* uscita = nullptr) {
    QProcess p;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    p.setProcessEnvironment(ambiente);
    p.start(programma, argomenti);
    EXPECT_TRUE(p.waitForFinished(60000));
    if (uscita) *uscita = p.readAllStandardOutput().toStdString();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            p.readAllStandardError().toStdString()};
}

// The text of the report, its lines as laid out on the page.
std::string Testo(const fs::path& pdf) {
    std::string t;
    Esegui(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), Q(pdf), QStringLiteral("-")}, &t);
    return t;
}

struct Parola {
    double x0, y0, x1, y1;
    std::string Testo;
};
using Pagina = std::vector<Parola>;

// Every word of every page with its box (points), as pdftotext -bbox gives them.
std::vector<Pagina> Parole(const fs::path& pdf) {
    std::string xhtml;
    Esegui(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), Q(pdf), QStringLiteral("-")}, &xhtml);
    std::vector<Pagina> pagine;
    static const QRegularExpression parola(QString::fromUtf8(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    auto it = parola.globalMatch(QString::fromStdString(xhtml));
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            pagine.emplace_back();
            continue;
        }
        if (pagine.empty()) pagine.emplace_back();
        pagine.back().push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                                 m.captured(4).toDouble(), m.captured(5).toStdString()});
    }
    return pagine;
}

bool Sovrapposte(const Parola& a, const Parola& b) {
    constexpr double tolleranza = 0.3; // points: boxes of adjacent lines touch
    return a.x0 + tolleranza < b.x1 && b.x0 + tolleranza < a.x1 && a.y0 + tolleranza < b.y1 &&
           b.y0 + tolleranza < a.y1;
}

// No two words of a page overlap, none is under 7 points (the box of a word of DejaVu Sans is
// 1.16 times its size high), and the footer counts the pages.
void ControllaPagine(const fs::path& pdf) {
    const auto pagine = Parole(pdf);
    ASSERT_FALSE(pagine.empty()) << pdf;
    for (std::size_t k = 0; k < pagine.size(); ++k) {
        const Pagina& p = pagine[k];
        for (std::size_t i = 0; i < p.size(); ++i) {
            EXPECT_GE(p[i].y1 - p[i].y0, 7 * 1.16 - 0.05) << pdf << " pagina " << k + 1 << ": " << p[i].Testo;
            for (std::size_t j = i + 1; j < p.size(); ++j)
                EXPECT_FALSE(Sovrapposte(p[i], p[j]))
                    << pdf << " pagina " << k + 1 << ": \"" << p[i].Testo << "\" e \"" << p[j].Testo << "\"";
        }
    }
}

int Pagine(const fs::path& pdf) {
    std::string info;
    Esegui(QStringLiteral("pdfinfo"), {Q(pdf)}, &info);
    const auto m =
        QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(QString::fromStdString(info));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// A data file of n equal spans of 5 m on simple supports, the two-span beam's loads and section.
std::string FileCampateUguali(int n) {
    std::string f = "\"Trave di " + std::to_string(n) + " campate\",\"7.6\"\r\n" + std::to_string(n) + "\r\n";
    for (int i = 0; i < n; ++i)
        f += "5,12,4,16,0,1\r\n";
    f += "0,0\r\n1\r\n0,3E+07\r\n0.3,0.5\r\n";
    for (int i = 0; i <= n; ++i)
        f += "0.3\r\n";
    return f += "#FALSE#,0,0\r\n#FALSE#\r\n0\r\n0\r\n#FALSE#,0,0,0\r\n#FALSE#\r\n0\r\n"
                "1,1.3,0.8,1.5,0,1.5,0,1.5,0.7,0.5,0.3,0.7,0.5,0.3\r\n#FALSE#\r\n0,0\r\n0\r\n0\r\n";
}

class RelazioneCalcolo : public ::testing::Test {
  protected:
    Esito Scrive(const fs::path& dati, const fs::path& pdf, QStringList opzioni = {}) {
        opzioni << QStringLiteral("--relazione") << Q(pdf) << Q(dati);
        return Esegui(QStringLiteral(VELCORA_CLI), opzioni);
    }
    CartellaTemporanea Cartella;
};

// The two-span beam worked out by hand, SLE rara: every support moment, shear and reaction as
// the tables show them, with their units, under the report's headings.
TEST_F(RelazioneCalcolo, TraveControllataAMano) {
    const fs::path dati = Cartella.Percorso / "prova.vlr", pdf = Cartella.Percorso / "prova.pdf";
    ScriveByte(dati, FileDueCampate);
    ASSERT_EQ(Scrive(dati, pdf, {"--stato-limite", "rara", "--separatori", "it"}).Codice, 0);
    const std::string t = Testo(pdf);
    const char* attesi[] = {
        // headings and the header
        R"(1\. Dati della trave)", R"(2\. Combinazione dei carichi)", R"(3\. Opzioni di calcolo)",
        R"(4\. Risultati)", R"(5\. Diagrammi)", R"(Campate 1 - 2)", R"(Relazione di calcolo)",
        R"(Trave di prova)", R"(File: prova)", R"(Pagina 1 di \d)",
        // units of the columns
        R"(\[m\]\s+\[kN/m\]\s+\[kN/m\]\s+\[kN/m\]\s+\[kN/m\])", R"(\[kN/m²\]\s+\[m²\]\s+\[m⁴\])",
        R"(\[kNm\]\s+\[m\]\s+\[kNm\]\s+\[m\]\s+\[mm\]\s+\[mm\])", R"(\[kN\]\s+\[kN\]\s+\[kN\]\s+\[kN\])",
        // the data and the combination
        R"(1\s+5\s+1\s+12\s+4\s+16\s+0)", R"(rettangolare\s+0,3\s+0,5\s+-\s+-\s+3E\+07\s+0,15\s+0,003125)",
        R"(combinazione rara)", R"(Coefficienti parziali)", R"(1\s+16\s+16)",
        // support moments (Mmax, Mmin) and the deflections of span 1 in mm
        R"(Appoggio 1\s+0\s+0)", R"(Appoggio 2\s+-50\s+-100)", R"(Appoggio 3\s+0\s+0)",
        R"(Campata 1\s+66\s+2\s+19,5\d\s+1,[56]\s+1,55\s+-0,147)",
        // the diagrams' scales
        R"(lunghezze 1:\d+)", R"(Momenti flettenti \[kNm\] - 1 cm = [\d,]+ kNm)",
        R"(Tagli \[kN\] - 1 cm = [\d,]+ kN)", R"(Frecce \[mm\] - 1 cm = [\d,]+ mm)",
        // shears and reactions: Tmax s, Tmax d, Rmax, Rmin
        R"(\n\s*1\s+65\s+65\s+25)", R"(\n\s*2\s+-100\s+100\s+200\s+100)", R"(\n\s*3\s+-65\s+65\s+25)"};
    for (const char* atteso : attesi)
        EXPECT_TRUE(QRegularExpression(QString::fromUtf8(atteso)).match(QString::fromStdString(t)).hasMatch())
            << atteso << "\n"
            << t;
    ControllaPagine(pdf);
}

// The separators asked for, and the page count of a short and of a long beam.
TEST_F(RelazioneCalcolo, SeparatoriEPagine) {
    struct Caso {
        int Campate;
        const char* Separatori;
        const char* Atteso;
        const char* Escluso;
        int Pagine;
    };
    const Caso casi[] = {{3, "it", "0,003125", "0.003125", 3},
                         {3, "en", "0.003125", "0,003125", 3},
                         {30, "it", "Appoggio 31", "Appoggio 32", 10}};
    for (const Caso& c : casi) {
        const fs::path dati = Cartella.Percorso / "trave.vlr", pdf = Cartella.Percorso / "trave.pdf";
        ScriveByte(dati, FileCampateUguali(c.Campate));
        ASSERT_EQ(Scrive(dati, pdf, {"--separatori", c.Separatori}).Codice, 0) << c.Campate;
        const std::string t = Testo(pdf);
        EXPECT_NE(t.find(c.Atteso), std::string::npos) << c.Campate << c.Separatori;
        EXPECT_EQ(t.find(c.Escluso), std::string::npos) << c.Campate << c.Separatori;
        EXPECT_EQ(Pagine(pdf), c.Pagine) << c.Campate;
        const std::string ultima = "Pagina " + std::to_string(c.Pagine) + " di " + std::to_string(c.Pagine);
        EXPECT_NE(t.find(ultima), std::string::npos) << c.Campate;
        ControllaPagine(pdf);
    }
}

// Every example gives a report whose words stand apart.
TEST_F(RelazioneCalcolo, OgniEsempio) {
    const auto esempi = FileIn(CartellaEsempi(), ".vlr");
    ASSERT_FALSE(esempi.empty()) << CartellaEsempi();
    for (const fs::path& f : esempi) {
        const fs::path pdf = Cartella.Percorso / (f.stem().string() + ".pdf");
        const Esito e = Scrive(f, pdf, {"--separatori", "it"});
        ASSERT_EQ(e.Codice, 0) << f << e.Errori;
        ControllaPagine(pdf);
    }
}

// A full disk: the message, exit status 1 and the old file as it was.
TEST_F(RelazioneCalcolo, DiscoPienoLasciaIlVecchioFile) {
    DiscoPieno disco(4096);
    if (!disco.Disponibile()) GTEST_SKIP() << "né un tmpfs né un limite alla dimensione dei file";
    const fs::path dati = Cartella.Percorso / "prova.vlr", pdf = disco.Cartella / "relazione.pdf";
    ScriveByte(dati, FileDueCampate);
    ScriveByte(pdf, "vecchio");
    Esito e;
    {
        const auto pieno = disco.Riempie();
        e = Scrive(dati, pdf);
    }
    EXPECT_EQ(e.Codice, 1);
    EXPECT_NE(e.Errori.find("Scrittura incompleta del file\n"), std::string::npos) << e.Errori;
    EXPECT_EQ(LeggeByte(pdf), "vecchio");
    EXPECT_EQ(FileIn(disco.Cartella), std::vector<fs::path>{pdf});
}

} // namespace
} // namespace vc::test
