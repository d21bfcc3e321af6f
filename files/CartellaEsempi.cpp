#include "files/CartellaEsempi.h"

#include <algorithm>
#include <cctype>
#include <system_error>

// The build passes both folders; a build without them looks beside the program only.
#ifndef VELCORA_ESEMPI_SORGENTI
#define VELCORA_ESEMPI_SORGENTI ""
#endif
#ifndef VELCORA_ESEMPI_PREFISSO
#define VELCORA_ESEMPI_PREFISSO ""
#endif

namespace vc {

namespace fs = std::filesystem;

namespace {

// The folder as it is shown and compared: absolute, "..", "." and links of the part that
// exists resolved.
fs::path Normale(const fs::path& cartella) {
    std::error_code ec;
    fs::path p = fs::weakly_canonical(cartella, ec);
    if (ec) p = cartella.lexically_normal();
    if (p.has_relative_path() && p.filename().empty()) p = p.parent_path(); // no trailing "/"
    return p;
}

bool EFileDati(const fs::directory_entry& voce) {
    std::error_code ec;
    if (!voce.is_regular_file(ec)) return false;
    std::string estensione = voce.path().extension().string();
    std::transform(estensione.begin(), estensione.end(), estensione.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return estensione == ".vlr";
}

} // namespace

std::vector<fs::path> CartelleCandidateEsempi(const fs::path& cartellaProgramma) {
    return CartelleCandidateEsempi(cartellaProgramma, VELCORA_ESEMPI_SORGENTI, VELCORA_ESEMPI_PREFISSO);
}

std::vector<fs::path> CartelleCandidateEsempi(const fs::path& cartellaProgramma,
                                              const fs::path& esempiSorgenti,
                                              const fs::path& esempiPrefisso) {
    std::vector<fs::path> candidate;
    const auto aggiunge = [&candidate](const fs::path& cartella) {
        if (cartella.empty()) return;
        const fs::path p = Normale(cartella);
        if (std::find(candidate.begin(), candidate.end(), p) == candidate.end()) candidate.push_back(p);
    };
    if (!cartellaProgramma.empty()) {
        aggiunge(cartellaProgramma / "examples");
        aggiunge(cartellaProgramma / ".." / "share" / "velcora" / "examples");
    }
    aggiunge(esempiSorgenti);
    aggiunge(esempiPrefisso);
    aggiunge("/usr/share/velcora/examples");
    return candidate;
}

bool ContieneEsempi(const fs::path& cartella) {
    std::error_code ec;
    fs::directory_iterator voce(cartella, ec);
    for (; !ec && voce != fs::directory_iterator(); voce.increment(ec))
        if (EFileDati(*voce)) return true;
    return false;
}

RicercaEsempi CercaCartellaEsempi(const std::vector<fs::path>& candidate) {
    RicercaEsempi esito;
    for (const fs::path& cartella : candidate) {
        esito.Esaminate.push_back(cartella);
        if (ContieneEsempi(cartella)) {
            esito.Cartella = Normale(cartella);
            break;
        }
    }
    return esito;
}

std::string TestoEsempiNonTrovati(const std::vector<fs::path>& esaminate) {
    std::string testo = "Nessun file di esempio (*.vlr) trovato. Cartelle esaminate:";
    for (const fs::path& cartella : esaminate)
        testo.append("\n").append(cartella.string());
    return testo;
}

} // namespace vc
