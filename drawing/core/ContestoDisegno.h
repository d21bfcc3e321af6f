#pragma once
// The drawing context: the state the drawing primitives work with (current device, y scale,
// ratio of the y to the x scale, coincidence tolerance, y origin, colour) and the primitives
// themselves. Drawing code receives the context and calls the primitives in world
// coordinates; the context transforms y, checks every value and hands the element to the
// current device. The program keeps one context (the main window owns it, as it owns the
// settings); there is no other copy of this state.
//
// y transform. A primitive with a y scale s sends every y as OrigineYdxf + y / s (the origin in
// single precision, the division in double); x is never transformed. Arco scales only the y of
// its centre, never the radius; Solido transforms nothing.
//
// Values. A coordinate that comes out NaN or infinite (a y scale of 0, a wrong datum) throws
// ErroreDisegno (ValoreNonFinito) before the device receives anything. Polylines of fewer than
// two points and arcs whose radius is not above zero have nothing to show and are not sent.
//
// Drawing with no current device is a programming error (std::logic_error).

#include "drawing/core/DisegnoCad.h"
#include "drawing/core/Dispositivo.h"
#include "drawing/core/Poligoni.h"
#include "support/Messaggi.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vc {

class ContestoDisegno {
  public:
    explicit ContestoDisegno(Messaggi& messaggi) : messaggi_(&messaggi) {}

    Messaggi& Avvisi() const noexcept { return *messaggi_; }

    // ---- Current device and scales ------------------------------------------------------------

    // The y scale and the device (with its target) become current.
    void ImpostaUscita(double scalaY, std::shared_ptr<Dispositivo> dispositivo);
    const std::shared_ptr<Dispositivo>& DispositivoCorrente() const noexcept { return dispositivo_; }
    // The name of the current device; nothing when there is none.
    std::optional<Uscita> UscitaCorrente() const;
    double ScalaYCorrente() const noexcept { return scalaY_; }

    // Ratio of the y to the x scale of the current plot (1 when proportions are kept).
    double ScalaProporzioni() const noexcept { return scalaProporzioni_; }
    void ScalaProporzioni(double v) noexcept { scalaProporzioni_ = v; }
    // Coincidence tolerance: largest dimension of the current plot / 1E+6.
    double ZeroMaxDimen() const noexcept { return zeroMaxDimen_; }
    void ZeroMaxDimen(double v) noexcept { zeroMaxDimen_ = v; }
    // Offset added to every y that goes through a primitive with a y scale.
    float OrigineYdxf() const noexcept { return origineYdxf_; }
    void OrigineYdxf(float v) noexcept { origineYdxf_ = v; }

    // ---- Colour and line width ----------------------------------------------------------------

    // The current colour, an AutoCAD colour number. It is kept as a number and each device
    // receives it as such (screen and printer turn it into RGB with ColoreRGB), so a colour set
    // before a device change still means the same colour.
    void ImpostaColore(int colore) noexcept { colore_ = colore; }
    int NumeroColore() const noexcept { return colore_; }
    // The current colour as the current device uses it: the number on "DXF", "DWG" and
    // "BLOCCO", the 0xBBGGRR value of ColoreRGB on screen and printer (and with no device).
    std::uint32_t ColoreCorrente() const;

    // The line width of the current device (screen: pixels; printer: 0.2 mm per unit; files and
    // CAD drawings ignore it). With a device, that device first becomes current.
    void ImpostaSpessore(double spessore);
    void ImpostaSpessore(double spessore, std::shared_ptr<Dispositivo> dispositivo);

    // ---- The CAD drawing that stands in for AutoCAD ---------------------------------------------

    // The drawing that "DWG" output and the block export draw into: made on first use and kept,
    // so that later outputs go on in the same drawing. It never fails.
    std::shared_ptr<DisegnoCad> ApriAutocad();
    const std::shared_ptr<DisegnoCad>& DisegnoCadAperto() const noexcept { return disegnoCad_; }

    // ---- Primitives -----------------------------------------------------------------------------

    void Linea(double x1, double y1, double x2, double y2, double s = 1);
    // Centre (xc, yc), radius r, counter-clockwise from a1 to a2 in radians.
    void Arco(double xc, double yc, double r, double a1, double a2, double s = 1);
    // The n points of x and y (equal sizes, else std::invalid_argument), open.
    void Polilinea(std::span<const double> x, std::span<const double> y, double s = 1);
    void Polilinea(std::span<const float> x, std::span<const float> y, double s = 1);
    // Closed: the n points then point 1 again.
    void Poligono(std::span<const double> x, std::span<const double> y, double s = 1);
    void Poligono(std::span<const float> x, std::span<const float> y, double s = 1);
    // The closed outline (x1, y1), (x2, y1), (x2, y2), (x1, y2).
    void Rettangolo(double x1, double y1, double x2, double y2, double s = 1);
    // A filled figure of n vertices, the last closing or repeating it; no transform. Each
    // device draws it its own way (see Dispositivo::Solido).
    void Solido(std::span<const double> x, std::span<const double> y);
    void Solido(std::span<const float> x, std::span<const float> y);
    // Text of height h at (x, y): the left end of the base line on files and CAD drawings, the
    // top-left corner on screen and printer. With abbassa the text hangs from the point on "DXF"
    // and "DWG" (lowered by 1.5·h).
    void Testo(double x, double y, double h, std::string_view testo, double s = 1, bool abbassa = false);
    // An arrowhead with its tip at (x, y), 2·dimensione long and dimensione wide at its base,
    // pointing down when angolo is 0 and turned counter-clockwise by angolo (radians) about the
    // tip; the y offsets from the tip are multiplied by ScalaYCorrente × ScalaProporzioni so that
    // it keeps its shape when the two scales differ. Outline: a closed triangle; piena: a solid
    // of four vertices, the last repeating the third. Both are placed with the y origin.
    void Freccia(double x, double y, double dimensione, double angolo, bool piena);
    // Hatch of the closed polygon (see SegmentiTratteggio), every line drawn with Linea. Sets
    // ZeroMaxDimen from the polygon's size; a given y scale and device first become current;
    // the lines use the current y scale.
    void TratteggiaPoligono(std::span<const double> x, std::span<const double> y, double angoloGradi,
                            double k, std::optional<double> s = std::nullopt,
                            std::shared_ptr<Dispositivo> dispositivo = nullptr);
    void TratteggiaPoligono(std::span<const float> x, std::span<const float> y, double angoloGradi, double k,
                            std::optional<double> s = std::nullopt,
                            std::shared_ptr<Dispositivo> dispositivo = nullptr);

  private:
    Dispositivo& Corrente() const;
    Punto Trasforma(double x, double y, double s) const;
    static Punto Controllato(double x, double y);
    std::vector<Punto> Vertici(std::span<const double> x, std::span<const double> y, double s) const;
    std::vector<Punto> Vertici(std::span<const float> x, std::span<const float> y, double s) const;
    template <typename T> std::vector<Punto> VerticiDi(std::span<const T> x, std::span<const T> y, double s) const;
    void PolilineaTrasformata(std::vector<Punto> p, bool chiusa);
    void SolidoGrezzo(std::vector<Punto> p);
    void Tratteggia(const std::vector<Punto>& poligono, double angoloGradi, double k, std::optional<double> s,
                    std::shared_ptr<Dispositivo> dispositivo);

    Messaggi* messaggi_;
    std::shared_ptr<Dispositivo> dispositivo_;
    double scalaY_ = 1;
    double scalaProporzioni_ = 1;
    double zeroMaxDimen_ = 0;
    float origineYdxf_ = 0;
    int colore_ = 7;
    std::shared_ptr<DisegnoCad> disegnoCad_;
};

} // namespace vc
