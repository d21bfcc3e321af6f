#pragma once
// The drawings of a solved beam: the envelope diagrams of bending moment and shear with the
// beam axis, its supports, the titles with the scales and the rows of the main results, and
// the load diagram. Each is made in two steps:
//  - the layout: DiagrammaMomenti, DiagrammaTagli, DiagrammaCarichi compute from the beam,
//    its results and the settings a Disegno (drawing/core/Disegno.h) in world coordinates
//    (x in metres along the beam, y in metres of drawing: values divided by their scales),
//    with the scales it was drawn with; nothing is drawn yet, and a test or a report can read
//    every item;
//  - the device step: DisegnaSu (drawing/core/DisegnoSuDispositivo.h) puts it on the window,
//    the printer, a DXF file or the CAD drawing.
// The entry points below do both for the window, the printer and the files.
//
// From a window (device "VIDEO", a QPainter device made for the paint):
//     vc::DispositivoVideo video(pittore);
//     const vc::ScaleDisegnate s = vc::PlottaMT(vc::TipoDiagramma::Momenti, trave, imp, sep, video, msg);
//     if (!imp.ScalePreimpostate) { box 0 ← *s.M, box 2 ← *s.FR }  // box 1 ← *s.T for shears
// On the printer: PlottaStamp (moment on the upper half of the page, shear on the lower half).
// A DXF file, the CAD drawing and the block export: UsciteDiagrammi.h, EsportazioneBlocchi.h.
//
// Positive moments and shears are drawn below the axis (y = −value / scale), positive
// deflections too. The text height is a hundredth of the beam length; every text hangs from
// its point.
//
// Errors: a value that is not finite never reaches a device (the layout throws ErroreDisegno);
// a fixed scale that is not above zero throws ErroreDisegno (DatiNonValidi) with the main
// window's message; a beam without results throws ErroreDisegno (DatiNonValidi). The load
// diagram reports its own errors (see PlottaMT).

#include "drawing/core/Disegno.h"
#include "drawing/core/Dispositivo.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <optional>
#include <string_view>

namespace vc {

// The diagram kinds: "M" moments, "T" shears, "C" loads.
enum class TipoDiagramma { Momenti, Tagli, Carichi };
std::string_view NomeDiagramma(TipoDiagramma tipo);
std::optional<TipoDiagramma> DiagrammaDaNome(std::string_view nome);

// The message the main window shows when a fixed scale is 0; the drawings refuse such a scale
// with it.
inline constexpr const char* TestoScalaFissaNulla =
    "Una delle Scale Fisse è 0. Deselezionare Scale Fisse o introdurre un valore >0";

// A raw scale rounded to a mantissa of 1, 2, 5 or 10 (the list of Velcora::ScalePossibiliFissa)
// times a power of ten: the smallest admissible mantissa not below the raw one, a raw mantissa
// up to 0.1 above an admissible one counting as that one. 37 gives 50, 2.05 gives 2, 0.3 gives
// 0.5. A raw scale below 1E-20 (zero included) gives 1E-20. A value that is not finite throws
// ErroreDisegno (ValoreNonFinito).
double ScalaArrotondata(double scala);

// One diagram as a drawing, with what it was drawn with. Figura.Campo holds its extents: x
// 0..LunghezzaTotale, y the diagram with 8 text heights above it (titles) and 12 below (rows).
struct DiagrammaTrave {
    TipoDiagramma Tipo = TipoDiagramma::Momenti;
    Disegno Figura;
    double hTesto = 0; // text height: a hundredth of the beam length
    // kNm (moments) or kN (shears) per metre of drawing; the frame scale of the loads.
    double Scala = 1;
    // Moment diagram: metres of deflection per metre of drawing.
    std::optional<double> ScalaFR;
    // Load diagram: kN/m and kN per metre of drawing, and the couple a half circle stands for
    // (0 when no couple is displayed).
    double ScalaTrapezi = 0, ScalaConcentrati = 0, CoppiaMezzoGiro = 0;
};

// The moment diagram: envelopes in coloreInviluppi (1; the block export draws them in 4), the
// decalage lines per the beam's Decala (only them with 1, both with 2), beam and supports, the
// deflected shape when asked (maximum in colour 7, minimum in colour 6), the titles and the rows
// "M min", "M max", "R max", "R min" (and "f max", "f min"). Scales as the main window chooses
// them: fixed (ScalaFissaM, ScalaFissaFreccia) or automatic, the diagram two thirds of the
// beam length high and the deflected shape a fifth of it, rounded by ScalaArrotondata. On a
// window it takes x 0.1..0.9 and y 0.07..0.95 with proportions free; on a page x 0.15..0.9 and
// y 0.5..0.9 with proportions kept. msg receives the decalage's own messages.
DiagrammaTrave DiagrammaMomenti(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                                Messaggi& msg, int coloreInviluppi = 1);
// The shear diagram, likewise (fixed scale ScalaFissaT, no deflection, no decalage; rows
// "T maxs", "T maxd", "Luci", "G1", "G2", "Q1", "Q2"); on a page y 0.1..0.5.
DiagrammaTrave DiagrammaTagli(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                              int coloreInviluppi = 1);
// The load diagram (the beam need not be solved): the displayed loads, distributed loads as
// hatched bands over their spans (the families G1, G2, Q1, Q2 of a span stacked, in colours 5,
// 3, 1, 6; upward loads under the axis), forces as arrows onto the axis, couples as arcs of a
// tenth of the beam (the largest displayed couple a half circle) with an arrowhead; each
// labelled with its value; the legend of the scales at the top left. Frame scale as the
// automatic shear scale on the largest load or a tenth of the beam. On a page x 0.15..0.9, y
// 0.1..0.9. A beam without spans or length has no item.
DiagrammaTrave DiagrammaCarichi(const Velcora& trave, const Separatori& sep);

// The moment diagram above the shear diagram, the shear's texts 6 text heights under the
// moment's rows: the drawing of the DXF file and of the CAD drawing.
Disegno MomentiSopraTagli(const DiagrammaTrave& momenti, const DiagrammaTrave& tagli);

// The largest total of the displayed distributed loads of one span and of the displayed forces
// at one abscissa (the loads of a span, and the forces at one point, are drawn one on top of
// the other), as magnitudes.
double MaxTrapeziCalcola(const Velcora& trave);
double MaxConcentratiCalcola(const Velcora& trave);

// ---- On a device ------------------------------------------------------------------------------

// The scales of the diagrams just drawn (nothing for a diagram not drawn); the main window
// shows them in its scale boxes (moment in box 0, shear in box 1, deflection in box 2) when the
// scales are automatic.
struct ScaleDisegnate {
    std::optional<double> M, T, FR;
};

// One diagram alone (moment or shear window, load window). For the loads any error while
// computing or drawing them is reported with the question icon as
// "Errore <n> \"<description>\"" + LF + "in PlottaCarichi. Controllare i dati" and nothing is
// drawn; the other diagrams let their errors through.
ScaleDisegnate PlottaMT(TipoDiagramma tipo, const Velcora& trave, const Impostazioni& imp,
                        const Separatori& sep, Dispositivo& uscita, Messaggi& msg);
// The moment diagram, then the shear diagram, each fitted to its band of the page.
ScaleDisegnate PlottaStamp(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                           Dispositivo& uscita, Messaggi& msg);
// MomentiSopraTagli on the device: the DXF file and the CAD drawing.
ScaleDisegnate PlottaDWG(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                         Dispositivo& uscita, Messaggi& msg);

} // namespace vc
