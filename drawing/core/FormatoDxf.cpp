#include "drawing/core/FormatoDxf.h"

#include "drawing/core/ErroreDisegno.h"
#include "files/Codifica1252.h"
#include "files/FileSuDisco.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace vc {

namespace fs = std::filesystem;

namespace {

template <typename T> std::string TestoBreve(T valore, std::chars_format formato) {
    std::array<char, 64> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), valore, formato);
    return std::string(buf.data(), r.ptr);
}

[[noreturn]] void ScritturaFallita(const fs::path& p, std::error_code ec) {
    throw ErroreDisegno(ErroreDisegno::Tipo::ScritturaFallita,
                        "Impossibile scrivere " + p.string() + ": " + ec.message(), ec);
}

} // namespace

std::string NumeroDxf(double valore, std::string_view cosa) {
    if (!std::isfinite(valore))
        throw ErroreDisegno(ErroreDisegno::Tipo::ValoreNonFinito,
                            "Valore non finito (" + std::string(cosa) + ") nel disegno");
    if (valore == 0) return "0";
    const double modulo = std::fabs(valore);
    const auto formato =
        modulo >= 1e-4 && modulo < 1e15 ? std::chars_format::fixed : std::chars_format::scientific;
    const auto singola = static_cast<float>(valore);
    if (std::isfinite(singola) && static_cast<double>(singola) == valore) return TestoBreve(singola, formato);
    return TestoBreve(valore, formato);
}

std::string CodiceGruppoDxf(int codice) {
    std::string s = std::to_string(codice);
    if (s.size() < 3) s.insert(0, 3 - s.size(), ' ');
    return s;
}

std::string InteroCampoSei(int valore) {
    std::string s = (valore >= 0 ? " " : "") + std::to_string(valore);
    if (s.size() < 6) s.insert(0, 6 - s.size(), ' ');
    return s;
}

std::string TestoDxf(std::string_view testo) {
    std::string out = Utf8A1252(testo);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return out;
}

void ScriveFileSicuro(const fs::path& destinazione, std::string_view contenuto) {
    std::error_code ec;
    const fs::path finale = fs::is_symlink(fs::symlink_status(destinazione, ec))
                                ? fs::weakly_canonical(destinazione, ec)
                                : destinazione;
    if (!ec && fs::is_directory(finale, ec))
        ScritturaFallita(destinazione, std::make_error_code(std::errc::is_a_directory));
    if (!ScriveFileAtomico(destinazione, contenuto, ec)) ScritturaFallita(destinazione, ec);
}

} // namespace vc
