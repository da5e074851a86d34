// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ImportText.h"

#include <charconv>

namespace kelvora {

namespace {
// Length of the blank at text[i] (ASCII blank or a no-break space), 0 when none.
std::size_t blankAt(std::string_view text, std::size_t i) {
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n') return 1;
    if (text.substr(i, 2) == "\xC2\xA0") return 2;
    if (text.substr(i, 3) == "\xE2\x80\x87" || text.substr(i, 3) == "\xE2\x80\xAF") return 3;
    return 0;
}
} // namespace

std::string ImportText::trim(std::string_view text) {
    std::string out;
    std::size_t pending = 0; // blanks seen since the last other character
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t n = blankAt(text, i)) {
            if (!out.empty()) ++pending;
            // Keep tabs inside a line: they separate columns.
            if (!out.empty() && text[i] == '\t') pending = std::string::npos;
            i += n;
            continue;
        }
        if (pending == std::string::npos)
            out += '\t';
        else
            out.append(pending, ' ');
        pending = 0;
        out += text[i++];
    }
    return out;
}

std::vector<std::string_view> ImportText::lines(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            if (start < text.size()) out.push_back(text.substr(start));
            break;
        }
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

std::vector<std::string> ImportText::words(std::string_view text) {
    std::vector<std::string> out;
    std::string word;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t n = blankAt(text, i)) {
            if (!word.empty()) out.push_back(std::move(word));
            word.clear();
            i += n;
        } else {
            word += text[i++];
        }
    }
    if (!word.empty()) out.push_back(std::move(word));
    return out;
}

std::string ImportText::lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool ImportText::startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && lowerAscii(text.substr(0, prefix.size())) == lowerAscii(prefix);
}

void ImportText::appendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string ImportText::decodeEntities(std::string_view text) {
    struct Named {
        std::string_view name;
        unsigned cp;
    };
    static constexpr Named kNamed[] = {{"amp", '&'},     {"lt", '<'},       {"gt", '>'},
                                       {"quot", '"'},    {"apos", '\''},    {"nbsp", 0xA0},
                                       {"frac12", 0xBD}, {"frac14", 0xBC},  {"frac34", 0xBE},
                                       {"deg", 0xB0},    {"rsquo", 0x2019}, {"ndash", 0x2013}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t semi = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (semi == std::string_view::npos || semi - i > 10) {
            out += text[i];
            continue;
        }
        const std::string_view ref = text.substr(i + 1, semi - i - 1);
        unsigned cp = 0;
        bool known = false;
        if (ref.size() > 1 && ref[0] == '#') {
            const bool hex = ref[1] == 'x' || ref[1] == 'X';
            const std::string_view digits = ref.substr(hex ? 2 : 1);
            const auto [end, ec] =
                std::from_chars(digits.data(), digits.data() + digits.size(), cp, hex ? 16 : 10);
            known = ec == std::errc() && end == digits.data() + digits.size() && !digits.empty() && cp > 0 &&
                    cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
        } else {
            for (const Named& n : kNamed)
                if (ref == n.name) {
                    cp = n.cp;
                    known = true;
                }
        }
        if (!known) {
            out += text[i];
            continue;
        }
        appendUtf8(out, cp);
        i = semi;
    }
    return out;
}

int ImportText::lineOf(std::string_view text, std::size_t offset) {
    int line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i)
        if (text[i] == '\n') ++line;
    return line;
}

} // namespace kelvora
