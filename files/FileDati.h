#pragma once
// The data file of a beam (extension "vlr"): the title, the spans with their loads and section
// numbers, the end restraints, the sections, the support widths, the options, the partial
// factors, the elastic-restraint data and the concentrated forces and couples.
//
// One routine walks one list of records in both directions: in mode "S" every record takes its
// fields from the model and the settings and writes them, in mode "L" it reads them and stores
// them back. Records added by later versions of the program are read only from files of that
// version or later; the version written is "7.6", and files from "6.2" on are read.

#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "files/Record.h"
#include "support/Messaggi.h"

#include <string>
#include <string_view>

namespace vc {

inline constexpr std::string_view VersioneFileDati = "7.6";
inline constexpr std::string_view EstensioneFileDati = "vlr";

enum class EsitoFile {
    Completo,      // every record written or read
    Incompleto,    // a record failed; the user has been told, what was read before stays
    TroppoVecchio, // reading stopped at the display records of a file older than "6.2"
};

// Writes ("S") or reads ("L") the whole data file on an open file. Failures are told to the
// user here: "Lettura incompleta del File" / "Scrittura incompleta del File" after the
// message of the record that failed, if any.
//
// Reading refuses only what it cannot parse or cannot hold safely: a number that is not
// finite, a negative count, a code outside its kind (restraints -1..3, section kinds 0..2, the
// concrete class 0..12, the limit state 0..1, the kinds of the elastic restraints 0..3). A
// count does not size its table: the items are read one by one, so a count larger than the
// file holds keeps the items the file does hold. Values that are merely inconsistent with the
// rest of the beam (a load beyond its span or on a span that does not exist, a zero length, a
// section number without its section) are loaded as they stand, for the user to correct; the
// calculation refuses them with its messages.
EsitoFile FileLeggeScrive(Modo modo, FileTesto& file, Velcora& trave, Impostazioni& imp, Messaggi& msg);

// The two blocks of the data file that belong to the beam: the elastic restraints (written only
// when an end has code 3) and the table of concentrated forces (forze true) or couples. They
// throw like the record primitives; FileLeggeScrive calls them and reports.
void FileLeggeScrive_Kvinc(Modo modo, FileTesto& file, Velcora& trave, Messaggi& msg);
void FileLeggeScrive_CarConc(Modo modo, FileTesto& file, Velcora& trave, bool forze, Messaggi& msg);

// The check marks and captions of the two decalage options of the options menu after a data
// file has been read: mode 1 checks the first, mode 2 the second, any other mode neither. The
// cover c is shown as c × 100 with the user's decimal separator.
struct MenuDecalage {
    bool Decalage = false;
    std::string DidascaliaDecalage;
    bool Sovrapposto = false;
    std::string DidascaliaSovrapposto;
};
MenuDecalage MenuDecalageDaFile(int decala, float copriferro, char separatoreDecimale);

} // namespace vc
