// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FieldKeys.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace kelvora::ui {

bool enterConfirmsField(QKeyEvent* event, const QWidget* focus) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    if (!qobject_cast<const QLineEdit*>(focus) && !qobject_cast<const QAbstractSpinBox*>(focus) &&
        !qobject_cast<const QComboBox*>(focus))
        return false;
    event->accept();
    return true;
}

} // namespace kelvora::ui
