#pragma once
// The device step: a drawing (Disegno) put on one device. DisegnaSu fits the drawing to the
// device (Plottaggio: its Campo, and on a window or a printer page the Inquadratura given for
// it) and sends every item in order, each with its own colour, its line width set on the
// device whenever it changes. What differs between devices is what the device says of itself:
//  - a text that hangs from its point is lowered by 1.5 times its height where the device
//    places texts by their base line (Dispositivo::AbbassaTesto: "DXF" and "DWG");
//  - texts of a legend appear only where the device shows legends (Dispositivo::MostraLegenda);
//  - an arrowhead keeps its shape on a window whose x and y scales differ: its y offsets are
//    multiplied by the ratio of the two scales (Plottaggio::ScalaMantieneProporzioni);
//  - a filled arrowhead is a solid of four vertices, the last repeating the third, which each
//    device draws its own way (Dispositivo::Solido).
//
//     const Disegno d = DisegnoSezione(sezione);
//     DispositivoVideo video(pittore);
//     DisegnaSu(d, video, messaggi);

#include "drawing/core/Disegno.h"
#include "drawing/core/Dispositivo.h"
#include "drawing/core/Plottaggio.h"
#include "support/Messaggi.h"

namespace vc {

// Fits the drawing to the device and draws it; returns the mapping used. Messages of the
// mapping (a screen device without an area) go to messaggi. Errors of the device (a file
// that cannot be written, a locked layer of the CAD drawing) propagate.
Plottaggio DisegnaSu(const Disegno& disegno, Dispositivo& uscita, Messaggi& messaggi);

// The items alone, on a device whose coordinates are set already; rapportoScale is the ratio
// of the y to the x scale of the device (1 when proportions are kept).
void DisegnaElementi(const Disegno& disegno, Dispositivo& uscita, double rapportoScale = 1);

} // namespace vc
