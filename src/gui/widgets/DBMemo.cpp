// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DBMemo.h"

#include <QFocusEvent>

namespace kelvora::ui {

DBMemo::DBMemo(QWidget* parent) : QPlainTextEdit(parent) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] { userChangedText(this); });
    updateWritable();
}

DBMemo::DBMemo(View* view, std::string field, QWidget* parent) : DBMemo(parent) {
    setDataField(view, std::move(field));
}

void DBMemo::showField() {
    setPlainText(QString::fromStdString(fieldDisplayText(true)));
}

std::string DBMemo::typedText() const {
    return toPlainText().toStdString();
}

void DBMemo::updateWritable() {
    setReadOnly(!fieldWritable());
}

void DBMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason ||
        reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason)
        userLeftControl(this);
}

} // namespace kelvora::ui
