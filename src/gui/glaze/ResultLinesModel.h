// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractTableModel>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// Lines of a solver's result as a read-only table: a name (a material or an
// oxide) and one or more amounts beside it, each shown in the display format
// the model was given ("##0.00"); a missing amount shows as an empty cell.
class ResultLinesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Line {
        std::string name;
        std::vector<std::optional<double>> amounts;
    };

    // `headings`: the name column's heading, then one per amount.
    ResultLinesModel(const QStringList& headings, std::string amountFormat, QObject* parent = nullptr);
    // New column headings (the language changed); the columns stay.
    void setHeadings(const QStringList& headings);

    // Shows these lines instead of the ones before; none to empty the table.
    void setLines(std::vector<Line> lines);
    const std::vector<Line>& lines() const { return lines_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QStringList headings_;
    std::string amountFormat_;
    std::vector<Line> lines_;
};

} // namespace kelvora
