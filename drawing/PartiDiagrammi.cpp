#include "drawing/PartiDiagrammi.h"

#include "drawing/DiagrammiTrave.h"
#include "drawing/core/ErroreDisegno.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vc::parti {

namespace {

double ScalaFissa(double scala) {
    if (!std::isfinite(scala) || !(scala > 0))
        throw ErroreDisegno(ErroreDisegno::Tipo::DatiNonValidi, TestoScalaFissaNulla);
    return scala;
}

double ScalaAutomatica(double campo, double larghezza) {
    return campo > 0 && larghezza > 0 ? ScalaArrotondata(1.5 * campo / larghezza) : 1.0;
}

} // namespace

Base BaseDi(const Velcora& trave) {
    double lunghezza = trave.LunghezzaTotale();
    if (!trave.Calcolata()) { // the load diagram needs only the data
        lunghezza = 0;
        for (int i = 1; i <= trave.nCampate(); ++i)
            lunghezza += static_cast<double>(trave.CampataI(i).Luce);
    }
    return {0, static_cast<float>(lunghezza), lunghezza / 100};
}

double xAppoggio(const Velcora& trave, int k) {
    double x = 0;
    for (int i = 1; i < k; ++i)
        x += static_cast<double>(trave.CampataI(i).Luce);
    return x;
}

void RidimensionaPerTesto(double hTesto, double& yMin, double& yMax) {
    yMax += 8 * hTesto;
    yMin -= 12 * hTesto;
}

RisultatoScala ScalaMcalcola(const Impostazioni& imp, double hTesto, double xMin, double xMax, double yMinIN,
                             double yMaxIN, double yfMin, double yfMax) {
    // The ranges always hold the axis.
    yMaxIN = std::max(yMaxIN, 0.0);
    yMinIN = std::min(yMinIN, 0.0);
    yfMax = std::max(yfMax, 0.0);
    yfMin = std::min(yfMin, 0.0);
    const double campo = yMaxIN - yMinIN;
    const double campoFrecce = yfMax - yfMin;
    const double larghezza = xMax - xMin;
    const bool deformata = imp.VisualizzaDeformata;

    RisultatoScala r;
    if (imp.ScalePreimpostate) {
        r.Scala = ScalaFissa(imp.ScalaFissaM);
        r.ScalaFR = deformata ? ScalaFissa(imp.ScalaFissaFreccia) : imp.ScalaFissaFreccia;
    } else {
        r.Scala = ScalaAutomatica(campo, larghezza);
        // The deflected shape a fifth as high as the moment diagram.
        const double altezza = campo > 0 ? campo / r.Scala : larghezza / 1.5;
        r.ScalaFR = campoFrecce > 0 && altezza > 0 ? ScalaArrotondata(5 * campoFrecce / altezza) : 1.0;
    }
    r.yMin = yMinIN / r.Scala;
    r.yMax = yMaxIN / r.Scala;
    if (deformata && campoFrecce > 0) {
        r.yMin = std::min(r.yMin, yfMin / r.ScalaFR);
        r.yMax = std::max(r.yMax, yfMax / r.ScalaFR);
    }
    RidimensionaPerTesto(hTesto, r.yMin, r.yMax);
    return r;
}

RisultatoScala ScalaTcalcola(const Impostazioni& imp, double hTesto, double xMin, double xMax, double yMinIN,
                             double yMaxIN) {
    if (!imp.ScalePreimpostate) return ScalaYcalcola(hTesto, xMin, xMax, yMinIN, yMaxIN);
    yMaxIN = std::max(yMaxIN, 0.0);
    yMinIN = std::min(yMinIN, 0.0);
    RisultatoScala r;
    r.Scala = ScalaFissa(imp.ScalaFissaT);
    r.yMin = yMinIN / r.Scala;
    r.yMax = yMaxIN / r.Scala;
    RidimensionaPerTesto(hTesto, r.yMin, r.yMax);
    return r;
}

RisultatoScala ScalaYcalcola(double hTesto, double xMin, double xMax, double yMinIN, double yMaxIN) {
    yMaxIN = std::max(yMaxIN, 0.0);
    yMinIN = std::min(yMinIN, 0.0);
    RisultatoScala r;
    r.Scala = ScalaAutomatica(yMaxIN - yMinIN, xMax - xMin);
    r.yMin = yMinIN / r.Scala;
    r.yMax = yMaxIN / r.Scala;
    RidimensionaPerTesto(hTesto, r.yMin, r.yMax);
    return r;
}

namespace {

// The symbol of one end of the beam at x0; verso points outwards.
void Estremo(Disegno& d, VincoloEstremo vincolo, double x0, double verso, double D, double ScalaY) {
    if (vincolo == VincoloEstremo::Incastro) {
        d.Linea(x0, -D, x0, D, {7, 3}, ScalaY);
    } else if (vincolo == VincoloEstremo::Elastico) {
        d.Arco(x0 + verso * 2 * D, 0, 2 * D, 0, std::numbers::pi, {7, 1}, ScalaY);
        d.Linea(x0 + verso * 3 * D, 0, x0 + verso * 5 * D, 0, {7, 3}, ScalaY);
    }
}

bool ConTriangolo(VincoloEstremo vincolo) {
    return vincolo == VincoloEstremo::Appoggio || vincolo == VincoloEstremo::Elastico;
}

} // namespace

void PlottaTrave(Disegno& d, const Velcora& trave, double xMin, double xMax, double ScalaY) {
    const int n = trave.nCampate();
    const double D = (xMax - xMin) / 50;
    Estremo(d, trave.VincoloEstremoSinistro(), xMin, -1, D, ScalaY);
    Estremo(d, trave.VincoloEstremoDestro(), xMax, 1, D, ScalaY);

    const double altezza = D * std::sqrt(3.0) / 2;
    for (int k = 1; k <= n + 1; ++k) {
        if (k == 1 && !ConTriangolo(trave.VincoloEstremoSinistro())) continue;
        if (k == n + 1 && !ConTriangolo(trave.VincoloEstremoDestro())) continue;
        const double xk = k == n + 1 ? xMax : xMin + xAppoggio(trave, k);
        const double x[] = {xk, xk + D / 2, xk - D / 2, xk};
        const double y[] = {0, -altezza, -altezza, 0};
        d.Polilinea(x, y, {7, 2}, ScalaY);
    }

    for (int i = 1; i <= n; ++i) {
        const double xa = xMin + xAppoggio(trave, i);
        const double xb = i == n ? xMax : xMin + xAppoggio(trave, i + 1);
        const double xm = (xa + xb) / 2;
        d.Linea(xa, 0, xm, 0, {7, 3}, ScalaY);
        d.Linea(xm, 0, xb, 0, {7, 3}, ScalaY);
    }
}

} // namespace vc::parti
