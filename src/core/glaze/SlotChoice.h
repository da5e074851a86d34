// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/View.h"

#include <string>
#include <vector>

namespace kelvora {

// What the remove-material dialog offers and which slot a choice stands for.
// Kind 1 is the recipe (mat1..mat12), kind 2 the additions (tvs1..tvs5); any
// other kind has no slots.
class SlotChoice {
public:
    // The non-blank names of the current glaze's slots, trimmed, in slot order;
    // a name that stands in two slots is offered twice.
    static std::vector<std::string> offeredNames(const View& glazes, int kind);

    // The stored name of the slot a choice from offeredNames() means. A slot
    // whose name matches exactly wins; otherwise the first slot whose trimmed
    // name equals the choice, so that a name stored with blanks around it can
    // still be removed. Returns the choice itself when no slot matches (also
    // for the empty choice, which stands for the first empty slot).
    static std::string storedName(const View& glazes, int kind, const std::string& choice);
};

} // namespace kelvora
