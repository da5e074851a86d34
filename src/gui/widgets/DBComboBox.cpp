// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DBComboBox.h"

#include "widgets/Accessibility.h"

#include "widgets/ErrorBox.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace kelvora::ui {

DBComboBox::DBComboBox(Style style, QWidget* parent) : QComboBox(parent), style_(style) {
    setEditable(style_ == Style::Editable);
    setInsertPolicy(QComboBox::NoInsert);
    if (lineEdit()) connect(lineEdit(), &QLineEdit::textEdited, this, [this] { userChangedText(this); });
    connect(this, &QComboBox::activated, this, [this](int index) { userChose(index); });
    updateWritable();
}

DBComboBox::DBComboBox(View* view, std::string field, Style style, QWidget* parent)
    : DBComboBox(style, parent) {
    setDataField(view, std::move(field));
}

void DBComboBox::setItems(const QStringList& items) {
    const QString shown = currentText();
    {
        const QSignalBlocker block(this);
        clear();
        addItems(items);
    }
    if (hasPendingText() && lineEdit())
        setEditText(shown);
    else
        showField();
}

void DBComboBox::showField() {
    const QString value = QString::fromStdString(fieldDisplayText(true));
    const QSignalBlocker block(this);
    if (style_ == Style::Editable) {
        setCurrentIndex(findText(value, Qt::MatchExactly));
        setEditText(value);
        // A text wider than the box shows its beginning, not its end.
        lineEdit()->setCursorPosition(0);
    } else {
        setCurrentIndex(findText(value, Qt::MatchExactly));
    }
}

std::string DBComboBox::typedText() const {
    return currentText().toStdString();
}

std::string DBComboBox::fieldCaption() const {
    const QString name = labelName(const_cast<DBComboBox*>(this));
    return name.isEmpty() ? dataField() : name.toStdString();
}

void DBComboBox::updateWritable() {
    // A closed or read-only view offers nothing to choose or type.
    setEnabled(fieldWritable());
}

void DBComboBox::userChose(int) {
    if (busy()) return;
    if (!userChangedText(this)) return;
    guard(this, [this] { commitPendingText(); });
}

void DBComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason ||
        reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason)
        userLeftControl(this);
}

} // namespace kelvora::ui
