#pragma once
// "Visualizza carichi": which loads the load diagram shows, the distributed loads G1, G2, Q1,
// Q2 and the concentrated forces and couples of each.
//
// The main window's "Visualizza" opens it before drawing the loads:
//   FrmVisualCar f(trave, this);
//   f.exec();
// "&OK" hands the twelve choices to the beam (VisualCar); "&Annulla" leaves them as they were.

#include "engine/Velcora.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;

namespace vc {

class FrmVisualCar final : public QDialog {
    Q_OBJECT
public:
    explicit FrmVisualCar(Velcora& trave, QWidget* genitore = nullptr);

    // The choices as the boxes show them now: [G1, G2, Q1, Q2][distributed, forces, couples].
    TabellaVisualCarichi Scelte() const;

private:
    void Conferma();

    Velcora& trave_;
    std::array<QCheckBox*, 4> chkDist_{};
    std::array<QCheckBox*, 8> chkConc_{};
    std::array<QPushButton*, 2> cmd_{};
};

} // namespace vc
