#pragma once
// "Sezioni": the cross-sections of the beam, one at a time: the kind (rectangular, T,
// generic), the dimensions or the second moment, the elastic modulus and, for a generic
// section, the total depth used by the decalage. Every section is written back into the beam
// as the user moves to another one, and when the window closes.
//
// The main window's "Sezioni" opens it after moving its grids into the beam:
//   FrmSez f(trave, separatori, messaggi, this);
//   f.exec();
//   cbCalcolo->setFocus();

#include "engine/Velcora.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vc {

class FiguraSezione;
class GrigliaModifica;

class FrmSez final : public QDialog {
    Q_OBJECT
public:
    FrmSez(Velcora& trave, const Separatori& sep, Messaggi& msg, QWidget* genitore = nullptr);

    // The section shown (its number) and its kind as the window holds it.
    int SezioneMostrata() const { return mostrata_; }
    int TipoSezione() const { return tipo_; }

    void done(int risultato) override;

private:
    void VisualizzaDatiSezione(int numero);
    void VaiASezione(int numero);
    void MemorizzaSezione();
    void SchemaSezione();
    void DimensionaGriglia();
    void AggiornaFigura();
    void MostraInerzia();
    void FocusDopoInserimento();
    void SceltaTipo(int tipo);
    MatriceFigure FigureDallaGriglia() const;
    double Valore(const QLineEdit* campo) const;

    Velcora& trave_;
    Separatori sep_;
    Messaggi& msg_;

    int mostrata_ = 0; // 0: none (a beam without sections)
    int tipo_ = SezRettangolare;
    double jota_ = 0;  // m⁴

    QLineEdit* txtNsez_ = nullptr;
    QLineEdit* txtNtotale_ = nullptr;
    std::array<QRadioButton*, 3> OpTipoSezione_{};
    GrigliaModifica* FlexGrid_ = nullptr;
    std::array<QLineEdit*, 2> txtEc_{};
    QLineEdit* txtInerzia_ = nullptr;
    QLineEdit* txtInerziaCm4_ = nullptr;
    QGroupBox* fraAltezza_ = nullptr;
    QLineEdit* txtHtot_ = nullptr;
    FiguraSezione* Figura_ = nullptr;
    std::array<QPushButton*, 2> cbVisSucc_{};
    QPushButton* cbFineSez_ = nullptr;
};

} // namespace vc
