#pragma once
// A disk that fills up in the middle of a file, for the tests of every write: a small tmpfs
// mounted on a folder of the test's own where the test may mount one, otherwise a limit on the
// size of every file the process (and any program it starts) writes, RLIMIT_FSIZE with SIGXFSZ
// ignored, so that a write past it fails instead of killing the process.
// VELCORA_TEST_SENZA_TMPFS=1 in the environment tries the second way where the first works.

#include "files/AiutoFile.h"

#include <csignal>
#include <cstdlib>
#include <memory>
#include <sys/mount.h>
#include <sys/resource.h>

namespace vc::test {

// The file-size limit, lowered for as long as it lives.
class LimiteDimensioneFile {
  public:
    explicit LimiteDimensioneFile(rlim_t byte) {
        getrlimit(RLIMIT_FSIZE, &prima_);
        segnale_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = prima_;
        r.rlim_cur = byte;
        attivo_ = setrlimit(RLIMIT_FSIZE, &r) == 0;
    }
    ~LimiteDimensioneFile() {
        setrlimit(RLIMIT_FSIZE, &prima_);
        std::signal(SIGXFSZ, segnale_);
    }
    LimiteDimensioneFile(const LimiteDimensioneFile&) = delete;
    LimiteDimensioneFile& operator=(const LimiteDimensioneFile&) = delete;
    bool Attivo() const { return attivo_; }

  private:
    rlimit prima_{};
    void (*segnale_)(int) = nullptr;
    bool attivo_ = false;
};

class DiscoPieno {
  public:
    // A disk of capacita bytes (a few pages at least), in Cartella.
    explicit DiscoPieno(std::size_t capacita = 64 * 1024) : capacita_(capacita) {
        Cartella = cartella_.Percorso / "disco";
        fs::create_directory(Cartella);
        const std::string opzioni = "size=" + std::to_string(capacita) + ",mode=0777";
        tmpfs_ = std::getenv("VELCORA_TEST_SENZA_TMPFS") == nullptr &&
                 ::mount("tmpfs", Cartella.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, opzioni.c_str()) == 0;
    }
    ~DiscoPieno() {
        if (tmpfs_) ::umount2(Cartella.c_str(), MNT_DETACH);
    }
    DiscoPieno(const DiscoPieno&) = delete;
    DiscoPieno& operator=(const DiscoPieno&) = delete;

    // The disk is full for what is written while the returned guard lives: the tmpfs always is,
    // the limit is lowered only then (nothing when neither can be had: the test skips).
    std::unique_ptr<LimiteDimensioneFile> Riempie() const {
        if (tmpfs_) return nullptr;
        return std::make_unique<LimiteDimensioneFile>(static_cast<rlim_t>(capacita_));
    }
    // False when the test can neither mount a tmpfs nor limit the size of its files.
    bool Disponibile() const {
        return tmpfs_ || LimiteDimensioneFile(static_cast<rlim_t>(capacita_)).Attivo();
    }
    bool Tmpfs() const { return tmpfs_; }

    fs::path Cartella;

  private:
    CartellaTemporanea cartella_;
    std::size_t capacita_;
    bool tmpfs_ = false;
};

} // namespace vc::test
