// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/TargetFormulaModel.h"

namespace kelvora {

TargetFormulaModel::TargetFormulaModel(QObject* parent)
    : QAbstractTableModel(parent), cells_(static_cast<std::size_t>(ratioRow + 1)) {}

bool TargetFormulaModel::takesText(int row, int column) const {
    if (row < 0 || row > ratioRow || column <= OxideColumn || column >= ColumnCount) return false;
    return row != ratioRow || column == MinColumn || column == MaxColumn;
}

QString TargetFormulaModel::text(int row, int column) const {
    if (!takesText(row, column)) return {};
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void TargetFormulaModel::setText(int row, int column, const QString& text) {
    if (!takesText(row, column)) return;
    QString& cell = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    if (cell == text) return;
    cell = text;
    const QModelIndex at = index(row, column);
    Q_EMIT dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole});
}

void TargetFormulaModel::clearRanges() {
    for (int row = 0; row <= ratioRow; ++row) {
        setText(row, MinColumn, QString());
        setText(row, MaxColumn, QString());
    }
}

int TargetFormulaModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ratioRow + 1;
}

int TargetFormulaModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TargetFormulaModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    if (index.column() != OxideColumn) return text(index.row(), index.column());
    if (index.row() == ratioRow) return QStringLiteral("SiO2:Al2O3");
    const std::string_view label = OxideCatalogue::at(index.row() + 1).label;
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

QVariant TargetFormulaModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case OxideColumn:
        return tr("Oxide");
    case TargetColumn:
        return tr("Doel");
    case WeightColumn:
        return tr("Gewicht");
    case MinColumn:
        return tr("Min");
    case MaxColumn:
        return tr("Max");
    default:
        return {};
    }
}

Qt::ItemFlags TargetFormulaModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (takesText(index.row(), index.column())) f |= Qt::ItemIsEditable;
    return f;
}

bool TargetFormulaModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        !takesText(index.row(), index.column()))
        return false;
    setText(index.row(), index.column(), value.toString());
    return true;
}

} // namespace kelvora
