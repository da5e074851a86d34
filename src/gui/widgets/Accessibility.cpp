// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>

#include <vector>

namespace kelvora::ui {

namespace {

QString withoutMnemonic(QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text.simplified();
}

// The label whose buddy `widget` is.
QString buddyLabelFor(QWidget* widget, QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == widget && !label->text().isEmpty()) return withoutMnemonic(label->text());
    return {};
}

// The nearest label made before `widget` in the same parent that is nobody's
// buddy and stands before no other control.
QString precedingLabelFor(QWidget* widget) {
    QWidget* parent = widget->parentWidget();
    if (!parent) return {};
    QLabel* before = nullptr;
    for (QObject* child : parent->children()) {
        if (child == widget) break;
        auto* label = qobject_cast<QLabel*>(child);
        if (label && !label->buddy() && !label->text().isEmpty())
            before = label;
        else if (qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child) ||
                 qobject_cast<QAbstractSpinBox*>(child))
            before = nullptr; // that label belongs to the control in between
    }
    return before ? withoutMnemonic(before->text()) : QString();
}

// The grid layout under `layout` that holds `widget`, if any.
QGridLayout* gridHolding(QLayout* layout, QWidget* widget) {
    if (!layout) return nullptr;
    if (auto* grid = qobject_cast<QGridLayout*>(layout); grid && grid->indexOf(widget) >= 0) return grid;
    for (int i = 0; i < layout->count(); ++i)
        if (QGridLayout* grid = gridHolding(layout->itemAt(i)->layout(), widget)) return grid;
    return nullptr;
}

QString labelAt(QGridLayout* grid, int row, int column) {
    QLayoutItem* item = grid->itemAtPosition(row, column);
    auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
    return label ? withoutMnemonic(label->text()) : QString();
}

// A control in a grid of controls: the heading over its column, followed by
// the label at the start of its row ("Percentage 3.").
QString gridLabelFor(QWidget* widget) {
    QWidget* parent = widget->parentWidget();
    QGridLayout* grid = parent ? gridHolding(parent->layout(), widget) : nullptr;
    if (!grid) return {};
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
    const QString heading = row > 0 ? labelAt(grid, 0, column) : QString();
    const QString rowLabel = column > 0 ? labelAt(grid, row, 0) : QString();
    return heading.isEmpty() ? heading : (heading + QLatin1Char(' ') + rowLabel).trimmed();
}

QString headersOf(QTableView* table) {
    QStringList names;
    QAbstractItemModel* model = table->model();
    if (!model) return {};
    for (int c = 0; c < model->columnCount(); ++c)
        if (!table->isColumnHidden(c)) names << model->headerData(c, Qt::Horizontal).toString();
    names.removeAll(QString());
    return names.join(QStringLiteral(", "));
}

QString tabsOf(QTabBar* bar) {
    QStringList names;
    for (int i = 0; i < bar->count(); ++i)
        names << withoutMnemonic(bar->tabText(i));
    return names.join(QStringLiteral(", "));
}

QString nameFor(QWidget* widget, QWidget* window) {
    if (qobject_cast<QAbstractButton*>(widget)) {
        // The corner button of a grid selects every cell.
        if (widget->toolTip().isEmpty() && qobject_cast<QTableView*>(widget->parentWidget()))
            return QCoreApplication::translate("kelvora::ui::Accessibility", "Alles selecteren");
        return withoutMnemonic(widget->toolTip());
    }
    if (auto* table = qobject_cast<QTableView*>(widget)) return headersOf(table);
    if (auto* bar = qobject_cast<QTabBar*>(widget)) return tabsOf(bar);
    QString name = buddyLabelFor(widget, window);
    if (name.isEmpty()) name = gridLabelFor(widget);
    if (name.isEmpty()) name = precedingLabelFor(widget);
    if (name.isEmpty()) name = withoutMnemonic(widget->toolTip());
    if (name.isEmpty())
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) name = edit->placeholderText();
    // The one choice of a small dialog is what the dialog is about.
    if (name.isEmpty()) name = window->windowTitle();
    return name;
}

bool isControl(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QTableView*>(w) || qobject_cast<QTabBar*>(w) ||
           qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w);
}

} // namespace

bool hasSpokenName(QWidget* widget) {
    if (!widget->accessibleName().isEmpty()) return true;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face && !face->text(QAccessible::Name).trimmed().isEmpty();
}

QString labelName(QWidget* widget) {
    if (!widget->accessibleName().isEmpty()) return withoutMnemonic(widget->accessibleName());
    return buddyLabelFor(widget, widget->window());
}

namespace {

// The names given to a window's controls are made from its labels; when the
// language changes (and the window has set its labels again) they are made
// anew, so a screen reader speaks the language the window shows.
class SpokenNames : public QObject {
public:
    explicit SpokenNames(QWidget* window) : QObject(window) {
        setObjectName(QStringLiteral("kelvoraSpokenNames"));
        window->installEventFilter(this);
    }
    void remember(QWidget* w) { named_.emplace_back(w); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::LanguageChange && !pending_) {
            // The window handles the event after this filter: name once it has.
            pending_ = true;
            QTimer::singleShot(0, this, [this] { rename(); });
        }
        return false;
    }

private:
    void rename() {
        pending_ = false;
        const std::vector<QPointer<QWidget>> named = std::move(named_);
        named_.clear();
        for (const QPointer<QWidget>& w : named) {
            if (!w) continue;
            w->setAccessibleName(QString());
            if (qobject_cast<QAbstractButton*>(w.data())) w->setAccessibleDescription(QString());
        }
        nameControlsForScreenReaders(static_cast<QWidget*>(parent()));
    }

    std::vector<QPointer<QWidget>> named_;
    bool pending_ = false;
};

SpokenNames* spokenNamesOf(QWidget* window) {
    auto* names =
        window->findChild<SpokenNames*>(QStringLiteral("kelvoraSpokenNames"), Qt::FindDirectChildrenOnly);
    return names ? names : new SpokenNames(window);
}

} // namespace

void nameControlsForScreenReaders(QWidget* window) {
    SpokenNames* names = spokenNamesOf(window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!isControl(w) || hasSpokenName(w)) continue;
        // The line edit inside a drop-down or spin box is spoken as its owner.
        if (qobject_cast<QLineEdit*>(w) && (qobject_cast<QComboBox*>(w->parentWidget()) ||
                                            qobject_cast<QAbstractSpinBox*>(w->parentWidget()))) {
            QWidget* box = w->parentWidget();
            const QString name =
                box->accessibleName().isEmpty() ? nameFor(box, box->window()) : box->accessibleName();
            if (!name.isEmpty()) {
                w->setAccessibleName(name);
                names->remember(w);
            }
            continue;
        }
        const QString name = nameFor(w, w->window());
        if (name.isEmpty()) continue;
        w->setAccessibleName(name);
        if (qobject_cast<QAbstractButton*>(w)) w->setAccessibleDescription(name);
        names->remember(w);
    }
}

} // namespace kelvora::ui
