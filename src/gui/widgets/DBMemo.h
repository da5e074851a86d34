// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "widgets/FieldBinding.h"

#include <QPlainTextEdit>

namespace kelvora::ui {

// A multi-line text bound to a memo or text field.
class DBMemo : public QPlainTextEdit, public FieldBinding {
    Q_OBJECT
public:
    explicit DBMemo(QWidget* parent = nullptr);
    DBMemo(View* view, std::string field, QWidget* parent = nullptr);

protected:
    void showField() override;
    std::string typedText() const override;
    void updateWritable() override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace kelvora::ui
