// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/View.h"

#include <QAbstractTableModel>
#include <QString>

#include <string>
#include <vector>

namespace kelvora::ui {

// One column of a grid: the field it shows, its heading and its width in
// pixels (0: the grid's default).
struct GridColumn {
    std::string field;
    QString title;
    int width = 0;
    // For numeric fields, "#0.###"; for a text field holding a date,
    // dateFormat: older locale forms are shown in the one fixed form.
    std::string displayFormat = {};
    static constexpr const char* dateFormat = "dd-mm-jjjj";
};

// A table model over a view: one row per record in the view's order, the
// chosen columns. Editing a cell makes its row current, puts the view into
// edit and writes the text into the field; the store's refusal goes to the
// error box and leaves the field as it was.
class ViewTableModel : public QAbstractTableModel, private ViewObserver {
    Q_OBJECT
public:
    explicit ViewTableModel(QObject* parent = nullptr);
    ~ViewTableModel() override;

    void setView(View* view, std::vector<GridColumn> columns);
    View* view() const { return view_; }
    const std::vector<GridColumn>& columns() const { return columns_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // A column's heading as the window's language now has it; the views
    // showing the model follow at once. An unknown column changes nothing.
    void setColumnTitle(int column, const QString& title);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

Q_SIGNALS:
    // The view's current row changed (or the rows were rebuilt).
    void currentRowChanged(int row);

private:
    void viewChanged(View& view, ViewEvent event, int field) override;
    void viewDestroyed(View& view) override;
    int fieldOf(int column) const;
    bool usable() const;

    View* view_ = nullptr;
    std::vector<GridColumn> columns_;
    bool readOnly_ = false;
    int rows_ = 0; // row count as the attached views last saw it
};

} // namespace kelvora::ui
