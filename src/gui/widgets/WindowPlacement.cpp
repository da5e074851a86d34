#include "widgets/WindowPlacement.h"

#include <QWidget>

namespace kelvora::ui {

settings::Placement readPlacement(const SettingsFile& settings, std::string_view section) {
    return settings::readPlacement(settings, section);
}

void placeFrameAt(QWidget* window, const QPoint& topLeft) {
    // For a window, move() places the outer frame: what currentPlacement()
    // reads back, so a run writes what the next one reads.
    window->move(topLeft);
}

void applyPlacement(QWidget* window, const SettingsFile& settings, std::string_view section) {
    const settings::Placement p = readPlacement(settings, section);
    placeFrameAt(window, QPoint(p.left, p.top));
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

} // namespace kelvora::ui
