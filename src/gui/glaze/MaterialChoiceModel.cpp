// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/MaterialChoiceModel.h"

#include <algorithm>

namespace kelvora {

namespace {
bool listed(const std::vector<std::string>& names, const QString& name) {
    return std::find(names.begin(), names.end(), name.toStdString()) != names.end();
}
} // namespace

MaterialChoiceModel::MaterialChoiceModel(QObject* parent) : QAbstractListModel(parent) {}

void MaterialChoiceModel::setNames(const std::vector<std::string>& names,
                                   const std::vector<std::string>& picked) {
    beginResetModel();
    choices_.clear();
    for (const auto& text : names) {
        const QString name = QString::fromStdString(text);
        if (name.trimmed().isEmpty()) continue;
        if (std::any_of(choices_.begin(), choices_.end(), [&](const Choice& c) { return c.name == name; }))
            continue;
        choices_.push_back({name, listed(picked, name)});
    }
    endResetModel();
}

void MaterialChoiceModel::setPicked(const std::vector<std::string>& picked) {
    for (std::size_t r = 0; r < choices_.size(); ++r) {
        const bool pick = listed(picked, choices_[r].name);
        if (choices_[r].picked == pick) continue;
        choices_[r].picked = pick;
        const QModelIndex at = index(static_cast<int>(r));
        Q_EMIT dataChanged(at, at, {Qt::CheckStateRole});
    }
}

std::vector<std::string> MaterialChoiceModel::picked() const {
    std::vector<std::string> names;
    for (const Choice& c : choices_)
        if (c.picked) names.push_back(c.name.toStdString());
    return names;
}

bool MaterialChoiceModel::matches(int row, const QString& text) const {
    if (row < 0 || row >= rowCount()) return false;
    return text.isEmpty() || choices_[static_cast<std::size_t>(row)].name.contains(text, Qt::CaseInsensitive);
}

int MaterialChoiceModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(choices_.size());
}

QVariant MaterialChoiceModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    const Choice& c = choices_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) return c.name;
    if (role == Qt::CheckStateRole) return c.picked ? Qt::Checked : Qt::Unchecked;
    return {};
}

Qt::ItemFlags MaterialChoiceModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable;
}

bool MaterialChoiceModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    Choice& c = choices_[static_cast<std::size_t>(index.row())];
    const bool pick = value.toInt() == Qt::Checked;
    if (c.picked != pick) {
        c.picked = pick;
        Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    }
    return true;
}

} // namespace kelvora
