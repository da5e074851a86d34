// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ImportError.h"

namespace kelvora {

std::string ImportError::place(int line, const std::string& recipe) {
    std::string text;
    if (line > 0) text = "regel " + std::to_string(line);
    if (!recipe.empty()) text += (text.empty() ? "" : " ") + std::string("(recept '") + recipe + "')";
    return text;
}

ImportError ImportError::at(int line, const std::string& recipe, const std::string& what) {
    const std::string where = place(line, recipe);
    return ImportError(where.empty() ? what : where + ": " + what);
}

} // namespace kelvora
