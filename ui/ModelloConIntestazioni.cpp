#include "ui/ModelloConIntestazioni.h"

#include <iterator>

namespace vc {

int ModelloConIntestazioni::columnCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(intestazioni_.size());
}

bool ModelloConIntestazioni::Dentro(const QModelIndex& indice) const {
    return indice.isValid() && indice.model() == this && indice.row() < rowCount() &&
           indice.column() < columnCount();
}

QVariant ModelloConIntestazioni::headerData(int sezione, Qt::Orientation verso, int ruolo) const {
    if (verso == Qt::Vertical) return QAbstractTableModel::headerData(sezione, verso, ruolo);
    if (sezione < 0 || sezione >= columnCount() || (ruolo != Qt::DisplayRole && ruolo != Qt::EditRole))
        return {};
    return intestazioni_[static_cast<std::size_t>(sezione)];
}

bool ModelloConIntestazioni::setHeaderData(int sezione, Qt::Orientation verso, const QVariant& valore,
                                           int ruolo) {
    if (verso != Qt::Horizontal || sezione < 0 || sezione >= columnCount() ||
        (ruolo != Qt::EditRole && ruolo != Qt::DisplayRole))
        return false;
    QString& intestazione = intestazioni_[static_cast<std::size_t>(sezione)];
    const QString testo = valore.toString();
    if (intestazione == testo) return true;
    intestazione = testo;
    emit headerDataChanged(verso, sezione, sezione);
    return true;
}

bool ModelloConIntestazioni::insertColumns(int colonna, int quante, const QModelIndex& genitore) {
    if (genitore.isValid() || colonna < 0 || colonna > columnCount() || quante < 1) return false;
    beginInsertColumns({}, colonna, colonna + quante - 1);
    intestazioni_.insert(std::next(intestazioni_.begin(), colonna), static_cast<std::size_t>(quante),
                         QString());
    ColonneInserite(colonna, quante);
    endInsertColumns();
    return true;
}

bool ModelloConIntestazioni::removeColumns(int colonna, int quante, const QModelIndex& genitore) {
    if (genitore.isValid() || colonna < 0 || quante < 1 || colonna + quante > columnCount()) return false;
    beginRemoveColumns({}, colonna, colonna + quante - 1);
    intestazioni_.erase(std::next(intestazioni_.begin(), colonna),
                        std::next(intestazioni_.begin(), colonna + quante));
    ColonneTolte(colonna, quante);
    endRemoveColumns();
    return true;
}

void ModelloConIntestazioni::ColonneInserite(int /*colonna*/, int /*quante*/) {}

void ModelloConIntestazioni::ColonneTolte(int /*colonna*/, int /*quante*/) {}

} // namespace vc
