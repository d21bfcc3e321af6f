#include "drawing/core/Poligoni.h"

#include "drawing/core/ErroreDisegno.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vc {

namespace {

// Hatch angles are converted with this value of π.
constexpr double PiTratteggio = 3.14159265358979;
constexpr double MassimoLineeTratteggio = 100000;

template <typename T> Estremi CalcolaEstremi(std::span<const T> x, std::span<const T> y) {
    Estremi e;
    const auto n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto xi = static_cast<float>(x[i]);
        const auto yi = static_cast<float>(y[i]);
        e.xMin = std::min(e.xMin, xi);
        e.xMax = std::max(e.xMax, xi);
        e.yMin = std::min(e.yMin, yi);
        e.yMax = std::max(e.yMax, yi);
    }
    return e;
}

} // namespace

Estremi EstremiPoligono(std::span<const double> x, std::span<const double> y) {
    return CalcolaEstremi(x, y);
}
Estremi EstremiPoligono(std::span<const float> x, std::span<const float> y) {
    return CalcolaEstremi(x, y);
}

std::vector<Punto> PuntiArco(const Punto& centro, double raggio, double a1, double a2) {
    const double giro = 2 * std::numbers::pi;
    const double inizio = std::fmod(std::fmod(a1, giro) + giro, giro);
    double fine = std::fmod(std::fmod(a2, giro) + giro, giro);
    if (fine <= inizio) fine += giro;
    const auto punto = [&](double a) {
        return Punto{centro.x + raggio * std::cos(a), centro.y + raggio * std::sin(a)};
    };
    std::vector<Punto> p = {punto(inizio), punto(fine)};
    for (int q = 0; q < 8; ++q) {
        const double a = q * std::numbers::pi / 2;
        if (a > inizio && a < fine) p.push_back(punto(a));
    }
    return p;
}

std::vector<Segmento> SegmentiTratteggio(std::span<const Punto> poligono, double angoloGradi, double k) {
    if (!std::isfinite(angoloGradi) || !std::isfinite(k))
        throw ErroreDisegno(ErroreDisegno::Tipo::ValoreNonFinito, "Tratteggio con angolo o passo non finito");
    std::vector<Segmento> linee;
    const auto n = poligono.size();
    if (n <= 2 || k == 0) return linee;

    const double a = angoloGradi * PiTratteggio / 180;
    const double c = std::cos(a), s = std::sin(a);
    std::vector<Punto> ruotato(n);
    double yMin = HUGE_VAL, yMax = -HUGE_VAL;
    for (std::size_t i = 0; i < n; ++i) {
        const auto& p = poligono[i];
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            throw ErroreDisegno(ErroreDisegno::Tipo::ValoreNonFinito,
                                "Tratteggio di un poligono con vertici non finiti");
        ruotato[i] = {p.x * c + p.y * s, -p.x * s + p.y * c};
        yMin = std::min(yMin, ruotato[i].y);
        yMax = std::max(yMax, ruotato[i].y);
    }
    if (!(yMax > yMin)) return linee;

    double strisce = 0, altezza = 0;
    if (k < 0) {
        altezza = -k;
        strisce = std::nearbyint((yMax - yMin) / altezza);
    } else {
        strisce = k;
        altezza = (yMax - yMin) / k;
    }
    const double quante = std::floor(strisce - 1);
    if (!(quante >= 1)) return linee;
    if (quante > MassimoLineeTratteggio)
        throw ErroreDisegno(ErroreDisegno::Tipo::DatiNonValidi, "Tratteggio troppo fitto");

    std::vector<double> xs;
    const auto nLinee = static_cast<int>(quante);
    for (int i = 1; i <= nLinee; ++i) {
        const double yl = yMin + i * altezza;
        xs.clear();
        for (std::size_t j = 0; j < n; ++j) {
            const auto& p = ruotato[j];
            const auto& q = ruotato[(j + 1) % n];
            // Half-open on y: a vertex the outline passes through is met once, a turning vertex
            // twice or never, a horizontal side never.
            if ((p.y <= yl && yl < q.y) || (q.y <= yl && yl < p.y))
                xs.push_back(p.x + (yl - p.y) * (q.x - p.x) / (q.y - p.y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t j = 0; j + 1 < xs.size(); j += 2) {
            const auto indietro = [c, s, yl](double xr) { return Punto{xr * c - yl * s, xr * s + yl * c}; };
            linee.push_back({indietro(xs[j]), indietro(xs[j + 1])});
        }
    }
    return linee;
}

} // namespace vc
