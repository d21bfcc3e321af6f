// The settings file VelcoraDwg.ini: fourteen values, defaults when it is missing or short,
// the user's configuration folder when the program's folder cannot be written, the
// installation's defaults until a file is saved.

#include "AiutoFile.h"
#include "files/FileIni.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace vc::test {
namespace {

const CoefficientiParziali Utente = {1, 1.35f, 0.8f, 1.5f, 0, 1.5f, 0, 1.5f, 0.6f, 0.2f, 0, 0.7f, 0.5f, 0.3f};

struct Ambiente {
    CartellaTemporanea dir;
    PercorsiFileIni percorsi;
    Impostazioni imp;
    MessaggiRegistrati msg;
    Ambiente() {
        fs::create_directory(dir.Percorso / "programma");
        percorsi.Programma = dir.Percorso / "programma" / "VelcoraDwg.ini";
        percorsi.Utente = dir.Percorso / "config" / "VelcoraDwg" / "VelcoraDwg.ini";
        percorsi.Installazione = dir.Percorso / "share" / "velcora" / "VelcoraDwg.ini";
    }
};

TEST(FileIni, MessaggioSuCinqueRighe) {
    EXPECT_EQ(MessaggioFileIniIncompleto(),
              "Il File VelcoraDwg.ini non esiste o è incompleto.\r\n"
              "Vengono caricati valori di Default per i coefficienti parziali dei carichi.\r\n"
              "Usare il menu Impostazioni per cambiarli e salvarli.\r\n"
              "I valori dei coefficienti parziali dei carichi vengono anche salvati\r\n"
              "nel file dei dati.");
}

TEST(FileIni, PrimoAvvioSenzaFile) {
    Ambiente a;
    a.imp.CoefParz = Utente;
    EXPECT_FALSE(FileIniLeggeScrive(Modo::Lettura, a.imp, a.msg, a.percorsi));
    EXPECT_EQ(a.imp.CoefParz, CoefParzDefault);
    ASSERT_EQ(a.msg.Voci.size(), 1u);
    EXPECT_EQ(a.msg.Voci[0].Testo, MessaggioFileIniIncompleto());
    EXPECT_EQ(a.msg.Voci[0].Icona, Icona::Informazione);
    EXPECT_FALSE(fs::exists(a.percorsi.Programma)); // nothing written until the user saves
}

TEST(FileIni, SalvaQuattordiciRigheERilegge) {
    Ambiente a;
    a.imp.CoefParz = Utente;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Scrittura, a.imp, a.msg, a.percorsi));
    EXPECT_EQ(LeggeByte(a.percorsi.Programma),
              "1\r\n1.35\r\n0.8\r\n1.5\r\n0\r\n1.5\r\n0\r\n1.5\r\n0.6\r\n0.2\r\n0\r\n0.7\r\n0.5\r\n0.3\r\n");
    Impostazioni letta;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Lettura, letta, a.msg, a.percorsi));
    EXPECT_EQ(letta.CoefParz, Utente);
    EXPECT_TRUE(a.msg.Voci.empty());
}

TEST(FileIni, FileCortoOValoreIllegibile) {
    for (const std::string& contenuto :
         {std::string(
              "1\r\n1.3\r\n0.8\r\n1.5\r\n0\r\n1.5\r\n0\r\n1.5\r\n0.7\r\n0.5\r\n0.3\r\n0.7\r\n0.5\r\n"),
          std::string("1\r\n1.3\r\n0.8\r\nx\r\n0\r\n1.5\r\n0\r\n1.5\r\n0.7\r\n0.5\r\n0.3\r\n0.7\r\n0.5\r\n0."
                      "3\r\n")}) {
        Ambiente a;
        a.imp.CoefParz = Utente;
        ScriveByte(a.percorsi.Programma, contenuto);
        EXPECT_FALSE(FileIniLeggeScrive(Modo::Lettura, a.imp, a.msg, a.percorsi));
        EXPECT_EQ(Testi(a.msg),
                  (std::vector<std::string>{"Lettura incompleta del file", MessaggioFileIniIncompleto()}));
        EXPECT_EQ(a.imp.CoefParz, CoefParzDefault); // the values read are replaced as well
    }
}

TEST(FileIni, CartellaDelProgrammaNonScrivibile) {
    Ambiente a;
    // the program's "folder" is a file: nothing can be created in it
    ScriveByte(a.dir.Percorso / "bloccata", "x");
    a.percorsi.Programma = a.dir.Percorso / "bloccata" / "VelcoraDwg.ini";
    a.imp.CoefParz = Utente;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Scrittura, a.imp, a.msg, a.percorsi));
    EXPECT_TRUE(fs::exists(a.percorsi.Utente));
    EXPECT_TRUE(a.msg.Voci.empty());

    Impostazioni letta;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Lettura, letta, a.msg, a.percorsi));
    EXPECT_EQ(letta.CoefParz, Utente);
}

TEST(FileIni, LaCopiaDellUtenteNonNascondeQuellaDelProgramma) {
    // A copy in the user's folder, left by an earlier run whose program folder was not
    // writable: as long as the program's folder can be written, its file is the one read and
    // written, and the user's copy is left alone.
    Ambiente a;
    a.imp.CoefParz = CoefParzDefault;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Scrittura, a.imp, a.msg, a.percorsi));
    fs::create_directories(a.percorsi.Utente.parent_path());
    const std::string copia =
        "1\r\n2\r\n0.8\r\n1.5\r\n0\r\n1.5\r\n0\r\n1.5\r\n0.7\r\n0.5\r\n0.3\r\n0.7\r\n0.5\r\n0.3\r\n";
    ScriveByte(a.percorsi.Utente, copia);

    Impostazioni letta;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Lettura, letta, a.msg, a.percorsi));
    EXPECT_EQ(letta.CoefParz, CoefParzDefault);

    letta.CoefParz[1] = 1.4f;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Scrittura, letta, a.msg, a.percorsi));
    Impostazioni ancora;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Lettura, ancora, a.msg, a.percorsi));
    EXPECT_EQ(ancora.CoefParz[1], 1.4f);
    EXPECT_EQ(LeggeByte(a.percorsi.Utente), copia);
    EXPECT_TRUE(a.msg.Voci.empty());
}

TEST(FileIni, FileDelProgrammaProtettoVaNellaCopiaDellUtente) {
    Ambiente a;
    const std::string fornito =
        "1\r\n1.3\r\n0.8\r\n1.5\r\n0\r\n1.5\r\n0\r\n1.5\r\n0.7\r\n0.5\r\n0.3\r\n0.7\r\n0.5\r\n0.25\r\n";
    ScriveByte(a.percorsi.Programma, fornito);
    fs::permissions(a.percorsi.Programma,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    // Until the user saves, the factors the program comes with are read.
    Impostazioni letta;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Lettura, letta, a.msg, a.percorsi));
    EXPECT_EQ(letta.CoefParz[13], 0.25f);

    letta.CoefParz = Utente;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Scrittura, letta, a.msg, a.percorsi));
    EXPECT_EQ(LeggeByte(a.percorsi.Programma), fornito);
    Impostazioni ancora;
    ASSERT_TRUE(FileIniLeggeScrive(Modo::Lettura, ancora, a.msg, a.percorsi));
    EXPECT_EQ(ancora.CoefParz, Utente);
    EXPECT_TRUE(a.msg.Voci.empty());
}

TEST(FileIni, IValoriDellInstallazioneFinoAlPrimoSalvataggio) {
    // An installed program: its defaults under share/velcora are read while no settings file of
    // its own is there, whether the program's folder can be written (by root) or not; a save
    // writes the user's file, never the program's folder nor the installation's, and from then
    // on the user's file is read.
    const std::string installati =
        "1\r\n1.3\r\n0.8\r\n1.5\r\n0\r\n1.5\r\n0\r\n1.5\r\n0.7\r\n0.5\r\n0.3\r\n0.7\r\n0.5\r\n0.25\r\n";
    for (const bool cartellaScrivibile : {true, false}) {
        SCOPED_TRACE(cartellaScrivibile);
        Ambiente a;
        if (!cartellaScrivibile) {
            ScriveByte(a.dir.Percorso / "bloccata", "x"); // nothing can be created in a file
            a.percorsi.Programma = a.dir.Percorso / "bloccata" / "VelcoraDwg.ini";
        }
        fs::create_directories(a.percorsi.Installazione.parent_path());
        ScriveByte(a.percorsi.Installazione, installati);

        Impostazioni letta;
        ASSERT_TRUE(FileIniLeggeScrive(Modo::Lettura, letta, a.msg, a.percorsi));
        EXPECT_EQ(letta.CoefParz[13], 0.25f);
        EXPECT_TRUE(a.msg.Voci.empty());

        letta.CoefParz = Utente;
        ASSERT_TRUE(FileIniLeggeScrive(Modo::Scrittura, letta, a.msg, a.percorsi));
        EXPECT_TRUE(fs::exists(a.percorsi.Utente));
        EXPECT_FALSE(fs::exists(a.percorsi.Programma));
        EXPECT_EQ(LeggeByte(a.percorsi.Installazione), installati);
        Impostazioni ancora;
        ASSERT_TRUE(FileIniLeggeScrive(Modo::Lettura, ancora, a.msg, a.percorsi));
        EXPECT_EQ(ancora.CoefParz, Utente);
    }
}

TEST(FileIni, ValoriCheNonSonoCoefficienti) {
    const std::string inizio = "1\r\n";
    const std::string resto =
        "0.8\r\n1.5\r\n0\r\n1.5\r\n0\r\n1.5\r\n0.7\r\n0.5\r\n0.3\r\n0.7\r\n0.5\r\n0.3\r\n";
    const std::vector<std::string> diRecord{"Lettura incompleta del file", MessaggioFileIniIncompleto()};
    const std::vector<std::string> soloIni{MessaggioFileIniIncompleto()};
    const std::pair<std::string, std::vector<std::string>> casi[] = {
        {"1,3", diRecord},   // a decimal comma: it would shift all fourteen values
        {"1,3,", diRecord},  //
        {"-1.3", soloIni},   // a negative factor
        {"inf", diRecord},   // not finite
        {"nan", diRecord},   //
        {"1E+39", diRecord}, // beyond a single
    };
    for (const auto& [riga, attesi] : casi) {
        SCOPED_TRACE(riga);
        Ambiente a;
        a.imp.CoefParz = Utente;
        ScriveByte(a.percorsi.Programma, inizio + riga + "\r\n" + resto);
        EXPECT_FALSE(FileIniLeggeScrive(Modo::Lettura, a.imp, a.msg, a.percorsi));
        EXPECT_EQ(Testi(a.msg), attesi);
        EXPECT_EQ(a.imp.CoefParz, CoefParzDefault);
    }
}

TEST(FileIni, SalvataggioImpossibileTieneIValori) {
    Ambiente a;
    ScriveByte(a.dir.Percorso / "bloccata", "x");
    a.percorsi.Programma = a.dir.Percorso / "bloccata" / "VelcoraDwg.ini";
    a.percorsi.Utente = a.dir.Percorso / "bloccata" / "config" / "VelcoraDwg.ini";
    a.imp.CoefParz = Utente;
    EXPECT_FALSE(FileIniLeggeScrive(Modo::Scrittura, a.imp, a.msg, a.percorsi));
    EXPECT_EQ(Testi(a.msg),
              std::vector<std::string>{ScritturaIncompleta(a.percorsi.Utente, std::errc::not_a_directory)});
    EXPECT_EQ(a.imp.CoefParz, Utente);
}

TEST(FileIni, ValoreNonFinitoNonSiSalva) {
    Ambiente a;
    ScriveByte(a.percorsi.Programma, "vecchio");
    a.imp.CoefParz = Utente;
    a.imp.CoefParz[5] = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(FileIniLeggeScrive(Modo::Scrittura, a.imp, a.msg, a.percorsi));
    EXPECT_EQ(Testi(a.msg), std::vector<std::string>{"Scrittura incompleta del file"});
    EXPECT_EQ(LeggeByte(a.percorsi.Programma), "vecchio");
}

// Sets an environment variable for one test and puts it back afterwards.
class VariabileAmbiente {
  public:
    VariabileAmbiente(const char* nome, const char* valore) : nome_(nome) {
        if (const char* v = std::getenv(nome)) prima_ = v;
        if (valore)
            setenv(nome, valore, 1);
        else
            unsetenv(nome);
    }
    ~VariabileAmbiente() {
        if (prima_)
            setenv(nome_, prima_->c_str(), 1);
        else
            unsetenv(nome_);
    }
    VariabileAmbiente(const VariabileAmbiente&) = delete;
    VariabileAmbiente& operator=(const VariabileAmbiente&) = delete;

  private:
    const char* nome_;
    std::optional<std::string> prima_;
};

TEST(FileIni, PercorsiPredefiniti) {
    {
        VariabileAmbiente xdg("XDG_CONFIG_HOME", "/conf");
        const auto p = PercorsiFileIniPredefiniti("/opt/velcora");
        EXPECT_EQ(p.Programma, fs::path("/opt/velcora/VelcoraDwg.ini"));
        EXPECT_EQ(p.Utente, fs::path("/conf/VelcoraDwg/VelcoraDwg.ini"));
        EXPECT_EQ(PercorsiFileIniPredefiniti("/usr/bin").Installazione,
                  fs::path("/usr/share/velcora/VelcoraDwg.ini"));
    }
    {
        VariabileAmbiente xdg("XDG_CONFIG_HOME", "relativa"); // not absolute: ignored
        VariabileAmbiente home("HOME", "/home/ing");
        EXPECT_EQ(PercorsiFileIniPredefiniti("/opt/velcora").Utente,
                  fs::path("/home/ing/.config/VelcoraDwg/VelcoraDwg.ini"));
    }
    {
        VariabileAmbiente xdg("XDG_CONFIG_HOME", nullptr);
        VariabileAmbiente home("HOME", nullptr);
        EXPECT_TRUE(PercorsiFileIniPredefiniti("/opt/velcora").Utente.empty());
    }
}

TEST(FileIni, ModoNonValido) {
    Ambiente a;
    EXPECT_FALSE(FileIniLeggeScrive(static_cast<Modo>('Z'), a.imp, a.msg, a.percorsi));
    EXPECT_EQ(Testi(a.msg), std::vector<std::string>{"Errore nella Sub FileIniLeggeScrive"});
}

} // namespace
} // namespace vc::test
