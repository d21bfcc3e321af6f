#pragma once
// The beam document: the input of the main window as one value (the texts as typed in its
// fields and grids, and the rest of the beam with the options as a data file), the beam the
// commands work on with its last results, the settings with the data file's name, the steps of
// undo and redo, and the mark of unsaved changes: the input differs from the one last read or
// saved. An edit sets it, a save clears it, and undoing back to the saved input (or typing
// the saved values again) clears it. The window keeps no copy of any of them.
//
// The beam is the input as the calculation reads it: the commands move the texts into it
// before they run, the dialogs edit copies of it that become it, and undo and redo read it
// back from the step's data file (its results go with the beam replaced).
//
// The window hands the document its input after every edit (Registra); what changed since the
// last one becomes one undoable step, and the edits of one turn of the event loop (a pasted
// block and the spans it added) are one step. A field's text is the document's as it is typed
// (ScriveCampo): what is typed into one field until it is left (ChiudeCampo), with what its
// Enter does, is one step. Undo and redo give the window back the input of that step (the
// function given at construction shows it).
//
// The input grids are table models of the document (ModelloDocumento): a cell written in a
// grid is written here (ScriveCella, ImpostaRighe) as an edit of its own turn, and the texts
// replaced by undo, redo or a new input are told with TestiSostituiti, so that the grids show
// them without the window filling them again.
//
//   DocumentoTrave doc([&](const LavoroNonSalvato& l) { finestra.Mostra(l); });
//   doc.Sostituisce(finestra.Input());   // a file read: nothing to undo, nothing unsaved
//   doc.Registra(finestra.Input(), "Luce"); // after an edit: one step, marked unsaved
//   doc.Pila().undo();                   // back as it was, and unmarked

#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "ui/Recupero.h"

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <optional>

namespace vc {

// The main window's text fields, as LavoroNonSalvato keeps them.
enum class CampoTesto { Titolo, Campate, Punti, ScalaM, ScalaT, ScalaFreccia };
std::string& TestoDelCampo(LavoroNonSalvato& lavoro, CampoTesto campo);

class DocumentoTrave final : public QObject {
    Q_OBJECT
  public:
    using Mostra = std::function<void(const LavoroNonSalvato&)>;
    explicit DocumentoTrave(Mostra mostra, QObject* genitore = nullptr);

    const LavoroNonSalvato& Dati() const { return dati_; }
    Velcora& Trave() { return trave_; }
    const Velcora& Trave() const { return trave_; }
    Impostazioni& Imp() { return imp_; }
    const Impostazioni& Imp() const { return imp_; }
    QUndoStack& Pila() { return pila_; }

    // The input after an edit: a step when it differs from the last one. Ignored while undo or
    // redo is showing a step (the window's own signals are not edits).
    void Registra(LavoroNonSalvato ora, const QString& descrizione) { Registra(std::move(ora), descrizione, {}); }
    // The input the window now shows without an edit of the user's (a scale drawn): no step.
    void Aggiorna(LavoroNonSalvato ora);
    // The whole input replaced (a file read, a new beam): nothing to undo; saved unless
    // nonSalvato (work recovered from a crash, which no file holds).
    void Sostituisce(LavoroNonSalvato dati, bool nonSalvato = false);
    // The input has just been written to its file.
    void Salvato();
    bool Modificato() const { return !salvati_ || !(dati_ == *salvati_); }

    // A cell of the input grid griglia (0 spans, 1 supports): riga from 0, colonna from 1 (0 is
    // the row's number). False outside the grid, and while undo or redo is showing a step.
    bool ScriveCella(std::size_t griglia, int riga, int colonna, std::string testo);
    // The grid's rows, each of celle cells after the number; new cells are empty.
    bool ImpostaRighe(std::size_t griglia, int righe, int celle);
    // The cells of the grid as one edit (a beam shown whole), row by row from column 1; what
    // lies beyond the grid's rows and cells is left out.
    bool ScriveGriglia(std::size_t griglia, const TabellaTesti& celle);
    // A field's text as it stands now; false while undo or redo is showing a step. digitato:
    // typed by the user into the field; otherwise a text the window writes as part of another
    // edit (the span count of a pasted block), which is a step of its turn like that edit.
    bool ScriveCampo(CampoTesto campo, std::string testo, bool digitato = true);
    // The field has been left: what is typed next is another step.
    void ChiudeCampo();
    // The edits of this turn of the event loop join the typing of the field, while it is open
    // (its Enter sizing the grids).
    void UnisceAlCampo(CampoTesto campo);
    bool InApplicazione() const { return applicando_; }

  signals:
    void ModificatoCambiato();
    // Undo, redo or a new input replaced the texts (the grids' models follow).
    void TestiSostituiti();

  private:
    friend class PassoModifica;
    void Registra(LavoroNonSalvato ora, const QString& descrizione, std::optional<CampoTesto> campo);
    void Applica(const LavoroNonSalvato& dati);
    void LeggeTrave(const std::string& datiFile);
    int Serie(std::optional<CampoTesto> campo);

    Mostra mostra_;
    QUndoStack pila_;
    LavoroNonSalvato dati_;
    Velcora trave_;
    Impostazioni imp_;
    std::optional<LavoroNonSalvato> salvati_; // nothing: no file holds this beam
    bool applicando_ = false;
    // The steps of one series are one: the edits of a turn of the event loop, or of a field
    // until it is left.
    int serie_ = 0, serieCampo_ = 0;
    bool turnoInCorso_ = false;
    std::optional<CampoTesto> campoAperto_, campoUnito_;
};

} // namespace vc
