// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/View.h"
#include <functional>

#include <QObject>

class QWidget;

namespace kelvora::ui {

// Posted work reaches the disk: whenever rows of the view were posted or
// deleted, the view is written to its file once the user's action is over
// (one write however many posts the action made; a view without changes
// writes nothing). A failed write is shown in the error box with the
// system's reason and the rows stay in memory, to be written by the next
// action or when the view closes.
class ViewAutoSave : public QObject, private ViewObserver {
    Q_OBJECT
public:
    // Errors are shown over `window`, which also owns this object.
    ViewAutoSave(View& view, QWidget* window);

    // Writes at once what is pending (tests, and actions that must be on
    // disk before they go on). Returns false when the write failed.
    bool saveNow();
    // What a save does instead of writing the view alone (a window that must
    // write another table with it); errors it throws are shown as the
    // view's own.
    void setSave(std::function<void()> save) { save_ = std::move(save); }

private:
    void viewChanged(View& view, ViewEvent event, int field) override;
    void viewDestroyed(View& view) override;

    View* view_;
    QWidget* window_;
    bool scheduled_ = false;
    std::function<void()> save_;
};

} // namespace kelvora::ui
