#pragma once
// The diagram windows: "Diagramma Momenti", "Diagramma Tagli" and the load diagram. Each one
// redraws the solved beam on every paint (and so on every resize) with the "VIDEO" device,
// reading the beam and the settings as they are at that moment; the main window recomputes the
// beam before showing or refreshing them.

#include "drawing/DiagrammiTrave.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"
#include "ui/PlottaDisegno.h"

#include <QWidget>
#include <memory>
#include <string>

namespace vc {

class FrmDiagramma final : public QWidget, public FinestraDisegno {
    Q_OBJECT
  public:
    // A top-level window owned by genitore (the main window), which also owns the beam and the
    // settings.
    FrmDiagramma(TipoDiagramma tipo, const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                 Messaggi& msg, QWidget* genitore);

    TipoDiagramma Tipo() const noexcept { return tipo_; }
    // "Diagramma Momenti", "Diagramma Tagli", "Diagramma Carichi".
    static QString Didascalia(TipoDiagramma tipo);

    // The window's diagram on another device.
    void PlottaInOggetto(Dispositivo& uscita) override;

  signals:
    // After a moment or shear diagram was drawn with automatic scales: the scale for the main
    // window's box (0 moments, 1 shears, 2 deflections).
    void ScalaCalcolata(int casella, double scala);

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

  private:
    void Disegna(Dispositivo& uscita);

    TipoDiagramma tipo_;
    const Velcora& trave_;
    const Impostazioni& imp_;
    Separatori sep_;
    Messaggi& msg_;
    std::string ultimoErrore_;
};

} // namespace vc
