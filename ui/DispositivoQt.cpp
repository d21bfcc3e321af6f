#include "ui/DispositivoQt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace vc {

namespace {

bool Finito(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

} // namespace

QColor ColoreQt(int numero) {
    const ComponentiColore c = ComponentiRGB(ColoreRGB(numero));
    return QColor(c.Rosso, c.Verde, c.Blu);
}

DispositivoQt::DispositivoQt(QPainter& pittore, Uscita tipo) : p_(pittore), tipo_(tipo) {
    if (const QPaintDevice* d = p_.device()) area_ = QRectF(0, 0, d->width(), d->height());
    larghezza_ = 1;
}

void DispositivoQt::ImpostaSpessore(double spessore) {
    const double px = PixelPerSpessore(spessore);
    larghezza_ = std::isfinite(px) && px > 1 ? px : 1;
}

QPen DispositivoQt::Penna(int colore) const {
    QPen penna(ColoreQt(colore));
    penna.setWidthF(larghezza_);
    penna.setCapStyle(Qt::RoundCap);
    penna.setJoinStyle(Qt::RoundJoin);
    return penna;
}

std::optional<ScalaDispositivo> DispositivoQt::AreaPredefinita() {
    mondo_.reset();
    return ScalaDispositivo{area_.left(), area_.top(), area_.width(), area_.height()};
}

void DispositivoQt::ImpostaScalaUtente(const ScalaDispositivo& s) {
    if (s.Larghezza == 0 || s.Altezza == 0 || !std::isfinite(s.Larghezza) || !std::isfinite(s.Altezza)) {
        mondo_.reset();
        return;
    }
    // (x, y) → ((x − Sinistra)/Larghezza·W, (y − Alto)/Altezza·H)
    mondo_ = QTransform::fromTranslate(-s.Sinistra, -s.Alto) *
             QTransform::fromScale(area_.width() / s.Larghezza, area_.height() / s.Altezza);
}

void DispositivoQt::Linea(const Punto& a, const Punto& b, int colore) {
    const QPointF pa = Mappa(a), pb = Mappa(b);
    if (!Finito(pa) || !Finito(pb)) return;
    p_.setPen(Penna(colore));
    p_.drawLine(pa, pb);
}

void DispositivoQt::Arco(const Punto& centro, double raggio, double a1, double a2, int colore) {
    if (!(raggio > 0)) return;
    double ampiezza = a2 - a1;
    // Counter-clockwise from a1 to a2: a full turn at most.
    while (ampiezza < 0)
        ampiezza += 2 * std::numbers::pi;
    if (ampiezza > 2 * std::numbers::pi) ampiezza = 2 * std::numbers::pi;
    // The arc goes through the world mapping point by point, so that it stays right when the
    // two scales differ (an ellipse on the device).
    const int passi = std::clamp(static_cast<int>(std::ceil(ampiezza / (std::numbers::pi / 64))), 2, 128);
    QPolygonF punti;
    punti.reserve(passi + 1);
    for (int i = 0; i <= passi; ++i) {
        const double a = a1 + ampiezza * i / passi;
        const QPointF q = Mappa(Punto{centro.x + raggio * std::cos(a), centro.y + raggio * std::sin(a)});
        if (!Finito(q)) return;
        punti << q;
    }
    p_.setPen(Penna(colore));
    p_.drawPolyline(punti);
}

void DispositivoQt::Polilinea(std::span<const Punto> vertici, int colore) {
    if (vertici.size() < 2) return;
    QPolygonF punti;
    punti.reserve(static_cast<qsizetype>(vertici.size()));
    for (const Punto& v : vertici) {
        const QPointF q = Mappa(v);
        if (!Finito(q)) return;
        punti << q;
    }
    p_.setPen(Penna(colore));
    p_.drawPolyline(punti);
}

void DispositivoQt::Testo(const Punto& p, double /*altezza*/, std::string_view testo, int colore,
                          Allineamento allinea) {
    const QPointF q = Mappa(p);
    if (!Finito(q)) return;
    // The point is the top-left corner of the text in the device's font (its top middle or
    // top right when centred or right-aligned).
    const QFontMetricsF metrica(p_.font(), p_.device());
    const QString t = QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
    const double indietro =
        allinea == Allineamento::Sinistra ? 0 : QuotaAllineamento(allinea) * metrica.horizontalAdvance(t);
    p_.setPen(QPen(ColoreQt(colore)));
    p_.drawText(q + QPointF(-indietro, metrica.ascent()), t);
}

DispositivoVideo::DispositivoVideo(QPainter& pittore) : DispositivoQt(pittore, Uscita::Video) {
    pittore.setRenderHint(QPainter::Antialiasing, true);
    pittore.setRenderHint(QPainter::TextAntialiasing, true);
}

DispositivoStampante::DispositivoStampante(QPainter& pittore, double puntiPerPollice)
    : DispositivoQt(pittore, Uscita::Stampante), puntiPerPollice_(puntiPerPollice) {
    QFont carattere(QStringLiteral("Times New Roman"));
    carattere.setPointSizeF(8);
    pittore.setFont(carattere);
    pittore.setRenderHint(QPainter::Antialiasing, true);
    ImpostaSpessore(1);
}

double DispositivoStampante::PixelPerSpessore(double spessore) const {
    return SpessoreStampanteInPixel(spessore, puntiPerPollice_);
}

} // namespace vc
