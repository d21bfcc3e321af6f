#pragma once
// The drawing of a cross-section: its outline, hatched, on any device. The sections window
// shows the section being edited in its picture box; the same drawing goes to the printer,
// a DXF file, the CAD drawing or a page of a report.
//
//     vc::PlottaSezione(sezione, dispositivoVideo, messaggi);
//
// The printer device writes in "Times New Roman", 8 points.

#include "drawing/core/Disegno.h"
#include "drawing/core/Dispositivo.h"
#include "sections/SezioneCA.h"
#include "support/Messaggi.h"

namespace vc {

// The outline of the section (colour 5, line width 2) and its hatch at 45 degrees in 15
// strips (colour 1, line width 1); it takes x 0.1..0.9 and y 0.1..0.9 of a window or a page,
// proportions kept. A section without an outline (a generic section, described by its J and
// depth only) has no item.
Disegno DisegnoSezione(const SezioneCA& sezione);

// The section drawn on the device; nothing at all for a section without an outline.
void PlottaSezione(const SezioneCA& sezione, Dispositivo& uscita, Messaggi& messaggi);

} // namespace vc
