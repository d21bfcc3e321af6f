#pragma once
// "Valore dei coefficienti di combinazione": the standard load categories, one option each,
// with their psi0, psi1, psi2; the partial factors window opens it to fill the coefficients of
// Q1 or Q2.
//
//   FrmSceltaPsi scelta(sep, this);
//   if (scelta.exec() == QDialog::Accepted) AggiornaCoeff(scelta.PsiScelti());

#include "engine/CoefficientiParziali.h"
#include "support/Separatori.h"

#include <QDialog>

#include <array>

class QRadioButton;

namespace vc {

class FrmSceltaPsi final : public QDialog {
    Q_OBJECT
public:
    explicit FrmSceltaPsi(const Separatori& sep, QWidget* genitore = nullptr);

    // The option chosen, 0..11 (the first one until the user picks another).
    int OpzioneScelta() const;
    // Its three values psi0, psi1, psi2.
    TernaPsi PsiScelti() const;

private:
    std::array<QRadioButton*, nCategorieScelta> optPsi_{};
};

} // namespace vc
