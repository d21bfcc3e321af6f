// Files that are not files: a FIFO (or a device, a folder) named as a data file or as the
// settings file is refused at once with the file's message; nothing waits for a writer that
// never comes.

#include "AiutoFile.h"
#include "files/GestioneFile.h"
#include "files/FileIni.h"
#include "files/FileSuDisco.h"
#include "files/GestioneFile.h"
#include "support/ErroreFile.h"

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vc::test {
namespace {

// A FIFO in a folder of its own.
struct Tubo {
    CartellaTemporanea dir;
    fs::path Percorso = dir.Percorso / "trave.vlr";
    Tubo() { EXPECT_EQ(::mkfifo(Percorso.c_str(), 0644), 0); }
};

// Runs f, which must come back at once. When it waits on the FIFO instead, the test fails and a
// writer opens and closes the FIFO, so that the read ends and the test with it.
void SenzaAttesa(const fs::path& fifo, const std::function<void()>& f) {
    auto lavoro = std::async(std::launch::async, f);
    if (lavoro.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "la lettura aspetta lo scrittore del FIFO";
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    }
    lavoro.get();
}

class DialogoCheSceglie final : public DialogoFile {
  public:
    explicit DialogoCheSceglie(fs::path p) : p_(std::move(p)) {}
    std::optional<fs::path> Apri(const RichiestaDialogo&) override { return p_; }
    std::optional<fs::path> Salva(const RichiestaDialogo&) override { return p_; }

  private:
    fs::path p_;
};

TEST(FileSpeciali, LetturaRifiutataSubito) {
    Tubo t;
    SenzaAttesa(t.Percorso, [&] {
        std::error_code ec;
        EXPECT_FALSE(LeggeFileIntero(t.Percorso, ec));
        EXPECT_EQ(ec, CausaFile::NonRegolare);
    });
    std::error_code ec;
    EXPECT_FALSE(LeggeFileIntero("/dev/zero", ec)); // a device would never end
    EXPECT_EQ(ec, CausaFile::NonRegolare);
}

TEST(FileSpeciali, FileDeiDatiCheEUnFifo) {
    Tubo t;
    const std::string motivo = std::error_code(CausaFile::NonRegolare).message();
    struct Caso {
        const char* Comando;
        std::function<void(Velcora&, Impostazioni&, Messaggi&)> Esegue;
    };
    const Caso casi[] = {
        {"Apri",
         [&](Velcora& trave, Impostazioni& imp, Messaggi& msg) {
             DialogoCheSceglie dialogo(t.Percorso);
             const auto esito = GestioneFileDati(AzioneFile::Apri, "Velcora", "vlr", dialogo, trave, imp, msg);
             EXPECT_FALSE(esito.Esito.has_value());
         }},
        {"riga di comando",
         [&](Velcora& trave, Impostazioni& imp, Messaggi& msg) {
             EXPECT_FALSE(ApriFileDaRigaComando(t.Percorso.string(), trave, imp, msg));
         }},
        {"calcolo da file", [&](Velcora& trave, Impostazioni& imp,
                                Messaggi& msg) { EXPECT_FALSE(LeggeFileDati(t.Percorso, trave, imp, msg)); }},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Comando);
        Velcora trave;
        Impostazioni imp;
        MessaggiRegistrati msg;
        SenzaAttesa(t.Percorso, [&] { c.Esegue(trave, imp, msg); });
        ASSERT_EQ(msg.Voci.size(), 1u);
        EXPECT_EQ(msg.Voci[0].Testo, fs::absolute(t.Percorso).string() + ": " + motivo);
        EXPECT_EQ(trave.nCampate(), 0);
    }
}

TEST(FileSpeciali, FileIniCheEUnFifo) {
    Tubo t;
    Impostazioni imp;
    imp.CoefParz[1] = 2;
    MessaggiRegistrati msg;
    SenzaAttesa(t.Percorso, [&] {
        EXPECT_FALSE(FileIniLeggeScrive(Modo::Lettura, imp, msg, {.Programma = t.Percorso, .Utente = {}}));
    });
    EXPECT_EQ(Testi(msg), std::vector<std::string>{MessaggioFileIniIncompleto()});
    EXPECT_EQ(imp.CoefParz, CoefParzDefault);
}

} // namespace
} // namespace vc::test
