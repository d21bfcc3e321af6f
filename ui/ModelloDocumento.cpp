#include "ui/ModelloDocumento.h"

#include "ui/DocumentoTrave.h"

namespace vc {

ModelloDocumento::ModelloDocumento(DocumentoTrave& documento, std::size_t griglia, QObject* genitore)
    : ModelloConIntestazioni(genitore), documento_(documento), griglia_(griglia), righe_(RigheDocumento()) {
    connect(&documento_, &DocumentoTrave::TestiSostituiti, this, &ModelloDocumento::Segue);
}

int ModelloDocumento::RigheDocumento() const {
    return static_cast<int>(documento_.Dati().Griglie.at(griglia_).size());
}

int ModelloDocumento::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : righe_;
}

QVariant ModelloDocumento::data(const QModelIndex& indice, int ruolo) const {
    if (!Dentro(indice)) return {};
    if (ruolo == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (ruolo != Qt::DisplayRole && ruolo != Qt::EditRole) return {};
    if (indice.column() == 0) return QString::number(indice.row() + 1);
    const TabellaTesti& celle = documento_.Dati().Griglie.at(griglia_);
    const auto r = static_cast<std::size_t>(indice.row()), c = static_cast<std::size_t>(indice.column() - 1);
    if (r >= celle.size() || c >= celle[r].size()) return QString();
    return QString::fromStdString(celle[r][c]);
}

bool ModelloDocumento::setData(const QModelIndex& indice, const QVariant& valore, int ruolo) {
    if (!Dentro(indice) || (ruolo != Qt::EditRole && ruolo != Qt::DisplayRole)) return false;
    // The numbers of column 0 are the rows' own.
    if (indice.column() == 0) return valore.toString() == QString::number(indice.row() + 1);
    if (!documento_.ScriveCella(griglia_, indice.row(), indice.column(), valore.toString().toStdString()))
        return false;
    emit dataChanged(indice, indice, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags ModelloDocumento::flags(const QModelIndex& indice) const {
    if (!Dentro(indice) || indice.column() == 0) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ModelloDocumento::insertRows(int riga, int quante, const QModelIndex& genitore) {
    if (genitore.isValid() || riga != righe_ || quante < 1 || documento_.InApplicazione()) return false;
    beginInsertRows({}, riga, riga + quante - 1);
    documento_.ImpostaRighe(griglia_, righe_ + quante, columnCount() - 1);
    righe_ += quante;
    endInsertRows();
    return true;
}

bool ModelloDocumento::removeRows(int riga, int quante, const QModelIndex& genitore) {
    if (genitore.isValid() || riga < 0 || quante < 1 || riga + quante != righe_ ||
        documento_.InApplicazione())
        return false;
    beginRemoveRows({}, riga, riga + quante - 1);
    documento_.ImpostaRighe(griglia_, riga, columnCount() - 1);
    righe_ = riga;
    endRemoveRows();
    return true;
}

void ModelloDocumento::Segue() {
    const int righe = RigheDocumento();
    if (righe > righe_) {
        beginInsertRows({}, righe_, righe - 1);
        righe_ = righe;
        endInsertRows();
    } else if (righe < righe_) {
        beginRemoveRows({}, righe, righe_ - 1);
        righe_ = righe;
        endRemoveRows();
    }
    if (righe_ > 0)
        emit dataChanged(index(0, 0), index(righe_ - 1, columnCount() - 1), {Qt::DisplayRole, Qt::EditRole});
}

} // namespace vc
