// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/NameKey.h"

namespace kelvora {

namespace {
bool asciiWordCharacter(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The name without its parenthesised parts; the name itself when nothing
// else would be left.
std::string withoutParentheses(std::string_view name) {
    std::string kept;
    int depth = 0;
    for (char c : name) {
        if (c == '(') ++depth;
        if (depth == 0) kept += c;
        if (c == ')' && depth > 0) --depth;
    }
    for (unsigned char c : kept)
        if (asciiWordCharacter(c) || c >= 0x80) return kept;
    return std::string(name);
}
} // namespace

std::string NameKey::of(std::string_view name) {
    const std::string text = withoutParentheses(name);
    std::string key;
    bool blank = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\'') continue;
        // U+2019 (right single quote) is an apostrophe too; U+00A0 a blank.
        if (c == 0xE2 && text.compare(i, 3, "\xE2\x80\x99") == 0) {
            i += 2;
            continue;
        }
        bool isBlank = c < 0x80 && !asciiWordCharacter(c);
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA0) {
            isBlank = true;
            ++i;
        }
        if (isBlank) {
            blank = !key.empty();
            continue;
        }
        if (blank) key += ' ';
        blank = false;
        key += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return key;
}

} // namespace kelvora
