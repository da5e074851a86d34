// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/View.h"

#include <string>

namespace kelvora {

// Takes one material out of the recipe (or one addition) of the current glaze:
// the first slot whose name equals the given name exactly is removed, the
// later slots move up one place and the last slot is emptied. The record is
// left in edit state, unposted.
class SlotRemover {
public:
    // Recipe slots mat/mtp/mtm 1..12. False when no slot holds `name`.
    static bool removeMaterial(View& glazes, const std::string& name);
    // Addition slots tvs/tvp 1..5.
    static bool removeAddition(View& glazes, const std::string& name);
};

} // namespace kelvora
