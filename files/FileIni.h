#pragma once
// The settings file "VelcoraDwg.ini": the fourteen partial factors and combination
// coefficients (CoefParz), one single real a line, kept from one run of the program to the
// next. It lives beside the executable whenever the file can be written there; otherwise, and
// always for an installed program (whose folder belongs to the system, even when root can
// write it), the user's configuration folder keeps the user's copy ($XDG_CONFIG_HOME/VelcoraDwg,
// else ~/.config/VelcoraDwg), and the file beside the program is only read, until the user has
// saved a copy. While neither file is there, the factors an installation comes with are read
// from share/velcora beside the program's folder (/usr/share/velcora for a program in /usr/bin,
// which holds programs only); that file is what makes the program an installed one.

#include "engine/Impostazioni.h"
#include "files/Record.h"
#include "support/Messaggi.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vc {

inline constexpr std::string_view NomeFileIni = "VelcoraDwg.ini";

struct PercorsiFileIni {
    std::filesystem::path Programma; // beside the executable
    std::filesystem::path Utente;    // in the user's configuration folder; empty when there is none
    // The installation's defaults, only read; may be empty. Initialised, so that a list of the
    // first two alone ({programma, utente}) stays complete.
    std::filesystem::path Installazione = {};
};

// The places for the program folder given, the user's one from the environment.
PercorsiFileIni PercorsiFileIniPredefiniti(const std::filesystem::path& cartellaProgramma);

// The information shown when the file is missing or incomplete and the defaults are loaded.
std::string MessaggioFileIniIncompleto();

// "L": reads CoefParz, one value a line. A missing file, a short one, a value that cannot be
// read (also a line with more than one field, such as "1,3" typed with a decimal comma) or a
// negative value loads the defaults into all fourteen values and shows
// MessaggioFileIniIncompleto (after the record's own "Lettura incompleta del file", when the
// failure was inside a record).
// "S": writes CoefParz, fourteen lines, atomically. A file that cannot be written shows
// "Scrittura incompleta del file" with the file and the system's reason, and keeps the values.
// True when the file was read or written whole.
bool FileIniLeggeScrive(Modo modo, Impostazioni& imp, Messaggi& msg, const PercorsiFileIni& percorsi);

} // namespace vc
