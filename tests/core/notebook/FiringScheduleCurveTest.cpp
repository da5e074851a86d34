// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule as the firings window edits and plots it: table rows read
// into steps, steps shown as rows, and the course of temperature over time.
#include "notebook/FiringSchedule.h"
#include "notebook/NotebookError.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

void expectCurve(const std::vector<SchedulePoint>& got, const std::vector<SchedulePoint>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(got[i].hours, want[i].hours, 1e-9);
        EXPECT_DOUBLE_EQ(got[i].celsius, want[i].celsius);
    }
}

TEST(FiringScheduleCurveTest, AScheduleRunsFromRoomTemperature) {
    // 20 -> 600 at 100/h: 5.8 h; -> 1000 at 150/h: 400/150 h; hold 10 min;
    // -> 1222 over 2 h; hold 15 min; down to 900 at 100/h: 3.22 h.
    const auto steps = FiringSchedule::parse("100:600:0, 150:1000:10, 2h00:1222:15, 100:900");
    const double at1000 = 5.8 + 400.0 / 150.0;
    expectCurve(FiringSchedule::curve(steps), {{0, 20},
                                               {5.8, 600},
                                               {at1000, 1000},
                                               {at1000 + 10.0 / 60, 1000},
                                               {at1000 + 10.0 / 60 + 2, 1222},
                                               {at1000 + 10.0 / 60 + 2.25, 1222},
                                               {at1000 + 10.0 / 60 + 2.25 + 3.22, 900}});
    // A kiln that is still warm starts higher; no steps draw nothing.
    expectCurve(FiringSchedule::curve(FiringSchedule::parse("50:100:30"), 60),
                {{0, 60}, {0.8, 100}, {1.3, 100}});
    EXPECT_TRUE(FiringSchedule::curve(std::vector<ScheduleStep>{}).empty());
}

TEST(FiringScheduleCurveTest, ALogIsPlottedInHours) {
    expectCurve(FiringSchedule::curve(KilnLog::parse("0:00\t20\n1:30\t455\n2:00:36\t600\n")),
                {{0, 20}, {1.5, 455}, {2.01, 600}});
}

TEST(FiringScheduleCurveTest, TableRowsAreReadAsSteps) {
    struct Case {
        FiringSchedule::Cells cells;
        ScheduleStep step;
    };
    const std::vector<Case> cases{
        {{"100", "600", "0"}, {100, 0, 600, 0}},
        {{"2:30", "1000", "10"}, {0, 150, 1000, 10}},
        {{"1h45", "1050C", ""}, {0, 105, 1050, 0}},
        {{"180F", "1832F", "10"}, {100, 0, 1000, 10}}, // (1832 - 32) * 5/9 and 180 * 5/9
        {{" 55,5 ", "600,5", "2,5"}, {55.5, 0, 600.5, 2.5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cells[0] + " " + c.cells[1]);
        const auto steps = FiringSchedule::fromCells({c.cells});
        ASSERT_EQ(steps.size(), 1u);
        EXPECT_EQ(steps[0], c.step);
        EXPECT_EQ(FiringSchedule::fromCells({FiringSchedule::cells(steps[0], ',')}), steps)
            << "row read back";
    }
    EXPECT_EQ(FiringSchedule::cells({0, 150, 1000, 10}), (FiringSchedule::Cells{"2:30", "1000", "10"}));
    EXPECT_EQ(FiringSchedule::cells({55.5, 0, 600, 0}, ','), (FiringSchedule::Cells{"55,5", "600", "0"}));
    EXPECT_EQ(FiringSchedule::fromCells({{"100", "600", ""}, {"", " ", ""}, {"150", "1000", ""}}).size(), 2u)
        << "a blank row is passed over";
}

TEST(FiringScheduleCurveTest, AWrongRowIsNamedByItsPlaceInTheTable) {
    struct Case {
        std::vector<FiringSchedule::Cells> rows;
        const char* says;
    };
    const std::vector<Case> cases{
        {{{"100", "600", ""}, {"", "", ""}, {"snel", "1000", ""}}, "Stap 3"},
        {{{"100", "", ""}}, "Stap 1"},
        {{{"100", "600:700", ""}}, "600:700"},
        {{{"100", "600;700", ""}}, "Stap 1"},
        {{{"1:2:3", "600", ""}}, "Stap 1"},
        {{{"100", "1700", ""}}, "doeltemperatuur"},
        {{{"2:75", "600", ""}}, "Stap 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        try {
            FiringSchedule::fromCells(c.rows);
            ADD_FAILURE() << "accepted";
        } catch (const NotebookError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace kelvora::test
