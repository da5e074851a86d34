// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DateText.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <vector>

namespace kelvora {

namespace {

struct Token {
    std::string text;
    bool number = false;
};

// Splits at every character that is neither a letter nor a digit.
std::vector<Token> tokens(std::string_view text) {
    std::vector<Token> out;
    Token current;
    auto flush = [&] {
        if (!current.text.empty()) out.push_back(current);
        current = {};
    };
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        const bool digit = std::isdigit(u) != 0;
        const bool letter = std::isalpha(u) != 0;
        if (!digit && !letter) {
            flush();
            continue;
        }
        if (!current.text.empty() && current.number != digit) flush();
        current.number = digit;
        current.text.push_back(static_cast<char>(std::tolower(u)));
    }
    flush();
    return out;
}

// A month by its Dutch or English name or abbreviation; 0 for anything else.
int monthByName(const std::string& word) {
    if (word.size() < 3) return 0;
    struct Name {
        const char* stem;
        int month;
    };
    static constexpr std::array<Name, 15> names{{{"jan", 1},
                                                 {"feb", 2},
                                                 {"maa", 3},
                                                 {"mrt", 3},
                                                 {"mar", 3},
                                                 {"apr", 4},
                                                 {"mei", 5},
                                                 {"may", 5},
                                                 {"jun", 6},
                                                 {"jul", 7},
                                                 {"aug", 8},
                                                 {"sep", 9},
                                                 {"okt", 10},
                                                 {"oct", 10},
                                                 {"nov", 11}}};
    if (word.compare(0, 3, "dec") == 0) return 12;
    for (const Name& name : names)
        if (word.compare(0, 3, name.stem) == 0) return name.month;
    return 0;
}

int numberOf(const std::string& digits) {
    if (digits.empty() || digits.size() > 4) return -1;
    return std::stoi(digits);
}

bool leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool exists(int year, int month, int day) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1) return false;
    const int last = days[static_cast<std::size_t>(month - 1)] + (month == 2 && leap(year) ? 1 : 0);
    return day <= last;
}

// A year of four digits, two (1970-2069) or three (the first digits of a
// year the field cut off).
std::optional<DateText> withYear(const std::string& digits, int month, int day) {
    DateText date;
    date.month = month;
    date.day = day;
    const int value = numberOf(digits);
    if (value < 0) return std::nullopt;
    switch (digits.size()) {
    case 4:
        date.year = value;
        break;
    case 3:
        date.year = value * 10;
        date.yearCut = true;
        break;
    case 2:
        date.year = value < 70 ? 2000 + value : 1900 + value;
        break;
    default:
        return std::nullopt;
    }
    // A cut year's February the 29th may have been a leap day.
    if (!exists(date.yearCut && month == 2 && day == 29 ? 2000 : date.year, month, day)) return std::nullopt;
    return date;
}

} // namespace

std::string DateText::format(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", day, month, year);
    return text;
}

std::string DateText::text() const {
    if (!yearCut) return format(year, month, day);
    std::string shown = format(year, month, day);
    shown.back() = '?';
    return shown;
}

std::string DateText::sortKey() const {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::optional<DateText> DateText::read(std::string_view stored) {
    const std::vector<Token> t = tokens(stored);
    if (t.size() != 3) return std::nullopt;
    // Year first: 2026-12-10.
    if (t[0].number && t[0].text.size() == 4 && t[1].number && t[2].number)
        return withYear(t[0].text, numberOf(t[1].text), numberOf(t[2].text));
    if (!t[0].number || !t[2].number) {
        // "Dec 10, 2026": the month named first.
        if (!t[0].number && t[1].number && t[2].number && monthByName(t[0].text))
            return withYear(t[2].text, monthByName(t[0].text), numberOf(t[1].text));
        return std::nullopt;
    }
    const int day = numberOf(t[0].text);
    if (!t[1].number) {
        const int month = monthByName(t[1].text);
        return month ? withYear(t[2].text, month, day) : std::nullopt;
    }
    const int month = numberOf(t[1].text);
    if (month > 12 && day <= 12) return withYear(t[2].text, day, month);
    return withYear(t[2].text, month, day);
}

std::string DateText::shown(std::string_view stored) {
    const auto date = read(stored);
    return date ? date->text() : std::string(stored);
}

} // namespace kelvora
