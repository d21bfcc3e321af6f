#pragma once
// The output devices of the drawing layer. Every drawing of the program (section outline,
// moment and shear diagrams, load diagrams) is first made as a Disegno (Disegno.h): plain
// items in world coordinates, each with its colour and width. The device step (DisegnaSu,
// DisegnoSuDispositivo.h) fits it to a device and sends it the items one by one; the drawing
// code never asks which device it is drawing on, and what differs between devices is data the
// device gives (AbbassaTesto, MostraLegenda, its area).
//
// Devices, by name:
//   "VIDEO"      a window on screen            (written in ui/ on a QPainter)
//   "STAMPANTE"  the printer page              (written in ui/ on a QPainter over a QPrinter)
//   "DXF"        a plain DXF file              (DispositivoDxf)
//   "DWG"        model space of the CAD drawing (DispositivoCad)
//   "BLOCCO"     a block of the CAD drawing     (DispositivoCad)
//
// Writing a screen or printer device. Derive from Dispositivo, return Uscita::Video or
// Uscita::Stampante from Tipo(), and:
//  - AreaPredefinita(): drop any user coordinates and report the drawable area in the device's
//    own units, top-left origin, y downwards (a widget: 0, 0, width(), height() in pixels; a
//    printer: the page rectangle in device pixels). Plottaggio reads it to fit a drawing.
//  - ImpostaScalaUtente(s): from now on world coordinates map onto the area: the device
//    point of (x, y) is (x − s.Sinistra)/s.Larghezza·W and (y − s.Alto)/s.Altezza·H (Altezza is
//    negative, so y grows upwards). With a QPainter this is one QTransform.
//  - the primitives receive world coordinates, colour as an AutoCAD colour number: convert it
//    with ColoreRGB/ComponentiRGB. The line width is set beforehand through ImpostaSpessore
//    whenever it changes (screen: pixels; printer: SpessoreStampanteInPixel). Arc angles are
//    radians, counter-clockwise in world coordinates. Text: the point is the top-left corner of
//    the text in the device's current font (the height argument may be ignored, as the
//    window's font decides), moved left by the whole or half its width when it is right-aligned
//    or centred.
//  - Solido has a default that draws the outline and a hatch of 20 strips with Linea and
//    Polilinea; a device may fill the polygon instead.
// A window's device is best made for one paint (holding the QPainter of that paintEvent) and
// handed to DisegnaSu; the device step keeps nothing of it afterwards.
//
// A sketch of the window device:
//   class DispositivoVideo : public vc::Dispositivo {
//       QPainter& p_; QSize area_; QTransform mondo_;
//       Uscita Tipo() const override { return Uscita::Video; }
//       std::optional<ScalaDispositivo> AreaPredefinita() override {
//           p_.resetTransform(); return ScalaDispositivo{0, 0, area_.width(), area_.height()}; }
//       void ImpostaScalaUtente(const ScalaDispositivo& s) override {
//           mondo_ = QTransform::fromScale(area_.width() / s.Larghezza, area_.height() / s.Altezza)
//                        .translate(-s.Sinistra, -s.Alto); }   // world → pixels
//       void Linea(const Punto& a, const Punto& b, int c) override {
//           p_.setPen(penna(c)); p_.drawLine(mondo_.map(QPointF(a.x, a.y)), mondo_.map(QPointF(b.x, b.y))); }
//       ...
//   };

#include "drawing/core/Punto.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vc {

enum class Uscita { Video, Stampante, Dxf, Dwg, Blocco };

// "VIDEO", "STAMPANTE", "DXF", "DWG", "BLOCCO".
std::string_view NomeUscita(Uscita u);
// The device of a name; nothing for any other text.
std::optional<Uscita> UscitaDaNome(std::string_view nome);

// An AutoCAD colour number as RGB written 0xBBGGRR: 0 white, 1 red, 2 yellow, 3 green, 4 cyan,
// 5 blue, 6 magenta, 7 black, 8 grey, 11 dark red, 13 green (0x00C000); any other black.
std::uint32_t ColoreRGB(int numero);

struct ComponentiColore {
    std::uint8_t Rosso = 0, Verde = 0, Blu = 0;
    friend bool operator==(const ComponentiColore&, const ComponentiColore&) = default;
};
// The red, green and blue of a 0xBBGGRR value.
ComponentiColore ComponentiRGB(std::uint32_t rgb);

// Printer line width in device pixels for a width in drawing units, one unit being 0.2 mm on
// paper: the integer part of 2·spessore·5.67 twips over the printer's twips per pixel.
int SpessoreStampanteInPixel(double spessore, double puntiPerPollice);

// A rectangle in a device's coordinates: left, top, width, height. As the default area of a
// device the height is positive (y downwards); as user coordinates it is negative (y upwards).
struct ScalaDispositivo {
    double Sinistra = 0, Alto = 0, Larghezza = 0, Altezza = 0;
};

class Dispositivo {
  public:
    virtual ~Dispositivo() = default;

    virtual Uscita Tipo() const = 0;

    // Line width (screen: pixels; printer: units of 0.2 mm). File and CAD devices ignore it.
    virtual void ImpostaSpessore(double /*spessore*/) {}

    virtual void Linea(const Punto& a, const Punto& b, int colore) = 0;
    // Counter-clockwise from a1 to a2 (radians).
    virtual void Arco(const Punto& centro, double raggio, double a1, double a2, int colore) = 0;
    // An open polyline of at least two vertices; a closed outline arrives with its first vertex
    // repeated at the end.
    virtual void Polilinea(std::span<const Punto> vertici, int colore) = 0;
    virtual void Testo(const Punto& p, double altezza, std::string_view testo, int colore,
                       Allineamento allinea) = 0;
    // A filled figure given as n vertices whose last one closes or repeats the figure. Default:
    // the outline of vertices 1..n−1 and a hatch at 0 degrees in 20 strips.
    virtual void Solido(std::span<const Punto> vertici, int colore);

    // Whether a text asked to hang from its point is lowered by 1.5 times its height (the point
    // then being the top of the text line). Only "DXF" and "DWG" do it.
    virtual bool AbbassaTesto() const { return false; }
    // Whether the legends of scales are drawn (Scritta::Legenda). Only "DXF" and "DWG" do it.
    virtual bool MostraLegenda() const { return false; }

    // Screen and printer only: the default area, after dropping any user coordinates; nothing
    // for a device that has no area (files and CAD drawings keep world coordinates).
    virtual std::optional<ScalaDispositivo> AreaPredefinita() { return std::nullopt; }
    // Screen and printer only: the user coordinates (see the top of this file).
    virtual void ImpostaScalaUtente(const ScalaDispositivo& /*scala*/) {}
};

} // namespace vc
