// The main window and its beam: the input moved into the beam and back, the checks before a
// calculation, the calculation and the results grids.

#include "ui/FrmMain.h"

#include "calcolo/Calcolo.h"
#include "files/Record.h"
#include "files/TabellaRisultati.h"
#include "support/Errori.h"
#include "support/Formattazione.h"
#include "ui/FrmDecalage.h"
#include "ui/DocumentoTrave.h"
#include "ui/GrigliaModifica.h"
#include "ui/Recupero.h"

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

// A datum of the window that cannot be read, with the place where it stands.
class DatoNonLeggibile final : public std::runtime_error {
  public:
    DatoNonLeggibile(const std::string& motivo, CampoDati campo, int riga, int colonna)
        : std::runtime_error(motivo), Campo(campo), Riga(riga), Colonna(colonna) {}
    CampoDati Campo;
    int Riga, Colonna;
};

// The name of a place of the input, as the reason of a refusal gives it.
std::string NomeCampo(CampoDati campo, int riga, int colonna) {
    static const char* const colonne[] = {"", "Luce", "G1", "G2", "Q1", "Q2", "Sez.N°"};
    static const char* const scale[] = {"Momento", "Taglio", "Freccia"};
    switch (campo) {
    case CampoDati::Campata:
        return "Campata " + std::to_string(riga) + ", " + colonne[std::clamp(colonna, 0, 6)];
    case CampoDati::Appoggio:
        return "Larghezza dell'appoggio " + std::to_string(riga);
    case CampoDati::NumeroCampate:
        return "Numero campate";
    case CampoDati::PuntiDiagramma:
        return "N. Punti Plottaggio";
    case CampoDati::ScalaFissa:
        return std::string("Scala ") + scale[std::clamp(colonna, 0, 2)];
    default:
        return {};
    }
}

// What leggi reads, or the place it could not be read from: a text that is not a number, a
// number beyond what the beam holds.
template <class Lettura>
auto Legge(CampoDati campo, int riga, int colonna, Lettura&& leggi) {
    try {
        return leggi();
    } catch (const std::invalid_argument& e) {
        throw DatoNonLeggibile(NomeCampo(campo, riga, colonna) + ": " + e.what(), campo, riga, colonna);
    } catch (const std::out_of_range& e) {
        throw DatoNonLeggibile(NomeCampo(campo, riga, colonna) + ": " + e.what(), campo, riga, colonna);
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Sizes

void FrmMain::DimensionaGriglie() {
    const int n = Trave().nCampate();
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
    Trave() = Velcora{};
    DimensionaGriglie();
    FlexGrid[1]->ImpostaRighe(1);
    ImpostaVincolo(opVincSin, VincoloEstremo::Appoggio);
    ImpostaVincolo(opVincDes, VincoloEstremo::Appoggio);
    Trave().VincoloSinistro = Appoggio;
    Trave().VincoloDestro = Appoggio;
    AggiornaMenuOpzioni();
    AggiornaElastici();
    MostraRisultati(false);
}

// The options of a group are in the order of the restraint codes.
void FrmMain::ImpostaVincolo(const std::array<QRadioButton*, 4>& gruppo, VincoloEstremo vincolo) {
    QButtonGroup* bottoni = gruppo[0]->group();
    bottoni->setExclusive(false);
    for (QRadioButton* o : gruppo) o->setChecked(false);
    bottoni->setExclusive(true);
    if (vincolo != VincoloEstremo::NonScelto) gruppo[static_cast<std::size_t>(CodiceDaVincolo(vincolo))]->setChecked(true);
}

// ---------------------------------------------------------------------------------------------
// The beam into the window

void FrmMain::FormScriveDati() {
    // Each grid is written whole, as one edit: cell by cell, a beam of a thousand spans took
    // seconds to open.
    const int n = Trave().nCampate();
    const TabellaCelle campate = TabellaCampate(Trave(), sep_);
    TabellaTesti celleCampate(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i)
        for (int c = ColLuce; c <= ColSezCampata; ++c)
            celleCampate[static_cast<std::size_t>(i - 1)].push_back(campate.Cella(i, c));
    documento_->ScriveGriglia(0, celleCampate);

    ImpostaVincolo(opVincSin, Trave().VincoloEstremoSinistro());
    ImpostaVincolo(opVincDes, Trave().VincoloEstremoDestro());
    ckVisualizzaDeformata->setChecked(Imp().VisualizzaDeformata);
    ckScalePreimpostate->setChecked(Imp().ScalePreimpostate);
    const std::array<double, 3> scale = {Imp().ScalaFissaM, Imp().ScalaFissaT, Imp().ScalaFissaFreccia};
    for (std::size_t k = 0; k < scale.size(); ++k)
        txtscala[k]->setText(Imp().ScalePreimpostate ? Testo(TestoNumero(scale[k], sep_)) : QString());
    TabellaTesti larghezze;
    for (int k = 1; k <= n + 1; ++k) larghezze.push_back({TestoNumero(Trave().LarghezzaAppoggi(k), sep_)});
    documento_->ScriveGriglia(1, larghezze);
    optSLU[Imp().StatoLimite == SLE ? 0 : 1]->setChecked(true);
    AggiornaElastici();
    // The buttons' handlers gave the document what changed; a restraint not chosen checks no
    // button and says nothing, so the document takes the beam's restraints here.
    ModificaOpzioni(
        [this](OpzioniIngresso& o) {
            o.VincoloSinistro = Trave().VincoloSinistro;
            o.VincoloDestro = Trave().VincoloDestro;
        },
        "Vincolo");
}

// ---------------------------------------------------------------------------------------------
// The window into the beam

void FrmMain::ChiudeEditori() {
    for (GrigliaModifica* g : FlexGrid) g->ChiudeModifica();
}

// A count typed in a field: empty is 0, anything else must be a number (rounded to a whole
// one within the 16-bit range of the data file).
int FrmMain::LeggeConteggio(const std::string& campo) const {
    const std::string testo = QString::fromStdString(campo).trimmed().toStdString();
    if (testo.empty()) return 0;
    if (!TestoNumerico(testo, sep_)) throw std::invalid_argument("Tipo non corrispondente");
    const double valore = std::nearbyint(LeggeNumero(testo, sep_));
    if (!(valore >= -32768.0 && valore <= 32767.0)) throw std::out_of_range("Overflow");
    return static_cast<int>(valore);
}

namespace {
// The text of a grid's cell in the input (row and column as the grid numbers them); a cell
// beyond the rows typed is empty.
std::string_view TestoCella(const LavoroNonSalvato& l, std::size_t griglia, int riga, int colonna) {
    const TabellaTesti& celle = l.Griglie.at(griglia);
    const auto r = static_cast<std::size_t>(riga - 1), c = static_cast<std::size_t>(colonna - 1);
    if (riga < 1 || colonna < 1 || r >= celle.size() || c >= celle[r].size()) return {};
    return celle[r][c];
}
} // namespace

// The span rows into the beam.
void FrmMain::LeggeCampate(const LavoroNonSalvato& l, Velcora& t) const {
    for (int i = 1; i <= t.nCampate(); ++i) {
        const auto cella = [&](int c) {
            return Legge(CampoDati::Campata, i, c, [&] { return Singola(LeggeNumero(TestoCella(l, 0, i, c), sep_)); });
        };
        const int sezione = Legge(CampoDati::Campata, i, ColSezCampata,
                                  [&] { return LeggeIntero(TestoCella(l, 0, i, ColSezCampata), sep_); });
        t.InserisceDatiCampata(i, cella(ColLuce), cella(ColG1), cella(ColG2), cella(ColQ1), cella(ColQ2), sezione);
    }
}

// The restraints and options as the document holds them (the data check copies them into the
// program-wide settings).
void FrmMain::ApplicaOpzioni(const OpzioniIngresso& o, Velcora& t, Impostazioni& imp) {
    t.VincoloSinistro = o.VincoloSinistro;
    t.VincoloDestro = o.VincoloDestro;
    imp.VisualizzaDeformata = o.VisualizzaDeformata;
    imp.ScalePreimpostate = o.ScalePreimpostate;
    imp.StatoLimite = o.StatoLimite;
    imp.TipoSLE = o.TipoSLE;
}

void FrmMain::LeggeAppoggi(const LavoroNonSalvato& l, Velcora& t) const {
    for (int k = 1; k <= t.nCampate() + 1; ++k)
        t.LarghezzaAppoggi(
            k, Legge(CampoDati::Appoggio, k, 1, [&] { return Singola(LeggeNumero(TestoCella(l, 1, k, 1), sep_)); }));
}

void FrmMain::LeggeScale(const LavoroNonSalvato& l, Impostazioni& imp) const {
    const auto scala = [&](int k) {
        return Legge(CampoDati::ScalaFissa, 0, k,
                     [&] { return LeggeNumero(l.Scale.at(static_cast<std::size_t>(k)), sep_); });
    };
    imp.ScalaFissaM = scala(0);
    imp.ScalaFissaT = scala(1);
    imp.ScalaFissaFreccia = scala(2);
}

// Everything the data check moves into the beam from the input as typed, without the checks.
void FrmMain::TrasferisceDati(const LavoroNonSalvato& l, Velcora& t, Impostazioni& imp) const {
    imp.Titolo = l.Titolo;
    Legge(CampoDati::NumeroCampate, 0, 0, [&] { t.nCampate(LeggeConteggio(l.Campate)); });
    LeggeCampate(l, t);
    ApplicaOpzioni(l.Opzioni, t, imp);
    t.nDivisioniPlt = Legge(CampoDati::PuntiDiagramma, 0, 0, [&] { return LeggeConteggio(l.Punti); });
    LeggeAppoggi(l, t);
    LeggeScale(l, imp);
}

// The beam document's input, with the cell being typed in committed first.
const LavoroNonSalvato& FrmMain::IngressoConfermato() {
    ChiudeEditori();
    return documento_->Dati();
}

// The document's input into the beam. Input that cannot be read is "Errore nei dati", with
// the place and the reason.
EsitoComando FrmMain::LeggeDatiFinestra() {
    try {
        const int n = Legge(CampoDati::NumeroCampate, 0, 0, [&] { return LeggeConteggio(IngressoConfermato().Campate); });
        if (n >= 0 && n != FlexGrid[0]->Righe() - 1) {
            // A count typed without Enter: the grids follow it first.
            Trave().nCampate(n);
            DimensionaGriglie();
        }
        TrasferisceDati(documento_->Dati(), Trave(), Imp());
        return {};
    } catch (const DatoNonLeggibile& e) {
        return vc::ErroreNeiDati(*msg_, e.what(), e.Campo, e.Riga, e.Colonna);
    }
}

// After a refused check the focus goes where the user has to act: the cell, the field, the
// options, or the command that opens the window concerned.
void FrmMain::SelezionaCampo(const ControlloFallito& rifiuto) {
    const auto cella = [](GrigliaModifica* g, int riga, int colonna) {
        g->setFocus(Qt::OtherFocusReason);
        if (riga >= 1 && riga < g->Righe() && colonna >= 1 && colonna < g->Colonne()) g->VaiACella(riga, colonna);
    };
    const auto campo = [](QWidget* w) {
        if (!w->isVisible()) return;
        w->setFocus(Qt::OtherFocusReason);
        if (auto* testo = qobject_cast<QLineEdit*>(w)) testo->selectAll();
    };
    switch (rifiuto.Campo) {
    case CampoDati::Campata:
        return cella(FlexGrid[0], rifiuto.Riga, rifiuto.Colonna);
    case CampoDati::Appoggio:
        return cella(FlexGrid[1], rifiuto.Riga, 1);
    case CampoDati::NumeroCampate:
        return campo(txtCampate);
    case CampoDati::PuntiDiagramma:
        return campo(txtPlot);
    case CampoDati::VincoloSinistro:
        return campo(opVincSin[0]);
    case CampoDati::VincoloDestro:
        return campo(opVincDes[0]);
    case CampoDati::ScalaFissa:
        return campo(txtscala.at(static_cast<std::size_t>(std::clamp(rifiuto.Colonna, 0, 2))));
    case CampoDati::Sezioni:
        return campo(cbSezioni);
    case CampoDati::VincoliElastici:
        return campo(cbElastici);
    case CampoDati::Ridistribuzione:
        return campo(cmdRidist);
    case CampoDati::CarichiConcentrati:
        return campo(cbFconc);
    case CampoDati::Nessuno:
        return;
    }
}

bool FrmMain::Esegue(EsitoComando (*comando)(Velcora&, Impostazioni&, Messaggi&)) {
    EsitoComando esito = LeggeDatiFinestra();
    if (esito.Riuscito()) esito = comando(Trave(), Imp(), *msg_);
    if (esito.Riuscito()) return true;
    SelezionaCampo(*esito.Rifiuto);
    return false;
}

bool FrmMain::ControllaDatiGriglie() {
    return Esegue(&vc::ControllaDati);
}

bool FrmMain::ControllaScaleFisse() {
    const EsitoComando esito = vc::ControllaScaleFisse(Imp(), *msg_);
    if (!esito.Riuscito()) SelezionaCampo(*esito.Rifiuto);
    return esito.Riuscito();
}

// ---------------------------------------------------------------------------------------------
// The calculation

bool FrmMain::EsegueCalcolo() {
    // Whatever happens, no result of an earlier input stays on view.
    if (!Esegue(&vc::EsegueCalcolo)) {
        MostraRisultati(false);
        return false;
    }
    try {
        ScriveRisultati();
    } catch (const ErroreCalcolo& e) { // a result without a text
        MostraRisultati(false);
        vc::ErroreNeiDati(*msg_, e.what(), CampoDati::Nessuno);
        return false;
    }
    AggiornaModifiche();
    if (isWindowModified()) ScriveRecupero(); // each calculation keeps the work it was given
    return true;
}

void FrmMain::ScriveRisultati() {
    const GriglieRisultati r = vc::ScriveRisultati(Trave(), sep_);
    Grid1->CaricaTabella(r.Grid1);
    Grid2->CaricaTabella(r.Grid2);
    Grid1->ColonneElastiche(true);
    Grid2->ColonneElastiche(true);
    MostraRisultati(true);
}

} // namespace vc
