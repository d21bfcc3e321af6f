#include "drawing/core/Disegno.h"

#include "drawing/core/ErroreDisegno.h"
#include "support/Formattazione.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vc {

namespace {

void Finito(double v, const char* cosa) {
    if (!std::isfinite(v)) throw ErroreDisegno(ErroreDisegno::Tipo::ValoreNonFinito, cosa);
}

Punto Controllato(double x, double y) {
    Finito(x, "Coordinata non finita nel disegno");
    Finito(y, "Coordinata non finita nel disegno");
    return {x, y};
}

template <typename T> void StesseDimensioni(std::span<const T> x, std::span<const T> y) {
    if (x.size() != y.size()) throw std::invalid_argument("Coordinate x e y in numero diverso");
}

// The vertices with y / s; closed: the first one again at the end.
template <typename T>
std::vector<Punto> Vertici(std::span<const T> x, std::span<const T> y, double s, bool chiusa) {
    StesseDimensioni(x, y);
    std::vector<Punto> p;
    p.reserve(x.size() + 1);
    for (std::size_t i = 0; i < x.size(); ++i)
        p.push_back(Controllato(x[i], static_cast<double>(y[i]) / s));
    if (chiusa && p.size() >= 2) p.push_back(p.front());
    return p;
}

template <typename T>
Tratteggio LineeDi(std::span<const T> x, std::span<const T> y, double angoloGradi, double k) {
    StesseDimensioni(x, y);
    std::vector<Punto> p;
    p.reserve(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        p.push_back({x[i], y[i]});
    return {SegmentiTratteggio(p, angoloGradi, k)};
}

Punto Alzato(const Punto& p, double o) {
    return {p.x, o + p.y};
}

// The item moved up by o.
struct Trasla {
    double o;
    void operator()(Tratto& t) const { t = {Alzato(t.a, o), Alzato(t.b, o)}; }
    void operator()(ArcoCerchio& a) const { a.Centro = Alzato(a.Centro, o); }
    void operator()(Spezzata& s) const {
        for (auto& v : s.Vertici)
            v = Alzato(v, o);
    }
    void operator()(Tratteggio& t) const {
        for (auto& l : t.Linee)
            l = {Alzato(l.a, o), Alzato(l.b, o)};
    }
    void operator()(PuntaFreccia& f) const { f.Punta = Alzato(f.Punta, o); }
    void operator()(Scritta& s) const { s.Posizione = Alzato(s.Posizione, o); }
};

class Accumulo {
  public:
    void Aggiunge(const Punto& p) {
        r_.xMin = std::min(r_.xMin, p.x), r_.xMax = std::max(r_.xMax, p.x);
        r_.yMin = std::min(r_.yMin, p.y), r_.yMax = std::max(r_.yMax, p.y);
        vuoto_ = false;
    }
    void operator()(const Tratto& t) { Aggiunge(t.a), Aggiunge(t.b); }
    void operator()(const ArcoCerchio& a) {
        for (const Punto& p : PuntiArco(a.Centro, a.Raggio, a.Inizio, a.Fine))
            Aggiunge(p);
    }
    void operator()(const Spezzata& s) {
        for (const auto& v : s.Vertici)
            Aggiunge(v);
    }
    void operator()(const Tratteggio& t) {
        for (const auto& l : t.Linee)
            Aggiunge(l.a), Aggiunge(l.b);
    }
    void operator()(const PuntaFreccia& f) {
        Aggiunge(f.Punta);
        Aggiunge({f.Punta.x - 2 * f.Dimensione * std::sin(f.Angolo),
                  f.Punta.y + 2 * f.Dimensione * std::cos(f.Angolo)});
    }
    void operator()(const Scritta& s) {
        const double l = 0.8 * s.Altezza * static_cast<double>(LunghezzaTesto(s.Testo));
        const double x = s.Posizione.x - QuotaAllineamento(s.Allinea) * l;
        const double y = s.Appesa ? s.Posizione.y - s.Altezza : s.Posizione.y;
        Aggiunge({x, y});
        Aggiunge({x + l, y + s.Altezza});
    }
    std::optional<Riquadro> Risultato() const { return vuoto_ ? std::nullopt : std::optional(r_); }

  private:
    Riquadro r_{HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL};
    bool vuoto_ = true;
};

} // namespace

void Disegno::Linea(double x1, double y1, double x2, double y2, const Stile& stile, double s) {
    Elementi.push_back({Tratto{Controllato(x1, y1 / s), Controllato(x2, y2 / s)}, stile});
}

void Disegno::Arco(double xc, double yc, double r, double a1, double a2, const Stile& stile, double s) {
    const Punto centro = Controllato(xc, yc / s);
    for (double v : {r, a1, a2})
        Finito(v, "Arco con raggio o angoli non finiti");
    if (!(r > 0)) return;
    Elementi.push_back({ArcoCerchio{centro, r, a1, a2}, stile});
}

void Disegno::Polilinea(std::span<const double> x, std::span<const double> y, const Stile& stile, double s) {
    auto v = Vertici(x, y, s, false);
    if (v.size() >= 2) Elementi.push_back({Spezzata{std::move(v)}, stile});
}
void Disegno::Polilinea(std::span<const float> x, std::span<const float> y, const Stile& stile, double s) {
    auto v = Vertici(x, y, s, false);
    if (v.size() >= 2) Elementi.push_back({Spezzata{std::move(v)}, stile});
}
void Disegno::Poligono(std::span<const double> x, std::span<const double> y, const Stile& stile, double s) {
    auto v = Vertici(x, y, s, true);
    if (v.size() >= 2) Elementi.push_back({Spezzata{std::move(v)}, stile});
}
void Disegno::Poligono(std::span<const float> x, std::span<const float> y, const Stile& stile, double s) {
    auto v = Vertici(x, y, s, true);
    if (v.size() >= 2) Elementi.push_back({Spezzata{std::move(v)}, stile});
}

void Disegno::Tratteggia(std::span<const double> x, std::span<const double> y, double angoloGradi, double k,
                         const Stile& stile) {
    if (x.size() > 2) Elementi.push_back({LineeDi(x, y, angoloGradi, k), stile});
}
void Disegno::Tratteggia(std::span<const float> x, std::span<const float> y, double angoloGradi, double k,
                         const Stile& stile) {
    if (x.size() > 2) Elementi.push_back({LineeDi(x, y, angoloGradi, k), stile});
}

void Disegno::Freccia(const PuntaFreccia& freccia, const Stile& stile) {
    Controllato(freccia.Punta.x, freccia.Punta.y);
    Finito(freccia.Dimensione, "Freccia di dimensione non finita");
    Finito(freccia.Angolo, "Freccia con angolo non finito");
    Elementi.push_back({freccia, stile});
}

void Disegno::Testo(Scritta scritta, int colore) {
    Controllato(scritta.Posizione.x, scritta.Posizione.y);
    Finito(scritta.Altezza, "Altezza del testo non finita");
    Elementi.push_back({std::move(scritta), {colore, 1}});
}

void Disegno::Accoda(const Disegno& altro, float origineY) {
    const Trasla trasla{static_cast<double>(origineY)};
    for (Elemento e : altro.Elementi) {
        std::visit(trasla, e.Forma);
        Elementi.push_back(std::move(e));
    }
}

std::optional<Riquadro> Ingombro(const Disegno& disegno) {
    Accumulo a;
    for (const auto& e : disegno.Elementi)
        std::visit(a, e.Forma);
    return a.Risultato();
}

} // namespace vc
