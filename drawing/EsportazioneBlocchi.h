#pragma once
// The block export: the moment and shear diagrams of the solved beam drawn into two blocks of
// the CAD drawing, inserted side by side on their own layer, the moment block reference
// carrying an extended-data record that describes the beam. The reinforcement-drawing program
// Zelbrun reads that record, so its codes, order and value types are an interchange format:
//
//   index                 code  value
//   0                     1001  "VELCORA"
//   1                     1070  n, number of spans
//   2 .. n+1              1040  span lengths (m)
//   n+2 .. 2n+1           1070  section number of each span
//   2n+2 .. 3n+2          1040  widths of supports 1..n+1 (m)
//   3n+3                  1070  m, number of sections
//   3n+4 .. 3n+3+5m             per section: 1070 kind, 1040 b1, h1, b2, H2
//   3n+4+5m               1040  moment drawing scale (double)
//   3n+5+5m               1040  shear drawing scale (double)
//   3n+6+5m .. 15n+5+5m   1040  per span: combined permanent and variable distributed load,
//                               MmaxCam, MminCam, xMmaxCam, xMminCam, MmaxAppS, MmaxAppD,
//                               MminAppS, MminAppD, TaglioMaxS, TaglioMaxD
//   15n+6+5m              1040  cover (Copriferro)
//   15n+7+5m              1070  ArrotondaMomenti (-1 true, 0 false)
//   15n+8+5m              1000  "7.6", the version of the record
//   15n+9+5m              1070  StatoLimite (1 SLU, 0 SLE)
//   15n+10+5m .. 15n+13+5m 1040 CoefParz 0..3: γ of G1 favourable, unfavourable, G2 favourable,
//                               unfavourable
//
// The last index is U = 15n + 5m + 13. Reals are the single-precision values the beam holds,
// except the two scales.

#include "drawing/core/DisegnoCad.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <vector>

namespace vc {

inline constexpr const char* LayerDiagrammi = "DIAGRAMMI-VELCORA";
inline constexpr const char* BloccoMomenti = "DiagrammaM";
inline constexpr const char* BloccoTagli = "DiagrammaT";
inline constexpr const char* ApplicazioneVelcora = "VELCORA";

// U = 15·nCampate + 5·nSezioni + 13: the last index of the record.
int UltimoIndiceXdata(const Velcora& trave);

// Fills the two parallel lists (group codes, values) of the record, indices 0..U, from the
// solved beam, the settings and the two drawing scales.
void PreparaXdata(const Velcora& trave, const Impostazioni& imp, std::vector<int>& dataType,
                  std::vector<ValoreEsteso>& data, double ScalaM, double ScalaT);

// The export into the CAD drawing: the moment and shear diagrams (envelopes in colour 4) drawn
// into the blocks "DiagrammaM" and "DiagrammaT" on the layer "DIAGRAMMI-VELCORA", inserted at
// (0,0,0) and (2·LunghezzaTotale,0,0), the record above on the moment block reference, the
// layer locked, the previously active layer active again, the view zoomed to the extents.
// The diagrams are made first, so that one that cannot be made (a fixed scale of 0) changes
// nothing in the drawing; errors of the drawing itself (a value it refuses) propagate, leaving
// the layer state of the failing step. Solids would go to model space (Dispositivo::Solido);
// these diagrams have none.
void EsportaInAcadXdataMT(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                          DisegnoCad& disegno, Messaggi& msg);

} // namespace vc
