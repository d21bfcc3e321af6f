// The Python module velcora._velcora: the beam read and written, calculated and put out through
// the same driver and output functions as the command line. The package velcora around it
// (velcora/__init__.py) gives the documented interface.
//
// Every call works on a beam and settings of its own, and the calculation runs without the
// interpreter's lock, so that threads calculate on every core at once.

#include "app/RisultatiJson.h"
#include "app/UsciteTrave.h"
#include "app/python/ConversioniPython.h"
#include "calcolo/Calcolo.h"
#include "drawing/core/ErroreDisegno.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "files/FileTrave.h"
#include "files/TraveJson.h"
#include "outputs/Relazione.h"
#include "outputs/UsciteDiagrammi.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"
#include "ui/RelazionePdf.h"
#include "ui/StampaPdf.h"

#include <QGuiApplication>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <optional>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace vc::python {

namespace {

namespace fs = std::filesystem;

// A beam as the caller gives it: a file to read, or the JSON value of a dict.
using Ingresso = std::variant<fs::path, Json>;

Ingresso IngressoDa(py::handle trave) {
    if (py::isinstance<py::str>(trave)) return fs::path(trave.cast<std::string>());
    if (py::isinstance<py::dict>(trave)) return JsonDaPython(trave);
    throw py::type_error("la trave è un dict dello schema velcora-trave o il percorso di un file");
}

struct TraveLetta {
    Velcora Trave;
    Impostazioni Imp;
    std::vector<std::string> Avvisi; // what the reading said of a beam it read
};

std::vector<std::string> Testi(const MessaggiRegistrati& msg) {
    std::vector<std::string> t;
    for (const auto& v : msg.Voci)
        t.push_back(v.Testo);
    return t;
}

// Reads the beam with the program's partial factors (not the settings file of a user: a script
// gives the same results on every machine; the beam's own coefficients win, as always).
TraveLetta Legge(const Ingresso& ingresso) {
    TraveLetta l;
    if (const fs::path* percorso = std::get_if<fs::path>(&ingresso)) {
        MessaggiRegistrati msg;
        if (const auto errore = LeggeFileTrave(*percorso, l.Trave, l.Imp, msg))
            throw ErroreDati{errore->Messaggio, errore->Motivo};
        l.Avvisi = Testi(msg);
    } else if (const auto errore = TraveDaJson(std::get<Json>(ingresso), l.Trave, l.Imp)) {
        throw ErroreDati{"Errore nei dati", errore->Testo()};
    }
    return l;
}

// A message shown with its reason on the lines after it, as the error it stands for.
ErroreDati DaTesto(const std::string& testo, std::string motivo = {}) {
    const auto riga = testo.find('\n');
    if (riga == std::string::npos) return {testo, std::move(motivo)};
    const bool cr = riga > 0 && testo[riga - 1] == '\r'; // "\r\n" or "\n" ends a line
    return {testo.substr(0, cr ? riga - 1 : riga), testo.substr(riga + 1)};
}

std::string Minuscolo(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return t;
}

// The limit state named as on the command line: "SLU", "rara", "frequente", "quasi-permanente".
void ImpostaStatoLimite(Impostazioni& imp, const std::optional<std::string>& nome) {
    if (!nome) return;
    const std::string s = Minuscolo(*nome);
    if (s == "slu") {
        imp.StatoLimite = SLU;
        imp.TipoSLE = SLERara;
    } else if (s == "rara" || s == "frequente" || s == "quasi-permanente" || s == "quasi permanente") {
        imp.StatoLimite = SLE;
        imp.TipoSLE = s == "rara" ? SLERara : s == "frequente" ? SLEFrequente : SLEQuasiPermanente;
    } else {
        throw py::value_error("stato limite sconosciuto: " + *nome +
                              " (SLU, rara, frequente, quasi-permanente)");
    }
}

struct Richiesta {
    std::optional<std::string> StatoLimite;
    std::optional<int> Punti;
};

void ControllaRichiesta(const Richiesta& r) {
    Impostazioni prova;
    ImpostaStatoLimite(prova, r.StatoLimite);
    if (r.Punti && (*r.Punti < 1 || *r.Punti > 32767))
        throw py::value_error("numero di punti non valido: " + std::to_string(*r.Punti) +
                              " (un intero da 1 a 32767)");
}

// Reads and solves the beam as the command line does. Runs without the interpreter's lock.
TraveLetta Calcola(const Ingresso& ingresso, const Richiesta& r) {
    TraveLetta l = Legge(ingresso);
    ImpostaStatoLimite(l.Imp, r.StatoLimite);
    if (r.Punti) l.Trave.nDivisioniPlt = *r.Punti;
    MessaggiRegistrati msg;
    const EsitoComando esito = EsegueCalcolo(l.Trave, l.Imp, msg);
    if (const auto& rifiuto = esito.Rifiuto) {
        // The check that refused the beam, and why when its message does not say it all.
        ErroreDati e = DaTesto(rifiuto->Messaggio);
        if (rifiuto->Motivo != rifiuto->Messaggio)
            e.Motivo += (e.Motivo.empty() ? "" : "\n") + rifiuto->Motivo;
        throw e;
    }
    for (auto& testo : Testi(msg))
        l.Avvisi.push_back(std::move(testo));
    return l;
}

py::tuple Leggi(const std::string& percorso) {
    TraveLetta l;
    {
        py::gil_scoped_release senzaBlocco;
        l = Legge(fs::path(percorso));
    }
    return py::make_tuple(PythonDaJson(TraveInJson(l.Trave, l.Imp)), l.Avvisi);
}

void Scrivi(py::handle trave, const std::string& percorso) {
    const Ingresso ingresso = IngressoDa(trave);
    py::gil_scoped_release senzaBlocco;
    TraveLetta l = Legge(ingresso);
    MessaggiRegistrati msg;
    if (const auto errore = ScriveFileTrave(percorso, l.Trave, l.Imp, msg))
        throw ErroreDati{errore->Messaggio, errore->Motivo};
}

py::tuple CalcolaPython(py::handle trave, std::optional<std::string> statoLimite, std::optional<int> punti) {
    const Richiesta r{std::move(statoLimite), punti};
    ControllaRichiesta(r);
    const Ingresso ingresso = IngressoDa(trave);
    QJsonObject risultati;
    std::vector<std::string> avvisi;
    {
        py::gil_scoped_release senzaBlocco;
        TraveLetta l = Calcola(ingresso, r);
        risultati = RisultatiJson(l.Trave);
        avvisi = std::move(l.Avvisi);
    }
    return py::make_tuple(PythonDaRisultati(risultati), avvisi);
}

Separatori SeparatoriDa(const std::string& nome) {
    if (nome == "it") return Separatori::Italiani();
    if (nome == "en") return Separatori::Inglesi();
    if (nome == "sistema") return SeparatoriDelSistema();
    throw py::value_error("separatori sconosciuti: " + nome + " (it, en, sistema)");
}

// Printing (the PDF page, the report) needs the fonts of a graphical application: the script's own when it
// runs inside a Qt program, else one of ours, made once and always offscreen, since a script may run where
// there is no display (or a display it cannot reach, which would end the interpreter).
// Called with the interpreter's lock, so that two threads never make it twice.
void PreparaStampa() {
    if (const QCoreApplication* esistente = QCoreApplication::instance()) {
        if (qobject_cast<const QGuiApplication*>(esistente) == nullptr)
            throw py::value_error(
                "la pagina PDF chiede un'applicazione grafica di Qt, e questo processo ne ha "
                "un'altra (QCoreApplication)");
        return;
    }
    static int argc = 3;
    static char nome[] = "velcora", opzione[] = "-platform", piattaforma[] = "offscreen";
    static char* argv[] = {nome, opzione, piattaforma, nullptr};
    static const auto applicazione = std::make_unique<QGuiApplication>(argc, argv);
}

// The outputs asked, all of them or none, as the command line writes them.
void ScriveTutte(const UsciteTrave& u, const TraveLetta& l, const Separatori& sep) {
    MessaggiRegistrati msg;
    if (ScriveUscite(u, l.Trave, l.Imp, sep, msg)) return;
    const auto t = Testi(msg);
    throw DaTesto(t.empty() ? "Scrittura incompleta del file" : t.back());
}

std::vector<std::string> Esporta(py::handle trave, const UsciteTrave& uscite,
                                 std::optional<std::string> statoLimite, std::optional<int> punti,
                                 const std::string& separatori) {
    const Richiesta r{std::move(statoLimite), punti};
    ControllaRichiesta(r);
    const Separatori sep = SeparatoriDa(separatori);
    const Ingresso ingresso = IngressoDa(trave);
    if (uscite.Pdf || uscite.Relazione) PreparaStampa();
    py::gil_scoped_release senzaBlocco;
    const TraveLetta l = Calcola(ingresso, r);
    ScriveTutte(uscite, l, sep);
    return l.Avvisi;
}

} // namespace

} // namespace vc::python

PYBIND11_MODULE(_velcora, m) {
    namespace py = pybind11;
    using namespace vc::python;
    m.doc() = "Il calcolo di Velcora; l'interfaccia documentata è il pacchetto velcora.";

    // By value: pybind11 takes a plain function of std::exception_ptr.
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const ErroreDati& e) {
            const py::object classe = py::module_::import("velcora").attr("ErroreDati");
            PyErr_SetObject(classe.ptr(), py::make_tuple(e.Messaggio, e.Motivo).ptr());
        }
    });

    m.def("leggi", &Leggi, py::arg("percorso"));
    m.def("scrivi", &Scrivi, py::arg("trave"), py::arg("percorso"));
    m.def("calcola", &CalcolaPython, py::arg("trave"), py::arg("stato_limite") = py::none(),
          py::arg("punti") = py::none());
    m.def(
        "esporta",
        [](py::handle trave, std::optional<fs::path> dxf, std::optional<fs::path> dwg,
           std::optional<fs::path> blocco, std::optional<fs::path> pdf, std::optional<fs::path> relazione,
           std::optional<fs::path> txt, std::optional<std::string> statoLimite, std::optional<int> punti,
           const std::string& separatori) {
            vc::UsciteTrave uscite;
            uscite.Txt = std::move(txt);
            uscite.Dxf = std::move(dxf);
            uscite.Dwg = std::move(dwg);
            uscite.Blocco = std::move(blocco);
            uscite.Pdf = std::move(pdf);
            uscite.Relazione = std::move(relazione);
            return Esporta(trave, uscite,
                           std::move(statoLimite), punti, separatori);
        },
        py::arg("trave"), py::arg("dxf"), py::arg("dwg"), py::arg("blocco"), py::arg("pdf"),
        py::arg("relazione"), py::arg("txt"), py::arg("stato_limite"), py::arg("punti"),
        py::arg("separatori"));
}
