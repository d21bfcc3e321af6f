#include "ui/FiguraSezione.h"

#include "drawing/DisegnoSezione.h"
#include "support/Messaggi.h"
#include "ui/DispositivoQt.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace vc {

FiguraSezione::FiguraSezione(QWidget* genitore) : QWidget(genitore) {
    setObjectName(QStringLiteral("Figura"));
    const int h = fontMetrics().height();
    setMinimumSize(12 * h, 12 * h);
}

void FiguraSezione::Imposta(const Dati& d) {
    dati_ = d;
    update();
}

bool FiguraSezione::InScala() const {
    const Dati& d = dati_;
    if (d.Tipo == SezRettangolare) return d.b1 > 0 && d.h1 > 0;
    if (d.Tipo == SezT) return d.b1 > 0 && d.h1 > 0 && d.b2 > 0 && d.H2 > 0 && d.b2 <= d.b1;
    return false;
}

void FiguraSezione::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    if (InScala())
        DisegnaInScala(p);
    else
        Schema(p);
}

// The section drawing of the program (outline and hatch, fitted to the window), as every
// device draws it.
void FiguraSezione::DisegnaInScala(QPainter& p) const {
    SezioneCA s;
    s.TipoSez = dati_.Tipo;
    s.b1 = static_cast<float>(dati_.b1);
    s.h1 = static_cast<float>(dati_.h1);
    s.b2 = static_cast<float>(dati_.b2);
    s.H2 = static_cast<float>(dati_.H2);
    s.CoordinateSezione();
    MessaggiRegistrati nessuno; // a valid outline has nothing to report
    DispositivoVideo video(p);
    PlottaSezione(s, video, nessuno);
}

// The outline in section coordinates, origin at the top centre, y downwards.
QPainterPath FiguraSezione::Contorno(const Dati& d) {
    QPainterPath c;
    if (d.Tipo == SezT) {
        c.moveTo(-d.b1 / 2, 0);
        c.lineTo(d.b1 / 2, 0);
        c.lineTo(d.b1 / 2, d.h1);
        c.lineTo(d.b2 / 2, d.h1);
        c.lineTo(d.b2 / 2, d.h1 + d.H2);
        c.lineTo(-d.b2 / 2, d.h1 + d.H2);
        c.lineTo(-d.b2 / 2, d.h1);
        c.lineTo(-d.b1 / 2, d.h1);
    } else {
        c.addRect(QRectF(-d.b1 / 2, 0, d.b1, d.h1));
    }
    c.closeSubpath();
    return c;
}

// The sketch of a kind: dashed outline, light hatch.
void FiguraSezione::DisegnaSchema(QPainter& p, const Dati& d) {
    const double larghezza = std::max(d.b1, d.Tipo == SezT ? d.b2 : 0.0);
    const double altezza = d.h1 + (d.Tipo == SezT ? d.H2 : 0.0);
    const double scala = std::min(0.8 * width() / larghezza, 0.8 * height() / altezza);
    QTransform t;
    t.translate(width() / 2.0, (height() - altezza * scala) / 2.0);
    t.scale(scala, scala);
    const QPainterPath contorno = t.map(Contorno(d));

    // Hatching at 45°, fourteen lines across the bounding box.
    p.save();
    p.setClipPath(contorno);
    const QRectF r = contorno.boundingRect();
    const double passo = (r.width() + r.height()) / 15.0;
    p.setPen(QPen(palette().mid().color(), 1));
    for (int i = 1; i < 15; ++i) {
        const double s = r.left() - r.height() + i * passo;
        p.drawLine(QPointF(s, r.bottom()), QPointF(s + r.height(), r.top()));
    }
    p.restore();
    QPen bordo(palette().text().color(), 2);
    bordo.setStyle(Qt::DashLine);
    p.setPen(bordo);
    p.drawPath(contorno);
}

// The kind's sketch, with the names of the values that describe it.
void FiguraSezione::Schema(QPainter& p) {
    p.setPen(palette().text().color());
    if (dati_.Tipo == SezGenerica) {
        const QRectF r(width() * 0.3, height() * 0.15, width() * 0.4, height() * 0.7);
        QPainterPath forma;
        forma.addRoundedRect(r, r.width() / 4, r.width() / 4);
        p.setPen(QPen(palette().text().color(), 2, Qt::DashLine));
        p.drawPath(forma);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("E, J"));
        p.drawText(QRectF(r.right() + 4, r.top(), width() - r.right() - 4, r.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("hTot"));
        return;
    }
    Dati d;
    d.Tipo = dati_.Tipo;
    d.b1 = 1.0;
    d.h1 = d.Tipo == SezT ? 0.25 : 1.4;
    d.b2 = 0.4;
    d.H2 = 1.0;
    DisegnaSchema(p, d);
    const double a = height() * 0.1;
    if (d.Tipo == SezT) {
        p.drawText(QRectF(0, 0, width(), a), Qt::AlignCenter, QStringLiteral("b1"));
        p.drawText(QRectF(0, height() - a, width(), a), Qt::AlignCenter, QStringLiteral("b2"));
        p.drawText(QRectF(width() * 0.86, height() * 0.1, width() * 0.14, height() * 0.2), Qt::AlignCenter,
                   QStringLiteral("h1"));
        p.drawText(QRectF(width() * 0.6, height() * 0.5, width() * 0.2, height() * 0.2), Qt::AlignCenter,
                   QStringLiteral("H2"));
    } else {
        p.drawText(QRectF(0, 0, width(), a), Qt::AlignCenter, QStringLiteral("b"));
        p.drawText(QRectF(width() * 0.8, 0, width() * 0.2, height()), Qt::AlignCenter, QStringLiteral("h"));
    }
}

} // namespace vc
