// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/ChemistryFigures.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QString>

#include <string>
#include <vector>

namespace kelvora {

// A glaze's oxides as a read-only table: each oxide of its Seger formula with
// the formula amount, weight % and mol %. A row can be marked as outside a
// limit: its text takes the given colour and the tool tip says why.
class OxideFiguresModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { OxideColumn, SegerColumn, WeightColumn, MolColumn, ColumnCount };
    // The oxide's stem ("cao") of a row, under the oxide column.
    static constexpr int StemRole = Qt::UserRole;

    explicit OxideFiguresModel(QObject* parent = nullptr);

    // Shows the oxides of these figures, unmarked; none for empty figures.
    void setFigures(const ChemistryFigures& figures);
    // Marks the row of the oxide with this stem, when it is shown.
    void markOutside(const std::string& stem, const QBrush& colour, const QString& toolTip);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Row {
        const Oxide* oxide = nullptr;
        double seger = 0;
        double weightPercent = 0;
        double molPercent = 0;
        QBrush colour = {};
        QString toolTip = {};
    };
    std::vector<Row> rows_;
};

} // namespace kelvora
