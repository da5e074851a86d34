// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "widgets/FieldBinding.h"

#include <QComboBox>
#include <QStringList>

namespace kelvora::ui {

// A drop-down bound to one field. Editable: the user may type any text, the
// list only offers choices. List-only: the field takes one of the items; a
// stored value that is not in the list shows as blank.
// Choosing an item writes it into the field at once; typed text waits as in
// every bound control.
class DBComboBox : public QComboBox, public FieldBinding {
    Q_OBJECT
public:
    enum class Style { Editable, ListOnly };

    explicit DBComboBox(Style style = Style::Editable, QWidget* parent = nullptr);
    DBComboBox(View* view, std::string field, Style style = Style::Editable, QWidget* parent = nullptr);

    // Replaces the list; the shown value stays the field's.
    void setItems(const QStringList& items);

protected:
    void showField() override;
    std::string typedText() const override;
    std::string fieldCaption() const override;
    void updateWritable() override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void userChose(int index);
    Style style_;
};

} // namespace kelvora::ui
