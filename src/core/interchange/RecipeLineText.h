// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// One recipe line written as text: "Custer Feldspar 50", "20 G-200 Feldspar",
// "32% Custer Feldspar", "+4 Tin Oxide", "Gerstley Borate<TAB>50.00<TAB>50.00",
// "Silica .......... 22,5", "Bentonite* 3.00". The amount may stand first or
// last; a line with a number at both ends ("20 Ferro Frit 3134") keeps both
// readings for the caller to choose by the lines around it.
struct RecipeLineText {
    bool plus = false;   // written with a leading '+': an addition
    bool marked = false; // a footnote mark '*' followed the name or the amount
    // The readings: the amount at the start with the name after it, and the
    // amount at the end with the name before it. Tab columns give one reading
    // (as `first`).
    std::optional<double> firstAmount, lastAmount;
    std::string nameAfterFirst, nameBeforeLast;
    // The name when the line has no amount at either end.
    std::string name;
    // Why the line cannot be read as it stands: a range, a malformed number,
    // no amount; empty otherwise.
    std::string unsettled;
    bool hasDigit = false; // the line holds a digit somewhere

    // The `unsettled` text of a line with no number at either end.
    static constexpr const char* kNoAmount = "geen hoeveelheid";

    static RecipeLineText parse(std::string_view line);
    bool hasAmount() const { return firstAmount || lastAmount; }
    bool ambiguous() const { return firstAmount && lastAmount; }
};

} // namespace kelvora
