#pragma once
// One grid of the main window (spans or supports) as a table model of the beam document: the
// cells are the document's texts as typed, so the grid shows the document and an edit in the
// grid is an edit of the document (one undoable step with the others of its turn). Undo, redo
// and a new input replace the texts in the document; the model then tells its views, which
// show them without the window filling the grid again.
//
// Laid out as ModelloGriglia: model row r is the document's row r (span or support r + 1),
// column 0 its number, columns 1.. its cells. The grid lays out its columns and headings as on
// its own model (insertColumns, setHeaderData); rows are added and removed at the end (the span
// count), each row of the document as wide as the columns after the number.

#include "ui/ModelloConIntestazioni.h"

#include <cstddef>

namespace vc {

class DocumentoTrave;

class ModelloDocumento final : public ModelloConIntestazioni {
    Q_OBJECT
  public:
    // griglia: 0 spans, 1 supports.
    ModelloDocumento(DocumentoTrave& documento, std::size_t griglia, QObject* genitore = nullptr);

    int rowCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& indice, const QVariant& valore, int ruolo = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool insertRows(int riga, int quante, const QModelIndex& genitore = {}) override;
    bool removeRows(int riga, int quante, const QModelIndex& genitore = {}) override;

  private:
    int RigheDocumento() const;
    void Segue(); // the document's texts were replaced

    DocumentoTrave& documento_;
    std::size_t griglia_;
    int righe_ = 0; // as the views know them; follows the document's on Segue
};

} // namespace vc
