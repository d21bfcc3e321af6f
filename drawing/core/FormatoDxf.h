#pragma once
// The bytes shared by the two DXF files the program writes (the plain entity file and the
// complete drawing of the CAD stand-in): how a number, a group code and a text are spelled,
// and how a finished file reaches the disk.

#include <filesystem>
#include <string>
#include <string_view>

namespace vc {

// Line end of every DXF line.
inline constexpr std::string_view FineRigaDxf = "\r\n";

// A real value: period as decimal separator, no blanks, no thousands separators, the shortest
// text that reads back as the same number. A value that is exactly a single-precision number
// (as the stored results and the section vertices are) is spelled as that single, so 0.1f
// gives "0.1"; any other value as the double it is. Plain decimals from 1E-4 up to 1E+15,
// exponent form ("1e-05", "2.5e+20") outside; zero, negative zero included, is "0".
// A value that is NaN or infinite is refused with ErroreDisegno (ValoreNonFinito): the file
// is never written with it. `cosa` names the value in that error.
std::string NumeroDxf(double valore, std::string_view cosa = "coordinata");

// A group code right-aligned in three characters ("  0", " 62", "1001").
std::string CodiceGruppoDxf(int codice);

// An integer as the language's Str() gives it (a leading blank when non-negative, else the
// minus sign) right-aligned in six characters: 7 gives "     7", 256 "   256", -1 "    -1".
std::string InteroCampoSei(int valore);

// The bytes of a text value: UTF-8 converted to the Windows-1252 code page by Utf8A1252 of
// files/Codifica1252.h (a character the code page has not becomes "?"), each line break or
// other control character replaced by a blank, since a text value must stay on its own line
// of the file.
std::string TestoDxf(std::string_view testo);

// Writes contenuto to destinazione as every file of the program is saved (ScriveFileAtomico of
// files/FileSuDisco.h: a new temporary file in the same folder, renamed over the target only
// once complete), so that a failure never leaves half a file and never destroys the previous
// one. A folder as target is refused before anything is written. Failures throw ErroreDisegno
// (ScritturaFallita) with the system's reason.
void ScriveFileSicuro(const std::filesystem::path& destinazione, std::string_view contenuto);

} // namespace vc
