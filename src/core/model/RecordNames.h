// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// Names of glazes and materials as a potter tells them apart: "Seladon",
// "seladon" and " Seladon " are one name. The lookups of the calculation
// still compare exactly; this is for refusing or questioning a second
// record that would be taken for the first.
struct RecordNames {
    // A name is stored at most this many characters wide.
    static constexpr std::size_t width = 40;

    static bool same(std::string_view a, std::string_view b);
    static bool taken(std::string_view name, const std::vector<std::string>& names);
    // `proposal` (without blanks around it, cut to the width) when no name of
    // `names` is the same; otherwise numbered " (2)", " (3)" and on, cut
    // further where the number would not fit, until it is free.
    static std::string unique(const std::string& proposal, const std::vector<std::string>& names);
};

} // namespace kelvora
