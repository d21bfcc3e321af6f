#pragma once
// "Ridistribuzione Momenti Negativi": the coefficient δ by which every support moment of the
// elastic solution is multiplied, set directly or from the concrete class and the depth ratio
// x/d of the neutral axis, within 0,7..1.
//
// The main window's "ridist. M" opens it:
//   FrmRidist f(impostazioni, separatori, this);
//   f.exec();
// "OK" stores δ in DeltaRidist and the class in ClasseCls; "Annulla" stores nothing (a
// DeltaRidist of 0, meaning no redistribution, is shown and kept as 1).

#include "engine/Impostazioni.h"
#include "support/Separatori.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vc {

class FrmRidist final : public QDialog {
    Q_OBJECT
public:
    FrmRidist(Impostazioni& imp, const Separatori& sep, QWidget* genitore = nullptr);

    // The working values.
    int iClasse() const { return iClasse_; }
    float EpsCu() const { return EpsCu_; }
    float XsuD() const { return XsuD_; }
    float Delta() const { return Delta_; }

private:
    void CaricaClassi();
    void ImpostaClasse();
    void SceltaClasse(int indice);
    void UscitaXsuD();
    void UscitaDelta();
    void MostraDelta();
    void MostraXsuD();
    void Conferma();
    float Leggi(const QLineEdit* campo) const;

    Impostazioni& imp_;
    Separatori sep_;

    int iClasse_ = 0;
    float EpsCu_ = 0.0035f;
    float XsuD_ = 0.208f;
    float Delta_ = 0.7f;

    QComboBox* ComboClasse_ = nullptr;
    QLineEdit* txtXsuD_ = nullptr;
    QLineEdit* txtDelta_ = nullptr;
    QLabel* lblFck_ = nullptr;
    QLabel* lblEcu_ = nullptr;
    QLabel* PictureDelta_ = nullptr;
    QPushButton* CmdOk_ = nullptr;
    QPushButton* CmdAnnulla_ = nullptr;
};

} // namespace vc
