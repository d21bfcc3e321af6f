#include "engine/CopriferroDecalage.h"

#include "support/Formattazione.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace vc {

std::string TestoCopriferro(float copriferro, const Separatori& sep) {
    // In single precision, as the beam keeps it: 0.03 m shows as 3 and not as 2,99999993.
    const float cm = copriferro * 100.0f;
    return TestoNumero(static_cast<double>(cm), sep);
}

float CopriferroDaTesto(std::string_view testoCm, const Separatori& sep) {
    double cm = 0;
    try {
        cm = LeggeNumero(testoCm, sep);
    } catch (const std::out_of_range&) {
        return 0.0f;
    }
    const double m = cm / 100.0;
    if (!(std::fabs(m) <= static_cast<double>(std::numeric_limits<float>::max()))) return 0.0f;
    return static_cast<float>(m);
}

std::string DidascaliaDecalage(int voce, float copriferro, const Separatori& sep) {
    const std::string testo = TestoCopriferro(copriferro, sep);
    if (voce == VoceDecalage) return "Decalage con c = " + testo + " cm";
    return "Decalage Sovrapposto con c = " + testo + " cm";
}

} // namespace vc
