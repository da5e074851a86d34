// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace kelvora {

// Numbers in exported files: always '.' as decimal point (files are read on
// machines with any locale), no exponent, no trailing zeros, so that a typed
// 40 stays "40". Not finite and -0 are written as 0.
class ExportNumber {
public:
    // Twelve significant digits: a recipe amount read back calculates to the
    // same formula within 1e-12 of each oxide, and a stored 17.999999999999996
    // reads as the 18 the potter typed.
    static std::string amount(double value);
    // Nine significant digits: analyses, which other tools only show.
    static std::string text(double value);

private:
    static std::string significant(double value, int digits);
};

} // namespace kelvora
