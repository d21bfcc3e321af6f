// The main window and its beam document: the input handed to the document after every edit,
// shown again by undo and redo, and the mark of unsaved changes that follows the document.

#include "calcolo/Calcolo.h"
#include "files/FileDati.h"
#include "files/Record.h"
#include "ui/DocumentoTrave.h"
#include "ui/FrmMain.h"
#include "ui/GrigliaModifica.h"
#include "ui/Recupero.h"

#include <QComboBox>
#include <QLineEdit>
#include <sstream>

namespace vc {

Velcora& FrmMain::Trave() { return documento_->Trave(); }
const Velcora& FrmMain::Trave() const { return documento_->Trave(); }
Impostazioni& FrmMain::Imp() { return documento_->Imp(); }
const Impostazioni& FrmMain::Imp() const { return documento_->Imp(); }

// The input as the document keeps it: the texts as typed (those of the grids are the
// document's own: the grids' models write them there), and the rest of the beam as the data
// file a save would write now (after the data check of a save, so that two equal inputs
// are equal whatever the calculation has done to the beam since). Input that cannot be read
// yet keeps the beam as it stands.
LavoroNonSalvato FrmMain::Ingresso() const {
    return IngressoDi(Lavoro(false));
}

LavoroNonSalvato FrmMain::IngressoDi(LavoroNonSalvato l) const {
    Velcora t = Trave();
    Impostazioni imp = Imp();
    try {
        MessaggiRegistrati zitto;
        TrasferisceDati(l, t, imp);
        vc::ControllaDati(t, imp, zitto);
        std::ostringstream uscita;
        FileTesto file = FileTesto::PerScrittura(uscita);
        vc::FileLeggeScrive(Modo::Scrittura, file, t, imp, zitto);
        l.DatiFile = uscita.str();
    } catch (const std::exception&) {
        // Compared as typed.
    }
    return l;
}

void FrmMain::Modifica(const char* descrizione) {
    documento_->Registra(Ingresso(), QString::fromUtf8(descrizione));
    AggiornaModifiche();
}

// The restraints and options edited by their buttons (cambia changes the document's): one
// step. While undo or redo shows a step the buttons follow it, and the document refuses what
// they say.
void FrmMain::ModificaOpzioni(const std::function<void(OpzioniIngresso&)>& cambia, const char* descrizione) {
    OpzioniIngresso opzioni = documento_->Dati().Opzioni;
    cambia(opzioni);
    if (documento_->InApplicazione() || opzioni == documento_->Dati().Opzioni) return;
    LavoroNonSalvato l = Lavoro(false);
    l.Opzioni = opzioni;
    l.DatiFile = DatiTrave(opzioni);
    documento_->Registra(IngressoDi(std::move(l)), QString::fromUtf8(descrizione));
    AggiornaModifiche();
}

void FrmMain::NuovoDocumento(bool nonSalvato) {
    documento_->Sostituisce(Ingresso(), nonSalvato);
    AggiornaModifiche();
}

void FrmMain::DatiSalvati() {
    // What the data check of the save did to the beam is not an edit.
    documento_->Aggiorna(Ingresso());
    documento_->Salvato();
    AggiornaModifiche();
}

bool FrmMain::Modificato() const {
    return documento_->Modificato();
}

void FrmMain::AggiornaModifiche() {
    setWindowModified(Modificato());
}

// Undo and redo: the document has read the beam of the step, and the window shows it with the
// texts as they were typed.
void FrmMain::MostraIngresso(const LavoroNonSalvato& l) {
    ChiudeDiagrammi(); // they drew the results of the beam replaced
    AggiornaMenuOpzioni();
    // The grids already show the step's texts: what these write into them the document refuses
    // while it shows a step.
    DimensionaGriglie();
    FormScriveDati();
    // No data file holds the SLE combination: the list shows the document's.
    ComboSLE->setCurrentIndex(l.Opzioni.TipoSLE);
    MostraCampi(l); // the grids show the document's texts through their models
    MostraRisultati(false);
}

// The fields as typed.
void FrmMain::MostraCampi(const LavoroNonSalvato& l) {
    txtTitolo->setText(QString::fromStdString(l.Titolo));
    txtTitolo->setCursorPosition(0);
    txtCampate->setText(QString::fromStdString(l.Campate));
    txtPlot->setText(QString::fromStdString(l.Punti));
    for (std::size_t k = 0; k < l.Scale.size(); ++k)
        txtscala[k]->setText(QString::fromStdString(l.Scale[k]));
}

// The fields and grids as typed (work recovered).
void FrmMain::MostraTesti(const LavoroNonSalvato& l) {
    MostraCampi(l);
    for (std::size_t g = 0; g < l.Griglie.size(); ++g) {
        GrigliaModifica& griglia = *FlexGrid[g];
        griglia.AnnullaModifica();
        griglia.ImpostaRighe(static_cast<int>(l.Griglie[g].size()) + 1);
        griglia.NumeraRighe();
        documento_->ScriveGriglia(g, l.Griglie[g]);
    }
}

} // namespace vc
