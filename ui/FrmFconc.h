#pragma once
// "Carichi concentrati": the beam's concentrated forces and couples, one row each: the span it
// acts on, its value for G1, G2, Q1, Q2 and its distance d from the left end of the span.
//
// The main window's "Carichi concentrati" opens it once the spans exist and have lengths,
// handing over the lengths as its span grid shows them:
//   FrmFconc f(trave, luci, separatori, messaggi, this);
//   f.exec();
// "OK" checks every load (existing span, 0 ≤ d ≤ length), reports the first that fails and
// stays open, or stores both tables in the beam and closes; "Annulla" stores nothing.

#include "engine/Velcora.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <QDialog>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vc {

class GrigliaModifica;

class FrmFconc final : public QDialog {
    Q_OBJECT
public:
    // luci: the length of each span, span 1 first; their number is the number of spans.
    FrmFconc(Velcora& trave, std::vector<double> luci, const Separatori& sep, Messaggi& msg,
             QWidget* genitore = nullptr);

    // The lengths of the beam's own spans, for a caller that has no grid of its own.
    static std::vector<double> LuciDellaTrave(const Velcora& trave);

    // The counts as the window holds them: forces (forze true) or couples.
    int Righe(bool forze) const { return conteggi_[forze ? 0 : 1]; }
    GrigliaModifica& Griglia(bool forze) const { return *FlexGrid_[forze ? 0 : 1]; }

private:
    void CaricaForm();
    void DimensionaMsFlex(std::size_t quale);
    void InvioConteggio(std::size_t quale);
    bool LeggeDati(std::size_t quale, std::vector<RigaCarichi>& tabella);
    void Conferma();

    Velcora& trave_;
    std::vector<double> luci_;
    Separatori sep_;
    Messaggi& msg_;

    // Index 0 the forces, 1 the couples.
    std::array<int, 2> conteggi_{};
    std::array<QLineEdit*, 2> txtRigheGriglia_{};
    std::array<GrigliaModifica*, 2> FlexGrid_{};
    std::array<QPushButton*, 2> FlexGridZoom_{};
    std::array<QPushButton*, 2> cmdOK_{}; // 0 "Annulla", 1 "OK"
};

} // namespace vc
