#include "support/Formattazione.h"

#include "support/Errori.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace vc {

namespace {

// A finite number as decimal digits: |value| = 0.Cifre × 10^Punto. Cifre has no leading or
// trailing zeros and is empty for zero; Punto is the number of digits before the decimal
// point (0 or less below 1).
struct Decimale {
    bool Negativo = false;
    std::string Cifre;
    int Punto = 0;

    bool Zero() const { return Cifre.empty(); }
    int Quante() const { return static_cast<int>(Cifre.size()); }
    // The digit at position i of Cifre; '0' outside it.
    char Cifra(int i) const { return i >= 0 && i < Quante() ? Cifre[static_cast<std::size_t>(i)] : '0'; }
};

void RichiedeFinito(double x) {
    if (!std::isfinite(x))
        throw ErroreCalcolo(ErroreCalcolo::Tipo::ValoreNonFinito, "numero non finito da formattare");
}

void TogliZeriFinali(Decimale& d) {
    while (!d.Cifre.empty() && d.Cifre.back() == '0')
        d.Cifre.pop_back();
    if (d.Cifre.empty()) d.Punto = 0;
}

// The digits of a text "d.dddde±xx" written by to_chars in scientific form.
Decimale DaScientifico(std::string_view testo, bool negativo) {
    Decimale d;
    d.Negativo = negativo;
    const std::size_t e = testo.find('e');
    for (char c : testo.substr(0, e))
        if (c != '.') d.Cifre += c;
    std::string_view esponente = testo.substr(e + 1);
    if (!esponente.empty() && esponente.front() == '+') esponente.remove_prefix(1);
    int esp = 0;
    std::from_chars(esponente.data(), esponente.data() + esponente.size(), esp);
    d.Punto = esp + 1;
    TogliZeriFinali(d);
    return d;
}

Decimale Scompone(double x) {
    RichiedeFinito(x);
    const double m = std::fabs(x);
    std::array<char, 64> buf{};
    char* const inizio = buf.data();
    char* const fine = buf.data() + buf.size();
    // A single-precision value gets the digits of a single, when seven are enough to read it back.
    if (m <= static_cast<double>(std::numeric_limits<float>::max())) {
        const auto f = static_cast<float>(m);
        if (static_cast<double>(f) == m) {
            const auto r = std::to_chars(inizio, fine, f, std::chars_format::scientific, 6);
            float indietro = 0;
            std::from_chars(inizio, r.ptr, indietro);
            if (indietro == f) return DaScientifico({inizio, r.ptr}, x < 0);
        }
    }
    const auto r = std::to_chars(inizio, fine, m, std::chars_format::scientific, 14);
    return DaScientifico({inizio, r.ptr}, x < 0);
}

// Keeps the first `quante` digits, rounding half away from zero (quante may be 0 or less).
Decimale TieneCifre(Decimale d, int quante) {
    if (d.Zero() || quante >= d.Quante()) return d;
    if (quante < 0) {
        d.Cifre.clear();
        d.Punto = 0;
        return d;
    }
    const bool perEccesso = d.Cifra(quante) >= '5';
    d.Cifre.resize(static_cast<std::size_t>(quante));
    if (perEccesso) {
        int i = quante - 1;
        while (i >= 0 && d.Cifre[static_cast<std::size_t>(i)] == '9')
            d.Cifre[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            char& c = d.Cifre[static_cast<std::size_t>(i)];
            c = static_cast<char>(c + 1);
        } else {
            d.Cifre.insert(0, 1, '1');
            ++d.Punto;
        }
    }
    TogliZeriFinali(d);
    return d;
}

Decimale ArrotondaDecimali(const Decimale& d, int decimali) {
    return TieneCifre(d, d.Punto + decimali);
}

std::string Zeri(int n) {
    return std::string(static_cast<std::size_t>(std::max(n, 0)), '0');
}

// The integer digits of d, without leading zeros ("" below 1).
std::string ParteIntera(const Decimale& d) {
    std::string s;
    for (int i = 0; i < d.Punto; ++i)
        s += d.Cifra(i);
    return s;
}

// The decimals of d, `quante` of them.
std::string ParteDecimale(const Decimale& d, int quante) {
    std::string s;
    for (int k = 0; k < quante; ++k)
        s += d.Cifra(d.Punto + k);
    return s;
}

// Drops the trailing zeros of decimali beyond the first `fissi`.
void TogliDecimaliFacoltativi(std::string& decimali, int fissi) {
    while (static_cast<int>(decimali.size()) > fissi && decimali.back() == '0')
        decimali.pop_back();
}

std::string Raggruppa(const std::string& intere, const std::string& migliaia) {
    if (migliaia.empty() || intere.size() <= 3) return intere;
    std::string s;
    const std::size_t primo = intere.size() % 3 == 0 ? 3 : intere.size() % 3;
    s.append(intere, 0, primo);
    for (std::size_t i = primo; i < intere.size(); i += 3)
        s.append(migliaia).append(intere, i, 3);
    return s;
}

std::string UnisceDecimali(std::string intere, const std::string& decimali, const Separatori& sep) {
    if (!decimali.empty()) intere.append(sep.Decimale).append(decimali);
    return intere;
}

// The digits of d as they stand, no grouping: "1234,5", "0,05", "0".
std::string TestoFisso(const Decimale& d, const Separatori& sep) {
    std::string intere = ParteIntera(d);
    if (intere.empty()) intere.push_back('0');
    return UnisceDecimali(intere, ParteDecimale(d, d.Quante() - d.Punto), sep);
}

std::string Esponente(int esp, bool segnoSempre, int cifreMinime) {
    std::string cifre = std::to_string(std::abs(esp));
    cifre.insert(0, Zeri(cifreMinime - static_cast<int>(cifre.size())));
    if (esp < 0) return "E-" + cifre;
    return (segnoSempre ? "E+" : "E") + cifre;
}

struct Schema {
    std::string Prefisso;        // literal text before the first placeholder
    bool Raggruppa = false;      // "," among the integer placeholders
    int Segnaposti = 0;          // "#" and "0" before the point
    int IntereMinime = 0;        // "0" before the point
    int DecimaliFissi = 0;       // "0" after the point
    int DecimaliFacoltativi = 0; // "#" after the point
    bool Scientifico = false;
    bool SegnoEsponente = false; // "E+": the exponent is always signed
    int CifreEsponente = 0;
};

[[noreturn]] void SchemaNonValido(std::string_view testo) {
    throw std::invalid_argument("schema di formato non valido: \"" + std::string(testo) + "\"");
}

// A pattern read from left to right.
struct LettoreSchema {
    std::string_view Testo;
    std::size_t I = 0;
    // Whether the character at the cursor is one of `ammessi`.
    bool Su(std::string_view ammessi) const {
        return I < Testo.size() && ammessi.find(Testo[I]) != std::string_view::npos;
    }
};

// The integer placeholders "#", "0" and the grouping ",".
void LeggeIntereSchema(LettoreSchema& l, Schema& s) {
    for (; l.Su("#0,"); ++l.I) {
        if (l.Testo[l.I] == ',') {
            s.Raggruppa = true;
        } else {
            ++s.Segnaposti;
            if (l.Testo[l.I] == '0') ++s.IntereMinime;
        }
    }
}

// The point and the decimal placeholders after it.
void LeggeDecimaliSchema(LettoreSchema& l, Schema& s) {
    if (!l.Su(".")) return;
    for (++l.I; l.Su("#0"); ++l.I)
        ++(l.Testo[l.I] == '0' ? s.DecimaliFissi : s.DecimaliFacoltativi);
}

// "E+00", "e-000", ...; false for an exponent without its sign or its digits.
bool LeggeEsponenteSchema(LettoreSchema& l, Schema& s) {
    if (!l.Su("Ee")) return true;
    ++l.I;
    if (!l.Su("+-")) return false;
    s.SegnoEsponente = l.Testo[l.I++] == '+';
    for (; l.Su("0"); ++l.I)
        ++s.CifreEsponente;
    s.Scientifico = true;
    return s.CifreEsponente > 0;
}

Schema LeggeSchema(std::string_view testo) {
    const std::string_view originale = testo;
    if (testo == "Scientific") testo = "0.00E+00";
    Schema s;
    LettoreSchema l{testo};
    while (l.I < testo.size() && !l.Su("#0.,"))
        s.Prefisso += testo[l.I++];
    LeggeIntereSchema(l, s);
    LeggeDecimaliSchema(l, s);
    if (!LeggeEsponenteSchema(l, s) || l.I != testo.size()) SchemaNonValido(originale);
    if (s.Scientifico ? s.Segnaposti != 1 : s.Segnaposti + s.DecimaliFissi + s.DecimaliFacoltativi == 0)
        SchemaNonValido(originale);
    return s;
}

std::string ApplicaSchema(const Decimale& d, const Schema& s, const Separatori& sep) {
    const int decimali = s.DecimaliFissi + s.DecimaliFacoltativi;
    std::string corpo;
    bool zero = false;
    if (s.Scientifico) {
        const Decimale r = TieneCifre(d, 1 + decimali);
        zero = r.Zero();
        // After rounding, the first digit of r is the one before the point.
        const Decimale mantissa{false, r.Cifre, 1};
        std::string dec = ParteDecimale(mantissa, decimali);
        TogliDecimaliFacoltativi(dec, s.DecimaliFissi);
        corpo = UnisceDecimali(std::string(1, r.Cifra(0)), dec, sep) +
                Esponente(zero ? 0 : r.Punto - 1, s.SegnoEsponente, s.CifreEsponente);
    } else {
        const Decimale r = ArrotondaDecimali(d, decimali);
        zero = r.Zero();
        std::string intere = ParteIntera(r);
        intere.insert(0, Zeri(s.IntereMinime - static_cast<int>(intere.size())));
        if (s.Raggruppa) intere = Raggruppa(intere, sep.Migliaia);
        std::string dec = ParteDecimale(r, decimali);
        TogliDecimaliFacoltativi(dec, s.DecimaliFissi);
        corpo = UnisceDecimali(intere, dec, sep);
        if (corpo.empty()) corpo.push_back('0');
    }
    std::string prefisso = s.Prefisso;
    if (d.Negativo && !zero) {
        // A leading blank of the pattern is the place of the sign.
        if (!prefisso.empty() && prefisso.front() == ' ')
            prefisso.front() = '-';
        else
            prefisso.insert(0, 1, '-');
    }
    return prefisso + corpo;
}

void RichiedeCifre(int cifre) {
    if (cifre < 1) throw std::invalid_argument("numero di cifre significative minore di 1");
}

// The integer digits of d once shown with `cifre` significant digits: rounding 9.99996 to
// four digits gives 10,00, with one more integer digit than the value had.
int IntereArrotondate(const Decimale& d, int cifre) {
    if (d.Zero() || d.Punto >= cifre) return d.Punto;
    const Decimale r = ArrotondaDecimali(d, cifre - d.Punto);
    return std::max(d.Punto, r.Punto);
}

std::string SchemaFisso(int decimali) {
    return decimali > 0 ? "#,##0." + Zeri(decimali) : "#,##0";
}

// The pattern applied to d, with a blank in front unless the text starts with a minus sign.
std::string ConSegnoOBlank(const Decimale& d, std::string_view schema, const Separatori& sep) {
    std::string t = ApplicaSchema(d, LeggeSchema(schema), sep);
    if (t.front() != '-') t.insert(0, 1, ' ');
    return t;
}

std::string Etichetta(int cifre, double x, const Separatori& sep, bool scientifica) {
    RichiedeCifre(cifre);
    Decimale d = Scompone(x);
    const bool negativo = d.Negativo;
    d.Negativo = false;
    // b: the digits the plain text of |x| shows (below 1, those after "0,"); a: its integer digits.
    const int b = d.Punto >= 1 ? std::max(d.Quante(), d.Punto) : d.Quante() - d.Punto;
    const std::string segno = negativo ? "-" : " ";
    if (d.Zero() || b < cifre) return (d.Zero() ? " " : segno) + TestoFisso(d, sep);
    std::string schema;
    if (d.Punto < 1) {
        schema = scientifica ? "#." + Zeri(cifre - 1) + "E+00" : SchemaFisso(cifre - 1);
        if (!scientifica && ArrotondaDecimali(d, cifre - 1).Zero()) return " 0";
    } else {
        const int a = IntereArrotondate(d, cifre);
        schema = SchemaFisso(a >= cifre ? 0 : cifre - a);
    }
    return segno + ApplicaSchema(d, LeggeSchema(schema), sep);
}

bool Cifra(char c) {
    return c >= '0' && c <= '9';
}

// A number as the lenient reading sees it: sign, integer and decimal digits, exponent.
struct NumeroScomposto {
    bool Negativo = false;
    std::string Intere, Decimali;
    long long Esponente = 0;
};

// Moves i past the digits at i and gives them.
std::string Cifre(std::string_view t, std::size_t& i) {
    const std::size_t inizio = i;
    while (i < t.size() && Cifra(t[i]))
        ++i;
    return std::string(t.substr(inizio, i - inizio));
}

// The exponent after "E" or "e" at i, 0 without one. Beyond a million the exponent no longer
// matters: the value overflows or vanishes.
long long EsponenteTollerante(std::string_view t, std::size_t i) {
    if (i >= t.size() || (t[i] != 'E' && t[i] != 'e')) return 0;
    ++i;
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativo = t[i++] == '-';
    long long esponente = 0;
    for (; i < t.size() && Cifra(t[i]); ++i)
        if (esponente < 1'000'000) esponente = esponente * 10 + (t[i] - '0');
    return negativo ? -esponente : esponente;
}

NumeroScomposto ScomponeTollerante(std::string_view t) {
    std::size_t i = t.find_first_not_of(" \t\r\n");
    if (i == std::string_view::npos) i = t.size();
    NumeroScomposto x;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) x.Negativo = t[i++] == '-';
    x.Intere = Cifre(t, i);
    if (i < t.size() && t[i] == '.') x.Decimali = Cifre(t, ++i);
    x.Esponente = EsponenteTollerante(t, i);
    return x;
}

// A number beyond the range of a double: overflow throws, underflow is 0. Which of the two is
// told by where the first significant digit stands.
double FuoriScalaTollerante(const NumeroScomposto& x) {
    const std::size_t primaIntera = x.Intere.find_first_not_of('0');
    long long posizione = 0;
    if (primaIntera != std::string::npos) {
        posizione = static_cast<long long>(x.Intere.size() - primaIntera);
    } else {
        const std::size_t primaDecimale = x.Decimali.find_first_not_of('0');
        if (primaDecimale == std::string::npos) return 0.0;
        posizione = -static_cast<long long>(primaDecimale);
    }
    if (posizione + x.Esponente > 0) throw NumeroFuoriScala();
    return 0.0;
}

// The platform-independent lenient reading of a text with "." as decimal point.
double LetturaTollerante(std::string_view t) {
    const NumeroScomposto x = ScomponeTollerante(t);
    if (x.Intere.empty() && x.Decimali.empty()) return 0.0;
    std::string testo = x.Intere.empty() ? "0" : x.Intere;
    testo.append(1, '.').append(x.Decimali.empty() ? "0" : x.Decimali).append(1, 'e');
    testo.append(std::to_string(x.Esponente));
    double valore = 0.0;
    const auto r = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (r.ec == std::errc::result_out_of_range) return FuoriScalaTollerante(x);
    return x.Negativo && valore != 0.0 ? -valore : valore;
}

// The blanks a user may type where the grouping separator is a blank of some kind.
constexpr std::array<std::string_view, 4> Spazi{
    " ",
    "\xC2\xA0",     // U+00A0 no-break space
    "\xE2\x80\x89", // U+2009 thin space
    "\xE2\x80\xAF", // U+202F narrow no-break space
};

void TogliTutti(std::string& testo, std::string_view parte) {
    if (parte.empty()) return;
    for (std::size_t p = testo.find(parte); p != std::string::npos; p = testo.find(parte, p))
        testo.erase(p, parte.size());
}

} // namespace

double LeggeNumero(std::string_view testo, const Separatori& sep) {
    std::string t(testo);
    TogliTutti(t, sep.Migliaia);
    if (std::find(Spazi.begin(), Spazi.end(), std::string_view(sep.Migliaia)) != Spazi.end())
        for (std::string_view spazio : Spazi)
            TogliTutti(t, spazio);
    if (!sep.Decimale.empty()) {
        const std::size_t p = t.find(sep.Decimale);
        if (p != std::string::npos) {
            // In place rather than replace(): GCC 12 at -O3 sees overlapping copies in that.
            t[p] = '.';
            t.erase(p + 1, sep.Decimale.size() - 1);
        }
    }
    return LetturaTollerante(t);
}

double LeggeNumeroOppure(std::string_view testo, const Separatori& sep, double oltre) {
    try {
        return LeggeNumero(testo, sep);
    } catch (const std::out_of_range&) {
        return oltre;
    }
}

double LeggeNumeroSingolo(std::string_view testo, const Separatori& sep) {
    const double v = LeggeNumeroOppure(testo, sep);
    return std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max()) ? v : 0.0;
}

std::string FormattaSchema(double x, std::string_view schema, const Separatori& sep) {
    const Schema s = LeggeSchema(schema);
    return ApplicaSchema(Scompone(x), s, sep);
}

std::string FormattaScientifico(double x, const Separatori& sep) {
    return FormattaSchema(x, "Scientific", sep);
}

std::string TestoNumero(double x, const Separatori& sep) {
    const Decimale d = Scompone(x);
    if (d.Zero()) return "0";
    const std::string segno = d.Negativo ? "-" : "";
    const int esp = d.Punto - 1;
    if (esp >= -4 && esp < 15) return segno + TestoFisso(d, sep);
    const Decimale mantissa{false, d.Cifre, 1};
    return segno + TestoFisso(mantissa, sep) + Esponente(esp, true, 2);
}

std::string FormattaLibero(double x, const Separatori& sep) {
    const Decimale d = Scompone(x);
    // From 1E+15 on the digits of an integer say nothing more than its exponent form, and
    // would not fit any field: 1e308 would be a 309-digit number.
    if (!d.Zero() && d.Punto > 15) return TestoNumero(x, sep);
    if (d.Quante() <= d.Punto) return ApplicaSchema(d, LeggeSchema("#,##0"), sep);
    if (ArrotondaDecimali(d, 8).Zero()) return TestoNumero(x, sep);
    return ApplicaSchema(d, LeggeSchema("#,##0.########"), sep);
}

std::string RiformattaTesto(std::string_view testo, const Separatori& sep) {
    return FormattaLibero(LeggeNumero(testo, sep), sep);
}

std::string FormattaCifre(int cifre, double x, const Separatori& sep) {
    RichiedeCifre(cifre);
    const Decimale d = Scompone(x);
    if (d.Zero() || d.Punto < -18) return " 0";
    const int a = IntereArrotondate(d, cifre);
    return ConSegnoOBlank(d, SchemaFisso(cifre - a), sep);
}

std::string FormattaLarghezza(int cifre, int larghezza, double x, const Separatori& sep, Messaggi* avvisi) {
    std::string t = FormattaCifre(cifre, x, sep);
    if (larghezza >= 0 && LunghezzaTesto(t) <= static_cast<std::size_t>(larghezza)) return t;
    if (larghezza < cifre + 6 && avvisi != nullptr)
        avvisi->Mostra("n. caratteri minimo = " + std::to_string(cifre + 6), Icona::Nessuna);
    return FormattaSchema(x, " 0." + Zeri(cifre - 1) + "E+00", sep);
}

std::string FormattaNumero(int cifre, int larghezza, double x, bool togliSpazio, const Separatori& sep,
                           Messaggi* avvisi) {
    std::string s = FormattaLarghezza(cifre, larghezza, x, sep, avvisi);
    if (!sep.Decimale.empty() && s.find(sep.Decimale) != std::string::npos) {
        const std::size_t e = s.find('E');
        std::string mantissa = s.substr(0, e);
        const std::string coda = e == std::string::npos ? std::string() : s.substr(e);
        while (!mantissa.empty() && mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.ends_with(sep.Decimale)) mantissa.resize(mantissa.size() - sep.Decimale.size());
        s = mantissa + coda;
    }
    if (togliSpazio && !s.empty() && s.front() == ' ') s.erase(0, 1);
    return s;
}

std::string FormattaEtichetta(int cifre, double x, const Separatori& sep) {
    return Etichetta(cifre, x, sep, true);
}

std::string FormattaEtichettaCarico(int cifre, double x, const Separatori& sep) {
    return Etichetta(cifre, x, sep, false);
}

std::size_t LunghezzaTesto(std::string_view testo) {
    // Every byte that is not a UTF-8 continuation byte starts a character.
    return static_cast<std::size_t>(std::count_if(
        testo.begin(), testo.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u; }));
}

} // namespace vc
