#pragma once
// The "DWG" and "BLOCCO" devices: every primitive becomes an entity of the CAD drawing, in
// model space ("DWG") or in a block definition ("BLOCCO"), on the drawing's active layer, with
// the current colour number. Solids always go to model space, on both devices.

#include "drawing/core/DisegnoCad.h"
#include "drawing/core/Dispositivo.h"
#include "support/Messaggi.h"

#include <string>

namespace vc {

class DispositivoCad final : public Dispositivo {
  public:
    // "DWG": model space of the drawing, which must outlive the device.
    DispositivoCad(DisegnoCad& disegno, Messaggi& messaggi);
    // "BLOCCO": the block definition of that name (looked up at every primitive, so that a
    // purge or a redefinition of the drawing never leaves the device pointing at nothing; a
    // block that no longer exists throws ErroreDisegno BloccoInesistente).
    DispositivoCad(DisegnoCad& disegno, std::string blocco, Messaggi& messaggi);

    DisegnoCad& Disegno() const noexcept { return *disegno_; }
    const std::string& Blocco() const noexcept { return blocco_; }

    Uscita Tipo() const override { return blocco_.empty() ? Uscita::Dwg : Uscita::Blocco; }
    void Linea(const Punto& a, const Punto& b, int colore) override;
    void Arco(const Punto& centro, double raggio, double a1, double a2, int colore) override;
    void Polilinea(std::span<const Punto> vertici, int colore) override;
    void Testo(const Punto& p, double altezza, std::string_view testo, int colore,
               Allineamento allinea) override;
    // A four-point solid in model space. Another number of vertices shows
    // "Errore in Sub SolidDwg - I punti devono essere 4" and still adds the solid from the
    // first four vertices (three make a triangle, the third repeated; fewer add nothing).
    void Solido(std::span<const Punto> vertici, int colore) override;
    bool AbbassaTesto() const override { return blocco_.empty(); }
    bool MostraLegenda() const override { return blocco_.empty(); }

  private:
    SpazioCad& Destinazione() const;

    DisegnoCad* disegno_;
    std::string blocco_;
    Messaggi* messaggi_;
};

} // namespace vc
