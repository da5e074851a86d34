// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DBLabel.h"

namespace kelvora::ui {

DBLabel::DBLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

DBLabel::DBLabel(View* view, std::string field, QWidget* parent) : DBLabel(parent) {
    setDataField(view, std::move(field));
}

void DBLabel::showField() {
    setText(QString::fromStdString(fieldDisplayText(false)));
}

} // namespace kelvora::ui
