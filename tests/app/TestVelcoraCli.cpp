// velcora-cli run as a separate program on data files written here.

#include "files/AiutoFile.h"
#include "files/DiscoPieno.h"
#include "files/RelazioneDueCampate.h"
#include "files/Codifica1252.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <algorithm>

namespace vc::test {
namespace {

struct Esito {
    int Codice = -1;
    std::string Uscita;
    std::string Errori;
};

QString Q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

// Runs the program; standard output goes to a file when one is given.
Esito Esegui(const QStringList& argomenti, const QString& uscitaSuFile = {}) {
    QProcess p;
    p.setProgram(QStringLiteral(VELCORA_CLI));
    p.setArguments(argomenti);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    p.setProcessEnvironment(ambiente);
    if (!uscitaSuFile.isEmpty()) p.setStandardOutputFile(uscitaSuFile);
    p.start();
    EXPECT_TRUE(p.waitForFinished(60000));
    Esito e;
    e.Codice = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    e.Uscita = p.readAllStandardOutput().toStdString();
    e.Errori = p.readAllStandardError().toStdString();
    return e;
}

double DatoCampata(const QJsonObject& j, qsizetype i, const char* chiave) {
    return j.value(QStringLiteral("campate")).toArray().at(i).toObject().value(QLatin1StringView(chiave)).toDouble();
}

bool Contiene(const std::string& testo, const std::string& parte) {
    return testo.find(parte) != std::string::npos;
}

// The hand-checked beam of two spans as "prova.vlr", and a settings file with the defaults.
class VelcoraCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ScriveByte(Dati, FileDueCampate);
        ScriveByte(Ini, "1\r\n1.3\r\n0.8\r\n1.5\r\n0\r\n1.5\r\n0\r\n1.5\r\n0.7\r\n0.5\r\n0.3\r\n0.7\r\n0.5\r\n0.3\r\n");
    }

    Esito Calcola(QStringList opzioni) {
        opzioni << QStringLiteral("--ini") << Q(Ini) << Q(Dati);
        return Esegui(opzioni);
    }

    QJsonObject Json(QStringList opzioni = {}) {
        const fs::path json = Cartella.Percorso / "risultati.json";
        opzioni << QStringLiteral("--json") << Q(json);
        const Esito e = Calcola(opzioni);
        EXPECT_EQ(e.Codice, 0) << e.Errori;
        QJsonParseError errore;
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(LeggeByte(json)), &errore);
        EXPECT_EQ(errore.error, QJsonParseError::NoError);
        return doc.object();
    }

    CartellaTemporanea Cartella;
    fs::path Dati = Cartella.Percorso / "prova.vlr";
    fs::path Ini = Cartella.Percorso / "VelcoraDwg.ini";
};

// --- The listing --------------------------------------------------------------------------------

TEST_F(VelcoraCli, RelazioneSullUscitaStandard) {
    const Esito e = Calcola({QStringLiteral("--separatori"), QStringLiteral("it")});
    EXPECT_EQ(e.Codice, 0);
    EXPECT_EQ(e.Errori, "");
    AttendeRighe(e.Uscita, RelazioneDueCampate());
}

TEST_F(VelcoraCli, SeparatoriInglesiEDelSistema) {
    const Esito en = Calcola({QStringLiteral("--separatori"), QStringLiteral("en")});
    EXPECT_EQ(en.Codice, 0);
    EXPECT_TRUE(Contiene(en.Uscita, "m           66          2           19.52       1.6        1.55E-03    -1.47E-04"));
    EXPECT_TRUE(Contiene(en.Uscita, "Larghezza appoggio 1 = 0\n"));
    // The "C" locale the test runs the program in, read as the window reads it (Qt's): a
    // decimal point, and a grouping that makes E too wide for its column.
    const Esito sistema = Calcola({});
    EXPECT_EQ(sistema.Codice, 0);
    EXPECT_TRUE(Contiene(sistema.Uscita, " 19.52"));
    EXPECT_TRUE(Contiene(sistema.Uscita, "E =  3E+07   J =  0.003125"));
}

TEST_F(VelcoraCli, FileDiStampaComeIlComandoDelMenu) {
    const fs::path txt = Cartella.Percorso / "prova.txt";
    const Esito e = Calcola({QStringLiteral("--separatori"), QStringLiteral("it"), QStringLiteral("--txt"), Q(txt)});
    EXPECT_EQ(e.Codice, 0) << e.Errori;
    EXPECT_EQ(e.Uscita, "");
    const std::string byte = LeggeByte(txt);
    EXPECT_TRUE(Contiene(byte, "Sez. N\xB0\r\n"));
    AttendeRighe(Da1252AUtf8(byte), RelazioneDueCampate());
}

TEST_F(VelcoraCli, RelazioneCheNonSiPuoScrivere) {
    const fs::path txt = Cartella.Percorso / "manca" / "prova.txt";
    const Esito e = Calcola({QStringLiteral("--txt"), Q(txt)});
    EXPECT_EQ(e.Codice, 1);
    EXPECT_TRUE(Contiene(e.Errori, "Scrittura incompleta del file"));

    const fs::path json = Cartella.Percorso / "manca" / "r.json";
    const Esito j = Calcola({QStringLiteral("--json"), Q(json)});
    EXPECT_EQ(j.Codice, 1);
    EXPECT_TRUE(Contiene(j.Errori, "Scrittura incompleta del file"));
}

TEST_F(VelcoraCli, UscitaStandardSuDiscoPieno) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "nessun /dev/full";
    QStringList argomenti{QStringLiteral("--ini"), Q(Ini), Q(Dati)};
    const Esito e = Esegui(argomenti, QStringLiteral("/dev/full"));
    EXPECT_EQ(e.Codice, 1);
    EXPECT_TRUE(Contiene(e.Errori, "Scrittura incompleta del file"));
}

// --- Settings and limit states -----------------------------------------------------------------

TEST_F(VelcoraCli, FileIniMancanteValoriPredefiniti) {
    const Esito e = Esegui({QStringLiteral("--ini"), Q(Cartella.Percorso / "nessuno.ini"), Q(Dati)});
    EXPECT_EQ(e.Codice, 0);
    EXPECT_TRUE(Contiene(e.Errori, "Il File VelcoraDwg.ini non esiste o è incompleto.\n"));
    EXPECT_TRUE(Contiene(e.Uscita, "NOME FILE: prova.vlr"));
}

TEST_F(VelcoraCli, IlFileIniSiLeggePrimaDelFileDeiDati) {
    // γG1 unfavourable 2 in the settings file. A "7.4" data file has no factors of its own, so
    // the settings file's hold; a "7.6" file brings its own (γG1 unfavourable 1.3).
    ScriveByte(Ini, "1\r\n2\r\n0.8\r\n1.5\r\n0\r\n1.5\r\n0\r\n1.5\r\n0.7\r\n0.5\r\n0.3\r\n0.7\r\n0.5\r\n0.3\r\n");
    const QStringList slu{QStringLiteral("--stato-limite"), QStringLiteral("SLU")};
    // Variable part, SLU: (γG1max − γG1min) G1 + (γG2max − γG2min) G2 + (γQ1max − γQ1min) Q1.
    EXPECT_NEAR(DatoCampata(Json(slu), 0, "CaricoDistribuitoVariabile"), 0.3 * 12 + 0.7 * 4 + 1.5 * 16, 1e-5);

    ScriveByte(Dati, "\"Trave di prova\",\"7.4\"\r\n2\r\n5,12,4,16,0,1\r\n5,12,4,16,0,1\r\n0,0\r\n1\r\n0,3E+07\r\n"
                     "0.3,0.5\r\n0\r\n0\r\n0\r\n#FALSE#,0,0\r\n#FALSE#\r\n0\r\n0\r\n#FALSE#,0,0,0\r\n#FALSE#\r\n"
                     "0\r\n#FALSE#\r\n0,0\r\n");
    EXPECT_NEAR(DatoCampata(Json(slu), 1, "CaricoDistribuitoVariabile"), 1.0 * 12 + 0.7 * 4 + 1.5 * 16, 1e-5);
}

TEST_F(VelcoraCli, StatoLimiteDallOpzioneODalFile) {
    struct Caso {
        QString Opzione;
        double Permanente, Variabile;
        std::string Riga;
    };
    // G1 = 12, G2 = 4, Q1 = 16, Q2 = 0 with the default factors.
    const Caso casi[] = {
        {QString(), 16, 16, "Risultati - Sollecitazioni SLE - Rara"}, // the file's SLE
        {QStringLiteral("SLU"), 12 + 0.8 * 4, 0.3 * 12 + 0.7 * 4 + 1.5 * 16, "Risultati - Sollecitazioni SLU"},
        {QStringLiteral("rara"), 16, 16, "Risultati - Sollecitazioni SLE - Rara"},
        {QStringLiteral("frequente"), 16, 0.5 * 16, "Risultati - Sollecitazioni SLE - Frequente"},
        {QStringLiteral("quasi-permanente"), 16, 0.3 * 16, "Risultati - Sollecitazioni SLE - Quasi permanente"},
    };
    for (const Caso& c : casi) {
        QStringList opzioni;
        if (!c.Opzione.isEmpty()) opzioni << QStringLiteral("--stato-limite") << c.Opzione;
        const QJsonObject campata = Json(opzioni)["campate"].toArray()[0].toObject();
        EXPECT_NEAR(campata["CaricoDistribuitoPermanente"].toDouble(), c.Permanente, 1e-5) << c.Riga;
        EXPECT_NEAR(campata["CaricoDistribuitoVariabile"].toDouble(), c.Variabile, 1e-5) << c.Riga;
        EXPECT_TRUE(Contiene(Calcola(opzioni).Uscita, c.Riga + "\n")) << c.Riga;
    }
}

// --- JSON ---------------------------------------------------------------------------------------

TEST_F(VelcoraCli, JsonFormaEValoriInFormaChiusa) {
    const QJsonObject j = Json();
    const QStringList chiavi{"nCampate",   "nPt",     "MiperApp",        "iFineCampata",    "diagrammi",
                             "appoggi",    "campate", "FrecciaMaxTrave", "FrecciaMinTrave", "LunghezzaTotale",
                             "PassoPlt"};
    for (const QString& k : chiavi) EXPECT_TRUE(j.contains(k)) << k.toStdString();
    EXPECT_EQ(j.size(), chiavi.size());

    ASSERT_EQ(j["nCampate"].toInt(), 2);
    // 50 steps of 0.1 m per span: the point outside the beam, then 51 points a span.
    ASSERT_EQ(j["nPt"].toInt(), 104);
    const QJsonArray fine = j["iFineCampata"].toArray();
    EXPECT_EQ(fine, (QJsonArray{1, 52, 103}));

    const QJsonObject d = j["diagrammi"].toObject();
    for (const char* k : {"xPlt", "yMmaxPlt", "yMminPlt", "yTmaxPlt", "yTminPlt", "yFrMaxPlt", "yFrMinPlt"})
        EXPECT_EQ(d[k].toArray().size(), 104) << k;
    EXPECT_EQ(d["xPlt"].toArray()[0].toDouble(), 0.0);
    EXPECT_EQ(d["xPlt"].toArray()[103].toDouble(), 10.0);
    EXPECT_EQ(d["xPlt"].toArray()[102].toDouble(), 10.0);

    // Support moments of every load condition: −gL²/8 under g, −qL²/16 under q on one span.
    const QJsonArray m = j["MiperApp"].toArray();
    ASSERT_EQ(m.size(), 3);
    const double attesi[3][3] = {{0, 0, 0}, {-50, -25, -25}, {0, 0, 0}};
    for (int s = 0; s < 3; ++s) {
        ASSERT_EQ(m[s].toArray().size(), 3);
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(m[s].toArray()[c].toDouble(), attesi[s][c], 1e-4) << s << c;
    }

    const QJsonArray appoggi = j["appoggi"].toArray();
    ASSERT_EQ(appoggi.size(), 3);
    const QJsonObject a2 = appoggi[1].toObject();
    EXPECT_NEAR(a2["MminApp"].toDouble(), -100, 1e-3);
    EXPECT_NEAR(a2["TaglioMaxS"].toDouble(), -100, 1e-3);
    EXPECT_NEAR(a2["ReazMax"].toDouble(), 200, 1e-3);
    EXPECT_EQ(appoggi[0]["TaglioMaxS"].toDouble(), 0.0);
    EXPECT_EQ(appoggi[2]["TaglioMaxD"].toDouble(), 0.0);

    const QJsonArray campate = j["campate"].toArray();
    ASSERT_EQ(campate.size(), 2);
    const QJsonObject c1 = campate[0].toObject();
    EXPECT_NEAR(c1["MmaxCam"].toDouble(), 66, 1e-3); // 65x − 16x² at x = 2
    EXPECT_NEAR(c1["xMmaxCam"].toDouble(), 2, 1e-5);
    // EJ f = (4/3)x⁴ − (65/6)x³ + (625/6)x at x = 2.3, (2/3)x⁴ − (25/6)x³ + (125/6)x at x = 4.3.
    const double EJ = 93750;
    const auto fmax = [](double x) { return 4.0 / 3 * x * x * x * x - 65.0 / 6 * x * x * x + 625.0 / 6 * x; };
    const auto fmin = [](double x) { return 2.0 / 3 * x * x * x * x - 25.0 / 6 * x * x * x + 125.0 / 6 * x; };
    EXPECT_NEAR(c1["FrecciaMax"].toDouble(), fmax(2.3) / EJ, 1e-8);
    EXPECT_NEAR(c1["FrecciaMin"].toDouble(), fmin(4.3) / EJ, 1e-8);
    EXPECT_NEAR(j["FrecciaMinTrave"].toDouble(), fmin(4.3) / EJ, 1e-8);
    EXPECT_EQ(c1["CaricoDistribuitoPermanente"].toDouble(), 16.0);

    // Numbers as stored: the single 0.1f widened, not the decimal 0.1.
    EXPECT_EQ(j["LunghezzaTotale"].toDouble(), 10.0);
    EXPECT_EQ(j["PassoPlt"].toDouble(), static_cast<double>(0.1f));
}

TEST_F(VelcoraCli, PuntiDeiDiagrammi) {
    const QJsonObject j = Json({QStringLiteral("--punti"), QStringLiteral("50")});
    EXPECT_EQ(j["nPt"].toInt(), 54);
    EXPECT_EQ(j["PassoPlt"].toDouble(), static_cast<double>(0.2f));
}

// --- Exit status ------------------------------------------------------------------------------

TEST_F(VelcoraCli, ErroriDUso) {
    const QStringList sbagliati[] = {
        {},
        {Q(Dati), Q(Dati)},
        {QStringLiteral("--boh"), Q(Dati)},
        {QStringLiteral("--stato-limite"), QStringLiteral("SLV"), Q(Dati)},
        {QStringLiteral("--punti"), QStringLiteral("0"), Q(Dati)},
        {QStringLiteral("--punti"), QStringLiteral("abc"), Q(Dati)},
        {QStringLiteral("--punti"), QStringLiteral("40000"), Q(Dati)},
        {QStringLiteral("--separatori"), QStringLiteral("fr"), Q(Dati)},
        {QStringLiteral("--risposta"), QStringLiteral("forse"), Q(Dati)},
        {Q(Dati), QStringLiteral("--txt")},
    };
    for (const QStringList& a : sbagliati) {
        const Esito e = Esegui(a);
        EXPECT_EQ(e.Codice, 2) << a.join(' ').toStdString();
        EXPECT_EQ(e.Uscita, "") << a.join(' ').toStdString();
        EXPECT_TRUE(Contiene(e.Errori, "Uso: velcora-cli")) << e.Errori;
    }
}

TEST_F(VelcoraCli, Aiuto) {
    const Esito e = Esegui({QStringLiteral("--help")});
    EXPECT_EQ(e.Codice, 0);
    for (const char* o : {"--txt", "--json", "--stato-limite", "--punti", "--ini", "--separatori"})
        EXPECT_TRUE(Contiene(e.Uscita, o)) << o;
}

TEST_F(VelcoraCli, FileDeiDatiCheNonCe) {
    const fs::path manca = Cartella.Percorso / "manca.vlr";
    const Esito e = Esegui({QStringLiteral("--ini"), Q(Ini), Q(manca)});
    EXPECT_EQ(e.Codice, 1);
    EXPECT_EQ(e.Uscita, "");
    EXPECT_EQ(e.Errori, "File " + manca.string() + " non trovato \n");
}

TEST_F(VelcoraCli, DatiRifiutati) {
    // One span between a support and a free end.
    ScriveByte(Dati, "\"Mensola\",\"7.6\"\r\n1\r\n5,12,4,16,0,1\r\n0,2\r\n1\r\n0,3E+07\r\n0.3,0.5\r\n0\r\n0\r\n"
                     "#FALSE#,0,0\r\n#FALSE#\r\n0\r\n0\r\n#FALSE#,0,0,0\r\n#FALSE#\r\n0\r\n"
                     "1,1.3,0.8,1.5,0,1.5,0,1.5,0.7,0.5,0.3,0.7,0.5,0.3\r\n#FALSE#\r\n0,0\r\n0\r\n0\r\n");
    const Esito e = Calcola({});
    EXPECT_EQ(e.Codice, 1);
    EXPECT_EQ(e.Uscita, "");
    EXPECT_EQ(e.Errori, "Errrore - Numero Campate Esclusi Sbalzi = 0 !\nErrore nei dati\n");
}

TEST_F(VelcoraCli, FileIncompletoRifiutato) {
    const std::string intero = FileDueCampate;
    ScriveByte(Dati, intero.substr(0, intero.find("0.3,0.5")));
    const Esito e = Calcola({});
    EXPECT_EQ(e.Codice, 1);
    EXPECT_EQ(e.Uscita, "");
    EXPECT_TRUE(Contiene(e.Errori, "Lettura incompleta del file"));
}

TEST_F(VelcoraCli, CalcoloImpossibile) {
    // A redistribution of 50 %: a coefficient of 0.5, below what the redistribution allows.
    std::string testo = FileDueCampate;
    testo.replace(testo.find("#FALSE#,0,0"), 11, "#FALSE#,50,0");
    ScriveByte(Dati, testo);
    const Esito e = Calcola({});
    EXPECT_EQ(e.Codice, 1);
    EXPECT_EQ(e.Uscita, "");
    // The message, then the engine's reason on the line after.
    ASSERT_TRUE(e.Errori.starts_with("Errore nei dati\n")) << e.Errori;
    const std::string motivo = e.Errori.substr(std::string("Errore nei dati\n").size());
    EXPECT_FALSE(motivo.empty());
    EXPECT_EQ(std::count(motivo.begin(), motivo.end(), '\n'), 1) << motivo;
    EXPECT_TRUE(motivo.ends_with("\n"));
}

TEST_F(VelcoraCli, DomandaSullaRidistribuzione) {
    // Spans of 5 and 12 m with a redistribution of 15 %: the program asks whether to go on.
    std::string testo = FileDueCampate;
    testo.replace(testo.find("5,12,4,16,0,1\r\n", testo.find("5,12,4,16,0,1") + 1), 13, "12,12,4,16,0,1");
    testo.replace(testo.find("#FALSE#,0,0"), 11, "#FALSE#,15,0");
    ScriveByte(Dati, testo);

    const Esito no = Calcola({QStringLiteral("--risposta"), QStringLiteral("no")});
    EXPECT_EQ(no.Codice, 1);
    EXPECT_TRUE(Contiene(no.Errori, "Procedere comunque?")) << no.Errori;
    EXPECT_TRUE(Contiene(no.Errori, "-> No"));
    EXPECT_EQ(no.Uscita, "");

    const Esito si = Calcola({});
    EXPECT_EQ(si.Codice, 0) << si.Errori;
    EXPECT_TRUE(Contiene(si.Uscita, "Delta = 0.85\n"));
}

TEST(VelcoraCliEsempi, OgniEsempioSiCalcola) {
    const auto esempi = FileIn(CartellaEsempi(), ".vlr");
    ASSERT_FALSE(esempi.empty()) << CartellaEsempi();
    for (const fs::path& f : esempi) {
        const Esito e = Esegui({QStringLiteral("--separatori"), QStringLiteral("it"), Q(f)});
        EXPECT_EQ(e.Codice, 0) << f << e.Errori;
        EXPECT_TRUE(Contiene(e.Uscita, "NOME FILE: " + f.filename().string())) << f;
        EXPECT_TRUE(Contiene(e.Uscita, "Tagli e Reazioni :")) << f;
    }
}

// Every example to a JSON beam and back: the same bytes, and the same results from either form.
TEST(VelcoraCliEsempi, DaVlrAJsonEIndietroStessiByteEStessiRisultati) {
    CartellaTemporanea cartella;
    for (const fs::path& f : FileIn(CartellaEsempi(), ".vlr")) {
        SCOPED_TRACE(f.filename().string());
        const fs::path json = cartella.Percorso / "trave.json", vlr = cartella.Percorso / "trave.vlr";
        const fs::path r1 = cartella.Percorso / "r1.json", r2 = cartella.Percorso / "r2.json";
        Esito e = Esegui({Q(f), QStringLiteral("--esporta-dati"), Q(json)});
        ASSERT_EQ(e.Codice, 0) << e.Errori;
        EXPECT_EQ(e.Uscita, ""); // a conversion alone calculates nothing
        e = Esegui({Q(json), QStringLiteral("--esporta-dati"), Q(vlr)});
        ASSERT_EQ(e.Codice, 0) << e.Errori;
        EXPECT_EQ(LeggeByte(vlr), LeggeByte(f));

        ASSERT_EQ(Esegui({Q(f), QStringLiteral("--json"), Q(r1)}).Codice, 0);
        e = Esegui({Q(json), QStringLiteral("--json"), Q(r2)});
        ASSERT_EQ(e.Codice, 0) << e.Errori;
        EXPECT_EQ(LeggeByte(r1), LeggeByte(r2));
    }
}

// A batch: every example and two bad beams on every core; each beam's outputs as a single run
// writes them, the bad ones named in the order given, and a failed status.
TEST(VelcoraCliLotto, OgniTraveLeSueUsciteEIMessaggiInOrdine) {
    CartellaTemporanea cartella;
    const fs::path uscita = cartella.Percorso / "uscite";
    const fs::path errata = cartella.Percorso / "errata.json", manca = cartella.Percorso / "manca.vlr";
    ScriveByte(errata, R"({"formato": "velcora-trave", "versione": 1, "campate": 3})");
    const auto esempi = FileIn(CartellaEsempi(), ".vlr");
    QStringList argomenti{QStringLiteral("--lotto"), Q(uscita), QStringLiteral("--uscite"), QStringLiteral("json,txt")};
    argomenti << Q(errata);
    for (const fs::path& f : esempi) argomenti << Q(f);
    argomenti << Q(manca);

    const Esito e = Esegui(argomenti);
    EXPECT_EQ(e.Codice, 1);
    EXPECT_EQ(e.Uscita, "");
    EXPECT_EQ(e.Errori, "errata.json: Lettura incompleta del File\nerrata.json: " + errata.string() +
                            ": campate: elenco atteso\nmanca.vlr: File " + manca.string() + " non trovato \n");
    for (const fs::path& f : esempi) {
        SCOPED_TRACE(f.filename().string());
        const fs::path singola = cartella.Percorso / "singola.json", txt = cartella.Percorso / "singola.txt";
        ASSERT_EQ(Esegui({Q(f), QStringLiteral("--json"), Q(singola), QStringLiteral("--txt"), Q(txt)}).Codice, 0);
        const std::string nome = f.stem().string();
        EXPECT_EQ(LeggeByte(uscita / (nome + ".risultati.json")), LeggeByte(singola));
        EXPECT_EQ(LeggeByte(uscita / (nome + ".txt")), LeggeByte(txt));
    }
    EXPECT_FALSE(fs::exists(uscita / "errata.risultati.json"));

    // Only good beams: done, the calculation reports made on every core as well.
    argomenti =
        QStringList{QStringLiteral("--lotto"), Q(uscita), QStringLiteral("--uscite"), QStringLiteral("dxf,relazione")};
    for (const fs::path& f : esempi) argomenti << Q(f);
    const Esito buone = Esegui(argomenti);
    EXPECT_EQ(buone.Codice, 0) << buone.Errori;
    EXPECT_EQ(buone.Errori.find(".vlr: "), std::string::npos) << "no beam says anything: " << buone.Errori;
    EXPECT_TRUE(fs::exists(uscita / (esempi.front().stem().string() + ".dxf")));
    for (const fs::path& f : esempi)
        EXPECT_EQ(LeggeByte(uscita / (f.stem().string() + ".relazione.pdf")).rfind("%PDF-", 0), 0u) << f;
}

TEST(VelcoraCliLotto, ErroriDUso) {
    CartellaTemporanea cartella;
    const fs::path f = CartellaEsempi() / "tre_campate_appoggi.vlr";
    const QString u = Q(cartella.Percorso);
    const QStringList sbagliati[] = {
        {QStringLiteral("--lotto"), u},
        {QStringLiteral("--lotto"), u, Q(f), Q(f)},
        {QStringLiteral("--lotto"), u, QStringLiteral("--uscite"), QStringLiteral("json,boh"), Q(f)},
        {QStringLiteral("--lotto"), u, QStringLiteral("--uscite"), QStringLiteral(","), Q(f)},
        {QStringLiteral("--lotto"), u, QStringLiteral("--json"), QStringLiteral("r.json"), Q(f)},
        {QStringLiteral("--uscite"), QStringLiteral("json"), Q(f)},
    };
    for (const auto& a : sbagliati) {
        SCOPED_TRACE(a.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(Esegui(a).Codice, 2);
    }
}

TEST_F(VelcoraCli, TraveJsonConLeSueOpzioniEIlCampoErrato) {
    const fs::path json = Cartella.Percorso / "prova.json";
    ASSERT_EQ(Esegui({Q(Dati), QStringLiteral("--esporta-dati"), Q(json)}).Codice, 0);
    std::string testo = LeggeByte(json);
    const auto sostituisce = [&testo](const std::string& da, const std::string& a) {
        const auto k = testo.find(da);
        ASSERT_NE(k, std::string::npos) << da;
        testo.replace(k, da.size(), a);
    };
    sostituisce("\"punti\": 100", "\"punti\": 50");
    sostituisce("\"tipo_sle\": \"rara\"", "\"tipo_sle\": \"frequente\"");
    ScriveByte(json, testo);

    // The beam's own diagram divisions and SLE combination, unless the options say otherwise.
    const fs::path r = Cartella.Percorso / "r.json", rOpzioni = Cartella.Percorso / "ro.json";
    ASSERT_EQ(Esegui({Q(json), QStringLiteral("--json"), Q(r)}).Codice, 0);
    ASSERT_EQ(Esegui({Q(json), QStringLiteral("--json"), Q(rOpzioni), QStringLiteral("--punti"), QStringLiteral("50"),
                      QStringLiteral("--stato-limite"), QStringLiteral("frequente")})
                  .Codice,
              0);
    EXPECT_EQ(LeggeByte(r), LeggeByte(rOpzioni));
    const QJsonObject j = QJsonDocument::fromJson(QByteArray::fromStdString(LeggeByte(r))).object();
    EXPECT_EQ(j["nPt"].toInt(), 54);

    sostituisce("\"luce\": 5.0", "\"luce\": \"5\"");
    ScriveByte(json, testo);
    const Esito e = Esegui({Q(json)});
    EXPECT_EQ(e.Codice, 1);
    EXPECT_EQ(e.Uscita, "");
    EXPECT_TRUE(Contiene(e.Errori, "Lettura incompleta del File\n" + json.string() + ": campate[1].luce: numero atteso"))
        << e.Errori;
}

} // namespace
} // namespace vc::test

namespace vc::test {
namespace {

// What an independent reader (ezdxf) finds in a drawing the program wrote.
std::string LeggeDxf(const fs::path& file) {
    QProcess p;
    const fs::path script = fs::path(__FILE__).parent_path().parent_path() / "drawing" / "leggi_dxf.py";
    p.start(QStringLiteral("/usr/bin/python3"), {Q(script), Q(file)});
    EXPECT_TRUE(p.waitForFinished(60000));
    return (p.readAllStandardOutput() + p.readAllStandardError()).toStdString();
}

TEST_F(VelcoraCli, DisegniDXFCadEBloccoPerIlLavoroInSerie) {
    const fs::path dxf = Cartella.Percorso / "diagrammi.dxf";
    const fs::path dwg = Cartella.Percorso / "disegno.dxf";
    const fs::path blocco = Cartella.Percorso / "blocco.dxf";
    const Esito e = Calcola({QStringLiteral("--dxf"), Q(dxf), QStringLiteral("--dwg"), Q(dwg), QStringLiteral("--blocco"),
                             Q(blocco), QStringLiteral("--txt"), Q(Cartella.Percorso / "relazione.txt")});
    ASSERT_EQ(e.Codice, 0) << e.Errori;

    const std::string d = LeggeDxf(dxf);
    EXPECT_TRUE(Contiene(d, "AUDIT errors=0")) << d;
    EXPECT_TRUE(Contiene(d, "POLYLINE")) << d;

    const std::string w = LeggeDxf(dwg);
    EXPECT_TRUE(Contiene(w, "AUDIT errors=0")) << w;
    EXPECT_TRUE(Contiene(w, "VERSION AC1009")) << w;

    // The block export: both blocks inserted, the layer locked, the record of the application.
    const std::string b = LeggeDxf(blocco);
    EXPECT_TRUE(Contiene(b, "AUDIT errors=0")) << b;
    EXPECT_TRUE(Contiene(b, "LAYER DIAGRAMMI-VELCORA")) << b;
    EXPECT_TRUE(Contiene(b, "locked=1")) << b;
    EXPECT_TRUE(Contiene(b, "BLOCK DiagrammaM")) << b;
    EXPECT_TRUE(Contiene(b, "BLOCK DiagrammaT")) << b;
    EXPECT_TRUE(Contiene(b, "INSERT layer=DIAGRAMMI-VELCORA color=256 DiagrammaM (0,0,0)") ||
                Contiene(b, "DiagrammaM (0,0,0)"))
        << b;
    EXPECT_TRUE(Contiene(b, "APPID VELCORA")) << b;
    EXPECT_TRUE(Contiene(b, "  1000 7.6")) << b;

    // An output that cannot be written refuses with a message and status 1.
    const Esito rifiuto = Calcola({QStringLiteral("--dxf"), QStringLiteral("/nonesiste/cartella/x.dxf")});
    EXPECT_EQ(rifiuto.Codice, 1);
    EXPECT_FALSE(rifiuto.Errori.empty());
}

} // namespace
} // namespace vc::test

namespace vc::test {
namespace {

TEST_F(VelcoraCli, PaginaMPiuTInPdf) {
    const fs::path pdf = Cartella.Percorso / "diagrammi.pdf";
    const Esito e = Calcola({QStringLiteral("--pdf"), Q(pdf), QStringLiteral("--txt"), Q(Cartella.Percorso / "r.txt")});
    ASSERT_EQ(e.Codice, 0) << e.Errori;
    QProcess testo;
    testo.start(QStringLiteral("pdftotext"), {Q(pdf), QStringLiteral("-")});
    ASSERT_TRUE(testo.waitForFinished(30000));
    const std::string t = testo.readAllStandardOutput().toStdString();
    EXPECT_TRUE(Contiene(t, "Scala momenti 1:")) << t;
    EXPECT_TRUE(Contiene(t, "Scala tagli 1:")) << t;
    EXPECT_TRUE(Contiene(t, "File : prova")) << t;

    const Esito rifiuto = Calcola({QStringLiteral("--pdf"), QStringLiteral("/nonesiste/cartella/x.pdf")});
    EXPECT_EQ(rifiuto.Codice, 1);
    EXPECT_TRUE(Contiene(rifiuto.Errori, "Scrittura incompleta del file")) << rifiuto.Errori;
}

TEST_F(VelcoraCli, PdfSuDiscoPienoLasciaIlVecchioFile) {
    DiscoPieno disco(4096);
    if (!disco.Disponibile()) GTEST_SKIP() << "né un tmpfs né un limite alla dimensione dei file";
    const fs::path pdf = disco.Cartella / "diagrammi.pdf";
    ScriveByte(pdf, "vecchio");
    Esito e;
    {
        const auto pieno = disco.Riempie();
        e = Calcola({QStringLiteral("--pdf"), Q(pdf)});
    }
    EXPECT_EQ(e.Codice, 1);
    EXPECT_TRUE(Contiene(e.Errori, "Scrittura incompleta del file\n")) << e.Errori;
    EXPECT_EQ(LeggeByte(pdf), "vecchio");
    EXPECT_EQ(FileIn(disco.Cartella), std::vector<fs::path>{pdf}); // no temporary left behind
}

TEST_F(VelcoraCli, PdfNonToccaIFileDellUtenteNeQuelliProtetti) {
    // A file of the user's named like a temporary stays as it is.
    const fs::path pdf = Cartella.Percorso / "diagrammi.pdf";
    const fs::path tmp = pdf.string() + ".tmp";
    ScriveByte(tmp, "dell'utente");
    ASSERT_EQ(Calcola({QStringLiteral("--pdf"), Q(pdf)}).Codice, 0);
    EXPECT_EQ(LeggeByte(tmp), "dell'utente");
    EXPECT_EQ(LeggeByte(pdf).rfind("%PDF-", 0), 0u);

    // A protected one is refused.
    ScriveByte(pdf, "vecchio");
    fs::permissions(pdf, fs::perms::owner_read);
    const Esito e = Calcola({QStringLiteral("--pdf"), Q(pdf)});
    EXPECT_EQ(e.Codice, 1);
    EXPECT_TRUE(Contiene(e.Errori, pdf.string() + ": il file è protetto da scrittura")) << e.Errori;
    EXPECT_EQ(LeggeByte(pdf), "vecchio");
}

// --- All outputs or none ------------------------------------------------------------------------

TEST_F(VelcoraCli, LeUsciteSiScrivonoTutteONessuna) {
    // Every output exists with an old content; one of them cannot be written.
    const fs::path json = Cartella.Percorso / "r.json", txt = Cartella.Percorso / "r.txt",
                   dxf = Cartella.Percorso / "r.dxf", protetto = Cartella.Percorso / "protetto.dxf";
    const struct {
        const char* Caso;
        fs::path Dxf;
        int Codice;
        std::string Motivo;
    } casi[] = {
        {"cartella che non c'è", Cartella.Percorso / "manca" / "r.dxf", 1, "No such file or directory"},
        {"file protetto", protetto, 1, "il file è protetto da scrittura"},
        {"tutte scritte", dxf, 0, ""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.Caso);
        for (const fs::path& f : {json, txt, dxf, protetto}) {
            if (fs::exists(f)) fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write);
            ScriveByte(f, "vecchio");
        }
        fs::permissions(protetto, fs::perms::owner_read);
        const Esito e = Calcola({QStringLiteral("--json"), Q(json), QStringLiteral("--txt"), Q(txt),
                                 QStringLiteral("--dxf"), Q(c.Dxf)});
        EXPECT_EQ(e.Codice, c.Codice) << e.Errori;
        const bool scritte = c.Codice == 0;
        EXPECT_EQ(LeggeByte(json) != "vecchio", scritte);
        EXPECT_EQ(LeggeByte(txt) != "vecchio", scritte);
        EXPECT_EQ(LeggeByte(dxf) != "vecchio", scritte);
        if (!scritte) {
            EXPECT_EQ(e.Errori, "Scrittura incompleta del file\n" + c.Dxf.string() + ": " + c.Motivo + "\n");
        }
    }
    EXPECT_EQ(FileIn(Cartella.Percorso).size(), 6u) << "no temporary left behind";
}

TEST_F(VelcoraCli, DiscoPienoNessunaUscitaSostituita) {
    DiscoPieno disco(36 * 1024); // the results in JSON (24 kB) fit, the blocks (41 kB) do not
    if (!disco.Disponibile()) GTEST_SKIP() << "né un tmpfs né un limite alla dimensione dei file";
    const fs::path json = disco.Cartella / "r.json", blocchi = disco.Cartella / "r.blocco.dxf";
    ScriveByte(json, "vecchio");
    ScriveByte(blocchi, "vecchio");
    Esito e;
    {
        const auto pieno = disco.Riempie();
        e = Calcola({QStringLiteral("--json"), Q(json), QStringLiteral("--blocco"), Q(blocchi)});
    }
    EXPECT_EQ(e.Codice, 1);
    EXPECT_TRUE(Contiene(e.Errori, "Scrittura incompleta del file\n")) << e.Errori;
    EXPECT_TRUE(LeggeByte(json) == "vecchio");
    EXPECT_TRUE(LeggeByte(blocchi) == "vecchio");
    EXPECT_EQ(FileIn(disco.Cartella).size(), 2u) << "no temporary left behind";
}

// --- A data file read in part ---------------------------------------------------------------------

TEST_F(VelcoraCli, FileLettoInParteEsce1ELeUsciteSoloSeAccettato) {
    const std::string intero = FileDueCampate;
    const std::string corpo = intero.substr(intero.find("\r\n"));
    const fs::path json = Cartella.Percorso / "r.json";
    const struct {
        const char* Intestazione;
        bool Accetta;
    } casi[] = {
        {"\"Due campate\",\"6.1\"", false},
        {"\"Due campate\",\"6.1\"", true},
        {"Due campate senza versione", false},
        {"Due campate senza versione", true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::string(c.Intestazione) + (c.Accetta ? " accettato" : ""));
        ScriveByte(Dati, c.Intestazione + corpo);
        fs::remove(json);
        QStringList opzioni{QStringLiteral("--json"), Q(json)};
        if (c.Accetta) opzioni << QStringLiteral("--accetta-incompleto");
        const Esito e = Calcola(opzioni);
        EXPECT_EQ(e.Codice, 1);
        EXPECT_EQ(e.Errori, "Lettura incompleta del File\n");
        EXPECT_EQ(fs::exists(json), c.Accetta);
        EXPECT_EQ(Contiene(e.Uscita, "RISULTATI"), c.Accetta);
    }
}

// --- Loads that do not fit their beam -------------------------------------------------------------

TEST_F(VelcoraCli, CaricoOltreLaLuceSiLeggeESiRifiutaNelCalcolo) {
    // Two spans of 5 m and a force at d = 6 m on span 1: the file is read whole, the data
    // export keeps the force as it stands, the calculation refuses it.
    const std::string forza = "1,30,0,0,0,6\r\n";
    ScriveByte(Dati, "\"Forza\",\"7.6\"\r\n2\r\n5,12,4,16,0,1\r\n5,12,4,16,0,1\r\n0,0\r\n1\r\n0,3E+07\r\n"
                     "0.3,0.5\r\n0\r\n0\r\n0\r\n#FALSE#,0,0\r\n#FALSE#\r\n0\r\n0\r\n#FALSE#,0,0,0\r\n#FALSE#\r\n1\r\n"
                     "1,1.3,0.8,1.5,0,1.5,0,1.5,0.7,0.5,0.3,0.7,0.5,0.3\r\n#FALSE#\r\n0,0\r\n1\r\n" +
                         forza + "0\r\n");
    const fs::path copia = Cartella.Percorso / "copia.vlr";
    const Esito esporta = Calcola({QStringLiteral("--esporta-dati"), Q(copia)});
    EXPECT_EQ(esporta.Codice, 0) << esporta.Errori;
    EXPECT_TRUE(Contiene(LeggeByte(copia), "\r\n1\r\n" + forza + "0\r\n"));

    const Esito e = Calcola({});
    EXPECT_EQ(e.Codice, 1);
    EXPECT_EQ(e.Uscita, "");
    EXPECT_EQ(e.Errori, "Carico concentrato N° 1 esteso oltre la luce\n");
}

} // namespace
} // namespace vc::test
