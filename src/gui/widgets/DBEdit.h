// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "widgets/FieldBinding.h"

#include <QLineEdit>

namespace kelvora::ui {

// A single-line edit bound to one field of a view. A text longer than a text
// field's width is refused when the control is left (FieldBinding); numeric
// fields show their display format until the control gets the focus.
class DBEdit : public QLineEdit, public FieldBinding {
    Q_OBJECT
public:
    explicit DBEdit(QWidget* parent = nullptr);
    DBEdit(View* view, std::string field, QWidget* parent = nullptr);

    // Keeps the control read-only whatever the view allows (computed fields).
    void setAlwaysReadOnly(bool readOnly);

protected:
    void showField() override;
    std::string typedText() const override;
    std::string fieldCaption() const override;
    void updateWritable() override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool alwaysReadOnly_ = false;
};

} // namespace kelvora::ui
