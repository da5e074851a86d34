// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <pugixml.hpp>

#include <cstddef>
#include <optional>
#include <string>

namespace kelvora {

// Strict reading of the chemistry data files: a number must be a whole,
// finite number ("abc", "1,5", "nan" and "inf" are not), and a fault is told
// with the line of the element it sits in, so the user can find it.
class DataFileReader {
public:
    // The largest data file read: far above any table of oxides or limits.
    static constexpr std::size_t maxBytes = 4u << 20;
    // Reads and parses the file at `path` into `doc`, opening it without
    // blocking and only when it is a regular file (a FIFO or a device in the
    // data folder is refused, never waited on). Empty on success, otherwise
    // why not, in Dutch ("niet te lezen: ...").
    static std::string parse(pugi::xml_document& doc, const std::string& path);
    // The attribute as a finite number; nothing when absent or not such a number.
    static std::optional<double> number(const pugi::xml_attribute& attribute);
    // " regel N" for an element of the file at `path` (1-based), or "" when
    // the file cannot be read again.
    static std::string lineOf(const std::string& path, const pugi::xml_node& node);
};

} // namespace kelvora
