// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora::notebook {

// A number as a user typed it, with '.' or ',' as decimal separator;
// nothing for anything else (blank, text, not finite).
std::optional<double> typedNumber(std::string_view text);
// A number inside a memo field: the shortest text that reads back the same,
// with '.', whatever the locale.
std::string storedNumber(double value);
std::optional<double> storedNumberFrom(std::string_view text);

// Lines of tab-separated fields inside a memo. Tabs, line ends and
// backslashes in a field are escaped, so that any text survives.
std::string escapeField(std::string_view text);
std::string unescapeField(std::string_view text);

// `text` without the characters of `blanks` at either end.
std::string_view trimmed(std::string_view text, std::string_view blanks = " \t\r");
// Trimmed of blanks and in ASCII lower case, for comparing what was typed.
std::string lowered(std::string_view text);
// The parts between the separators (none dropped: "a,,b" has three).
std::vector<std::string_view> split(std::string_view text, char separator);

} // namespace kelvora::notebook
