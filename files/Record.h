#pragma once
// Record primitives: one call writes or reads one record of a text file, the direction chosen
// by a mode. Every record-level caller (the data file, the settings file) is written once
// against these calls and runs unchanged in both directions.
//
// A record is a list of references to typed variables. Writing ("S") reads the variables and
// puts them on one line, separated by commas and ended by CR LF; reading ("L") takes one field
// per variable, converts it and stores it. Fields end at a comma or at a line end alike, so a
// record that is spread over several lines still reads.
//
// Field encodings: a 16-bit integer as decimal digits; a single real with at most 7
// significant digits and a double with at most 15, "." as decimal separator and the exponent
// form "1.5E-05" for very small or large magnitudes; a Boolean as "#TRUE#" or "#FALSE#"; a
// string in double quotes, Windows-1252 on disk.
//
// Failures are told to the user here, with the texts of the program: a failed read shows
// "Lettura incompleta del file", closes the file and throws RecordInterrotto; a failed write
// shows "Scrittura incompleta del file", closes the file and returns (a closed file ignores the
// records that follow, so a writer may run to its end and check Aperto() once).

#include "support/Messaggi.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <iosfwd>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vc {

// The direction of a record: "L" reads into the variables, "S" writes them. Any other value
// (a corrupted mode) is refused by every primitive with "Errore nella Sub " + its name.
enum class Modo : char { Lettura = 'L', Scrittura = 'S' };

// Reading or writing of a file stopped inside its records. It travels only from the record
// primitives to the routine that walks a whole file (FileLeggeScrive, FileIniLeggeScrive),
// which catches it and tells the user; it never leaves the file routines.
class RecordInterrotto : public std::runtime_error {
  public:
    enum class Motivo {
        Lettura,   // a record could not be read (its primitive has told the user, the header's excepted)
        Scrittura, // the header could not be written (its primitive reports nothing itself)
        FileTroppoVecchio, // the file is older than a record it must have
        DatoNonValido,     // a value read that the beam cannot hold
    };
    RecordInterrotto(Motivo motivo, const std::string& dettaglio)
        : std::runtime_error(dettaglio), motivo_(motivo) {}
    Motivo motivo() const noexcept { return motivo_; }

  private:
    Motivo motivo_;
};

// An open text file, in one direction. For reading it holds the bytes of the file; for
// writing it puts the records into a stream owned by the caller.
class FileTesto {
  public:
    static FileTesto PerLettura(std::string contenuto);
    static FileTesto PerScrittura(std::ostream& uscita);

    bool Aperto() const { return aperto_; }
    bool InLettura() const { return uscita_ == nullptr; }
    void Chiudi() { aperto_ = false; }

    // Reading. The next field (blank lines before it are skipped; a quoted field is given
    // without its quotes), or nothing at the end of the file, on a quote that is never closed
    // or when the file is closed.
    std::optional<std::string> LeggeCampo();
    // True when the field last read ended its line (a line end or the end of the file came
    // after it, not a comma).
    bool CampoAFineRiga() const { return fineRiga_; }
    // The next whole line without its line end, or nothing at the end of the file.
    std::optional<std::string> LeggeRiga();
    std::size_t ByteRimanenti() const { return aperto_ && InLettura() ? testo_.size() - pos_ : 0; }
    std::size_t Posizione() const { return pos_; }

    // Writing. False (and the file closed) when the stream refused the text or the file is
    // already closed.
    bool Scrive(std::string_view testo);

  private:
    FileTesto() = default;
    void SaltaFineRiga();

    std::string testo_;
    std::size_t pos_ = 0;
    std::ostream* uscita_ = nullptr;
    bool aperto_ = true;
    bool fineRiga_ = false;
};

// A reference to one variable of a record. `int` stands for the file's 16-bit integer: values
// outside -32768..32767 can be neither read nor written.
class Rif {
  public:
    Rif(int& v) : p_(&v) {}
    Rif(float& v) : p_(&v) {}
    Rif(double& v) : p_(&v) {}
    Rif(bool& v) : p_(&v) {}
    Rif(std::string& v) : p_(&v) {}

    // The field text of the variable, or nothing when it has no encoding (a number that is not
    // finite, an integer out of range).
    std::optional<std::string> Testo() const;
    // Stores the converted field; false when the text is not a value of the variable's kind.
    bool Assegna(std::string_view campo) const;
    // Only checks the conversion.
    bool Convertibile(std::string_view campo) const;

  private:
    std::variant<int*, float*, double*, bool*, std::string*> p_;
};

using Campi = std::span<const Rif>;

// Field encodings, shared with the other writers of the program's files: a number as the files
// write it, always with "." (TestoNumero of support/Formattazione.h is the user's form).
std::string TestoCampo(float x);
std::string TestoCampo(double x);
std::string TestoIntero(int x);
// Any number in the written forms (also ".3", "3.", "1E5", "1D-3" and a leading "+"); nothing
// for anything else, NaN and infinities included.
std::optional<double> NumeroDaTesto(std::string_view campo);

// The record primitives. In the "Cond" forms the record exists only in files of version
// versioneMinima or later (versions compare as text, character by character): FileInOutCond
// closes an older file and throws RecordInterrotto (FileTroppoVecchio), FileInOutCondNoMsg leaves the
// variables and the file position as they are. In mode "S" both write the record like FileInOut.
void FileInOut(Modo modo, FileTesto& file, Campi lista, Messaggi& msg);
void FileInOutCond(Modo modo, FileTesto& file, std::string_view versioneFile, std::string_view versioneMinima,
                   Campi lista, Messaggi& msg);
void FileInOutCondNoMsg(Modo modo, FileTesto& file, std::string_view versioneFile,
                        std::string_view versioneMinima, Campi lista, Messaggi& msg);

inline void FileInOut(Modo modo, FileTesto& file, std::initializer_list<Rif> lista, Messaggi& msg) {
    FileInOut(modo, file, Campi(lista.begin(), lista.size()), msg);
}
inline void FileInOutCond(Modo modo, FileTesto& file, std::string_view versioneFile,
                          std::string_view versioneMinima, std::initializer_list<Rif> lista, Messaggi& msg) {
    FileInOutCond(modo, file, versioneFile, versioneMinima, Campi(lista.begin(), lista.size()), msg);
}
inline void FileInOutCondNoMsg(Modo modo, FileTesto& file, std::string_view versioneFile,
                               std::string_view versioneMinima, std::initializer_list<Rif> lista,
                               Messaggi& msg) {
    FileInOutCondNoMsg(modo, file, versioneFile, versioneMinima, Campi(lista.begin(), lista.size()), msg);
}

// A matrix of doubles, one line per row, rows first to last.
void FileInOutMat(Modo modo, FileTesto& file, std::span<double> elementi, std::size_t colonne, Messaggi& msg);
template <std::size_t R, std::size_t C>
void FileInOutMat(Modo modo, FileTesto& file, std::array<std::array<double, C>, R>& mat, Messaggi& msg) {
    FileInOutMat(modo, file, std::span<double>(mat.front().data(), R * C), C, msg);
}

// A line of quoted strings (the header of the data file). Reports nothing itself: a failure
// throws RecordInterrotto (Lettura or Scrittura) to the caller. In a string being
// written every line break becomes two characters of code 1 and every double quote an
// apostrophe, so that neither can cut the line or the item.
void FileInOutStringColl(Modo modo, FileTesto& file, std::vector<std::string>& lista, Messaggi& msg);
// The header: title and version; a line with one item only gives version "0".
void FileInOutVersione(Modo modo, FileTesto& file, std::string& titolo, std::string& versione, Messaggi& msg);

// Every line break of the text (CR LF, or a lone CR or LF) as two characters of code 1.
std::string ACapoInMarcatore(std::string_view testo);
// Cuts the next quoted item from the rest of a header line (which starts at its opening
// quote) and shortens the rest past the item and the comma after it. Nothing when the quote
// is never closed. Pairs of code-1 characters in the item become CR LF.
std::optional<std::string> EstraeVoceVirgolettata(std::string& resto);

// Text comparison of two versions, character by character by code.
inline bool VersioneAlmeno(std::string_view versione, std::string_view minima) {
    return versione >= minima;
}

} // namespace vc
