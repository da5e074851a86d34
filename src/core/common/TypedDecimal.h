// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace kelvora::numfmt {

// A number as the user typed it into a number field, made ready for the
// strict parse in the user's locale: a text that holds exactly one decimal
// point or one decimal comma (and no other '.' or ',') gets the locale's
// separator in its place, so "1.5" and "1,5" both read as one and a half
// whichever separator the locale uses. Any other text is returned unchanged,
// so the parse refuses it as before ("1.000,5", "1,5,0").
std::string withLocaleDecimal(std::string_view typed, char localeSeparator);
// Same with the separator the program uses (numfmt::decimalSeparator()).
std::string withLocaleDecimal(std::string_view typed);

} // namespace kelvora::numfmt
