// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

class View;

// Names that say the same to a potter: blanks around them and upper and
// lower case (ASCII letters) aside, "Seladon" and " seladon " are one name.
struct NameClash {
    static bool sameName(std::string_view a, std::string_view b);
    // The name, as stored, of another row of `view` than the current one
    // whose `field` holds the same name as `name`; nothing when none does or
    // `name` is blank.
    static std::optional<std::string> otherRowNamed(const View& view, std::string_view field,
                                                    std::string_view name);
    // Whether a post of the current row gives it a name that is new to it:
    // a new row, or an edit whose key changed (blanks and case aside).
    static bool nameIsNew(const View& view, std::string_view field);
};

} // namespace kelvora
