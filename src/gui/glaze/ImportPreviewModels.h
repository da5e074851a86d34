// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractTableModel>

namespace kelvora {

class ImportPlan;

// The material names of an import's preview, one row each: the name in the
// file, its state and the Kelvora material the recipe lines will name.
class ImportMaterialsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ImportMaterialsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    // Shows `plan` (nullptr: nothing); call again after the plan changed.
    void show(const ImportPlan* plan);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const ImportPlan* plan_ = nullptr;
};

// The recipes of an import's preview: name as stored, state, base lines,
// additions and what the potter should know.
class ImportRecipesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ImportRecipesModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    void show(const ImportPlan* plan);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const ImportPlan* plan_ = nullptr;
};

} // namespace kelvora
