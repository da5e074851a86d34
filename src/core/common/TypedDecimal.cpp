// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TypedDecimal.h"

#include "common/NumberFormat.h"

namespace kelvora::numfmt {

std::string withLocaleDecimal(std::string_view typed, char localeSeparator) {
    std::string text(typed);
    std::size_t separators = 0;
    std::size_t at = std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '.' || text[i] == ',') {
            ++separators;
            at = i;
        }
    }
    if (separators == 1) text[at] = localeSeparator;
    return text;
}

std::string withLocaleDecimal(std::string_view typed) {
    return withLocaleDecimal(typed, decimalSeparator());
}

} // namespace kelvora::numfmt
