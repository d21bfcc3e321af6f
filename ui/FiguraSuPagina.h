#pragma once
// A drawing (drawing/core/Disegno.h) painted into a rectangle of a page, with equal x and y
// scales, as the report places its section drawings and its diagrams. Lengths on paper are in
// millimetres; the painter draws in device units, dpmm of them to a millimetre.

#include "drawing/core/Disegno.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

namespace vc {

// How a drawing is placed on paper: the world point that goes to the top-left corner of the
// area (mm from the page corner) and the millimetres of paper per world unit.
struct Collocazione {
    double xMondo = 0, yMondo = 0; // world x at the left edge, world y at the top edge
    double xCarta = 0, yCarta = 0; // that corner on paper, mm
    double mmPerUnita = 1;
};

// The placement that fits the extents into the area (mm), centred, proportions kept.
Collocazione Adatta(const Riquadro& campo, const QRectF& areaMm);

// Paints every item; line width 1 is 0.15 mm on paper; a text's height is the size of its font
// (the em), so that a text hanging from its point stays within one height below it.
void DisegnaFigura(QPainter& pittore, double dpmm, const Disegno& disegno, const Collocazione& c,
                   const QString& famiglia);

} // namespace vc
