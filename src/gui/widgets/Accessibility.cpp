// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>
#include <QTextEdit>

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
            return QStringLiteral("Alles selecteren");
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

void nameControlsForScreenReaders(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!isControl(w) || hasSpokenName(w)) continue;
        // The line edit inside a drop-down or spin box is spoken as its owner.
        if (qobject_cast<QLineEdit*>(w) && (qobject_cast<QComboBox*>(w->parentWidget()) ||
                                            qobject_cast<QAbstractSpinBox*>(w->parentWidget()))) {
            QWidget* box = w->parentWidget();
            const QString name =
                box->accessibleName().isEmpty() ? nameFor(box, box->window()) : box->accessibleName();
            if (!name.isEmpty()) w->setAccessibleName(name);
            continue;
        }
        const QString name = nameFor(w, w->window());
        if (name.isEmpty()) continue;
        w->setAccessibleName(name);
        if (qobject_cast<QAbstractButton*>(w)) w->setAccessibleDescription(name);
    }
}

} // namespace kelvora::ui
