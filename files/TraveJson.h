#pragma once
// The beam in JSON ("formato": "velcora-trave", "versione": 1): the same input the data file
// holds, as named fields that other programs and scripts can write. doc/velcora-trave.schema.json
// describes every field; the manual explains it.
//
// Besides what the data file holds, the JSON beam keeps the SLE combination and the number of
// diagram divisions, which the data file leaves to the window.
//
// Numbers: the single-precision values of the beam are written in the shortest form that reads
// back to the same single, the double-precision values likewise as doubles; a number that is not
// finite is never written (the beam cannot hold one).
//
// Reading checks every field: its kind, its range, the names it may take, the counts that must
// agree, and refuses fields it does not know. The first bad field is reported by its path, with
// the program's numbering (the first span is campate[1]):
//
//   campate[3].luce: numero atteso
//
// Reading is all or nothing: the beam and the settings change only when the whole beam has been
// read. Fields left out take the value of a new beam, and the settings the value they had
// (the coefficients of the settings file, as for a data file that has none).

#include "engine/Impostazioni.h"
#include "engine/Velcora.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace vc {

inline constexpr std::string_view FormatoTraveJson = "velcora-trave";
inline constexpr int VersioneTraveJson = 1;
inline constexpr std::string_view EstensioneTraveJson = "json";

// The JSON values of the beam, with the fields in the order they are written.
using Json = nlohmann::ordered_json;

// The first field that could not be read: its path ("campate[3].luce", empty for the whole
// text) and what is wrong with it ("numero atteso").
struct CampoErrato {
    std::string Percorso;
    std::string Motivo;
    // "percorso: motivo", or the reason alone when there is no path.
    std::string Testo() const;
};

// The beam and the settings as a JSON value of the schema, and as the text of a file (two
// blanks of indentation, UTF-8, ending with a line end).
Json TraveInJson(const Velcora& trave, const Impostazioni& imp);
std::string TestoTraveJson(const Velcora& trave, const Impostazioni& imp);

// Reads a JSON value, or the text of a file, into the beam and the settings. Nothing when the
// beam was read whole; otherwise the first bad field, and neither the beam nor the settings
// have changed. Only the input is set: a beam that was solved is read as a new one.
std::optional<CampoErrato> TraveDaJson(const Json& valore, Velcora& trave, Impostazioni& imp);
std::optional<CampoErrato> TraveDaTestoJson(std::string_view testo, Velcora& trave, Impostazioni& imp);

} // namespace vc
