#pragma once
// Splits the four characteristic loads of a span (or of a force) into the permanent part,
// present on every span, and the variable part, applied span by span where it is unfavourable,
// for the ultimate limit state or one of the three serviceability combinations.

#include "engine/Impostazioni.h"
#include "engine/Trave.h"

#include <optional>

namespace vc {

struct CaricoCombinato {
    double Permanente = 0;
    double Variabile = 0;
};

// The split of G1, G2, Q1, Q2 for the combination of the mode word; nothing for "Ripristina"
// or for an SLE combination index other than 0, 1, 2.
std::optional<CaricoCombinato> CombinaCarichi(double G1, double G2, double Q1, double Q2, ModoCombinazione ist,
                                              const Impostazioni& imp);

// The caption of the combination a calculation was run for, as diagrams and listings show it.
const char* EtichettaCombinazione(const Impostazioni& imp);

} // namespace vc
