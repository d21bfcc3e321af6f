#include "ui/TastiDecimali.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace vc {

GestioneTastiDecimali::GestioneTastiDecimali(const Separatori& sep, QObject* genitore)
    : QObject(genitore), separatore_(QString::fromStdString(sep.Decimale)) {}

void GestioneTastiDecimali::Controlla(QWidget* campo) {
    if (campo != nullptr) campo->installEventFilter(this);
}

void GestioneTastiDecimali::ControllaCampi(QWidget* finestra) {
    if (finestra == nullptr) return;
    const auto campi = finestra->findChildren<QLineEdit*>();
    for (QLineEdit* campo : campi)
        Controlla(campo);
}

bool GestioneTastiDecimali::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress || separatore_.isEmpty() || sostituendo_)
        return QObject::eventFilter(oggetto, evento);
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    const bool tastierino = tasto->modifiers().testFlag(Qt::KeypadModifier);
    const bool decimale = tasto->key() == Qt::Key_Period || tasto->key() == Qt::Key_Comma;
    if (!tastierino || !decimale || tasto->text() == separatore_)
        return QObject::eventFilter(oggetto, evento);

    // The same key press again, carrying the separator and no longer marked as the keypad's,
    // so that this filter lets it through.
    const int codice = separatore_ == QLatin1String(",")   ? Qt::Key_Comma
                       : separatore_ == QLatin1String(".") ? Qt::Key_Period
                                                           : Qt::Key_unknown;
    QKeyEvent sostituto(QEvent::KeyPress, codice, tasto->modifiers() & ~Qt::KeypadModifier, separatore_,
                        tasto->isAutoRepeat(), static_cast<quint16>(tasto->count()));
    // A field that does not take the key lets it go on to its parents; a watched parent must
    // not substitute it once more.
    sostituendo_ = true;
    QCoreApplication::sendEvent(oggetto, &sostituto);
    sostituendo_ = false;
    return true;
}

} // namespace vc
