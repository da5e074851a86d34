// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DBNavigator.h"

#include "widgets/ErrorBox.h"
#include "widgets/QtPrompter.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace kelvora::ui {

namespace {

constexpr std::array<DBNavigator::Button, 9> kOrder = {
    DBNavigator::First,  DBNavigator::Prior, DBNavigator::Next, DBNavigator::Last,   DBNavigator::Insert,
    DBNavigator::Delete, DBNavigator::Edit,  DBNavigator::Post, DBNavigator::Cancel,
};

// The buttons' pictures are drawn here rather than shipped, so they stay sharp
// at any scale and match the style's text colour.
QIcon drawIcon(DBNavigator::Button which, const QColor& ink) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    auto triangle = [&](double x, bool left) {
        QPainterPath path;
        if (left) {
            path.moveTo(x + 10, 7);
            path.lineTo(x, 16);
            path.lineTo(x + 10, 25);
        } else {
            path.moveTo(x, 7);
            path.lineTo(x + 10, 16);
            path.lineTo(x, 25);
        }
        path.closeSubpath();
        p.drawPath(path);
    };
    switch (which) {
    case DBNavigator::First:
        p.drawRect(QRectF(8, 7, 3, 18));
        triangle(12, true);
        break;
    case DBNavigator::Prior:
        triangle(11, true);
        break;
    case DBNavigator::Next:
        triangle(11, false);
        break;
    case DBNavigator::Last:
        triangle(10, false);
        p.drawRect(QRectF(21, 7, 3, 18));
        break;
    case DBNavigator::Insert:
        p.drawRect(QRectF(14, 6, 4, 20));
        p.drawRect(QRectF(6, 14, 20, 4));
        break;
    case DBNavigator::Delete:
        p.drawRect(QRectF(6, 14, 20, 4));
        break;
    case DBNavigator::Edit: {
        p.save();
        p.translate(16, 16);
        p.rotate(45);
        p.drawRect(QRectF(-3, -12, 6, 19));
        QPainterPath tip;
        tip.moveTo(-3, 8);
        tip.lineTo(3, 8);
        tip.lineTo(0, 13);
        tip.closeSubpath();
        p.drawPath(tip);
        p.restore();
        break;
    }
    case DBNavigator::Post: {
        QPen pen(QColor(0, 120, 40), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(7, 17), QPointF(13, 23), QPointF(25, 9)}));
        break;
    }
    case DBNavigator::Cancel: {
        QPen pen(QColor(170, 30, 30), 4, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(QPointF(9, 9), QPointF(23, 23));
        p.drawLine(QPointF(23, 9), QPointF(9, 23));
        break;
    }
    }
    return QIcon(pixmap);
}

} // namespace

int DBNavigator::slot(Button which) {
    for (std::size_t i = 0; i < kOrder.size(); ++i)
        if (kOrder[i] == which) return static_cast<int>(i);
    return 0;
}

QString DBNavigator::hint(Button which) {
    switch (which) {
    case First:
        return tr("Eerste record");
    case Prior:
        return tr("Vorige record");
    case Next:
        return tr("Volgende record");
    case Last:
        return tr("Laatste record");
    case Insert:
        return tr("Nieuw record toevoegen");
    case Delete:
        return tr("Record verwijderen");
    case Edit:
        return tr("Record wijzigen");
    case Post:
        return tr("Wijzigingen opslaan");
    case Cancel:
        return tr("Wijzigingen ongedaan maken");
    }
    return {};
}

std::string DBNavigator::deleteQuestion() {
    return tr("Wilt U dit record verwijderen?").toStdString();
}

DBNavigator::DBNavigator(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const QColor ink = palette().color(QPalette::ButtonText);
    for (Button which : kOrder) {
        auto* b = new QToolButton(this);
        b->setIcon(drawIcon(which, ink));
        b->setIconSize(QSize(16, 16));
        b->setAutoRaise(false);
        b->setFixedSize(25, 25);
        b->setFocusPolicy(Qt::NoFocus); // the focus stays in the control being typed into
        connect(b, &QToolButton::clicked, this, [this, which] { click(which); });
        buttons_[static_cast<std::size_t>(slot(which))] = b;
        layout->addWidget(b);
    }
    setVisibleButtons(visible_);
    retranslate();
}

void DBNavigator::retranslate() {
    for (Button which : kOrder) {
        QToolButton* b = button(which);
        b->setToolTip(hint(which));
        // The buttons show only a picture: a screen reader speaks the hint.
        b->setAccessibleName(hint(which));
        b->setAccessibleDescription(hint(which));
    }
}

void DBNavigator::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

DBNavigator::~DBNavigator() = default; // ViewObserver leaves the view

void DBNavigator::viewDestroyed(View&) {
    view_ = nullptr;
    updateButtons();
}

void DBNavigator::setView(View* view) {
    if (view_) view_->removeObserver(this);
    view_ = view;
    if (view_) view_->addObserver(this);
    updateButtons();
}

void DBNavigator::setVisibleButtons(Buttons buttons) {
    visible_ = buttons;
    for (Button which : kOrder)
        button(which)->setVisible(visible_.testFlag(which));
    updateButtons();
}

QToolButton* DBNavigator::button(Button which) const {
    return buttons_[static_cast<std::size_t>(slot(which))];
}

void DBNavigator::click(Button which) {
    if (!view_) return;
    Q_EMIT aboutToRun(which);
    if (guard(this, [&] { run(which); })) Q_EMIT clicked(which);
}

namespace {
bool askDelete(Prompter* prompter) {
    if (prompter) return prompter->confirm(DBNavigator::deleteQuestion());
    QtPrompter boxes;
    return boxes.confirm(DBNavigator::deleteQuestion());
}
} // namespace

void DBNavigator::run(Button which) {
    View& v = *view_;
    switch (which) {
    case First:
        v.updateRecord();
        v.first();
        break;
    case Prior:
        v.updateRecord();
        v.prior();
        break;
    case Next:
        v.updateRecord();
        v.next();
        break;
    case Last:
        v.updateRecord();
        v.last();
        break;
    case Insert:
        v.updateRecord();
        v.insert();
        break;
    case Delete:
        if (!askDelete(prompter_)) return;
        if (beforeDelete_ && !beforeDelete_()) return;
        v.remove();
        break;
    case Edit:
        v.edit();
        break;
    case Post:
        v.updateRecord();
        v.post();
        break;
    case Cancel:
        v.cancel();
        break;
    }
}

void DBNavigator::viewChanged(View& view, ViewEvent event, int) {
    if (&view != view_) return;
    if (event != ViewEvent::UpdateRecord && event != ViewEvent::FieldChanged) updateButtons();
}

void DBNavigator::updateButtons() {
    const bool open = view_ && view_->active();
    const bool editing = open && (view_->state() == ViewState::Edit || view_->state() == ViewState::Insert);
    const bool writable = open && !view_->readOnly();
    const bool hasRows = open && !view_->isEmpty();
    const int row = open ? view_->recNo() : -1;
    const int count = open ? view_->recordCount() : 0;
    const bool atStart = !hasRows || row <= 0;
    const bool atEnd = !hasRows || row >= count - 1;
    button(First)->setEnabled(open && !atStart);
    button(Prior)->setEnabled(open && !atStart);
    button(Next)->setEnabled(open && !atEnd);
    button(Last)->setEnabled(open && !atEnd);
    button(Insert)->setEnabled(writable);
    button(Delete)->setEnabled(writable && hasRows);
    button(Edit)->setEnabled(writable && !editing);
    button(Post)->setEnabled(writable && editing);
    button(Cancel)->setEnabled(writable && editing);
}

} // namespace kelvora::ui
