// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/NameListFit.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolTip>

#include <algorithm>

namespace kelvora {

namespace {
// Room a cell leaves beside its text (the style's focus frame and margins).
int cellPadding(const QTableView* list) {
    return 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1) + 4;
}
} // namespace

NameListFit::NameListFit(QTableView* list, int designedWidth, std::function<void()> relayout)
    : QObject(list), list_(list), viewport_(list->viewport()), designedWidth_(designedWidth),
      relayout_(std::move(relayout)) {
    list->viewport()->installEventFilter(this);
    list->horizontalHeader()->setStretchLastSection(true);
    list->setTextElideMode(Qt::ElideRight);
    if (QAbstractItemModel* model = list->model()) {
        connect(model, &QAbstractItemModel::modelReset, this, &NameListFit::fit);
        connect(model, &QAbstractItemModel::rowsInserted, this, &NameListFit::fit);
        connect(model, &QAbstractItemModel::dataChanged, this, &NameListFit::fit);
    }
    fit();
}

int NameListFit::extraWidth() const {
    const QHeaderView* rows = list_->verticalHeader();
    return (rows->isHidden() ? 0 : rows->width()) + 2 * list_->frameWidth() +
           list_->verticalScrollBar()->sizeHint().width();
}

int NameListFit::columnLimit() const {
    // About 21 average letters: as much as the materials window has room for
    // at its designed size; longer names show whole in a tooltip.
    return list_->fontMetrics().horizontalAdvance(QString(NameListFit::LimitLetters, QLatin1Char('n')));
}

int NameListFit::longestName() const {
    const QAbstractItemModel* model = list_->model();
    if (!model) return 0;
    const QFontMetrics fm = list_->fontMetrics();
    int longest = 0;
    for (int row = 0; row < model->rowCount(); ++row)
        longest = std::max(longest, fm.horizontalAdvance(model->index(row, 0).data().toString()));
    return longest;
}

void NameListFit::fit() {
    const int wanted = std::min(longestName() + cellPadding(list_), columnLimit()) + extraWidth();
    const int width = std::max(designedWidth_, wanted);
    if (list_->width() == width && list_->minimumWidth() == width) return;
    list_->setFixedWidth(width);
    if (relayout_) relayout_();
}

bool NameListFit::eventFilter(QObject* watched, QEvent* event) {
    // The type first: the list may be half gone when its viewport's last events arrive.
    if (event->type() == QEvent::ToolTip && watched == viewport_) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = list_->indexAt(help->pos());
        const QString name = index.isValid() ? index.data().toString() : QString();
        const int room = list_->visualRect(index).width() - cellPadding(list_);
        if (!name.isEmpty() && list_->fontMetrics().horizontalAdvance(name) > room)
            QToolTip::showText(help->globalPos(), name, list_->viewport(), list_->visualRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvora
