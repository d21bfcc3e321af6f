// The record primitives: field encodings, both directions, the version guards and every
// failure message.

#include "AiutoFile.h"
#include "files/Record.h"

#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace vc::test {
namespace {

std::string ScriveRecord(std::initializer_list<Rif> lista, MessaggiRegistrati& msg) {
    std::ostringstream out;
    FileTesto f = FileTesto::PerScrittura(out);
    FileInOut(Modo::Scrittura, f, lista, msg);
    return out.str();
}

TEST(CodificaCampi, UnRecordMisto) {
    MessaggiRegistrati msg;
    int i = 1;
    float x = 2.5f;
    bool b = true;
    EXPECT_EQ(ScriveRecord({i, x, b}, msg), "1,2.5,#TRUE#\r\n");
    EXPECT_TRUE(msg.Voci.empty());
}

TEST(CodificaCampi, RealiSingoliConSetteCifre) {
    EXPECT_EQ(TestoCampo(0.3f), "0.3");
    EXPECT_EQ(TestoCampo(0.1f), "0.1");
    EXPECT_EQ(TestoCampo(-2.75f), "-2.75");
    EXPECT_EQ(TestoCampo(1234567.0f), "1234567");
    EXPECT_EQ(TestoCampo(3.1e7f), "3.1E+07");
    EXPECT_EQ(TestoCampo(1.5e-5f), "1.5E-05");
    EXPECT_EQ(TestoCampo(0.0001f), "0.0001");
    EXPECT_EQ(TestoCampo(-0.0f), "0");
    // (1 - 0.7) × 100 in single precision is 30.000001: seven digits give back 30.
    EXPECT_EQ(TestoCampo((1.0f - 0.7f) * 100.0f), "30");
}

TEST(CodificaCampi, RealiDoppiConQuindiciCifre) {
    EXPECT_EQ(TestoCampo(0.1), "0.1");
    EXPECT_EQ(TestoCampo(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(TestoCampo(62000.0), "62000");
    EXPECT_EQ(TestoCampo(1e20), "1E+20");
}

TEST(CodificaCampi, OgniRealeScrittoSiRileggeUguale) {
    // A value read once from a file is written and read again without drifting.
    for (const char* t :
         {"0.3", "5.5", "6.25", "3.1E+07", "0.0016", "12345.67", "9.999999E+37", "1.175494E-38"}) {
        const float x = static_cast<float>(*NumeroDaTesto(t));
        EXPECT_EQ(static_cast<float>(*NumeroDaTesto(TestoCampo(x))), x) << t;
    }
}

TEST(CodificaCampi, NumeriLettiInTutteLeForme) {
    EXPECT_EQ(NumeroDaTesto(".3"), 0.3);
    EXPECT_EQ(NumeroDaTesto("-.3"), -0.3);
    EXPECT_EQ(NumeroDaTesto("3."), 3.0);
    EXPECT_EQ(NumeroDaTesto("+2"), 2.0);
    EXPECT_EQ(NumeroDaTesto("1E5"), 1e5);
    EXPECT_EQ(NumeroDaTesto("1.5E-05"), 1.5e-5);
    EXPECT_EQ(NumeroDaTesto("1D-3"), 1e-3);
    EXPECT_EQ(NumeroDaTesto("  7 "), 7.0);
}

TEST(CodificaCampi, NumeriRifiutati) {
    for (const char* t : {"", "-", ".", "abc", "1.2.3", "NaN", "nan", "inf", "-Infinity", "1E", "1E+", "0x10",
                          "1e5x", "1 2", "1E400", "--1", "#TRUE#"})
        EXPECT_FALSE(NumeroDaTesto(t).has_value()) << '"' << t << '"';
}

TEST(CodificaCampi, InteriArrotondatiEControllati) {
    MessaggiRegistrati msg;
    int a = 0, b = 0, c = 0, d = 0;
    FileTesto f = FileTesto::PerLettura("2.5,3.5,-2.5,-32768\r\n");
    FileInOut(Modo::Lettura, f, {a, b, c, d}, msg);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 4);
    EXPECT_EQ(c, -2);
    EXPECT_EQ(d, -32768);

    int e = 5;
    FileTesto g = FileTesto::PerLettura("32768\r\n");
    EXPECT_THROW(FileInOut(Modo::Lettura, g, {e}, msg), RecordInterrotto);
    EXPECT_EQ(e, 5);
}

TEST(CodificaCampi, SingoloOltreIlLimiteNonSiLegge) {
    MessaggiRegistrati msg;
    float x = 1;
    double y = 1;
    FileTesto f = FileTesto::PerLettura("1E+39,1E+39\r\n");
    EXPECT_THROW(FileInOut(Modo::Lettura, f, {x, y}, msg), RecordInterrotto);
    EXPECT_EQ(x, 1);
    FileTesto g = FileTesto::PerLettura("1E+39\r\n");
    FileInOut(Modo::Lettura, g, {y}, msg);
    EXPECT_EQ(y, 1e39);
}

TEST(CodificaCampi, BooleaniSoloNeiDueSegni) {
    MessaggiRegistrati msg;
    bool a = false, b = true;
    FileTesto f = FileTesto::PerLettura("#TRUE#,#FALSE#\r\n");
    FileInOut(Modo::Lettura, f, {a, b}, msg);
    EXPECT_TRUE(a);
    EXPECT_FALSE(b);
    for (const char* t : {"TRUE", "1", "#true#", "Vero"}) {
        bool c = false;
        FileTesto g = FileTesto::PerLettura(t);
        EXPECT_THROW(FileInOut(Modo::Lettura, g, {c}, msg), RecordInterrotto) << t;
    }
}

TEST(CodificaCampi, StringheTraVirgoletteIn1252) {
    MessaggiRegistrati msg;
    std::string s = "Sez. \"A\" più larga";
    EXPECT_EQ(ScriveRecord({s}, msg), "\"Sez. 'A' pi\xF9 larga\"\r\n");
    std::string letta;
    int n = 0;
    FileTesto f = FileTesto::PerLettura("\"pi\xF9, meno\" ,7\r\n");
    FileInOut(Modo::Lettura, f, {letta, n}, msg);
    EXPECT_EQ(letta, "più, meno");
    EXPECT_EQ(n, 7);
}

TEST(LetturaCampi, UnRecordPuoStareSuPiuRighe) {
    MessaggiRegistrati msg;
    int a = 0, b = 0, c = 0, d = 0;
    FileTesto f = FileTesto::PerLettura("1\r\n\r\n2,3\n4");
    FileInOut(Modo::Lettura, f, {a, b, c}, msg);
    FileInOut(Modo::Lettura, f, {d}, msg);
    EXPECT_EQ((std::array{a, b, c, d}), (std::array{1, 2, 3, 4}));
    EXPECT_TRUE(msg.Voci.empty());
}

TEST(LetturaCampi, FineFileMessaggioChiusuraERecordIntatto) {
    MessaggiRegistrati msg;
    float x = 9, y = 9;
    FileTesto f = FileTesto::PerLettura("1.5\r\n");
    EXPECT_THROW(FileInOut(Modo::Lettura, f, {x, y}, msg), RecordInterrotto);
    EXPECT_EQ(Testi(msg), std::vector<std::string>{"Lettura incompleta del file"});
    EXPECT_FALSE(f.Aperto());
    // A record is stored whole or not at all.
    EXPECT_EQ(x, 9);
    EXPECT_EQ(y, 9);
}

TEST(LetturaCampi, VirgoletteNonChiuseSonoUnErrore) {
    MessaggiRegistrati msg;
    std::string s;
    FileTesto f = FileTesto::PerLettura("\"senza fine,1,2\r\n");
    EXPECT_THROW(FileInOut(Modo::Lettura, f, {s}, msg), RecordInterrotto);
    EXPECT_EQ(Testi(msg), std::vector<std::string>{"Lettura incompleta del file"});
}

TEST(ScritturaCampi, GuastoDelDiscoUnSoloMessaggioEFileChiuso) {
    MessaggiRegistrati msg;
    BufferPieno buf(5);
    std::ostream out(&buf);
    FileTesto f = FileTesto::PerScrittura(out);
    float x = 1.25f;
    int n = 3;
    FileInOut(Modo::Scrittura, f, {x, n}, msg); // "1.25,3\r\n" does not fit
    EXPECT_FALSE(f.Aperto());
    FileInOut(Modo::Scrittura, f, {n}, msg); // ignored: the failure has been told
    EXPECT_EQ(Testi(msg), std::vector<std::string>{"Scrittura incompleta del file"});
}

TEST(ScritturaCampi, ValoriSenzaCodificaNonSiScrivono) {
    float nan = std::numeric_limits<float>::quiet_NaN();
    double inf = std::numeric_limits<double>::infinity();
    int grande = 40000;
    for (Rif r : {Rif(nan), Rif(inf), Rif(grande)}) {
        MessaggiRegistrati msg;
        std::ostringstream out;
        FileTesto f = FileTesto::PerScrittura(out);
        FileInOut(Modo::Scrittura, f, {r}, msg);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(Testi(msg), std::vector<std::string>{"Scrittura incompleta del file"});
    }
}

TEST(RecordCondizionati, FileRecenteLeggeIlRecord) {
    MessaggiRegistrati msg;
    int a = 0, b = 0;
    FileTesto f = FileTesto::PerLettura("4\r\n5\r\n");
    FileInOutCond(Modo::Lettura, f, "7.0", "6.2", {a}, msg);
    FileInOutCondNoMsg(Modo::Lettura, f, "7.5", "7.5", {b}, msg);
    EXPECT_EQ(a, 4);
    EXPECT_EQ(b, 5);
}

TEST(RecordCondizionati, NoMsgSuFileVecchioNonToccaNulla) {
    MessaggiRegistrati msg;
    float x = 1.3f;
    FileTesto f = FileTesto::PerLettura("#FALSE#\r\n");
    FileInOutCondNoMsg(Modo::Lettura, f, "6.9", "7.5", {x}, msg);
    EXPECT_EQ(x, 1.3f);
    EXPECT_EQ(f.Posizione(), 0u);
    EXPECT_TRUE(f.Aperto());
    EXPECT_TRUE(msg.Voci.empty());
}

TEST(RecordCondizionati, CondSuFileVecchioChiudeEFerma) {
    MessaggiRegistrati msg;
    bool b = false;
    FileTesto f = FileTesto::PerLettura("#TRUE#\r\n");
    EXPECT_EQ(MotivoInterruzione([&] { FileInOutCond(Modo::Lettura, f, "0", "6.2", {b}, msg); }),
              RecordInterrotto::Motivo::FileTroppoVecchio);
    EXPECT_FALSE(f.Aperto());
    EXPECT_FALSE(b);
    EXPECT_TRUE(msg.Voci.empty());
}

TEST(RecordCondizionati, ErroreDiLetturaHaIlSuoMessaggio) {
    for (bool noMsg : {false, true}) {
        MessaggiRegistrati msg;
        int a = 0;
        FileTesto f = FileTesto::PerLettura("x\r\n");
        if (noMsg)
            EXPECT_THROW(FileInOutCondNoMsg(Modo::Lettura, f, "7.6", "6.9", {a}, msg), RecordInterrotto);
        else
            EXPECT_THROW(FileInOutCond(Modo::Lettura, f, "7.6", "6.9", {a}, msg), RecordInterrotto);
        EXPECT_EQ(Testi(msg), std::vector<std::string>{"Lettura incompleta del file"});
    }
}

TEST(RecordCondizionati, InScritturaComeFileInOut) {
    MessaggiRegistrati msg;
    std::ostringstream out;
    FileTesto f = FileTesto::PerScrittura(out);
    int a = 1, b = 2;
    FileInOutCond(Modo::Scrittura, f, "0", "6.2", {a}, msg);
    FileInOutCondNoMsg(Modo::Scrittura, f, "0", "7.5", {b}, msg);
    EXPECT_EQ(out.str(), "1\r\n2\r\n");
}

TEST(RecordCondizionati, GuastoInScrittura) {
    for (bool noMsg : {false, true}) {
        MessaggiRegistrati msg;
        BufferPieno buf(1);
        std::ostream out(&buf);
        FileTesto f = FileTesto::PerScrittura(out);
        int a = 12;
        if (noMsg)
            FileInOutCondNoMsg(Modo::Scrittura, f, "7.6", "7.5", {a}, msg);
        else
            FileInOutCond(Modo::Scrittura, f, "7.6", "6.2", {a}, msg);
        EXPECT_EQ(Testi(msg), std::vector<std::string>{"Scrittura incompleta del file"});
        EXPECT_FALSE(f.Aperto());
    }
}

TEST(RecordCondizionati, VersioniConfrontateComeTesto) {
    EXPECT_TRUE(VersioneAlmeno("7.5", "7.0"));
    EXPECT_TRUE(VersioneAlmeno("7.6", "7.6"));
    EXPECT_FALSE(VersioneAlmeno("6.9", "7.0"));
    EXPECT_FALSE(VersioneAlmeno("0", "6.2"));
    EXPECT_FALSE(VersioneAlmeno("", "6.2"));
}

TEST(Matrice, RigaPerRigaInEntrambiISensi) {
    MessaggiRegistrati msg;
    std::array<std::array<double, 3>, 2> m{{{1, 2.5, 3}, {0.0016, 0, 31000}}};
    std::ostringstream out;
    FileTesto f = FileTesto::PerScrittura(out);
    FileInOutMat(Modo::Scrittura, f, m, msg);
    EXPECT_EQ(out.str(), "1,2.5,3\r\n0.0016,0,31000\r\n");

    std::array<std::array<double, 3>, 2> letta{};
    FileTesto g = FileTesto::PerLettura(out.str());
    FileInOutMat(Modo::Lettura, g, letta, msg);
    EXPECT_EQ(letta, m);
    EXPECT_TRUE(msg.Voci.empty());
}

TEST(Matrice, MessaggiPropri) {
    std::array<std::array<double, 2>, 2> m{};
    {
        MessaggiRegistrati msg;
        FileTesto f = FileTesto::PerLettura("1,2\r\n3\r\n");
        EXPECT_THROW(FileInOutMat(Modo::Lettura, f, m, msg), RecordInterrotto);
        EXPECT_EQ(Testi(msg), std::vector<std::string>{"Lettura incompleta del file in FileInOutMat"});
        EXPECT_EQ(m[0][0], 0.0);
    }
    {
        MessaggiRegistrati msg;
        BufferPieno buf(4);
        std::ostream out(&buf);
        FileTesto f = FileTesto::PerScrittura(out);
        FileInOutMat(Modo::Scrittura, f, m, msg);
        EXPECT_EQ(Testi(msg), std::vector<std::string>{"Scrittura incompleta del file in FileInOutMat"});
    }
}

TEST(ModoNonValido, OgniPrimitivaSiRifiutaColSuoNome) {
    const auto x = static_cast<Modo>('X');
    MessaggiRegistrati msg;
    std::ostringstream out;
    FileTesto s = FileTesto::PerScrittura(out);
    FileTesto l = FileTesto::PerLettura("1\r\n");
    int a = 7;
    std::array<std::array<double, 1>, 1> m{};
    std::vector<std::string> voci{"A"};
    FileInOut(x, s, {a}, msg);
    FileInOutCond(x, l, "7.6", "6.2", {a}, msg);
    FileInOutCondNoMsg(x, l, "7.6", "6.2", {a}, msg);
    FileInOutMat(x, l, m, msg);
    FileInOutStringColl(x, s, voci, msg);
    EXPECT_EQ(Testi(msg), (std::vector<std::string>{
                              "Errore nella Sub FileInOut", "Errore nella Sub FileInOutCond",
                              "Errore nella Sub FileInOutCondNoMsg", "Errore nella Sub FileInOutMat",
                              "Errore nella Sub FileInOutStringColl"}));
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(l.Posizione(), 0u);
    EXPECT_EQ(a, 7);
}

TEST(Intestazione, TitoloSuPiuRigheConMarcatori) {
    MessaggiRegistrati msg;
    std::ostringstream out;
    FileTesto f = FileTesto::PerScrittura(out);
    std::string titolo = "A\r\nB", versione = "7.6";
    FileInOutVersione(Modo::Scrittura, f, titolo, versione, msg);
    EXPECT_EQ(out.str(), "\"A\x01\x01"
                         "B\",\"7.6\"\r\n");

    std::string t, v;
    FileTesto g = FileTesto::PerLettura(out.str());
    FileInOutVersione(Modo::Lettura, g, t, v, msg);
    EXPECT_EQ(t, "A\r\nB");
    EXPECT_EQ(v, "7.6");
}

TEST(Intestazione, AcapoDiOgniTipoDiventaMarcatore) {
    EXPECT_EQ(ACapoInMarcatore("a\nb\rc\r\nd"), "a\x01\x01"
                                                "b\x01\x01"
                                                "c\x01\x01"
                                                "d");
}

TEST(Intestazione, VersioneMancanteVale0) {
    MessaggiRegistrati msg;
    for (const auto& [riga, titoloAtteso] :
         std::vector<std::pair<std::string, std::string>>{{"Trave\r\n", "Trave"},
                                                          {"\"\"\r\n", ""},
                                                          {"\"Solo titolo\"\r\n", "Solo titolo"},
                                                          {"\r\n", ""}}) {
        std::string t = "x", v = "x";
        FileTesto f = FileTesto::PerLettura(riga);
        FileInOutVersione(Modo::Lettura, f, t, v, msg);
        EXPECT_EQ(t, titoloAtteso) << riga;
        EXPECT_EQ(v, "0") << riga;
    }
    EXPECT_TRUE(msg.Voci.empty());
}

TEST(Intestazione, VirgolettaNelTitoloNonLoTaglia) {
    MessaggiRegistrati msg;
    std::ostringstream out;
    FileTesto f = FileTesto::PerScrittura(out);
    std::string titolo = "Trave \"B\"", versione = "7.6";
    FileInOutVersione(Modo::Scrittura, f, titolo, versione, msg);
    std::string t, v;
    FileTesto g = FileTesto::PerLettura(out.str());
    FileInOutVersione(Modo::Lettura, g, t, v, msg);
    EXPECT_EQ(t, "Trave 'B'");
    EXPECT_EQ(v, "7.6");
}

TEST(Intestazione, VociEstratteUnaAllaVolta) {
    std::string resto = "\"T\",\"7.6\"";
    EXPECT_EQ(EstraeVoceVirgolettata(resto), "T");
    EXPECT_EQ(resto, "\"7.6\"");
    EXPECT_EQ(EstraeVoceVirgolettata(resto), "7.6");
    EXPECT_EQ(resto, "");
    std::string aperta = "\"senza chiusura";
    EXPECT_FALSE(EstraeVoceVirgolettata(aperta).has_value());
}

TEST(Intestazione, RigaLunghissimaInTempoLineare) {
    MessaggiRegistrati msg;
    std::string riga = "\"Titolo\",\"7.6\"";
    for (int i = 0; i < 300000; ++i)
        riga += ",\"x\"";
    std::string t, v;
    FileTesto f = FileTesto::PerLettura(riga + "\r\n");
    FileInOutVersione(Modo::Lettura, f, t, v, msg);
    EXPECT_EQ(t, "Titolo");
    EXPECT_EQ(v, "7.6");
}

TEST(Intestazione, ErroriSenzaMessaggioProprio) {
    MessaggiRegistrati msg;
    std::string t, v;
    FileTesto vuoto = FileTesto::PerLettura("");
    EXPECT_THROW(FileInOutVersione(Modo::Lettura, vuoto, t, v, msg), RecordInterrotto);
    FileTesto aperto = FileTesto::PerLettura("\"Trave,\"7.6\r\n");
    EXPECT_THROW(FileInOutVersione(Modo::Lettura, aperto, t, v, msg), RecordInterrotto);
    BufferPieno buf(3);
    std::ostream out(&buf);
    FileTesto pieno = FileTesto::PerScrittura(out);
    t = "Trave";
    v = "7.6";
    EXPECT_EQ(MotivoInterruzione([&] { FileInOutVersione(Modo::Scrittura, pieno, t, v, msg); }),
              RecordInterrotto::Motivo::Scrittura);
    EXPECT_TRUE(msg.Voci.empty());
}

} // namespace
} // namespace vc::test
