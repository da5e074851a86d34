// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ResultLinesModel.h"

#include "common/NumberFormat.h"

namespace kelvora {

ResultLinesModel::ResultLinesModel(const QStringList& headings, std::string amountFormat, QObject* parent)
    : QAbstractTableModel(parent), headings_(headings), amountFormat_(std::move(amountFormat)) {}

void ResultLinesModel::setHeadings(const QStringList& headings) {
    headings_ = headings;
    if (!headings_.isEmpty())
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, static_cast<int>(headings_.size()) - 1);
}

void ResultLinesModel::setLines(std::vector<Line> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int ResultLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int ResultLinesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant ResultLinesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    const Line& line = lines_[static_cast<std::size_t>(index.row())];
    if (index.column() == 0)
        return role == Qt::DisplayRole ? QVariant(QString::fromStdString(line.name)) : QVariant();
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const auto at = static_cast<std::size_t>(index.column() - 1);
    if (at >= line.amounts.size() || !line.amounts[at]) return QString();
    return QString::fromStdString(numfmt::formatPattern(*line.amounts[at], amountFormat_));
}

QVariant ResultLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= headings_.size())
        return {};
    return headings_[section];
}

Qt::ItemFlags ResultLinesModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

} // namespace kelvora
