#pragma once
// "Rigidezze vincoli elastici": the rotational stiffness K of the elastically restrained ends
// of the beam, typed by the user ("K utente") or computed from the columns of the frame for one
// of four frame situations.
//
// The main window's "v.Elastici" opens it:
//   FrmElastici f(trave, separatori, messaggi, this);
//   f.exec();
// "OK" stores K, the situations and the column data in the beam; "Annulla" stores nothing.

#include "engine/Velcora.h"
#include "engine/VincoliElastici.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vc {

class DisegnoTelaio;

class FrmElastici final : public QDialog {
    Q_OBJECT
public:
    FrmElastici(Velcora& trave, const Separatori& sep, Messaggi& msg, QWidget* genitore = nullptr);

    // The end being edited: true for the left one.
    bool SinistraScelta() const { return lato_ == 0; }

private:
    void CaricaDati();
    void MostraDatiLato();
    void LeggeDatiLato();
    void MostraSituazione(int situazione);
    void MostraPilastroSuperiore(bool visibile);
    void AbilitaCaselleK();
    void RigidezzaCalcola(int posizione);
    void SceltaLato(std::size_t lato);
    void SceltaSituazione(int situazione);
    void InvioInCampo(std::size_t i);
    void UscitaDaCampo(std::size_t i);
    void SceltaKUtente(bool utente);
    void Conferma();
    double Valore(const QLineEdit* campo) const;

    Velcora& trave_;
    Separatori sep_;
    Messaggi& msg_;

    DatiVincoliElastici dati_;
    std::size_t lato_ = 0; // 0 left, 1 right
    bool caricato_ = false;

    std::array<QRadioButton*, 2> optVinc_{};
    QComboBox* comboVincolo_ = nullptr;
    DisegnoTelaio* PictureVincolo_ = nullptr;
    QGroupBox* frameK_ = nullptr;
    std::array<QLineEdit*, 9> txt_{};
    std::array<QLabel*, 9> etichette_{};
    QLabel* titoloPilastro2_ = nullptr;
    std::array<QLineEdit*, 2> txtK_{};
    QLabel* lblS_ = nullptr;
    QLabel* lbld_ = nullptr;
    QLabel* lblunits_ = nullptr;
    QCheckBox* chkUtente_ = nullptr;
    std::array<QPushButton*, 2> cmdOK_{};
};

} // namespace vc
