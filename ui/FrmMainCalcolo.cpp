// The main window and its beam: the input moved into the beam and back, the checks before a
// calculation, the calculation and the results grids.

#include "ui/FrmMain.h"

#include "files/Calcolo.h"
#include "files/Record.h"
#include "files/TabellaRisultati.h"
#include "support/Errori.h"
#include "support/Formattazione.h"
#include "ui/FrmDecalage.h"
#include "ui/GrigliaModifica.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cfloat>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace vc {

namespace {

// A typed value kept as a single real, as the beam stores it.
float Singola(double x) {
    if (std::abs(x) > static_cast<double>(FLT_MAX)) throw std::out_of_range("Overflow");
    return static_cast<float>(x);
}

QString Testo(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Sizes

void FrmMain::DimensionaGriglie() {
    const int n = trave_.nCampate();
    GrigliaModifica& campate = *FlexGrid[0];
    campate.ImpostaDimensioni(n + 1, 7);
    campate.ImpostaIntestazioni({"Camp. N°", "Luce", "G1", "G2", "Q1", "Q2", "Sez.N°"});
    campate.NumeraRighe();
    campate.ImpostaLarghezzaColonna(0, 950);
    for (int c = 1; c <= 6; ++c) campate.ImpostaLarghezzaColonna(c, 700);
    campate.ColonneElastiche(true);

    // The supports: a row for each, the widths typed so far stay where they are.
    GrigliaModifica& appoggi = *FlexGrid[1];
    appoggi.ImpostaDimensioni(n + 2, 2);
    appoggi.ImpostaIntestazioni({"App.", "Largh."});
    appoggi.NumeraRighe();
    appoggi.ImpostaLarghezzaColonna(0, 600);
    appoggi.ImpostaLarghezzaColonna(1, 900);
    appoggi.ColonneElastiche(true);
}

void FrmMain::PurgaForm() {
    if (finestraDecalage_) finestraDecalage_->close();
    ChiudeDiagrammi();
    for (GrigliaModifica* g : {FlexGrid[0], FlexGrid[1], Grid1, Grid2}) {
        g->AnnullaModifica();
        g->ImpostaRighe(1);
    }
    txtTitolo->clear();
    txtCampate->clear();
    trave_ = Velcora{};
    DimensionaGriglie();
    FlexGrid[1]->ImpostaRighe(1);
    ImpostaVincolo(opVincSin, Appoggio);
    ImpostaVincolo(opVincDes, Appoggio);
    trave_.VincoloSinistro = Appoggio;
    trave_.VincoloDestro = Appoggio;
    AggiornaMenuOpzioni();
    AggiornaElastici();
    MostraRisultati(false);
}

void FrmMain::ImpostaVincolo(std::array<QRadioButton*, 4>& gruppo, int codice) {
    QButtonGroup* bottoni = gruppo[0]->group();
    bottoni->setExclusive(false);
    for (QRadioButton* o : gruppo) o->setChecked(false);
    bottoni->setExclusive(true);
    if (codice >= Appoggio && codice <= Elastico) gruppo[static_cast<std::size_t>(codice)]->setChecked(true);
}

// ---------------------------------------------------------------------------------------------
// The beam into the window

void FrmMain::FormScriveDati() {
    const int n = trave_.nCampate();
    const TabellaCelle campate = TabellaCampate(trave_, sep_);
    for (int i = 1; i <= n; ++i)
        for (int c = ColLuce; c <= ColSezCampata; ++c) FlexGrid[0]->ScriveCella(campate.Cella(i, c), i, c);

    ImpostaVincolo(opVincSin, trave_.VincoloSinistro);
    ImpostaVincolo(opVincDes, trave_.VincoloDestro);
    ckVisualizzaDeformata->setChecked(imp_.VisualizzaDeformata);
    ckScalePreimpostate->setChecked(imp_.ScalePreimpostate);
    const double scale[] = {imp_.ScalaFissaM, imp_.ScalaFissaT, imp_.ScalaFissaFreccia};
    for (std::size_t k = 0; k < txtscala.size(); ++k)
        txtscala[k]->setText(imp_.ScalePreimpostate ? Testo(TestoNumero(scale[k], sep_)) : QString());
    for (int k = 1; k <= n + 1; ++k) FlexGrid[1]->ScriveCella(Testo(TestoNumero(trave_.LarghezzaAppoggi(k), sep_)), k, 1);
    optSLU[imp_.StatoLimite == SLE ? 0 : 1]->setChecked(true);
    AggiornaElastici();
}

// ---------------------------------------------------------------------------------------------
// The window into the beam

void FrmMain::ChiudeEditori() {
    for (GrigliaModifica* g : FlexGrid) g->ChiudeModifica();
}

// A count typed in a field: empty is 0, anything else must be a number (rounded to a whole
// one within the 16-bit range of the data file).
int FrmMain::LeggeConteggio(const QLineEdit& campo) const {
    const std::string testo = campo.text().trimmed().toStdString();
    if (testo.empty()) return 0;
    if (!TestoNumerico(testo, sep_)) throw std::invalid_argument("Tipo non corrispondente");
    const double valore = std::nearbyint(LeggeNumero(testo, sep_));
    if (!(valore >= -32768.0 && valore <= 32767.0)) throw std::out_of_range("Overflow");
    return static_cast<int>(valore);
}

// The span rows into the beam; the largest section number they use.
int FrmMain::LeggeCampate(Velcora& t) const {
    const GrigliaModifica& g = *FlexGrid[0];
    int massimo = 0;
    for (int i = 1; i <= t.nCampate(); ++i) {
        const int sezione = g.LeggeCellaIntera(i, ColSezCampata);
        t.InserisceDatiCampata(i, Singola(g.LeggeCella(i, ColLuce)), Singola(g.LeggeCella(i, ColG1)),
                               Singola(g.LeggeCella(i, ColG2)), Singola(g.LeggeCella(i, ColQ1)),
                               Singola(g.LeggeCella(i, ColQ2)), sezione);
        massimo = std::max(massimo, sezione);
    }
    return massimo;
}

void FrmMain::LeggeVincoli(Velcora& t) const {
    t.VincoloSinistro = VincoloNonScelto;
    t.VincoloDestro = VincoloNonScelto;
    for (int k = Appoggio; k <= Elastico; ++k) {
        if (opVincSin[static_cast<std::size_t>(k)]->isChecked()) t.VincoloSinistro = k;
        if (opVincDes[static_cast<std::size_t>(k)]->isChecked()) t.VincoloDestro = k;
    }
}

void FrmMain::LeggeAppoggi(Velcora& t) const {
    for (int k = 1; k <= t.nCampate() + 1; ++k) t.LarghezzaAppoggi(k, Singola(FlexGrid[1]->LeggeCella(k, 1)));
}

void FrmMain::LeggeOpzioni(Velcora&, Impostazioni& imp) const {
    imp.VisualizzaDeformata = ckVisualizzaDeformata->isChecked();
    imp.ScalePreimpostate = ckScalePreimpostate->isChecked();
    imp.ScalaFissaM = LeggeNumero(txtscala[0]->text().toStdString(), sep_);
    imp.ScalaFissaT = LeggeNumero(txtscala[1]->text().toStdString(), sep_);
    imp.ScalaFissaFreccia = LeggeNumero(txtscala[2]->text().toStdString(), sep_);
    if (imp.DeltaRidist == 0.0f) imp.DeltaRidist = 1.0f;
    if (optSLU[0]->isChecked()) {
        imp.StatoLimite = SLE;
        imp.TipoSLE = std::max(ComboSLE->currentIndex(), 0);
    } else {
        imp.StatoLimite = SLU;
    }
}

// Everything the data check moves into the beam, without the checks.
void FrmMain::TrasferisceDati(Velcora& t, Impostazioni& imp) const {
    imp.Titolo = txtTitolo->text().toStdString();
    t.nCampate(LeggeConteggio(*txtCampate));
    LeggeCampate(t);
    LeggeVincoli(t);
    t.nDivisioniPlt = LeggeConteggio(*txtPlot);
    LeggeAppoggi(t);
    LeggeOpzioni(t, imp);
}

// The data file the window would write now, after the data check of a save. Two equal
// signatures mean nothing the file keeps has changed; input that cannot be read yet is
// compared as typed.
std::string FrmMain::FirmaFinestra() const {
    Velcora t = trave_;
    Impostazioni imp = imp_;
    try {
        MessaggiRegistrati zitto;
        TrasferisceDati(t, imp);
        vc::ControllaDati(t, imp, zitto);
        std::ostringstream uscita;
        FileTesto file = FileTesto::PerScrittura(uscita);
        vc::FileLeggeScrive(Modo::Scrittura, file, t, imp, zitto);
        return uscita.str();
    } catch (const std::exception&) {
        std::string grezzo = "?" + txtTitolo->text().toStdString() + "\n" + txtCampate->text().toStdString();
        for (const GrigliaModifica* g : FlexGrid)
            for (int r = 1; r < g->Righe(); ++r)
                for (int c = 1; c < g->Colonne(); ++c) grezzo += "|" + g->TestoCella(r, c);
        for (const QLineEdit* campo : txtscala) grezzo += "|" + campo->text().toStdString();
        return grezzo;
    }
}

// The window's input into the beam. Input that cannot be read shows "Errore nei dati".
bool FrmMain::LeggeDatiFinestra() {
    ChiudeEditori();
    try {
        const int n = LeggeConteggio(*txtCampate);
        if (n >= 0 && n != FlexGrid[0]->Righe() - 1) {
            // A count typed without Enter: the grids follow it first.
            trave_.nCampate(n);
            DimensionaGriglie();
        }
        TrasferisceDati(trave_, imp_);
        return true;
    } catch (const std::exception&) {
        msg_->Mostra(TestoErroreNeiDati, Icona::Errore);
        return false;
    }
}

// After a refused check the focus goes where the user has to act.
void FrmMain::FocusSuErrore() {
    MessaggiRegistrati zitto;
    if (!trave_.ControllaSezioni(zitto)) {
        FlexGrid[0]->setFocus(Qt::OtherFocusReason);
    } else if (trave_.VincoloSinistro == VincoloNonScelto) {
        opVincSin[0]->setFocus(Qt::OtherFocusReason);
    } else if (trave_.VincoloDestro == VincoloNonScelto) {
        opVincDes[0]->setFocus(Qt::OtherFocusReason);
    } else if (trave_.nCampate() < 1 || (CampateEscluseSbalzi(trave_) < 1 && trave_.VincoloSinistro != Incastro &&
                                          trave_.VincoloDestro != Incastro)) {
        txtCampate->setFocus(Qt::OtherFocusReason);
    }
}

bool FrmMain::ControllaDatiGriglie() {
    if (!LeggeDatiFinestra()) return false;
    if (vc::ControllaDati(trave_, imp_, *msg_)) return true;
    FocusSuErrore();
    return false;
}

bool FrmMain::ControllaLuci() {
    ChiudeEditori();
    const GrigliaModifica& g = *FlexGrid[0];
    for (int i = 1; i < g.Righe(); ++i)
        if (g.LeggeCella(i, ColLuce) == 0.0) return false;
    return g.Righe() > 1;
}

bool FrmMain::ControllaScaleFisse() {
    if (imp_.ScalePreimpostate && (imp_.ScalaFissaM == 0 || imp_.ScalaFissaT == 0 || imp_.ScalaFissaFreccia == 0)) {
        msg_->Mostra("Una delle Scale Fisse è 0. Deselezionare Scale Fisse o introdurre un valore >0", Icona::Errore);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// The calculation

bool FrmMain::EsegueCalcolo() {
    // Whatever happens, no result of an earlier input stays on view.
    if (!LeggeDatiFinestra()) {
        MostraRisultati(false);
        return false;
    }
    if (!vc::EsegueCalcolo(trave_, imp_, *msg_)) {
        FocusSuErrore();
        MostraRisultati(false);
        return false;
    }
    try {
        ScriveRisultati();
    } catch (const std::exception&) {
        MostraRisultati(false);
        msg_->Mostra(TestoErroreNeiDati, Icona::Errore);
        return false;
    }
    AggiornaModifiche();
    return true;
}

void FrmMain::ScriveRisultati() {
    const GriglieRisultati r = vc::ScriveRisultati(trave_, sep_);
    Grid1->CaricaTabella(r.Grid1);
    Grid2->CaricaTabella(r.Grid2);
    Grid1->ColonneElastiche(true);
    Grid2->ColonneElastiche(true);
    MostraRisultati(true);
}

} // namespace vc
