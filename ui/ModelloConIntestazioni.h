#pragma once
// A table model whose columns are its headings: the grids' models (ModelloGriglia over texts of
// its own, ModelloDocumento over the beam document) lay out their columns and headings the same
// way, through Qt's insertColumns/removeColumns and setHeaderData. The columns are as many as the
// headings; a model that keeps cells by column says so in ColonneInserite/ColonneTolte, called
// between Qt's begin and end of the change. Rows stay the derived model's own.
//
//   class Modello : public ModelloConIntestazioni { ... };
//   m.insertColumns(0, 2);
//   m.setHeaderData(1, Qt::Horizontal, "Luce");   // headerData(1, Qt::Horizontal) == "Luce"

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace vc {

class ModelloConIntestazioni : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    int columnCount(const QModelIndex& genitore = {}) const final;
    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo = Qt::DisplayRole) const final;
    bool setHeaderData(int sezione, Qt::Orientation verso, const QVariant& valore,
                       int ruolo = Qt::EditRole) final;
    bool insertColumns(int colonna, int quante, const QModelIndex& genitore = {}) final;
    bool removeColumns(int colonna, int quante, const QModelIndex& genitore = {}) final;

  protected:
    // The index is one of this model's cells.
    bool Dentro(const QModelIndex& indice) const;
    // quante columns were added before colonna, or taken away from colonna on.
    virtual void ColonneInserite(int colonna, int quante);
    virtual void ColonneTolte(int colonna, int quante);

  private:
    std::vector<QString> intestazioni_;
};

} // namespace vc
