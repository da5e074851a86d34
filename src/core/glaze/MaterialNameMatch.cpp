// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/MaterialNameMatch.h"

#include <algorithm>

namespace kelvora {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

} // namespace

std::optional<std::string> matchMaterialName(std::string_view typed, const std::vector<std::string>& names) {
    const std::string_view wanted = trimmed(typed);
    if (wanted.empty()) return std::nullopt;
    if (std::find(names.begin(), names.end(), wanted) != names.end()) return std::string(wanted);
    const std::string* found = nullptr;
    for (const auto& name : names) {
        if (!equalIgnoringCase(name, wanted)) continue;
        // The same name twice (two rows) is still one material name.
        if (found && *found != name) return std::nullopt;
        found = &name;
    }
    if (!found) return std::nullopt;
    return *found;
}

} // namespace kelvora
