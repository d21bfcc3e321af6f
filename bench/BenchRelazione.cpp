// Time of the calculation report of a long beam: composing it from the results and writing
// the PDF file (every page laid out, the fonts embedded, the file checked and replaced).

#include "engine/Velcora.h"
#include "outputs/RelazioneCalcolo.h"
#include "support/Messaggi.h"
#include "ui/RelazionePdf.h"

#include <QDir>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// A beam of n spans between a fixed left end and a cantilever, with decalage and forces.
vc::Velcora TraveDiProva(int n) {
    vc::Velcora t;
    t.nCampate(n);
    t.nSezioni(1);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, vc::SezRettangolare, {{{0.3f, 0.6f}, {0, 0}}}, 3.0e7f);
    for (int i = 1; i <= n; ++i)
        t.InserisceDatiCampata(i, 4.0f + static_cast<float>(i % 4), 20, 8, 12, 5, 1);
    for (int k = 1; k <= n + 1; ++k)
        t.LarghezzaAppoggi(k, 0.3);
    std::vector<vc::RigaCarichi> forze;
    for (int f = 1; f <= n; f += 3)
        forze.push_back({static_cast<float>(f), 30, 10, 20, 5, 1.5f});
    t.Dati_Fconc(forze, true);
    t.VincoloSinistro = vc::Incastro;
    t.VincoloDestro = vc::Libero;
    t.Decala = 2;
    t.Copriferro = 0.03f;
    return t;
}

void Relazione(benchmark::State& state) {
    vc::Velcora t = TraveDiProva(static_cast<int>(state.range(0)));
    vc::Impostazioni imp;
    imp.StatoLimite = vc::SLU;
    imp.NomeFile = "prova";
    t.CalcolaIperstatiche(imp);
    vc::MessaggiRegistrati msg;
    const std::filesystem::path file = QDir::tempPath().toStdString() + "/velcora-bench-relazione.pdf";
    for (auto _ : state) {
        const auto r = vc::ComponeRelazione(t, imp, vc::Separatori::Italiani(), "Velcora", "09/12/2026", msg);
        benchmark::DoNotOptimize(vc::ScriveRelazionePdf(file, r, msg));
    }
    std::filesystem::remove(file);
}

} // namespace

BENCHMARK(Relazione)->Arg(3)->Arg(30)->Unit(benchmark::kMillisecond);

// The pages need the fonts of a graphical application; without a display they are drawn
// offscreen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
