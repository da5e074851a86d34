// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/View.h"

#include <QObject>

#include <functional>

namespace kelvora {

// Calls `changed` once after the view's current row, its fields or its rows
// changed: many field writes of one calculation give one call, from the
// event loop. Unsubscribes when it goes.
class ViewFollower : public QObject, private ViewObserver {
    Q_OBJECT
public:
    ViewFollower(View& view, std::function<void()> changed, QObject* parent = nullptr);
    ~ViewFollower() override;
    ViewFollower(const ViewFollower&) = delete;
    ViewFollower& operator=(const ViewFollower&) = delete;

private:
    void viewChanged(View& view, ViewEvent event, int field) override;
    View& view_;
    std::function<void()> changed_;
    bool pending_ = false;
};

} // namespace kelvora
