#include "files/FileSuDisco.h"

#include "support/ErroreFile.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vc {

namespace fs = std::filesystem;

namespace {

std::error_code ErroreCorrente() {
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

// An open file descriptor, closed when it goes.
class Descrittore {
  public:
    explicit Descrittore(int fd = -1) : fd_(fd) {}
    Descrittore(Descrittore&& altro) noexcept : fd_(std::exchange(altro.fd_, -1)) {}
    Descrittore& operator=(Descrittore&& altro) noexcept {
        std::swap(fd_, altro.fd_);
        return *this;
    }
    ~Descrittore() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;

    explicit operator bool() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    // Closes now; a failed close may mean data that never reached the disk.
    bool Chiude(std::error_code& ec) {
        const int fd = std::exchange(fd_, -1);
        if (fd >= 0 && ::close(fd) != 0) {
            ec = ErroreCorrente();
            return false;
        }
        return true;
    }

  private:
    int fd_;
};

// Only a regular file is read or replaced.
std::error_code SoloRegolare(const struct stat& st) {
    if (S_ISREG(st.st_mode)) return {};
    if (S_ISDIR(st.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    return CausaFile::NonRegolare;
}

// The mode a new file gets: what the user's umask leaves of rw-rw-rw-. The umask is read, not
// set and put back, so that no other thread ever sees it changed.
mode_t ModoNuovoFile() {
    mode_t maschera = 022;
    std::ifstream stato("/proc/self/status");
    for (std::string riga; std::getline(stato, riga);) {
        if (riga.rfind("Umask:", 0) == 0) {
            maschera = static_cast<mode_t>(std::stoul(riga.substr(6), nullptr, 8));
            break;
        }
    }
    return static_cast<mode_t>(0666 & ~maschera);
}

// A file the user has protected from writing. The superuser may write anything, but a file
// without any write permission has been protected by someone all the same.
std::error_code ControllaProtezione(const fs::path& p, const struct stat& st) {
    if (::faccessat(AT_FDCWD, p.c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES ? make_error_code(CausaFile::Protetto) : ErroreCorrente();
    if (::geteuid() == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return CausaFile::Protetto;
    return {};
}

// The file a write replaces, as it is before the write.
struct Bersaglio {
    fs::path Finale; // the target itself, through any symbolic link
    bool Esiste = false;
    mode_t Modo = 0;
    uid_t Proprietario = 0;
    gid_t Gruppo = 0;
};

std::optional<Bersaglio> EsaminaBersaglio(const fs::path& destinazione, std::error_code& ec) {
    Bersaglio b;
    b.Finale = destinazione;
    if (fs::is_symlink(fs::symlink_status(destinazione, ec))) {
        b.Finale = fs::weakly_canonical(destinazione, ec);
        if (ec) return std::nullopt;
    }
    ec.clear();
    struct stat st {};
    if (::stat(b.Finale.c_str(), &st) != 0) {
        if (errno == ENOENT) {
            b.Modo = ModoNuovoFile();
            return b; // a new file; a missing folder shows when the temporary is created
        }
        ec = ErroreCorrente();
        return std::nullopt;
    }
    ec = SoloRegolare(st);
    if (!ec) ec = ControllaProtezione(b.Finale, st);
    if (ec) return std::nullopt;
    b.Esiste = true;
    b.Modo = st.st_mode & 07777;
    b.Proprietario = st.st_uid;
    b.Gruppo = st.st_gid;
    return b;
}

void SincronizzaCartella(const fs::path& cartella) {
    const Descrittore d(
        ::open(cartella.empty() ? "." : cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d)
        ::fsync(d.Fd()); // the rename itself is on the disk; a folder that refuses is no failure of the file
}

// A new temporary file of a unique name beside its target, removed unless it has replaced it.
class Temporaneo {
  public:
    static std::optional<Temporaneo> Crea(const Bersaglio& b, std::error_code& ec) {
        // A name hidden and unique; a long file name is cut so that the suffix still fits.
        const std::string nome = b.Finale.filename().string().substr(0, 200);
        std::string modello = (b.Finale.parent_path() / ("." + nome + ".XXXXXX")).string();
        errno = 0;
        Descrittore fd(::mkostemp(modello.data(), O_CLOEXEC));
        if (!fd) {
            ec = ErroreCorrente();
            return std::nullopt;
        }
        return Temporaneo(std::move(modello), std::move(fd));
    }

    Temporaneo(Temporaneo&& altro) noexcept
        : percorso_(std::exchange(altro.percorso_, {})), fd_(std::move(altro.fd_)) {}
    Temporaneo& operator=(Temporaneo&&) = delete;
    Temporaneo(const Temporaneo&) = delete;
    Temporaneo& operator=(const Temporaneo&) = delete;
    ~Temporaneo() {
        if (!percorso_.empty()) ::unlink(percorso_.c_str());
    }

    const fs::path& Percorso() const { return percorso_; }

    bool Scrive(std::string_view contenuto, std::error_code& ec) {
        while (!contenuto.empty()) {
            const ssize_t scritti = ::write(fd_.Fd(), contenuto.data(), contenuto.size());
            if (scritti < 0 && errno == EINTR) continue;
            if (scritti <= 0) {
                ec = scritti < 0 ? ErroreCorrente() : std::make_error_code(std::errc::io_error);
                return false;
            }
            contenuto.remove_prefix(static_cast<std::size_t>(scritti));
        }
        return true;
    }

    // On the disk, of the size expected (when known), with the permissions and owner of the
    // file it replaces, and closed.
    bool Completa(const Bersaglio& b, std::optional<std::size_t> dimensione, std::error_code& ec) {
        struct stat st {};
        if (::fsync(fd_.Fd()) != 0 || ::fstat(fd_.Fd(), &st) != 0) {
            ec = ErroreCorrente();
            return false;
        }
        if (dimensione && static_cast<std::size_t>(st.st_size) != *dimensione) {
            ec = CausaFile::Incompleto;
            return false;
        }
        struct stat percorso {};
        if (::stat(percorso_.c_str(), &percorso) != 0 || percorso.st_ino != st.st_ino) {
            ec = CausaFile::Incompleto; // the writer put another file in its place
            return false;
        }
        // The owner first: a change of owner clears the set-id bits that the mode then restores.
        // Only the superuser may give a file away; anybody else keeps at least the group.
        if (b.Esiste && ::fchown(fd_.Fd(), b.Proprietario, b.Gruppo) != 0) {
            // A group this user is not in is refused too: then the file keeps the user's.
            [[maybe_unused]] const int soloGruppo = ::fchown(fd_.Fd(), static_cast<uid_t>(-1), b.Gruppo);
        }
        if (::fchmod(fd_.Fd(), b.Modo) != 0) {
            ec = ErroreCorrente();
            return false;
        }
        return fd_.Chiude(ec);
    }

    bool Sostituisce(const Bersaglio& b, std::error_code& ec) {
        if (::rename(percorso_.c_str(), b.Finale.c_str()) != 0) {
            ec = ErroreCorrente();
            return false;
        }
        percorso_.clear();
        SincronizzaCartella(b.Finale.parent_path());
        return true;
    }

  private:
    Temporaneo(fs::path percorso, Descrittore fd) : percorso_(std::move(percorso)), fd_(std::move(fd)) {}

    fs::path percorso_;
    Descrittore fd_;
};

// A target and its temporary, complete and ready to replace it.
struct Preparato {
    Bersaglio B;
    Temporaneo T;
};

std::optional<Preparato> Prepara(const fs::path& destinazione, std::string_view contenuto,
                                 std::error_code& ec) {
    auto b = EsaminaBersaglio(destinazione, ec);
    if (!b) return std::nullopt;
    auto t = Temporaneo::Crea(*b, ec);
    if (!t || !t->Scrive(contenuto, ec) || !t->Completa(*b, contenuto.size(), ec)) return std::nullopt;
    return Preparato{std::move(*b), std::move(*t)};
}

} // namespace

std::optional<std::string> LeggeFileIntero(const fs::path& percorso, std::error_code& ec,
                                           std::size_t limite) {
    ec.clear();
    struct stat st {};
    // Checked before opening, so that opening has no effect on anything but a file; checked
    // again on what was opened, which is what is read.
    if (::stat(percorso.c_str(), &st) != 0) {
        ec = ErroreCorrente();
        return std::nullopt;
    }
    ec = SoloRegolare(st);
    if (ec) return std::nullopt;
    const Descrittore fd(::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd || ::fstat(fd.Fd(), &st) != 0) {
        ec = ErroreCorrente();
        return std::nullopt;
    }
    ec = SoloRegolare(st);
    if (ec) return std::nullopt;

    std::string contenuto;
    std::array<char, 65536> buf{};
    for (;;) {
        const ssize_t letti = ::read(fd.Fd(), buf.data(), buf.size());
        if (letti < 0 && errno == EINTR) continue;
        if (letti < 0) {
            ec = ErroreCorrente();
            return std::nullopt;
        }
        if (letti == 0) return contenuto;
        if (contenuto.size() + static_cast<std::size_t>(letti) > limite) {
            ec = std::make_error_code(std::errc::file_too_large);
            return std::nullopt;
        }
        contenuto.append(buf.data(), static_cast<std::size_t>(letti));
    }
}

bool ScriveFileAtomico(const fs::path& destinazione, std::string_view contenuto, std::error_code& ec) {
    ec.clear();
    auto p = Prepara(destinazione, contenuto, ec);
    return p && p->T.Sostituisce(p->B, ec);
}

bool ScriveFileAtomico(const fs::path& destinazione, const ProduceFile& produce, std::error_code& ec) {
    ec.clear();
    auto b = EsaminaBersaglio(destinazione, ec);
    if (!b) return false;
    auto t = Temporaneo::Crea(*b, ec);
    if (!t) return false;
    ec = produce(t->Percorso());
    if (ec) return false;
    return t->Completa(*b, std::nullopt, ec) && t->Sostituisce(*b, ec);
}

bool ScriveFileAtomici(std::span<const FileDaScrivere> file, std::error_code& ec, fs::path* fallito) {
    ec.clear();
    std::vector<Preparato> pronti;
    pronti.reserve(file.size());
    for (const FileDaScrivere& f : file) {
        auto p = Prepara(f.Destinazione, f.Contenuto, ec);
        if (!p) {
            if (fallito) *fallito = f.Destinazione;
            return false; // the temporaries made so far go with pronti
        }
        pronti.push_back(std::move(*p));
    }
    for (std::size_t i = 0; i < pronti.size(); ++i) {
        if (!pronti[i].T.Sostituisce(pronti[i].B, ec)) {
            if (fallito) *fallito = file[i].Destinazione;
            return false;
        }
    }
    return true;
}

bool Sostituibile(const fs::path& percorso) {
    std::error_code ec;
    const auto b = EsaminaBersaglio(percorso, ec);
    if (!b) return false;
    const fs::path cartella = b->Finale.parent_path();
    return ::faccessat(AT_FDCWD, cartella.empty() ? "." : cartella.c_str(), W_OK | X_OK, AT_EACCESS) == 0 &&
           fs::is_directory(cartella.empty() ? fs::path(".") : cartella, ec);
}

} // namespace vc
