// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// A day of the calendar as the notebook stores it: "dd-mm-jjjj", the same
// fixed numeric form whatever the user's locale.
struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;

    // "dd-mm-jjjj" (also with '/' or '.', and one-digit day or month) or
    // "jjjj-mm-dd"; nothing for a day that does not exist or a year outside
    // 1900..2999.
    static std::optional<CalendarDate> parse(std::string_view text);
    // The local date of today.
    static CalendarDate today();
    std::string text() const; // "dd-mm-jjjj"
    // A number that orders dates: jjjjmmdd.
    int key() const { return year * 10000 + month * 100 + day; }
    bool operator==(const CalendarDate&) const = default;
};

} // namespace kelvora
