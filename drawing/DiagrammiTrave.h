#pragma once
// The drawings of a solved beam: the envelope diagrams of bending moment and shear with the
// beam axis, its supports, the titles with the scales and the rows of the main results; the
// load diagram; the block export with its extended data. Everything is drawn through the
// drawing context in world coordinates (x in metres along the beam, y in metres of drawing:
// values divided by their scales), so the same code serves the window, the printer, the DXF
// file and the CAD drawing.
//
// A DiagrammiTrave reads the beam and the settings it is given and keeps the plot state of the
// last drawing (kind, extents, text height, scales) and its own Plottaggio. It is cheap: make
// one for each drawing (a window's paint, an export), or keep one beside the beam and make a
// new one when the beam is replaced, since it holds references to the beam and the settings.
//
// From a window (device "VIDEO", a QPainter device made for the paint):
//     vc::DiagrammiTrave d(trave, imp, ctx, sep);
//     d.PlottaMT(vc::TipoDiagramma::Momenti, dispositivo);    // or Tagli, Carichi
//     if (!imp.ScalePreimpostate) { box 0 ← *d.ScalaM(), box 2 ← *d.ScalaFR() }  // box 1 ← ScalaT
// On the printer: d.PlottaStamp(stampante) (moment on the upper half of the page, shear on
// the lower half). A DXF file, the CAD drawing and the block: UsciteDiagrammi.h.
//
// Positive moments and shears are drawn below the axis (y = −value / scale), positive
// deflections too. The text height is a hundredth of the beam length.
//
// Errors: a value that is not finite never reaches a device (the context throws
// ErroreDisegno); a fixed scale that is not above zero throws ErroreDisegno (DatiNonValidi)
// with the main window's message; a beam without results throws ErroreDisegno (DatiNonValidi).
// The load diagram reports its own errors (see PlottaC).

#include "drawing/core/ContestoDisegno.h"
#include "drawing/core/DisegnoCad.h"
#include "drawing/core/Dispositivo.h"
#include "drawing/core/Plottaggio.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "support/Separatori.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vc {

// The diagram kinds: "M" moments, "T" shears, "C" loads.
enum class TipoDiagramma { Momenti, Tagli, Carichi };
std::string_view NomeDiagramma(TipoDiagramma tipo);
std::optional<TipoDiagramma> DiagrammaDaNome(std::string_view nome);

// The message the main window shows when a fixed scale is 0; the drawings refuse such a scale
// with it.
inline constexpr const char* TestoScalaFissaNulla =
    "Una delle Scale Fisse è 0. Deselezionare Scale Fisse o introdurre un valore >0";

// A raw scale rounded to a mantissa of 1, 2, 5 or 10 (the list of Velcora::ScalePossibiliFissa)
// times a power of ten: the smallest admissible mantissa not below the raw one, a raw mantissa
// up to 0.1 above an admissible one counting as that one. 37 gives 50, 2.05 gives 2, 0.3 gives
// 0.5. A raw scale below 1E-20 (zero included) gives 1E-20. A value that is not finite throws
// ErroreDisegno (ValoreNonFinito).
double ScalaArrotondata(double scala);

// A scale chosen for a diagram and the y extents of the drawing, already with the room for
// the texts; ScalaFR is the deflection scale (moment diagram only, else 0).
struct RisultatoScala {
    double Scala = 1;
    double yMin = 0, yMax = 0;
    double ScalaFR = 0;
};

// The two curves of an envelope as they are drawn, points 1..nPt stored from index 0: the
// upper one the maximum envelope where it is positive (0 elsewhere), the lower one the minimum
// envelope where it is negative (0 elsewhere); point 1 of both is 0, so each curve starts on
// the axis.
struct InviluppoDisegnato {
    std::vector<float> Superiore, Inferiore;
};

class DiagrammiTrave {
  public:
    DiagrammiTrave(const Velcora& trave, const Impostazioni& imp, ContestoDisegno& ctx, Separatori sep = {});
    // The beam and the settings are kept by reference: temporaries would not outlive the object.
    DiagrammiTrave(Velcora&&, const Impostazioni&, ContestoDisegno&, Separatori = {}) = delete;
    DiagrammiTrave(const Velcora&, Impostazioni&&, ContestoDisegno&, Separatori = {}) = delete;

    // ---- What the windows, the printer and the exports call --------------------------------------

    // One diagram alone (moment or shear window, load window): x range 0..LunghezzaTotale,
    // text height LunghezzaTotale / 100, y origin 0.
    void PlottaMT(TipoDiagramma tipo, std::shared_ptr<Dispositivo> uscita);
    // The moment diagram, then the shear diagram, both with y origin 0: on the printer the page
    // bands keep them apart (moment on 0.5..0.9 of the height, shear on 0.1..0.5).
    void PlottaStamp(std::shared_ptr<Dispositivo> uscita);
    // The moment diagram at y origin 0 and the shear diagram below it, its texts 6 text heights
    // under the moment's: the DXF file and the CAD drawing.
    void PlottaDWG(std::shared_ptr<Dispositivo> uscita);
    // The block export into the CAD drawing (see EsportazioneBlocchi.h): the moment and shear
    // diagrams drawn into the blocks "DiagrammaM" and "DiagrammaT" on the layer
    // "DIAGRAMMI-VELCORA", inserted at (0,0,0) and (2·LunghezzaTotale,0,0), the extended data
    // of "VELCORA" on the moment block reference, the layer locked, the previously active
    // layer active again, the view zoomed to the extents. Errors of the drawing (a locked
    // layer elsewhere, a value that is not finite) propagate, leaving the layer state of the
    // failing step.
    void EsportaInAcadXdataMT(const std::shared_ptr<DisegnoCad>& disegno);

    // ---- The steps of a drawing ------------------------------------------------------------------

    // The moment diagram: envelopes, scales and extents; with GiroPieno also the drawing, with
    // y origin dxf_yorig (envelopes in colour 1, colour 4 in a block; decalage lines per the
    // beam's Decala; beam and supports; deflected shape when asked; titles; result rows).
    void PlottaM(float dxf_yorig, bool GiroPieno);
    // The shear diagram, likewise (no deflection, no decalage).
    void PlottaT(float dxf_yorig, bool GiroPieno);
    // The load diagram. Any error while computing or drawing the loads is caught here and
    // reported with the question icon as "Errore <n> \"<description>\"" + LF +
    // "in PlottaCarichi. Controllare i dati"; nothing more is drawn.
    void PlottaC(float dxf_yorig, bool GiroPieno);

    InviluppoDisegnato PulisceDiagrammaM() const;
    InviluppoDisegnato PulisceDiagrammaT() const;

    // Scale and extents of the moment diagram from the y range of the moments as drawn
    // (yMinIN = −largest value of the upper curve, yMaxIN = −smallest of the lower) and of the
    // deflections as drawn (likewise negated). Both ranges are widened to hold the axis.
    // Fixed scales: ScalaFissaM and ScalaFissaFreccia. Automatic: the moment scale is
    // 1.5·(range)/(xMax − xMin) rounded (the diagram two thirds of the beam length high), the
    // deflection scale makes the deflected shape a fifth of the moment diagram's height,
    // rounded likewise. A diagram with no height (nothing loads the beam) gets the scale 1; no
    // deflection, the deflection scale 1. With the deflected shape shown, the extents hold it
    // too. Room for the texts: RidimensionaPerTesto.
    RisultatoScala ScalaMcalcola(double xMin, double xMax, double yMinIN, double yMaxIN, double yfMin,
                                 double yfMax) const;
    // The same for the shear diagram (fixed scale ScalaFissaT, no deflection).
    RisultatoScala ScalaTcalcola(double xMin, double xMax, double yMinIN, double yMaxIN) const;
    // The frame scale of the load diagram: as the automatic shear scale, never fixed.
    RisultatoScala ScalaYcalcola(double xMin, double xMax, double yMinIN, double yMaxIN) const;
    // yMax += 8·hTesto (titles), yMin −= 12·hTesto (result rows).
    void RidimensionaPerTesto(double& yMin, double& yMax) const;

    // The mapping of the drawing onto the device: on a window x 0.1..0.9 and y 0.07..0.95 of
    // its area, proportions free; on the printer x 0.15..0.9 and y 0.5..0.9 for the moment
    // diagram, 0.1..0.5 for the shear diagram, 0.1..0.9 for the loads, proportions kept; files
    // and the CAD drawing keep world coordinates. y scale 1, y origin yOrigine.
    void PltInizializza(float xMin, float xMax, float yMin, float yMax, float yOrigine);

    // The beam axis and its supports (AppoggiIncastri), in colour 7, the vertical sizes divided
    // by ScalaY. D = (xMax − xMin)/50. A fixed end is a vertical line from −D to D at the end; a
    // free end has no symbol; a simple support, and an elastic end, an equilateral triangle of
    // side D with its apex on the axis and its base below; an elastic end also a spring: a half
    // circle of radius 2·D over the axis starting at the end and going outwards, and a line 2·D
    // long on the axis centred 4·D outside the end. Every inner support has a triangle. Each
    // span's axis is drawn as two lines, start to middle and middle to end.
    void PlottaTrave(double xMin, double xMax, double ScalaY);

    // The titles at x = xMin, the first one text height under the upper extent, each next one
    // two text heights higher: "Scala Frecce 1:" (moment diagram with the deflected shape),
    // "Scala momenti 1:" or "Scala tagli 1:" with the combination, "File : " name " - " title.
    void Plt_Titoli();
    // The rows of results under the diagram, two text heights apart, the row name left of the
    // beam and each value starting at its support or at the middle of its span.
    void Plt_Risultati();

    // The largest total of the displayed distributed loads of one span and of the displayed
    // forces at one abscissa (the loads of a span, and the forces at one point, are drawn one
    // on top of the other), as magnitudes.
    double MaxTrapeziCalcola() const;
    double MaxConcentratiCalcola() const;
    // The displayed loads: distributed loads as hatched bands over their spans (the families
    // G1, G2, Q1, Q2 of a span stacked, upward loads under the axis), forces as arrows onto the
    // axis, couples as arcs of radius RaggioCoppie (the largest displayed couple a half circle)
    // with an arrowhead; each labelled with its value; on "DXF" and "DWG" the legend of the
    // scales at (x, yTesto) going down.
    void PlottaCarichi(double ScalaTrapezi, double ScalaConcentrati, double RaggioCoppie, double hTesto, double yTesto,
                       double x);

    // ---- Plot state of the last drawing ------------------------------------------------------------

    TipoDiagramma Tipo() const noexcept { return tipo_; }
    double hTesto() const noexcept { return hTesto_; }
    float xMin() const noexcept { return xMin_; }
    float xMax() const noexcept { return xMax_; }
    // The y extents of the diagram just computed, with the room for the texts.
    float yMin() const noexcept { return yMin_; }
    float yMax() const noexcept { return yMax_; }
    // The scales computed by this object (nothing before the first diagram of that kind):
    // kNm, kN and metres of deflection per metre of drawing. The main window shows them in its
    // scale boxes (moment in box 0, shear in box 1, deflection in box 2) when the scales are
    // automatic.
    std::optional<double> ScalaM() const noexcept { return scalaM_; }
    std::optional<double> ScalaT() const noexcept { return scalaT_; }
    std::optional<double> ScalaFR() const noexcept { return scalaFR_; }
    // The load scales of the last load diagram.
    double ScalaTrapezi() const noexcept { return scalaTrapezi_; }
    double ScalaConcentrati() const noexcept { return scalaConcentrati_; }
    // The couple a half circle stands for (0 when no couple is displayed).
    double CoppiaMezzoGiro() const noexcept { return coppiaMezzoGiro_; }

    const Plottaggio& Plt() const noexcept { return plt_; }
    const std::shared_ptr<Dispositivo>& DispositivoUscita() const noexcept { return uscita_; }

  private:
    enum class Posizione { Appoggi, Campate };

    void Prepara(std::shared_ptr<Dispositivo> uscita);
    void RichiedeRisultati() const;
    bool SuDispositivo(Uscita u) const;
    double xAppoggio(int k) const;
    double ScalaFissa(double scala) const;
    void PlottaInviluppo(const InviluppoDisegnato& inv, double scala);
    void Plt_Testo_app_camp(double& y, std::string_view etichetta, Posizione dove, const std::vector<double>& valori);
    void Plt_Testo_deform(double& y);
    std::string Etichetta(double valore) const;
    double yTestoDwg(double y, bool sopra) const;
    void PlottaCaricoTrapezio(double q1, double q2, double d1, double d2, double ScalaTrapezi, bool SigmaT,
                              double base);
    void ErrorePlottaggio(int numero, const std::string& descrizione) const;

    const Velcora& trave_;
    const Impostazioni& imp_;
    ContestoDisegno& ctx_;
    Separatori sep_;
    Plottaggio plt_;
    std::shared_ptr<Dispositivo> uscita_;

    TipoDiagramma tipo_ = TipoDiagramma::Momenti;
    float xMin_ = 0, xMax_ = 0, yMin_ = 0, yMax_ = 0;
    double yDiagrammaMin_ = 0; // lower y of the diagram itself, above the result rows
    double hTesto_ = 0;
    std::optional<double> scalaM_, scalaT_, scalaFR_;
    double scalaTrapezi_ = 0, scalaConcentrati_ = 0, coppiaMezzoGiro_ = 0;
};

} // namespace vc
