// Beam files of either form: chosen by the extension, written and read back, a bad JSON beam
// refused with its field and nothing loaded.

#include "AiutoFile.h"
#include "files/FileTrave.h"

#include <gtest/gtest.h>

namespace vc::test {
namespace {

TEST(FileTrave, OgniFormaScrittaERilettaUguale) {
    CartellaTemporanea cartella;
    for (const char* nome : {"trave.vlr", "trave.json", "TRAVE.JSON", "senza_estensione"}) {
        SCOPED_TRACE(nome);
        Velcora t1;
        Impostazioni i1;
        TraveCompleta(t1, i1);
        MessaggiRegistrati msg;
        const fs::path p = cartella.Percorso / nome;
        ASSERT_FALSE(ScriveFileTrave(p, t1, i1, msg));
        EXPECT_EQ(LeggeByte(p).front() == '{', PercorsoTraveJson(p));

        Velcora t2;
        Impostazioni i2;
        ASSERT_FALSE(LeggeFileTrave(p, t2, i2, msg));
        AttendeStessiDati(t1, i1, t2, i2);
        EXPECT_EQ(i2.NomeFile, fs::path(nome).stem().string());
        EXPECT_EQ(i2.PercorsoDati, cartella.Percorso.string());
        EXPECT_TRUE(msg.Voci.empty());
    }
}

TEST(FileTrave, JsonErratoRifiutatoConIlCampoENienteCaricato) {
    CartellaTemporanea cartella;
    const fs::path p = cartella.Percorso / "errata.json";
    ScriveByte(p, R"({"formato": "velcora-trave", "versione": 1, "campate": [{"luce": "5"}]})");
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    imp.NomeFile = "prima";
    MessaggiRegistrati msg;
    const auto errore = LeggeFileTrave(p, t, imp, msg);
    ASSERT_TRUE(errore);
    EXPECT_EQ(errore->Messaggio, "Lettura incompleta del File");
    EXPECT_EQ(errore->Motivo, p.string() + ": campate[1].luce: numero atteso");
    EXPECT_EQ(Testi(msg), std::vector<std::string>{errore->Messaggio + "\n" + errore->Motivo});
    EXPECT_EQ(t.nCampate(), 2);
    EXPECT_EQ(imp.NomeFile, "prima");

    const auto mancante = LeggeFileTrave(cartella.Percorso / "manca.json", t, imp, msg);
    ASSERT_TRUE(mancante);
    EXPECT_EQ(mancante->Messaggio, "File " + (cartella.Percorso / "manca.json").string() + " non trovato ");
}

TEST(FileTrave, DatiIncompletiDannoIlMessaggioDelProgramma) {
    CartellaTemporanea cartella;
    const fs::path p = cartella.Percorso / "corta.vlr";
    ScriveByte(p, "\"Corta\",\"7.6\"\r\n2\r\n5,1,1,1,1,1\r\n");
    Velcora t;
    Impostazioni imp;
    MessaggiRegistrati msg;
    const auto errore = LeggeFileTrave(p, t, imp, msg);
    ASSERT_TRUE(errore);
    EXPECT_EQ(errore->Messaggio, "Lettura incompleta del File");
    EXPECT_EQ(errore->Motivo, "Lettura incompleta del file");
    EXPECT_EQ(msg.Voci.size(), 2u);
}

TEST(FileTrave, FileNonScrivibileDiceIlPerche) {
    CartellaTemporanea cartella;
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    MessaggiRegistrati msg;
    const auto errore = ScriveFileTrave(cartella.Percorso / "manca" / "trave.json", t, imp, msg);
    ASSERT_TRUE(errore);
    EXPECT_EQ(errore->Messaggio, "Scrittura incompleta del file");
    EXPECT_NE(errore->Motivo.find("trave.json: "), std::string::npos);
}

} // namespace
} // namespace vc::test
