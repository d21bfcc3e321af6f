#include "sections/SezioneCA.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace vc {

double GaussSegno(const std::vector<double>& x, const std::vector<double>& y) {
    const std::size_t n = x.size();
    if (n < 3) return 0.0;
    // 2·Sup = Σ (x(i−1) − x(i+1))·y(i), cyclically.
    double doppia = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t prec = (i + n - 1) % n;
        const std::size_t succ = (i + 1) % n;
        doppia += (x[prec] - x[succ]) * y[i];
    }
    return doppia / 2.0;
}

double stat_tri(double area, const double c[3]) { return area * (c[0] + c[1] + c[2]) / 3.0; }

double jota_tri(double area, const double c[3]) {
    const double a = c[0] + c[1], b = c[1] + c[2], d = c[2] + c[0];
    return area * (a * a + b * b + d * d) / 12.0;
}

double jota_xy_tri(double area, const double x[3], const double y[3]) {
    return area * ((x[0] + x[1]) * (y[0] + y[1]) + (x[1] + x[2]) * (y[1] + y[2]) + (x[2] + x[0]) * (y[2] + y[0])) /
           12.0;
}

double AngoloPieno(double numeratore, double denominatore) {
    constexpr double pi = std::numbers::pi;
    if (denominatore == 0.0) {
        if (numeratore > 0.0) return pi / 2.0;
        if (numeratore < 0.0) return 3.0 * pi / 2.0;
        return 0.0;
    }
    const double rapporto = numeratore / denominatore;
    if (!std::isfinite(rapporto)) return (numeratore > 0.0) == (denominatore > 0.0) ? pi / 2.0 : 3.0 * pi / 2.0;
    double angolo = std::atan(rapporto);
    if (denominatore < 0.0)
        angolo += pi;
    else if (numeratore < 0.0)
        angolo += 2.0 * pi;
    return angolo;
}

CaratteristichePoligono CaratteristicheStatichePoligono(const std::vector<double>& x, const std::vector<double>& y,
                                                        const Contributi& aggiunte) {
    CaratteristichePoligono r;
    double A = 0, Sx = 0, Sy = 0, Jx = 0, Jy = 0, Jxy = 0;
    for (std::size_t i = 1; i + 1 < x.size(); ++i) {
        const double tx[3] = {x[0], x[i], x[i + 1]};
        const double ty[3] = {y[0], y[i], y[i + 1]};
        const double a = GaussSegno({tx[0], tx[1], tx[2]}, {ty[0], ty[1], ty[2]});
        A += a;
        Sx += stat_tri(a, ty);
        Sy += stat_tri(a, tx);
        Jx += jota_tri(a, ty);
        Jy += jota_tri(a, tx);
        Jxy += jota_xy_tri(a, tx, ty);
    }
    // A clockwise outline yields every integral with a negative sign: turn them positive.
    if (A < 0.0) {
        A = -A, Sx = -Sx, Sy = -Sy, Jx = -Jx, Jy = -Jy, Jxy = -Jxy;
    }
    A += aggiunte.Area, Sx += aggiunte.Sx, Sy += aggiunte.Sy;
    Jx += aggiunte.Jx, Jy += aggiunte.Jy, Jxy += aggiunte.Jxy;
    if (A == 0.0) {
        r.Nulla = true;
        return r;
    }
    r.Area = A;
    r.xG = Sy / A;
    r.yG = Sx / A;
    r.JxG = Jx - r.yG * r.yG * A;
    r.JyG = Jy - r.xG * r.xG * A;
    r.JxyG = Jxy - A * r.xG * r.yG;
    r.Alfa = -AngoloPieno(2.0 * r.JxyG, r.JxG - r.JyG) / 2.0;
    const double media = (r.JxG + r.JyG) / 2.0;
    const double R = std::sqrt((r.JxG - r.JyG) * (r.JxG - r.JyG) + 4.0 * r.JxyG * r.JxyG) / 2.0;
    r.J1 = media + R;
    r.J2 = media - R;
    r.Rho1 = std::sqrt(std::max(0.0, r.J1 / A));
    r.Rho2 = std::sqrt(std::max(0.0, r.J2 / A));
    return r;
}

void SezioneCA::CoordinateSezione() {
    switch (TipoSez) {
    case SezGenerica:
        return;
    case SezRettangolare:
        xVertici_.assign(4, 0.0f);
        yVertici_.assign(4, 0.0f);
        break;
    case SezT:
        xVertici_.assign(8, 0.0f);
        yVertici_.assign(8, 0.0f);
        break;
    default:
        throw std::invalid_argument("Tipo di sezione non implementato");
    }
    auto& x = xVertici_;
    auto& y = yVertici_;
    // Each vertex from the previous one, in single precision.
    x[0] = 0.0f, y[0] = 0.0f;
    x[1] = x[0], y[1] = y[0] - h1;
    if (TipoSez == SezRettangolare) {
        x[2] = x[1] - b1, y[2] = y[1];
        x[3] = x[2], y[3] = y[0];
        return;
    }
    const float sbalzo = (b1 - b2) / 2.0f;
    x[2] = x[1] - sbalzo, y[2] = y[1];
    x[3] = x[2], y[3] = y[2] - H2;
    x[4] = x[3] - b2, y[4] = y[3];
    x[5] = x[4], y[5] = y[2];
    x[6] = x[5] - sbalzo, y[6] = y[5];
    x[7] = x[6], y[7] = y[0];
}

void SezioneCA::CaratteristicheStaticheSezione() {
    if (nVertici() < 3) {
        SezioneNulla = true;
        return;
    }
    const std::vector<double> x(xVertici_.begin(), xVertici_.end());
    const std::vector<double> y(yVertici_.begin(), yVertici_.end());
    const CaratteristichePoligono p = CaratteristicheStatichePoligono(x, y);
    Area = p.Area;
    xG = p.xG;
    yG = p.yG;
    JotaXG = p.JxG;
    JotaYG = p.JyG;
    SezioneNulla = p.Nulla || JotaXG == 0.0 || !std::isfinite(JotaXG);
}

} // namespace vc
