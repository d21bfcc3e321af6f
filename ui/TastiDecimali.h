#pragma once
// The decimal key of the numeric keypad types the user's decimal separator in every numeric
// field, whatever the keyboard layout puts on it (a point on most layouts, a comma on some).
//
//   auto* tasti = new GestioneTastiDecimali(sep, this);
//   tasti->ControllaCampi(this);      // every line edit of the window
//   tasti->Controlla(editorGriglia);  // or one field at a time

#include "support/Separatori.h"

#include <QObject>
#include <QString>

class QWidget;

namespace vc {

class GestioneTastiDecimali final : public QObject {
    Q_OBJECT
public:
    explicit GestioneTastiDecimali(const Separatori& sep, QObject* genitore = nullptr);

    // Watches one field (a line edit, a spin box, any widget that takes typed text).
    void Controlla(QWidget* campo);
    // Watches every line edit inside the window that exists now.
    void ControllaCampi(QWidget* finestra);

    const QString& Separatore() const { return separatore_; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QString separatore_;
    bool sostituendo_ = false;
};

} // namespace vc
