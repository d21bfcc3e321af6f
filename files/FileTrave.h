#pragma once
// A beam file of either form, chosen by its extension: ".json" the JSON beam, anything else
// the data file. The command line, the batch and the Python module read and write beams
// through these two calls.

#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "support/Messaggi.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vc {

// True for a path whose extension is ".json", in any case.
bool PercorsoTraveJson(const std::filesystem::path& percorso);

// Why a beam file was not read or written: the program's message and the reason behind it
// (the field of a JSON beam, the system's reason for a file).
struct ErroreFileTrave {
    std::string Messaggio;
    std::string Motivo;
};

// Reads the beam file into the beam and the settings; NomeFile and PercorsoDati follow the
// path. A data file is read as opening it does (its messages go to msg as they arise; a file
// older than "6.2" counts as read). A JSON beam is read whole or not at all: a bad field gives
// "Lettura incompleta del File" with the field as the reason, and the beam stays as it was.
// Nothing when the beam was read; otherwise what went wrong, already shown through msg.
std::optional<ErroreFileTrave> LeggeFileTrave(const std::filesystem::path& percorso, Velcora& trave,
                                              Impostazioni& imp, Messaggi& msg);

// Writes the beam into the file in the form its extension names, replacing an old file only
// with a complete one. Nothing when written; otherwise "Scrittura incompleta del file" with the
// reason, already shown through msg.
std::optional<ErroreFileTrave> ScriveFileTrave(const std::filesystem::path& percorso, Velcora& trave,
                                               Impostazioni& imp, Messaggi& msg);
// What ScriveFileTrave would write, for a caller that writes several files all or none; nothing
// when the beam cannot be written, with "Scrittura incompleta del file" shown through msg.
std::optional<std::string> ContenutoFileTrave(const std::filesystem::path& percorso, Velcora& trave,
                                              Impostazioni& imp, Messaggi& msg);

} // namespace vc
