// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>
#include <QSize>

class QScrollArea;
class QWidget;

namespace kelvora::ui {

// Where a window of outer size `wanted` opens: no larger than the usable area
// of its screen, centred over `over` (the outer rectangle of the window that
// opened it; an empty rectangle centres it on the area) and moved inside the
// area as far as needed.
QRect fitInto(const QSize& wanted, const QRect& over, const QRect& available);

// Makes a window that is about to show no larger than the usable area of the
// screen it opens on (its parent's), and opens it over its parent. Called from
// the window's showEvent; a window whose contents need more room keeps them
// in a scroll area.
void fitToScreen(QWidget* window);
// `contents` in a frameless scroll area that gives it all the room there is
// and scrolls only when there is too little.
QScrollArea* scrolling(QWidget* contents, QWidget* parent);

} // namespace kelvora::ui
