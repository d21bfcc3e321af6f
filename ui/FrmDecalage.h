#pragma once
// "Decalage": the cover c (distance of the bars' centroid from the concrete edge) from which
// the effective depth, and so the shift 0,9·d of the moment diagram, is worked out.
//
// The main window opens it from the options menu, telling it which item was chosen
// (VoceDecalage or VoceDecalageSovrapposto):
//   FrmDecalage f(trave, VoceDecalage, separatori, this);
//   f.exec();
//   voceDecalage->setText(f.DidascaliaMenu());
// However the window closes ("OK", the title bar, Esc), the typed cover goes into the beam and
// DidascaliaCambiata is emitted with the item's new caption, so the window can also be shown
// without exec().

#include "engine/Velcora.h"
#include "support/Separatori.h"

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace vc {

class FrmDecalage final : public QDialog {
    Q_OBJECT
public:
    FrmDecalage(Velcora& trave, int iCheck, const Separatori& sep, QWidget* genitore = nullptr);

    int iCheck() const { return iCheck_; }
    // The caption of the menu item, from the cover the beam now has.
    QString DidascaliaMenu() const;

    void done(int risultato) override;

signals:
    void DidascaliaCambiata(int iCheck, const QString& didascalia);

private:
    Velcora& trave_;
    int iCheck_;
    Separatori sep_;
    QLineEdit* txtCopriferro_ = nullptr;
    QPushButton* Command1_ = nullptr;
};

} // namespace vc
