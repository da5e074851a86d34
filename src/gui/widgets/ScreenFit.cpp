// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

#include <algorithm>

namespace kelvora::ui {

QRect fitInto(const QSize& wanted, const QRect& over, const QRect& available) {
    const QSize size = wanted.boundedTo(available.size());
    const QRect around = over.isValid() ? over : available;
    QRect frame(QPoint(0, 0), size);
    frame.moveCenter(around.center());
    // Inside the area: the right and bottom edges first, so that the top left
    // corner (the title bar) wins when the window is as large as the area.
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
    return frame;
}

void fitToScreen(QWidget* window) {
    const QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    QScreen* screen = parent ? parent->screen() : window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // The frame the window system adds is known once the window was framed;
    // before that, room is kept for a title bar and borders of the usual size.
    QSize frameExtra = window->frameGeometry().size() - window->size();
    if (frameExtra.isNull()) frameExtra = QSize(2 * 4, window->fontMetrics().height() + 2 * 8);
    const QRect over = parent && parent->isVisible() ? parent->frameGeometry() : QRect();
    const QRect frame = fitInto(window->size() + frameExtra, over, screen->availableGeometry());
    window->resize(frame.size() - frameExtra);
    window->move(frame.topLeft());
}

QScrollArea* scrolling(QWidget* contents, QWidget* parent) {
    auto* scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(contents);
    return scroll;
}

} // namespace kelvora::ui
