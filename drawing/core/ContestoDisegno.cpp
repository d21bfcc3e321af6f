#include "drawing/core/ContestoDisegno.h"

#include "drawing/core/ErroreDisegno.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vc {

namespace {

template <typename T> void StesseDimensioni(std::span<const T> x, std::span<const T> y) {
    if (x.size() != y.size()) throw std::invalid_argument("Coordinate x e y in numero diverso");
}

// The vertices as given, without the y scale: the hatch applies it to its own lines.
template <typename T> std::vector<Punto> PuntiDi(std::span<const T> x, std::span<const T> y) {
    StesseDimensioni(x, y);
    std::vector<Punto> p;
    p.reserve(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        p.push_back({x[i], y[i]});
    return p;
}

} // namespace

void ContestoDisegno::ImpostaUscita(double scalaY, std::shared_ptr<Dispositivo> dispositivo) {
    scalaY_ = scalaY;
    dispositivo_ = std::move(dispositivo);
}

std::optional<Uscita> ContestoDisegno::UscitaCorrente() const {
    if (!dispositivo_) return std::nullopt;
    return dispositivo_->Tipo();
}

std::uint32_t ContestoDisegno::ColoreCorrente() const {
    if (dispositivo_ && UscitaVettoriale(dispositivo_->Tipo())) return static_cast<std::uint32_t>(colore_);
    return ColoreRGB(colore_);
}

void ContestoDisegno::ImpostaSpessore(double spessore) {
    Corrente().ImpostaSpessore(spessore);
}

void ContestoDisegno::ImpostaSpessore(double spessore, std::shared_ptr<Dispositivo> dispositivo) {
    if (dispositivo) dispositivo_ = std::move(dispositivo);
    ImpostaSpessore(spessore);
}

std::shared_ptr<DisegnoCad> ContestoDisegno::ApriAutocad() {
    if (!disegnoCad_) disegnoCad_ = std::make_shared<DisegnoCad>();
    return disegnoCad_;
}

Dispositivo& ContestoDisegno::Corrente() const {
    if (!dispositivo_) throw std::logic_error("Nessun dispositivo di disegno corrente");
    return *dispositivo_;
}

Punto ContestoDisegno::Controllato(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y))
        throw ErroreDisegno(ErroreDisegno::Tipo::ValoreNonFinito, "Coordinata non finita nel disegno");
    return {x, y};
}

Punto ContestoDisegno::Trasforma(double x, double y, double s) const {
    return Controllato(x, static_cast<double>(origineYdxf_) + y / s);
}

template <typename T>
std::vector<Punto> ContestoDisegno::VerticiDi(std::span<const T> x, std::span<const T> y, double s) const {
    StesseDimensioni(x, y);
    std::vector<Punto> p;
    p.reserve(x.size() + 1);
    for (std::size_t i = 0; i < x.size(); ++i)
        p.push_back(Trasforma(x[i], y[i], s));
    return p;
}

std::vector<Punto> ContestoDisegno::Vertici(std::span<const double> x, std::span<const double> y,
                                            double s) const {
    return VerticiDi(x, y, s);
}

std::vector<Punto> ContestoDisegno::Vertici(std::span<const float> x, std::span<const float> y,
                                            double s) const {
    return VerticiDi(x, y, s);
}

void ContestoDisegno::Linea(double x1, double y1, double x2, double y2, double s) {
    Dispositivo& d = Corrente();
    d.Linea(Trasforma(x1, y1, s), Trasforma(x2, y2, s), colore_);
}

void ContestoDisegno::Arco(double xc, double yc, double r, double a1, double a2, double s) {
    Dispositivo& d = Corrente();
    const Punto centro = Trasforma(xc, yc, s);
    if (!std::isfinite(r) || !std::isfinite(a1) || !std::isfinite(a2))
        throw ErroreDisegno(ErroreDisegno::Tipo::ValoreNonFinito, "Arco con raggio o angoli non finiti");
    if (!(r > 0)) return;
    d.Arco(centro, r, a1, a2, colore_);
}

void ContestoDisegno::PolilineaTrasformata(std::vector<Punto> p, bool chiusa) {
    Dispositivo& d = Corrente();
    if (p.size() < 2) return;
    if (chiusa) p.push_back(p.front());
    d.Polilinea(p, colore_);
}

void ContestoDisegno::Polilinea(std::span<const double> x, std::span<const double> y, double s) {
    PolilineaTrasformata(Vertici(x, y, s), false);
}
void ContestoDisegno::Polilinea(std::span<const float> x, std::span<const float> y, double s) {
    PolilineaTrasformata(Vertici(x, y, s), false);
}
void ContestoDisegno::Poligono(std::span<const double> x, std::span<const double> y, double s) {
    PolilineaTrasformata(Vertici(x, y, s), true);
}
void ContestoDisegno::Poligono(std::span<const float> x, std::span<const float> y, double s) {
    PolilineaTrasformata(Vertici(x, y, s), true);
}

void ContestoDisegno::Rettangolo(double x1, double y1, double x2, double y2, double s) {
    const double x[] = {x1, x2, x2, x1};
    const double y[] = {y1, y1, y2, y2};
    Poligono(x, y, s);
}

void ContestoDisegno::SolidoGrezzo(std::vector<Punto> p) {
    Dispositivo& d = Corrente();
    for (const auto& v : p)
        Controllato(v.x, v.y);
    d.Solido(p, colore_);
}

void ContestoDisegno::Solido(std::span<const double> x, std::span<const double> y) {
    StesseDimensioni(x, y);
    std::vector<Punto> p;
    for (std::size_t i = 0; i < x.size(); ++i)
        p.push_back({x[i], y[i]});
    SolidoGrezzo(std::move(p));
}

void ContestoDisegno::Solido(std::span<const float> x, std::span<const float> y) {
    StesseDimensioni(x, y);
    std::vector<Punto> p;
    for (std::size_t i = 0; i < x.size(); ++i)
        p.push_back({x[i], y[i]});
    SolidoGrezzo(std::move(p));
}

void ContestoDisegno::Testo(double x, double y, double h, std::string_view testo, double s, bool abbassa) {
    Dispositivo& d = Corrente();
    Punto p = Trasforma(x, y, s);
    if (!std::isfinite(h))
        throw ErroreDisegno(ErroreDisegno::Tipo::ValoreNonFinito, "Altezza del testo non finita");
    if (abbassa && d.AbbassaTesto()) p.y -= 1.5 * h;
    d.Testo(p, h, testo, colore_, Allineamento::Sinistra);
}

void ContestoDisegno::Freccia(double x, double y, double dimensione, double angolo, bool piena) {
    const double c = std::cos(angolo), s = std::sin(angolo);
    const double fattoreY = scalaY_ * scalaProporzioni_;
    const auto vertice = [&](double dx, double dy) {
        return Punto{x + dx * c - dy * s, y + (dx * s + dy * c) * fattoreY};
    };
    const Punto p[] = {
        {x, y}, vertice(dimensione / 2, 2 * dimensione), vertice(-dimensione / 2, 2 * dimensione)};
    if (!piena) {
        const double xs[] = {p[0].x, p[1].x, p[2].x};
        const double ys[] = {p[0].y, p[1].y, p[2].y};
        Poligono(xs, ys, 1);
        return;
    }
    // The solid is placed with the y origin like the outline, so that a filled head stays on the
    // line it ends even in a drawing moved by its origin.
    const double o = origineYdxf_;
    SolidoGrezzo({{p[0].x, p[0].y + o}, {p[1].x, p[1].y + o}, {p[2].x, p[2].y + o}, {p[2].x, p[2].y + o}});
}

void ContestoDisegno::Tratteggia(const std::vector<Punto>& poligono, double angoloGradi, double k,
                                 std::optional<double> s, std::shared_ptr<Dispositivo> dispositivo) {
    if (poligono.size() <= 2) return;
    const auto linee = SegmentiTratteggio(poligono, angoloGradi, k);
    double xMin = poligono[0].x, xMax = xMin, yMin = poligono[0].y, yMax = yMin;
    for (const auto& p : poligono) {
        xMin = std::min(xMin, p.x), xMax = std::max(xMax, p.x);
        yMin = std::min(yMin, p.y), yMax = std::max(yMax, p.y);
    }
    zeroMaxDimen_ = std::max(xMax - xMin, yMax - yMin) / 1e6;
    if (s) scalaY_ = *s;
    if (dispositivo) dispositivo_ = std::move(dispositivo);
    for (const auto& l : linee)
        Linea(l.a.x, l.a.y, l.b.x, l.b.y, scalaY_);
}

void ContestoDisegno::TratteggiaPoligono(std::span<const double> x, std::span<const double> y,
                                         double angoloGradi, double k, std::optional<double> s,
                                         std::shared_ptr<Dispositivo> dispositivo) {
    Tratteggia(PuntiDi(x, y), angoloGradi, k, s, std::move(dispositivo));
}

void ContestoDisegno::TratteggiaPoligono(std::span<const float> x, std::span<const float> y,
                                         double angoloGradi, double k, std::optional<double> s,
                                         std::shared_ptr<Dispositivo> dispositivo) {
    Tratteggia(PuntiDi(x, y), angoloGradi, k, s, std::move(dispositivo));
}

} // namespace vc
