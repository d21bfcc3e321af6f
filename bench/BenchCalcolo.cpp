// Time of one complete calculation of a beam, the work every command of the program repeats.

#include "engine/Velcora.h"

#include <benchmark/benchmark.h>

namespace {

// A continuous beam of n spans between a fixed left end and a simple support, with rounding
// over the supports, two sections and nForze forces spread over the spans.
vc::Velcora TraveDiProva(int n, int divisioni, int nForze) {
    vc::Velcora t;
    t.nCampate(n);
    t.nSezioni(2);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, vc::SezRettangolare, {{{0.3f, 0.5f}, {0, 0}}}, 3.0e7f);
    t.InserisceDatiSezione(2, vc::SezT, {{{0.8f, 0.2f}, {0.3f, 0.4f}}}, 3.0e7f);
    for (int i = 1; i <= n; ++i) {
        const float L = 4.0f + static_cast<float>(i % 5);
        t.InserisceDatiCampata(i, L, 20, 8, 12, 5, 1 + i % 2);
    }
    for (int k = 1; k <= n + 1; ++k) t.LarghezzaAppoggi(k, 0.3);
    std::vector<vc::RigaCarichi> forze;
    for (int f = 0; f < nForze; ++f)
        forze.push_back({static_cast<float>(1 + f % n), 30, 10, 20, 5, 1.5f + static_cast<float>(f % 3)});
    t.Dati_Fconc(forze, true);
    t.VincoloSinistro = vc::Incastro;
    t.VincoloDestro = vc::Appoggio;
    t.ArrotondaMomenti = true;
    t.nDivisioniPlt = divisioni;
    return t;
}

void Calcolo(benchmark::State& state) {
    vc::Velcora t = TraveDiProva(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                 static_cast<int>(state.range(2)));
    vc::Impostazioni imp;
    imp.StatoLimite = vc::SLU;
    for (auto _ : state) {
        t.CalcolaIperstatiche(imp);
        benchmark::DoNotOptimize(t.FrecciaMaxTrave());
    }
}

} // namespace

BENCHMARK(Calcolo)
    ->Args({5, 100, 0})
    ->Args({30, 3000, 60})
    ->Args({200, 30000, 400})
    ->Args({1000, 30000, 2000})
    ->Unit(benchmark::kMillisecond);

// The largest beam the calculation takes, with as many diagram divisions and forces as the data
// file can hold: what any beam may cost at most.
BENCHMARK(Calcolo)
    ->Args({vc::nCampateMassime, 32767, 32767})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
