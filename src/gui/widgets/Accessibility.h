// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace kelvora::ui {

// Gives every control of a window a name a screen reader can speak, where
// the control has none of its own (no accessible name, and no text or buddy
// label Qt would speak): buttons that show only a picture take their hint as
// name and description, edits, drop-downs and spin boxes their label (the
// label whose buddy they are, else in a grid of controls the heading of
// their column and the label of their row, else the label just before them
// in their parent, else their hint, else the window's title), grids their column headers, tab bars their tab
// texts. Call once the window's controls are made; controls added later are not named.
void nameControlsForScreenReaders(QWidget* window);

// The name a screen reader speaks for `widget`: its accessible name, else
// what Qt derives (a button's text, an edit's buddy label).
bool hasSpokenName(QWidget* widget);
// What the user reads beside a control: its accessible name, else the text
// of the label whose buddy it is, without the mnemonic's "&"; else empty.
QString labelName(QWidget* widget);

} // namespace kelvora::ui
