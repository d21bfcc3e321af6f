#pragma once
// Reading the numbers the user types and formatting the numbers the user reads: the results
// grids, the report, the input fields and the labels of the drawings. Every routine takes
// the user's separators explicitly; none depends on the C library's locale.
//
// Rounding is decimal and half away from zero on the value as written with at most 15
// significant digits (2.675 shows as 2,68 with two decimals, 2.5 as 3 with none). A value
// that is exactly a single-precision number, as every stored result is, is written with at
// most 7 significant digits when that is enough to give the same single back, so 0.7f reads
// as 0,7 and not as 0,699999988.
//
// A number that is not finite has no text: formatting one throws ErroreCalcolo
// (ValoreNonFinito), the error that makes the calculation driver show "Errore nei dati".

#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vc {

// The number in a typed text: every grouping separator is removed (a blank grouping
// separator also removes the other blanks a user may type: U+0020, U+00A0, U+2009, U+202F),
// the first decimal separator becomes ".", then the text is read leniently: leading blanks
// skipped, an optional sign, digits with one optional ".", an optional exponent ("E" or "e",
// sign, digits); reading stops at the first character that cannot continue the number, and a
// text without digits reads as 0. A magnitude beyond the range of a double throws
// NumeroFuoriScala (an out_of_range, "Overflow"); one too small for it reads as 0.
double LeggeNumero(std::string_view testo, const Separatori& sep);
// LeggeNumero with `oltre` in place of a magnitude beyond a double, as the windows read a field.
double LeggeNumeroOppure(std::string_view testo, const Separatori& sep, double oltre = 0);
// A typed number that a single real holds (the beam and the settings keep singles); 0 for a
// magnitude beyond what a single holds. In double, so that a caller may scale it first.
double LeggeNumeroSingolo(std::string_view testo, const Separatori& sep);

// Formats x with a pattern of digit placeholders:
//   leading literal text, then "#" (optional digit), "0" (required digit) and "," (group the
//   integer part by threes) before the point; "." then "0" (required decimal) and "#"
//   (optional decimal); optionally "E+00" (exponent always signed) or "E-00" (signed only when
//   negative) with the least number of exponent digits. Scientific patterns have one digit
//   before the point. "Scientific" names "0.00E+00".
// A minus sign takes the place of a leading blank of the pattern, or else goes in front. A
// value that rounds to zero shows no minus sign, and a decimal separator with no digit after
// it is left out. A pattern outside this grammar throws std::invalid_argument.
std::string FormattaSchema(double x, std::string_view schema, const Separatori& sep);

// Two decimals and a signed two-digit exponent: 0.0123 gives "1,23E-02" with a decimal comma.
std::string FormattaScientifico(double x, const Separatori& sep);

// The plain text of a number, as joined into a message or shown in a field: no grouping, no
// leading blank, the user's decimal separator, at most 15 significant digits (7 for a single),
// exponent form below 1E-4 and from 1E+15 ("1,5E-05", "2E+20").
std::string TestoNumero(double x, const Separatori& sep);

// The rewrite of a numeric input field: grouped integer part and up to eight decimals
// ("1.234,5"); an integer value has no decimals. From 1E+15 on, and for a non-zero value too
// small to show a digit in eight decimals, the digits are kept in exponent form ("1,5E+20"),
// so that what is shown fits a field and reads back as nearly the same value.
std::string FormattaLibero(double x, const Separatori& sep);

// A typed text read with LeggeNumero and written back with FormattaLibero.
std::string RiformattaTesto(std::string_view testo, const Separatori& sep);

// Fixed-point text with `cifre` significant digits (all integer digits are kept when there
// are more), the integer part grouped, one leading blank for a non-negative value: 12.3456
// gives " 12,35", 100 gives " 100,0", -0.5 gives "-0,5000". A magnitude below 1E-19 gives " 0".
// cifre must be at least 1 (std::invalid_argument otherwise).
std::string FormattaCifre(int cifre, double x, const Separatori& sep);

// FormattaCifre when its text is at most `larghezza` characters wide; otherwise the
// scientific form with `cifre` significant digits and a signed two-digit exponent
// (" 1,235E+08", "-1,235E+08"), which needs cifre + 6 characters: when the width is narrower
// than that and a message sink is given, "n. caratteri minimo = " and that number are shown.
// Widths count characters, not bytes.
std::string FormattaLarghezza(int cifre, int larghezza, double x, const Separatori& sep,
                              Messaggi* avvisi = nullptr);

// FormattaLarghezza without the trailing zeros of the decimals (and without a decimal
// separator left bare): " 12,5", " 3", " 1,2E+08". togliSpazio removes the leading blank of a
// non-negative value.
std::string FormattaNumero(int cifre, int larghezza, double x, bool togliSpazio, const Separatori& sep,
                           Messaggi* avvisi = nullptr);

// The value labels of the diagrams: a number with fewer than `cifre` digits is shown as it
// is (" 12,5", " 0,05"); otherwise with `cifre` significant digits, in scientific form below 1
// (" 1,235E-02"), grouped above. A minus sign or a blank goes in front.
std::string FormattaEtichetta(int cifre, double x, const Separatori& sep);

// The load labels: as FormattaEtichetta, but below 1 with `cifre` − 1 decimals instead of the
// scientific form; a label that rounds to zero is " 0".
std::string FormattaEtichettaCarico(int cifre, double x, const Separatori& sep);

// The number of characters (Unicode code points) of a UTF-8 text.
std::size_t LunghezzaTesto(std::string_view testo);

} // namespace vc
