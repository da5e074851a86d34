// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/OxideFiguresModel.h"

#include "common/NumberFormat.h"
#include "model/OxideCatalogue.h"

#include <cmath>

namespace kelvora {

namespace {
QString number(double value, int decimals) {
    return QString::fromStdString(numfmt::formatFixed(value, decimals));
}

// A trace too small for the decimals shown reads "< 0,001" rather than a
// zero that contradicts its being listed at all.
QString amount(double value, int decimals) {
    const double smallest = std::pow(10.0, -decimals);
    if (value > 0 && value < smallest / 2) return QStringLiteral("< ") + number(smallest, decimals);
    return number(value, decimals);
}

QString label(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

OxideFiguresModel::OxideFiguresModel(QObject* parent) : QAbstractTableModel(parent) {}

void OxideFiguresModel::setFigures(const ChemistryFigures& figures) {
    beginResetModel();
    rows_.clear();
    for (const Oxide& oxide : OxideCatalogue::all()) {
        const auto i = static_cast<std::size_t>(oxide.position - 1);
        if (i >= figures.seger.size() || figures.seger[i] == 0) continue;
        rows_.push_back({&oxide, figures.seger[i], figures.weightPercent[i], figures.molPercent[i]});
    }
    endResetModel();
}

void OxideFiguresModel::markOutside(const std::string& stem, const QBrush& colour, const QString& toolTip) {
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (rows_[r].oxide->stem != stem) continue;
        rows_[r].colour = colour;
        rows_[r].toolTip = toolTip;
        const int row = static_cast<int>(r);
        Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::ForegroundRole, Qt::ToolTipRole});
    }
}

int OxideFiguresModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int OxideFiguresModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OxideFiguresModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        if (column == OxideColumn) return label(row.oxide->label);
        if (column == SegerColumn) return amount(row.seger, 3);
        if (column == WeightColumn) return amount(row.weightPercent, 2);
        return amount(row.molPercent, 2);
    }
    if (role == StemRole && column == OxideColumn) return label(row.oxide->stem);
    if (role == Qt::TextAlignmentRole && column != OxideColumn) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole && row.colour.style() != Qt::NoBrush) return row.colour;
    if (role == Qt::ToolTipRole && !row.toolTip.isEmpty()) return row.toolTip;
    return {};
}

QVariant OxideFiguresModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case OxideColumn:
        return tr("Oxide");
    case SegerColumn:
        return tr("Seger");
    case WeightColumn:
        return tr("Gew. %");
    case MolColumn:
        return tr("Mol %");
    default:
        return {};
    }
}

Qt::ItemFlags OxideFiguresModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

} // namespace kelvora
