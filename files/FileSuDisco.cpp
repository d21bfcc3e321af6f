#include "files/FileSuDisco.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <memory>

namespace vc {

namespace fs = std::filesystem;

namespace {

struct ChiudeFile {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FileC = std::unique_ptr<std::FILE, ChiudeFile>;

std::error_code ErroreCorrente(std::errc altrimenti) {
    return errno != 0 ? std::error_code(errno, std::generic_category()) : std::make_error_code(altrimenti);
}

// Creates a temporary file beside destinazione that did not exist before ("x" mode), trying a
// few names.
FileC CreaTemporaneo(const fs::path& destinazione, fs::path& temporaneo, std::error_code& ec) {
    const auto base = destinazione.filename().string();
    for (int n = 0; n < 100; ++n) {
        temporaneo = destinazione.parent_path() / ("." + base + ".tmp" + std::to_string(n));
        errno = 0;
        FileC f(std::fopen(temporaneo.string().c_str(), "wbx"));
        if (f) return f;
        if (errno != EEXIST) break;
    }
    ec = ErroreCorrente(std::errc::io_error);
    return nullptr;
}

} // namespace

std::optional<std::string> LeggeFileIntero(const fs::path& percorso, std::error_code& ec,
                                           std::size_t limite) {
    ec.clear();
    const auto stato = fs::status(percorso, ec);
    if (ec) return std::nullopt;
    if (fs::is_directory(stato)) {
        ec = std::make_error_code(std::errc::is_a_directory);
        return std::nullopt;
    }
    std::ifstream in(percorso, std::ios::binary);
    if (!in) {
        ec = ErroreCorrente(std::errc::io_error);
        return std::nullopt;
    }
    std::string contenuto;
    std::array<char, 65536> buf{};
    while (in) {
        in.read(buf.data(), static_cast<std::streamsize>(buf.size()));
        const auto letti = static_cast<std::size_t>(in.gcount());
        if (contenuto.size() + letti > limite) {
            ec = std::make_error_code(std::errc::file_too_large);
            return std::nullopt;
        }
        contenuto.append(buf.data(), letti);
    }
    if (in.bad()) {
        ec = std::make_error_code(std::errc::io_error);
        return std::nullopt;
    }
    return contenuto;
}

bool ScriveFileAtomico(const fs::path& destinazione, std::string_view contenuto, std::error_code& ec) {
    ec.clear();
    fs::path finale = destinazione;
    if (fs::is_symlink(fs::symlink_status(destinazione, ec))) {
        finale = fs::weakly_canonical(destinazione, ec);
        if (ec) return false;
    }
    ec.clear();

    fs::path temporaneo;
    FileC f = CreaTemporaneo(finale, temporaneo, ec);
    if (!f) return false;

    bool riuscito = std::fwrite(contenuto.data(), 1, contenuto.size(), f.get()) == contenuto.size();
    riuscito = std::fflush(f.get()) == 0 && riuscito;
    if (!riuscito) ec = ErroreCorrente(std::errc::io_error);
    const bool chiuso = std::fclose(f.release()) == 0;
    if (riuscito && !chiuso) {
        riuscito = false;
        ec = ErroreCorrente(std::errc::io_error);
    }

    if (riuscito) {
        // The new file keeps the permissions of the one it replaces.
        std::error_code ecStato;
        const auto stato = fs::status(finale, ecStato);
        if (!ecStato && fs::is_regular_file(stato))
            fs::permissions(temporaneo, stato.permissions(), fs::perm_options::replace, ecStato);
        fs::rename(temporaneo, finale, ec);
        riuscito = !ec;
    }
    if (!riuscito) {
        std::error_code ignorato;
        fs::remove(temporaneo, ignorato);
    }
    return riuscito;
}

} // namespace vc
