// The load diagram: the beam with its supports and the loads the user chose to see.

#include "drawing/DiagrammiTrave.h"

#include "drawing/core/ErroreDisegno.h"
#include "support/Errori.h"
#include "support/Formattazione.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <new>
#include <numbers>
#include <stdexcept>

namespace vc {

namespace {

// Load families, in the order of the display matrix and of the load tables: G1, G2, Q1, Q2.
constexpr int nFamiglie = 4;
// Kinds of the display matrix.
constexpr int Distribuiti = 1, Forze = 2, Coppie = 3;
// Each family in its own colour, so that the stacked bands can be told apart.
constexpr std::array<int, nFamiglie> ColoreFamiglia = {5, 3, 1, 6};

constexpr int CifreCarichi = 4;

// The label texts of the loads.
std::string LabelQ() { return "kN/m"; }
std::string FormForceFunz() { return "kN"; }
std::string FormMomentoFunz() { return "kNm"; }

std::string SenzaSpaziIniziali(std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

// The number of a failure as the error reports of the program give it.
int NumeroErrore(const std::exception& e) {
    if (const auto* d = dynamic_cast<const ErroreDisegno*>(&e))
        return d->tipo() == ErroreDisegno::Tipo::ValoreNonFinito ? 6 : 5;
    if (const auto* c = dynamic_cast<const ErroreCalcolo*>(&e))
        return c->tipo() == ErroreCalcolo::Tipo::ValoreNonFinito ? 6 : 5;
    if (dynamic_cast<const std::out_of_range*>(&e)) return 9;
    if (dynamic_cast<const std::bad_alloc*>(&e)) return 7;
    return 5;
}

// Positive loads pile up from the axis upwards, negative ones downwards.
struct Pila {
    double Sopra = 0, Sotto = 0;
    double& Per(double valore) { return valore >= 0 ? Sopra : Sotto; }
};

} // namespace

double DiagrammiTrave::MaxTrapeziCalcola() const {
    double massimo = 0;
    for (int i = 1; i <= trave_.nCampate(); ++i) {
        const Trave& t = trave_.CampataI(i);
        const std::array<double, nFamiglie> q = {t.CaricoDistG1, t.CaricoDistG2, t.CaricoDistQ1, t.CaricoDistQ2};
        double sopra = 0, sotto = 0;
        for (int f = 0; f < nFamiglie; ++f) {
            if (!trave_.Info_VisualCar(f + 1, Distribuiti).value_or(false)) continue;
            const double v = q[static_cast<std::size_t>(f)];
            (v >= 0 ? sopra : sotto) += std::fabs(v);
        }
        massimo = std::max({massimo, sopra, sotto});
    }
    return massimo;
}

double DiagrammiTrave::MaxConcentratiCalcola() const {
    std::map<double, Pila> pile;
    for (const RigaCarichi& r : trave_.TabForze()) {
        const int campata = static_cast<int>(r[0]);
        if (campata < 1 || campata > trave_.nCampate()) continue;
        Pila& p = pile[xAppoggio(campata) + static_cast<double>(r[5])];
        for (int f = 0; f < nFamiglie; ++f) {
            if (!trave_.Info_VisualCar(f + 1, Forze).value_or(false)) continue;
            const double v = r[static_cast<std::size_t>(f + 1)];
            p.Per(v) += std::fabs(v);
        }
    }
    double massimo = 0;
    for (const auto& [x, p] : pile)
        massimo = std::max({massimo, p.Sopra, p.Sotto});
    return massimo;
}

void DiagrammiTrave::ErrorePlottaggio(int numero, const std::string& descrizione) const {
    ctx_.Avvisi().Mostra("Errore " + std::to_string(numero) + " \"" + descrizione + "\"\n" +
                             "in PlottaCarichi. Controllare i dati",
                         Icona::Domanda);
}

void DiagrammiTrave::PlottaC(float dxf_yorig, bool GiroPieno) {
    tipo_ = TipoDiagramma::Carichi;
    try {
        if (!uscita_) throw std::logic_error("Diagramma senza dispositivo di uscita");
        if (trave_.nCampate() < 1 || !(xMax_ > xMin_)) return; // no beam, nothing to draw
        const double Fc = MaxConcentratiCalcola();
        const double Fq = MaxTrapeziCalcola();
        const double L10 = static_cast<double>(xMax_ - xMin_) / 10;

        int caso = 3;
        double H = L10;
        if (Fc > Fq) {
            if (Fc > L10) caso = 2, H = Fc;
        } else if (Fq > L10) {
            caso = 1, H = Fq;
        }
        const RisultatoScala r = ScalaYcalcola(xMin_, xMax_, -H, H);
        const double S = r.Scala;
        yMin_ = static_cast<float>(r.yMin);
        yMax_ = static_cast<float>(r.yMax);
        yDiagrammaMin_ = r.yMin + 12 * hTesto_;
        switch (caso) {
        case 1:
            scalaTrapezi_ = S;
            scalaConcentrati_ = 0.8 * S * Fc / Fq;
            break;
        case 2:
            scalaConcentrati_ = S;
            scalaTrapezi_ = 1.2 * S * Fq / Fc;
            break;
        default:
            scalaTrapezi_ = 2 * S * Fq / L10;
            scalaConcentrati_ = S * Fc / L10;
            break;
        }
        if (!GiroPieno) return;

        PltInizializza(xMin_, xMax_, yMin_, yMax_, dxf_yorig);
        // The supports keep their own size: a frame scale of tens would flatten them.
        PlottaTrave(xMin_, xMax_, 1);
        ctx_.ImpostaSpessore(2);
        PlottaCarichi(scalaTrapezi_, scalaConcentrati_, L10, hTesto_, yMax_, xMin_);
    } catch (const std::exception& e) {
        ErrorePlottaggio(NumeroErrore(e), e.what());
    }
}

double DiagrammiTrave::yTestoDwg(double y, bool sopra) const {
    // Texts hang from their point (lowered by 1.5 heights in the files and the CAD drawing):
    // a label above y has its base just above it, one below y its top just below it.
    return sopra ? y + 1.6 * hTesto_ : y - 0.3 * hTesto_;
}

void DiagrammiTrave::PlottaCaricoTrapezio(double q1, double q2, double d1, double d2, double ScalaTrapezi, bool SigmaT,
                                          double base) {
    const double L = static_cast<double>(xMax_ - xMin_);
    const double y1 = base + q1 / ScalaTrapezi;
    const double y2 = base + q2 / ScalaTrapezi;
    const double x[] = {d1, d2, d2, d1, d1};
    const double y[] = {base, base, y2, y1, base};
    ctx_.ImpostaSpessore(2);
    ctx_.Polilinea(x, y, 1);
    ctx_.ImpostaSpessore(1);
    ctx_.TratteggiaPoligono(std::span(x, 4), std::span(y, 4), 90, -L / 100);
    if (SigmaT) return;

    const auto etichetta = [&](double q) { return SenzaSpaziIniziali(FormattaEtichettaCarico(CifreCarichi, q, sep_)) + " " + LabelQ(); };
    const double h = hTesto_;
    const std::string sinistra = etichetta(q1);
    ctx_.Testo(d1 + 0.5 * h, yTestoDwg(y1, q1 >= 0), h, sinistra, 1, true);
    // A uniform load needs one label; the other corner of a trapezoid gets its own, ending
    // at the corner.
    if (q2 != q1) {
        const std::string destra = etichetta(q2);
        const double larghezza = 0.9 * h * static_cast<double>(LunghezzaTesto(destra));
        ctx_.Testo(d2 - 0.5 * h - larghezza, yTestoDwg(y2, q2 >= 0), h, destra, 1, true);
    }
}

void DiagrammiTrave::PlottaCarichi(double ScalaTrapezi, double ScalaConcentrati, double RaggioCoppie, double hTesto,
                                   double yTesto, double x) {
    const int n = trave_.nCampate();
    const double L = static_cast<double>(xMax_ - xMin_);
    const double x0 = xMin_;
    const auto mostra = [&](int famiglia, int tipo) { return trave_.Info_VisualCar(famiglia + 1, tipo).value_or(false); };

    // 1. Distributed loads, one band per family standing on the bands of the families before.
    std::vector<Pila> bande(static_cast<std::size_t>(n));
    for (auto& b : bande)
        b = {L / 40, -L / 40};
    if (ScalaTrapezi > 0) {
        for (int f = 0; f < nFamiglie; ++f) {
            ctx_.ImpostaColore(ColoreFamiglia[static_cast<std::size_t>(f)]);
            for (int i = 1; i <= n; ++i) {
                if (!mostra(f, Distribuiti)) continue;
                const Trave& t = trave_.CampataI(i);
                const std::array<double, nFamiglie> q = {t.CaricoDistG1, t.CaricoDistG2, t.CaricoDistQ1,
                                                         t.CaricoDistQ2};
                const double v = q[static_cast<std::size_t>(f)];
                if (v == 0) continue;
                double& base = bande[static_cast<std::size_t>(i - 1)].Per(v);
                PlottaCaricoTrapezio(v, v, x0 + xAppoggio(i), x0 + xAppoggio(i + 1), ScalaTrapezi, false, base);
                base += v / ScalaTrapezi;
            }
        }
    }

    // 2. Forces: arrows onto the axis (onto the arrow before, at the same point), pointing
    // down for a downward force, up from under the axis for an upward one.
    std::map<double, Pila> pile;
    if (ScalaConcentrati > 0) {
        for (int f = 0; f < nFamiglie; ++f) {
            if (!mostra(f, Forze)) continue;
            ctx_.ImpostaColore(ColoreFamiglia[static_cast<std::size_t>(f)]);
            for (const RigaCarichi& r : trave_.TabForze()) {
                const int campata = static_cast<int>(r[0]);
                const double v = r[static_cast<std::size_t>(f + 1)];
                if (campata < 1 || campata > n || v == 0) continue;
                const double xf = x0 + xAppoggio(campata) + static_cast<double>(r[5]);
                double& punta = pile[xf].Per(v);
                const double coda = punta + v / ScalaConcentrati;
                ctx_.ImpostaSpessore(2);
                ctx_.Linea(xf, punta, xf, coda);
                ctx_.ImpostaSpessore(1);
                ctx_.Freccia(xf, punta, hTesto / 2, v >= 0 ? 0.0 : std::numbers::pi, true);
                const std::string testo =
                    SenzaSpaziIniziali(FormattaEtichettaCarico(CifreCarichi, v, sep_)) + " " + FormForceFunz();
                ctx_.Testo(xf + 0.4 * hTesto, (punta + coda) / 2 + 0.5 * hTesto, hTesto, testo, 1, true);
                punta = coda;
            }
        }
    }

    // The couple a half circle stands for: the largest displayed one.
    double mezzoGiro = 0;
    for (const RigaCarichi& r : trave_.TabCoppie())
        for (int f = 0; f < nFamiglie; ++f)
            if (mostra(f, Coppie)) mezzoGiro = std::max(mezzoGiro, std::fabs(static_cast<double>(r[static_cast<std::size_t>(f + 1)])));
    coppiaMezzoGiro_ = mezzoGiro;

    // 3. The legend, in the files and the CAD drawing only; a scale line for each kind of load
    // drawn.
    if (SuDispositivo(Uscita::Dxf) || SuDispositivo(Uscita::Dwg)) {
        ctx_.ImpostaColore(7);
        double y = yTesto;
        const auto riga = [&](const std::string& testo) {
            ctx_.Testo(x, y, hTesto, testo, 1, true);
            y -= 2 * hTesto;
        };
        if (ScalaTrapezi > 0) riga("Scala carichi trapezi 1:" + FormattaNumero(4, 10, ScalaTrapezi, true, sep_));
        if (ScalaConcentrati > 0)
            riga("Scala carichi concentrati 1:" + FormattaNumero(4, 10, ScalaConcentrati, true, sep_));
        if (mezzoGiro > 0) riga("Scala coppie: 180° =" + FormattaNumero(4, 10, mezzoGiro, false, sep_));
    }

    // 4. Couples: an arc about the point of application, the largest couple a half circle,
    // with its arrowhead at the end a positive (clockwise) couple turns towards; couples at
    // the same point on wider arcs.
    if (mezzoGiro > 0) {
        std::map<double, int> giaDisegnate;
        for (int f = 0; f < nFamiglie; ++f) {
            if (!mostra(f, Coppie)) continue;
            ctx_.ImpostaColore(ColoreFamiglia[static_cast<std::size_t>(f)]);
            for (const RigaCarichi& r : trave_.TabCoppie()) {
                const int campata = static_cast<int>(r[0]);
                const double w = r[static_cast<std::size_t>(f + 1)];
                if (campata < 1 || campata > n || w == 0) continue;
                const double xc = x0 + xAppoggio(campata) + static_cast<double>(r[5]);
                const double raggio = RaggioCoppie * (1 + 0.25 * giaDisegnate[xc]++);
                const double apertura = std::numbers::pi * std::fabs(w) / mezzoGiro;
                const double a1 = std::numbers::pi / 2 - apertura / 2;
                const double a2 = std::numbers::pi / 2 + apertura / 2;
                ctx_.ImpostaSpessore(1);
                ctx_.Linea(xc, 0, xc, raggio);
                ctx_.ImpostaSpessore(2);
                ctx_.Arco(xc, 0, raggio, a1, a2);
                ctx_.ImpostaSpessore(1);
                const double a = w > 0 ? a1 : a2;
                ctx_.Freccia(xc + raggio * std::cos(a), raggio * std::sin(a), hTesto / 2,
                             w > 0 ? a1 : a2 + std::numbers::pi, true);
                std::string testo(1, '(');
                testo += SenzaSpaziIniziali(FormattaEtichettaCarico(CifreCarichi, w, sep_)) + " " + FormMomentoFunz() + ")";
                ctx_.Testo(xc + 0.4 * hTesto, yTestoDwg(raggio, true), hTesto, testo, 1, true);
            }
        }
    }
    ctx_.ImpostaColore(7);
    ctx_.ImpostaSpessore(1);
}

} // namespace vc
