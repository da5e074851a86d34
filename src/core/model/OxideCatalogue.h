// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace kelvora {

enum class OxideGroup { Basic, Neutral, Acid };

struct Oxide {
    int position;          // 1..33
    std::string_view stem; // field name of the molar value
    std::string_view label;
    OxideGroup group;
    // The materials field holding the weight percentage: the stem plus "proc".
    std::string percentField() const { return std::string(stem) + "proc"; }
};

// The fixed, ordered list of oxides every chemical quantity is expressed over.
class OxideCatalogue {
public:
    static constexpr int count = 33;
    static std::span<const Oxide> all();
    // Position 1..33; throws std::out_of_range outside that.
    static const Oxide& at(int position);
    // The entry for a field stem, or nullptr.
    static const Oxide* byStem(std::string_view stem);
    // The entries of one group, in catalogue order (contiguous).
    static std::span<const Oxide> group(OxideGroup group);
    // "Basen", "Neutraal", "Zuren": shown through translate("Oxides", ...).
    static const char* groupHeading(OxideGroup group);
};

} // namespace kelvora
