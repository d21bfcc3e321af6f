// Saving never destroys the previous file: the new content goes to a temporary file beside it,
// which replaces the old one only when it has been written whole.

#include "AiutoFile.h"
#include "DiscoPieno.h"
#include "files/FileSuDisco.h"
#include "files/GestioneFile.h"
#include "support/ErroreFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(SalvataggioAtomico, DiscoPienoInMezzoAlFile) {
    DiscoPieno disco;
    if (!disco.Disponibile()) GTEST_SKIP() << "né un tmpfs né un limite alla dimensione dei file";
    const auto p = disco.Cartella / "trave.vlr";
    ScriveByte(p, "vecchio contenuto");
    const std::string grande(1 << 20, 'x');
    std::error_code ec;
    bool riuscito = true;
    {
        const auto pieno = disco.Riempie();
        riuscito = ScriveFileAtomico(p, grande, ec);
    }
    EXPECT_FALSE(riuscito);
    EXPECT_TRUE(ec == std::errc::no_space_on_device || ec == std::errc::file_too_large) << ec.message();
    EXPECT_EQ(LeggeByte(p), "vecchio contenuto");
    EXPECT_EQ(Contenuto(disco.Cartella), std::vector<std::string>{"trave.vlr"});
}

TEST(SalvataggioAtomico, FileProtettoDaScritturaNonSiSostituisce) {
    CartellaTemporanea dir;
    const auto p = dir.Percorso / "relazione.txt";
    ScriveByte(p, "vecchio");
    fs::permissions(p, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::error_code ec;
    EXPECT_FALSE(ScriveFileAtomico(p, "nuovo", ec));
    EXPECT_EQ(ec, CausaFile::Protetto);
    EXPECT_EQ(LeggeByte(p), "vecchio");
    EXPECT_EQ(fs::status(p).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(Contenuto(dir.Percorso), std::vector<std::string>{"relazione.txt"});
}

TEST(SalvataggioAtomico, TieneProprietarioEGruppo) {
    if (::geteuid() != 0) GTEST_SKIP() << "solo l'amministratore può dare un file a un altro utente";
    CartellaTemporanea dir;
    const auto p = dir.Percorso / "trave.vlr";
    ScriveByte(p, "vecchio");
    ASSERT_EQ(::chown(p.c_str(), 4321, 8765), 0);
    std::error_code ec;
    ASSERT_TRUE(ScriveFileAtomico(p, "nuovo", ec)) << ec.message();
    struct stat st {};
    ASSERT_EQ(::stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 8765u);
    EXPECT_EQ(LeggeByte(p), "nuovo");
}

TEST(SalvataggioAtomico, UnFileNuovoHaIPermessiDiOgniFileNuovo) {
    CartellaTemporanea dir;
    const mode_t prima = ::umask(022);
    std::error_code ec;
    const bool scritto = ScriveFileAtomico(dir.Percorso / "nuovo.txt", "x", ec);
    ::umask(prima);
    ASSERT_TRUE(scritto) << ec.message();
    EXPECT_EQ(fs::status(dir.Percorso / "nuovo.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST(SalvataggioAtomico, IlTemporaneoHaUnNomeNuovoMaiQuelloDiUnFileDellUtente) {
    CartellaTemporanea dir;
    const auto p = dir.Percorso / "trave.vlr";
    // Every name a fixed scheme could choose is taken by a file of the user's.
    std::vector<std::string> attesi{"trave.vlr", "trave.vlr.tmp"};
    ScriveByte(dir.Percorso / "trave.vlr.tmp", "dell'utente");
    for (int n = 0; n < 100; ++n) {
        const std::string nome = ".trave.vlr.tmp" + std::to_string(n);
        ScriveByte(dir.Percorso / nome, "dell'utente");
        attesi.push_back(nome);
    }
    std::sort(attesi.begin(), attesi.end());
    std::error_code ec;
    ASSERT_TRUE(ScriveFileAtomico(p, "nuovo", ec)) << ec.message();
    EXPECT_EQ(LeggeByte(p), "nuovo");
    EXPECT_EQ(Contenuto(dir.Percorso), attesi);
    EXPECT_EQ(LeggeByte(dir.Percorso / "trave.vlr.tmp"), "dell'utente");
}

TEST(SalvataggioAtomico, UnaDestinazioneCheNonEUnFileNonSiSostituisce) {
    CartellaTemporanea dir;
    const auto fifo = dir.Percorso / "tubo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::error_code ec;
    EXPECT_FALSE(ScriveFileAtomico(fifo, "nuovo", ec));
    EXPECT_EQ(ec, CausaFile::NonRegolare);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(Contenuto(dir.Percorso), std::vector<std::string>{"tubo"});
}

TEST(SalvataggioAtomico, PiuFileTuttiONessuno) {
    CartellaTemporanea dir;
    const auto a = dir.Percorso / "a.json";
    const auto b = dir.Percorso / "b.dxf";
    ScriveByte(a, "vecchio a");
    ScriveByte(b, "vecchio b");
    const std::vector<FileDaScrivere> riuscita{{a, "nuovo a"}, {b, "nuovo b"}};
    std::error_code ec;
    ASSERT_TRUE(ScriveFileAtomici(riuscita, ec)) << ec.message();
    EXPECT_EQ(LeggeByte(a), "nuovo a");
    EXPECT_EQ(LeggeByte(b), "nuovo b");

    fs::permissions(b, fs::perms::owner_read);
    const std::vector<FileDaScrivere> fallita{{a, "terzo a"}, {b, "terzo b"}};
    fs::path fallito;
    EXPECT_FALSE(ScriveFileAtomici(fallita, ec, &fallito));
    EXPECT_EQ(ec, CausaFile::Protetto);
    EXPECT_EQ(fallito, b);
    EXPECT_EQ(LeggeByte(a), "nuovo a");
    EXPECT_EQ(Contenuto(dir.Percorso), (std::vector<std::string>{"a.json", "b.dxf"}));
}

TEST(SalvataggioAtomico, UnoScrittoreCheFallisceNonSostituisceNulla) {
    CartellaTemporanea dir;
    const auto p = dir.Percorso / "pagina.pdf";
    ScriveByte(p, "vecchio");
    fs::path usato;
    const ProduceFile fallisce = [&usato](const fs::path& t) {
        usato = t;
        ScriveByte(t, "mezzo");
        return std::error_code(CausaFile::Incompleto);
    };
    std::error_code ec;
    EXPECT_FALSE(ScriveFileAtomico(p, fallisce, ec));
    EXPECT_EQ(ec, CausaFile::Incompleto);
    EXPECT_EQ(usato.parent_path(), dir.Percorso);
    EXPECT_EQ(LeggeByte(p), "vecchio");
    EXPECT_EQ(Contenuto(dir.Percorso), std::vector<std::string>{"pagina.pdf"});

    const ProduceFile riesce = [](const fs::path& t) {
        ScriveByte(t, "intero");
        return std::error_code();
    };
    ASSERT_TRUE(ScriveFileAtomico(p, riesce, ec)) << ec.message();
    EXPECT_EQ(LeggeByte(p), "intero");
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
    DiscoPieno disco(8192);
    if (!disco.Disponibile()) GTEST_SKIP() << "né un tmpfs né un limite alla dimensione dei file";
    const auto p = disco.Cartella / "trave.vlr";
    const std::string vecchio = LeggeByte(CartellaEsempi() / "tre_campate_appoggi.vlr");
    ScriveByte(p, vecchio);

    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp);
    // a beam too large for the disk
    t.nCampate(300);
    for (int i = 1; i <= 300; ++i)
        t.InserisceDatiCampata(i, 5.123456f, 20.5f, 6.25f, 10.75f, 1.5f, 1);
    imp.NomeFile = "trave";
    imp.PercorsoDati = disco.Cartella.string();
    MessaggiRegistrati msg;
    NessunDialogo dialogo;
    EsitoGestioneFile esito;
    {
        const auto pieno = disco.Riempie();
        esito = GestioneFileDati(AzioneFile::Salva, "Velcora", "vlr", dialogo, t, imp, msg);
    }
    EXPECT_EQ(esito.Esito, EsitoFile::Incompleto);
    const std::vector<std::string> pieno{ScritturaIncompleta(p, std::errc::no_space_on_device)},
        oltre{ScritturaIncompleta(p, std::errc::file_too_large)};
    EXPECT_EQ(Testi(msg), disco.Tmpfs() ? pieno : oltre);
    EXPECT_EQ(LeggeByte(p), vecchio);
    EXPECT_EQ(Contenuto(disco.Cartella), std::vector<std::string>{"trave.vlr"});
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
    NessunDialogo dialogo;
    const auto esito = GestioneFileDati(AzioneFile::Salva, "Velcora", "vlr", dialogo, t, imp, msg);
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
    NessunDialogo dialogo;
    const auto esito = GestioneFileDati(AzioneFile::Salva, "Velcora", "vlr", dialogo, t, imp, msg);
    EXPECT_EQ(esito.Esito, EsitoFile::Incompleto);
    EXPECT_EQ(Testi(msg), std::vector<std::string>{
                              ScritturaIncompleta(dir.Percorso / "trave.vlr", std::errc::is_a_directory)});
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
