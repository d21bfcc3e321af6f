// The main window on long beams. CalcoloFinestra: "&Calcolo" pressed, to both results grids
// filled and drawn (the input read from the window, the checks, the calculation, the grids, and
// the recovery file the window writes at each calculation of unsaved work); beside
// bench_comando's ComandoCalcolo on the same beam it shows what the window adds.
// ApreFileFinestra: a data file opened, to the window showing it. TastoNelTitolo: a key typed.

#include "TraveVaria.h"
#include "files/FileTrave.h"
#include "support/Messaggi.h"
#include "ui/DocumentoTrave.h"
#include "ui/FrmMain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// The rows of a results grid below its heading.
int RigheGriglia(const vc::FrmMain& w, const char* nome) {
    const auto* griglia = w.findChild<QAbstractItemView*>(QString::fromLatin1(nome));
    return griglia && griglia->model() ? griglia->model()->rowCount() : 0;
}

// A folder with the default factors beside the program (so that the start is silent) and
// a data file of a beam of n spans.
struct CartellaConTrave {
    CartellaConTrave(int n, int divisioni) : dir(cartella.path().toStdString()), file(dir / "trave_lunga.vlr") {
        std::ofstream(dir / "VelcoraDwg.ini", std::ios::binary)
            << "1\r\n1.3\r\n.8\r\n1.5\r\n0\r\n1.5\r\n0\r\n1.5\r\n.7\r\n.5\r\n.3\r\n.7\r\n.5\r\n.3\r\n";
        vc::Velcora trave = vc::bench::TraveVaria(n, divisioni);
        vc::Impostazioni imp;
        vc::MessaggiRegistrati msg;
        scritto = !vc::ScriveFileTrave(file, trave, imp, msg).has_value();
    }
    vc::AvvioProgramma Avvio() const {
        vc::AvvioProgramma avvio;
        avvio.CartellaProgramma = dir;
        avvio.CartellaCorrente = dir;
        avvio.RigaComando = {file.string()};
        avvio.CartellaRecupero = dir / "recupero";
        return avvio;
    }
    QTemporaryDir cartella;
    fs::path dir, file;
    bool scritto = false;
};

// False, with the benchmark skipped, when the beam's file could not be written.
bool Scritta(const CartellaConTrave& dati, benchmark::State& state) {
    if (!dati.scritto) state.SkipWithError("file dati non scritto");
    return dati.scritto;
}

// The window started on the beam's file, shown and drawn.
void Apre(vc::FrmMain& w, const CartellaConTrave& dati) {
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.Avvia(dati.Avvio());
    w.show();
    QApplication::processEvents();
}

void CalcoloFinestra(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int divisioni = static_cast<int>(state.range(1));
    const CartellaConTrave dati(n, divisioni);
    if (!Scritta(dati, state)) return;
    vc::MessaggiRegistrati msg;
    vc::FrmMain w(vc::Separatori::Italiani(), &msg);
    Apre(w, dati);
    auto* punti = w.findChild<QLineEdit*>(QStringLiteral("txtPlot"));
    auto* calcolo = w.findChild<QPushButton*>(QStringLiteral("cbCalcolo"));
    if (!punti || !calcolo) {
        state.SkipWithError("finestra senza txtPlot o cbCalcolo");
        return;
    }
    punti->setText(QString::number(divisioni));
    QApplication::processEvents();
    msg.Voci.clear();

    for (auto _ : state) {
        calcolo->click();
        QApplication::processEvents(); // the grids laid out and drawn
        if (!msg.Voci.empty() || RigheGriglia(w, "Grid1") != 2 * n + 1 || RigheGriglia(w, "Grid2") != n + 1) {
            state.SkipWithError(msg.Voci.empty() ? "griglie dei risultati incomplete"
                                                 : msg.Voci[0].Testo.c_str());
            break;
        }
    }
    w.hide();
}

// A data file of n spans opened at the start, to the window showing it.
void ApreFileFinestra(benchmark::State& state) {
    const CartellaConTrave dati(static_cast<int>(state.range(0)), 100);
    if (!Scritta(dati, state)) return;
    for (auto _ : state) {
        vc::MessaggiRegistrati msg;
        vc::FrmMain w(vc::Separatori::Italiani(), &msg);
        Apre(w, dati);
        if (RigheGriglia(w, "FlexGrid0") != state.range(0)) {
            state.SkipWithError("griglia delle campate incompleta");
            break;
        }
        w.hide();
    }
}

// A key typed into the title of a beam of n spans: the field's text into the beam document as
// a step merged with the typing before it, and the mark of unsaved changes. Each time round,
// a letter and its backspace.
void TastoNelTitolo(benchmark::State& state) {
    const CartellaConTrave dati(static_cast<int>(state.range(0)), 100);
    if (!Scritta(dati, state)) return;
    vc::MessaggiRegistrati msg;
    vc::FrmMain w(vc::Separatori::Italiani(), &msg);
    Apre(w, dati);
    auto* titolo = w.findChild<QLineEdit*>(QStringLiteral("txtTitolo"));
    if (!titolo) {
        state.SkipWithError("finestra senza txtTitolo");
        return;
    }
    titolo->setFocus();
    titolo->end(false);
    for (auto _ : state) {
        titolo->insert(QStringLiteral("a"));
        titolo->backspace();
    }
    if (w.Documento().Pila().count() != 1) state.SkipWithError("i tasti non sono un passo solo");
    w.hide();
}

} // namespace

BENCHMARK(CalcoloFinestra)->Args({200, 100})->Args({200, 30000})->Unit(benchmark::kMillisecond);
BENCHMARK(ApreFileFinestra)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(TastoNelTitolo)->Arg(200)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The window is drawn offscreen unless a display is given.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
