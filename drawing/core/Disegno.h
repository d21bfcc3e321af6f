#pragma once
// A drawing as plain values: what a diagram, the loads or a section draw, computed once from
// the beam and its results and then handed to any device (DisegnaSu, DisegnoSuDispositivo.h).
// Every item is in world coordinates (x in metres along the beam, y in metres of drawing, the
// values already divided by their scales) and carries its own colour and line width, so that
// drawing it twice, or on another device, gives the same picture; nothing is left set between
// two items.
//
// A drawing also says how it wants to be fitted: its extents (Campo, the data window with the
// room for its texts) and the part of a window or of a printer page it takes. A calculation
// report may place it elsewhere: these are values it can change.
//
// Building one:
//     Disegno d;
//     d.Campo = {0, 6, -3, 1};
//     d.Linea(0, 0, 6, 0, {.Colore = 7, .Spessore = 3});
//     d.Polilinea(x, y, {.Colore = 1, .Spessore = 2}, -scala);   // y / −scala
//     d.Testo({.Posizione = {0, 1}, .Altezza = 0.06, .Testo = "Scala momenti 1:20"});
// Every value is checked as it is added: a coordinate, size or angle that is not finite (a y
// scale of 0, a wrong datum) throws ErroreDisegno (ValoreNonFinito) and the drawing is never
// made, so a device never receives half of it. Polylines of fewer than two points and arcs
// whose radius is not above zero have nothing to show and are not added.

#include "drawing/core/Poligoni.h"
#include "drawing/core/Punto.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace vc {

// Colour (an AutoCAD colour number) and line width (screen: pixels; printer: units of 0.2 mm;
// files and CAD drawings ignore it).
struct Stile {
    int Colore = 7;
    double Spessore = 1;
};

struct Tratto {
    Punto a, b;
};
// Counter-clockwise from Inizio to Fine (radians).
struct ArcoCerchio {
    Punto Centro;
    double Raggio = 0, Inizio = 0, Fine = 0;
};
// An open polyline; a closed outline repeats its first vertex at the end.
struct Spezzata {
    std::vector<Punto> Vertici;
};
// The lines of a hatch (SegmentiTratteggio), drawn with the hatch's colour and width.
struct Tratteggio {
    std::vector<Segmento> Linee;
};
// An arrowhead with its tip at Punta, 2·Dimensione long and Dimensione wide at its base,
// pointing down when Angolo is 0 and turned counter-clockwise by Angolo (radians) about the
// tip. It is a symbol: the device step works out its corners, so that it keeps its shape when
// the drawing's x and y scales differ on a window. Piena: a solid, else a closed outline.
struct PuntaFreccia {
    Punto Punta;
    double Dimensione = 0, Angolo = 0;
    bool Piena = false;
};
// A text of height Altezza. Appesa: it hangs from its point, the point being the top of the
// text line (the devices that place a text by its base line lower it, see
// Dispositivo::AbbassaTesto); otherwise the point is the left end of the base line on files
// and CAD drawings and the top-left corner on screen and paper. Legenda: the text is part of a
// legend of scales, shown only by devices that show legends (Dispositivo::MostraLegenda).
struct Scritta {
    Punto Posizione;
    double Altezza = 0;
    std::string Testo;
    bool Appesa = true;
    Allineamento Allinea = Allineamento::Sinistra;
    bool Legenda = false;
};

using Figura = std::variant<Tratto, ArcoCerchio, Spezzata, Tratteggio, PuntaFreccia, Scritta>;

struct Elemento {
    Figura Forma;
    Stile Aspetto;
};

// Where a drawing goes on a window or a page: the fractions xSin, yInf, xDes, ySup of its
// area (from the left and from the bottom), and whether the x and y scales stay equal.
struct Inquadratura {
    std::array<float, 4> Frazioni{};
    bool MantieneProporzioni = true;
};

struct Riquadro {
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

class Disegno {
  public:
    // The extents the mapping fits (single precision, as the mapping holds them).
    Estremi Campo;
    // The part of a window and of a printer page the drawing takes (files and CAD drawings
    // keep the world coordinates).
    Inquadratura SuFinestra, SuPagina;
    std::vector<Elemento> Elementi;

    // Where a y scale s is given, every y is added as y / s; x is never scaled, nor is the
    // radius of an arc.
    void Linea(double x1, double y1, double x2, double y2, const Stile& stile, double s = 1);
    void Arco(double xc, double yc, double r, double a1, double a2, const Stile& stile, double s = 1);
    // The n points of x and y (equal sizes, else std::invalid_argument), open.
    void Polilinea(std::span<const double> x, std::span<const double> y, const Stile& stile, double s = 1);
    void Polilinea(std::span<const float> x, std::span<const float> y, const Stile& stile, double s = 1);
    // Closed: the n points then point 1 again.
    void Poligono(std::span<const double> x, std::span<const double> y, const Stile& stile, double s = 1);
    void Poligono(std::span<const float> x, std::span<const float> y, const Stile& stile, double s = 1);
    // The hatch of the closed polygon as SegmentiTratteggio draws it (angle in degrees, k
    // strips or a spacing of −k); nothing for fewer than three vertices.
    void Tratteggia(std::span<const double> x, std::span<const double> y, double angoloGradi, double k,
                    const Stile& stile);
    void Tratteggia(std::span<const float> x, std::span<const float> y, double angoloGradi, double k,
                    const Stile& stile);
    void Freccia(const PuntaFreccia& freccia, const Stile& stile);
    void Testo(Scritta scritta, int colore = 7);

    // Appends the items of another drawing moved up by origineY (single precision, as the y
    // origin of a drawing placed under another one).
    void Accoda(const Disegno& altro, float origineY);
};

// The box the items cover. A text counts as 0.8 of its height per character wide (placed by
// its alignment) and one height high, below its point when it hangs from it; an arrowhead by
// its tip and the end of its length; an arc by its whole circle. Nothing for no item.
std::optional<Riquadro> Ingombro(const Disegno& disegno);

} // namespace vc
