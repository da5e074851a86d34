// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportPlan.h"
#include "store/AliasBook.h"
#include "store/GlazeBook.h"

namespace kelvora {

// Writes a settled import plan into a data folder: the new materials, the
// recipes (each calculated with the materials it names, so that it arrives
// with its Seger formula) and the aliases to remember, all in one change
// under the folder's lock: every table new, or every table as it was.
class ImportWriter {
public:
    struct Written {
        int materials = 0, glazes = 0, aliases = 0;
    };

    // `book` is loaded (the plan was made from it) and `aliases` loaded.
    // Throws ImportError for a plan that is not settled (nothing written)
    // and the store's error when the change fails; the book is then closed
    // without writing, so reload it before further use.
    static Written write(const ImportPlan& plan, GlazeBook& book, AliasBook& aliases);
};

} // namespace kelvora
