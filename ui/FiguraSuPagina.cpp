#include "ui/FiguraSuPagina.h"

#include "ui/DispositivoQt.h"

#include <QFontMetricsF>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <type_traits>

namespace vc {

namespace {

constexpr double mmSpessore = 0.15;

struct Mappa {
    const Collocazione& c;
    double dpmm;
    QPointF operator()(const Punto& p) const {
        return {(c.xCarta + (p.x - c.xMondo) * c.mmPerUnita) * dpmm,
                (c.yCarta + (c.yMondo - p.y) * c.mmPerUnita) * dpmm};
    }
    double Lunghezza(double mondo) const { return mondo * c.mmPerUnita * dpmm; }
};

void Penna(QPainter& p, const Stile& s, double dpmm) {
    QPen penna(ColoreQt(s.Colore));
    penna.setWidthF(std::max(1.0, s.Spessore) * mmSpessore * dpmm);
    penna.setCapStyle(Qt::RoundCap);
    penna.setJoinStyle(Qt::RoundJoin);
    p.setPen(penna);
    p.setBrush(Qt::NoBrush);
}

void Scrive(QPainter& p, const Scritta& s, const Mappa& m, const QString& famiglia) {
    if (s.Legenda) return; // the legends of scales belong to files and CAD drawings
    QFont font(famiglia);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(m.Lunghezza(s.Altezza)))));
    p.setFont(font);
    const QFontMetricsF metriche(font, p.device());
    const QString testo = QString::fromStdString(s.Testo);
    const double larghezza = metriche.horizontalAdvance(testo);
    QPointF punto = m(s.Posizione);
    punto.rx() -= larghezza * QuotaAllineamento(s.Allinea);
    // A hanging text has its top at the point; otherwise the point is on its base line.
    punto.ry() += s.Appesa ? metriche.ascent() : 0.0;
    p.drawText(punto, testo);
}

void Punta(QPainter& p, const PuntaFreccia& f, const Mappa& m, const QColor& colore) {
    const double c = std::cos(f.Angolo), s = std::sin(f.Angolo);
    const auto ruota = [&](double dx, double dy) {
        return m({f.Punta.x + dx * c - dy * s, f.Punta.y + dx * s + dy * c});
    };
    const QPolygonF triangolo(
        {m(f.Punta), ruota(f.Dimensione / 2, 2 * f.Dimensione), ruota(-f.Dimensione / 2, 2 * f.Dimensione)});
    if (f.Piena) p.setBrush(colore);
    p.drawPolygon(triangolo);
}

} // namespace

Collocazione Adatta(const Riquadro& campo, const QRectF& areaMm) {
    const double larghezza = std::max(campo.xMax - campo.xMin, 1e-9);
    const double altezza = std::max(campo.yMax - campo.yMin, 1e-9);
    const double k = std::min(areaMm.width() / larghezza, areaMm.height() / altezza);
    Collocazione c;
    c.mmPerUnita = k;
    c.xMondo = campo.xMin;
    c.yMondo = campo.yMax;
    c.xCarta = areaMm.left() + (areaMm.width() - larghezza * k) / 2;
    c.yCarta = areaMm.top() + (areaMm.height() - altezza * k) / 2;
    return c;
}

void DisegnaFigura(QPainter& pittore, double dpmm, const Disegno& disegno, const Collocazione& c,
                   const QString& famiglia) {
    const Mappa m{c, dpmm};
    pittore.save();
    for (const Elemento& e : disegno.Elementi) {
        Penna(pittore, e.Aspetto, dpmm);
        std::visit(
            [&](const auto& f) {
                using T = std::decay_t<decltype(f)>;
                if constexpr (std::is_same_v<T, Tratto>) {
                    pittore.drawLine(m(f.a), m(f.b));
                } else if constexpr (std::is_same_v<T, Spezzata>) {
                    QPolygonF linea;
                    for (const Punto& v : f.Vertici)
                        linea << m(v);
                    pittore.drawPolyline(linea);
                } else if constexpr (std::is_same_v<T, Tratteggio>) {
                    for (const Segmento& s : f.Linee)
                        pittore.drawLine(m(s.a), m(s.b));
                } else if constexpr (std::is_same_v<T, ArcoCerchio>) {
                    const double r = m.Lunghezza(f.Raggio);
                    const QPointF centro = m(f.Centro);
                    const double gradi = 180.0 / std::numbers::pi;
                    const double ampiezza =
                        std::fmod(f.Fine - f.Inizio + 4 * std::numbers::pi, 2 * std::numbers::pi);
                    pittore.drawArc(QRectF(centro.x() - r, centro.y() - r, 2 * r, 2 * r),
                                    static_cast<int>(std::lround(f.Inizio * gradi * 16)),
                                    static_cast<int>(std::lround(ampiezza * gradi * 16)));
                } else if constexpr (std::is_same_v<T, PuntaFreccia>) {
                    Punta(pittore, f, m, ColoreQt(e.Aspetto.Colore));
                } else {
                    Scrive(pittore, f, m, famiglia);
                }
            },
            e.Forma);
    }
    pittore.restore();
}

} // namespace vc
