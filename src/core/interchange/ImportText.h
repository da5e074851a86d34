// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// Small text helpers every reader shares; the text is UTF-8 with "\n" line
// ends (TextDecoder made it so).
class ImportText {
public:
    // Blanks, tabs and no-break spaces (U+00A0, U+2007, U+202F) removed from
    // both ends; no-break spaces inside become plain spaces.
    static std::string trim(std::string_view text);
    // The lines of a text, without their "\n"; line i is number i + 1.
    static std::vector<std::string_view> lines(std::string_view text);
    // The text split at blanks (spaces, tabs, no-break spaces), without empty parts.
    static std::vector<std::string> words(std::string_view text);
    static std::string lowerAscii(std::string_view text);
    static bool startsWithNoCase(std::string_view text, std::string_view prefix);
    // HTML character references (&amp; &lt; &gt; &quot; &apos; &nbsp; &frac12;
    // and the numeric ones) replaced by their characters; anything else stays.
    static std::string decodeEntities(std::string_view text);
    // One code point as UTF-8.
    static void appendUtf8(std::string& out, unsigned codePoint);
    // The line (1-based) of a byte offset.
    static int lineOf(std::string_view text, std::size_t offset);
};

} // namespace kelvora
