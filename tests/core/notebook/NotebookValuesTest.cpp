// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/CalendarDate.h"
#include "notebook/Choices.h"
#include "notebook/FiringSchedule.h"
#include "notebook/FrozenRecipe.h"
#include "notebook/KilnLog.h"
#include "notebook/NotebookError.h"
#include "notebook/NotebookRules.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

TEST(FiringScheduleTest, StepsAreReadInCelsiusWithFahrenheitConverted) {
    struct Case {
        const char* text;
        std::vector<ScheduleStep> steps;
    };
    // °F to °C: (F - 32) * 5/9 for a temperature, F * 5/9 for a rate.
    const std::vector<Case> cases{
        {"100:600:0, 150:1220:15", {{100, 0, 600, 0}, {150, 0, 1220, 15}}},
        {"180F:1832F:10", {{100, 0, 1000, 10}}},
        {"90f:212F", {{50, 0, 100, 0}}},
        {"300F:1800F:0", {{166.7, 0, 982.2, 0}}}, // rounded to one decimal
        {"2h30:1000:10;0h45:1050C", {{0, 150, 1000, 10}, {0, 45, 1050, 0}}},
        {"100:600\n150:1000:5\n", {{100, 0, 600, 0}, {150, 0, 1000, 5}}},
        {"  ", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto steps = FiringSchedule::parse(c.text);
        EXPECT_EQ(steps, c.steps);
        EXPECT_EQ(FiringSchedule::parse(FiringSchedule::text(steps)), steps) << FiringSchedule::text(steps);
    }
    EXPECT_EQ(FiringSchedule::text({{100, 0, 600, 0}, {0, 150, 1000, 10}}), "100:600:0,2h30:1000:10");
}

TEST(FiringScheduleTest, AStepThatCannotBeMeantIsRefusedByNumber) {
    struct Case {
        const char* text;
        const char* says;
    };
    const std::vector<Case> cases{
        {"100", "Stap 1"},
        {"100:600:0,fast:900", "Stap 2"},
        {"0:600", "snelheid"},
        {"-50:600", "snelheid"},
        {"100:1700", "doeltemperatuur"},
        {"100:3000F", "doeltemperatuur"},
        {"100:nan", "geen temperatuur"},
        {"100:600:-5", "houdtijd"},
        {"100:600:1:2", "Stap 1"},
        {"0h00:600", "duur"},
        {"1e400:600", "snelheid"},
        {"100:inf", "temperatuur"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            FiringSchedule::parse(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const NotebookError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
    std::string many;
    for (int i = 0; i < 41; ++i)
        many += "100:600,";
    EXPECT_THROW(FiringSchedule::parse(many), NotebookError);
}

TEST(KilnLogTest, PastedAndControllerLogsAreRead) {
    // A spreadsheet paste: tabs, decimal comma, a note.
    const auto pasted = KilnLog::parse("tijd\ttemp\topmerking\n0:00\t20\n1:30\t455,5\tdeksel dicht\n");
    EXPECT_EQ(pasted, (std::vector<KilnReading>{{0, 20, ""}, {5400, 455.5, "deksel dicht"}}));
    // A controller's CSV in Fahrenheit, seconds in the time.
    const auto csv = KilnLog::parse("\"Time\",\"Temp (F)\"\r\n0:00:30,212\r\n2:00:00,1832\r\n");
    EXPECT_EQ(csv, (std::vector<KilnReading>{{30, 100, ""}, {7200, 1000, ""}}));
    // Minutes only, ';' between the fields.
    EXPECT_EQ(KilnLog::parse("90;600"), (std::vector<KilnReading>{{5400, 600, ""}}));
    EXPECT_EQ(KilnLog::parse(KilnLog::text(pasted)), pasted);
}

TEST(KilnLogTest, ABadLineAfterTheFirstReadingIsNamed) {
    try {
        KilnLog::parse("0:00\t20\n0:10\t80\nkapot\t\n");
        ADD_FAILURE() << "accepted";
    } catch (const NotebookError& e) {
        EXPECT_NE(std::string(e.what()).find("Regel 3"), std::string::npos) << e.what();
    }
    EXPECT_THROW(KilnLog::parse("0:00\t5000"), NotebookError);
    EXPECT_THROW(KilnLog::parse("0:00\t20\n0:75\t30"), NotebookError); // 75 minutes is no "h:mm"
}

TEST(CalendarDateTest, DatesAreStoredAsDayMonthYear) {
    struct Case {
        const char* typed;
        const char* stored; // "" when refused
    };
    const std::vector<Case> cases{
        {"11-12-2026", "11-12-2026"},
        {"1-2-2026", "01-02-2026"},
        {"2026-12-11", "11-12-2026"},
        {"11/12/2026", "11-12-2026"},
        {"29-02-2024", "29-02-2024"},
        {"29-02-2026", ""},
        {"31-04-2026", ""},
        {"11-13-2026", ""},
        {"11-12-26", ""},
        {"11-12/2026", ""},
        {"", ""},
        {"1-1-1-2026", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const auto date = CalendarDate::parse(c.typed);
        EXPECT_EQ(date ? date->text() : std::string(), c.stored);
    }
    EXPECT_LT(CalendarDate::parse("31-12-2025")->key(), CalendarDate::parse("01-01-2026")->key());
}

TEST(ChoicesTest, StoredAsCodesShownAsWords) {
    EXPECT_STREQ(Choices<Atmosphere>::code(Atmosphere::SaltSoda), "zout");
    EXPECT_STREQ(Choices<Atmosphere>::text(Atmosphere::SaltSoda), "zout/soda");
    EXPECT_EQ(Choices<Atmosphere>::parse(" Reductie "), Atmosphere::Reduction);
    EXPECT_EQ(Choices<Atmosphere>::parse("RED"), Atmosphere::Reduction);
    EXPECT_EQ(Choices<Atmosphere>::parse("vuur"), std::nullopt);
    EXPECT_EQ(Choices<Atmosphere>::all().size(), 7u);
    for (const Atmosphere a : Choices<Atmosphere>::all())
        EXPECT_EQ(Choices<Atmosphere>::fromCode(Choices<Atmosphere>::code(a)), a);
    const std::vector<Defect> defects{Defect::Running, Defect::Crawling};
    EXPECT_EQ(defectCodes(defects), "kr,lo"); // list order, whatever the order given
    EXPECT_EQ(defectsFromCodes("kr,xx,lo"), (std::vector<Defect>{Defect::Crawling, Defect::Running}));
}

TEST(FrozenRecipeTest, EveryPlaceAndAmountReadsBack) {
    Recipe r;
    r.molp = "P";
    r.recipeSlots[0] = {"Veldspaat\tkali", 45.5, 0.25};
    r.recipeSlots[3] = {"Kwarts\\", 30, kNullNumber};
    r.recipeSlots[11] = {"Krijt\nwit", kNullNumber, 1e-9};
    r.additions[4] = {"Rutiel", 5};
    EXPECT_EQ(FrozenRecipe::parse(FrozenRecipe::text(r)), r);
    EXPECT_THROW(FrozenRecipe::parse("r\t13\tKwarts\t1\t\n"), NotebookError);
    EXPECT_THROW(FrozenRecipe::parse("r\t1\tKwarts\tveel\t\n"), NotebookError);
}

TEST(NotebookRulesTest, CodesFollowOnWithinTheYear) {
    EXPECT_EQ(NotebookRules::nextCode('K', 2026, {}), "K-2026-001");
    EXPECT_EQ(
        NotebookRules::nextCode('K', 2026, {"K-2026-013", "K-2026-002", "K-2025-400", "S-2026-050", "x"}),
        "K-2026-014");
    EXPECT_EQ(NotebookRules::nextCode('K', 2026, {"K-2026-999"}), "K-2026-1000");
    EXPECT_TRUE(NotebookRules::isCode("K-2026-014"));
    EXPECT_FALSE(NotebookRules::isCode("K 2026"));
    EXPECT_FALSE(NotebookRules::isCode(""));
    EXPECT_FALSE(NotebookRules::isCode("K-2026-0140000000000"
                                       "1"));
}

TEST(NotebookRulesTest, ValuesOutsideWhatAPotterMeansAreRefused) {
    const auto refused = [](auto change) {
        Proef t;
        t.code = "K-1";
        t.glaze = "Wit";
        change(t);
        try {
            NotebookRules::check(t);
        } catch (const NotebookError&) {
            return true;
        }
        return false;
    };
    EXPECT_FALSE(refused([](Proef&) {}));
    EXPECT_TRUE(refused([](Proef& t) { t.specificGravity = 7; }));
    EXPECT_TRUE(refused([](Proef& t) { t.batchGrams = -1; }));
    EXPECT_TRUE(refused([](Proef& t) { t.batchGrams = std::numeric_limits<double>::infinity(); }));
    EXPECT_TRUE(refused([](Proef& t) { t.coats = 2.5; }));
    EXPECT_TRUE(refused([](Proef& t) { t.date = "2026-12-11"; })); // stored form only
    EXPECT_TRUE(refused([](Proef& t) { t.glaze.clear(); }));
    TileResult r{"S-1", "K-1", "", "", "", "", {}, "", 6, ""};
    EXPECT_THROW(NotebookRules::check(r), NotebookError);
    Foto p;
    p.test = "K-1";
    for (const char* file : {"/tmp/x.jpg", "foto/../../x.jpg", ""}) {
        p.file = file;
        EXPECT_THROW(NotebookRules::check(p), NotebookError) << file;
    }
}

} // namespace
} // namespace kelvora::test
