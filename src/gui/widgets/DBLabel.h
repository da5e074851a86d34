// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "widgets/FieldBinding.h"

#include <QLabel>

namespace kelvora::ui {

// A read-only display of one field, in the field's display format.
class DBLabel : public QLabel, public FieldBinding {
    Q_OBJECT
public:
    explicit DBLabel(QWidget* parent = nullptr);
    DBLabel(View* view, std::string field, QWidget* parent = nullptr);

protected:
    void showField() override;
    std::string typedText() const override { return {}; }
};

} // namespace kelvora::ui
