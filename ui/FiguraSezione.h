#pragma once
// The drawing area of the sections window: the section as the window holds it, drawn to scale
// and hatched when its dimensions describe a real rectangle or T; otherwise a sketch of its
// kind with the names of the values that describe it.
//
//   auto* figura = new FiguraSezione(this);
//   figura->Imposta({SezRettangolare, 0.3, 0.5, 0, 0}); // b1, h1, b2, H2 in m

#include "sections/SezioneCA.h"

#include <QWidget>

class QPainter;
class QPainterPath;

namespace vc {

class FiguraSezione final : public QWidget {
  public:
    struct Dati {
        int Tipo = SezRettangolare;
        double b1 = 0, h1 = 0, b2 = 0, H2 = 0;
    };

    explicit FiguraSezione(QWidget* genitore);

    void Imposta(const Dati& d);
    // True when the outline is drawn to scale rather than sketched.
    bool InScala() const;

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    void DisegnaInScala(QPainter& p) const;
    static QPainterPath Contorno(const Dati& d);
    void DisegnaSchema(QPainter& p, const Dati& d);
    void Schema(QPainter& p);

    Dati dati_;
};

} // namespace vc
