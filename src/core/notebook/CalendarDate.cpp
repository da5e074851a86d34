// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/CalendarDate.h"

#include "common/DateText.h"
#include "notebook/NotebookText.h"

#include <array>
#include <ctime>

namespace kelvora {

namespace {

bool leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysIn(int month, int year) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leap(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

// Up to `maxDigits` digits; -1 when there are none or more.
int digits(std::string_view part, std::size_t maxDigits) {
    if (part.empty() || part.size() > maxDigits) return -1;
    int value = 0;
    for (const char c : part) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<CalendarDate> CalendarDate::parse(std::string_view text) {
    text = notebook::trimmed(text);
    std::array<std::string_view, 3> parts;
    std::size_t count = 0;
    char separator = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '-' && text[i] != '/' && text[i] != '.') continue;
        if (i < text.size()) {
            if (separator && text[i] != separator) return std::nullopt;
            separator = text[i];
        }
        if (count == parts.size()) return std::nullopt;
        parts[count++] = text.substr(start, i - start);
        start = i + 1;
    }
    if (count != 3) return std::nullopt;
    CalendarDate d;
    if (parts[0].size() == 4) { // jjjj-mm-dd
        d = {digits(parts[0], 4), digits(parts[1], 2), digits(parts[2], 2)};
    } else {
        if (parts[2].size() != 4) return std::nullopt;
        d = {digits(parts[2], 4), digits(parts[1], 2), digits(parts[0], 2)};
    }
    if (d.year < 1900 || d.year > 2999 || d.month < 1 || d.month > 12 || d.day < 1 ||
        d.day > daysIn(d.month, d.year))
        return std::nullopt;
    return d;
}

CalendarDate CalendarDate::today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string CalendarDate::text() const {
    return DateText::format(year, month, day);
}

} // namespace kelvora
