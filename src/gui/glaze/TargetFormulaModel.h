// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/OxideCatalogue.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

namespace kelvora {

// What the recipe search is asked for, cell by cell as the user types it: per
// oxide a target amount, its weight, and a range (min, max), then a last row
// for the SiO2:Al2O3 ratio, which takes a range only. Cells hold the text as
// typed; the dialog reads the numbers from it when it solves.
class TargetFormulaModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { OxideColumn, TargetColumn, WeightColumn, MinColumn, MaxColumn, ColumnCount };
    // The row of the SiO2:Al2O3 ratio, after the oxides (an oxide's row is its
    // catalogue position less one).
    static constexpr int ratioRow = static_cast<int>(OxideCatalogue::count);

    explicit TargetFormulaModel(QObject* parent = nullptr);

    // The text in a cell; empty for a cell that takes nothing.
    QString text(int row, int column) const;
    // Puts a text in a cell that takes one, as typing would.
    void setText(int row, int column, const QString& text);
    // Empties every range.
    void clearRanges();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    bool takesText(int row, int column) const;
    std::vector<std::array<QString, ColumnCount>> cells_;
};

} // namespace kelvora
