#pragma once
// The main window: the beam's input (title, spans, supports, restraints, options), the
// commands that calculate it and open the other windows, the file commands, and the two
// results grids. It owns the beam (TraveAttiva) and the program-wide settings.
//
// The code is split by job:
//   FrmMain.cpp          the controls, their layout, menus and toolbar, the small handlers;
//   FrmMainCalcolo.cpp   moving the input into the beam and back, the checks, the calculation
//                        and the results grids;
//   FrmMainFile.cpp      start-up, the file commands, printing, closing;
//   FrmMainDocumento.cpp the beam document: every edit a step of undo, the unsaved mark.
//
// The controls are the window's own. Every one carries its name as objectName ("txtTitolo",
// "FlexGrid0", "cbCalcolo", "mnuFileItem2"...): tests and tools find it by that name, as a user
// finds it by its label; other windows get what they need as values or through the beam.

#include "calcolo/ControlloFallito.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "files/FileDati.h"
#include "files/GestioneFile.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTimer;
class QToolBar;

namespace vc {

class DocumentoTrave;
enum class SceltaDisegno;
class FrmDecalage;
class FrmDiagramma;
class GestioneTastiDecimali;
class UscitaDisegni;
class GrigliaModifica;
class ServiziFinestra;
class Recupero;
struct LavoroNonSalvato;
struct OpzioniIngresso;

// Where and how the program was started.
struct AvvioProgramma {
    std::filesystem::path CartellaProgramma; // the executable's folder
    std::filesystem::path CartellaCorrente;  // the folder the program was started from
    std::vector<std::string> RigaComando;    // the words after the program's name
    // Where unsaved work is kept against a crash (the user's data folder when empty).
    std::filesystem::path CartellaRecupero;
    // The settings file where the window keeps its size and the split between input and results
    // from one run to the next; empty: the window starts at its own size and remembers nothing.
    std::filesystem::path FileFinestra;
};

class FrmMain final : public QMainWindow, public FinestraStampa {
    Q_OBJECT
  public:
    // msg and servizi may be given by tests; otherwise the window shows message boxes and the
    // platform's dialogs itself.
    explicit FrmMain(const Separatori& sep, Messaggi* msg = nullptr, ServiziFinestra* servizi = nullptr,
                     QWidget* genitore = nullptr);
    ~FrmMain() override;

    static constexpr const char* FormCaption = "Velcora - File: ";
    static constexpr const char* NomeProgramma = "Velcora";
    // The SLE combinations in the order of their codes.
    static constexpr std::array<const char*, 3> CombinazioniSLE = {"rara", "frequente", "quasi permanente"};

    // The start-up: regional check, settings file, caption, SLE list, an empty beam, and the
    // data file named on the command line (unless an automation client started the program).
    void Avvia(const AvvioProgramma& avvio);

    // The document's beam and settings.
    Velcora& Trave();
    const Velcora& Trave() const;
    Impostazioni& Imp();
    const Impostazioni& Imp() const;
    const Separatori& Sep() const { return sep_; }
    Messaggi& Msg() { return *msg_; }

    // The beam into the window: spans, restraints, check boxes, scales, support widths, limit state.
    void FormScriveDati();
    // Empties the window for a new beam and discards the beam.
    void PurgaForm();
    // Opens a data file through the Open dialog starting in `cartella` (with rileggiIni, the
    // settings file is read again once the file is chosen); true when one was read.
    bool ApriFileDati(const std::filesystem::path& cartella, bool rileggiIni = false);
    // Sizes both input grids for the span count of the beam (rows already typed are kept).
    void DimensionaGriglie();
    // Fills Grid1 and Grid2 from the solved beam and shows the results frame.
    void ScriveRisultati();
    bool FileIniLeggeScrive(Modo modo);

    // The caption: the prefix and the data file's name, with the mark of unsaved changes.
    void ImpostaTitolo(const std::string& titolo);
    // FinestraStampa.
    void StampaFile(DestinazioneRelazione destinazione, StampanteRighe& uscita) override;

    // The caption without the mark of unsaved changes.
    const std::string& Didascalia() const { return didascalia_; }
    // True when the beam has changes not saved: an edit since the data file was last read or
    // written, not undone, or a field being typed in.
    bool Modificato() const;
    // The beam document: its undo stack is the one of "&Modifica".
    DocumentoTrave& Documento() { return *documento_; }
    // Asks whether to save unsaved changes: true when the caller may go on (saved, or not to
    // be saved), false when the user cancelled or the saving failed.
    bool ConfermaAbbandono();
    // For an internal error that ends the program: the unsaved work written to the recovery
    // file that the next start offers back (one copy, the window as typed). Returns its path,
    // or nothing when nothing was unsaved; throws std::system_error when it cannot be written.
    std::string SalvaRecupero();
    // The unsaved work written now to the recovery file offered at the next start
    // (FrmMainRecupero.cpp); the window does it every 30 seconds and at each calculation.
    void ScriveRecupero();

    // The commands, as the buttons and menus run them.
    bool EsegueCalcolo();
    bool ControllaDatiGriglie();
    bool ControllaScaleFisse();

    // The output driver that prints the drawings, writes them as DXF and keeps the CAD drawing.
    UscitaDisegni& Uscite() { return *uscite_; }
    // The open diagram window: 0 moments, 1 shears, 2 loads; nothing when it is closed.
    FrmDiagramma* FinestraDiagramma(int indice) const;

  protected:
    void closeEvent(QCloseEvent* evento) override;

  private:
    // Layout (FrmMain.cpp).
    void CreaControlli();
    QWidget* CreaPannelloDati();
    QWidget* CreaPannelloRisultati();
    void CreaMenu();
    void CreaBarraStrumenti();
    void CollegaEventi();
    QAction* VoceMenu(QMenu* menu, int indice, const char* testo, const char* nome);
    void MostraRisultati(bool visibili);
    // Size and split between runs (FrmMainGeometria.cpp).
    void DimensioneIniziale();
    void SalvaGeometria() const;
    void AggiornaElastici();
    void SceltaVincolo(bool sinistro, VincoloEstremo vincolo);
    void SceltaStatoLimite(int stato);
    void InvioCampate();
    void ApplicaCampate(bool inizia);
    void CaricaComboSLE();
    void AggiornaMenuOpzioni();
    void SceltaArrotonda(bool attivo);
    void SceltaDecalage(int voce, bool attivo);
    template <class Azione>
    void Comando(Azione azione);

    // Commands.
    void Calcolo();
    void Sezioni();
    void CarichiConcentrati();
    void Visualizza();
    void Elastici();
    bool ModificaConFinestra(const char* descrizione, const std::function<bool(Velcora&, Impostazioni&)>& finestra);
    void Ridistribuzione();
    void AiutoBlocco();
    void Diagramma(int indice);
    void ApreImpostazioni();
    void Aiuto();
    void FilesDiEsempio();
    void Informazioni();

    // Input into the beam (FrmMainCalcolo.cpp).
    int LeggeConteggio(const std::string& testo) const;
    void LeggeCampate(const LavoroNonSalvato& l, Velcora& t) const;
    static void ApplicaOpzioni(const OpzioniIngresso& o, Velcora& t, Impostazioni& imp);
    void LeggeAppoggi(const LavoroNonSalvato& l, Velcora& t) const;
    void LeggeScale(const LavoroNonSalvato& l, Impostazioni& imp) const;
    void TrasferisceDati(const LavoroNonSalvato& l, Velcora& t, Impostazioni& imp) const;
    const LavoroNonSalvato& IngressoConfermato();
    LavoroNonSalvato Ingresso() const;
    LavoroNonSalvato IngressoDi(LavoroNonSalvato l) const;
    void Modifica(const char* descrizione);
    void ModificaOpzioni(const std::function<void(OpzioniIngresso&)>& cambia, const char* descrizione);
    void MostraIngresso(const LavoroNonSalvato& l);
    void MostraTesti(const LavoroNonSalvato& l);
    void MostraCampi(const LavoroNonSalvato& l);
    EsitoComando LeggeDatiFinestra();
    void SelezionaCampo(const ControlloFallito& rifiuto);
    bool Esegue(EsitoComando (*comando)(Velcora&, Impostazioni&, Messaggi&));
    void ChiudeEditori();
    static void ImpostaVincolo(const std::array<QRadioButton*, 4>& gruppo, VincoloEstremo vincolo);

    // Files (FrmMainFile.cpp).
    void Nuovo();
    void Apri();
    bool Salva();
    bool SalvaConNome();
    void Stampa();
    void FileDiStampa();
    void RelazioneCalcoloPdf(); // ui/FrmMainRelazione.cpp
    void DisegnaInAutocad();
    void EsportaDxf();
    void Esci();
    void AvvisoStatoLimite();

    // Diagrams (FrmMainDiagrammi.cpp).
    void MostraDiagramma(int indice);
    void ChiudeDiagrammi();
    void ScriveScala(int casella, double scala);
    bool PlottaDiagrammi(SceltaDisegno scelta);
    void EsportaBlocco();

    EsitoGestioneFile GestioneFileDati(AzioneFile azione, const std::filesystem::path& cartella = {},
                                       bool rileggiIni = false);
    void DopoLettura();
    void DatiSalvati();
    void NuovoDocumento(bool nonSalvato = false);
    void AggiornaModifiche();
    // Where printing into a PDF file proposes to put it: beside the data file, named after it.
    std::filesystem::path FilePdfProposto() const;

    // Unsaved work kept against a crash (FrmMainRecupero.cpp).
    void AvviaRecupero(const std::filesystem::path& cartella);
    bool OffreRecupero();
    LavoroNonSalvato Lavoro(bool conEditore = true) const;
    std::string DatiTrave(const OpzioniIngresso& opzioni) const;
    void Ripristina(const LavoroNonSalvato& lavoro);

    Separatori sep_;
    std::unique_ptr<Messaggi> msgPropri_;
    Messaggi* msg_;
    std::unique_ptr<ServiziFinestra> serviziPropri_;
    ServiziFinestra* servizi_;
    std::string didascalia_;
    DocumentoTrave* documento_ = nullptr;
    bool salvaConNome_ = false; // a plain save asks for a name (an example was opened)
    QPointer<FrmDecalage> finestraDecalage_;
    GestioneTastiDecimali* tastiDecimali_ = nullptr;
    std::unique_ptr<UscitaDisegni> uscite_;
    std::array<QPointer<FrmDiagramma>, 3> finestreDiagramma_;
    std::unique_ptr<Recupero> recupero_;
    QTimer* timerRecupero_ = nullptr;

    // The controls, by their names; each carries its name as objectName (a row of them its
    // name and index: "opVincSin2", "mnuFileItem5"), by which tests and tools find them.
    QLineEdit* txtTitolo = nullptr;
    QLineEdit* txtCampate = nullptr;
    std::array<GrigliaModifica*, 2> FlexGrid{};
    std::array<QRadioButton*, 4> opVincSin{};
    std::array<QRadioButton*, 4> opVincDes{};
    std::array<QRadioButton*, 2> optSLU{};
    QComboBox* ComboSLE = nullptr;
    QGroupBox* FrDiagrammi = nullptr;
    std::array<QLineEdit*, 3> txtscala{};
    QCheckBox* ckScalePreimpostate = nullptr;
    QLineEdit* txtPlot = nullptr;
    QCheckBox* ckVisualizzaDeformata = nullptr;
    std::array<QPushButton*, 5> cbDiagramma{};
    QGroupBox* fraRisultati = nullptr;
    GrigliaModifica* Grid1 = nullptr;
    GrigliaModifica* Grid2 = nullptr;
    QPushButton* cbCalcolo = nullptr;
    QPushButton* cbSezioni = nullptr;
    QPushButton* cbFconc = nullptr;
    QPushButton* cbVisual = nullptr;
    QPushButton* cbElastici = nullptr;
    QPushButton* cmdRidist = nullptr;
    QPushButton* cbHelp = nullptr;
    std::map<int, QAction*> mnuFileItem;
    std::map<int, QAction*> mnuOpzioniItem;
    QAction* mnuinpostazioni = nullptr;
    std::map<int, QAction*> mnuHelp;
    QAction* mnuAnnulla = nullptr;
    QAction* mnuRipeti = nullptr;
    QToolBar* ToolbarUp = nullptr;

    QSplitter* divisore_ = nullptr; // input on the left, results on the right
    std::filesystem::path fileFinestra_;
};

} // namespace vc
