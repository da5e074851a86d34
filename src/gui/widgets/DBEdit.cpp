// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DBEdit.h"

#include "widgets/Accessibility.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace kelvora::ui {

DBEdit::DBEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this] { userChangedText(this); });
    updateWritable();
}

DBEdit::DBEdit(View* view, std::string field, QWidget* parent) : DBEdit(parent) {
    setDataField(view, std::move(field));
}

void DBEdit::setAlwaysReadOnly(bool readOnly) {
    alwaysReadOnly_ = readOnly;
    updateWritable();
}

void DBEdit::showField() {
    setText(QString::fromStdString(fieldDisplayText(hasFocus())));
    setCursorPosition(0);
}

std::string DBEdit::typedText() const {
    return text().toStdString();
}

void DBEdit::updateWritable() {
    setReadOnly(alwaysReadOnly_ || !fieldWritable());
}

std::string DBEdit::fieldCaption() const {
    const QString name = labelName(const_cast<DBEdit*>(this));
    return name.isEmpty() ? dataField() : name.toStdString();
}

void DBEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Editing works on the plain value, not on its rounded display.
    if (!hasPendingText() && !displayFormat().empty()) showField();
}

void DBEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    // A message box or a menu taking the focus is not the user leaving.
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason ||
        reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason)
        userLeftControl(this);
    if (!hasPendingText() && !displayFormat().empty()) showField();
}

void DBEdit::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) userLeftControl(this);
}

} // namespace kelvora::ui
