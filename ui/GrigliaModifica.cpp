#include "ui/GrigliaModifica.h"

#include "support/VerificaContenuto.h"

#include "support/Formattazione.h"
#include "ui/MessaggiQt.h"
#include "ui/ModelloGriglia.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace vc {

namespace {

// The decimal key of the numeric keypad, whatever the keyboard layout puts on it.
bool TastoDecimaleTastierino(const QKeyEvent& evento) {
    return (evento.modifiers() & Qt::KeypadModifier) &&
           (evento.key() == Qt::Key_Period || evento.key() == Qt::Key_Comma);
}

QString DaUtf8(std::string_view testo) {
    return QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
}

} // namespace

bool TestoNumerico(std::string_view testo, const Separatori& sep) { return VerificaContenuto(testo, sep); }

int LeggeIntero(std::string_view testo, const Separatori& sep) {
    const double arrotondato = std::nearbyint(LeggeNumero(testo, sep));
    if (!(arrotondato >= -32768.0 && arrotondato <= 32767.0)) throw std::out_of_range("Overflow");
    return static_cast<int>(arrotondato);
}

// ---------------------------------------------------------------------------------------------
// The editor

DelegatoModifica::DelegatoModifica(GrigliaModifica& griglia) : QStyledItemDelegate(&griglia), griglia_(griglia) {}

QWidget* DelegatoModifica::createEditor(QWidget* genitore, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* editor = new QLineEdit(genitore);
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignCenter);
    griglia_.editor_ = editor;
    return editor;
}

void DelegatoModifica::setEditorData(QWidget*, const QModelIndex&) const {
    // The grid decides what the editor offers when it opens it (the opening key's rules);
    // nothing is taken from the cell afterwards.
}

void DelegatoModifica::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& indice) const {
    auto& campo = static_cast<QLineEdit&>(*editor);
    // The previous entry offered on an empty cell goes in only when confirmed with Enter or
    // changed: clicking through cells writes nothing.
    if (griglia_.ripetizione_ && !campo.isModified() && !griglia_.daInvio_) return;
    if (griglia_.chiusuraNumerica_ && !campo.text().trimmed().isEmpty()) {
        // A number beyond what a double holds stays as typed: the data check refuses it.
        try {
            campo.setText(DaUtf8(RiformattaTesto(campo.text().toStdString(), griglia_.sep_)));
        } catch (const std::out_of_range&) {
        }
    }
    QString testo = campo.text();
    griglia_.testoPrecedente_ = testo;
    const int riga = indice.row() + 1;
    const int colonna = indice.column();
    if (griglia_.TestoCella(riga, colonna) == testo.toStdString()) return;
    griglia_.Scrive(testo, riga, colonna);
    emit griglia_.CellaModificata(riga, colonna);
}

bool DelegatoModifica::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        if (auto* campo = qobject_cast<QLineEdit*>(oggetto)) {
            if (griglia_.TastoEditor(*campo, static_cast<QKeyEvent&>(*evento))) return true;
        }
    }
    return QStyledItemDelegate::eventFilter(oggetto, evento);
}

void DelegatoModifica::initStyleOption(QStyleOptionViewItem* opzione, const QModelIndex& indice) const {
    QStyledItemDelegate::initStyleOption(opzione, indice);
    if (indice.column() == 0) {
        // The fixed column: never current, never edited, drawn like the headings.
        opzione->state |= QStyle::State_Enabled;
        opzione->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        opzione->palette.setCurrentColorGroup(QPalette::Active);
        opzione->backgroundBrush = opzione->palette.brush(QPalette::Active, QPalette::Button);
        opzione->palette.setBrush(QPalette::Text, opzione->palette.brush(QPalette::Active, QPalette::ButtonText));
    }
}

// ---------------------------------------------------------------------------------------------
// The grid

GrigliaModifica::GrigliaModifica(const Separatori& sep, QWidget* genitore)
    : QTableView(genitore), sep_(sep) {
    setModel(new ModelloGriglia(this));
    SegueModello();
    setItemDelegate(new DelegatoModifica(*this)); // owned by the grid
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A block is selected as in a spreadsheet: Shift with the arrows or with a click.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setAlternatingRowColors(false);
}

void GrigliaModifica::ImpostaModello(QAbstractItemModel& modello) {
    if (InModifica()) AnnullaModifica();
    QAbstractItemModel* proprio = model();
    QItemSelectionModel* selezione = selectionModel();
    proprio->disconnect(this);
    setModel(&modello);
    DimenticaLarghezze();
    delete selezione;
    if (proprio->parent() == this) delete proprio;
    SegueModello();
    if (auto* m = qobject_cast<ModelloGriglia*>(&modello)) m->ImpostaSolaLettura(solaLettura_);
    AdattaColonne();
    updateGeometry();
}

// Texts written into the model (by the grid, or by undo and redo in a model of the document)
// may need wider columns.
void GrigliaModifica::SegueModello() {
    connect(model(), &QAbstractItemModel::dataChanged, this, [this] { RidistribuisceDopo(); });
}

QModelIndex GrigliaModifica::Indice(int riga, int colonna) const {
    if (riga < 1 || riga >= Righe() || colonna < 0 || colonna >= Colonne()) return {};
    return model()->index(riga - 1, colonna);
}

void GrigliaModifica::RendeCorrente(int riga, int colonna) {
    // The cell alone is selected: what the program moves to is not a block.
    const QModelIndex indice = Indice(riga, colonna);
    if (indice.isValid()) selectionModel()->setCurrentIndex(indice, QItemSelectionModel::ClearAndSelect);
}

void GrigliaModifica::ImpostaDimensioni(int righe, int colonne) {
    if (InModifica()) AnnullaModifica();
    QAbstractItemModel& m = *model();
    const int ora = m.columnCount();
    if (colonne > ora) m.insertColumns(ora, colonne - ora);
    if (colonne >= 0 && colonne < ora) m.removeColumns(colonne, ora - colonne);
    DimenticaLarghezze();
    AdattaColonne();
    ImpostaRighe(righe);
}

void GrigliaModifica::ImpostaRighe(int righe) {
    if (InModifica()) AnnullaModifica();
    QAbstractItemModel& m = *model();
    const int voluti = std::max(righe - 1, 0);
    const int ora = m.rowCount();
    if (voluti > ora) m.insertRows(ora, voluti - ora);
    if (voluti < ora) m.removeRows(voluti, ora - voluti);
    updateGeometry();
}

void GrigliaModifica::ImpostaIntestazioni(std::initializer_list<const char*> testi) {
    int c = 0;
    for (const char* t : testi) ScriveCella(std::string_view(t), 0, c++);
}

void GrigliaModifica::NumeraRighe() {
    for (int r = 1; r < Righe(); ++r) ScriveCella(QString::number(r), r, 0);
}

void GrigliaModifica::SvuotaDati() {
    if (InModifica()) AnnullaModifica();
    for (int r = 1; r < Righe(); ++r)
        for (int c = 1; c < Colonne(); ++c) Scrive(QString(), r, c);
}

int GrigliaModifica::PixelDaTwip(int twip) const {
    // 15 twips a pixel on a 96-dpi screen, where an 8-point font is 13 pixels high.
    const double scala = fontMetrics().height() / 13.0;
    return static_cast<int>(std::lround(twip / 15.0 * scala));
}

void GrigliaModifica::ImpostaLarghezzaColonna(int colonna, int twip) {
    if (colonna < 0 || colonna >= Colonne()) return;
    if (static_cast<int>(twip_.size()) < Colonne()) twip_.resize(static_cast<std::size_t>(Colonne()), 0);
    twip_[static_cast<std::size_t>(colonna)] = twip;
    setColumnWidth(colonna, LarghezzaVoluta(colonna));
    DistribuisceColonne();
    updateGeometry();
}

int GrigliaModifica::LarghezzaVoluta(int colonna) const {
    const auto k = static_cast<std::size_t>(colonna);
    if (k >= twip_.size() || twip_[k] <= 0) return columnWidth(colonna);
    const QString intestazione = model()->headerData(colonna, Qt::Horizontal).toString();
    const int perIntestazione = fontMetrics().horizontalAdvance(intestazione) + 2 * fontMetrics().averageCharWidth() + 6;
    return std::max(PixelDaTwip(twip_[k]), perIntestazione);
}

void GrigliaModifica::ColonneElastiche(bool elastiche) {
    elastiche_ = elastiche;
    AdattaColonne();
}

void GrigliaModifica::AdattaColonne() {
    // The columns of a grid being filled in share its width, except one whose value is wider
    // than the column was made for: that one takes the value's width and the grid scrolls, so
    // that 1E+308 never shows as "1E..." (which reads as a small number). The columns of a grid
    // of results are laid out by DistribuisceColonne.
    const bool stira = elastiche_ && !solaLettura_;
    for (int c = 0; c < Colonne(); ++c) {
        const int testo = stira && c > 0 ? LarghezzaContenuto(c) : 0;
        const bool largo = testo > LarghezzaVoluta(c);
        horizontalHeader()->setSectionResizeMode(c, stira && c > 0 && !largo ? QHeaderView::Stretch
                                                                             : QHeaderView::Interactive);
        if (largo) setColumnWidth(c, testo);
    }
    DistribuisceColonne();
}

int GrigliaModifica::LarghezzaTesti(int colonna) const {
    const auto k = static_cast<std::size_t>(colonna);
    const int impostata = k < twip_.size() && twip_[k] > 0 ? PixelDaTwip(twip_[k]) : 0;
    return std::max({impostata, horizontalHeader()->sectionSizeHint(colonna), LarghezzaContenuto(colonna)});
}

// What sizeHintForColumn tells, over every row and measured once after the texts change: the
// layout asks for the widths many times while a long table is filled, and sizing every cell
// through the delegate each time costs more than the calculation itself. Every cell has the
// grid's font, so the widest text by the font's advance is the one the delegate sizes.
int GrigliaModifica::LarghezzaContenuto(int colonna) const {
    const auto k = static_cast<std::size_t>(colonna);
    if (contenuto_.size() != static_cast<std::size_t>(Colonne())) contenuto_.assign(static_cast<std::size_t>(Colonne()), -1);
    if (contenuto_[k] >= 0) return contenuto_[k];
    const QFontMetrics metrica = fontMetrics();
    QModelIndex piuLargo;
    int massimo = -1;
    for (int r = 0; r < model()->rowCount(); ++r) {
        const QModelIndex indice = model()->index(r, colonna);
        const int larghezza = metrica.horizontalAdvance(indice.data(Qt::DisplayRole).toString());
        if (larghezza > massimo) {
            massimo = larghezza;
            piuLargo = indice;
        }
    }
    int larghezza = 0;
    if (piuLargo.isValid()) {
        QStyleOptionViewItem opzione;
        initViewItemOption(&opzione);
        larghezza = itemDelegateForIndex(piuLargo)->sizeHint(opzione, piuLargo).width() + (showGrid() ? 1 : 0);
    }
    contenuto_[k] = larghezza;
    return larghezza;
}

void GrigliaModifica::dataChanged(const QModelIndex& daIndice, const QModelIndex& aIndice, const QList<int>& ruoli) {
    DimenticaLarghezze();
    QTableView::dataChanged(daIndice, aIndice, ruoli);
}

void GrigliaModifica::rowsInserted(const QModelIndex& genitore, int prima, int ultima) {
    DimenticaLarghezze();
    QTableView::rowsInserted(genitore, prima, ultima);
}

void GrigliaModifica::rowsAboutToBeRemoved(const QModelIndex& genitore, int prima, int ultima) {
    DimenticaLarghezze();
    QTableView::rowsAboutToBeRemoved(genitore, prima, ultima);
}

void GrigliaModifica::reset() {
    DimenticaLarghezze();
    QTableView::reset();
}

void GrigliaModifica::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::FontChange || evento->type() == QEvent::StyleChange) DimenticaLarghezze();
    QTableView::changeEvent(evento);
}

// The elastic columns of a grid of results: each at least as wide as its set width and its
// widest text, the room left shared among the data columns. A grid narrower than its texts
// scrolls; it never cuts a number.
void GrigliaModifica::DistribuisceColonne() {
    if (!elastiche_ || !solaLettura_ || Colonne() == 0) return;
    std::vector<int> larghezze;
    int totale = 0;
    for (int c = 0; c < Colonne(); ++c) {
        larghezze.push_back(LarghezzaTesti(c));
        totale += larghezze.back();
    }
    if (totale != larghezzaTesti_) {
        larghezzaTesti_ = totale; // the grid asks the layout for the room its texts need
        updateGeometry();
    }
    const int dati = totale - larghezze.front();
    int libero = viewport()->width() - totale;
    if (libero > 0 && dati > 0) {
        const int daDividere = libero;
        for (std::size_t c = 1; c < larghezze.size(); ++c) {
            const int parte = c + 1 == larghezze.size() ? libero : daDividere * larghezze[c] / dati;
            larghezze[c] += parte;
            libero -= parte;
        }
    }
    for (int c = 0; c < Colonne(); ++c) setColumnWidth(c, larghezze[static_cast<std::size_t>(c)]);
}

void GrigliaModifica::RidistribuisceDopo() {
    if (!elastiche_ || ridistribuzioneInAttesa_) return;
    ridistribuzioneInAttesa_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            ridistribuzioneInAttesa_ = false;
            AdattaColonne();
        },
        Qt::QueuedConnection);
}

void GrigliaModifica::resizeEvent(QResizeEvent* evento) {
    QTableView::resizeEvent(evento);
    DistribuisceColonne();
}

void GrigliaModifica::ImpostaRigheVisibili(int righe) {
    righeVisibili_ = std::max(righe, 1);
    updateGeometry();
}

void GrigliaModifica::SolaLettura(bool solaLettura) {
    if (InModifica()) AnnullaModifica();
    solaLettura_ = solaLettura;
    if (auto* m = qobject_cast<ModelloGriglia*>(model())) m->ImpostaSolaLettura(solaLettura);
    AdattaColonne();
}

// ---------------------------------------------------------------------------------------------
// Cells

std::string GrigliaModifica::TestoCella(int riga, int colonna) const {
    if (riga == 0) {
        if (colonna < 0 || colonna >= Colonne()) return {};
        return model()->headerData(colonna, Qt::Horizontal).toString().toStdString();
    }
    return Indice(riga, colonna).data(Qt::EditRole).toString().toStdString();
}

void GrigliaModifica::Scrive(const QString& testo, int riga, int colonna) {
    if (riga == 0) {
        if (colonna >= 0 && colonna < Colonne()) model()->setHeaderData(colonna, Qt::Horizontal, testo);
        return;
    }
    const QModelIndex indice = Indice(riga, colonna);
    if (indice.isValid()) model()->setData(indice, testo);
}

void GrigliaModifica::ScriveCella(std::string_view testo, int riga, int colonna) {
    Scrive(DaUtf8(testo), riga, colonna);
}

void GrigliaModifica::ScriveCella(const QString& testo, int riga, int colonna) {
    Scrive(testo, riga, colonna);
}

void GrigliaModifica::ScriveCella(double valore, int riga, int colonna) {
    Scrive(DaUtf8(TestoNumero(valore, sep_)), riga, colonna);
}

double GrigliaModifica::LeggeCella(int riga, int colonna) const {
    return LeggeNumero(TestoCella(riga, colonna), sep_);
}

int GrigliaModifica::LeggeCellaIntera(int riga, int colonna) const {
    return LeggeIntero(TestoCella(riga, colonna), sep_);
}

bool GrigliaModifica::TestoNumerico(const QString& testo) const {
    return VerificaContenuto(testo.toStdString(), sep_);
}

bool GrigliaModifica::CellaNumerica(int riga, int colonna) const {
    return VerificaContenuto(TestoCella(riga, colonna), sep_);
}

bool GrigliaModifica::LeggeGriglia(TabellaNumeri& valori, int daRiga, int daColonna, Messaggi& msg, bool ridimensiona) const {
    try {
        const int righe = std::max(Righe() - daRiga, 0);
        const int colonne = std::max(Colonne() - daColonna, 0);
        if (ridimensiona) valori.assign(righe, std::vector<double>(colonne, 0.0));
        for (int i = 0; i < righe; ++i)
            for (int j = 0; j < colonne; ++j) valori.at(i).at(j) = LeggeCella(daRiga + i, daColonna + j);
        return true;
    } catch (const std::exception&) {
        msg.Mostra("Errore in LeggeGriglia", Icona::Errore);
        return false;
    }
}

bool GrigliaModifica::LeggeGriglia(TabellaTesti& testi, int daRiga, int daColonna, Messaggi& msg,
                                   bool ridimensiona) const {
    try {
        const int righe = std::max(Righe() - daRiga, 0);
        const int colonne = std::max(Colonne() - daColonna, 0);
        if (ridimensiona) testi.assign(righe, std::vector<std::string>(colonne));
        for (int i = 0; i < righe; ++i)
            for (int j = 0; j < colonne; ++j) testi.at(i).at(j) = TestoCella(daRiga + i, daColonna + j);
        return true;
    } catch (const std::exception&) {
        msg.Mostra("Errore in LeggeGriglia", Icona::Errore);
        return false;
    }
}

void GrigliaModifica::CaricaGriglia(const TabellaNumeri& valori, int cifre, int larghezza, bool compatto) {
    if (InModifica()) AnnullaModifica();
    for (int r = 1; r < Righe() && r - 1 < static_cast<int>(valori.size()); ++r) {
        const auto& riga = valori[static_cast<std::size_t>(r - 1)];
        for (int c = 1; c < Colonne() && c - 1 < static_cast<int>(riga.size()); ++c) {
            const double x = riga[static_cast<std::size_t>(c - 1)];
            ScriveCella(compatto ? FormattaNumero(cifre, larghezza, x, false, sep_)
                                 : FormattaLarghezza(cifre, larghezza, x, sep_),
                        r, c);
        }
    }
}

void GrigliaModifica::CaricaTabella(const TabellaCelle& tabella) {
    ImpostaDimensioni(tabella.Righe(), tabella.Colonne());
    for (int r = 0; r < tabella.Righe(); ++r)
        for (int c = 0; c < tabella.Colonne(); ++c) ScriveCella(tabella.Cella(r, c), r, c);
    for (int c = 0; c < tabella.Colonne(); ++c) ImpostaLarghezzaColonna(c, tabella.Larghezza(c));
    DistribuisceColonne();
}

TabellaCelle GrigliaModifica::Celle() const {
    std::vector<int> larghezze;
    for (int c = 0; c < Colonne(); ++c) {
        const auto k = static_cast<std::size_t>(c);
        larghezze.push_back(k < twip_.size() && twip_[k] > 0 ? twip_[k] : columnWidth(c) * 15);
    }
    TabellaCelle t(Righe(), larghezze);
    for (int r = 0; r < Righe(); ++r)
        for (int c = 0; c < Colonne(); ++c) t.Cella(r, c, TestoCella(r, c));
    return t;
}

// ---------------------------------------------------------------------------------------------
// Editing

void GrigliaModifica::VaiACella(int riga, int colonna) {
    if (InModifica()) ChiudeModifica();
    if (colonna >= 1) RendeCorrente(riga, colonna);
}

void GrigliaModifica::ApreCella(int riga, int colonna) {
    VaiACella(riga, colonna);
    IniziaModifica(0);
}

void GrigliaModifica::IniziaModifica(char32_t tasto) {
    if (InModifica()) ChiudeModifica();
    ApreEditore(tasto);
}

bool GrigliaModifica::ApreEditore(char32_t tasto) {
    const QModelIndex indice = currentIndex();
    if (solaLettura_ || !indice.isValid() || indice.column() < 1) return false;
    if (!(indice.flags() & Qt::ItemIsEditable)) return false;
    if (!editor_.isNull()) {
        editor_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    tastoApertura_ = tasto;
    editor_.clear();
    edit(indice);
    if (editor_.isNull()) return false;
    PreparaEditore(*editor_, tasto);
    editor_->setFocus(Qt::OtherFocusReason);
    return true;
}

void GrigliaModifica::PreparaEditore(QLineEdit& editor, char32_t tasto) {
    const QString cella = DaUtf8(TestoCella(RigaCorrente(), ColonnaCorrente()));
    ripetizione_ = false;
    if (tasto == 0) {
        if (TestoNumerico(cella)) {
            editor.setText(cella);
        } else {
            editor.setText(testoPrecedente_);
            ripetizione_ = !testoPrecedente_.isEmpty();
        }
        editor.selectAll();
    } else if (tasto <= 32) {
        editor.setText(cella);
        editor.end(false);
    } else {
        editor.setText(QString::fromUcs4(&tasto, 1));
        editor.end(false);
        editor.setModified(true);
    }
}

bool GrigliaModifica::TastoEditor(QLineEdit& editor, QKeyEvent& evento) {
    if (&editor != editor_.data()) return false;
    switch (evento.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Conferma(true);
        AvanzaDopoInvio();
        return true;
    case Qt::Key_Escape:
        AnnullaModifica();
        return true;
    case Qt::Key_Up:
        Conferma(false);
        SpostaRiga(-1);
        return true;
    case Qt::Key_Down:
        Conferma(false);
        SpostaRiga(+1);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        Conferma(false);
        focusNextPrevChild(evento.key() == Qt::Key_Tab && !(evento.modifiers() & Qt::ShiftModifier));
        return true;
    default:
        break;
    }
    if (TastoDecimaleTastierino(evento)) {
        editor.insert(DaUtf8(sep_.Decimale));
        return true;
    }
    return false;
}

void GrigliaModifica::Conferma(bool daInvio) {
    if (editor_.isNull()) return;
    QWidget* editor = editor_.data();
    daInvio_ = daInvio;
    commitData(editor);
    daInvio_ = false;
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    editor_.clear();
}

void GrigliaModifica::ChiudeModifica() {
    Conferma(false);
}

void GrigliaModifica::ChiudeModificaNumerica() {
    const bool numerica = chiusuraNumerica_;
    chiusuraNumerica_ = true;
    Conferma(false);
    chiusuraNumerica_ = numerica;
}

void GrigliaModifica::AnnullaModifica() {
    if (editor_.isNull()) return;
    QWidget* editor = editor_.data();
    editor_.clear();
    closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    setFocus(Qt::OtherFocusReason);
}

void GrigliaModifica::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint suggerimento) {
    // However the editor closes (Enter, a click elsewhere, another window), it is gone.
    if (editor == editor_.data()) editor_.clear();
    QTableView::closeEditor(editor, suggerimento);
}

namespace {

// One step of the Enter sequence along a line of cells and then on to the start of the next
// line (rows or columns; cells from 1, 0 being the headings); false after the last cell.
bool PassoInvio(int& lungo, int ultimoLungo, int& linea, int ultimaLinea) {
    if (lungo < ultimoLungo) {
        ++lungo;
    } else if (linea < ultimaLinea) {
        ++linea;
        lungo = 1;
    } else {
        return false;
    }
    return true;
}

} // namespace

void GrigliaModifica::AvanzaDopoInvio() {
    int riga = RigaCorrente();
    int colonna = ColonnaCorrente();
    const int ultimaRiga = Righe() - 1;
    const int ultimaColonna = Colonne() - 1;
    const bool fine = perRighe_ ? !PassoInvio(colonna, ultimaColonna, riga, ultimaRiga)
                                : !PassoInvio(riga, ultimaRiga, colonna, ultimaColonna);
    if (fine) {
        if (seguente_ && seguente_->isVisible() && seguente_->isEnabled()) seguente_->setFocus(Qt::TabFocusReason);
        emit FineGriglia();
        return;
    }
    RendeCorrente(riga, colonna);
    ApreEditore(0); // the sequence goes on as if the new cell had been clicked
}

void GrigliaModifica::SpostaRiga(int passo) {
    const int riga = std::clamp(RigaCorrente() + passo, 1, std::max(Righe() - 1, 1));
    if (riga != RigaCorrente() && ColonnaCorrente() >= 1) RendeCorrente(riga, ColonnaCorrente());
}

void GrigliaModifica::keyPressEvent(QKeyEvent* evento) {
    if (!editor_.isNull()) {
        // Keys that reach the grid while its editor is open belong to the editor. A key the
        // editor did not take comes back up here from it: it is passed on to the window
        // (its menus and commands), never handed to the editor again.
        if (inoltro_ || editor_->hasFocus()) {
            evento->ignore();
            return;
        }
        inoltro_ = true;
        QCoreApplication::sendEvent(editor_.data(), evento);
        inoltro_ = false;
        return;
    }
    if (TastoAppunti(*evento)) return;
    const QModelIndex indice = currentIndex();
    if (solaLettura_ || !indice.isValid() || indice.column() < 1) {
        QTableView::keyPressEvent(evento);
        return;
    }
    switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        ApreEditore(13);
        return;
    case Qt::Key_Space:
        ApreEditore(32);
        return;
    case Qt::Key_Backspace:
        ApreEditore(8);
        return;
    default:
        break;
    }
    if (EstendeSelezione(*evento)) return;
    const bool comando = evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString testo = evento->text();
    if (!comando && !testo.isEmpty() && testo.at(0).isPrint()) {
        if (TastoDecimaleTastierino(*evento)) {
            const QString decimale = DaUtf8(sep_.Decimale);
            ApreEditore(decimale.toUcs4().value(0, U'.'));
        } else {
            ApreEditore(testo.toUcs4().value(0, U' '));
        }
        return;
    }
    QTableView::keyPressEvent(evento);
}

void GrigliaModifica::mousePressEvent(QMouseEvent* evento) {
    if (!solaLettura_ && evento->button() == Qt::LeftButton && evento->modifiers() == Qt::ShiftModifier) {
        if (InModifica()) ChiudeModifica();
        setFocus(Qt::MouseFocusReason);
        SelezionaFino(indexAt(evento->position().toPoint()));
        return;
    }
    QTableView::mousePressEvent(evento);
    // Shift or Ctrl with the click selects; a plain click edits.
    if (solaLettura_ || evento->button() != Qt::LeftButton || evento->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))
        return;
    const QModelIndex indice = indexAt(evento->position().toPoint());
    if (indice.isValid() && indice == currentIndex() && indice.column() >= 1 && !InModifica()) ApreEditore(0);
}

void GrigliaModifica::focusInEvent(QFocusEvent* evento) {
    QTableView::focusInEvent(evento);
    // A click makes its own cell current; Tab or the program leave none (or the fixed column).
    if (evento->reason() == Qt::MouseFocusReason || Righe() < 2 || Colonne() < 2) return;
    if (!currentIndex().isValid() || currentIndex().column() < 1) RendeCorrente(1, 1);
}

// ---------------------------------------------------------------------------------------------
// Clipboard and selection

// The keys of the clipboard and of the selection, on a grid whose editor is closed.
bool GrigliaModifica::TastoAppunti(const QKeyEvent& evento) {
    if (evento.matches(QKeySequence::Copy)) {
        Copia();
        return true;
    }
    if (evento.matches(QKeySequence::SelectAll)) {
        SelezionaTutto();
        return true;
    }
    if (solaLettura_) return false;
    if (evento.matches(QKeySequence::Paste)) {
        Incolla();
        return true;
    }
    if (evento.matches(QKeySequence::Cut)) {
        Taglia();
        return true;
    }
    if (evento.key() == Qt::Key_Delete && evento.modifiers() == Qt::NoModifier) {
        CancellaSelezione();
        return true;
    }
    return false;
}

void GrigliaModifica::Copia() const {
    const QItemSelection intervalli = selectionModel()->selection();
    TabellaTesti celle;
    if (!intervalli.isEmpty()) {
        // The row numbers go with the cells of a grid that is only read, not with data to paste.
        const QItemSelectionRange& s = intervalli.first();
        for (int r = s.top(); r <= s.bottom(); ++r) {
            celle.emplace_back();
            for (int c = solaLettura_ ? s.left() : std::max(s.left(), 1); c <= s.right(); ++c)
                celle.back().push_back(TestoCella(r + 1, c));
        }
    } else if (currentIndex().isValid()) {
        celle.push_back({TestoCella(RigaCorrente(), ColonnaCorrente())});
    }
    if (!celle.empty()) QApplication::clipboard()->setText(DaUtf8(TestoDelBlocco(celle)));
}

// Shift with an arrow, Home, End or a page key, on a grid that is edited: the block from where
// the selection started to the cell reached.
bool GrigliaModifica::EstendeSelezione(const QKeyEvent& evento) {
    if (evento.modifiers() != Qt::ShiftModifier) return false;
    CursorAction azione{};
    switch (evento.key()) {
    case Qt::Key_Up: azione = MoveUp; break;
    case Qt::Key_Down: azione = MoveDown; break;
    case Qt::Key_Left: azione = MoveLeft; break;
    case Qt::Key_Right: azione = MoveRight; break;
    case Qt::Key_Home: azione = MoveHome; break;
    case Qt::Key_End: azione = MoveEnd; break;
    case Qt::Key_PageUp: azione = MovePageUp; break;
    case Qt::Key_PageDown: azione = MovePageDown; break;
    default: return false;
    }
    SelezionaFino(moveCursor(azione, Qt::NoModifier));
    return true;
}

// The block of data cells from the anchor to fine, which becomes the current cell. The anchor
// is the cell that was current before Shift was used (set by the program or by a plain key
// or click alike).
void GrigliaModifica::SelezionaFino(QModelIndex fine) {
    if (fine.isValid() && fine.column() < 1) fine = fine.siblingAtColumn(1);
    if (!fine.isValid() || Colonne() < 2) return;
    if (!ancora_.isValid()) ancora_ = fine;
    const QModelIndex inizio = ancora_.column() < 1 ? ancora_.sibling(ancora_.row(), 1) : QModelIndex(ancora_);
    estendendo_ = true;
    selectionModel()->setCurrentIndex(fine, QItemSelectionModel::NoUpdate);
    estendendo_ = false;
    selectionModel()->select(QItemSelection(inizio, fine), QItemSelectionModel::ClearAndSelect);
    scrollTo(fine);
}

void GrigliaModifica::currentChanged(const QModelIndex& corrente, const QModelIndex& precedente) {
    QTableView::currentChanged(corrente, precedente);
    if (!estendendo_) ancora_ = corrente;
}

void GrigliaModifica::SelezionaTutto() {
    // The data cells: copied, they paste back into an empty table at its first cell. A grid
    // that is only read copies its row numbers as well.
    const int prima = solaLettura_ ? 0 : 1;
    if (Righe() < 2 || Colonne() <= prima) return;
    clearSelection();
    SelezionaBlocco(1, prima, Righe() - 1, Colonne() - 1);
}

void GrigliaModifica::SelezionaBlocco(int riga, int colonna, int ultimaRiga, int ultimaColonna) {
    const QModelIndex primo = Indice(riga, colonna), ultimo = Indice(ultimaRiga, ultimaColonna);
    if (primo.isValid() && ultimo.isValid())
        selectionModel()->select(QItemSelection(primo, ultimo), QItemSelectionModel::Select);
}

bool GrigliaModifica::Incolla() {
    return IncollaTesto(QApplication::clipboard()->text().toStdString());
}

void GrigliaModifica::Taglia() {
    Copia();
    CancellaSelezione();
}

void GrigliaModifica::CancellaSelezione() {
    if (solaLettura_) return;
    QItemSelection intervalli = selectionModel()->selection();
    if (intervalli.isEmpty() && currentIndex().isValid()) intervalli.select(currentIndex(), currentIndex());
    int primaRiga = 0, primaColonna = 0;
    for (const QItemSelectionRange& s : intervalli)
        for (int r = s.top() + 1; r <= s.bottom() + 1; ++r)
            for (int c = std::max(s.left(), 1); c <= s.right(); ++c) {
                if (TestoCella(r, c).empty()) continue;
                Scrive(QString(), r, c);
                if (primaRiga == 0) std::tie(primaRiga, primaColonna) = std::pair(r, c);
            }
    // The block emptied is one change.
    if (primaRiga > 0) emit CellaModificata(primaRiga, primaColonna);
}

bool GrigliaModifica::IncollaTesto(const std::string& testo) {
    if (solaLettura_) return false;
    ChiudeModifica();
    const EsitoBlocco blocco = BloccoDaIncollare(testo, sep_, chiusuraNumerica_);
    if (!blocco.Motivo.empty()) {
        Rifiuta(blocco.Motivo);
        return false;
    }
    if (blocco.Celle.empty()) return false;
    // From the current cell on; the fixed column is never written.
    const int riga = std::max(RigaCorrente(), 1);
    const int colonna = std::max(ColonnaCorrente(), 1);
    std::size_t larghezza = 0;
    for (const auto& r : blocco.Celle) larghezza = std::max(larghezza, r.size());
    if (colonna + static_cast<int>(larghezza) > Colonne()) {
        Rifiuta(MessaggioBloccoTroppoLargo);
        return false;
    }
    const int ultima = riga + static_cast<int>(blocco.Celle.size()) - 1;
    if (ultima >= Righe() && crescente_) emit RigheRichieste(ultima);
    if (ultima >= Righe()) {
        Rifiuta(MessaggioBloccoTroppoLungo);
        return false;
    }
    bool cambiato = false;
    for (std::size_t i = 0; i < blocco.Celle.size(); ++i)
        for (std::size_t j = 0; j < blocco.Celle[i].size(); ++j) {
            const int r = riga + static_cast<int>(i), c = colonna + static_cast<int>(j);
            if (TestoCella(r, c) == blocco.Celle[i][j]) continue;
            Scrive(DaUtf8(blocco.Celle[i][j]), r, c);
            cambiato = true;
        }
    clearSelection();
    RendeCorrente(riga, colonna);
    SelezionaBlocco(riga, colonna, ultima, colonna + static_cast<int>(larghezza) - 1);
    // The block pasted is one change.
    if (cambiato) emit CellaModificata(riga, colonna);
    return true;
}

void GrigliaModifica::Rifiuta(const std::string& motivo) {
    if (msg_) {
        msg_->Mostra(motivo, Icona::Avviso);
        return;
    }
    MessaggiQt(window()).Mostra(motivo, Icona::Avviso);
}

// ---------------------------------------------------------------------------------------------
// Size

void GrigliaModifica::IngrandisceGriglia() {
    ingrandita_ = !ingrandita_;
    if (ingrandita_) {
        int tutte =
            horizontalHeader()->height() + 2 * frameWidth() + (Righe() - 1) * verticalHeader()->defaultSectionSize();
        if (const QScreen* schermo = screen()) tutte = std::min(tutte, schermo->availableGeometry().height() * 3 / 4);
        setMinimumHeight(tutte);
    } else {
        setMinimumHeight(0);
    }
    updateGeometry();
}

QSize GrigliaModifica::sizeHint() const {
    int larghezza = 2 * frameWidth();
    for (int c = 0; c < Colonne(); ++c) larghezza += elastiche_ && solaLettura_ ? LarghezzaTesti(c) : LarghezzaVoluta(c);
    const int altezzaRiga = verticalHeader()->defaultSectionSize();
    const int intestazione = horizontalHeader()->sizeHint().height();
    if (Righe() - 1 > righeVisibili_) larghezza += verticalScrollBar()->sizeHint().width();
    const int altezza = 2 * frameWidth() + intestazione + righeVisibili_ * altezzaRiga;
    return {larghezza, altezza};
}

QSize GrigliaModifica::minimumSizeHint() const {
    const QSize s = sizeHint();
    const int altezzaRiga = verticalHeader()->defaultSectionSize();
    return {std::min(s.width(), 160), 2 * frameWidth() + horizontalHeader()->sizeHint().height() + 2 * altezzaRiga};
}

} // namespace vc
