#pragma once
// The mapping of one drawing onto its device. A drawing is computed in its own world
// coordinates (metres along the beam, values divided by their scales); Plottaggio fixes its
// extents, chooses the part of a window or page it may use, keeps or releases equal scales in
// x and y, sets the user coordinates of the window or printer so that the items can be given
// in world coordinates, and centres the drawing in the spare direction on a window. On files
// and CAD drawings the world coordinates are written unchanged; only a window around the
// extents is recorded.
//
// A Plottaggio is a value: the device step (DisegnaSu) makes one for each drawing it puts on a
// device and returns it, so that the caller sees how the drawing was fitted. It keeps no
// device; the device is given to each call that sets its coordinates.

#include "drawing/core/Disegno.h"
#include "drawing/core/Dispositivo.h"
#include "support/Messaggi.h"

#include <array>

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

    // Sets up the mapping of a drawing onto the device:
    //  - xMin..xMax as given, yMin/yMax = (y + dxf_yorig) / scalaY;
    //  - degenerate extents are widened: a flat drawing gets a height of a thousandth of its
    //    width (and the other way round), a single point a 1 × 1 window; should that still give
    //    no height or width (coordinates so large that adding 1 changes nothing in single
    //    precision), the extent is widened by a millionth of the coordinate;
    //  - on "VIDEO" and "STAMPANTE" AdattaAfinestra fits the drawing to the device area; on other
    //    devices the window corners are the extents enlarged by R = the larger extent times the
    //    device fractions (xSin to the left, 1 − xDes to the right, yInf below, 1 − ySup above);
    //  - ZeroMaxDimen = the larger extent / 1E+6.
    // A y scale of 0 throws ErroreDisegno (DatiNonValidi); an extent that is not finite
    // ErroreDisegno (ValoreNonFinito).
    void Inizializza(Dispositivo& uscita, float xMin_, float xMax_, float yMin_, float yMax_, float scalaY,
                     bool mantieneProporzioni, float dxf_yorig, Messaggi& messaggi);

    // Fits the drawing into the usable rectangle of a window or printer page and sets the
    // device's user coordinates. A device without an area (file or CAD) shows
    // "ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista". When the usable rectangle has
    // no width or no height (such a device, a window shrunk to nothing, fractions that enclose
    // nothing) the device's coordinates are left alone and the corners are the data window with
    // its margins, so that nothing divides by zero.
    void AdattaAfinestra(Dispositivo& uscita, Messaggi& messaggi);

    // Centres the data in the spare direction: when xSUyW > xSUyG (spare width) x1 and x2 move
    // together so that their middle is the middle of the data, otherwise y1 (top) and y2
    // (bottom) likewise; the device's user coordinates follow.
    void CentraPlottaggio(Dispositivo& uscita, double xSUyW, double xSUyG, double& x1, double& y1, double& x2,
                          double& y2) const;

    // The frame of the plot window, added to a drawing: a rectangle just inside the visible area.
    void PlottaFinestra(Disegno& disegno, const Stile& stile) const;

    // Corners of the plot window in world coordinates: top-left, bottom-left, bottom-right,
    // top-right.
    const std::array<float, 4>& xFinestraPlt() const noexcept { return xFinestra_; }
    const std::array<float, 4>& yFinestraPlt() const noexcept { return yFinestra_; }

    // The settings, as last given.
    const std::array<double, 4>& Margini() const noexcept { return margini_; } // left, bottom, right, top
    const std::array<float, 4>& FrazioniDispositivo() const noexcept {
        return frazioni_;
    } // xSin, yInf, xDes, ySup
    // The device kind the mapping was made for.
    Uscita TipoUscita() const noexcept { return uscita_; }
    float ScalaY() const noexcept { return scalaY_; }
    bool MantieneProporzioni() const noexcept { return mantieneProporzioni_; }
    // Coincidence tolerance: the larger extent / 1E+6.
    double ZeroMaxDimen() const noexcept { return zeroMaxDimen_; }

  private:
    std::array<double, 4> margini_{};
    std::array<float, 4> frazioni_{};
    std::array<float, 4> xFinestra_{};
    std::array<float, 4> yFinestra_{};
    float scalaY_ = 1;
    bool mantieneProporzioni_ = true;
    double zeroMaxDimen_ = 0;
    Uscita uscita_ = Uscita::Dxf;
};

} // namespace vc
