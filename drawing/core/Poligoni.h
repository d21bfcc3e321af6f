#pragma once
// Geometry of the drawings: the bounding box of a polygon and of an arc, and the lines of a
// hatch. (The editing of the working polylines of the decalage lines is in support/Poligonali.h;
// the coincidence tolerance it takes is the context's ZeroMaxDimen.)

#include "drawing/core/Punto.h"

#include <span>
#include <vector>

namespace vc {

// Bounding box in single precision; an empty polygon keeps the starting values
// (minima +1E+20, maxima −1E+20).
struct Estremi {
    float xMin = 1e20f, xMax = -1e20f, yMin = 1e20f, yMax = -1e20f;
};
Estremi EstremiPoligono(std::span<const double> x, std::span<const double> y);
Estremi EstremiPoligono(std::span<const float> x, std::span<const float> y);

struct Segmento {
    Punto a, b;
};

// The points that bound an arc counter-clockwise from a1 to a2 (radians): its two ends and the
// quadrant points it passes.
std::vector<Punto> PuntiArco(const Punto& centro, double raggio, double a1, double a2);

// The lines of a hatch of the closed polygon (vertex n joins vertex 1): the polygon is turned
// by −angolo degrees about the origin; its height in that frame is cut into strips, k strips
// when k > 0, strips −k high when k < 0 (their number being the height over −k rounded to the
// nearest integer, halves to even); each boundary between two strips is cut by the polygon and
// every inside piece, turned back, is a line. So k = 15 gives 14 lines on a convex polygon.
// Fewer than three vertices, k = 0 or a flat polygon give no line. A vertex on a boundary
// counts once where the outline passes through it and twice (or not at all) where it turns.
// A value that is not finite throws ErroreDisegno (ValoreNonFinito); more than 100000 lines
// throw ErroreDisegno (DatiNonValidi), as such a spacing can only be a wrong datum.
std::vector<Segmento> SegmentiTratteggio(std::span<const Punto> poligono, double angoloGradi, double k);

} // namespace vc
