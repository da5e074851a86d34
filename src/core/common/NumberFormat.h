// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kelvora::numfmt {

// The decimal separator of the user's locale. The program reads it once at
// start-up and hands it here; the default is '.', as under LC_ALL=C.
char decimalSeparator();
void setDecimalSeparator(char separator);
// Sets the separator from the C library's current numeric locale (command line).
void useSeparatorOfEnvironment();

// General form of a float: up to 15 significant digits, no trailing zeros,
// exponent as "E-5" when the number is very small or very large.
std::string floatText(double value);

// Strict parse in the user's locale: optional blanks around an optional sign,
// digits with at most one decimal separator, an optional exponent. Anything
// else, and any value that is not finite, gives nothing.
std::optional<double> parseFloat(std::string_view text);
// Same for integers that fit in 32 bits (decimal digits only).
std::optional<long> parseInteger(std::string_view text);

// Display formats of the "#0.###" kind: digits before the point give the
// minimum integer digits ('0'), digits after it give required ('0') and
// optional ('#') decimals. Halves round away from zero, as a person would.
std::string formatPattern(double value, std::string_view pattern);

// "%W.Pf": fixed with P decimals, right-aligned in W characters.
std::string formatFixed(double value, int decimals, int width = 0);

// Rounds to `decimals` places on the value's 15-digit decimal form, halves
// away from zero; returns digits with '.' as separator.
std::string roundedDecimal(double value, int decimals);

} // namespace kelvora::numfmt
