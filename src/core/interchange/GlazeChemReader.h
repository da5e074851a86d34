// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"

#include <string_view>

namespace kelvora {

// GlazeChem's `key = value` files: a glaze file (.glz, `filetype = GlazeChem
// Glazes`) whose records start at `name` and list `component`/`amount` and
// `addition`/`addamount` pairs, and a materials file (.mat) whose records
// give a `formula`, molar ("0.028 Na2O  0.634 MgO") or in weight percent
// after a leading '%' ("% 1.0 K2O  11.0 LOI"). `aka`, `akacode`, `code` and
// `mapto` are other names of a material; a value that starts with '|' is
// one more line of a text (`note`, `var`).
class GlazeChemReader {
public:
    static ImportedFile read(std::string_view text);
    // The entries of a formula as written; throws ImportError (at `line`)
    // for a coefficient with no oxide after it or a malformed number.
    static void readFormula(std::string_view formula, int line, ImportedMaterial& material);
};

} // namespace kelvora
