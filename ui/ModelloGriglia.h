#pragma once
// The cells of a GrigliaModifica as a table model: the texts of the data rows, the headings
// (the grid's row 0, shown in its header) and which cells may be edited.
//
// Model rows are the grid's data rows less one (grid row 1 is model row 0); columns are the
// same, column 0 being the fixed column of row numbers, which is never current, selected or
// edited. A model that is only read (results) lets its cells be selected but not edited.
// Rows and columns are added and removed with Qt's insertRows/removeRows and
// insertColumns/removeColumns: the cells that stay keep their text, new ones are empty.
//
//   ModelloGriglia m;
//   m.insertColumns(0, 3);
//   m.insertRows(0, 2);
//   m.setHeaderData(1, Qt::Horizontal, "Luce");
//   m.setData(m.index(0, 1), "5");      // span 1, "Luce"

#include "ui/ModelloConIntestazioni.h"

#include <QString>
#include <vector>

namespace vc {

class ModelloGriglia final : public ModelloConIntestazioni {
    Q_OBJECT
  public:
    explicit ModelloGriglia(QObject* genitore = nullptr);

    int rowCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& indice, const QVariant& valore, int ruolo = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool insertRows(int riga, int quante, const QModelIndex& genitore = {}) override;
    bool removeRows(int riga, int quante, const QModelIndex& genitore = {}) override;

    void ImpostaSolaLettura(bool solaLettura);
    bool SolaLettura() const { return solaLettura_; }

  private:
    void ColonneInserite(int colonna, int quante) override;
    void ColonneTolte(int colonna, int quante) override;

    std::vector<std::vector<QString>> celle_; // by row, each row as wide as the headings
    bool solaLettura_ = false;
};

} // namespace vc
