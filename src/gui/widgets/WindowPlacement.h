#pragma once
#include "store/SettingsFile.h"
#include "store/SettingsTable.h"

#include <string_view>

class QPoint;
class QWidget;

namespace kelvora::ui {

// Window positions kept in the run's settings, one section per window.
// Left and top are the outer window's top left corner; width and height the
// outer size, for the windows that keep one.

// Reads the window's section (the table's defaults for missing keys).
settings::Placement readPlacement(const SettingsFile& settings, std::string_view section);
// Puts the window's outer top left corner (its frame) at `topLeft`, also
// before it is first shown.
void placeFrameAt(QWidget* window, const QPoint& topLeft);
// Reads the section and moves the window there at once, as read: a position
// off the screen stays off the screen.
void applyPlacement(QWidget* window, const SettingsFile& settings, std::string_view section);
// The window's current outer position and size.
settings::Placement currentPlacement(const QWidget* window);
// Keeps the window's current placement in its section of the run's settings
// (written to the file once, at the end of the run).
void storePlacement(const QWidget* window, SettingsFile& settings, std::string_view section);

} // namespace kelvora::ui
