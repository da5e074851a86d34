// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;
class QWidget;

namespace kelvora::ui {

// Enter in a field (a line edit, a number box, a list box) confirms what was
// typed, which the field has done by the time the window hears the key; it
// never also presses the window's default button (Print, say). Accepts the
// key and returns true for such a key in such a field; the window's key
// handler then stops.
bool enterConfirmsField(QKeyEvent* event, const QWidget* focus);

} // namespace kelvora::ui
