// Saving never destroys the previous file: the new content goes to a temporary file beside it,
// which replaces the old one only when it has been written whole.

#include "AiutoFile.h"
#include "files/FileSuDisco.h"
#include "files/GestioneFile.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace vc::test {
namespace {

// Only the files the test put there: no temporary file is left behind.
std::vector<std::string> Contenuto(const fs::path& cartella) {
    std::vector<std::string> nomi;
    for (const auto& e : fs::directory_iterator(cartella))
        nomi.push_back(e.path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

TEST(SalvataggioAtomico, CreaESostituisce) {
    CartellaTemporanea dir;
    const auto p = dir.Percorso / "trave.vlr";
    std::error_code ec;
    ASSERT_TRUE(ScriveFileAtomico(p, "primo\r\n", ec)) << ec.message();
    EXPECT_EQ(LeggeByte(p), "primo\r\n");
    ASSERT_TRUE(ScriveFileAtomico(p, "secondo\r\n", ec)) << ec.message();
    EXPECT_EQ(LeggeByte(p), "secondo\r\n");
    EXPECT_EQ(Contenuto(dir.Percorso), std::vector<std::string>{"trave.vlr"});
}

TEST(SalvataggioAtomico, TieneIPermessiDelVecchioFile) {
    CartellaTemporanea dir;
    const auto p = dir.Percorso / "trave.vlr";
    ScriveByte(p, "vecchio");
    fs::permissions(p, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::error_code ec;
    ASSERT_TRUE(ScriveFileAtomico(p, "nuovo", ec));
    EXPECT_EQ(fs::status(p).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(SalvataggioAtomico, AttraversoUnCollegamentoSimbolico) {
    CartellaTemporanea dir;
    const auto vero = dir.Percorso / "vero.vlr";
    const auto link = dir.Percorso / "link.vlr";
    ScriveByte(vero, "vecchio");
    fs::create_symlink(vero, link);
    std::error_code ec;
    ASSERT_TRUE(ScriveFileAtomico(link, "nuovo", ec)) << ec.message();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(LeggeByte(vero), "nuovo");
}

TEST(SalvataggioAtomico, RinominaImpossibileLasciaTuttoComEra) {
    CartellaTemporanea dir;
    // The destination is a folder that is not empty: the new file cannot take its place.
    const auto p = dir.Percorso / "trave.vlr";
    fs::create_directory(p);
    ScriveByte(p / "dentro.txt", "x");
    std::error_code ec;
    EXPECT_FALSE(ScriveFileAtomico(p, "nuovo", ec));
    EXPECT_TRUE(ec);
    EXPECT_EQ(LeggeByte(p / "dentro.txt"), "x");
    EXPECT_EQ(Contenuto(dir.Percorso), std::vector<std::string>{"trave.vlr"});
}

TEST(SalvataggioAtomico, CartellaInesistente) {
    CartellaTemporanea dir;
    std::error_code ec;
    EXPECT_FALSE(ScriveFileAtomico(dir.Percorso / "manca" / "trave.vlr", "x", ec));
    EXPECT_TRUE(ec);
}

// Lowers the largest file the process may write, so that the disk "fills up" in the middle of
// a file; restores it on leaving.
class LimiteDimensioneFile {
  public:
    explicit LimiteDimensioneFile(rlim_t byte) {
        getrlimit(RLIMIT_FSIZE, &prima_);
        segnale_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = prima_;
        r.rlim_cur = byte;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteDimensioneFile() {
        setrlimit(RLIMIT_FSIZE, &prima_);
        std::signal(SIGXFSZ, segnale_);
    }
    LimiteDimensioneFile(const LimiteDimensioneFile&) = delete;
    LimiteDimensioneFile& operator=(const LimiteDimensioneFile&) = delete;

  private:
    rlimit prima_{};
    void (*segnale_)(int) = nullptr;
};

TEST(SalvataggioAtomico, DiscoPienoInMezzoAlFile) {
    CartellaTemporanea dir;
    const auto p = dir.Percorso / "trave.vlr";
    ScriveByte(p, "vecchio contenuto");
    const std::string grande(1 << 20, 'x');
    std::error_code ec;
    bool riuscito = true;
    {
        LimiteDimensioneFile limite(4096);
        riuscito = ScriveFileAtomico(p, grande, ec);
    }
    EXPECT_FALSE(riuscito);
    EXPECT_EQ(LeggeByte(p), "vecchio contenuto");
    EXPECT_EQ(Contenuto(dir.Percorso), std::vector<std::string>{"trave.vlr"});
}

// A dialog that is never expected to open.
class NessunDialogo final : public DialogoFile {
  public:
    std::optional<fs::path> Apri(const RichiestaDialogo&) override {
        ADD_FAILURE() << "dialogo aperto";
        return std::nullopt;
    }
    std::optional<fs::path> Salva(const RichiestaDialogo&) override {
        ADD_FAILURE() << "dialogo aperto";
        return std::nullopt;
    }
};

TEST(SalvataggioDati, GuastoDelDiscoLasciaIlVecchioFile) {
    CartellaTemporanea dir;
    const auto p = dir.Percorso / "trave.vlr";
    const std::string vecchio = LeggeByte(CartellaEsempi() / "tre_campate_appoggi.vlr");
    ScriveByte(p, vecchio);

    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    // a beam large enough to pass the limit
    t.nCampate(300);
    for (int i = 1; i <= 300; ++i)
        t.InserisceDatiCampata(i, 5.123456f, 20.5f, 6.25f, 10.75f, 1.5f, 1);
    imp.NomeFile = "trave";
    imp.PercorsoDati = dir.Percorso.string();
    MessaggiRegistrati msg;
    FinestraSenzaInterfaccia finestra(t, imp, msg);
    NessunDialogo dialogo;
    EsitoGestioneFile esito;
    {
        LimiteDimensioneFile limite(2048);
        esito = GestioneFileDati(AzioneFile::Salva, "Velcora", "vlr", dialogo, finestra,
                                 "Velcora - File: ", imp, msg);
    }
    EXPECT_EQ(esito.Esito, EsitoFile::Incompleto);
    EXPECT_EQ(Testi(msg), std::vector<std::string>{"Scrittura incompleta del file"});
    EXPECT_EQ(LeggeByte(p), vecchio);
    EXPECT_EQ(Contenuto(dir.Percorso), std::vector<std::string>{"trave.vlr"});
}

TEST(SalvataggioDati, RecordNonScrittoNonToccaIlDisco) {
    CartellaTemporanea dir;
    const auto p = dir.Percorso / "trave.vlr";
    ScriveByte(p, "vecchio");
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    t.Copriferro = std::numeric_limits<float>::quiet_NaN();
    imp.NomeFile = "trave";
    imp.PercorsoDati = dir.Percorso.string();
    MessaggiRegistrati msg;
    FinestraSenzaInterfaccia finestra(t, imp, msg);
    NessunDialogo dialogo;
    const auto esito = GestioneFileDati(AzioneFile::Salva, "Velcora", "vlr", dialogo, finestra,
                                        "Velcora - File: ", imp, msg);
    EXPECT_EQ(esito.Esito, EsitoFile::Incompleto);
    EXPECT_EQ(Testi(msg), std::vector<std::string>{"Scrittura incompleta del file"});
    EXPECT_EQ(LeggeByte(p), "vecchio");
    EXPECT_EQ(Contenuto(dir.Percorso), std::vector<std::string>{"trave.vlr"});
}

TEST(SalvataggioDati, DestinazioneCheNonPuoEssereSostituita) {
    CartellaTemporanea dir;
    fs::create_directory(dir.Percorso / "trave.vlr");
    ScriveByte(dir.Percorso / "trave.vlr" / "x", "x");
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    imp.NomeFile = "trave";
    imp.PercorsoDati = dir.Percorso.string();
    MessaggiRegistrati msg;
    FinestraSenzaInterfaccia finestra(t, imp, msg);
    NessunDialogo dialogo;
    const auto esito = GestioneFileDati(AzioneFile::Salva, "Velcora", "vlr", dialogo, finestra,
                                        "Velcora - File: ", imp, msg);
    EXPECT_EQ(esito.Esito, EsitoFile::Incompleto);
    EXPECT_EQ(Testi(msg), std::vector<std::string>{"Scrittura incompleta del file"});
    EXPECT_EQ(Contenuto(dir.Percorso), std::vector<std::string>{"trave.vlr"});
}

TEST(LetturaDaDisco, ErroriDelFileSystem) {
    CartellaTemporanea dir;
    std::error_code ec;
    EXPECT_FALSE(LeggeFileIntero(dir.Percorso / "manca.vlr", ec));
    EXPECT_EQ(ec, std::errc::no_such_file_or_directory);
    EXPECT_FALSE(LeggeFileIntero(dir.Percorso, ec));
    EXPECT_EQ(ec, std::errc::is_a_directory);
    ScriveByte(dir.Percorso / "grande.vlr", std::string(2000, 'x'));
    EXPECT_FALSE(LeggeFileIntero(dir.Percorso / "grande.vlr", ec, 1000));
    EXPECT_EQ(ec, std::errc::file_too_large);
    EXPECT_EQ(LeggeFileIntero(dir.Percorso / "grande.vlr", ec, 2000)->size(), 2000u);
}

} // namespace
} // namespace vc::test
