// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RecordNames.h"

#include "common/Utf8.h"

namespace kelvora {

bool RecordNames::same(std::string_view a, std::string_view b) {
    return utf8::equalsIgnoreCaseAscii(utf8::trim(a), utf8::trim(b));
}

bool RecordNames::taken(std::string_view name, const std::vector<std::string>& names) {
    for (const auto& other : names)
        if (same(name, other)) return true;
    return false;
}

std::string RecordNames::unique(const std::string& proposal, const std::vector<std::string>& names) {
    const std::string base(utf8::trim(proposal));
    const std::string shortened(utf8::trim(utf8::prefix(base, width)));
    if (!taken(shortened, names)) return shortened;
    for (int n = 2;; ++n) {
        const std::string suffix = " (" + std::to_string(n) + ")";
        const std::string stem(utf8::trim(utf8::prefix(base, width - suffix.size())));
        const std::string candidate = stem + suffix;
        if (!taken(candidate, names)) return candidate;
    }
}

} // namespace kelvora
