// The main window's diagrams: the moment, shear and load windows, the printed page with both
// diagrams, the DXF file, the CAD drawing and the block export.

#include "outputs/UsciteDiagrammi.h"
#include "support/Formattazione.h"
#include "ui/DocumentoTrave.h"
#include "ui/FrmDiagramma.h"
#include "ui/FrmMain.h"
#include "ui/PlottaDisegno.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <cmath>
#include <functional>

namespace vc {

namespace {

// The main window's page as the printer driver sees it: the moment diagram on the upper half,
// the shear diagram on the lower half.
class DiagrammiDellaTrave final : public FinestraDisegno {
  public:
    explicit DiagrammiDellaTrave(std::function<void(Dispositivo&)> disegna) : disegna_(std::move(disegna)) {}
    void PlottaInOggetto(Dispositivo& uscita) override { disegna_(uscita); }

  private:
    std::function<void(Dispositivo&)> disegna_;
};

} // namespace

FrmDiagramma* FrmMain::FinestraDiagramma(int indice) const {
    if (indice < 0 || indice >= static_cast<int>(finestreDiagramma_.size())) return nullptr;
    return finestreDiagramma_[static_cast<std::size_t>(indice)].data();
}

void FrmMain::MostraDiagramma(int indice) {
    static constexpr TipoDiagramma tipi[] = {TipoDiagramma::Momenti, TipoDiagramma::Tagli,
                                             TipoDiagramma::Carichi};
    QPointer<FrmDiagramma>& finestra = finestreDiagramma_.at(static_cast<std::size_t>(indice));
    if (!finestra) {
        finestra = new FrmDiagramma(tipi[indice], Trave(), Imp(), sep_, *msg_, this);
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
    if (Imp().ScalePreimpostate || casella < 0 || casella >= static_cast<int>(txtscala.size()) ||
        !std::isfinite(scala))
        return;
    const auto k = static_cast<std::size_t>(casella);
    const std::string testo = TestoNumero(scala, sep_);
    if (documento_->Dati().Scale.at(k) == testo) return;
    // The scales shown are the drawing's, not a change the user made to the beam.
    {
        const QSignalBlocker zitto(txtscala[k]);
        txtscala[k]->setText(QString::fromStdString(testo));
    }
    LavoroNonSalvato l = documento_->Dati();
    l.Scale.at(k) = testo;
    documento_->Aggiorna(std::move(l));
    AggiornaModifiche();
}

// The page goes through the printer dialog; the DXF file and the CAD drawing are the same
// outputs the command line writes, once the window has asked where.
bool FrmMain::PlottaDiagrammi(SceltaDisegno scelta) {
    if (uscite_->PercorsoDisegni().empty()) uscite_->PercorsoDisegni(Imp().PercorsoDati);
    const auto mostraScale = [this](const ScaleDisegnate& s) {
        if (s.M) ScriveScala(0, *s.M);
        if (s.T) ScriveScala(1, *s.T);
        if (s.FR) ScriveScala(2, *s.FR);
    };
    try {
        switch (scelta) {
        case SceltaDisegno::Stampa: {
            DiagrammiDellaTrave pagina([&](Dispositivo& uscita) {
                mostraScale(PaginaDiagrammi(Trave(), Imp(), sep_, uscita, *msg_));
            });
            uscite_->ProponiFilePdf(FilePdfProposto());
            return uscite_->PlottaDisegno(scelta, Imp().NomeFile, pagina);
        }
        case SceltaDisegno::FileDxf: {
            const auto percorso = uscite_->ChiedeFileDxf(Imp().NomeFile);
            if (!percorso) return false;
            mostraScale(EsportaDiagrammiDxf(Trave(), Imp(), sep_, *percorso, *msg_));
            return true;
        }
        case SceltaDisegno::Autocad: {
            DisegnoCad* disegno = uscite_->ApriAutocad(Imp().NomeFile);
            if (!disegno) return false;
            mostraScale(DisegnaDiagrammiInCad(Trave(), Imp(), sep_, *disegno, *msg_));
            return uscite_->SalvaEMostraCad();
        }
        }
    } catch (const std::exception& e) {
        uscite_->ErroreUscita(e);
    }
    return false;
}

void FrmMain::EsportaBlocco() {
    if (uscite_->PercorsoDisegni().empty()) uscite_->PercorsoDisegni(Imp().PercorsoDati);
    DisegnoCad* disegno = uscite_->ApriAutocad(Imp().NomeFile);
    if (!disegno) return;
    try {
        EsportaBloccoDiagrammi(Trave(), Imp(), sep_, *disegno, *msg_);
    } catch (const std::exception& e) {
        uscite_->ErroreUscita(e);
        return;
    }
    // The blocks are for the reinforcement drawing: once the drawing is kept, this program has
    // done its part and closes (asking first about unsaved data).
    if (uscite_->SalvaEMostraCad()) close();
}

} // namespace vc
