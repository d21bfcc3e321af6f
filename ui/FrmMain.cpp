#include "ui/FrmMain.h"

#include "calcolo/Calcolo.h"
#include "engine/CopriferroDecalage.h"
#include "files/FileIni.h"
#include "files/TabellaRisultati.h"
#include "support/Errori.h"
#include "support/Formattazione.h"
#include "ui/DocumentoTrave.h"
#include "ui/ModelloDocumento.h"
#include "ui/EventiCampo.h"
#include "ui/FrmDecalage.h"
#include "ui/FrmDiagramma.h"
#include "ui/FrmElastici.h"
#include "ui/FrmFconc.h"
#include "ui/FrmGamma.h"
#include "ui/FrmInfor.h"
#include "ui/FrmRidist.h"
#include "ui/FrmSez.h"
#include "ui/FrmVisualCar.h"
#include "ui/GrigliaModifica.h"
#include "ui/MessaggiQt.h"
#include "ui/Recupero.h"
#include "ui/ServiziFinestra.h"
#include "ui/TastiDecimali.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <exception>

namespace vc {

namespace fs = std::filesystem;

FrmMain::FrmMain(const Separatori& sep, Messaggi* msg, ServiziFinestra* servizi, QWidget* genitore)
    : QMainWindow(genitore), sep_(sep) {
    if (msg == nullptr) msgPropri_ = std::make_unique<MessaggiQt>(this);
    msg_ = msg ? msg : msgPropri_.get();
    if (servizi == nullptr) serviziPropri_ = std::make_unique<ServiziQt>(this);
    servizi_ = servizi ? servizi : serviziPropri_.get();
    uscite_ = std::make_unique<UscitaDisegni>(*servizi_, *msg_);

    setObjectName(QStringLiteral("frmMain"));
    documento_ = new DocumentoTrave([this](const LavoroNonSalvato& l) { MostraIngresso(l); }, this);
    connect(documento_, &DocumentoTrave::ModificatoCambiato, this, [this] { AggiornaModifiche(); });
    CreaControlli();
    CreaMenu();
    CreaBarraStrumenti();
    CollegaEventi();
    CaricaComboSLE();
    optSLU[1]->setChecked(true);
    PurgaForm();
    FrDiagrammi->hide();
    ImpostaTitolo(FormCaption + Imp().NomeFile);
    NuovoDocumento();
}

FrmMain::~FrmMain() {
    // The diagram windows draw the beam and use the context: they go before them.
    for (QPointer<FrmDiagramma>& f : finestreDiagramma_) delete f.data();
    // The document is deleted with the window's children, after this destructor: its undo stack,
    // cleared then, must not call back into a window already taken apart.
    documento_->disconnect(this);
}

// ---------------------------------------------------------------------------------------------
// Controls and layout

namespace {

QLineEdit* CampoNumerico(QWidget* genitore, const char* nome, int caratteri) {
    auto* campo = new QLineEdit(genitore);
    campo->setObjectName(QLatin1String(nome));
    campo->setAlignment(Qt::AlignRight);
    campo->setMaximumWidth(campo->fontMetrics().horizontalAdvance(QLatin1Char('0')) * caratteri + 16);
    SelezionaAllIngresso(campo);
    return campo;
}

QPushButton* Pulsante(const char* testo, const char* nome, QWidget* genitore) {
    auto* p = new QPushButton(QString::fromUtf8(testo), genitore);
    p->setObjectName(QLatin1String(nome));
    p->setAutoDefault(false);
    return p;
}

} // namespace

void FrmMain::CreaControlli() {
    // The user moves the split between input and results; the results side keeps its room
    // (empty before a calculation) when the window grows.
    divisore_ = new QSplitter(Qt::Horizontal, this);
    divisore_->setObjectName(QStringLiteral("divisore"));
    divisore_->setChildrenCollapsible(false);
    divisore_->addWidget(CreaPannelloDati());
    auto* destra = new QWidget(divisore_);
    auto* l = new QVBoxLayout(destra);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(CreaPannelloRisultati());
    divisore_->addWidget(destra);
    divisore_->setStretchFactor(0, 0);
    divisore_->setStretchFactor(1, 1);
    auto* centrale = new QWidget(this);
    auto* corpo = new QHBoxLayout(centrale);
    corpo->addWidget(divisore_);
    setCentralWidget(centrale);

    tastiDecimali_ = new GestioneTastiDecimali(sep_, this);
    tastiDecimali_->ControllaCampi(this);
}

QWidget* FrmMain::CreaPannelloDati() {
    auto* pannello = new QWidget(this);
    auto* colonna = new QVBoxLayout(pannello);
    colonna->setContentsMargins(0, 0, 0, 0);

    // Title and span count.
    auto* intestazione = new QFormLayout;
    txtTitolo = new QLineEdit(pannello);
    txtTitolo->setObjectName(QStringLiteral("txtTitolo"));
    SelezionaAllIngresso(txtTitolo);
    txtCampate = CampoNumerico(pannello, "txtCampate", 4);
    intestazione->addRow(QStringLiteral("Titolo :"), txtTitolo);
    intestazione->addRow(QStringLiteral("Numero campate (Compresi Sbalzi) :"), txtCampate);
    colonna->addLayout(intestazione);

    // The two input grids.
    auto* griglie = new QHBoxLayout;
    auto* gruppoCampate = new QGroupBox(QStringLiteral("Campate"), pannello);
    auto* gruppoAppoggi = new QGroupBox(QStringLiteral("Appoggi"), pannello);
    for (int g = 0; g < 2; ++g) {
        auto* griglia = new GrigliaModifica(sep_, g == 0 ? gruppoCampate : gruppoAppoggi);
        griglia->setObjectName(QStringLiteral("FlexGrid%1").arg(g));
        griglia->PerRighe(false); // Enter goes down the column, as the data are typed
        griglia->ChiusuraNumerica(true);
        griglia->ImpostaRigheVisibili(8);
        griglia->ImpostaMessaggi(msg_);
        // The grid shows the beam document's texts, and an edit in it is an edit of the document.
        griglia->ImpostaModello(*new ModelloDocumento(*documento_, static_cast<std::size_t>(g), documento_));
        auto* l = new QVBoxLayout(g == 0 ? gruppoCampate : gruppoAppoggi);
        l->addWidget(griglia);
        FlexGrid[static_cast<std::size_t>(g)] = griglia;
    }
    griglie->addWidget(gruppoCampate, 3);
    griglie->addWidget(gruppoAppoggi, 1);
    colonna->addLayout(griglie, 1);

    // Restraints and limit state.
    auto* opzioni = new QHBoxLayout;
    const char* vincoli[] = {"Appoggio", "Incastro", "Libero", "Elastico"};
    for (int lato = 0; lato < 2; ++lato) {
        auto* gruppo = new QGroupBox(lato == 0 ? QStringLiteral("Vincolo di sinistra") : QStringLiteral("Vincolo di destra"),
                                     pannello);
        auto* l = new QVBoxLayout(gruppo);
        auto* bottoni = new QButtonGroup(gruppo);
        bottoni->setObjectName(lato == 0 ? QStringLiteral("gruppoVincSin") : QStringLiteral("gruppoVincDes"));
        auto& opzione = lato == 0 ? opVincSin : opVincDes;
        for (int k = 0; k < 4; ++k) {
            auto* o = new QRadioButton(QLatin1String(vincoli[k]), gruppo);
            o->setObjectName(QStringLiteral("%1%2").arg(lato == 0 ? QStringLiteral("opVincSin") : QStringLiteral("opVincDes")).arg(k));
            bottoni->addButton(o, k);
            l->addWidget(o);
            opzione[static_cast<std::size_t>(k)] = o;
        }
        connect(bottoni, &QButtonGroup::idToggled, this, [this, lato](int id, bool attivo) {
            if (attivo) SceltaVincolo(lato == 0, VincoloDiCodice(id));
        });
        opzioni->addWidget(gruppo);
    }
    auto* gruppoSL = new QGroupBox(QStringLiteral("Stato limite"), pannello);
    auto* lsl = new QGridLayout(gruppoSL);
    optSLU[0] = new QRadioButton(QStringLiteral("SLE"), gruppoSL);
    optSLU[1] = new QRadioButton(QStringLiteral("SLU"), gruppoSL);
    optSLU[0]->setObjectName(QStringLiteral("optSLU0"));
    optSLU[1]->setObjectName(QStringLiteral("optSLU1"));
    ComboSLE = new QComboBox(gruppoSL);
    ComboSLE->setObjectName(QStringLiteral("ComboSLE"));
    lsl->addWidget(optSLU[0], 0, 0);
    lsl->addWidget(ComboSLE, 0, 1);
    lsl->addWidget(optSLU[1], 1, 0);
    lsl->setRowStretch(2, 1);
    opzioni->addWidget(gruppoSL, 1);
    colonna->addLayout(opzioni);

    // Commands.
    auto* comandi = new QGridLayout;
    cbCalcolo = Pulsante("&Calcolo", "cbCalcolo", pannello);
    QFont grassetto = cbCalcolo->font();
    grassetto.setBold(true);
    cbCalcolo->setFont(grassetto);
    cbSezioni = Pulsante("Sezioni", "cbSezioni", pannello);
    cbFconc = Pulsante("Carichi concentrati", "cbFconc", pannello);
    cbVisual = Pulsante("Visualizza", "cbVisual", pannello);
    cbElastici = Pulsante("v.Elastici", "cbElastici", pannello);
    cmdRidist = Pulsante("ridist. M", "cmdRidist", pannello);
    comandi->addWidget(cbSezioni, 0, 0);
    comandi->addWidget(cbFconc, 0, 1);
    comandi->addWidget(cmdRidist, 0, 2);
    comandi->addWidget(cbElastici, 0, 3);
    comandi->addWidget(cbVisual, 1, 0);
    comandi->addWidget(cbCalcolo, 1, 1, 1, 3);
    colonna->addLayout(comandi);

    // Diagrams.
    FrDiagrammi = new QGroupBox(QStringLiteral("Diagrammi"), pannello);
    FrDiagrammi->setObjectName(QStringLiteral("FrDiagrammi"));
    auto* ld = new QGridLayout(FrDiagrammi);
    const char* scale[] = {"Momento 1:", "Taglio 1:", "Freccia 1:"};
    for (int k = 0; k < 3; ++k) {
        auto* campo = CampoNumerico(FrDiagrammi, "txtscala", 8);
        campo->setObjectName(QStringLiteral("txtscala%1").arg(k));
        txtscala[static_cast<std::size_t>(k)] = campo;
        auto* etichetta = new QLabel(QLatin1String(scale[k]), FrDiagrammi);
        etichetta->setBuddy(campo);
        ld->addWidget(etichetta, 0, 2 * k, Qt::AlignRight);
        ld->addWidget(campo, 0, 2 * k + 1);
    }
    ckScalePreimpostate = new QCheckBox(QStringLiteral("Scale fisse"), FrDiagrammi);
    ckScalePreimpostate->setObjectName(QStringLiteral("ckScalePreimpostate"));
    txtPlot = CampoNumerico(FrDiagrammi, "txtPlot", 6);
    txtPlot->setText(QStringLiteral("100"));
    ckVisualizzaDeformata = new QCheckBox(QStringLiteral("Visualizza Deformata"), FrDiagrammi);
    ckVisualizzaDeformata->setObjectName(QStringLiteral("ckVisualizzaDeformata"));
    ld->addWidget(ckScalePreimpostate, 1, 0, 1, 2);
    ld->addWidget(new QLabel(QStringLiteral("N. Punti Plottaggio:"), FrDiagrammi), 1, 2, 1, 2, Qt::AlignRight);
    ld->addWidget(txtPlot, 1, 4);
    ld->addWidget(ckVisualizzaDeformata, 2, 0, 1, 4);
    auto* diagrammi = new QHBoxLayout;
    const char* testi[] = {"&M", "&T", "M &+ T", "&Esporta Blocco", "D&WG"};
    for (int k = 0; k < 5; ++k) {
        cbDiagramma[static_cast<std::size_t>(k)] = Pulsante(testi[k], "cbDiagramma", FrDiagrammi);
        cbDiagramma[static_cast<std::size_t>(k)]->setObjectName(QStringLiteral("cbDiagramma%1").arg(k));
        diagrammi->addWidget(cbDiagramma[static_cast<std::size_t>(k)]);
        if (k == 3) {
            cbHelp = Pulsante("?", "cbHelp", FrDiagrammi);
            cbHelp->setMaximumWidth(cbHelp->fontMetrics().horizontalAdvance(QStringLiteral("??")) + 20);
            diagrammi->addWidget(cbHelp);
        }
    }
    ld->addLayout(diagrammi, 3, 0, 1, 6);
    colonna->addWidget(FrDiagrammi);

    // Keyboard order: the fields, the grids, the restraints, the commands.
    setTabOrder(txtTitolo, txtCampate);
    setTabOrder(txtCampate, FlexGrid[0]);
    setTabOrder(FlexGrid[0], FlexGrid[1]);
    FlexGrid[0]->ImpostaSeguente(cbSezioni);
    FlexGrid[1]->ImpostaSeguente(cbCalcolo);
    return pannello;
}

QWidget* FrmMain::CreaPannelloRisultati() {
    fraRisultati = new QGroupBox(QStringLiteral("Risultati"), this);
    fraRisultati->setObjectName(QStringLiteral("fraRisultati"));
    auto* l = new QVBoxLayout(fraRisultati);
    Grid1 = new GrigliaModifica(sep_, fraRisultati);
    Grid2 = new GrigliaModifica(sep_, fraRisultati);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid2->setObjectName(QStringLiteral("Grid2"));
    for (GrigliaModifica* g : {Grid1, Grid2}) {
        g->SolaLettura(true);
        g->ImpostaRigheVisibili(7);
    }
    l->addWidget(new QLabel(QStringLiteral("Momenti e frecce :"), fraRisultati));
    l->addWidget(Grid1, 3);
    l->addWidget(new QLabel(QStringLiteral("Tagli e Reazioni :"), fraRisultati));
    l->addWidget(Grid2, 2);
    return fraRisultati;
}

QAction* FrmMain::VoceMenu(QMenu* menu, int indice, const char* testo, const char* nome) {
    QAction* a = menu->addAction(QString::fromUtf8(testo));
    a->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(nome)).arg(indice));
    return a;
}

void FrmMain::CreaMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    const std::pair<int, const char*> vociFile[] = {
        {0, "&Nuovo..."}, {1, "&Apri..."},      {2, "&Salva"}, {3, "Sal&va con nome..."}, {4, nullptr},
        {5, "Stam&pa"},   {6, "&File di Stampa (TXT)"},
        {8, "&Relazione di calcolo (PDF)..."}, {7, nullptr}, {10, "&Disegna in Autocad"},
        {17, "E&xporta DXF"}, {18, nullptr},  {19, "&Esci"}};
    for (const auto& [indice, testo] : vociFile) {
        if (testo == nullptr) {
            file->addSeparator();
            continue;
        }
        mnuFileItem[indice] = VoceMenu(file, indice, testo, "mnuFileItem");
    }
    mnuFileItem[0]->setShortcut(QKeySequence::New);
    mnuFileItem[1]->setShortcut(QKeySequence::Open);
    mnuFileItem[2]->setShortcut(QKeySequence::Save);
    mnuFileItem[5]->setShortcut(QKeySequence::Print);
    // Ctrl+Q ends the program on every platform, also where the desktop names no quit key.
    mnuFileItem[19]->setShortcut(
        QKeySequence::keyBindings(QKeySequence::Quit).value(0, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    mnuFileItem[19]->setMenuRole(QAction::QuitRole);

    // Undo and redo of the beam's edits; inside a field being typed in, the keys are the field's.
    // Alt+M is the moment diagram's ("&M"): the menu answers Alt+D.
    QMenu* modifica = menuBar()->addMenu(QStringLiteral("Mo&difica"));
    mnuAnnulla = modifica->addAction(QStringLiteral("&Annulla"));
    mnuAnnulla->setObjectName(QStringLiteral("mnuAnnulla"));
    mnuAnnulla->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRipeti = modifica->addAction(QStringLiteral("&Ripeti"));
    mnuRipeti->setObjectName(QStringLiteral("mnuRipeti"));
    mnuRipeti->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuAnnulla->setEnabled(false);
    mnuRipeti->setEnabled(false);
    connect(&documento_->Pila(), &QUndoStack::canUndoChanged, mnuAnnulla, &QAction::setEnabled);
    connect(&documento_->Pila(), &QUndoStack::canRedoChanged, mnuRipeti, &QAction::setEnabled);

    QMenu* opzioni = menuBar()->addMenu(QStringLiteral("&Opzioni"));
    mnuOpzioniItem[1] = VoceMenu(opzioni, 1, "&Arrotonda momenti sugli appoggi", "mnuOpzioniItem");
    mnuOpzioniItem[2] = VoceMenu(opzioni, 2, "&Decalage", "mnuOpzioniItem");
    mnuOpzioniItem[3] = VoceMenu(opzioni, 3, "D&ecalage Sovrapposto", "mnuOpzioniItem");
    for (auto& [indice, voce] : mnuOpzioniItem) voce->setCheckable(true);
    opzioni->addSeparator();
    mnuinpostazioni = opzioni->addAction(QStringLiteral("I&mpostazioni"));
    mnuinpostazioni->setObjectName(QStringLiteral("mnuinpostazioni"));

    QMenu* aiuto = menuBar()->addMenu(QStringLiteral("&?"));
    mnuHelp[0] = VoceMenu(aiuto, 0, "&Aiuto", "mnuHelp");
    mnuHelp[1] = VoceMenu(aiuto, 1, "&Files di Esempio", "mnuHelp");
    mnuHelp[2] = VoceMenu(aiuto, 2, "&Informazioni", "mnuHelp");
    mnuHelp[0]->setShortcut(QKeySequence::HelpContents);
}

void FrmMain::CreaBarraStrumenti() {
    ToolbarUp = addToolBar(QStringLiteral("Strumenti"));
    ToolbarUp->setObjectName(QStringLiteral("ToolbarUp"));
    ToolbarUp->setMovable(false);
    const std::tuple<int, const char*, const char*, QStyle::StandardPixmap, const char*> pulsanti[] = {
        {0, "New", "document-new", QStyle::SP_FileIcon, "Nuovo"},
        {1, "Open", "document-open", QStyle::SP_DialogOpenButton, "Apri"},
        {2, "Save", "document-save", QStyle::SP_DialogSaveButton, "Salva"},
        {5, "Print", "document-print", QStyle::SP_FileDialogDetailedView, "Stampa"},
    };
    for (const auto& [indice, chiave, tema, standard, suggerimento] : pulsanti) {
        QAction* voce = mnuFileItem.at(indice);
        voce->setIcon(QIcon::fromTheme(QLatin1String(tema), style()->standardIcon(standard)));
        voce->setToolTip(QLatin1String(suggerimento));
        ToolbarUp->addAction(voce);
        if (QWidget* w = ToolbarUp->widgetForAction(voce)) w->setObjectName(QLatin1String(chiave));
    }
}

void FrmMain::CollegaEventi() {
    // Commands.
    connect(cbCalcolo, &QPushButton::clicked, this, [this] { Comando([this] { Calcolo(); }); });
    connect(cbSezioni, &QPushButton::clicked, this, [this] { Comando([this] { Sezioni(); }); });
    connect(cbFconc, &QPushButton::clicked, this, [this] { Comando([this] { CarichiConcentrati(); }); });
    connect(cbVisual, &QPushButton::clicked, this, [this] { Comando([this] { Visualizza(); }); });
    connect(cbElastici, &QPushButton::clicked, this, [this] { Comando([this] { Elastici(); }); });
    connect(cmdRidist, &QPushButton::clicked, this, [this] { Comando([this] { Ridistribuzione(); }); });
    connect(cbHelp, &QPushButton::clicked, this, [this] { AiutoBlocco(); });
    for (int k = 0; k < 5; ++k)
        connect(cbDiagramma[static_cast<std::size_t>(k)], &QPushButton::clicked, this,
                [this, k] { Comando([this, k] { Diagramma(k); }); });

    // Menus.
    const std::pair<int, void (FrmMain::*)()> file[] = {
        {0, &FrmMain::Nuovo}, {1, &FrmMain::Apri}, {5, &FrmMain::Stampa}, {6, &FrmMain::FileDiStampa},
        {8, &FrmMain::RelazioneCalcoloPdf},
        {10, &FrmMain::DisegnaInAutocad}, {17, &FrmMain::EsportaDxf}, {19, &FrmMain::Esci}};
    for (const auto& [indice, metodo] : file)
        connect(mnuFileItem.at(indice), &QAction::triggered, this, [this, m = metodo] { Comando([this, m] { (this->*m)(); }); });
    connect(mnuFileItem.at(2), &QAction::triggered, this, [this] { Comando([this] { Salva(); }); });
    connect(mnuFileItem.at(3), &QAction::triggered, this, [this] { Comando([this] { SalvaConNome(); }); });
    connect(mnuOpzioniItem.at(1), &QAction::triggered, this, [this](bool attivo) { SceltaArrotonda(attivo); });
    connect(mnuOpzioniItem.at(2), &QAction::triggered, this,
            [this](bool attivo) { Comando([this, attivo] { SceltaDecalage(VoceDecalage, attivo); }); });
    connect(mnuOpzioniItem.at(3), &QAction::triggered, this,
            [this](bool attivo) { Comando([this, attivo] { SceltaDecalage(VoceDecalageSovrapposto, attivo); }); });
    connect(mnuinpostazioni, &QAction::triggered, this, [this] { Comando([this] { ApreImpostazioni(); }); });
    // A cell being edited is committed first: that entry is the step undone.
    connect(mnuAnnulla, &QAction::triggered, this, [this] { Comando([this] {
        ChiudeEditori();
        documento_->Pila().undo();
    }); });
    connect(mnuRipeti, &QAction::triggered, this, [this] { Comando([this] {
        ChiudeEditori();
        documento_->Pila().redo();
    }); });
    connect(mnuHelp.at(0), &QAction::triggered, this, [this] { Comando([this] { Aiuto(); }); });
    connect(mnuHelp.at(1), &QAction::triggered, this, [this] { Comando([this] { FilesDiEsempio(); }); });
    connect(mnuHelp.at(2), &QAction::triggered, this, [this] { Comando([this] { Informazioni(); }); });

    // Fields.
    AlTastoInvio(txtTitolo, [this] { txtCampate->setFocus(Qt::TabFocusReason); });
    AlPerdereFocus(txtTitolo, [this] { txtTitolo->setCursorPosition(0); });
    AlTastoInvio(txtCampate, [this] { Comando([this] { InvioCampate(); }); });
    AlPerdereFocus(txtCampate, [this] { Comando([this] { ApplicaCampate(false); }); });
    for (std::size_t k = 0; k < txtscala.size(); ++k) {
        AlTastoInvio(txtscala[k], [this, k] {
            if (k + 1 < txtscala.size())
                txtscala[k + 1]->setFocus(Qt::TabFocusReason);
            else
                cbDiagramma[0]->setFocus(Qt::TabFocusReason);
        });
    }
    // The buttons edit the beam's options, and the edit is a step of the document.
    for (int k = 0; k < 2; ++k)
        connect(optSLU[static_cast<std::size_t>(k)], &QRadioButton::toggled, this, [this, k](bool attivo) {
            if (attivo) SceltaStatoLimite(k == 0 ? SLE : SLU);
        });
    connect(ComboSLE, &QComboBox::currentIndexChanged, this, [this](int indice) {
        if (indice < 0) return;
        Imp().TipoSLE = indice; // the setting follows the list at once, not only at the data check
        ModificaOpzioni([indice](OpzioniIngresso& o) { o.TipoSLE = indice; }, "Combinazione SLE");
    });
    connect(ckScalePreimpostate, &QCheckBox::toggled, this, [this](bool attivo) {
        ModificaOpzioni([attivo](OpzioniIngresso& o) { o.ScalePreimpostate = attivo; }, "Scale fisse");
    });
    connect(ckVisualizzaDeformata, &QCheckBox::toggled, this, [this](bool attivo) {
        ModificaOpzioni([attivo](OpzioniIngresso& o) { o.VisualizzaDeformata = attivo; }, "Visualizza deformata");
    });

    // Every edit is a step of the beam document. A field's text is the document's as it is
    // typed; what is typed until the field is left is one step.
    const std::pair<QLineEdit*, CampoTesto> campi[] = {
        {txtTitolo, CampoTesto::Titolo},   {txtCampate, CampoTesto::Campate}, {txtPlot, CampoTesto::Punti},
        {txtscala[0], CampoTesto::ScalaM}, {txtscala[1], CampoTesto::ScalaT}, {txtscala[2], CampoTesto::ScalaFreccia},
    };
    for (const auto& [campo, testo] : campi) {
        connect(campo, &QLineEdit::textChanged, this,
                [this, campo, testo](const QString& t) {
                    documento_->ScriveCampo(testo, t.toStdString(), campo->hasFocus());
                });
        connect(campo, &QLineEdit::editingFinished, documento_, &DocumentoTrave::ChiudeCampo);
    }
    LavoroNonSalvato iniziale = documento_->Dati(); // the fields as they start: nothing to undo
    for (const auto& [campo, testo] : campi) TestoDelCampo(iniziale, testo) = campo->text().toStdString();
    documento_->Sostituisce(std::move(iniziale), true);
    for (GrigliaModifica* g : FlexGrid) connect(g, &GrigliaModifica::CellaModificata, this, [this] { Modifica("Celle"); });
    // A block of spans pasted below the last one adds the spans it needs (and their supports).
    FlexGrid[0]->Crescente(true);
    connect(FlexGrid[0], &GrigliaModifica::RigheRichieste, this, [this](int righe) {
        txtCampate->setText(QString::number(righe));
        ApplicaCampate(false);
    });
}

template <class Azione>
void FrmMain::Comando(Azione azione) {
    // An unexpected failure inside a command is told as the system describes it.
    try {
        azione();
    } catch (const std::exception& e) {
        msg_->Mostra(e.what(), Icona::Nessuna);
    }
}

void FrmMain::MostraRisultati(bool visibili) {
    // With no results the input keeps its width and the rest of the window stays empty.
    fraRisultati->setVisible(visibili);
}

// ---------------------------------------------------------------------------------------------
// Small handlers

void FrmMain::CaricaComboSLE() {
    ComboSLE->clear();
    for (const char* combinazione : CombinazioniSLE) ComboSLE->addItem(QString::fromUtf8(combinazione));
    ComboSLE->setCurrentIndex(0);
}

void FrmMain::SceltaVincolo(bool sinistro, VincoloEstremo vincolo) {
    // The beam follows at once: the elastic restraints' command shows for it.
    (sinistro ? Trave().VincoloSinistro : Trave().VincoloDestro) = CodiceDaVincolo(vincolo);
    AggiornaElastici();
    ModificaOpzioni(
        [&](OpzioniIngresso& o) { (sinistro ? o.VincoloSinistro : o.VincoloDestro) = CodiceDaVincolo(vincolo); },
        "Vincolo");
}

void FrmMain::AggiornaElastici() {
    cbElastici->setVisible(Trave().VincoloEstremoSinistro() == VincoloEstremo::Elastico ||
                           Trave().VincoloEstremoDestro() == VincoloEstremo::Elastico);
}

void FrmMain::SceltaStatoLimite(int stato) {
    ComboSLE->setEnabled(stato == SLE);
    ModificaOpzioni([stato](OpzioniIngresso& o) { o.StatoLimite = stato; }, "Stato limite");
}

void FrmMain::InvioCampate() {
    ApplicaCampate(true);
}

// The span count typed: a number above 0 sizes the grids for it; with Enter the editing of
// the first span starts at once.
void FrmMain::ApplicaCampate(bool inizia) {
    const std::string& testo = documento_->Dati().Campate;
    if (!TestoNumerico(testo, sep_)) return;
    const double valore = std::nearbyint(LeggeNumero(testo, sep_)); // a whole number, as the check reads it
    if (!(valore >= 1 && valore <= 32767)) return;
    const int n = static_cast<int>(valore);
    if (!inizia && n == FlexGrid[0]->Righe() - 1) return;
    documento_->UnisceAlCampo(CampoTesto::Campate);
    Trave().nCampate(n);
    DimensionaGriglie();
    Modifica("Numero campate");
    if (inizia) FlexGrid[0]->ApreCella(1, 1);
}

namespace {

// A checked decalage item names the cover ("Decalage con c = 3 cm") and keeps the access key of
// its plain caption: D for the decalage, e for the overlaid one.
QString ConTastoDecalage(int voce, QString didascalia) {
    const qsizetype posizione = voce == VoceDecalage ? 0 : 1;
    if (!didascalia.contains(QLatin1Char('&')) && didascalia.size() > posizione) didascalia.insert(posizione, QLatin1Char('&'));
    return didascalia;
}

} // namespace

void FrmMain::AggiornaMenuOpzioni() {
    mnuOpzioniItem.at(1)->setChecked(Trave().ArrotondaMomenti);
    const MenuDecalage m = MenuDecalageDaFile(Trave().Decala, Trave().Copriferro, sep_.Decimale.empty() ? '.' : sep_.Decimale[0]);
    mnuOpzioniItem.at(2)->setChecked(m.Decalage);
    mnuOpzioniItem.at(3)->setChecked(m.Sovrapposto);
    // An item that is not checked keeps its keyboard letter.
    mnuOpzioniItem.at(2)->setText(m.Decalage ? ConTastoDecalage(VoceDecalage, QString::fromStdString(m.DidascaliaDecalage))
                                             : QStringLiteral("&Decalage"));
    mnuOpzioniItem.at(3)->setText(m.Sovrapposto ? ConTastoDecalage(VoceDecalageSovrapposto,
                                                                   QString::fromStdString(m.DidascaliaSovrapposto))
                                                : QStringLiteral("D&ecalage Sovrapposto"));
}

void FrmMain::SceltaArrotonda(bool attivo) {
    Trave().ArrotondaMomenti = attivo;
    Modifica("Arrotonda");
}

void FrmMain::SceltaDecalage(int voce, bool attivo) {
    QAction* questa = mnuOpzioniItem.at(voce);
    QAction* altra = mnuOpzioniItem.at(voce == VoceDecalage ? VoceDecalageSovrapposto : VoceDecalage);
    if (!attivo) {
        // The item was checked: decalage off.
        questa->setChecked(false);
        questa->setText(voce == VoceDecalage ? QStringLiteral("&Decalage") : QStringLiteral("D&ecalage Sovrapposto"));
        Trave().Decala = CodiceDaModoDecalage(ModoDecalage::Nessuno);
        Modifica("Decalage");
        return;
    }
    if (finestraDecalage_) finestraDecalage_->close();
    auto* finestra = new FrmDecalage(Trave(), voce, sep_, this);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestraDecalage_ = finestra;
    connect(finestra, &FrmDecalage::DidascaliaCambiata, this, [this](int iCheck, const QString& didascalia) {
        if (QAction* v = mnuOpzioniItem.at(iCheck); v->isChecked()) v->setText(ConTastoDecalage(iCheck, didascalia));
        Modifica("Decalage");
    });
    questa->setChecked(true);
    Trave().Decala = CodiceDaModoDecalage(voce == VoceDecalage ? ModoDecalage::Traslato : ModoDecalage::SovrappostoInviluppo);
    altra->setChecked(false);
    altra->setText(voce == VoceDecalage ? QStringLiteral("D&ecalage Sovrapposto") : QStringLiteral("&Decalage"));
    Modifica("Decalage");
    finestra->show();
}

// ---------------------------------------------------------------------------------------------
// Commands

void FrmMain::Calcolo() {
    if (!EsegueCalcolo()) return;
    FrDiagrammi->show();
    cbDiagramma[0]->setFocus(Qt::OtherFocusReason);
}

// The dialogs that edit the beam or the settings work on copies of them: while one is open the
// beam stays as the document last took it (the recovery file written meanwhile holds no half-made
// edit), and what the dialog hands back (finestra true) becomes the beam in one step; "Annulla"
// leaves it untouched.
bool FrmMain::ModificaConFinestra(const char* descrizione, const std::function<bool(Velcora&, Impostazioni&)>& finestra) {
    Velcora trave = Trave();
    Impostazioni imp = Imp();
    if (!finestra(trave, imp)) return false;
    Trave() = std::move(trave);
    Imp() = std::move(imp);
    Modifica(descrizione);
    return true;
}

void FrmMain::Sezioni() {
    if (!ControllaDatiGriglie()) return;
    ModificaConFinestra("Sezioni", [this](Velcora& t, Impostazioni&) {
        FrmSez finestra(t, sep_, *msg_, this);
        finestra.exec(); // however it closes, the window keeps the section shown, like the others
        return true;
    });
    cbCalcolo->setFocus(Qt::OtherFocusReason);
}

void FrmMain::CarichiConcentrati() {
    const LavoroNonSalvato& ingresso = IngressoConfermato();
    std::vector<double> luci;
    for (const std::vector<std::string>& campata : ingresso.Griglie[0])
        luci.push_back(campata.size() >= ColLuce ? LeggeNumero(campata[ColLuce - 1], sep_) : 0.0);
    if (const EsitoComando esito = vc::ControllaLuci(luci, *msg_); !esito.Riuscito()) {
        SelezionaCampo(*esito.Rifiuto);
        return;
    }
    // The loads refer to the spans the window shows now.
    try {
        TrasferisceDati(ingresso, Trave(), Imp());
    } catch (const std::exception&) {
        // What cannot be read stays as it was; the lengths are the grid's own.
    }
    ModificaConFinestra("Carichi concentrati", [&](Velcora& t, Impostazioni&) {
        FrmFconc finestra(t, std::move(luci), sep_, *msg_, this);
        return finestra.exec() == QDialog::Accepted;
    });
}

void FrmMain::Visualizza() {
    const bool scelti = ModificaConFinestra("Visualizza carichi", [this](Velcora& t, Impostazioni&) {
        FrmVisualCar scelta(t, this);
        return scelta.exec() == QDialog::Accepted;
    });
    if (!scelti || !Esegue(&vc::CalcolaCarichi)) return;
    if (Trave().nCampate() > 0 || Trave().nCarConc() > 0 || Trave().nCoppie() > 0) MostraDiagramma(2);
}

void FrmMain::Elastici() {
    const LavoroNonSalvato& ingresso = IngressoConfermato();
    // The elastic window works on the sections and restraints as the main window shows them now.
    try {
        TrasferisceDati(ingresso, Trave(), Imp());
    } catch (const std::exception&) {
        // What could not be read stays as it was; the window checks its own data.
    }
    ModificaConFinestra("Vincoli elastici", [this](Velcora& t, Impostazioni&) {
        FrmElastici finestra(t, sep_, *msg_, this);
        return finestra.exec() == QDialog::Accepted;
    });
}

void FrmMain::Ridistribuzione() {
    ModificaConFinestra("Ridistribuzione", [this](Velcora&, Impostazioni& imp) {
        FrmRidist finestra(imp, sep_, this);
        return finestra.exec() == QDialog::Accepted;
    });
}

void FrmMain::ApreImpostazioni() {
    ModificaConFinestra("Coefficienti parziali", [this](Velcora&, Impostazioni& imp) {
        FrmGamma finestra(imp, sep_, *msg_, PercorsiFileIniPredefiniti(imp.PercorsoProgramma), this);
        return finestra.exec() == QDialog::Accepted;
    });
}

void FrmMain::AiutoBlocco() {
    msg_->Mostra("Esporta il diagramma M nel disegno aperto di Autocad 2000\r\n"
                 "(lancia Autocad se non è in funzione)\r\n"
                 "per usare il programma Zelbrun di disegno delle armature.",
                 Icona::Informazione);
}

void FrmMain::Diagramma(int indice) {
    if (!EsegueCalcolo() || !ControllaScaleFisse()) return;
    switch (indice) {
    case 0:
    case 1:
        MostraDiagramma(indice);
        break;
    case 2:
        PlottaDiagrammi(SceltaDisegno::Stampa);
        break;
    case 3:
        EsportaBlocco();
        break;
    default:
        DisegnaInAutocad();
        break;
    }
}

void FrmMain::Aiuto() {
    const fs::path programma(Imp().PercorsoProgramma);
    // Beside the program (the build folder copies the manual there) or where the installation
    // puts it.
    for (const fs::path& guida : {programma / "VelcoraDwg.chm", programma / "doc" / "index.html",
                                  programma / ".." / "share" / "velcora" / "doc" / "index.html"}) {
        std::error_code ec;
        if (fs::exists(guida, ec)) {
            if (!servizi_->ApreDocumento(fs::weakly_canonical(guida, ec)))
                msg_->Mostra("Impossibile aprire la guida " + guida.string(), Icona::Avviso);
            return;
        }
    }
    msg_->Mostra("La guida VelcoraDwg.chm non si trova nella cartella del programma.", Icona::Informazione);
}

void FrmMain::Informazioni() {
    FrmInfor finestra(QCoreApplication::applicationVersion(), this);
    finestra.exec();
}

} // namespace vc
