// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include <initializer_list>

class QWidget;

namespace kelvora::ui {

// A run that only reads the data folder, because another Kelvora program
// writes it: the windows that edit say so in their title and offer nothing
// to type or change.
namespace ReadOnlyRun {

// "<title> — alleen lezen: de gegevens zijn in gebruik door een ander Kelvora-programma"
QString title(const QString& title);
// Disables every data-aware edit control (DBEdit, DBComboBox, DBMemo) under
// `window`, and the other controls given: buttons and boxes that change data.
void disableEditing(QWidget* window, std::initializer_list<QWidget*> more = {});

} // namespace ReadOnlyRun

} // namespace kelvora::ui
