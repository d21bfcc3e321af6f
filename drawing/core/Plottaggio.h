#pragma once
// The mapping of one drawing onto its device. A drawing is computed in its own world
// coordinates (metres along the beam, values divided by their scales); Plottaggio fixes its
// extents, chooses the part of a window or page it may use, keeps or releases equal scales in
// x and y, sets the user coordinates of the window or printer so that the primitives can be
// given in world coordinates, centres the drawing in the spare direction on a window, and
// makes its device and y scale current in the drawing context. On files and CAD drawings the
// world coordinates are written unchanged; only a window around the extents is recorded.
//
// Each drawing owner (a section, the beam) keeps one Plottaggio and reuses it for every
// drawing, so margins and device fractions set once stay in force until changed.

#include "drawing/core/ContestoDisegno.h"
#include "drawing/core/Dispositivo.h"
#include "support/Messaggi.h"

#include <array>
#include <memory>

namespace vc {

class Plottaggio {
  public:
    // Data extents; y already divided by the y scale (see Inizializza).
    float xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    // Ratio of the y scale to the x scale actually used; 1 when proportions are kept.
    float ScalaMantieneProporzioni = 1;

    // Margins as fractions of the data width (left, right) and height (bottom, top).
    void Bordi(double sinistro, double inferiore, double destro, double superiore);
    // The part of the device area the drawing may use, as fractions of its width and height
    // measured from the left and from the bottom.
    void EstremiFinestra(float xSin, float yInf, float xDes, float ySup);

    // Sets up the mapping and makes it current:
    //  - xMin..xMax as given, yMin/yMax = (y + dxf_yorig) / scalaY; the y origin of the context
    //    becomes dxf_yorig;
    //  - degenerate extents are widened: a flat drawing gets a height of a thousandth of its
    //    width (and the other way round), a single point a 1 × 1 window; should that still give
    //    no height or width (coordinates so large that adding 1 changes nothing in single
    //    precision), the extent is widened by a millionth of the coordinate;
    //  - on "VIDEO" and "STAMPANTE" AdattaAfinestra fits the drawing to the device area; on other
    //    devices the window corners are the extents enlarged by R = the larger extent times the
    //    device fractions (xSin to the left, 1 − xDes to the right, yInf below, 1 − ySup above);
    //  - the context receives the y scale and the device, ZeroMaxDimen = the larger extent / 1E+6
    //    and ScalaProporzioni = ScalaMantieneProporzioni.
    // A y scale of 0 throws ErroreDisegno (DatiNonValidi); an extent that is not finite
    // ErroreDisegno (ValoreNonFinito). A null device is a programming error.
    void Inizializza(ContestoDisegno& ctx, float xMin_, float xMax_, float yMin_, float yMax_,
                     std::shared_ptr<Dispositivo> uscita, float scalaY, bool mantieneProporzioni,
                     float dxf_yorig);

    // Fits the drawing into the usable rectangle of a window or printer page and sets the
    // device's user coordinates. A device without an area (file or CAD) shows
    // "ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista". When the usable rectangle has
    // no width or no height (such a device, a window shrunk to nothing, fractions that enclose
    // nothing) the device's coordinates are left alone and the corners are the data window with
    // its margins, so that nothing divides by zero.
    void AdattaAfinestra(Messaggi& messaggi);

    // Centres the data in the spare direction: when xSUyW > xSUyG (spare width) x1 and x2 move
    // together so that their middle is the middle of the data, otherwise y1 (top) and y2
    // (bottom) likewise; the device's user coordinates follow.
    void CentraPlottaggio(double xSUyW, double xSUyG, double& x1, double& y1, double& x2, double& y2);

    // The frame of the plot window, in the current colour, drawn just inside the visible area.
    void PlottaFinestra(ContestoDisegno& ctx) const;

    // Makes this drawing's y scale and device current again.
    void RipristinaDefault(ContestoDisegno& ctx) const;

    // Corners of the plot window in world coordinates: top-left, bottom-left, bottom-right,
    // top-right.
    const std::array<float, 4>& xFinestraPlt() const noexcept { return xFinestra_; }
    const std::array<float, 4>& yFinestraPlt() const noexcept { return yFinestra_; }

    // The settings, as last given.
    const std::array<double, 4>& Margini() const noexcept { return margini_; } // left, bottom, right, top
    const std::array<float, 4>& FrazioniDispositivo() const noexcept {
        return frazioni_;
    } // xSin, yInf, xDes, ySup
    const std::shared_ptr<Dispositivo>& DispositivoPlottaggio() const noexcept { return dispositivo_; }
    float ScalaY() const noexcept { return scalaY_; }
    bool MantieneProporzioni() const noexcept { return mantieneProporzioni_; }

  private:
    std::array<double, 4> margini_{};
    std::array<float, 4> frazioni_{};
    std::array<float, 4> xFinestra_{};
    std::array<float, 4> yFinestra_{};
    float scalaY_ = 1;
    bool mantieneProporzioni_ = true;
    std::shared_ptr<Dispositivo> dispositivo_;
};

} // namespace vc
