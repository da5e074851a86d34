// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

#include <functional>

class QLineEdit;
class QWidget;

namespace kelvora::ui {

class DBGrid;
class DBNavigator;

// The keyboard manners the windows share: F1 asks for the window's help
// page, Ctrl+S posts the current record as the navigator's ✓ does, and Ctrl+F
// moves to a search field that narrows the name list as the user types.
// Each works while the key is pressed anywhere in the window.
namespace WindowShortcuts {

// F1 calls `help` (the window's own help action).
void addHelp(QWidget* window, std::function<void()> help);
// Ctrl+S runs the navigator's post, typed text included; the window's
// auto-save then writes the record.
void addPost(QWidget* window, DBNavigator* navigator);
// A search field for `grid`: as the user types, rows whose first column does
// not contain the text (case-insensitive) are hidden and the first match
// becomes current; an empty text shows every row. Ctrl+F moves the focus
// there. With a navigator, its "+" empties the field first, so the new
// record stays in sight. The caller places the returned field in its layout.
// `keep`, when given, hides the rows it answers false for, whatever the
// search; call `refilter` when its answers change.
QLineEdit* addSearch(QWidget* window, DBGrid* grid, DBNavigator* navigator = nullptr,
                     std::function<bool(int row)> keep = {});
void refilter(QLineEdit* search);

} // namespace WindowShortcuts

} // namespace kelvora::ui
