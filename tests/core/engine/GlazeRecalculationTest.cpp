// SPDX-License-Identifier: GPL-3.0-or-later
// Costs and formulas that follow a material's price and analysis.
#include "engine/GlazeRecalculation.h"
#include "glaze/BatchWeights.h"
#include "model/Material.h"
#include "store/GlazeBook.h"
#include "store/PacketCodec.h"
#include "support/EngineFixtures.h"
#include "support/RecordingPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

class GlazeRecalculationTest : public ::testing::Test {
protected:
    TempDir dir;
    RecordingPrompter prompter;
    void SetUp() override { ASSERT_TRUE(writeStarterTables(dir.path().string())); }
    std::string folder() const { return dir.path().string(); }
    // Raises the price of a material tenfold, written at once as the
    // materials window writes it.
    void raisePrice(GlazeBook& book, const std::string& name) {
        auto material = book.findMaterial(name);
        ASSERT_TRUE(material);
        material->prys *= 10;
        ASSERT_TRUE(book.updateMaterial(name, *material));
        book.save();
    }
};

TEST_F(GlazeRecalculationTest, YesRecalculatesTheGlazesThatUseTheMaterial) {
    GlazeBook book(folder());
    book.load();
    const auto users = book.glazesUsing("Kaliveldspaat");
    ASSERT_FALSE(users.empty());
    const double before = book.findGlaze("Seladon")->prys;
    std::optional<Glaze> untouched;
    for (const auto& glaze : book.glazes())
        if (!glaze.recipe.uses("Kaliveldspaat")) untouched = glaze;
    ASSERT_TRUE(untouched);
    raisePrice(book, "Kaliveldspaat");
    prompter.answerNext(true);

    EXPECT_EQ(GlazeRecalculation::offerAfterChange(book, "Kaliveldspaat", prompter),
              static_cast<int>(users.size()));
    EXPECT_EQ(prompter.texts().front(), GlazeRecalculation::questionText(static_cast<int>(users.size())));
    book.close();

    GlazeBook reread(folder());
    reread.load();
    for (const auto& name : users) {
        SCOPED_TRACE(name);
        const Glaze glaze = *reread.findGlaze(name);
        const CalcResult fresh = calculate(glaze.recipe, reread.catalogue(), {});
        ASSERT_FALSE(fresh.stopped);
        EXPECT_DOUBLE_EQ(glaze.prys, fresh.prys);
    }
    // Seladon holds 35 % feldspar at 1.20: ten times the price adds 35 % x 10.80 per kg.
    const Glaze seladon = *reread.findGlaze("Seladon");
    EXPECT_NEAR(seladon.prys - before, 0.35 * 10.8 * 100.0 / 101.5, 1e-9);
    EXPECT_NEAR(BatchWeights::compute(seladon, 1000).cost, seladon.prys * 1.015, 1e-9);
    // A glaze without the material keeps every field.
    EXPECT_EQ(*reread.findGlaze(untouched->naam), *untouched);
}

TEST_F(GlazeRecalculationTest, NoOrNoUsersLeavesTheGlazesFileAsItWas) {
    GlazeBook book(folder());
    book.load();
    raisePrice(book, "Kaliveldspaat");
    const std::string glazes = readBytes(dir.file("glz.cds"));
    prompter.answerNext(false);
    EXPECT_EQ(GlazeRecalculation::offerAfterChange(book, "Kaliveldspaat", prompter), 0);
    EXPECT_EQ(GlazeRecalculation::offerAfterChange(book, "Geen grondstof", prompter), 0);
    EXPECT_EQ(prompter.entries.size(), 1u); // only the material in use asks
    book.close();
    EXPECT_EQ(readBytes(dir.file("glz.cds")), glazes);
}

TEST(GlazeRecalculation, OnlyPriceWeightAndAnalysisAffectGlazes) {
    Material before;
    before.naam = "Krijt";
    before.prys = 0.6;
    before.molg = 100.09;
    before.oxides[0] = 1;
    struct Case {
        const char* what;
        void (*change)(Material&);
        bool affects;
    };
    const Case cases[] = {
        {"price", [](Material& m) { m.prys = 0.7; }, true},
        {"molecular weight", [](Material& m) { m.molg = 100.0; }, true},
        {"analysis", [](Material& m) { m.oxides[3] = 0.01; }, true},
        {"description", [](Material& m) { m.omsc = "fijn"; }, false},
        {"supplier", [](Material& m) { m.levr = "Elders"; }, false},
        {"percentages alone", [](Material& m) { m.percents[0] = 56; }, false},
        {"nothing", [](Material&) {}, false},
    };
    for (const auto& c : cases) {
        Material after = before;
        c.change(after);
        EXPECT_EQ(GlazeRecalculation::affectsGlazes(before, after), c.affects) << c.what;
    }
}

TEST_F(GlazeRecalculationTest, CommandLineRecalculatesTheGlazesUsingAMaterial) {
    {
        GlazeBook book(folder());
        book.load();
        raisePrice(book, "Kaliveldspaat");
    }
    const CliRun run = runCli(folder(), "recalc-using Kaliveldspaat");
    EXPECT_EQ(run.status, 0) << run.err;
    GlazeBook book(folder());
    book.load();
    const auto users = book.glazesUsing("Kaliveldspaat");
    std::size_t lines = 0;
    for (char c : run.out)
        lines += c == '\n';
    EXPECT_EQ(lines, users.size());
    EXPECT_NE(run.out.find("Seladon"), std::string::npos);
    const Glaze seladon = *book.findGlaze("Seladon");
    EXPECT_DOUBLE_EQ(seladon.prys, calculate(seladon.recipe, book.catalogue(), {}).prys);

    EXPECT_EQ(runCli(folder(), "recalc-using Onbekend").status, 1);
    EXPECT_EQ(runCli(folder(), "recalc-using").status, 2);
}

} // namespace
} // namespace kelvora::test
