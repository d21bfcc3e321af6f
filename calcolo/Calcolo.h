#pragma once
// The calculation driver: one function per command that needs the beam checked or solved.
// The window moves its input into the beam and calls these; the command line reads a data
// file into the beam first; both get back the check that refused the input, if any, and
// nothing else decides what went wrong.
//
//   "Sezioni", "&Salva", "S&alva con nome..."        ControllaDati
//   "&Calcolo", "Stam&pa", the listing, DXF, CAD      EsegueCalcolo
//   the diagram commands                              EsegueCalcolo, then ControllaScaleFisse
//   "Visualizza" (the load display)                   CalcolaCarichi
//   "Carichi concentrati"                             ControllaLuci
//
// Every check shows its own message through the sink as it fails. A refused data check is
// followed by "Errore nei dati"; a calculation the engine cannot carry out shows "Errore nei
// dati" with the engine's reason as its details.

#include "calcolo/ControlloFallito.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "support/Errori.h"
#include "support/Messaggi.h"

#include <string>
#include <vector>

namespace vc {

// The spans that are not cantilevers, and the message of a beam that has too few of them.
int CampateEscluseSbalzi(const Velcora& trave);
std::string MessaggioNumeroCampate(int campate);

// The data moved into the beam: the section numbering, the sections list cut or grown to the
// highest section number used, both end restraints chosen ("Scegliere il vincolo di Sinistra
// !", "Scegliere il vincolo di Destra !"), at least one span that is not a cantilever unless an
// end is fixed, and a beam with at least one span. A redistribution coefficient of 0 becomes 1.
EsitoComando ControllaDati(Velcora& trave, Impostazioni& imp, Messaggi& msg);

// The calculation: ControllaDati, then the sections, the elastic ends, the span ratios of the
// redistribution and the concentrated loads (all four always checked, each telling its own
// fault, with the concentrated loads window's messages for a load on a span the beam does not
// have or beyond its span), then the solution. A solution that fails leaves the beam without
// results.
EsitoComando EsegueCalcolo(Velcora& trave, Impostazioni& imp, Messaggi& msg);

// The load display: as EsegueCalcolo without the span ratios of the redistribution, then the
// fixed scales.
EsitoComando CalcolaCarichi(Velcora& trave, Impostazioni& imp, Messaggi& msg);

// With fixed scales on, none of the three may be 0.
EsitoComando ControllaScaleFisse(const Impostazioni& imp, Messaggi& msg);

// The lengths typed for the spans, before the concentrated loads are given: "Definire
// campate!" without spans, "Definire geometria campate!" when a length is 0.
EsitoComando ControllaLuci(const std::vector<double>& luci, Messaggi& msg);

// The place of the input an error of the engine names, as the window selects it (Campo, Riga,
// Colonna; no message): a span's cell (its section for a span without stiffness, else its
// length), a support, a concentrated load, a restraint, or the window of the sections, the
// elastic ends or the redistribution. Nessuno for the calculation as a whole.
ControlloFallito PostoDellErrore(const ErroreCalcolo& e);

// "Errore nei dati" with the reason as its details, for input the window cannot read (a number
// too large, a count that is not a number) and for a calculation the engine cannot carry out;
// the refusal names the place.
EsitoComando ErroreNeiDati(Messaggi& msg, std::string motivo, CampoDati campo, int riga = 0, int colonna = 0);

} // namespace vc
