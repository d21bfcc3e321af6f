// The data file: the examples survive a round trip byte for byte, the records come out in the
// order and form the program reads, CR LF, Windows-1252 titles.

#include "AiutoFile.h"
#include "files/FileDati.h"

#include <gtest/gtest.h>
#include <limits>

namespace vc::test {
namespace {

std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t inizio = 0;
    while (inizio < testo.size()) {
        const auto fine = testo.find("\r\n", inizio);
        if (fine == std::string::npos) {
            righe.push_back(testo.substr(inizio));
            break;
        }
        righe.push_back(testo.substr(inizio, fine - inizio));
        inizio = fine + 2;
    }
    return righe;
}

TEST(EsempiDati, CiSonoAlmenoSeiEsempi) {
    EXPECT_GE(FileIn(CartellaEsempi(), ".vlr").size(), 6u);
}

TEST(EsempiDati, OgniEsempioSiLeggeSiRiscriveUgualeESiRilegge) {
    for (const auto& p : FileIn(CartellaEsempi(), ".vlr")) {
        SCOPED_TRACE(p.filename().string());
        const std::string originale = LeggeByte(p);
        Velcora t1;
        Impostazioni i1;
        MessaggiRegistrati msg;
        ASSERT_EQ(Carica(originale, t1, i1, msg), EsitoFile::Completo);
        EXPECT_TRUE(msg.Voci.empty());

        EsitoFile esito{};
        const std::string riscritto = Salva(t1, i1, msg, &esito);
        EXPECT_EQ(esito, EsitoFile::Completo);
        EXPECT_EQ(riscritto, originale);

        Velcora t2;
        Impostazioni i2;
        ASSERT_EQ(Carica(riscritto, t2, i2, msg), EsitoFile::Completo);
        AttendeStessiDati(t1, i1, t2, i2);
        EXPECT_TRUE(msg.Voci.empty());
    }
}

TEST(ScritturaDati, RecordInOrdineENelFormato) {
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    MessaggiRegistrati msg;
    const auto righe = Righe(Salva(t, imp, msg));
    const std::vector<std::string> attese = {
        "\"Trave di prova\",\"7.6\"",
        "2",
        "5.5,20,6,10,2,1",
        "6.25,18,5,9,0,2",
        "3,1",
        "2",
        "1,3.1E+07",
        "0.8,0.2",
        "0.3,0.4",
        "2,3.3E+07",
        "0.0045,0.6", // a generic section keeps J and the total depth in the slots of b1 and h1
        "0.4",
        "0.3",
        "0.35",
        "#FALSE#,30,4", // δ = 0.7 is stored as a 30 % redistribution
        "#TRUE#",
        "0.04",
        "2",
        "#TRUE#,100,50,1000",
        "#TRUE#",
        "1",
        "1,1.35,0.8,1.5,0,1.5,0,1.5,0.7,0.5,0.3,0.7,0.5,0.3",
        "#TRUE#",
        "62000,0",
        "#FALSE#",
        "1",
        "0",
        "0.3,0.4,0.0016,3.2,0,0,0,0,31000",
        "0,0,0,0,0,0,0,0,0",
        "2",
        "1,30,0,10,0,2.75",
        "2,12,3,0,0,6.25",
        "1",
        "2,5,0,2,0,0",
    };
    EXPECT_EQ(righe, attese);
    EXPECT_TRUE(msg.Voci.empty());
}

TEST(ScritturaDati, SenzaCarichiNeVincoliElastici) {
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    t.VincoloSinistro = Appoggio;
    t.Resetta_Fconc(true);
    t.Resetta_Fconc(false);
    MessaggiRegistrati msg;
    const std::string testo = Salva(t, imp, msg);
    auto righe = Righe(testo);
    // record 17, then the two counts with no table and no elastic block
    ASSERT_GE(righe.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(righe.end() - 3, righe.end()),
              (std::vector<std::string>{"62000,0", "0", "0"}));

    Velcora letta;
    Impostazioni il;
    ASSERT_EQ(Carica(testo, letta, il, msg), EsitoFile::Completo);
    EXPECT_EQ(letta.nCarConc(), 0);
    EXPECT_EQ(letta.nCoppie(), 0);
}

TEST(ScritturaDati, ModelloCompletoTornaUguale) {
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    MessaggiRegistrati msg;
    Velcora letta;
    Impostazioni il;
    ASSERT_EQ(Carica(Salva(t, imp, msg), letta, il, msg), EsitoFile::Completo);
    AttendeStessiDati(t, imp, letta, il);
    EXPECT_FLOAT_EQ(il.DeltaRidist, 0.7f);
    EXPECT_EQ(letta.EstraeDatiSezione(2).Jota, static_cast<double>(0.0045f));
    EXPECT_EQ(letta.SezioneI(2).hTot, 0.6f);
    EXPECT_TRUE(msg.Voci.empty());
}

TEST(ScritturaDati, TraveNuovaSenzaCampateTornaUguale) {
    Velcora t;
    t.nCampate(0); // as the window starts a new beam: no span, one support
    Impostazioni imp;
    MessaggiRegistrati msg;
    const std::string testo = Salva(t, imp, msg);
    EXPECT_EQ(Righe(testo).at(1), "0");
    EXPECT_EQ(Righe(testo).at(2), "-1,-1"); // restraints not chosen yet
    Velcora letta;
    Impostazioni il;
    ASSERT_EQ(Carica(testo, letta, il, msg), EsitoFile::Completo);
    AttendeStessiDati(t, imp, letta, il);
    EXPECT_TRUE(msg.Voci.empty());
}

TEST(ScritturaDati, FineRigaCRLFSenzaBomNeCodaFinale) {
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    MessaggiRegistrati msg;
    const std::string testo = Salva(t, imp, msg);
    ASSERT_GE(testo.size(), 2u);
    EXPECT_EQ(testo.front(), '"');
    EXPECT_EQ(testo.substr(testo.size() - 2), "\r\n");
    for (std::size_t i = 0; i < testo.size(); ++i) {
        if (testo[i] == '\n') {
            EXPECT_TRUE(i > 0 && testo[i - 1] == '\r') << "LF senza CR a " << i;
        }
        if (testo[i] == '\r') {
            EXPECT_TRUE(i + 1 < testo.size() && testo[i + 1] == '\n') << "CR senza LF a " << i;
        }
    }
    for (const auto& p : FileIn(CartellaEsempi(), ".vlr")) {
        const std::string e = LeggeByte(p);
        EXPECT_EQ(std::count(e.begin(), e.end(), '\n'), std::count(e.begin(), e.end(), '\r')) << p;
    }
}

TEST(TitoloDati, In1252SulDiscoEUtf8NelProgramma) {
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    imp.Titolo = "Solaio più lungo – costo 5 €";
    MessaggiRegistrati msg;
    const std::string testo = Salva(t, imp, msg);
    EXPECT_EQ(Righe(testo).front(), "\"Solaio pi\xF9 lungo \x96 costo 5 \x80\",\"7.6\"");
    Velcora letta;
    Impostazioni il;
    ASSERT_EQ(Carica(testo, letta, il, msg), EsitoFile::Completo);
    EXPECT_EQ(il.Titolo, imp.Titolo);
}

TEST(TitoloDati, CaratteriFuoriCodiceEVirgoletteEAcapo) {
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    imp.Titolo = "Trave \"T1\" ω=2\r\nseconda riga\nterza";
    MessaggiRegistrati msg;
    Velcora letta;
    Impostazioni il;
    ASSERT_EQ(Carica(Salva(t, imp, msg), letta, il, msg), EsitoFile::Completo);
    EXPECT_EQ(il.Titolo, "Trave 'T1' ?=2\r\nseconda riga\r\nterza");
    EXPECT_EQ(letta.nCampate(), 2);
}

TEST(ScritturaDati, GuastoInQualunquePuntoUnSoloMessaggio) {
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    MessaggiRegistrati nessuno;
    const std::string intero = Salva(t, imp, nessuno);
    const std::size_t intestazione = intero.find("\r\n") + 2;
    for (std::size_t capacita = 0; capacita <= intero.size(); ++capacita) {
        MessaggiRegistrati msg;
        BufferPieno buf(capacita);
        std::ostream out(&buf);
        FileTesto f = FileTesto::PerScrittura(out);
        const EsitoFile esito = FileLeggeScrive(Modo::Scrittura, f, t, imp, msg);
        if (capacita == intero.size()) {
            EXPECT_EQ(esito, EsitoFile::Completo);
            EXPECT_TRUE(msg.Voci.empty());
            continue;
        }
        EXPECT_EQ(esito, EsitoFile::Incompleto) << capacita;
        ASSERT_EQ(msg.Voci.size(), 1u) << capacita;
        const std::string& testo = msg.Voci[0].Testo;
        if (capacita < intestazione)
            EXPECT_EQ(testo, "Scrittura incompleta del File");
        else
            EXPECT_TRUE(testo == "Scrittura incompleta del file" ||
                        testo == "Scrittura incompleta del file in FileInOutMat")
                << capacita << ": " << testo;
    }
}

TEST(ScritturaDati, IntestazioneNonScritta) {
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    MessaggiRegistrati msg;
    BufferPieno buf(0);
    std::ostream out(&buf);
    FileTesto f = FileTesto::PerScrittura(out);
    EXPECT_EQ(FileLeggeScrive(Modo::Scrittura, f, t, imp, msg), EsitoFile::Incompleto);
    EXPECT_EQ(Testi(msg), std::vector<std::string>{"Scrittura incompleta del File"});
}

TEST(ScritturaDati, UnValoreNonFinitoNonFinisceNelFile) {
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    t.InserisceDatiCampata(2, std::numeric_limits<float>::infinity(), 18, 5, 9, 0, 2);
    MessaggiRegistrati msg;
    EsitoFile esito{};
    Salva(t, imp, msg, &esito);
    EXPECT_EQ(esito, EsitoFile::Incompleto);
    EXPECT_EQ(Testi(msg), std::vector<std::string>{"Scrittura incompleta del file"});
}

TEST(ModoDati, ModoNonValido) {
    Velcora t;
    Impostazioni imp;
    MessaggiRegistrati msg;
    FileTesto f = FileTesto::PerLettura("\"A\",\"7.6\"\r\n");
    EXPECT_EQ(FileLeggeScrive(static_cast<Modo>('?'), f, t, imp, msg), EsitoFile::Incompleto);
    EXPECT_EQ(Testi(msg), std::vector<std::string>{"Errore nella Sub FileLeggeScrive"});
    EXPECT_EQ(imp.Titolo, "");
}

TEST(MenuDecalage, DidascalieDopoLaLettura) {
    const auto uno = MenuDecalageDaFile(1, 0.035f, ',');
    EXPECT_TRUE(uno.Decalage);
    EXPECT_EQ(uno.DidascaliaDecalage, "Decalage con c = 3,5");
    EXPECT_FALSE(uno.Sovrapposto);
    EXPECT_EQ(uno.DidascaliaSovrapposto, "Decalage Sovrapposto");

    const auto due = MenuDecalageDaFile(2, 0.04f, '.');
    EXPECT_FALSE(due.Decalage);
    EXPECT_EQ(due.DidascaliaDecalage, "Decalage");
    EXPECT_TRUE(due.Sovrapposto);
    EXPECT_EQ(due.DidascaliaSovrapposto, "Decalage Sovrapposto con c = 4");

    for (int modo : {0, 3, -1}) {
        const auto m = MenuDecalageDaFile(modo, 0.04f, ',');
        EXPECT_FALSE(m.Decalage || m.Sovrapposto);
        EXPECT_EQ(m.DidascaliaDecalage, "Decalage");
        EXPECT_EQ(m.DidascaliaSovrapposto, "Decalage Sovrapposto");
    }
}

} // namespace
} // namespace vc::test
