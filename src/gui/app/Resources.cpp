// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerKelvoraResources() {
    Q_INIT_RESOURCE(kelvora);
}

namespace kelvora::ui {

void initResources() {
    static const bool done = (registerKelvoraResources(), true);
    (void)done;
}

} // namespace kelvora::ui
