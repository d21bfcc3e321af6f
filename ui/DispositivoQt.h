#pragma once
// The screen and printer devices of the drawing layer, both painting with a QPainter:
//   "VIDEO"      a window (or any paint device shown on screen), antialiased, line widths in
//                pixels, texts in the window's font;
//   "STAMPANTE"  a printer page (or a PDF file), line widths in units of 0.2 mm on paper,
//                texts in "Times New Roman", 8 points.
// A device lives for one paint: it holds the painter of that paintEvent or print job, which
// must outlive it. World coordinates arrive from the device step (DisegnaSu); this device maps
// them onto the painter's area with the user coordinates Plottaggio sets.

#include "drawing/core/Dispositivo.h"

#include <QColor>
#include <QPen>
#include <QRectF>
#include <QTransform>

class QPainter;

namespace vc {

// The Qt colour of an AutoCAD colour number (through ColoreRGB).
QColor ColoreQt(int numero);

class DispositivoQt : public Dispositivo {
  public:
    Uscita Tipo() const override { return tipo_; }
    void ImpostaSpessore(double spessore) override;

    void Linea(const Punto& a, const Punto& b, int colore) override;
    void Arco(const Punto& centro, double raggio, double a1, double a2, int colore) override;
    void Polilinea(std::span<const Punto> vertici, int colore) override;
    void Testo(const Punto& p, double altezza, std::string_view testo, int colore,
               Allineamento allinea) override;

    std::optional<ScalaDispositivo> AreaPredefinita() override;
    void ImpostaScalaUtente(const ScalaDispositivo& scala) override;

    // The device point of a world point under the current user coordinates.
    QPointF Mappa(const Punto& p) const { return mondo_.map(QPointF(p.x, p.y)); }
    // The pen width now in use, in device pixels.
    double LarghezzaPenna() const { return larghezza_; }

  protected:
    DispositivoQt(QPainter& pittore, Uscita tipo);
    virtual double PixelPerSpessore(double spessore) const = 0;

  private:
    QPen Penna(int colore) const;

    QPainter& p_;
    Uscita tipo_;
    QRectF area_;
    QTransform mondo_;
    double larghezza_ = 1;
};

// "VIDEO": a painter on a widget or image, antialiased.
class DispositivoVideo final : public DispositivoQt {
  public:
    explicit DispositivoVideo(QPainter& pittore);

  protected:
    double PixelPerSpessore(double spessore) const override { return spessore; }
};

// "STAMPANTE": a painter on a printer page; one width unit is 0.2 mm at the printer's resolution.
class DispositivoStampante final : public DispositivoQt {
  public:
    DispositivoStampante(QPainter& pittore, double puntiPerPollice);

  protected:
    double PixelPerSpessore(double spessore) const override;

  private:
    double puntiPerPollice_;
};

} // namespace vc
