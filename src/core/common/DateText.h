// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// A glaze's date as it is stored: one fixed numeric form, "dd-mm-jjjj",
// whatever the user's locale, which fits the ten characters of the field.
// Older files hold the date as the locale of the day wrote it ("10-12-2026",
// "10.12.2026", "10/12/26", "2026-12-10", "10-dec-2026", and English
// "10 Dec 202" whose last digit of the year the field cut off); they are
// read back for showing and comparing, and never rewritten behind the
// user's back.
struct DateText {
    int year = 0;
    int month = 0;
    int day = 0;
    // Only the first three digits of the year survived in the stored text:
    // `year` is then the first year of that decade.
    bool yearCut = false;

    // "dd-mm-jjjj"; a cut year shows its lost digit as "?".
    std::string text() const;
    // "jjjj-mm-dd": sorts in time order.
    std::string sortKey() const;

    static std::string format(int year, int month, int day);
    // The date a stored text holds in the fixed form or an older locale
    // form; nothing for any other text or for a day that does not exist.
    // Where day and month could be either way round ("04/05/2026") the day
    // comes first, as in the Dutch forms; a middle number over 12 is a day
    // (the American month-first form).
    static std::optional<DateText> read(std::string_view stored);
    // How a stored date is shown: the fixed form when it reads as a date,
    // else the stored text as it is.
    static std::string shown(std::string_view stored);
};

} // namespace kelvora
