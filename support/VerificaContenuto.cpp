#include "support/VerificaContenuto.h"

#include <cctype>
#include <string>

namespace vc {

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

bool Cifra(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The blanks a user may type as grouping when the grouping separator is a blank of some kind.
bool SeparatoreBlank(const std::string& s) {
    return s == " " || s == "\xC2\xA0" || s == "\xE2\x80\x89" || s == "\xE2\x80\xAF";
}

std::string TogliGruppi(std::string t, const Separatori& sep) {
    if (sep.Migliaia.empty() || sep.Migliaia == sep.Decimale) return t;
    std::string uscita;
    const std::string& g = sep.Migliaia;
    for (std::size_t i = 0; i < t.size();) {
        if (t.compare(i, g.size(), g) == 0) {
            i += g.size();
        } else if (SeparatoreBlank(g) && t[i] == ' ') {
            ++i;
        } else {
            uscita += t[i++];
        }
    }
    return uscita;
}

// The text without the blanks around it and without grouping, its decimal separator a ".".
std::string Normalizza(std::string_view testo, const Separatori& sep) {
    std::size_t a = 0;
    std::size_t b = testo.size();
    while (a < b && Blank(testo[a]))
        ++a;
    while (b > a && Blank(testo[b - 1]))
        --b;
    std::string t = TogliGruppi(std::string(testo.substr(a, b - a)), sep);
    if (!sep.Decimale.empty()) {
        const std::size_t p = t.find(sep.Decimale);
        if (p != std::string::npos)
            t = std::string(t, 0, p).append(1, '.').append(t, p + sep.Decimale.size());
    }
    return t;
}

// Moves i past the digits at i; how many there were.
std::size_t SaltaCifre(const std::string& t, std::size_t& i) {
    const std::size_t inizio = i;
    while (i < t.size() && Cifra(t[i]))
        ++i;
    return i - inizio;
}

void SaltaSegno(const std::string& t, std::size_t& i) {
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
}

} // namespace

bool VerificaContenuto(std::string_view testo, const Separatori& sep) {
    const std::string t = Normalizza(testo, sep);
    std::size_t i = 0;
    SaltaSegno(t, i);
    std::size_t cifre = SaltaCifre(t, i);
    if (i < t.size() && t[i] == '.') cifre += SaltaCifre(t, ++i);
    if (cifre == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        SaltaSegno(t, ++i);
        if (SaltaCifre(t, i) == 0) return false;
    }
    return i == t.size();
}

} // namespace vc
