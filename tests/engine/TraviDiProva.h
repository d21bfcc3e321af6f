#pragma once
// Small builders for the beams the engine tests calculate.

#include "engine/Velcora.h"

#include <initializer_list>
#include <vector>

namespace vc::prova {

inline constexpr float E = 3.0e7f;          // kN/m²
inline constexpr float B = 0.3f, H = 0.5f;  // rectangle 0.3 × 0.5: J = 0.003125 m⁴
inline constexpr double EJ = 3.0e7 * 0.003125;

struct Campata {
    float L;
    float g1 = 0, g2 = 0, q1 = 0, q2 = 0;
};

// A beam of the given spans, all with the rectangle 0.3 × 0.5, and the two end restraints.
inline Velcora Costruisci(std::initializer_list<Campata> campate, int sinistro, int destro, int divisioni = 100) {
    Velcora t;
    t.nCampate(static_cast<int>(campate.size()));
    t.nSezioni(1);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezRettangolare, {{{B, H}, {0, 0}}}, E);
    int i = 1;
    for (const Campata& c : campate) t.InserisceDatiCampata(i++, c.L, c.g1, c.g2, c.q1, c.q2, 1);
    t.VincoloSinistro = sinistro;
    t.VincoloDestro = destro;
    t.nDivisioniPlt = divisioni;
    return t;
}

// Settings for SLE "rara": G1 + G2 permanent, Q1 + ψ0 Q2 variable, no factors.
inline Impostazioni Rara() {
    Impostazioni imp;
    imp.StatoLimite = SLE;
    imp.TipoSLE = SLERara;
    return imp;
}

inline Impostazioni SLUDefault() {
    Impostazioni imp;
    imp.StatoLimite = SLU;
    return imp;
}

// The global index of the diagram point of span i nearest to its local abscissa x.
inline int PuntoPiuVicino(const Velcora& t, int i, double x) {
    int migliore = t.iFineCampata(i) + 1;
    const double x0 = t.xPlt(t.iFineCampata(i));
    for (int j = t.iFineCampata(i) + 1; j <= t.iFineCampata(i + 1); ++j)
        if (std::abs(t.xPlt(j) - x0 - x) < std::abs(t.xPlt(migliore) - x0 - x)) migliore = j;
    return migliore;
}

} // namespace vc::prova
