#pragma once
// "Coefficienti parziali": the partial factors of G1, G2, Q1, Q2 and the combination
// coefficients of Q1 and Q2 (the fourteen values of CoefParz), and the option that omits a
// favourable G2 in the serviceability combinations.
//
// The main window opens it from "I&mpostazioni":
//   FrmGamma f(impostazioni, separatori, messaggi, PercorsiFileIniPredefiniti(cartellaProgramma), this);
//   f.exec();
// "&OK" applies the fields and the check box; "&Annulla" changes nothing; "&Salva nel file
// VelcoraDwg.ini" applies the fields (not the check box) and writes the settings file, and the
// window stays open.

#include "engine/CoefficientiParziali.h"
#include "engine/Impostazioni.h"
#include "files/FileIni.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vc {

class FrmGamma final : public QDialog {
    Q_OBJECT
public:
    FrmGamma(Impostazioni& imp, const Separatori& sep, Messaggi& msg, PercorsiFileIni percorsiIni,
             QWidget* genitore = nullptr);

    // Writes the three values into psi0, psi1, psi2 of the load the choice was opened for.
    void AggiornaCoeff(const TernaPsi& psi);
    // The load the last psi choice was opened for (Q1 until one is opened).
    CaricoVariabile SceltaPsiPer() const { return sceltaPer_; }

private:
    TestiCoefficienti Testi() const;
    void ApplicaCampi();
    void Conferma();
    void Salva();
    void ScegliPsi(CaricoVariabile q);
    void CampoSuccessivo(std::size_t k);

    Impostazioni& imp_;
    Separatori sep_;
    Messaggi& msg_;
    PercorsiFileIni percorsiIni_;
    CaricoVariabile sceltaPer_ = CaricoVariabile::Q1;

    std::array<QLineEdit*, nCoefParz> txtCoefParz_{};
    QCheckBox* chkG2_ = nullptr;
    QPushButton* cmdG2_ = nullptr;
    std::array<QPushButton*, 2> cmdPsi_{};
    std::array<QPushButton*, 3> cmdOK_{};
};

} // namespace vc
