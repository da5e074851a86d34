// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ImportPreviewModels.h"

#include "interchange/ImportPlan.h"

#include <QBrush>
#include <QColor>

namespace kelvora {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString joined(const std::vector<std::string>& items) {
    QStringList out;
    for (const auto& item : items)
        out << text(item);
    return out.join(QStringLiteral("; "));
}

// Rows that still ask something of the potter stand out.
QVariant attention(bool open) {
    return open ? QVariant(QBrush(QColor(255, 228, 196))) : QVariant();
}

} // namespace

void ImportMaterialsModel::show(const ImportPlan* plan) {
    beginResetModel();
    plan_ = plan;
    endResetModel();
}

int ImportMaterialsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !plan_ ? 0 : static_cast<int>(plan_->materials().size());
}

int ImportMaterialsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant ImportMaterialsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) || !plan_)
        return {};
    const PlannedMaterial& m = plan_->materials()[static_cast<std::size_t>(index.row())];
    if (role == Qt::BackgroundRole) return attention(!m.problem().empty());
    if (role == Qt::ToolTipRole) {
        const std::string problem = m.problem();
        return text(problem.empty() ? m.state() : problem) +
               (m.notes.empty() ? QString() : QStringLiteral("\n") + joined(m.notes));
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case 0:
        return text(m.name);
    case 1:
        return text(m.state());
    case 2:
        return text(m.material());
    }
    return {};
}

QVariant ImportMaterialsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case 0:
        return tr("Naam in bestand");
    case 1:
        return tr("Staat");
    case 2:
        return tr("Grondstof in Kelvora");
    }
    return {};
}

void ImportRecipesModel::show(const ImportPlan* plan) {
    beginResetModel();
    plan_ = plan;
    endResetModel();
}

int ImportRecipesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !plan_ ? 0 : static_cast<int>(plan_->recipes().size());
}

int ImportRecipesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 5;
}

QVariant ImportRecipesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) || !plan_)
        return {};
    const PlannedRecipe& r = plan_->recipes()[static_cast<std::size_t>(index.row())];
    if (role == Qt::BackgroundRole) return attention(!r.problems.empty());
    if (role == Qt::TextAlignmentRole && (index.column() == 2 || index.column() == 3))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole) return joined(r.problems.empty() ? r.notes : r.problems);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case 0:
        return text(r.glaze.naam);
    case 1:
        return text(r.state());
    case 2:
        return r.baseLines;
    case 3:
        return r.additions;
    case 4:
        return joined(r.problems.empty() ? r.notes : r.problems);
    }
    return {};
}

QVariant ImportRecipesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case 0:
        return tr("Recept");
    case 1:
        return tr("Staat");
    case 2:
        return tr("Regels");
    case 3:
        return tr("Toevoegingen");
    case 4:
        return tr("Opmerkingen");
    }
    return {};
}

} // namespace kelvora
