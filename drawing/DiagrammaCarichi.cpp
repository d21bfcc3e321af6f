// The load diagram: the beam with its supports and the loads the user chose to see.

#include "drawing/DiagrammiTrave.h"
#include "drawing/PartiDiagrammi.h"
#include "drawing/core/DisegnoSuDispositivo.h"
#include "drawing/core/ErroreDisegno.h"
#include "support/Errori.h"
#include "support/Formattazione.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <new>
#include <numbers>
#include <optional>
#include <stdexcept>

namespace vc {

using parti::xAppoggio;

namespace {

// Load families, in the order of the display matrix and of the load tables: G1, G2, Q1, Q2.
constexpr int nFamiglie = 4;
// Kinds of the display matrix.
constexpr int Distribuiti = 1, Forze = 2, Coppie = 3;
// Each family in its own colour, so that the stacked bands can be told apart.
constexpr std::array<int, nFamiglie> ColoreFamiglia = {5, 3, 1, 6};

constexpr int CifreCarichi = 4;

// The label texts of the loads.
std::string LabelQ() {
    return "kN/m";
}
std::string FormForceFunz() {
    return "kN";
}
std::string FormMomentoFunz() {
    return "kNm";
}

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

bool Mostra(const Velcora& t, int famiglia, int tipo) {
    return t.Info_VisualCar(famiglia + 1, tipo).value_or(false);
}

double CaricoDistribuito(const Trave& t, int famiglia) {
    const std::array<double, nFamiglie> q = {t.CaricoDistG1, t.CaricoDistG2, t.CaricoDistQ1, t.CaricoDistQ2};
    return q[static_cast<std::size_t>(famiglia)];
}

// The value of family f of a row of the forces or couples table (span, g1, g2, q1, q2, d).
double Valore(const RigaCarichi& r, int famiglia) {
    return r[static_cast<std::size_t>(famiglia + 1)];
}

// The couple a half circle stands for: the largest displayed one.
double CoppiaMezzoGiro(const Velcora& t) {
    double mezzoGiro = 0;
    for (const RigaCarichi& r : t.TabCoppie())
        for (int f = 0; f < nFamiglie; ++f)
            if (Mostra(t, f, Coppie)) mezzoGiro = std::max(mezzoGiro, std::fabs(Valore(r, f)));
    return mezzoGiro;
}

// The scales of the diagram: the frame scale on the governing height, then the load scales
// by the case that governs (PlottaC).
struct ScaleCarichi {
    parti::RisultatoScala Cornice;
    double Trapezi = 0, Concentrati = 0;
};

ScaleCarichi ScaleDi(const Velcora& t, const parti::Base& b) {
    const double Fc = MaxConcentratiCalcola(t);
    const double Fq = MaxTrapeziCalcola(t);
    const double L10 = static_cast<double>(b.xMax - b.xMin) / 10;
    int caso = 3;
    double H = L10;
    if (Fc > Fq) {
        if (Fc > L10) caso = 2, H = Fc;
    } else if (Fq > L10) {
        caso = 1, H = Fq;
    }
    ScaleCarichi s;
    s.Cornice = parti::ScalaYcalcola(b.hTesto, b.xMin, b.xMax, -H, H);
    const double S = s.Cornice.Scala;
    switch (caso) {
    case 1:
        s.Trapezi = S;
        s.Concentrati = 0.8 * S * Fc / Fq;
        break;
    case 2:
        s.Concentrati = S;
        s.Trapezi = 1.2 * S * Fq / Fc;
        break;
    default:
        s.Trapezi = 2 * S * Fq / L10;
        s.Concentrati = S * Fc / L10;
        break;
    }
    return s;
}

// The loads of the diagram (PlottaCarichi), in this order: distributed loads, forces, the
// legend, couples.
class Carichi {
  public:
    Carichi(Disegno& d, const Velcora& t, const Separatori& sep, const parti::Base& b, const ScaleCarichi& s)
        : d_(d), t_(t), sep_(sep), L_(static_cast<double>(b.xMax - b.xMin)), x0_(b.xMin), h_(b.hTesto),
          scalaTrapezi_(s.Trapezi), scalaConcentrati_(s.Concentrati), raggioCoppie_(L_ / 10),
          mezzoGiro_(CoppiaMezzoGiro(t)) {}

    double MezzoGiro() const { return mezzoGiro_; }

    // Distributed loads, one band per family standing on the bands of the families before.
    void Bande() {
        if (!(scalaTrapezi_ > 0)) return;
        std::vector<Pila> bande(static_cast<std::size_t>(t_.nCampate()), Pila{L_ / 40, -L_ / 40});
        for (int f = 0; f < nFamiglie; ++f) {
            if (!Mostra(t_, f, Distribuiti)) continue;
            for (int i = 1; i <= t_.nCampate(); ++i) {
                const double v = CaricoDistribuito(t_.CampataI(i), f);
                if (v == 0) continue;
                double& base = bande[static_cast<std::size_t>(i - 1)].Per(v);
                PlottaCaricoTrapezio(v, v, x0_ + xAppoggio(t_, i), x0_ + xAppoggio(t_, i + 1), base,
                                     ColoreFamiglia[static_cast<std::size_t>(f)]);
                base += v / scalaTrapezi_;
            }
        }
    }

    // Forces: arrows onto the axis (onto the arrow before, at the same point), pointing down for
    // a downward force, up from under the axis for an upward one.
    void Frecce() {
        if (!(scalaConcentrati_ > 0)) return;
        std::map<double, Pila> pile;
        PerOgniCarico(t_.TabForze(), Forze, [&](double x, double v, int colore) {
            double& punta = pile[x].Per(v);
            Forza(x, punta, v, colore);
            punta += v / scalaConcentrati_;
        });
    }

    // The legend of the scales, a line for each kind of load drawn, at (x, y) going down; only
    // the devices that show legends draw it.
    void Legenda(double x, double y) {
        const auto riga = [&](std::string testo) {
            d_.Testo({.Posizione = {x, y}, .Altezza = h_, .Testo = std::move(testo), .Legenda = true});
            y -= 2 * h_;
        };
        if (scalaTrapezi_ > 0)
            riga("Scala carichi trapezi 1:" + FormattaNumero(4, 10, scalaTrapezi_, true, sep_));
        if (scalaConcentrati_ > 0)
            riga("Scala carichi concentrati 1:" + FormattaNumero(4, 10, scalaConcentrati_, true, sep_));
        if (mezzoGiro_ > 0) riga("Scala coppie: 180° =" + FormattaNumero(4, 10, mezzoGiro_, false, sep_));
    }

    // Couples: an arc about the point of application, the largest couple a half circle, with
    // its arrowhead at the end a positive (clockwise) couple turns towards; couples at the same
    // point on wider arcs.
    void Archi() {
        if (!(mezzoGiro_ > 0)) return;
        std::map<double, int> giaDisegnate;
        PerOgniCarico(t_.TabCoppie(), Coppie, [&](double x, double w, int colore) {
            const double raggio = raggioCoppie_ * (1 + 0.25 * giaDisegnate[x]++);
            Coppia(x, raggio, w, colore);
        });
    }

  private:
    // Each concentrated load of the rows (forces or couples) whose family is shown, family by
    // family, that stands on a span and is not zero: disegna(x, value, colour).
    template <class Disegna>
    void PerOgniCarico(const std::vector<RigaCarichi>& righe, int tipo, Disegna disegna) const {
        for (int f = 0; f < nFamiglie; ++f) {
            if (!Mostra(t_, f, tipo)) continue;
            for (const RigaCarichi& r : righe) {
                const double v = Valore(r, f);
                const auto x = Ascissa(r);
                if (x && v != 0) disegna(*x, v, ColoreFamiglia[static_cast<std::size_t>(f)]);
            }
        }
    }

    // The abscissa of a concentrated load; nothing when its span does not exist.
    std::optional<double> Ascissa(const RigaCarichi& r) const {
        const int campata = static_cast<int>(r[0]);
        if (campata < 1 || campata > t_.nCampate()) return std::nullopt;
        return x0_ + xAppoggio(t_, campata) + static_cast<double>(r[5]);
    }

    // Texts hang from their point (lowered by 1.5 heights in the files and the CAD drawing):
    // a label above y has its base just above it, one below y its top just below it.
    double yTestoDwg(double y, bool sopra) const { return sopra ? y + 1.6 * h_ : y - 0.3 * h_; }

    std::string Etichetta(double valore, const std::string& unita) const {
        return SenzaSpaziIniziali(FormattaEtichettaCarico(CifreCarichi, valore, sep_)) + " " + unita;
    }

    // One distributed load between d1 and d2 with end intensities q1 and q2, standing on base.
    void PlottaCaricoTrapezio(double q1, double q2, double d1, double d2, double base, int colore) {
        const double y1 = base + q1 / scalaTrapezi_;
        const double y2 = base + q2 / scalaTrapezi_;
        const double x[] = {d1, d2, d2, d1, d1};
        const double y[] = {base, base, y2, y1, base};
        d_.Polilinea(x, y, {colore, 2});
        d_.Tratteggia(std::span(x, 4), std::span(y, 4), 90, -L_ / 100, {colore, 1});

        d_.Testo({.Posizione = {d1 + 0.5 * h_, yTestoDwg(y1, q1 >= 0)},
                  .Altezza = h_,
                  .Testo = Etichetta(q1, LabelQ())},
                 colore);
        // A uniform load needs one label; the other corner of a trapezoid gets its own, ending
        // at the corner.
        if (q2 == q1) return;
        std::string destra = Etichetta(q2, LabelQ());
        const double larghezza = 0.9 * h_ * static_cast<double>(LunghezzaTesto(destra));
        d_.Testo({.Posizione = {d2 - 0.5 * h_ - larghezza, yTestoDwg(y2, q2 >= 0)},
                  .Altezza = h_,
                  .Testo = std::move(destra)},
                 colore);
    }

    void Forza(double xf, double punta, double v, int colore) {
        const double coda = punta + v / scalaConcentrati_;
        d_.Linea(xf, punta, xf, coda, {colore, 2});
        d_.Freccia({.Punta = {xf, punta},
                    .Dimensione = h_ / 2,
                    .Angolo = v >= 0 ? 0.0 : std::numbers::pi,
                    .Piena = true},
                   {colore, 1});
        d_.Testo({.Posizione = {xf + 0.4 * h_, (punta + coda) / 2 + 0.5 * h_},
                  .Altezza = h_,
                  .Testo = Etichetta(v, FormForceFunz())},
                 colore);
    }

    void Coppia(double xc, double raggio, double w, int colore) {
        const double apertura = std::numbers::pi * std::fabs(w) / mezzoGiro_;
        const double a1 = std::numbers::pi / 2 - apertura / 2;
        const double a2 = std::numbers::pi / 2 + apertura / 2;
        d_.Linea(xc, 0, xc, raggio, {colore, 1});
        d_.Arco(xc, 0, raggio, a1, a2, {colore, 2});
        const double a = w > 0 ? a1 : a2;
        d_.Freccia({.Punta = {xc + raggio * std::cos(a), raggio * std::sin(a)},
                    .Dimensione = h_ / 2,
                    .Angolo = w > 0 ? a1 : a2 + std::numbers::pi,
                    .Piena = true},
                   {colore, 1});
        std::string testo(1, '(');
        testo += Etichetta(w, FormMomentoFunz()) + ")";
        d_.Testo(
            {.Posizione = {xc + 0.4 * h_, yTestoDwg(raggio, true)}, .Altezza = h_, .Testo = std::move(testo)},
            colore);
    }

    Disegno& d_;
    const Velcora& t_;
    const Separatori& sep_;
    double L_, x0_, h_;
    double scalaTrapezi_, scalaConcentrati_, raggioCoppie_, mezzoGiro_;
};

void ErrorePlottaggio(Messaggi& msg, int numero, const std::string& descrizione) {
    msg.Mostra("Errore " + std::to_string(numero) + " \"" + descrizione + "\"\n" +
                   "in PlottaCarichi. Controllare i dati",
               Icona::Domanda);
}

} // namespace

double MaxTrapeziCalcola(const Velcora& trave) {
    double massimo = 0;
    for (int i = 1; i <= trave.nCampate(); ++i) {
        Pila p;
        for (int f = 0; f < nFamiglie; ++f) {
            if (!Mostra(trave, f, Distribuiti)) continue;
            const double v = CaricoDistribuito(trave.CampataI(i), f);
            p.Per(v) += std::fabs(v);
        }
        massimo = std::max({massimo, p.Sopra, p.Sotto});
    }
    return massimo;
}

double MaxConcentratiCalcola(const Velcora& trave) {
    std::map<double, Pila> pile;
    for (const RigaCarichi& r : trave.TabForze()) {
        const int campata = static_cast<int>(r[0]);
        if (campata < 1 || campata > trave.nCampate()) continue;
        Pila& p = pile[xAppoggio(trave, campata) + static_cast<double>(r[5])];
        for (int f = 0; f < nFamiglie; ++f) {
            if (!Mostra(trave, f, Forze)) continue;
            const double v = Valore(r, f);
            p.Per(v) += std::fabs(v);
        }
    }
    double massimo = 0;
    for (const auto& [x, p] : pile)
        massimo = std::max({massimo, p.Sopra, p.Sotto});
    return massimo;
}

DiagrammaTrave DiagrammaCarichi(const Velcora& trave, const Separatori& sep) {
    DiagrammaTrave dt;
    dt.Tipo = TipoDiagramma::Carichi;
    const parti::Base b = parti::BaseDi(trave);
    dt.hTesto = b.hTesto;
    if (trave.nCampate() < 1 || !(b.xMax > b.xMin)) return dt; // no beam, nothing to draw
    const ScaleCarichi s = ScaleDi(trave, b);
    dt.Scala = s.Cornice.Scala;
    dt.ScalaTrapezi = s.Trapezi;
    dt.ScalaConcentrati = s.Concentrati;

    Disegno& d = dt.Figura;
    d.Campo = {b.xMin, b.xMax, static_cast<float>(s.Cornice.yMin), static_cast<float>(s.Cornice.yMax)};
    d.SuFinestra = {{0.1f, 0.07f, 0.9f, 0.95f}, false};
    d.SuPagina = {{0.15f, 0.1f, 0.9f, 0.9f}, true};
    // The supports keep their own size: a frame scale of tens would flatten them.
    parti::PlottaTrave(d, trave, b.xMin, b.xMax, 1);
    Carichi carichi(d, trave, sep, b, s);
    carichi.Bande();
    carichi.Frecce();
    carichi.Legenda(b.xMin, d.Campo.yMax);
    carichi.Archi();
    dt.CoppiaMezzoGiro = carichi.MezzoGiro();
    return dt;
}

void parti::PlottaC(const Velcora& trave, const Separatori& sep, Dispositivo& uscita, Messaggi& msg) {
    try {
        const DiagrammaTrave c = DiagrammaCarichi(trave, sep);
        if (!c.Figura.Elementi.empty()) DisegnaSu(c.Figura, uscita, msg);
    } catch (const std::exception& e) {
        ErrorePlottaggio(msg, NumeroErrore(e), e.what());
    }
}

} // namespace vc
