// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string_view>

namespace kelvora {

// Amounts as recipes write them: "12.5", "12,5", ".5", "32%", "+4".
class AmountText {
public:
    // The amount, when the text is one: digits with at most one decimal
    // point or comma, an optional leading '+' and an optional trailing '%'.
    // Nothing for anything else, including a negative amount.
    static std::optional<double> parse(std::string_view text);
    // Whether the text is meant as a number but is not one ("12,5,3", "1.2.3"):
    // only digits, points and commas, with at least one digit.
    static bool looksNumeric(std::string_view text);
    // Whether the text gives a range ("1-4", "1–4", "0.5-2%").
    static bool isRange(std::string_view text);
};

} // namespace kelvora
