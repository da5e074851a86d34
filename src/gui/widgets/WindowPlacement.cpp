// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/WindowPlacement.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace kelvora::ui {

namespace {

// The part of a window's top edge that must lie on a screen for the user to
// take hold of it: the height of a title bar and a hand's width.
constexpr int kTitleBarHeight = 24;
constexpr int kGrabWidth = 64;

bool titleBarReachable(const QRect& frame, const QRect& area) {
    if (frame.top() < area.top() || frame.top() + kTitleBarHeight > area.bottom() + 1) return false;
    const QRect strip(frame.left(), frame.top(), frame.width(), kTitleBarHeight);
    return strip.intersected(area).width() >= std::min(frame.width(), kGrabWidth);
}

long long overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

long long distance(const QRect& a, const QRect& b) {
    const QPoint d = a.center() - b.center();
    return static_cast<long long>(d.x()) * d.x() + static_cast<long long>(d.y()) * d.y();
}

int clampStart(int start, int length, int areaStart, int areaLength) {
    if (length >= areaLength) return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

} // namespace

settings::Placement readPlacement(const SettingsFile& settings, std::string_view section) {
    return settings::readPlacement(settings, section);
}

void placeFrameAt(QWidget* window, const QPoint& topLeft) {
    // For a window, move() places the outer frame: what currentPlacement()
    // reads back, so a run writes what the next one reads.
    window->move(topLeft);
}

QPoint onScreen(const QRect& frame, const QList<QRect>& screens) {
    if (screens.isEmpty()) return frame.topLeft();
    for (const QRect& area : screens)
        if (titleBarReachable(frame, area)) return frame.topLeft();
    const QRect* best = &screens.front();
    for (const QRect& area : screens) {
        const long long a = overlap(frame, area);
        const long long b = overlap(frame, *best);
        if (a > b || (a == b && a == 0 && distance(frame, area) < distance(frame, *best))) best = &area;
    }
    return {clampStart(frame.left(), frame.width(), best->left(), best->width()),
            clampStart(frame.top(), frame.height(), best->top(), best->height())};
}

QList<QRect> availableScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

void applyPlacement(QWidget* window, const SettingsFile& settings, std::string_view section) {
    const settings::Placement p = readPlacement(settings, section);
    const QRect frame(QPoint(p.left, p.top), window->frameGeometry().size());
    placeFrameAt(window, onScreen(frame, availableScreenAreas()));
}

settings::Placement currentPlacement(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    settings::Placement p;
    p.left = frame.left();
    p.top = frame.top();
    p.width = frame.width();
    p.height = frame.height();
    return p;
}

void storePlacement(const QWidget* window, SettingsFile& settings, std::string_view section) {
    settings::writePlacement(settings, section, currentPlacement(window));
}

namespace {
// A minimum drawn for the default font must not hold a control smaller than
// its contents need at a larger font.
void growMinimumsToContents(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QSize set = w->minimumSize();
        if (set.width() <= 0 && set.height() <= 0) continue;
        const QSize hint = w->minimumSizeHint();
        QSize grown(set.width() > 0 ? std::max(set.width(), hint.width()) : 0,
                    set.height() > 0 ? std::max(set.height(), hint.height()) : 0);
        grown = grown.boundedTo(w->maximumSize());
        if (grown != set) w->setMinimumSize(grown);
    }
}

QSize neededSize(QWidget* window, const QSize& designed) {
    growMinimumsToContents(window);
    QSize needed = designed;
    if (QLayout* layout = window->layout()) {
        layout->activate();
        needed = needed.expandedTo(layout->totalMinimumSize());
    }
    return needed.expandedTo(window->minimumSizeHint());
}
} // namespace

void fitFixedSize(QWidget* window, const QSize& designed) {
    window->setFixedSize(neededSize(window, designed));
}

void fitInitialSize(QWidget* window, const QSize& designed) {
    window->resize(neededSize(window, designed));
}

namespace {
// Sizes the client area from the frame once the window system reports one.
class OuterSizeKeeper : public QObject {
public:
    OuterSizeKeeper(QWidget* window, const QSize& outer) : QObject(window), window_(window), outer_(outer) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        // Each showing opens at the designed size; the frame may be reported
        // by a move shortly after the window appears.
        if (event->type() == QEvent::Show) {
            framed_ = false;
            QTimer::singleShot(0, this, [this] { apply(); });
        } else if (event->type() == QEvent::Move && !framed_) {
            QTimer::singleShot(0, this, [this] { apply(); });
        }
        return false;
    }

private:
    void apply() {
        if (!window_ || framed_ || !window_->isVisible()) return;
        const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
        window_->resize(outer_ - frame);
        // Without a frame (no window manager) the client area is the whole
        // window; a frame that arrives later is still taken into account.
        framed_ = frame.width() > 0 || frame.height() > 0;
    }
    QPointer<QWidget> window_;
    QSize outer_;
    bool framed_ = false;
};
} // namespace

void keepOuterSize(QWidget* window, const QSize& outer) {
    window->resize(outer);
    new OuterSizeKeeper(window, outer);
}

int atLeast(const QWidget* widget, int designed, const QString& sample, int padding) {
    return std::max(designed, QFontMetrics(widget->font()).horizontalAdvance(sample) + padding);
}

int heightAtLeast(const QWidget* widget, int designed, int padding) {
    return std::max(designed, QFontMetrics(widget->font()).height() + padding);
}

} // namespace kelvora::ui
