// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace kelvora::utf8 {

// Number of code points; a byte that does not start a sequence counts as one.
std::size_t length(std::string_view text);
// The first `count` code points of `text`, never splitting a sequence.
std::string_view prefix(std::string_view text, std::size_t count);
// True when `text` is well-formed UTF-8.
bool isValid(std::string_view text);
// `text` without leading and trailing blanks (spaces and control characters).
std::string_view trim(std::string_view text);
// Upper-case ASCII letters only.
std::string upperAscii(std::string_view text);
bool equalsIgnoreCaseAscii(std::string_view a, std::string_view b);

} // namespace kelvora::utf8
