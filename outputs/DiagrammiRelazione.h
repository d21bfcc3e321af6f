#pragma once
// The diagrams of the calculation report: the beam cut into strips of whole spans (at most six
// a strip), and for each strip four bands one under the other: the beam with its supports and
// its characteristic loads, the moment envelope (with the decalage lines when the option is
// on), the shear envelope and the deflection envelope. Every band is a drawing
// (drawing/core/Disegno.h) in millimetres of paper: x from the left edge of the page's body,
// y upwards with the beam axis at 0, so that the page back-end only moves it into place. The
// scales are the same in every strip, rounded to the usual scales of drawings (1, 1.25, 1.5, 2,
// 2.5, 3, 4, 5, 7.5 times a power of ten), and stated in each band's title. The values at the supports and at
// the span extremes are written beside the curve; a label that would overlap another one moves further from
// the axis.

#include "drawing/core/Disegno.h"
#include "engine/Velcora.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <string>
#include <vector>

namespace vc {

// One band: its title (what is drawn, the scale, the units of its values) and its drawing.
struct BandaDiagramma {
    std::string Titolo;
    Disegno Figura;
};

// The spans Prima..Ultima (1-based) of one strip, and its bands.
struct StrisciaDiagrammi {
    int Prima = 1, Ultima = 1;
    std::vector<BandaDiagramma> Bande;
};

// The text size of the values beside the curves, mm (7.5 points).
inline constexpr double AltezzaEtichette = 7.5 * 25.4 / 72;
// The width on paper the strips may take, mm.
inline constexpr double LarghezzaStrisce = 170;
inline constexpr int CampateMassimePerStriscia = 6;

// The spans cut into strips of at most six whole spans, as even as they can be: the first and
// last span of each strip. 7 spans give 1..4 and 5..7.
std::vector<std::pair<int, int>> CampateDelleStrisce(int nCampate);

// The strips of a solved beam. msg receives what the decalage lines say.
std::vector<StrisciaDiagrammi> DiagrammiRelazione(const Velcora& trave, const Separatori& sep, Messaggi& msg);

} // namespace vc
