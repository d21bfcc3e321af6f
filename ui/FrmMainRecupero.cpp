// The main window and the recovery file: the work on view written while it is unsaved, and
// offered back at the next start after a program that did not end cleanly.

#include "ui/FrmMain.h"

#include "files/FileDati.h"
#include "files/Record.h"
#include "ui/DocumentoTrave.h"
#include "ui/GrigliaModifica.h"
#include "ui/Recupero.h"

#include <QLineEdit>
#include <QTimer>

#include <sstream>

namespace vc {

void FrmMain::AvviaRecupero(const std::filesystem::path& cartella) {
    recupero_ = std::make_unique<Recupero>(cartella);
    if (timerRecupero_) return;
    timerRecupero_ = new QTimer(this);
    timerRecupero_->setInterval(30000);
    connect(timerRecupero_, &QTimer::timeout, this, [this] {
        try {
            if (Modificato())
                ScriveRecupero();
            else
                recupero_->Rimuove();
        } catch (const std::exception& e) {
            msg_->Mostra(e.what(), Icona::Nessuna);
        }
    });
    timerRecupero_->start();
}

// The document's input (the fields', grids' and buttons' own), with what is being typed in a
// cell, and the rest of the beam (sections, loads) as a data file.
LavoroNonSalvato FrmMain::Lavoro(bool conEditore) const {
    LavoroNonSalvato l = documento_->Dati();
    l.NomeFile = Imp().NomeFile;
    l.PercorsoDati = Imp().PercorsoDati;
    for (std::size_t g = 0; g < l.Griglie.size(); ++g) {
        const GrigliaModifica& griglia = *FlexGrid[g];
        const auto r = static_cast<std::size_t>(griglia.RigaCorrente() - 1);
        const auto c = static_cast<std::size_t>(griglia.ColonnaCorrente() - 1);
        if (conEditore && griglia.InModifica() && r < l.Griglie[g].size() && c < l.Griglie[g][r].size())
            l.Griglie[g][r][c] = griglia.Editor()->text().toStdString();
    }
    l.DatiFile = DatiTrave(l.Opzioni);
    return l;
}

// The beam as it stands with these restraints and options, as a data file.
std::string FrmMain::DatiTrave(const OpzioniIngresso& opzioni) const {
    Velcora t = Trave();
    Impostazioni imp = Imp();
    ApplicaOpzioni(opzioni, t, imp);
    MessaggiRegistrati zitto;
    std::ostringstream uscita;
    FileTesto file = FileTesto::PerScrittura(uscita);
    vc::FileLeggeScrive(Modo::Scrittura, file, t, imp, zitto);
    return uscita.str();
}

void FrmMain::ScriveRecupero() {
    if (recupero_) recupero_->Scrive(Lavoro());
}

bool FrmMain::OffreRecupero() {
    if (!recupero_ || !recupero_->Esiste()) return false;
    const bool ripristina = msg_->ChiediSiNo("Ripristina il lavoro non salvato?", Icona::Domanda, NomeProgramma);
    const std::optional<LavoroNonSalvato> lavoro = ripristina ? recupero_->Legge() : std::nullopt;
    if (!lavoro) {
        // Declined, or unreadable: it is not offered again.
        recupero_->Rimuove();
        return false;
    }
    Ripristina(*lavoro);
    return true;
}

void FrmMain::Ripristina(const LavoroNonSalvato& l) {
    // The beam first, as a file is read; then the window as it was typed.
    FileTesto file = FileTesto::PerLettura(l.DatiFile);
    Trave() = Velcora{};
    vc::FileLeggeScrive(Modo::Lettura, file, Trave(), Imp(), *msg_);
    Imp().NomeFile = l.NomeFile;
    Imp().PercorsoDati = l.PercorsoDati;
    ImpostaTitolo(FormCaption + Imp().NomeFile);
    AggiornaMenuOpzioni();
    DopoLettura();
    MostraTesti(l);
    // Still to be saved: no file holds this work.
    NuovoDocumento(true);
}

} // namespace vc
