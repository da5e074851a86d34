// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ViewFollower.h"

#include <QMetaObject>

namespace kelvora {

ViewFollower::ViewFollower(View& view, std::function<void()> changed, QObject* parent)
    : QObject(parent), view_(view), changed_(std::move(changed)) {
    view_.addObserver(this);
}

ViewFollower::~ViewFollower() {
    view_.removeObserver(this);
}

void ViewFollower::viewChanged(View&, ViewEvent event, int) {
    if (event == ViewEvent::UpdateRecord || pending_) return;
    pending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            pending_ = false;
            changed_();
        },
        Qt::QueuedConnection);
}

} // namespace kelvora
