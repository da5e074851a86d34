// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ImportError.h"

#include "common/Translate.h"

namespace kelvora {

std::string ImportError::place(int line, const std::string& recipe) {
    if (line > 0 && !recipe.empty())
        return fillIn(translate("Import", "regel %1 (recept '%2')"), {std::to_string(line), recipe});
    if (line > 0) return fillIn(translate("Import", "regel %1"), {std::to_string(line)});
    if (!recipe.empty()) return fillIn(translate("Import", "(recept '%1')"), {recipe});
    return {};
}

ImportError ImportError::at(int line, const std::string& recipe, const std::string& what) {
    const std::string where = place(line, recipe);
    return ImportError(where.empty() ? what : fillIn(translate("Import", "%1: %2"), {where, what}));
}

} // namespace kelvora
