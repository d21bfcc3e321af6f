#pragma once
// Polylines as two lists of coordinates, and the small edits the shifted moment lines need:
// drop leading points, insert a point, find where the line first crosses a vertical.

#include "support/Messaggi.h"

#include <optional>
#include <vector>

namespace vc {

struct Poligonale {
    std::vector<double> x, y;
    int nPoli() const { return static_cast<int>(x.size()); }
    void Aggiungi(double px, double py) {
        x.push_back(px);
        y.push_back(py);
    }
    void Tronca(int n) {
        x.resize(static_cast<std::size_t>(n));
        y.resize(static_cast<std::size_t>(n));
    }
};

// Removes the first k points. Removing none changes nothing; a negative count is a fault of
// the caller, reported as "Errore in TogliePuntiInizialiDaPoligonale: nPunti=k <1" with the
// polyline left as it was.
void TogliePuntiInizialiDaPoligonale(Poligonale& p, int k, Messaggi& msg);

// Inserts (x, y) so that it becomes point pos (1-based); pos = nPoli + 1 appends.
void InseriscePuntoInPoligonale(Poligonale& p, double x, double y, int pos);

struct Incrocio {
    int s = 0;      // the segment: points s and s + 1 (1-based)
    double xc = 0;  // the crossing point
    double yc = 0;
};

// The first segment, from point 1, that reaches the vertical line x = x0, and where; points
// closer to the line than `tolleranza` lie on it. Nothing when the line is never reached.
std::optional<Incrocio> PrimoIncrocioVerticale(const Poligonale& p, double x0, double tolleranza);

} // namespace vc
