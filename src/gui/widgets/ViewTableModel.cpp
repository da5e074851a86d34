// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ViewTableModel.h"

#include "common/DateText.h"
#include "common/NumberFormat.h"
#include "common/TypedDecimal.h"
#include "widgets/ErrorBox.h"
#include "widgets/FieldBinding.h"

#include <QApplication>

namespace kelvora::ui {

ViewTableModel::ViewTableModel(QObject* parent) : QAbstractTableModel(parent) {}

ViewTableModel::~ViewTableModel() = default; // ViewObserver leaves the view

void ViewTableModel::viewDestroyed(View&) {
    beginResetModel();
    view_ = nullptr;
    rows_ = 0;
    endResetModel();
}

void ViewTableModel::setView(View* view, std::vector<GridColumn> columns) {
    beginResetModel();
    if (view_) view_->removeObserver(this);
    view_ = view;
    columns_ = std::move(columns);
    if (view_) view_->addObserver(this);
    rows_ = usable() ? view_->recordCount() : 0;
    endResetModel();
}

void ViewTableModel::setColumnTitle(int column, const QString& title) {
    if (column < 0 || column >= static_cast<int>(columns_.size())) return;
    columns_[static_cast<std::size_t>(column)].title = title;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

bool ViewTableModel::usable() const {
    return view_ && view_->active();
}

int ViewTableModel::fieldOf(int column) const {
    if (!usable() || column < 0 || column >= static_cast<int>(columns_.size())) return -1;
    const std::string& name = columns_[static_cast<std::size_t>(column)].field;
    return view_->hasField(name) ? view_->fieldIndex(name) : -1;
}

int ViewTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ViewTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ViewTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    const int field = fieldOf(index.column());
    if (field < 0) return {};
    const GridColumn& column = columns_[static_cast<std::size_t>(index.column())];
    const FieldType type = view_->fields()[static_cast<std::size_t>(field)].type;
    const std::string text = view_->textAt(index.row(), field);
    if (role == Qt::DisplayRole && !column.displayFormat.empty() && !text.empty() &&
        (type == FieldType::Float || type == FieldType::Integer))
        return QString::fromStdString(
            numfmt::formatPattern(view_->numberAt(index.row(), field), column.displayFormat));
    if (role == Qt::DisplayRole && column.displayFormat == GridColumn::dateFormat)
        return QString::fromStdString(DateText::shown(text));
    return QString::fromStdString(text);
}

QVariant ViewTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= static_cast<int>(columns_.size())) return {};
        return columns_[static_cast<std::size_t>(section)].title;
    }
    // The row header marks the current record and what is happening to it.
    if (usable() && section == view_->recNo()) {
        switch (view_->state()) {
        case ViewState::Edit:
            return QStringLiteral("I");
        case ViewState::Insert:
            return QStringLiteral("*");
        default:
            return QStringLiteral("\u25B6");
        }
    }
    return QString();
}

Qt::ItemFlags ViewTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!readOnly_ && usable() && !view_->readOnly() && fieldOf(index.column()) >= 0) f |= Qt::ItemIsEditable;
    return f;
}

bool ViewTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !usable()) return false;
    const int field = fieldOf(index.column());
    if (field < 0) return false;
    QWidget* owner = QApplication::activeWindow();
    return guard(owner, [&] {
        if (view_->recNo() != index.row()) view_->moveTo(index.row());
        if (view_->state() == ViewState::Browse) view_->edit();
        std::string text = value.toString().toStdString();
        // As in the edit boxes: a point or a comma typed alone is the decimal one.
        if (view_->fields()[static_cast<std::size_t>(field)].type == FieldType::Float)
            text = numfmt::withLocaleDecimal(text);
        const GridColumn& column = columns_[static_cast<std::size_t>(index.column())];
        checkFitsField(*view_, field, text, column.title.toStdString());
        view_->setText(field, text);
    });
}

void ViewTableModel::viewChanged(View& view, ViewEvent event, int field) {
    if (&view != view_) return;
    switch (event) {
    case ViewEvent::Opened:
    case ViewEvent::Closed:
    case ViewEvent::DataChanged:
        beginResetModel();
        rows_ = usable() ? view_->recordCount() : 0;
        endResetModel();
        Q_EMIT currentRowChanged(usable() ? view_->recNo() : -1);
        break;
    case ViewEvent::Scrolled:
        if (rows_ > 0) Q_EMIT headerDataChanged(Qt::Vertical, 0, rows_ - 1);
        Q_EMIT currentRowChanged(view_->recNo());
        break;
    case ViewEvent::StateChanged:
        if (usable() && view_->recordCount() != rows_) {
            // An insertion adds its row before it is posted; a cancel takes it away.
            beginResetModel();
            rows_ = view_->recordCount();
            endResetModel();
            Q_EMIT currentRowChanged(view_->recNo());
        } else if (rows_ > 0) {
            Q_EMIT headerDataChanged(Qt::Vertical, 0, rows_ - 1);
        }
        break;
    case ViewEvent::FieldChanged: {
        const int row = usable() ? view_->recNo() : -1;
        if (row < 0 || row >= rows_) break;
        for (int c = 0; c < columnCount(); ++c) {
            if (field < 0 || fieldOf(c) == field) Q_EMIT dataChanged(index(row, c), index(row, c));
        }
        break;
    }
    case ViewEvent::UpdateRecord:
        break;
    }
}

} // namespace kelvora::ui
