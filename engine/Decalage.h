#pragma once
// Decalage: the moment envelopes shifted by a1 = 0.9·d towards the unfavourable side, as the
// longitudinal bars are placed. The sagging envelope of each span is widened on both sides of
// its peak; the hogging envelope near each support is lengthened into the span. The lines are
// trimmed to the part that carries moment and closed onto the axis at the ends of the beam.

#include "engine/Velcora.h"
#include "support/Poligonali.h"

#include <vector>

namespace vc {

struct LineeDecalage {
    std::vector<Poligonale> Positive; // shifted lines of the maximum envelope, one per span at most
    std::vector<Poligonale> Negative; // shifted lines of the minimum envelope near the supports
};

// The shift of span i: 0.9 · (total depth of its section − cover).
double DeltaXDecalage(const Velcora& trave, int i);

// The shifted lines of a solved beam, in the order they are drawn: the sagging line of each
// span, then the hogging lines of each span (left support, then right support).
LineeDecalage Decalage(const Velcora& trave, Messaggi& msg);

} // namespace vc
