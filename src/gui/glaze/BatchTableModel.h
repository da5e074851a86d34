// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/BatchWeights.h"

#include <QAbstractTableModel>

namespace kelvora {

// The rows of a batch as a read-only table: material, percentage and grams.
// Additions are marked "+ ", set in italics and explained in their tool tip.
class BatchTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { MaterialColumn, PercentColumn, GramsColumn, ColumnCount };

    explicit BatchTableModel(QObject* parent = nullptr);

    // Shows these rows instead of the ones before.
    void setBatch(const BatchWeights& batch);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<BatchWeights::Row> rows_;
};

} // namespace kelvora
