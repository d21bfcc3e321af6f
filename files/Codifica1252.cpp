#include "files/Codifica1252.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vc {

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> Tabella80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodiceDiByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return Tabella80[b - 0x80];
    return b;
}

// The blanks the code page lacks, as grouping separators of the user's locale give them: the
// no-break ones (U+202F narrow, as French grouping; U+2007 figure space) become the code
// page's no-break space, every other one (U+2000..U+200A, U+205F, U+3000, U+1680, and the
// Arabic thousands separator U+066C) a plain blank.
std::optional<unsigned char> Spazio(char32_t c) {
    if (c == 0x202F || c == 0x2007) return 0xA0;
    if ((c >= 0x2000 && c <= 0x200A) || c == 0x205F || c == 0x3000 || c == 0x1680 || c == 0x066C) return ' ';
    return std::nullopt;
}

std::optional<unsigned char> ByteDiCodice(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < Tabella80.size(); ++i)
        if (Tabella80[i] == c) return static_cast<unsigned char>(0x80 + i);
    return Spazio(c);
}

void AggiungeUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at testo[i], advancing i; nullopt for an invalid sequence (i
// then moves past the first byte only, so that decoding resynchronises).
std::optional<char32_t> CarattereUtf8(std::string_view testo, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(testo[i]);
    ++i;
    if (b0 < 0x80) return b0;
    int seguono = 0;
    char32_t c = 0;
    char32_t minimo = 0;
    if ((b0 & 0xE0) == 0xC0) {
        seguono = 1, c = b0 & 0x1F, minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        seguono = 2, c = b0 & 0x0F, minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        seguono = 3, c = b0 & 0x07, minimo = 0x10000;
    } else {
        return std::nullopt;
    }
    if (testo.size() - i < static_cast<std::size_t>(seguono)) return std::nullopt;
    for (int k = 0; k < seguono; ++k) {
        const auto b = static_cast<unsigned char>(testo[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    i += static_cast<std::size_t>(seguono);
    return c;
}

} // namespace

std::string Utf8A1252(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    std::size_t i = 0;
    while (i < testo.size()) {
        const auto c = CarattereUtf8(testo, i);
        const auto b = c ? ByteDiCodice(*c) : std::nullopt;
        out += b ? static_cast<char>(*b) : '?';
    }
    return out;
}

std::string Da1252AUtf8(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (char ch : testo)
        AggiungeUtf8(out, CodiceDiByte(static_cast<unsigned char>(ch)));
    return out;
}

} // namespace vc
