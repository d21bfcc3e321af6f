#pragma once
// The drawing of a cross-section: its outline, hatched, on any device. The sections window
// shows the section being edited in its picture box; the same drawing goes to the printer,
// a DXF file or the CAD drawing.
//
// One DisegnoSezione belongs to each section shown: it keeps the mapping of the drawing (made
// on the first drawing and reused, so that fractions set for a window stay for a later file
// output) and the device of the last drawing.
//
//     vc::DisegnoSezione disegno;               // kept beside the section
//     disegno.PlottaSezione(sezione, ctx, dispositivoVideo);
//
// The printer device writes in "Times New Roman", 8 points.

#include "drawing/core/ContestoDisegno.h"
#include "drawing/core/Dispositivo.h"
#include "drawing/core/Plottaggio.h"
#include "sections/SezioneCA.h"

#include <memory>
#include <optional>

namespace vc {

class DisegnoSezione {
  public:
    // The outline of the section (colour 5, line width 2) and its hatch at 45 degrees in 15
    // strips (colour 1, line width 1), fitted to the device: on a window or a page x 0.1..0.9
    // and y 0.1..0.9 of its area, proportions kept. A section without an outline (a generic
    // section, described by its J and depth only) draws nothing.
    void PlottaSezione(const SezioneCA& sezione, ContestoDisegno& ctx, std::shared_ptr<Dispositivo> uscita);

    // The mapping for the given extents and y origin, made current.
    void PltInizializza(ContestoDisegno& ctx, float xMin, float xMax, float yMin, float yMax, float yOrigine);

    // The mapping, once a drawing has made it.
    const Plottaggio* PlottaggioSezione() const noexcept { return plt_ ? &*plt_ : nullptr; }
    // The device of the last drawing.
    const std::shared_ptr<Dispositivo>& DispositivoUscita() const noexcept { return uscita_; }

  private:
    std::optional<Plottaggio> plt_;
    std::shared_ptr<Dispositivo> uscita_;
};

} // namespace vc
