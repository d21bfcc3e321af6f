#pragma once
// The outputs of the moment and shear diagrams: the printed page, a DXF file, the CAD drawing
// (model space), and the block export with its extended data. Each reads the solved beam as
// it is; the window and the command line run the calculation first, and add only their own
// dialogs (file name, printer, copies) and messages.
//
//   "Stam&pa" of the diagrams   PaginaDiagrammi(trave, imp, sep, pagina, msg), once a copy
//   "E&xporta DXF"              EsportaDiagrammiDxf(trave, imp, sep, percorso, msg)
//   "&Disegna in Autocad"       DisegnaDiagrammiInCad(trave, imp, sep, disegno, msg), then save
//                               the drawing where the user wants it
//   "&Esporta Blocco"           EsportaBloccoDiagrammi(trave, imp, sep, disegno, msg), likewise
//
// The drawings give back the scales they used, which the window shows in its scale boxes.
// The CAD drawing is the caller's: the window keeps one, so that later outputs go on in the
// same drawing as they would in a running AutoCAD; the command line makes a new one each time.
//
// Errors: ErroreDisegno (a file that cannot be written, a value that is not finite, a fixed
// scale of 0, a locked layer); a DXF file that fails is not written at all and an existing
// one is left as it was.

#include "drawing/DiagrammiTrave.h"
#include "drawing/core/DisegnoCad.h"
#include "drawing/core/Dispositivo.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <filesystem>
#include <string>

namespace vc {

// The moment diagram on the upper half of a printed page, the shear diagram on the lower half.
ScaleDisegnate PaginaDiagrammi(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                               Dispositivo& pagina, Messaggi& msg);

// The moment diagram above the shear diagram as a plain DXF file.
ScaleDisegnate EsportaDiagrammiDxf(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                                   const std::filesystem::path& percorso, Messaggi& msg);
// The same file as text, for a caller that writes several files all or none.
std::string TestoDiagrammiDxf(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                              Messaggi& msg);

// The moment diagram above the shear diagram in model space of the CAD drawing, on its active
// layer, and the view zoomed to the extents.
ScaleDisegnate DisegnaDiagrammiInCad(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                                     DisegnoCad& disegno, Messaggi& msg);

// The block export (EsportaInAcadXdataMT) into the CAD drawing.
void EsportaBloccoDiagrammi(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                            DisegnoCad& disegno, Messaggi& msg);

} // namespace vc
