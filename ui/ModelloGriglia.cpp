#include "ui/ModelloGriglia.h"

#include <iterator>

namespace vc {

ModelloGriglia::ModelloGriglia(QObject* genitore) : QAbstractTableModel(genitore) {}

int ModelloGriglia::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(celle_.size());
}

int ModelloGriglia::columnCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(intestazioni_.size());
}

bool ModelloGriglia::Dentro(const QModelIndex& indice) const {
    return indice.isValid() && indice.model() == this && indice.row() < rowCount() &&
           indice.column() < columnCount();
}

QVariant ModelloGriglia::data(const QModelIndex& indice, int ruolo) const {
    if (!Dentro(indice)) return {};
    switch (ruolo) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return celle_[static_cast<std::size_t>(indice.row())][static_cast<std::size_t>(indice.column())];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

bool ModelloGriglia::setData(const QModelIndex& indice, const QVariant& valore, int ruolo) {
    if (!Dentro(indice) || (ruolo != Qt::EditRole && ruolo != Qt::DisplayRole)) return false;
    QString& cella =
        celle_[static_cast<std::size_t>(indice.row())][static_cast<std::size_t>(indice.column())];
    const QString testo = valore.toString();
    if (cella == testo) return true;
    cella = testo;
    emit dataChanged(indice, indice, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant ModelloGriglia::headerData(int sezione, Qt::Orientation verso, int ruolo) const {
    if (verso == Qt::Vertical) return QAbstractTableModel::headerData(sezione, verso, ruolo);
    if (sezione < 0 || sezione >= columnCount() || (ruolo != Qt::DisplayRole && ruolo != Qt::EditRole))
        return {};
    return intestazioni_[static_cast<std::size_t>(sezione)];
}

bool ModelloGriglia::setHeaderData(int sezione, Qt::Orientation verso, const QVariant& valore, int ruolo) {
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

Qt::ItemFlags ModelloGriglia::flags(const QModelIndex& indice) const {
    // The fixed column is skipped by the arrows and the mouse.
    if (!Dentro(indice) || indice.column() == 0) return Qt::NoItemFlags;
    if (solaLettura_) return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ModelloGriglia::insertRows(int riga, int quante, const QModelIndex& genitore) {
    if (genitore.isValid() || riga < 0 || riga > rowCount() || quante < 1) return false;
    beginInsertRows({}, riga, riga + quante - 1);
    celle_.insert(std::next(celle_.begin(), riga), static_cast<std::size_t>(quante),
                  std::vector<QString>(intestazioni_.size()));
    endInsertRows();
    return true;
}

bool ModelloGriglia::removeRows(int riga, int quante, const QModelIndex& genitore) {
    if (genitore.isValid() || riga < 0 || quante < 1 || riga + quante > rowCount()) return false;
    beginRemoveRows({}, riga, riga + quante - 1);
    celle_.erase(std::next(celle_.begin(), riga), std::next(celle_.begin(), riga + quante));
    endRemoveRows();
    return true;
}

bool ModelloGriglia::insertColumns(int colonna, int quante, const QModelIndex& genitore) {
    if (genitore.isValid() || colonna < 0 || colonna > columnCount() || quante < 1) return false;
    beginInsertColumns({}, colonna, colonna + quante - 1);
    const auto n = static_cast<std::size_t>(quante);
    intestazioni_.insert(std::next(intestazioni_.begin(), colonna), n, QString());
    for (auto& r : celle_)
        r.insert(std::next(r.begin(), colonna), n, QString());
    endInsertColumns();
    return true;
}

bool ModelloGriglia::removeColumns(int colonna, int quante, const QModelIndex& genitore) {
    if (genitore.isValid() || colonna < 0 || quante < 1 || colonna + quante > columnCount()) return false;
    beginRemoveColumns({}, colonna, colonna + quante - 1);
    intestazioni_.erase(std::next(intestazioni_.begin(), colonna),
                        std::next(intestazioni_.begin(), colonna + quante));
    for (auto& r : celle_)
        r.erase(std::next(r.begin(), colonna), std::next(r.begin(), colonna + quante));
    endRemoveColumns();
    return true;
}

void ModelloGriglia::ImpostaSolaLettura(bool solaLettura) {
    if (solaLettura_ == solaLettura) return;
    solaLettura_ = solaLettura;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace vc
