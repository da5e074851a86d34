// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ViewAutoSave.h"

#include "widgets/ErrorBox.h"

#include <QWidget>

namespace kelvora::ui {

ViewAutoSave::ViewAutoSave(View& view, QWidget* window) : QObject(window), view_(&view), window_(window) {
    view.addObserver(this);
}

bool ViewAutoSave::saveNow() {
    scheduled_ = false;
    if (!view_) return true;
    return guard(window_, [this] {
        if (save_)
            save_();
        else
            view_->save();
    });
}

void ViewAutoSave::viewChanged(View&, ViewEvent event, int) {
    // Posts and deletions announce themselves as changed data; the write
    // waits until the action that made them has finished.
    if (event != ViewEvent::DataChanged || scheduled_) return;
    scheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (scheduled_) saveNow();
        },
        Qt::QueuedConnection);
}

void ViewAutoSave::viewDestroyed(View&) {
    view_ = nullptr;
}

} // namespace kelvora::ui
