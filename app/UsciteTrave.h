#pragma once
// The outputs of one solved beam, all of them or none: each is made whole in memory first, and
// only then are they written together. The command line, its batches and the Python module
// put out a beam through these.

#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "files/FileSuDisco.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace vc {

// Where each output goes; nothing for the outputs not asked.
struct UsciteTrave {
    std::optional<std::filesystem::path> Txt;       // the listing
    std::optional<std::filesystem::path> Json;      // the results in JSON
    std::optional<std::filesystem::path> Dxf;       // the diagrams in a DXF file
    std::optional<std::filesystem::path> Dwg;       // the diagrams in a CAD drawing of their own
    std::optional<std::filesystem::path> Blocco;    // their blocks with the extended data
    std::optional<std::filesystem::path> Pdf;       // the PDF page of the diagrams
    std::optional<std::filesystem::path> Relazione; // the calculation report in PDF
};

// The outputs asked, each made whole in memory and added to file. False, with the reason told,
// when one of them cannot be made (then nothing has been written).
bool PreparaUscite(const UsciteTrave& u, const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                   Messaggi& msg, std::vector<FileDaScrivere>& file);

// The files written together: false, with "Scrittura incompleta del file" and the file that
// failed told, when one cannot be written, and then none has been replaced.
bool ScriveInsieme(const std::vector<FileDaScrivere>& file, Messaggi& msg);

// The outputs asked, made and written all together (PreparaUscite, then ScriveInsieme).
bool ScriveUscite(const UsciteTrave& u, const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                  Messaggi& msg);

} // namespace vc
