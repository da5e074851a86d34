// SPDX-License-Identifier: GPL-3.0-or-later
// A glaze's date: written in one fixed form, and read back from the forms
// older files hold, as the locales of the day wrote them.
#include "common/DateText.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

TEST(DateTextTest, WritesOneFixedFormThatFitsTheField) {
    EXPECT_EQ(DateText::format(2026, 12, 10), "10-12-2026");
    EXPECT_EQ(DateText::format(2027, 1, 5), "05-01-2027");
    EXPECT_EQ(DateText::format(2026, 12, 10).size(), 10u);
}

TEST(DateTextTest, ReadsTheOlderLocaleFormsBack) {
    struct Case {
        const char* stored; // as a locale's short or medium format left it in the field
        const char* shown;
        const char* sortKey;
    };
    const Case cases[] = {
        {"10-12-2026", "10-12-2026", "2026-12-10"},  // the fixed form itself (nl_NL)
        {"10-12-26", "10-12-2026", "2026-12-10"},    // nl_NL short, two-digit year
        {"10.12.2026", "10-12-2026", "2026-12-10"},  // de_DE
        {"10.12.26", "10-12-2026", "2026-12-10"},    // de_DE, two-digit year
        {"10/12/2026", "10-12-2026", "2026-12-10"},  // en_GB, fr_FR
        {"2026-12-10", "10-12-2026", "2026-12-10"},  // sv_SE, ISO
        {"12/25/26", "25-12-2026", "2026-12-25"},    // en_US: a middle number over 12 is the day
        {"10-dec-2026", "10-12-2026", "2026-12-10"}, // Dutch month abbreviation
        {"5 mrt 2026", "05-03-2026", "2026-03-05"},  // Dutch March
        {"1 okt. 2026", "01-10-2026", "2026-10-01"}, // abbreviation with its full stop
        {"Dec 10, 2026", "10-12-2026", "2026-12-10"},
        {"10 Dec 202", "10-12-202?", "2020-12-10"}, // English medium form cut to ten characters
        {"29-02-2024", "29-02-2024", "2024-02-29"}, // a leap day
        {"03-04-99", "03-04-1999", "1999-04-03"},   // a year of the last century
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        const auto date = DateText::read(c.stored);
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(date->text(), c.shown);
        EXPECT_EQ(date->sortKey(), c.sortKey);
        EXPECT_EQ(DateText::shown(c.stored), c.shown);
        // What is written again reads back as the same day.
        if (!date->yearCut) {
            const auto again = DateText::read(DateText::format(date->year, date->month, date->day));
            ASSERT_TRUE(again.has_value());
            EXPECT_EQ(again->sortKey(), c.sortKey);
        }
    }
}

TEST(DateTextTest, LeavesWhatIsNoDateAsItIs) {
    for (const char* stored : {"", "gisteren", "31-02-2026", "29-02-2025", "13-13-2026", "00-12-2026",
                               "10-12", "10-12-2026-1", "10 Foo 2026", "10-12-20261"}) {
        SCOPED_TRACE(stored);
        EXPECT_FALSE(DateText::read(stored).has_value());
        EXPECT_EQ(DateText::shown(stored), stored);
    }
}

} // namespace
} // namespace kelvora::test
