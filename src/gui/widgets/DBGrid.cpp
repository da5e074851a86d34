// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DBGrid.h"

#include "widgets/ErrorBox.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace kelvora::ui {

// Remembers the editor it opened, so the grid can hand its text on when the
// view asks for typed text.
class DBGrid::Delegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor_ = editor;
        return editor;
    }
    mutable QPointer<QWidget> editor_;
};

// Listens for the view's request to write typed text.
class DBGrid::UpdateRecordWatch : public ViewObserver {
public:
    explicit UpdateRecordWatch(DBGrid& grid) : grid_(grid) {}
    void attach(View* view) {
        if (view_) view_->removeObserver(this);
        view_ = view;
        if (view_) view_->addObserver(this);
    }
    void viewChanged(View&, ViewEvent event, int) override {
        if (event == ViewEvent::UpdateRecord) grid_.commitOpenEditor();
    }
    void viewDestroyed(View&) override { view_ = nullptr; }

private:
    DBGrid& grid_;
    View* view_ = nullptr;
};

DBGrid::DBGrid(QWidget* parent)
    : QTableView(parent), model_(new ViewTableModel(this)), delegate_(new Delegate(this)),
      watch_(std::make_unique<UpdateRecordWatch>(*this)) {
    setModel(model_);
    setItemDelegate(delegate_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(16);
    horizontalHeader()->setHighlightSections(false);
    setAlternatingRowColors(true);
    connect(model_, &ViewTableModel::currentRowChanged, this, &DBGrid::followView);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { rowChosen(current); });
}

DBGrid::~DBGrid() = default;

void DBGrid::setView(View* view, std::vector<GridColumn> columns) {
    watch_->attach(view);
    model_->setView(view, std::move(columns));
    for (int c = 0; c < model_->columnCount(); ++c) {
        const int width = model_->columns()[static_cast<std::size_t>(c)].width;
        if (width > 0) setColumnWidth(c, width);
    }
    horizontalHeader()->setStretchLastSection(model_->columnCount() == 1);
    followView(view && view->active() ? view->recNo() : -1);
}

void DBGrid::setGridReadOnly(bool readOnly) {
    model_->setReadOnly(readOnly);
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                             : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
}

void DBGrid::followView(int row) {
    following_ = true;
    if (row >= 0 && row < model_->rowCount()) {
        const QModelIndex current = currentIndex();
        const int column = current.isValid() ? current.column() : 0;
        setCurrentIndex(model_->index(row, column));
        if (!pressing_) scrollTo(model_->index(row, column));
    } else {
        selectionModel()->clearSelection();
    }
    following_ = false;
}

// Qt itself waits with scrolling a clicked row into view until a double-click
// could no longer follow; the view moving under the press must not scroll
// either, or the second click of a double-click lands on a neighbour.
void DBGrid::mousePressEvent(QMouseEvent* event) {
    pressing_ = true;
    QTableView::mousePressEvent(event);
    pressing_ = false;
}

void DBGrid::rowChosen(const QModelIndex& current) {
    if (following_ || !current.isValid()) return;
    View* v = model_->view();
    if (!v || !v->active() || v->recNo() == current.row()) return;
    const bool moved = guard(this, [&] {
        v->updateRecord();
        v->moveTo(current.row());
    });
    // A move the view refused (a post that failed) leaves the grid on the
    // view's row.
    if (!moved)
        QMetaObject::invokeMethod(
            this, [this, v] { followView(v->active() ? v->recNo() : -1); }, Qt::QueuedConnection);
}

void DBGrid::commitOpenEditor() {
    if (delegate_->editor_ && state() == QAbstractItemView::EditingState) commitData(delegate_->editor_);
}

} // namespace kelvora::ui
