#pragma once
// The one DXF serialiser of the program, shared by the two DXF files it writes (the plain
// entity file and the complete drawing of the CAD stand-in): how a number, a group code and a
// text are spelled, how each entity is written group by group, and how a finished file
// reaches the disk. The two files differ only in what they hand to it: the layer of each
// entity and how its colour is spelled (or left out).

#include "drawing/core/Punto.h"

#include <array>
#include <filesystem>
#include <optional>
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

// The colour of TEXT in the plain file, as the file-print statement writes a number: a leading
// blank when non-negative, the digits, one trailing blank (7 gives " 7 ").
std::string InteroStampato(int valore);

// What every entity starts with after its type: the layer (group 8, spelled by TestoDxf) and,
// when given, the colour (group 62) already spelled as the file wants it.
struct TestaEntitaDxf {
    std::string_view Layer;
    std::optional<std::string> Colore;
};

// A DXF text built group by group, each group two lines ending in CR LF. Angles arrive in
// radians and are written in degrees (π is std::numbers::pi); z is always "0.0". A value that
// is not finite throws ErroreDisegno (ValoreNonFinito) with what has been written so far left
// as it was up to that group, so a caller that must write an entity whole or not at all builds
// it in a writer of its own.
class ScrittoreDxf {
  public:
    void Gruppo(int codice, std::string_view valore);
    void Intero(int codice, int valore) { Gruppo(codice, InteroCampoSei(valore)); }
    void Reale(int codice, double valore, std::string_view cosa = "coordinata") {
        Gruppo(codice, NumeroDxf(valore, cosa));
    }
    // x under codice, y under codice + 10, "0.0" under codice + 20.
    void Punto3(int codice, const Punto& p);
    void Angolo(int codice, double radianti);

    // "  0" "SECTION" "  2" nome; "  0" "ENDSEC"; "  0" "EOF".
    void Sezione(std::string_view nome);
    void FineSezione() { Gruppo(0, "ENDSEC"); }
    void FineFile() { Gruppo(0, "EOF"); }

    // The entities. Each writes its own groups; extended data, when the caller has any, follow
    // at once (for a polyline: before its vertices).
    void Linea(const TestaEntitaDxf& testa, const Punto& a, const Punto& b);
    void Arco(const TestaEntitaDxf& testa, const Punto& centro, double raggio, double a1, double a2);
    // POLYLINE: the layer, the vertices-follow flag "     1", the colour, the point (0, 0, 0) as
    // "0.0" three times and no closed flag; then Vertice for each vertex and FineSequenza.
    void InizioPolilinea(const TestaEntitaDxf& testa);
    void Vertice(std::string_view layer, const Punto& p);
    void FineSequenza(std::string_view layer);
    // (x, y) is the left end of the base line, or with another alignment its middle or right
    // end (groups 72 and 11, written only then); the text goes through TestoDxf.
    void Testo(const TestaEntitaDxf& testa, const Punto& p, double altezza, std::string_view testo,
               Allineamento allinea = Allineamento::Sinistra);
    void Solido(const TestaEntitaDxf& testa, const std::array<Punto, 4>& vertici);
    void Inserimento(const TestaEntitaDxf& testa, std::string_view blocco, const Punto& p, double scalaX,
                     double scalaY, double scalaZ, double rotazione);

    const std::string& Contenuto() const noexcept { return testo_; }
    std::string Prende() && { return std::move(testo_); }

  private:
    void Testa(std::string_view tipo, const TestaEntitaDxf& testa);

    std::string testo_;
};

// Writes contenuto to destinazione as every file of the program is saved (ScriveFileAtomico of
// files/FileSuDisco.h: a new temporary file in the same folder, renamed over the target only
// once complete), so that a failure never leaves half a file and never destroys the previous
// one. A folder as target is refused before anything is written. Failures throw ErroreDisegno
// (ScritturaFallita) with the system's reason.
void ScriveFileSicuro(const std::filesystem::path& destinazione, std::string_view contenuto);

} // namespace vc
