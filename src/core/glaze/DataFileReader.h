// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <pugixml.hpp>

#include <optional>
#include <string>

namespace kelvora {

// Strict reading of the chemistry data files: a number must be a whole,
// finite number ("abc", "1,5", "nan" and "inf" are not), and a fault is told
// with the line of the element it sits in, so the user can find it.
class DataFileReader {
public:
    // The attribute as a finite number; nothing when absent or not such a number.
    static std::optional<double> number(const pugi::xml_attribute& attribute);
    // " regel N" for an element of the file at `path` (1-based), or "" when
    // the file cannot be read again.
    static std::string lineOf(const std::string& path, const pugi::xml_node& node);
};

} // namespace kelvora
