// Time of the "&Calcolo" command's whole road on a long beam: the driver's checks, the
// calculation and both results grids as text, beside the calculation alone on the same beam,
// so that what the road adds to the engine shows.

#include "TraveVaria.h"
#include "calcolo/Calcolo.h"
#include "files/TabellaRisultati.h"
#include "support/Messaggi.h"

#include <benchmark/benchmark.h>

namespace {

void SoloCalcolo(benchmark::State& state) {
    vc::Velcora t = vc::bench::TraveVaria(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    vc::Impostazioni imp;
    imp.StatoLimite = vc::SLU;
    for (auto _ : state) {
        t.CalcolaIperstatiche(imp);
        benchmark::DoNotOptimize(t.FrecciaMaxTrave());
    }
}

void ComandoCalcolo(benchmark::State& state) {
    vc::Velcora t = vc::bench::TraveVaria(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    vc::Impostazioni imp;
    imp.StatoLimite = vc::SLU;
    vc::MessaggiRegistrati msg;
    const vc::Separatori sep = vc::Separatori::Italiani();
    for (auto _ : state) {
        if (!vc::EsegueCalcolo(t, imp, msg).Riuscito()) {
            state.SkipWithError("calcolo rifiutato");
            break;
        }
        const vc::GriglieRisultati griglie = vc::ScriveRisultati(t, sep);
        benchmark::DoNotOptimize(griglie.Grid1.Righe() + griglie.Grid2.Righe());
    }
}

} // namespace

// 200 spans at the default 100 points, at 30,000, and at the most points a beam can have.
BENCHMARK(SoloCalcolo)
    ->Args({200, 100})
    ->Args({200, 30000})
    ->Args({200, 32767})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ComandoCalcolo)
    ->Args({200, 100})
    ->Args({200, 30000})
    ->Args({200, 32767})
    ->Unit(benchmark::kMillisecond);
