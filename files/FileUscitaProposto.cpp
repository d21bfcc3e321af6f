#include "files/FileUscitaProposto.h"

#include <system_error>

namespace vc {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t LunghezzaMassimaNome = 80;

bool Cartella(const fs::path& p) {
    std::error_code ec;
    return !p.empty() && fs::is_directory(p, ec);
}

bool CarattereVietato(unsigned char c) {
    return c < 0x20 || c == 0x7F ||
           std::string_view(R"(/\:*?"<>|)").find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace

std::string NomeFileDaTitolo(std::string_view titolo) {
    std::string nome;
    for (const char c : titolo)
        nome += CarattereVietato(static_cast<unsigned char>(c)) ? '_' : c;
    const auto bordo = [](char c) { return c == ' ' || c == '.'; };
    while (!nome.empty() && bordo(nome.front()))
        nome.erase(nome.begin());
    if (nome.size() > LunghezzaMassimaNome) {
        std::size_t taglio = LunghezzaMassimaNome;
        // Back to the first byte of a UTF-8 character.
        while (taglio > 0 && (static_cast<unsigned char>(nome[taglio]) & 0xC0) == 0x80)
            --taglio;
        nome.resize(taglio);
    }
    while (!nome.empty() && bordo(nome.back()))
        nome.pop_back();
    return nome;
}

fs::path FileUscitaProposto(const Impostazioni& imp, std::string_view estensione, const fs::path& documenti) {
    fs::path cartella;
    if (Cartella(imp.PercorsoDati)) {
        cartella = imp.PercorsoDati;
    } else if (Cartella(documenti)) {
        cartella = documenti;
    } else {
        std::error_code ec;
        cartella = fs::current_path(ec);
    }
    std::string nome = imp.NomeFile == "*" ? std::string() : imp.NomeFile;
    if (nome.empty()) nome = NomeFileDaTitolo(imp.Titolo);
    if (nome.empty()) nome = "Trave";
    return cartella / nome.append(estensione);
}

} // namespace vc
