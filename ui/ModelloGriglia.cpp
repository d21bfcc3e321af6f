#include "ui/ModelloGriglia.h"

#include <iterator>

namespace vc {

ModelloGriglia::ModelloGriglia(QObject* genitore) : ModelloConIntestazioni(genitore) {}

int ModelloGriglia::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(celle_.size());
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
                  std::vector<QString>(static_cast<std::size_t>(columnCount())));
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

void ModelloGriglia::ColonneInserite(int colonna, int quante) {
    for (auto& r : celle_)
        r.insert(std::next(r.begin(), colonna), static_cast<std::size_t>(quante), QString());
}

void ModelloGriglia::ColonneTolte(int colonna, int quante) {
    for (auto& r : celle_)
        r.erase(std::next(r.begin(), colonna), std::next(r.begin(), colonna + quante));
}

void ModelloGriglia::ImpostaSolaLettura(bool solaLettura) {
    if (solaLettura_ == solaLettura) return;
    solaLettura_ = solaLettura;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace vc
