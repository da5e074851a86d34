// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/SettingsFile.h"
#include "store/SettingsTable.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <string_view>

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
// Reads the section and moves the window there, brought back onto a screen
// when the stored place would leave its title bar out of reach (a monitor
// that was unplugged, a smaller screen): see onScreen().
void applyPlacement(QWidget* window, const SettingsFile& settings, std::string_view section);
// The window's current outer position and size.
settings::Placement currentPlacement(const QWidget* window);
// Keeps the window's current placement in its section of the run's settings
// (written to the file once, at the end of the run).
void storePlacement(const QWidget* window, SettingsFile& settings, std::string_view section);

// Where a window whose outer rectangle is `frame` should open, given the
// usable areas of the screens. A window whose title bar can be grabbed (its
// top edge on a screen, at least a hand's width of it visible) stays where it
// is; any other is moved onto the screen it overlaps most (the nearest when
// it overlaps none), as far inside as its size allows.
QPoint onScreen(const QRect& frame, const QList<QRect>& screens);
// The usable areas of the screens the program can show windows on.
QList<QRect> availableScreenAreas();

// A window of fixed border opens at its designed client size, or at the size
// its layout needs when that is larger (a larger font), and stays there.
void fitFixedSize(QWidget* window, const QSize& designed);
// A sizeable window opens at its designed client size or the size its layout
// needs, whichever is larger; the user may change it afterwards.
void fitInitialSize(QWidget* window, const QSize& designed);
// A sizeable window whose designed size counts its frame: once the window
// system has framed it, its client area is made as large as the designed
// outer size leaves (the frame is only known after the first showing).
void keepOuterSize(QWidget* window, const QSize& outer);

// A length drawn for the default font, or what `sample` needs in the
// widget's font plus `padding`, whichever is larger.
int atLeast(const QWidget* widget, int designed, const QString& sample, int padding = 12);
// A height drawn for the default font, or a line of the widget's font plus
// `padding` (frame and margins), whichever is larger.
int heightAtLeast(const QWidget* widget, int designed, int padding = 8);

} // namespace kelvora::ui
