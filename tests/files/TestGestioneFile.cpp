// The file commands around the data file: dialogs, current name and folder, caption, the
// report, the command line.

#include "AiutoFile.h"
#include "files/Codifica1252.h"
#include "files/GestioneFile.h"

#include <gtest/gtest.h>

namespace vc::test {
namespace {

// A dialog that answers with a prepared path (or a cancel) and remembers what it was asked.
class DialogoFinto final : public DialogoFile {
  public:
    std::optional<fs::path> Risposta;
    std::vector<std::string> Aperture; // "Apri" or "Salva", in order
    RichiestaDialogo Ultima;

    std::optional<fs::path> Apri(const RichiestaDialogo& r) override { return Risponde("Apri", r); }
    std::optional<fs::path> Salva(const RichiestaDialogo& r) override { return Risponde("Salva", r); }

  private:
    std::optional<fs::path> Risponde(const std::string& tipo, const RichiestaDialogo& r) {
        Aperture.push_back(tipo);
        Ultima = r;
        return Risposta;
    }
};

struct Ambiente {
    Velcora trave;
    Impostazioni imp;
    MessaggiRegistrati msg;
    DialogoFinto dialogo;
    CartellaTemporanea dir;
    Ambiente() { imp.PercorsoDati = dir.Percorso.string(); }
    EsitoGestioneFile Esegue(AzioneFile a, const fs::path& percorso = {}) {
        return GestioneFileDati(a, "Velcora", "vlr", dialogo, trave, imp, msg, percorso);
    }
};

TEST(NomeBase, TogliCartellaEdEstensione) {
    EXPECT_EQ(NomeBase("/dati/lavori/trave 1.vlr"), "trave 1");
    EXPECT_EQ(NomeBase("C:\\Dati\\trave 1.vlr"), "trave 1");
    EXPECT_EQ(NomeBase("trave.bak.vlr"), "trave.bak");
    EXPECT_EQ(NomeBase("trave"), "trave");
    EXPECT_EQ(NomeBase("*"), "*");
    EXPECT_EQ(NomeBase("*.vlr"), "*");
    EXPECT_EQ(NomeBase("/dati/.nascosto"), ".nascosto");
    EXPECT_EQ(NomeBase(""), "");
}

TEST(RigaComando, ParoleSeparateDaSpaziTabEVirgolette) {
    EXPECT_EQ(ParoleRigaComando("  uno\tdue \"tre quattro\"cinque "),
              (std::vector<std::string>{"uno", "due", "tre", "quattro", "cinque"}));
    EXPECT_TRUE(ParoleRigaComando("  \"\" \t").empty());
    EXPECT_EQ(ParoleRigaComando("a b c d e", 3), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(ParoleRigaComando("1 2 3 4 5 6 7 8 9 10 11 12").size(), 10u);
}

TEST(RigaComando, ApreIlPercorsoConSpaziTraVirgolette) {
    Ambiente a;
    fs::create_directory(a.dir.Percorso / "Dati");
    const auto p = a.dir.Percorso / "Dati" / "trave 1.vlr";
    fs::copy_file(CartellaEsempi() / "tre_campate_appoggi.vlr", p);
    EXPECT_TRUE(ApriFileDaRigaComando("\"" + p.string() + "\"", a.trave, a.imp, a.msg));
    EXPECT_EQ(a.imp.PercorsoDati, (a.dir.Percorso / "Dati").string());
    EXPECT_EQ(a.imp.NomeFile, "trave 1");
    EXPECT_EQ(a.trave.nCampate(), 3);
    EXPECT_TRUE(a.msg.Voci.empty());
}

TEST(RigaComando, RigaVuotaFileMancanteEFileVecchio) {
    Ambiente a;
    EXPECT_FALSE(ApriFileDaRigaComando("   ", a.trave, a.imp, a.msg));
    EXPECT_TRUE(a.msg.Voci.empty());

    const auto manca = a.dir.Percorso / "manca.vlr";
    a.imp.NomeFile = "precedente";
    EXPECT_FALSE(ApriFileDaRigaComando(manca.string(), a.trave, a.imp, a.msg));
    EXPECT_EQ(Testi(a.msg), std::vector<std::string>{"File " + manca.string() + " non trovato "});
    EXPECT_EQ(a.imp.NomeFile, "");

    // a file too old for the display records counts as opened
    a.msg.Voci.clear();
    const auto vecchio = a.dir.Percorso / "vecchio.vlr";
    ScriveByte(
        vecchio,
        "\"V\",\"5.0\"\r\n1\r\n5,1,1,1,1,1\r\n0,0\r\n0\r\n0\r\n0\r\n#FALSE#,0,0\r\n#FALSE#\r\n0\r\n0\r\n");
    EXPECT_TRUE(ApriFileDaRigaComando(vecchio.string(), a.trave, a.imp, a.msg));
    EXPECT_EQ(a.imp.NomeFile, "vecchio");
    EXPECT_EQ(Testi(a.msg), std::vector<std::string>{"Lettura incompleta del File"});
}

TEST(GestioneFileDati, NuovoNonToccaNulla) {
    Ambiente a;
    a.imp.NomeFile = "";
    a.trave.nCampate(2);
    const auto esito = a.Esegue(AzioneFile::Nuovo);
    EXPECT_FALSE(esito.Annullato);
    EXPECT_FALSE(esito.Esito.has_value());
    EXPECT_EQ(a.trave.nCampate(), 2);
    EXPECT_TRUE(a.dialogo.Aperture.empty());
}

TEST(GestioneFileDati, ApreIlFileScelto) {
    Ambiente a;
    fs::copy_file(CartellaEsempi() / "carichi_concentrati_slu.vlr", a.dir.Percorso / "portale.vlr");
    fs::create_directory(a.dir.Percorso / "altra");
    a.imp.PercorsoDati = (a.dir.Percorso / "altra").string();
    a.dialogo.Risposta = a.dir.Percorso / "portale.vlr";
    const auto esito = a.Esegue(AzioneFile::Apri);
    EXPECT_FALSE(esito.Annullato);
    EXPECT_EQ(esito.Esito, EsitoFile::Completo);
    EXPECT_EQ(a.dialogo.Aperture, std::vector<std::string>{"Apri"});
    EXPECT_EQ(a.dialogo.Ultima.Filtro, "Tutti i Files (*.*)|*.*|Files Velcora (*.vlr)|*.vlr");
    EXPECT_EQ(a.dialogo.Ultima.IndiceFiltro, 2);
    EXPECT_EQ(a.dialogo.Ultima.NomeFile, "*.vlr");
    EXPECT_EQ(a.dialogo.Ultima.Cartella, a.dir.Percorso / "altra");
    EXPECT_EQ(a.imp.NomeFile, "portale");
    EXPECT_EQ(a.imp.PercorsoDati, a.dir.Percorso.string());
    EXPECT_EQ(a.trave.nCarConc(), 3);
}

TEST(GestioneFileDati, CartellaIndicataOInesistente) {
    Ambiente a;
    a.dialogo.Risposta = std::nullopt;
    a.Esegue(AzioneFile::Apri, "/cartella/indicata");
    EXPECT_EQ(a.dialogo.Ultima.Cartella, fs::path("/cartella/indicata"));
    a.imp.PercorsoDati = (a.dir.Percorso / "non-esiste").string();
    a.Esegue(AzioneFile::Apri);
    EXPECT_EQ(a.dialogo.Ultima.Cartella, fs::current_path());
}

TEST(GestioneFileDati, AperturaAnnullataNonLeggeNulla) {
    Ambiente a;
    a.imp.NomeFile = "trave";
    const auto esito = a.Esegue(AzioneFile::Apri);
    EXPECT_TRUE(esito.Annullato);
    EXPECT_FALSE(esito.Esito.has_value());
    EXPECT_EQ(a.dialogo.Ultima.NomeFile, "trave.vlr");
    EXPECT_EQ(a.imp.NomeFile, "trave");
    EXPECT_EQ(a.trave.nCampate(), 0);
    EXPECT_TRUE(a.msg.Voci.empty());
}

TEST(GestioneFileDati, FileSceltoMaIllegibile) {
    Ambiente a;
    a.imp.NomeFile = "trave";
    a.dialogo.Risposta = a.dir.Percorso / "sparito.vlr";
    const auto esito = a.Esegue(AzioneFile::Apri);
    EXPECT_FALSE(esito.Esito.has_value());
    EXPECT_EQ(a.msg.Voci.size(), 1u);
    EXPECT_EQ(a.imp.NomeFile, "trave");
}

TEST(GestioneFileDati, SalvaSenzaNomeChiedeIlNomeEPoiRiusaQuello) {
    Ambiente a;
    TraveCompleta(a.trave, a.imp);
    a.imp.NomeFile = "";
    a.dialogo.Risposta = a.dir.Percorso / "nuova"; // typed without extension
    auto esito = a.Esegue(AzioneFile::Salva);
    EXPECT_EQ(esito.Esito, EsitoFile::Completo);
    EXPECT_EQ(a.dialogo.Aperture, std::vector<std::string>{"Salva"});
    EXPECT_TRUE(a.dialogo.Ultima.ChiediSovrascrittura);
    EXPECT_EQ(a.dialogo.Ultima.NomeFile, "*.vlr");
    EXPECT_EQ(a.dialogo.Ultima.EstensionePredefinita, "vlr");
    const auto p = a.dir.Percorso / "nuova.vlr";
    ASSERT_TRUE(fs::exists(p));
    EXPECT_EQ(a.imp.NomeFile, "nuova");

    a.trave.Copriferro = 0.05f;
    esito = a.Esegue(AzioneFile::Salva);
    EXPECT_EQ(esito.Esito, EsitoFile::Completo);
    EXPECT_EQ(a.dialogo.Aperture.size(), 1u); // no dialog the second time
    Velcora letta;
    Impostazioni il;
    ASSERT_EQ(Carica(LeggeByte(p), letta, il, a.msg), EsitoFile::Completo);
    EXPECT_EQ(letta.Copriferro, 0.05f);
    EXPECT_TRUE(a.msg.Voci.empty());
}

TEST(GestioneFileDati, NomeAsteriscoRichiedeIlNome) {
    Ambiente a;
    TraveCompleta(a.trave, a.imp);
    a.imp.NomeFile = "*";
    a.dialogo.Risposta = std::nullopt;
    const auto esito = a.Esegue(AzioneFile::Salva);
    EXPECT_TRUE(esito.Annullato);
    EXPECT_EQ(a.dialogo.Aperture, std::vector<std::string>{"Salva"});
    EXPECT_TRUE(fs::is_empty(a.dir.Percorso));
}

TEST(GestioneFileDati, SalvaConNomeAnnullatoNonScriveNulla) {
    Ambiente a;
    TraveCompleta(a.trave, a.imp);
    a.imp.NomeFile = "vecchia";
    const auto esito = a.Esegue(AzioneFile::SalvaConNome);
    EXPECT_TRUE(esito.Annullato);
    EXPECT_EQ(a.dialogo.Ultima.NomeFile, "vecchia.vlr");
    EXPECT_EQ(a.imp.NomeFile, "vecchia");
    EXPECT_TRUE(fs::is_empty(a.dir.Percorso));
}

TEST(GestioneFileDati, SalvataggioFallitoNonCambiaNomeNeCartella) {
    Ambiente a;
    TraveCompleta(a.trave, a.imp);
    a.imp.NomeFile = "vecchia";
    a.dialogo.Risposta = a.dir.Percorso / "manca" / "nuova.vlr";
    const auto esito = a.Esegue(AzioneFile::SalvaConNome);
    EXPECT_EQ(esito.Esito, EsitoFile::Incompleto);
    EXPECT_EQ(Testi(a.msg),
              std::vector<std::string>{ScritturaIncompleta(a.dir.Percorso / "manca" / "nuova.vlr",
                                                           std::errc::no_such_file_or_directory)});
    EXPECT_EQ(a.imp.NomeFile, "vecchia");
    EXPECT_EQ(a.imp.PercorsoDati, a.dir.Percorso.string());
}

TEST(GestioneFileDati, SalvaInUnaCartellaSparitaNonScriveAltrove) {
    // The folder of the open file has been renamed, or the automation client has handed over a
    // folder that does not exist: a plain save fails with the reason and writes nothing in the
    // current directory.
    Ambiente a;
    TraveCompleta(a.trave, a.imp);
    const fs::path corrente = fs::current_path();
    fs::current_path(a.dir.Percorso);
    a.imp.NomeFile = "trave";
    for (const std::string& cartella : {(a.dir.Percorso / "sparita").string(), std::string()}) {
        SCOPED_TRACE(cartella);
        a.msg.Voci.clear();
        a.imp.PercorsoDati = cartella;
        const auto esito = a.Esegue(AzioneFile::Salva);
        EXPECT_EQ(esito.Esito, EsitoFile::Incompleto);
        const fs::path atteso = cartella.empty() ? fs::path("trave.vlr") : fs::path(cartella) / "trave.vlr";
        EXPECT_EQ(Testi(a.msg), std::vector<std::string>{
                                    ScritturaIncompleta(atteso, std::errc::no_such_file_or_directory)});
        EXPECT_TRUE(a.dialogo.Aperture.empty());
        EXPECT_EQ(a.imp.PercorsoDati, cartella);
    }
    fs::current_path(corrente);
    EXPECT_TRUE(fs::is_empty(a.dir.Percorso));
}

// The report of the main window, as the listing would write it.
class RelazioneFinta final : public FinestraStampa {
  public:
    std::vector<DestinazioneRelazione> Destinazioni;
    void StampaFile(DestinazioneRelazione destinazione, StampanteRighe& uscita) override {
        Destinazioni.emplace_back(destinazione);
        uscita.StampaRiga("NOME FILE: prova");
        uscita.StampaTesto("Cam.");
        uscita.StampaTab(6);
        uscita.StampaRiga("Luce più lunga");
    }
};

class StampanteFinta final : public Stampante {
  public:
    std::optional<int> Copie;
    int Reimpostazioni = 0, Fini = 0;
    RigheSuTesto Carta;
    std::optional<int> ChiediCopie() override { return Copie; }
    void Reimposta() override { ++Reimpostazioni; }
    StampanteRighe& Righe() override { return Carta; }
    void FineDocumento() override { ++Fini; }
};

TEST(Stampa, SuFileDiTesto) {
    Ambiente a;
    a.imp.NomeFile = "trave";
    RelazioneFinta relazione;
    a.dialogo.Risposta = a.dir.Percorso / "relazione.txt";
    EXPECT_TRUE(StampaSuDispositivo(a.imp.NomeFile, "txt", a.dialogo, relazione, DestinazioneRelazione::File,
                                    nullptr, a.imp, a.msg));
    EXPECT_EQ(a.dialogo.Ultima.Filtro, "Tutti i Files (*.*)|*.*|Files (*.txt)|*.txt");
    EXPECT_EQ(a.dialogo.Ultima.IndiceFiltro, 2);
    EXPECT_EQ(a.dialogo.Ultima.NomeFile, "trave.txt");
    EXPECT_TRUE(a.dialogo.Ultima.ChiediSovrascrittura);
    EXPECT_EQ(relazione.Destinazioni, std::vector<DestinazioneRelazione>{DestinazioneRelazione::File});
    EXPECT_EQ(LeggeByte(a.dir.Percorso / "relazione.txt"), "NOME FILE: prova\r\nCam. Luce pi\xF9 lunga\r\n");
    // the report does not become the current data file
    EXPECT_EQ(a.imp.NomeFile, "trave");
    EXPECT_EQ(a.imp.PercorsoDati, a.dir.Percorso.string());
}

TEST(Stampa, FileDiTestoNonScrivibile) {
    Ambiente a;
    RelazioneFinta relazione;
    a.dialogo.Risposta = a.dir.Percorso / "manca" / "relazione.txt";
    EXPECT_FALSE(StampaSuDispositivo("", "txt", a.dialogo, relazione, DestinazioneRelazione::File, nullptr,
                                     a.imp, a.msg));
    EXPECT_EQ(a.dialogo.Ultima.NomeFile, "*.txt");
    EXPECT_EQ(Testi(a.msg),
              std::vector<std::string>{ScritturaIncompleta(a.dir.Percorso / "manca" / "relazione.txt",
                                                           std::errc::no_such_file_or_directory)});

    // A listing the user has protected from writing stays as it is.
    const fs::path protetta = a.dir.Percorso / "protetta.txt";
    ScriveByte(protetta, "vecchia");
    fs::permissions(protetta, fs::perms::owner_read);
    a.msg.Voci.clear();
    a.dialogo.Risposta = protetta;
    EXPECT_FALSE(StampaSuDispositivo("", "txt", a.dialogo, relazione, DestinazioneRelazione::File, nullptr,
                                     a.imp, a.msg));
    EXPECT_EQ(Testi(a.msg), std::vector<std::string>{"Scrittura incompleta del file\r\n" + protetta.string() +
                                                     ": il file è protetto da scrittura"});
    EXPECT_EQ(LeggeByte(protetta), "vecchia");
}

TEST(Stampa, SullaStampanteUnaVoltaPerCopia) {
    Ambiente a;
    RelazioneFinta relazione;
    StampanteFinta stampante;
    stampante.Copie = 2;
    EXPECT_TRUE(StampaSuDispositivo("trave", "txt", a.dialogo, relazione, DestinazioneRelazione::Stampante,
                                    &stampante, a.imp, a.msg));
    EXPECT_EQ(relazione.Destinazioni, (std::vector<DestinazioneRelazione>{DestinazioneRelazione::Stampante,
                                                                          DestinazioneRelazione::Stampante}));
    EXPECT_EQ(stampante.Reimpostazioni, 1);
    EXPECT_EQ(stampante.Fini, 1);
    EXPECT_TRUE(a.dialogo.Aperture.empty());

    StampanteFinta annullata;
    RelazioneFinta nulla;
    EXPECT_FALSE(StampaSuDispositivo("trave", "txt", a.dialogo, nulla, DestinazioneRelazione::Stampante,
                                     &annullata, a.imp, a.msg));
    EXPECT_TRUE(nulla.Destinazioni.empty());
    EXPECT_EQ(annullata.Fini, 0);
    EXPECT_TRUE(a.msg.Voci.empty());
}

TEST(Stampa, TabulazioneComeSullaCarta) {
    RigheSuTesto r;
    r.StampaTesto("abc");
    r.StampaTab(6);
    r.StampaTesto("x");
    r.StampaTab(3); // already past: column 3 of the next line
    r.StampaTesto("y");
    r.StampaTab(4); // exactly there: no move
    r.StampaRiga("z");
    EXPECT_EQ(r.Testo(), "abc  x\r\n  yz\r\n");
}

} // namespace
} // namespace vc::test

namespace vc {
namespace {

TEST(RigheSuTestoColonne, ContaICaratteriNonIByte) {
    RigheSuTesto righe;
    righe.StampaTesto("1\u202F234,5"); // narrow no-break space as grouping: 3 bytes, 1 character
    righe.StampaTab(10);
    righe.StampaRiga("x");
    EXPECT_EQ(righe.Testo(), "1\u202F234,5  x\r\n"); // x at column 10
}

} // namespace
} // namespace vc
