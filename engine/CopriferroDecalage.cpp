#include "engine/CopriferroDecalage.h"

#include "support/Formattazione.h"

#include <cmath>

namespace vc {

std::string TestoCopriferro(float copriferro, const Separatori& sep) {
    // In single precision, as the beam keeps it: 0.03 m shows as 3 and not as 2,99999993.
    const float cm = copriferro * 100.0f;
    // A cover near the largest single (from a file) is shown from the double product.
    return TestoNumero(std::isfinite(cm) ? static_cast<double>(cm) : static_cast<double>(copriferro) * 100.0, sep);
}

float CopriferroDaTesto(std::string_view testoCm, const Separatori& sep) {
    // Beyond what a single holds in cm the cover could not be shown again: read as none.
    return static_cast<float>(LeggeNumeroSingolo(testoCm, sep) / 100.0);
}

std::string DidascaliaDecalage(int voce, float copriferro, const Separatori& sep) {
    const std::string testo = TestoCopriferro(copriferro, sep);
    if (voce == VoceDecalage) return "Decalage con c = " + testo + " cm";
    return "Decalage Sovrapposto con c = " + testo + " cm";
}

} // namespace vc
