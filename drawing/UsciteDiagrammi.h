#pragma once
// The outputs of the moment and shear diagrams that leave the program: a DXF file, the CAD
// drawing (model space), and the block export with its extended data. The main window runs
// the calculation first; these read the solved beam as it is.
//
//   "E&xporta DXF"          EsportaDiagrammiDxf(trave, imp, ctx, sep, percorso)
//   "&Disegna in Autocad"   DisegnaDiagrammiInCad(trave, imp, ctx, sep), then save
//                           ctx.DisegnoCadAperto() where the user wants it
//   "&Esporta Blocco"       EsportaBloccoDiagrammi(trave, imp, ctx, sep), likewise
//
// The CAD drawing is the one the context keeps (ContestoDisegno::ApriAutocad): later outputs
// go on in the same drawing, as they would in a running AutoCAD.
//
// Errors: ErroreDisegno (a file that cannot be written, a value that is not finite, a fixed
// scale of 0, a locked layer); a DXF file that fails is not written at all and an existing
// one is left as it was.

#include "drawing/core/ContestoDisegno.h"
#include "drawing/core/DisegnoCad.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "support/Separatori.h"

#include <filesystem>
#include <memory>
#include <string>

namespace vc {

// The moment diagram above the shear diagram as a plain DXF file.
void EsportaDiagrammiDxf(const Velcora& trave, const Impostazioni& imp, ContestoDisegno& ctx, const Separatori& sep,
                         const std::filesystem::path& percorso);
// The same file as text, for a caller that writes several files all or none.
std::string TestoDiagrammiDxf(const Velcora& trave, const Impostazioni& imp, ContestoDisegno& ctx,
                              const Separatori& sep);

// The moment diagram above the shear diagram in model space of the CAD drawing, on its active
// layer, and the view zoomed to the extents. Returns the drawing.
std::shared_ptr<DisegnoCad> DisegnaDiagrammiInCad(const Velcora& trave, const Impostazioni& imp, ContestoDisegno& ctx,
                                                  const Separatori& sep);

// The block export (DiagrammiTrave::EsportaInAcadXdataMT) into the CAD drawing. Returns the
// drawing.
std::shared_ptr<DisegnoCad> EsportaBloccoDiagrammi(const Velcora& trave, const Impostazioni& imp,
                                                   ContestoDisegno& ctx, const Separatori& sep);

} // namespace vc
