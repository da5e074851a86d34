#pragma once
#include "store/SettingsTable.h"

#include <string_view>

class QPoint;
class QWidget;

namespace kelvora::ui {

// Window positions kept in the settings file, one section per window.
// Left and top are the outer window's top left corner; width and height the
// outer size, for the windows that keep one.

// Reads the window's section (the table's defaults for missing keys).
settings::Placement readPlacement(std::string_view section);
// Puts the window's outer top left corner (its frame) at `topLeft`, also
// before it is first shown.
void placeFrameAt(QWidget* window, const QPoint& topLeft);
// Reads the section and moves the window there at once, as read: a position
// off the screen stays off the screen.
void applyPlacement(QWidget* window, std::string_view section);
// The window's current outer position and size.
settings::Placement currentPlacement(const QWidget* window);
// Writes the window's current placement to its section. Throws StoreError
// when the settings file cannot be written; call it behind guard().
void storePlacement(const QWidget* window, std::string_view section);

} // namespace kelvora::ui
