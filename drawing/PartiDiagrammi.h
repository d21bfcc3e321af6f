#pragma once
// What the drawings of the beam share (for the files of drawing/ only): the x range and text
// height of a beam, the abscissas of its supports, the choice of the scales and the beam axis
// with its supports.

#include "drawing/core/Disegno.h"
#include "drawing/core/Dispositivo.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

namespace vc::parti {

// x 0..LunghezzaTotale (the sum of the span lengths for a beam not solved yet) and the text
// height, a hundredth of it.
struct Base {
    float xMin = 0, xMax = 0;
    double hTesto = 0;
};
Base BaseDi(const Velcora& trave);

// The abscissa of support k (1..n + 1): the lengths of the spans before it.
double xAppoggio(const Velcora& trave, int k);

// A scale and the y extents of the drawing, already with the room for the texts; ScalaFR is
// the deflection scale (moment diagram only).
struct RisultatoScala {
    double Scala = 1;
    double yMin = 0, yMax = 0;
    double ScalaFR = 0;
};

// yMax += 8·hTesto (titles), yMin −= 12·hTesto (result rows).
void RidimensionaPerTesto(double hTesto, double& yMin, double& yMax);

// Scale and extents of the moment diagram from the y range of the moments as drawn
// (yMinIN = −largest value of the upper curve, yMaxIN = −smallest of the lower) and of the
// deflections as drawn (likewise negated). Both ranges are widened to hold the axis. Fixed
// scales: ScalaFissaM and ScalaFissaFreccia. Automatic: the moment scale is
// 1.5·(range)/(xMax − xMin) rounded, the deflection scale makes the deflected shape a fifth of
// the moment diagram's height, rounded likewise. A diagram with no height gets the scale 1; no
// deflection, the deflection scale 1. With the deflected shape shown, the extents hold it too.
RisultatoScala ScalaMcalcola(const Impostazioni& imp, double hTesto, double xMin, double xMax, double yMinIN,
                             double yMaxIN, double yfMin, double yfMax);
// The same for the shear diagram (fixed scale ScalaFissaT, no deflection).
RisultatoScala ScalaTcalcola(const Impostazioni& imp, double hTesto, double xMin, double xMax, double yMinIN,
                             double yMaxIN);
// The frame scale of the load diagram: as the automatic shear scale, never fixed.
RisultatoScala ScalaYcalcola(double hTesto, double xMin, double xMax, double yMinIN, double yMaxIN);

// The beam axis and its supports (AppoggiIncastri) in colour 7, the vertical sizes divided by
// ScalaY. D = (xMax − xMin)/50. A fixed end is a vertical line from −D to D at the end (width
// 3); a free end has no symbol; a simple support, and an elastic end, an equilateral triangle
// of side D with its apex on the axis and its base below (width 2); an elastic end also a
// spring: a half circle of radius 2·D over the axis starting at the end and going outwards
// (width 1), and a line 2·D long on the axis centred 4·D outside the end (width 3). Every inner
// support has a triangle. Each span's axis is two lines, start to middle and middle to end
// (width 3).
void PlottaTrave(Disegno& d, const Velcora& trave, double xMin, double xMax, double ScalaY);

// The load diagram on the device; any error while computing or drawing it is reported (see
// PlottaMT) and nothing more is drawn.
void PlottaC(const Velcora& trave, const Separatori& sep, Dispositivo& uscita, Messaggi& msg);

} // namespace vc::parti
