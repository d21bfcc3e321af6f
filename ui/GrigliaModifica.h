#pragma once
// A table the user fills in cell by cell: the span and support grids of the main window, the
// load tables of the concentrated loads window, the dimension table of the sections window;
// also the read-only results grids.
//
// Addressing. Rows and columns are numbered as on paper: row 0 is the heading row (shown in the
// grid's header), column 0 the fixed column of row numbers (shaded, never edited). Data cells
// are rows 1..Righe()-1, columns 1..Colonne()-1. Righe() and Colonne() count the heading row and
// column, so a grid for n spans has n + 1 rows.
//
// Editing. A click on a cell opens the editor with the cell's number selected (an empty or
// non-numeric cell offers the text of the previous entry, so Enter repeats it); Enter, F2,
// Space or Backspace open it with the cell's text and the cursor at its end; a printable
// character starts a new entry with that character. In the editor:
//   Enter      commits and opens the editor on the next cell: along the row with
//              PerRighe(true), down the column with PerRighe(false); after the last cell the
//              focus goes to the widget given with ImpostaSeguente (if any);
//   Escape     discards what was typed;
//   Up/Down    commit and move one row;
//   Tab        commits and leaves the grid;
//   the numeric keypad's decimal key types the user's decimal separator.
// Leaving the cell (a click elsewhere, another window) commits as well. Delete on a cell that
// is not being edited empties it. A grid reached from the keyboard without a current cell
// makes its first data cell current, so that keys have a cell to work on and the user sees it.
//
// Clipboard, as in a spreadsheet: Ctrl+C copies the selected block as tab-separated text (the
// cells as shown, with the user's separators); Ctrl+V pastes a tab- or semicolon-separated
// block at the current cell, every value read with the user's separators; a grid that grows
// (Crescente: spans, loads) asks its window for the rows a longer block needs. A block with a
// text that is not a number, or that does not fit, is refused with a message and nothing
// changes. Ctrl+X copies and empties the selection, Delete empties it, Ctrl+A selects all.
// With ChiusuraNumerica(true) a committed entry is rewritten as the number it reads as
// ("1234,5" shows "1.234,5"), so that what the calculation will use is what the user sees.
//
// Model and view. The grid is a QTableView over a table model (ModelloGriglia, its own unless
// ImpostaModello gives it another one): the model holds the texts and says which cells may be
// edited; the grid and its delegate keep the editing rules above.
//
// Reading and writing. TestoCella / ScriveCella work on any cell, headings included.
// LeggeCella reads a cell as a number with the user's separators: an empty or non-numeric cell
// reads as 0. LeggeGriglia and CaricaGriglia move a whole table of numbers.
//
// Typical use in a dialog:
//     auto* g = new GrigliaModifica(sep, this);
//     g->ImpostaDimensioni(n + 1, 7);
//     g->ImpostaIntestazioni({"N°", "camp.", "F(g1)", "F(g2)", "F(q1)", "F(q2)", "d"});
//     g->NumeraRighe();
//     g->PerRighe(true);
//     g->ImpostaSeguente(cmdOK);
//     ...
//     g->ChiudeModifica();                       // before reading: commit an open editor
//     TabellaNumeri t;
//     if (!g->LeggeGriglia(t, 1, 1, msg)) return;  // t[i][j] = cell (1 + i, 1 + j)

#include "files/TabellaRisultati.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"
#include "ui/AppuntiGriglia.h"

#include <QLineEdit>
#include <QPointer>
#include <QAbstractItemModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>


namespace vc {

class GrigliaModifica;

// True when the text is a number written with the user's separators (blanks around it are
// allowed, nothing else): "12,5", "-3", "1.234,5", "1E-3" with Italian separators.
bool TestoNumerico(std::string_view testo, const Separatori& sep);
// A cell's text as a whole number, as GrigliaModifica::LeggeCellaIntera reads it.
int LeggeIntero(std::string_view testo, const Separatori& sep);

// Table of numbers read from or written into a grid: element [i][j] is the cell at row
// fromRow + i, column fromColumn + j (CaricaGriglia: row 1 + i, column 1 + j).
using TabellaNumeri = std::vector<std::vector<double>>;

// The in-place editor of a GrigliaModifica (an implementation detail, public for moc).
class DelegatoModifica final : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit DelegatoModifica(GrigliaModifica& griglia);
    QWidget* createEditor(QWidget* genitore, const QStyleOptionViewItem& opzione,
                          const QModelIndex& indice) const override;
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modello, const QModelIndex& indice) const override;

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void initStyleOption(QStyleOptionViewItem* opzione, const QModelIndex& indice) const override;

  private:
    GrigliaModifica& griglia_;
};

class GrigliaModifica : public QTableView {
    Q_OBJECT
  public:
    // The grid starts on a ModelloGriglia of its own.
    explicit GrigliaModifica(const Separatori& sep, QWidget* genitore = nullptr);

    // Shows another table model (laid out as ModelloGriglia describes) in place of the grid's
    // own, which goes; the grid does not own the new one. Every call below then reads and writes
    // that model, sizes included (insertRows/removeRows, insertColumns/removeColumns).
    void ImpostaModello(QAbstractItemModel& modello);

    // Size, headings included. Existing cells keep their text; new ones are empty.
    void ImpostaDimensioni(int righe, int colonne);
    void ImpostaRighe(int righe);
    int Righe() const { return model()->rowCount() + 1; }
    int Colonne() const { return model()->columnCount(); }
    // Texts of row 0, from column 0 on.
    void ImpostaIntestazioni(std::initializer_list<const char*> testi);
    // Writes 1, 2, 3... into column 0 of the data rows.
    void NumeraRighe();
    // Empties every data cell (column 0 and the headings stay).
    void SvuotaDati();

    // Column width as given for the original 96-dpi screen and 8-point font, in twips,
    // scaled to this grid's font.
    void ImpostaLarghezzaColonna(int colonna, int twip);
    int PixelDaTwip(int twip) const;
    // With elastiche the data columns share the width the layout gives the grid. In a grid that
    // is only read (results) each column stays at least as wide as its set width and its widest
    // text, heading included: given less room, the grid scrolls sideways rather than cutting a
    // value to "...".
    void ColonneElastiche(bool elastiche);
    // How many data rows the grid asks room for (the layout may give more).
    void ImpostaRigheVisibili(int righe);

    // Behaviour.
    void PerRighe(bool perRighe) { perRighe_ = perRighe; }
    void ImpostaSeguente(QWidget* seguente) { seguente_ = seguente; }
    void ChiusuraNumerica(bool numerica) { chiusuraNumerica_ = numerica; }
    void SolaLettura(bool solaLettura);
    // A block pasted below the last row asks for more rows (RigheRichieste) instead of being refused.
    void Crescente(bool crescente) { crescente_ = crescente; }
    // Where a refused paste is told; without one, a message box of the grid's window.
    void ImpostaMessaggi(Messaggi* msg) { msg_ = msg; }
    bool InSolaLettura() const { return solaLettura_; }

    // Cells.
    std::string TestoCella(int riga, int colonna) const;
    void ScriveCella(std::string_view testo, int riga, int colonna);
    void ScriveCella(const QString& testo, int riga, int colonna);
    void ScriveCella(double valore, int riga, int colonna); // the plain text of the number
    // The cell read with the user's separators; an empty or non-numeric cell reads as 0. A
    // magnitude beyond a double throws std::out_of_range.
    double LeggeCella(int riga, int colonna) const;
    // As LeggeCella, rounded to the nearest whole number (halves to even); a value outside
    // the 16-bit range of the data file throws std::out_of_range.
    int LeggeCellaIntera(int riga, int colonna) const;
    // True when the cell's text is a number in the user's separators.
    bool CellaNumerica(int riga, int colonna) const;

    // Rows daRiga..Righe()-1, columns daColonna..Colonne()-1. With ridimensiona the table is
    // first sized to them; otherwise cells beyond its size are an error. On an error "Errore
    // in LeggeGriglia" is shown and false returned; the cells read before stay in the table.
    bool LeggeGriglia(TabellaNumeri& valori, int daRiga, int daColonna, Messaggi& msg, bool ridimensiona = true) const;
    bool LeggeGriglia(TabellaTesti& testi, int daRiga, int daColonna, Messaggi& msg,
                      bool ridimensiona = true) const;
    // Fills every data cell from valori[i][j] (row 1 + i, column 1 + j) that the table has,
    // formatted with FormattaNumero(cifre, larghezza, x) when compatto, else with
    // FormattaLarghezza(cifre, larghezza, x).
    void CaricaGriglia(const TabellaNumeri& valori, int cifre, int larghezza, bool compatto);
    template <class Righe>
    void CaricaGrigliaDa(const Righe& righe, int cifre, int larghezza, bool compatto) {
        TabellaNumeri t;
        for (const auto& r : righe) t.emplace_back(std::begin(r), std::end(r));
        CaricaGriglia(t, cifre, larghezza, compatto);
    }

    // A whole table of texts: size, headings, cells and column widths (twips). Celle gives
    // back what the grid shows, for the listing.
    void CaricaTabella(const TabellaCelle& tabella);
    TabellaCelle Celle() const;

    // Editing driven by the program. IniziaModifica opens the editor on the current cell as if
    // opened by `tasto` (0 a click; 1..32 a control key; any other a typed character).
    void IniziaModifica(char32_t tasto = 0);
    void VaiACella(int riga, int colonna);          // makes the cell current, editor closed
    void ApreCella(int riga, int colonna);          // makes it current and opens the editor (key 0)
    void ChiudeModifica();                          // commits an open editor, closes it
    void ChiudeModificaNumerica();                  // the same, rewriting the entry as a number
    void AnnullaModifica();                         // closes it without committing
    bool InModifica() const { return !editor_.isNull(); }
    QLineEdit* Editor() const { return editor_.data(); }
    int RigaCorrente() const { return currentIndex().row() + 1; }
    int ColonnaCorrente() const { return currentIndex().column(); }

    // The clipboard and the selection (the keys above call these).
    void Copia() const;
    bool Incolla();
    void Taglia();
    void CancellaSelezione();
    void SelezionaTutto(); // the data cells (every cell of a grid that is only read)
    // Selects the block of cells from (riga, colonna) to (ultimaRiga, ultimaColonna).
    void SelezionaBlocco(int riga, int colonna, int ultimaRiga, int ultimaColonna);
    // The block of a pasted text written from the current cell on; false, with the reason
    // told and nothing written, when it is refused.
    bool IncollaTesto(const std::string& testo);

    // Toggles between the grid's own height and one showing every row (within the screen).
    void IngrandisceGriglia();
    bool Ingrandita() const { return ingrandita_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // The user committed a text different from the cell's previous one (a block pasted or
    // emptied is one change, told for its first cell).
    void CellaModificata(int riga, int colonna);
    // Enter on the last cell: the focus went on to the following widget (or stayed).
    void FineGriglia();
    // A pasted block needs `righe` data rows: the window sizes the grid (and what goes with
    // it) before the block is written. A grid still too short refuses the block.
    void RigheRichieste(int righe);

  protected slots:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint suggerimento) override;
    // The texts changed: the widths measured for them are forgotten.
    void dataChanged(const QModelIndex& daIndice, const QModelIndex& aIndice, const QList<int>& ruoli) override;
    void rowsInserted(const QModelIndex& genitore, int prima, int ultima) override;
    void rowsAboutToBeRemoved(const QModelIndex& genitore, int prima, int ultima) override;

  public slots:
    void reset() override;

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void currentChanged(const QModelIndex& corrente, const QModelIndex& precedente) override;

  private:
    friend class DelegatoModifica;

    QModelIndex Indice(int riga, int colonna) const; // invalid outside the data cells
    void RendeCorrente(int riga, int colonna);
    void SegueModello();
    bool ApreEditore(char32_t tasto);
    void PreparaEditore(QLineEdit& editor, char32_t tasto);
    bool TastoEditor(QLineEdit& editor, QKeyEvent& evento);
    void Conferma(bool daInvio);
    void AvanzaDopoInvio();
    void SpostaRiga(int passo);
    bool TastoAppunti(const QKeyEvent& evento);
    bool EstendeSelezione(const QKeyEvent& evento);
    void SelezionaFino(QModelIndex fine);
    void Rifiuta(const std::string& motivo);
    bool TestoNumerico(const QString& testo) const;
    void Scrive(const QString& testo, int riga, int colonna);
    void AdattaColonne();
    int LarghezzaTesti(int colonna) const;
    int LarghezzaContenuto(int colonna) const;
    void DimenticaLarghezze() { contenuto_.clear(); }
    void DistribuisceColonne();
    void RidistribuisceDopo(); // once, after the texts written now
    int LarghezzaVoluta(int colonna) const;

    Separatori sep_;
    QPointer<QLineEdit> editor_;
    QPointer<QWidget> seguente_;
    char32_t tastoApertura_ = 0;
    QString testoPrecedente_; // the last entry, offered again on empty cells
    bool ripetizione_ = false; // the open editor offers the previous entry, untouched so far
    bool daInvio_ = false;
    bool inoltro_ = false; // a key is being handed to the editor
    QPersistentModelIndex ancora_; // where a block selected with Shift starts
    bool estendendo_ = false;
    bool perRighe_ = false;
    bool chiusuraNumerica_ = false;
    bool solaLettura_ = false;
    bool crescente_ = false;
    Messaggi* msg_ = nullptr;
    bool ingrandita_ = false;
    bool elastiche_ = false;
    bool ridistribuzioneInAttesa_ = false;
    int larghezzaTesti_ = 0; // what the columns' texts need, as last measured
    // The width each column's widest text needs (-1: not measured since the texts changed).
    mutable std::vector<int> contenuto_;
    int righeVisibili_ = 6;
    std::vector<int> twip_; // the widths asked for, by column (0: none)
};

} // namespace vc
