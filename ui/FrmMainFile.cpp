// The main window and its files: start-up, new, open, save, the listing on paper or in a text
// file, the caption with its mark of unsaved changes, and closing.

#include "ui/FrmMain.h"

#include "files/CartellaEsempi.h"
#include "files/FileIni.h"
#include "files/FileUscitaProposto.h"
#include "outputs/Relazione.h"
#include "support/ImpostazioniInternazionali.h"
#include "ui/DocumentoTrave.h"
#include "ui/FrmDecalage.h"
#include "ui/GrigliaModifica.h"
#include "ui/PlottaDisegno.h"
#include "ui/Recupero.h"
#include "ui/ServiziFinestra.h"
#include "ui/StampanteQt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

#include <algorithm>
#include <system_error>

namespace vc {

namespace fs = std::filesystem;

// ---------------------------------------------------------------------------------------------
// Start-up

void FrmMain::Avvia(const AvvioProgramma& avvio) {
    Imp().PercorsoProgramma = avvio.CartellaProgramma.string();
    Imp().PercorsoDati = avvio.CartellaCorrente.string();
    ControllaImpostazioniInternazionali(sep_, *msg_);
    FileIniLeggeScrive(Modo::Lettura);

    ImpostaTitolo(FormCaption + Imp().NomeFile);
    fileFinestra_ = avvio.FileFinestra;
    DimensioneIniziale();
    CaricaComboSLE();
    optSLU[1]->setChecked(true);
    PurgaForm();
    FrDiagrammi->hide();
    QApplication::processEvents();

    // Work left unsaved by a program that did not end cleanly comes before anything else.
    AvviaRecupero(avvio.CartellaRecupero);
    if (OffreRecupero()) return;
    if (!Imp().AvviatoDaServer && !avvio.RigaComando.empty()) {
        std::string riga;
        for (const std::string& parola : avvio.RigaComando) riga += (riga.empty() ? "" : " ") + parola;
        // A name given from a terminal is relative to the folder the program was started from.
        if (!fs::path(riga).is_absolute() && !avvio.CartellaCorrente.empty())
            riga = (avvio.CartellaCorrente / riga).string();
        try {
            const bool letto = ApriFileDaRigaComando(riga, Trave(), Imp(), *msg_);
            ImpostaTitolo(FormCaption + Imp().NomeFile);
            if (letto) DopoLettura();
        } catch (const std::exception&) {
            // A file named on the command line that cannot be used leaves an empty window.
        }
    }
    NuovoDocumento();
}

bool FrmMain::FileIniLeggeScrive(Modo modo) {
    return vc::FileIniLeggeScrive(modo, Imp(), *msg_, PercorsiFileIniPredefiniti(Imp().PercorsoProgramma));
}

fs::path FrmMain::FilePdfProposto() const {
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return FileUscitaProposto(Imp(), ".pdf", fs::path(documenti.toStdString()));
}

// ---------------------------------------------------------------------------------------------
// The data file

EsitoGestioneFile FrmMain::GestioneFileDati(AzioneFile azione, const fs::path& cartella, bool rileggiIni) {
    const PercorsiFileIni ini = PercorsiFileIniPredefiniti(Imp().PercorsoProgramma);
    const EsitoGestioneFile esito = vc::GestioneFileDati(azione, NomeProgramma, EstensioneFileDati, servizi_->Dialoghi(),
                                                         Trave(), Imp(), *msg_, cartella, rileggiIni ? &ini : nullptr);
    ImpostaTitolo(FormCaption + Imp().NomeFile);
    return esito;
}

void FrmMain::ImpostaTitolo(const std::string& titolo) {
    didascalia_ = titolo;
    // "[*]" is where the window shows its mark of unsaved changes; one in the name stays text.
    QString testo = QString::fromStdString(titolo);
    testo.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(testo + QStringLiteral("[*]"));
}

void FrmMain::DopoLettura() {
    AggiornaMenuOpzioni();
    txtTitolo->setText(QString::fromStdString(Imp().Titolo));
    txtTitolo->setCursorPosition(0); // a long title shows its start
    txtCampate->setText(QString::number(Trave().nCampate()));
    DimensionaGriglie();
    FormScriveDati();
    MostraRisultati(false);
    FrDiagrammi->show();
    salvaConNome_ = false;
    cbCalcolo->setFocus(Qt::OtherFocusReason);
    NuovoDocumento();
    AvvisoStatoLimite();
}

// A file older than "6.9" does not hold the limit state: the window keeps the one it had, and
// says which, since the results depend on it.
void FrmMain::AvvisoStatoLimite() {
    if (VersioneAlmeno(Imp().VersioneLetta, "6.9")) return;
    const OpzioniIngresso& o = Documento().Dati().Opzioni;
    const std::string stato =
        o.StatoLimite == SLU ? std::string("SLU")
                             : std::string("SLE ").append(CombinazioniSLE.at(static_cast<std::size_t>(o.TipoSLE)));
    msg_->Mostra(std::string("Il file (versione ")
                     .append(Imp().VersioneLetta)
                     .append(") non registra lo stato limite: è selezionato ")
                     .append(stato)
                     .append("."),
                 Icona::Informazione);
}

bool FrmMain::ApriFileDati(const fs::path& cartella, bool rileggiIni) {
    if (!ConfermaAbbandono()) return false;
    const EsitoGestioneFile esito = GestioneFileDati(AzioneFile::Apri, cartella, rileggiIni);
    if (esito.Annullato || !esito.Esito || Imp().NomeFile == "*") return false;
    DopoLettura();
    return true;
}

void FrmMain::Nuovo() {
    if (!ConfermaAbbandono()) return;
    Imp().NomeFile.clear();
    // What belongs to one beam and is not on view starts afresh: no redistribution.
    Imp().DeltaRidist = 0.0f;
    Imp().ClasseCls = 0;
    salvaConNome_ = false;
    GestioneFileDati(AzioneFile::Nuovo);
    PurgaForm();
    FrDiagrammi->hide();
    txtTitolo->setFocus(Qt::OtherFocusReason);
    txtTitolo->selectAll();
    NuovoDocumento();
}

void FrmMain::Apri() {
    // The settings file is read again once a file has been chosen, just before reading it.
    if (ApriFileDati(Imp().PercorsoDati, true)) FrDiagrammi->show();
}

void FrmMain::FilesDiEsempio() {
    const RicercaEsempi esempi = CercaCartellaEsempi(CartelleCandidateEsempi(Imp().PercorsoProgramma));
    if (esempi.Cartella.empty()) {
        msg_->Mostra(TestoEsempiNonTrovati(esempi.Esaminate), Icona::Informazione);
        return;
    }
    const std::string percorsoDati = Imp().PercorsoDati;
    const bool letto = ApriFileDati(esempi.Cartella);
    Imp().PercorsoDati = percorsoDati;
    // An example is a model to start from: it is saved into the user's folder, under a name
    // the user gives, never over the example itself.
    if (letto) salvaConNome_ = true;
}

bool FrmMain::Salva() {
    if (!ControllaDatiGriglie()) return false;
    const AzioneFile azione = salvaConNome_ ? AzioneFile::SalvaConNome : AzioneFile::Salva;
    const EsitoGestioneFile esito = GestioneFileDati(azione);
    if (esito.Esito != EsitoFile::Completo) return false;
    salvaConNome_ = false;
    DatiSalvati();
    return true;
}

bool FrmMain::SalvaConNome() {
    if (!ControllaDatiGriglie()) return false;
    const EsitoGestioneFile esito = GestioneFileDati(AzioneFile::SalvaConNome);
    if (esito.Esito != EsitoFile::Completo) return false;
    salvaConNome_ = false;
    DatiSalvati();
    return true;
}

// ---------------------------------------------------------------------------------------------
// The listing

void FrmMain::StampaFile(DestinazioneRelazione destinazione, StampanteRighe& uscita) {
    if (destinazione == DestinazioneRelazione::Stampante) {
        if (auto* pagine = dynamic_cast<RigheSuStampante*>(&uscita)) pagine->NuovaCopia();
    }
    StampaRelazione(uscita, Trave(), Imp(), sep_);
}

void FrmMain::Stampa() {
    if (!EsegueCalcolo()) return;
    std::unique_ptr<Stampante> stampante = servizi_->NuovaStampante();
    if (!stampante) {
        msg_->Mostra("Nessuna stampante disponibile.", Icona::Avviso);
        return;
    }
    if (auto* qt = dynamic_cast<StampanteQt*>(stampante.get())) qt->ProponiFilePdf(FilePdfProposto());
    const bool stampato = StampaSuDispositivo(Imp().NomeFile, "txt", servizi_->Dialoghi(), *this,
                                              DestinazioneRelazione::Stampante, stampante.get(), Imp(), *msg_);
    // A cancelled Print dialog says nothing; a printer that could not start says why.
    if (auto* qt = dynamic_cast<StampanteQt*>(stampante.get()); !stampato && qt && !qt->Errore().isEmpty())
        msg_->Mostra(qt->Errore().toStdString(), Icona::Avviso);
}

void FrmMain::FileDiStampa() {
    if (!EsegueCalcolo()) return;
    StampaSuDispositivo(Imp().NomeFile, "txt", servizi_->Dialoghi(), *this, DestinazioneRelazione::File, nullptr,
                        Imp(), *msg_);
}

void FrmMain::DisegnaInAutocad() {
    if (!EsegueCalcolo()) return;
    PlottaDiagrammi(SceltaDisegno::Autocad);
}

void FrmMain::EsportaDxf() {
    if (!EsegueCalcolo()) return;
    PlottaDiagrammi(SceltaDisegno::FileDxf);
}

// ---------------------------------------------------------------------------------------------
// Unsaved changes and closing

std::string FrmMain::SalvaRecupero() {
    ChiudeEditori();
    if (!Modificato()) return {};
    if (!recupero_) recupero_ = std::make_unique<Recupero>(); // not started yet: the user's data folder
    if (!recupero_->Scrive(Lavoro()))
        throw std::system_error(std::make_error_code(std::errc::io_error), recupero_->File().string());
    return recupero_->File().string();
}

bool FrmMain::ConfermaAbbandono() {
    ChiudeEditori();
    // The cover typed in the decalage window goes into the beam when that window closes.
    if (finestraDecalage_) finestraDecalage_->close();
    if (!Modificato()) return true;
    const QString nome = Imp().NomeFile.empty() || Imp().NomeFile == "*"
                             ? QStringLiteral("I dati della nuova trave non sono stati salvati.")
                             : QStringLiteral("I dati della trave sono cambiati dall'ultimo salvataggio di %1.%2.")
                                   .arg(QString::fromStdString(Imp().NomeFile), QLatin1String(EstensioneFileDati.data()));
    QMessageBox domanda(QMessageBox::Question, QString::fromLatin1(NomeProgramma),
                        nome + QStringLiteral("\nSalvare le modifiche?"), QMessageBox::NoButton, this);
    QPushButton* si = domanda.addButton(QStringLiteral("&Sì"), QMessageBox::YesRole);
    QPushButton* no = domanda.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    QPushButton* annulla = domanda.addButton(QStringLiteral("&Annulla"), QMessageBox::RejectRole);
    domanda.setDefaultButton(si);
    domanda.setEscapeButton(annulla);
    domanda.exec();
    if (domanda.clickedButton() == no) return true;
    if (domanda.clickedButton() == si) return Salva();
    return false;
}

void FrmMain::Esci() {
    close();
}

void FrmMain::closeEvent(QCloseEvent* evento) {
    bool chiude = false;
    try {
        chiude = ConfermaAbbandono();
    } catch (const std::exception& e) {
        msg_->Mostra(e.what(), Icona::Nessuna);
    }
    if (!chiude) {
        evento->ignore();
        return;
    }
    if (finestraDecalage_) finestraDecalage_->close();
    if (recupero_) recupero_->Rimuove(); // a clean exit leaves nothing to recover
    SalvaGeometria();
    evento->accept();
}

} // namespace vc
