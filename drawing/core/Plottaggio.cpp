#include "drawing/core/Plottaggio.h"

#include "drawing/core/ErroreDisegno.h"

#include <algorithm>
#include <cmath>

namespace vc {

namespace {

bool ConArea(Uscita u) {
    return u == Uscita::Video || u == Uscita::Stampante;
}

// Widens min..max when it has no length: by 1, or by a millionth of the coordinate where 1 is
// lost in single precision.
void Allarga(float min, float& max) {
    if (max > min) return;
    max = min + 1;
    if (max <= min) max = min + std::max(1.0f, std::fabs(min) * 1e-6f);
}

} // namespace

void Plottaggio::Bordi(double sinistro, double inferiore, double destro, double superiore) {
    margini_ = {sinistro, inferiore, destro, superiore};
}

void Plottaggio::EstremiFinestra(float xSin, float yInf, float xDes, float ySup) {
    frazioni_ = {xSin, yInf, xDes, ySup};
}

void Plottaggio::Inizializza(Dispositivo& uscita, float xMin_, float xMax_, float yMin_, float yMax_,
                             float scalaY, bool mantieneProporzioni, float dxf_yorig, Messaggi& messaggi) {
    if (scalaY == 0) throw ErroreDisegno(ErroreDisegno::Tipo::DatiNonValidi, "Scala y nulla nel plottaggio");
    const float nuovoYMin = (yMin_ + dxf_yorig) / scalaY;
    const float nuovoYMax = (yMax_ + dxf_yorig) / scalaY;
    for (float v : {xMin_, xMax_, nuovoYMin, nuovoYMax, scalaY, dxf_yorig})
        if (!std::isfinite(v))
            throw ErroreDisegno(ErroreDisegno::Tipo::ValoreNonFinito, "Estremi del disegno non finiti");

    xMin = xMin_;
    xMax = xMax_;
    yMin = nuovoYMin;
    yMax = nuovoYMax;
    uscita_ = uscita.Tipo();
    scalaY_ = scalaY;
    mantieneProporzioni_ = mantieneProporzioni;

    if (yMax <= yMin) yMax = yMin + (xMax - xMin) / 1000;
    if (xMax <= xMin) xMax = xMin + (yMax - yMin) / 1000;
    Allarga(yMin, yMax);
    Allarga(xMin, xMax);
    if (!std::isfinite(xMax) || !std::isfinite(yMax))
        throw ErroreDisegno(ErroreDisegno::Tipo::ValoreNonFinito, "Estremi del disegno non finiti");

    if (ConArea(uscita_)) {
        AdattaAfinestra(uscita, messaggi);
    } else {
        ScalaMantieneProporzioni = 1;
        const float r = std::max(xMax - xMin, yMax - yMin);
        const auto [xSin, yInf, xDes, ySup] = frazioni_;
        const float sinistra = xMin - r * xSin, destra = xMax + (1 - xDes) * r;
        const float alto = yMax + (1 - ySup) * r, basso = yMin - r * yInf;
        xFinestra_ = {sinistra, sinistra, destra, destra};
        yFinestra_ = {alto, basso, basso, alto};
    }

    zeroMaxDimen_ = static_cast<double>(std::max(xMax - xMin, yMax - yMin)) / 1e6;
}

void Plottaggio::AdattaAfinestra(Dispositivo& uscita, Messaggi& messaggi) {
    auto& [xSin, yInf, xDes, ySup] = frazioni_;
    if (xDes == 0) {
        xDes = 1;
        if (ySup == 0) ySup = 1;
    }

    std::optional<ScalaDispositivo> area;
    if (ConArea(uscita.Tipo())) area = uscita.AreaPredefinita();
    if (!area) {
        messaggi.Mostra("ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista", Icona::Nessuna);
        area = ScalaDispositivo{};
    }
    const double W = area->Larghezza, H = area->Altezza;
    const double wd = (static_cast<double>(xDes) - xSin) * W;
    const double hd = (static_cast<double>(ySup) - yInf) * H;

    const auto [mSin, mInf, mDes, mSup] = margini_;
    const double dx = static_cast<double>(xMax) - xMin, dy = static_cast<double>(yMax) - yMin;
    const double x1 = xMin - dx * mSin, x2 = xMax + dx * mDes;
    const double y1 = yMin - dy * mInf, y2 = yMax + dy * mSup;

    if (!(wd > 0 && hd > 0 && x2 > x1 && y2 > y1)) {
        const auto fx1 = static_cast<float>(x1), fx2 = static_cast<float>(x2);
        const auto fy1 = static_cast<float>(y1), fy2 = static_cast<float>(y2);
        xFinestra_ = {fx1, fx1, fx2, fx2};
        yFinestra_ = {fy2, fy1, fy1, fy2};
        ScalaMantieneProporzioni = 1;
        return;
    }

    const double xSUyW = wd / hd;
    const double xSUyG = (x2 - x1) / (y2 - y1);
    double sx = (x2 - x1) / wd;
    double sy = (y2 - y1) / hd;
    if (mantieneProporzioni_) {
        if (xSUyW > xSUyG)
            sx = sy;
        else
            sy = sx;
    }

    double sinistra = x1 - xSin * W * sx;
    double alto = y2 + (1 - static_cast<double>(ySup)) * H * sy;
    double destra = sinistra + W * sx;
    double basso = alto - H * sy;
    uscita.ImpostaScalaUtente({sinistra, alto, destra - sinistra, basso - alto});
    if (uscita.Tipo() == Uscita::Video) CentraPlottaggio(uscita, xSUyW, xSUyG, sinistra, alto, destra, basso);

    xFinestra_ = {static_cast<float>(sinistra), static_cast<float>(sinistra), static_cast<float>(destra),
                  static_cast<float>(destra)};
    yFinestra_ = {static_cast<float>(alto), static_cast<float>(basso), static_cast<float>(basso),
                  static_cast<float>(alto)};
    ScalaMantieneProporzioni = mantieneProporzioni_ ? 1.0f : static_cast<float>(sy / sx);
}

void Plottaggio::CentraPlottaggio(Dispositivo& uscita, double xSUyW, double xSUyG, double& x1, double& y1,
                                  double& x2, double& y2) const {
    if (xSUyW > xSUyG) {
        const double d = (static_cast<double>(xMax) + xMin) / 2 - (x1 + x2) / 2;
        x1 += d;
        x2 += d;
    } else {
        const double d = (static_cast<double>(yMax) + yMin) / 2 - (y1 + y2) / 2;
        y1 += d;
        y2 += d;
    }
    uscita.ImpostaScalaUtente({x1, y1, x2 - x1, y2 - y1});
}

void Plottaggio::PlottaFinestra(Disegno& disegno, const Stile& stile) const {
    const double x2 = xFinestra_[1], y2 = yFinestra_[1], x4 = xFinestra_[3], y4 = yFinestra_[3];
    const double sinistra = x2, basso = y2 + (y4 - y2) / 500, destra = x4 - (x4 - x2) / 1000, alto = y4;
    const double x[] = {sinistra, destra, destra, sinistra};
    const double y[] = {basso, basso, alto, alto};
    disegno.Poligono(x, y, stile);
}

} // namespace vc
