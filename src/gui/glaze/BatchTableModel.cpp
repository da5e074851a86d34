// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/BatchTableModel.h"

#include "common/NumberFormat.h"

#include <QFont>

namespace kelvora {

BatchTableModel::BatchTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void BatchTableModel::setBatch(const BatchWeights& batch) {
    beginResetModel();
    rows_ = batch.rows;
    endResetModel();
}

int BatchTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int BatchTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BatchTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    const BatchWeights::Row& row = rows_[static_cast<std::size_t>(index.row())];
    const bool number = index.column() != MaterialColumn;
    if (role == Qt::DisplayRole) {
        if (index.column() == MaterialColumn)
            return QString::fromStdString((row.addition ? "+ " : "") + row.name);
        if (index.column() == PercentColumn)
            return QString::fromStdString(numfmt::formatFixed(row.percent, 2));
        return QString::fromStdString(numfmt::formatFixed(row.grams, 1));
    }
    if (role == Qt::TextAlignmentRole && number) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::FontRole && row.addition) {
        QFont italic;
        italic.setItalic(true);
        return italic;
    }
    if (role == Qt::ToolTipRole && row.addition) return tr("Toevoeging, bovenop het recept");
    return {};
}

QVariant BatchTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case MaterialColumn:
        return tr("Materiaal");
    case PercentColumn:
        return tr("Percentage");
    case GramsColumn:
        return tr("Gram");
    default:
        return {};
    }
}

Qt::ItemFlags BatchTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

} // namespace kelvora
