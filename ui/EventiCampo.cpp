#include "ui/EventiCampo.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace vc {

namespace {

class FiltroInvio final : public QObject {
public:
    FiltroInvio(QWidget* campo, std::function<void()> azione) : QObject(campo), azione_(std::move(azione)) {}

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::KeyPress) {
            const int tasto = static_cast<QKeyEvent*>(evento)->key();
            if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
                azione_();
                return true;
            }
        }
        return QObject::eventFilter(oggetto, evento);
    }

private:
    std::function<void()> azione_;
};

class FiltroUscita final : public QObject {
public:
    FiltroUscita(QWidget* campo, std::function<void()> azione) : QObject(campo), azione_(std::move(azione)) {}

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        // A window that is closed (or being destroyed, its other fields perhaps gone already)
        // has nothing to rewrite.
        if (evento->type() == QEvent::FocusOut && static_cast<QWidget*>(oggetto)->window()->isVisible()) {
            const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
            if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) azione_();
        }
        return QObject::eventFilter(oggetto, evento);
    }

private:
    std::function<void()> azione_;
};

class FiltroIngresso final : public QObject {
public:
    explicit FiltroIngresso(QLineEdit* campo) : QObject(campo) {}

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::FocusIn) {
            // After the click that gave the focus has placed the cursor.
            QPointer<QLineEdit> campo = qobject_cast<QLineEdit*>(oggetto);
            QTimer::singleShot(0, this, [campo] {
                if (campo && campo->hasFocus()) campo->selectAll();
            });
        }
        return QObject::eventFilter(oggetto, evento);
    }
};

} // namespace

void AlTastoInvio(QWidget* campo, std::function<void()> azione) {
    campo->installEventFilter(new FiltroInvio(campo, std::move(azione)));
}

void AlPerdereFocus(QWidget* campo, std::function<void()> azione) {
    campo->installEventFilter(new FiltroUscita(campo, std::move(azione)));
}

void SelezionaAllIngresso(QLineEdit* campo) {
    campo->installEventFilter(new FiltroIngresso(campo));
}

} // namespace vc
