#include "engine/Ridistribuzione.h"

#include "support/Formattazione.h"

#include <algorithm>
#include <cmath>

namespace vc {

const std::array<ClasseCalcestruzzo, nClassiCls>& ClassiCalcestruzzo() {
    static const std::array<ClasseCalcestruzzo, nClassiCls> classi = {{
        {"C16/20", 16},
        {"C20/25", 20},
        {"C25/30", 25},
        {"C30/37", 30},
        {"C35/45", 35},
        {"C40/50", 40},
        {"C45/55", 45},
        {"C50/60", 50},
        {"C55/67", 55},
        {"C60/75", 60},
        {"C70/85", 70},
        {"C80/95", 80},
        {"C90/105", 90},
    }};
    return classi;
}

int ClasseValida(int iClasse) { return std::clamp(iClasse, 0, nClassiCls - 1); }

bool AltaResistenza(int iClasse) { return ClasseValida(iClasse) >= 8; }

double TermineCostante(int iClasse) { return AltaResistenza(iClasse) ? 0.54 : 0.44; }

float EpsCuClasse(int iClasse) {
    if (!AltaResistenza(iClasse)) return 0.0035f;
    const double fck = ClassiCalcestruzzo()[static_cast<std::size_t>(ClasseValida(iClasse))].fck;
    return static_cast<float>(0.0026 + 0.035 * std::pow((90.0 - fck) / 100.0, 4));
}

std::string TestoEpsCu(float epsCu, const Separatori& sep) {
    const double perMille = std::round(static_cast<double>(epsCu) * 1000.0 * 100.0) / 100.0;
    return TestoNumero(perMille, sep);
}

namespace {
// The factor of x/d: 1,25·(0,6 + 0,0014/εcu).
double FattoreXsuD(float epsCu) { return 1.25 * (0.6 + 0.0014 / static_cast<double>(epsCu)); }
} // namespace

float DeltaDaXsuD(int iClasse, float epsCu, float xSuD) {
    return static_cast<float>(TermineCostante(iClasse) + FattoreXsuD(epsCu) * static_cast<double>(xSuD));
}

float XsuDDaDelta(int iClasse, float epsCu, float delta) {
    return static_cast<float>((static_cast<double>(delta) - TermineCostante(iClasse)) / FattoreXsuD(epsCu));
}

float LimitaDelta(float delta) {
    if (delta < DeltaMinimo) return DeltaMinimo;
    if (delta > DeltaMassimo) return DeltaMassimo;
    return delta;
}

std::string FormattaDelta(float delta, const Separatori& sep) {
    if (delta == DeltaMinimo || delta == DeltaMassimo) return TestoNumero(static_cast<double>(delta), sep);
    return FormattaSchema(static_cast<double>(delta), "0.000", sep);
}

std::string FormattaXsuD(float xSuD, const Separatori& sep) {
    return FormattaSchema(static_cast<double>(xSuD), "0.000", sep);
}

} // namespace vc
