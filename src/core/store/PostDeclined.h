// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/StoreError.h"

namespace kelvora {

// A post the user declined when asked (a name that exists already, say):
// the edit stays open and unposted, and since the user has just answered,
// nothing more is shown.
class PostDeclined : public StoreError {
public:
    PostDeclined() : StoreError("Niet opgeslagen.") {}
};

} // namespace kelvora
