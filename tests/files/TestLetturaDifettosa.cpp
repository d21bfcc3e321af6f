// Damaged data files: whatever the bytes, reading ends with the program's messages, keeps what
// was read before the damage and never takes a value the beam cannot hold.

#include "AiutoFile.h"
#include "files/FileDati.h"

#include <gtest/gtest.h>

namespace vc::test {
namespace {

const std::vector<std::string> ErroreDiRecord = {"Lettura incompleta del file",
                                                 "Lettura incompleta del File"};
const std::vector<std::string> ErroreDelFile = {"Lettura incompleta del File"};

// A valid "7.6" file, split into lines so that single lines can be damaged.
std::vector<std::string> RigheBase() {
    return {"\"Base\",\"7.6\"",
            "2",
            "5,20,6,10,0,1",
            "6,20,6,10,0,1",
            "0,0",
            "1",
            "0,3.1E+07",
            "0.3,0.5",
            "0.3",
            "0.3",
            "0.3",
            "#FALSE#,0,3",
            "#FALSE#",
            "0",
            "0",
            "#FALSE#,0,0,0",
            "#FALSE#",
            "1",
            "1,1.3,0.8,1.5,0,1.5,0,1.5,0.7,0.5,0.3,0.7,0.5,0.3",
            "#FALSE#",
            "0,0",
            "1",
            "2,30,0,10,0,3",
            "0"};
}
enum Riga : std::size_t {
    Intestazione = 0,
    NCampate = 1,
    Campata1 = 2,
    Campata2 = 3,
    Vincoli = 4,
    NSezioni = 5,
    Sezione = 6,
    Opzioni = 11,
    StatoLim = 17,
    NForze = 21,
    Forza1 = 22
};

std::string Unisce(const std::vector<std::string>& righe) {
    std::string t;
    for (const auto& r : righe)
        t += r + "\r\n";
    return t;
}

std::string ConRiga(std::size_t i, const std::string& nuova) {
    auto r = RigheBase();
    r[i] = nuova;
    return Unisce(r);
}

struct Lettura {
    Velcora trave;
    Impostazioni imp;
    MessaggiRegistrati msg;
    EsitoFile esito{};
    explicit Lettura(const std::string& testo) {
        // The beam had a forces table of its own before.
        trave.Dati_Fconc({RigaCarichi{1, 77, 0, 0, 0, 0}}, true);
        esito = Carica(testo, trave, imp, msg);
    }
};

TEST(LetturaDifettosa, IlFileDiBaseSiLegge) {
    Lettura l(Unisce(RigheBase()));
    EXPECT_EQ(l.esito, EsitoFile::Completo);
    EXPECT_TRUE(l.msg.Voci.empty());
    EXPECT_EQ(l.trave.nCarConc(), 1);
}

TEST(LetturaDifettosa, FileVuotoOIntestazioneAperta) {
    for (const std::string& testo : {std::string(), std::string("\"Titolo senza fine,\"7.6\r\n2\r\n")}) {
        Lettura l(testo);
        EXPECT_EQ(l.esito, EsitoFile::Incompleto);
        EXPECT_EQ(Testi(l.msg), ErroreDelFile);
    }
}

TEST(LetturaDifettosa, FileTroncatoOvunque) {
    const std::string intero = Unisce(RigheBase());
    for (std::size_t n = 0; n + 2 < intero.size(); ++n) {
        Lettura l(intero.substr(0, n));
        ASSERT_EQ(l.esito, EsitoFile::Incompleto) << n;
        const auto testi = Testi(l.msg);
        EXPECT_TRUE(testi == ErroreDiRecord || testi == ErroreDelFile) << n;
    }
}

TEST(LetturaDifettosa, RigaMancante) {
    auto r = RigheBase();
    r.erase(r.begin() + Campata2);
    Lettura l(Unisce(r));
    EXPECT_EQ(l.esito, EsitoFile::Incompleto);
    EXPECT_EQ(Testi(l.msg), ErroreDiRecord);
    // what came before the damage stays
    EXPECT_EQ(l.imp.Titolo, "Base");
    EXPECT_EQ(l.trave.nCampate(), 2);
    EXPECT_EQ(l.trave.EstraeDatiCampata(1).Luce, 5.0f);
}

TEST(LetturaDifettosa, NumeriIllegibili) {
    for (const std::string cattivo : {"abc", "NaN", "inf", "-INF", "1E+39", "", "5;6", "0x5", "1e999"}) {
        SCOPED_TRACE(cattivo);
        Lettura l(ConRiga(Campata2, "6,20," + cattivo + ",10,0,1"));
        EXPECT_EQ(l.esito, EsitoFile::Incompleto);
        EXPECT_EQ(Testi(l.msg), ErroreDiRecord);
        EXPECT_EQ(l.trave.EstraeDatiCampata(1).g1, 20.0f);
        EXPECT_EQ(l.trave.nCampate(), 1); // the damaged record is not stored
    }
}

TEST(LetturaDifettosa, ConteggiNegativi) {
    for (std::size_t riga : {NCampate, NSezioni, NForze}) {
        SCOPED_TRACE(riga);
        Lettura l(ConRiga(riga, "-1"));
        EXPECT_EQ(l.esito, EsitoFile::Incompleto);
        EXPECT_EQ(Testi(l.msg), ErroreDelFile);
        EXPECT_EQ(l.imp.Titolo, "Base");
        EXPECT_EQ(l.trave.TabForze().front()[1], 77.0f);
    }
}

TEST(LetturaDifettosa, ConteggiAssurdiNonAllocano) {
    // A count far beyond the file: the items the file holds are read, one by one, until the
    // file gives out; nothing is sized by the count.
    for (const std::string n : {"30000", "32767"}) {
        for (std::size_t riga : {NCampate, NSezioni, NForze}) {
            SCOPED_TRACE(n + " alla riga " + std::to_string(riga));
            Lettura l(ConRiga(riga, n));
            EXPECT_EQ(l.esito, EsitoFile::Incompleto);
            EXPECT_EQ(Testi(l.msg), ErroreDiRecord);
            EXPECT_LT(l.trave.nCampate(), 10);
            EXPECT_LT(l.trave.nSezioni(), 10);
            EXPECT_LT(l.trave.TabForze().size(), 10u);
            EXPECT_EQ(l.trave.EstraeDatiCampata(1).Luce, 5.0f);
        }
    }
    Lettura oltre(ConRiga(NCampate, "99999")); // not a 16-bit integer
    EXPECT_EQ(Testi(oltre.msg), ErroreDiRecord);
}

TEST(LetturaDifettosa, TabellaPiuCortaDelSuoConteggio) {
    // A file cut after the rows it has: the rows read whole stay in the beam.
    auto campate = RigheBase();
    campate[NCampate] = "5";
    campate.resize(Campata2 + 1);
    Lettura l(Unisce(campate));
    EXPECT_EQ(l.esito, EsitoFile::Incompleto);
    EXPECT_EQ(Testi(l.msg), ErroreDiRecord);
    ASSERT_EQ(l.trave.nCampate(), 2);
    EXPECT_EQ(l.trave.EstraeDatiCampata(2).Luce, 6.0f);

    auto forze = RigheBase();
    forze[NForze] = "3";
    forze.resize(Forza1 + 1);
    Lettura f(Unisce(forze));
    EXPECT_EQ(f.esito, EsitoFile::Incompleto);
    EXPECT_EQ(Testi(f.msg), ErroreDiRecord);
    EXPECT_EQ(f.trave.TabForze(), (std::vector<RigaCarichi>{{2, 30, 0, 10, 0, 3}}));
}

TEST(LetturaDifettosa, ValoriCheLaTraveNonPuoTenere) {
    const std::vector<std::pair<std::size_t, std::string>> casi = {
        {Vincoli, "0,4"},          {Vincoli, "-2,0"},         {Sezione, "3,3.1E+07"}, {Sezione, "-1,3.1E+07"},
        {Opzioni, "#FALSE#,0,13"}, {Opzioni, "#FALSE#,0,-1"}, {StatoLim, "2"},
    };
    for (const auto& [riga, testo] : casi) {
        SCOPED_TRACE(testo);
        Lettura l(ConRiga(riga, testo));
        EXPECT_EQ(l.esito, EsitoFile::Incompleto);
        EXPECT_EQ(Testi(l.msg), ErroreDelFile);
        EXPECT_GE(l.trave.VincoloSinistro, -1);
        EXPECT_LE(l.trave.VincoloDestro, 3);
        EXPECT_LE(l.imp.ClasseCls, 12);
        EXPECT_LE(l.imp.StatoLimite, 1);
    }
}

TEST(LetturaDifettosa, TipoDiVincoloElasticoFuoriTabella) {
    auto r = RigheBase();
    r[Vincoli] = "3,0";
    r.insert(r.begin() + NForze, {"#FALSE#", "0", "7", "0,0,0,0,0,0,0,0,0", "0,0,0,0,0,0,0,0,0"});
    Lettura l(Unisce(r));
    EXPECT_EQ(l.esito, EsitoFile::Incompleto);
    EXPECT_EQ(Testi(l.msg), ErroreDelFile);
    EXPECT_EQ(l.trave.iTipoVincElastDx, 0);
}

TEST(LetturaDifettosa, CarichiIncoerentiSiCaricanoComeSono) {
    // A load on a span the beam does not have, or outside its span, is the user's to correct:
    // the file opens with it, and the calculation refuses it.
    for (const std::string forza : {"3,30,0,10,0,3", "0,30,0,10,0,3", "-1,30,0,10,0,3", "1.5,30,0,10,0,3",
                                    "2,30,0,10,0,6.5", "2,30,0,10,0,-0.1", "2,30,0,10,0,6"}) {
        SCOPED_TRACE(forza);
        Lettura l(ConRiga(Forza1, forza));
        EXPECT_EQ(l.esito, EsitoFile::Completo);
        EXPECT_TRUE(l.msg.Voci.empty());
        ASSERT_EQ(l.trave.TabForze().size(), 1u);
        EXPECT_EQ(TestoCampo(l.trave.TabForze()[0][0]) + ",30,0,10,0," + TestoCampo(l.trave.TabForze()[0][5]),
                  forza);
        EXPECT_EQ(l.trave.nCampate(), 2);
    }
}

} // namespace
} // namespace vc::test

namespace vc::test {
namespace {

// A sink that breaks at its first message: a fault of the program in the middle of a read.
class MessaggiGuasti final : public Messaggi {
  public:
    void Mostra(const std::string& testo, Icona, const std::string&) override {
        if (Testi.empty() && !guasto_) {
            guasto_ = true;
            throw std::logic_error("guasto del programma");
        }
        Testi.push_back(testo);
    }
    bool ChiediSiNo(const std::string&, Icona, const std::string&) override { return true; }
    std::vector<std::string> Testi;

  private:
    bool guasto_ = false;
};

TEST(LetturaDifettosa, UnGuastoDelProgrammaNonDiventaUnFileIncompleto) {
    auto r = RigheBase();
    r.erase(r.begin() + Campata2);
    Velcora trave;
    Impostazioni imp;
    MessaggiGuasti msg;
    EXPECT_THROW(Carica(Unisce(r), trave, imp, msg), std::logic_error);
    EXPECT_TRUE(msg.Testi.empty()); // no "Lettura incompleta del File" for a fault of the program
}

} // namespace
} // namespace vc::test
