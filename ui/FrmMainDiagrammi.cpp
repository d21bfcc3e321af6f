// The main window's diagrams: the moment, shear and load windows, the printed page with both
// diagrams, the DXF file, the CAD drawing and the block export.

#include "ui/FrmMain.h"

#include "drawing/DiagrammiTrave.h"
#include "drawing/UsciteDiagrammi.h"
#include "drawing/core/ContestoDisegno.h"
#include "support/Formattazione.h"
#include "ui/FrmDiagramma.h"
#include "ui/PlottaDisegno.h"

#include <QLineEdit>

#include <cmath>
#include <functional>

namespace vc {

namespace {

// The main window's drawing as the output driver sees it: the moment diagram above the shear
// diagram (on the printer, the upper and the lower half of the page).
class DiagrammiDellaTrave final : public FinestraDisegno {
  public:
    explicit DiagrammiDellaTrave(std::function<void(const std::shared_ptr<Dispositivo>&)> disegna)
        : disegna_(std::move(disegna)) {}
    void PlottaInOggetto(const std::shared_ptr<Dispositivo>& uscita) override { disegna_(uscita); }

  private:
    std::function<void(const std::shared_ptr<Dispositivo>&)> disegna_;
};

} // namespace

FrmDiagramma* FrmMain::FinestraDiagramma(int indice) const {
    if (indice < 0 || indice >= static_cast<int>(finestreDiagramma_.size())) return nullptr;
    return finestreDiagramma_[static_cast<std::size_t>(indice)].data();
}

void FrmMain::MostraDiagramma(int indice) {
    static constexpr TipoDiagramma tipi[] = {TipoDiagramma::Momenti, TipoDiagramma::Tagli, TipoDiagramma::Carichi};
    QPointer<FrmDiagramma>& finestra = finestreDiagramma_.at(static_cast<std::size_t>(indice));
    if (!finestra) {
        finestra = new FrmDiagramma(tipi[indice], trave_, imp_, *ctx_, sep_, *msg_, this);
        connect(finestra, &FrmDiagramma::ScalaCalcolata, this, &FrmMain::ScriveScala);
    }
    // The beam was just recomputed: every open diagram shows the new results.
    for (const QPointer<FrmDiagramma>& f : finestreDiagramma_)
        if (f) f->update();
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}

void FrmMain::ChiudeDiagrammi() {
    for (QPointer<FrmDiagramma>& f : finestreDiagramma_)
        if (f) f->close();
}

void FrmMain::ScriveScala(int casella, double scala) {
    if (imp_.ScalePreimpostate || casella < 0 || casella >= static_cast<int>(txtscala.size()) || !std::isfinite(scala))
        return;
    QLineEdit* campo = txtscala[static_cast<std::size_t>(casella)];
    const QString testo = QString::fromStdString(TestoNumero(scala, sep_));
    if (campo->text() == testo) return;
    // The scales shown are the drawing's, not a change the user made to the beam.
    const bool eraModificato = Modificato();
    campo->setText(testo);
    if (!eraModificato) firmaSalvata_ = FirmaFinestra();
    AggiornaModifiche();
}

bool FrmMain::PlottaDiagrammi(int scelta) {
    if (uscite_->PercorsoDisegni().empty()) uscite_->PercorsoDisegni(imp_.PercorsoDati);
    DiagrammiDellaTrave diagrammi([this](const std::shared_ptr<Dispositivo>& uscita) {
        DiagrammiTrave d(trave_, imp_, *ctx_, sep_);
        if (uscita->Tipo() == Uscita::Stampante)
            d.PlottaStamp(uscita);
        else
            d.PlottaDWG(uscita);
        if (const auto s = d.ScalaM()) ScriveScala(0, *s);
        if (const auto s = d.ScalaT()) ScriveScala(1, *s);
        if (const auto s = d.ScalaFR()) ScriveScala(2, *s);
    });
    return uscite_->PlottaDisegno(scelta, imp_.NomeFile, diagrammi);
}

void FrmMain::EsportaBlocco() {
    if (uscite_->PercorsoDisegni().empty()) uscite_->PercorsoDisegni(imp_.PercorsoDati);
    try {
        EsportaBloccoDiagrammi(trave_, imp_, *ctx_, sep_);
    } catch (const std::exception& e) {
        ctx_->ImpostaUscita(1, nullptr);
        uscite_->ErroreUscita(e);
        return;
    }
    ctx_->ImpostaUscita(1, nullptr);
    // The blocks are for the reinforcement drawing: once the drawing is kept, this program has
    // done its part and closes (asking first about unsaved data).
    if (uscite_->SalvaEMostraCad(imp_.NomeFile)) close();
}

} // namespace vc
