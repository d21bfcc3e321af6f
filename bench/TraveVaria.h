#pragma once
// A long beam of varied spans for the benchmarks of a whole command: lengths from 3.5 to 8 m,
// three sections (rectangular, T, a deeper rectangle), loads that change from span to span,
// a force on every third span and a couple on every seventh, a fixed left end and a
// cantilever on the right, rounding over the supports.

#include "engine/Velcora.h"

#include <vector>

namespace vc::bench {

inline Velcora TraveVaria(int n, int divisioni) {
    Velcora t;
    t.nCampate(n);
    t.nSezioni(3);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezRettangolare, {{{0.3f, 0.5f}, {0, 0}}}, 3.0e7f);
    t.InserisceDatiSezione(2, SezT, {{{0.8f, 0.2f}, {0.3f, 0.4f}}}, 3.1e7f);
    t.InserisceDatiSezione(3, SezRettangolare, {{{0.4f, 0.7f}, {0, 0}}}, 3.3e7f);
    for (int i = 1; i <= n; ++i) {
        const auto f = static_cast<float>(i % 10);
        const float L = i == n ? 1.5f : 3.5f + 0.5f * f;
        t.InserisceDatiCampata(i, L, 15.0f + f, 6.0f + static_cast<float>(i % 3),
                               8.0f + static_cast<float>(i % 7), static_cast<float>(i % 4), 1 + i % 3);
    }
    for (int k = 1; k <= n + 1; ++k)
        t.LarghezzaAppoggi(k, 0.3 + 0.05 * (k % 3));
    std::vector<RigaCarichi> forze, coppie;
    for (int i = 1; i < n; i += 3)
        forze.push_back({static_cast<float>(i), 30, 10, 20, 5, 1.2f + 0.1f * static_cast<float>(i % 5)});
    for (int i = 2; i < n; i += 7)
        coppie.push_back({static_cast<float>(i), 8, 2, 5, 0, 1.0f});
    t.Dati_Fconc(forze, true);
    t.Dati_Fconc(coppie, false);
    t.VincoloSinistro = Incastro;
    t.VincoloDestro = Libero;
    t.ArrotondaMomenti = true;
    t.nDivisioniPlt = divisioni;
    return t;
}

} // namespace vc::bench
