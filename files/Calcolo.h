#pragma once
// The calculation driver: the checks a beam has to pass before it is solved, in the order the
// main window runs them, and the solution itself. The window moves its grids into the beam
// and then calls these; the command line reads a data file into the beam first.

#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "support/Messaggi.h"

#include <filesystem>
#include <string>

namespace vc {

// Reads the data file at percorso into the beam and the settings, as opening it does:
// NomeFile and PercorsoDati follow the path. A file that cannot be opened shows "File " + path +
// " non trovato " (or the system's reason). True when the beam was read whole, or up to the
// records a file older than "6.2" lacks; false when a record could not be read (the user has
// been told which).
bool LeggeFileDati(const std::filesystem::path& percorso, Velcora& trave, Impostazioni& imp, Messaggi& msg);

// The span count check: the spans that are not cantilevers, with their text for the message.
int CampateEscluseSbalzi(const Velcora& trave);
std::string MessaggioNumeroCampate(int campate);

// The checks of the data moved into the beam: the section numbering, the sections list cut or
// grown to the highest section number used, both end restraints chosen ("Scegliere il vincolo
// di Sinistra !", "Scegliere il vincolo di Destra !"), at least one span that is not a
// cantilever unless an end is fixed, and a beam with at least one span; a redistribution
// coefficient of 0 becomes 1. Each failing check shows its own message, an unexpected error
// "Errore nei dati"; false stops.
bool ControllaDati(Velcora& trave, Impostazioni& imp, Messaggi& msg);

// The calculation: the checks of ControllaDati (a failure adds "Errore nei dati", once), then the sections, the
// elastic ends and the span ratios for the redistribution, all three always checked, then the
// solution. A solution that fails shows "Errore nei dati" and leaves the beam without results.
// True when the beam has been solved.
bool EsegueCalcolo(Velcora& trave, Impostazioni& imp, Messaggi& msg);

} // namespace vc
