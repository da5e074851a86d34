// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Utf8.h"

namespace kelvora::utf8 {

namespace {
bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Byte length of the sequence that starts at text[i], or 1 for a stray byte.
std::size_t sequenceLength(std::string_view text, std::size_t i) {
    auto c = static_cast<unsigned char>(text[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    if (i + n > text.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if (!isContinuation(static_cast<unsigned char>(text[i + k]))) return 1;
    return n;
}
} // namespace

std::size_t length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += sequenceLength(text, i))
        ++count;
    return count;
}

std::string_view prefix(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < count && i < text.size(); ++n)
        i += sequenceLength(text, i);
    return text.substr(0, i);
}

bool isValid(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        std::size_t n = sequenceLength(text, i);
        if (n == 1 && c >= 0x80) return false;
        if (n == 2 && c < 0xC2) return false; // overlong
        if (n == 3) {
            auto c1 = static_cast<unsigned char>(text[i + 1]);
            if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 >= 0xA0)) return false;
        }
        if (n == 4) {
            auto c1 = static_cast<unsigned char>(text[i + 1]);
            if (c > 0xF4 || (c == 0xF0 && c1 < 0x90) || (c == 0xF4 && c1 >= 0x90)) return false;
        }
        i += n;
    }
    return true;
}

std::string_view trim(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ')
        --e;
    return text.substr(b, e - b);
}

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool equalsIgnoreCaseAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

} // namespace kelvora::utf8
