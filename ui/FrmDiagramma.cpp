#include "ui/FrmDiagramma.h"

#include "ui/DispositivoQt.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QTimer>
#include <cmath>
#include <exception>

namespace vc {

FrmDiagramma::FrmDiagramma(TipoDiagramma tipo, const Velcora& trave, const Impostazioni& imp,
                           const Separatori& sep, Messaggi& msg, QWidget* genitore)
    : QWidget(genitore, Qt::Window), tipo_(tipo), trave_(trave), imp_(imp), sep_(sep), msg_(msg) {
    setObjectName(tipo == TipoDiagramma::Momenti ? QStringLiteral("frmDiagrammaM")
                  : tipo == TipoDiagramma::Tagli ? QStringLiteral("frmDiagrammaT")
                                                 : QStringLiteral("frmDiagrammaC"));
    setWindowTitle(Didascalia(tipo));
    // The drawing area of a picture box: white, painted whole on every paint.
    QPalette sfondo = palette();
    sfondo.setColor(QPalette::Window, Qt::white);
    setPalette(sfondo);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(320, 240);
    resize(900, 560);
}

QString FrmDiagramma::Didascalia(TipoDiagramma tipo) {
    switch (tipo) {
    case TipoDiagramma::Momenti:
        return QStringLiteral("Diagramma Momenti");
    case TipoDiagramma::Tagli:
        return QStringLiteral("Diagramma Tagli");
    case TipoDiagramma::Carichi:
        break;
    }
    return QStringLiteral("Diagramma Carichi");
}

void FrmDiagramma::Disegna(Dispositivo& uscita) {
    const ScaleDisegnate scale = PlottaMT(tipo_, trave_, imp_, sep_, uscita, msg_);
    if (imp_.ScalePreimpostate) return;
    auto annuncia = [this](int casella, std::optional<double> scala) {
        if (scala && std::isfinite(*scala)) emit ScalaCalcolata(casella, *scala);
    };
    annuncia(0, scale.M);
    annuncia(1, scale.T);
    annuncia(2, scale.FR);
}

void FrmDiagramma::PlottaInOggetto(Dispositivo& uscita) {
    Disegna(uscita);
}

void FrmDiagramma::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pittore(this);
    std::string errore;
    try {
        DispositivoVideo video(pittore);
        Disegna(video);
    } catch (const std::exception& e) {
        errore = e.what();
    }
    // A drawing that fails is told once, after the paint, not at every repaint.
    if (!errore.empty() && errore != ultimoErrore_)
        QTimer::singleShot(0, this, [this, errore] { msg_.Mostra(errore, Icona::Avviso); });
    ultimoErrore_ = errore;
}

void FrmDiagramma::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    update();
}

} // namespace vc
