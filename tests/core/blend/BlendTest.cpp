// SPDX-License-Identifier: GPL-3.0-or-later
#include "blend/BlendMix.h"
#include "blend/BlendPlan.h"
#include "engine/Calculate.h"
#include "glaze/ChemistryDataFiles.h"
#include "glaze/LimitSets.h"
#include "glaze/MolarMassTable.h"
#include "model/Material.h"
#include "store/BlendBook.h"
#include "store/GlazeBook.h"
#include "store/PacketCodec.h"
#include "support/EngineFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kelvora::test {
namespace {

// The starter materials and example glazes as the tables of `dir`.
void copyStarterTables(const TempDir& dir) {
    ASSERT_TRUE(writeStarterTables(dir.path().string()));
}

double sum(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

// Every kind: how many cells, weights that sum to 1, and the cells that
// must hold known weights.
TEST(BlendGrid, WeightsOfEveryKind) {
    struct Known {
        int number;
        std::vector<double> weights;
    };
    struct Case {
        const char* what;
        BlendGrid grid;
        std::size_t cells;
        std::vector<Known> known;
    } cases[] = {
        {"line of 11", BlendGrid::line(11), 11, {{1, {1, 0}}, {6, {0.5, 0.5}}, {11, {0, 1}}}},
        {"line of 5 over 20-100 % of B",
         BlendGrid::line(5, 0.2, 1.0),
         5,
         {{1, {0.8, 0.2}}, {2, {0.6, 0.4}}, {5, {0, 1}}}},
        {"triaxial of 6", BlendGrid::triaxial(6), 21, {{1, {1, 0, 0}}, {16, {0, 1, 0}}, {21, {0, 0, 1}}}},
        {"biaxial 3 x 3",
         BlendGrid::biaxial(3, 3),
         9,
         {{1, {1, 0, 0, 0}}, {3, {0, 1, 0, 0}}, {5, {0.25, 0.25, 0.25, 0.25}}, {7, {0, 0, 1, 0}}}},
        {"Currie",
         BlendGrid::currie(),
         35,
         {{1, {1, 0, 0, 0}},
          {5, {0, 1, 0, 0}},
          {18, {0.25, 0.25, 0.25, 0.25}},
          {31, {0, 0, 1, 0}},
          {35, {0, 0, 0, 1}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.grid.cells.size(), c.cells);
        for (std::size_t i = 0; i < c.grid.cells.size(); ++i) {
            EXPECT_EQ(c.grid.cells[i].number, static_cast<int>(i) + 1);
            EXPECT_NEAR(sum(c.grid.cells[i].weights), 1.0, 1e-12);
        }
        for (const auto& k : c.known) {
            const auto& weights = c.grid.cells[static_cast<std::size_t>(k.number - 1)].weights;
            ASSERT_EQ(weights.size(), k.weights.size());
            for (std::size_t w = 0; w < weights.size(); ++w)
                EXPECT_NEAR(weights[w], k.weights[w], 1e-12) << "cell " << k.number;
        }
    }
    // The triaxial of 6 goes in 20 % steps: every weight a whole number of fifths.
    for (const auto& cell : BlendGrid::triaxial(6).cells)
        for (double w : cell.weights)
            EXPECT_NEAR(w * 5, std::round(w * 5), 1e-12);
    // Currie: whole parts out of 24 in every cell, and the rows and columns
    // of the 7 x 5 grid.
    for (const auto& cell : BlendGrid::currie().cells) {
        ASSERT_EQ(cell.parts.size(), 4u);
        EXPECT_EQ(std::accumulate(cell.parts.begin(), cell.parts.end(), 0), 24);
        EXPECT_EQ(cell.number, cell.row * 5 + cell.column + 1);
    }
    // Cell 8, row 1 and column 2: A (4-2)(6-1), B 2(6-1), C (4-2)1, D 2x1.
    EXPECT_EQ(BlendGrid::currie().cells[7].parts, (std::vector<int>{10, 10, 2, 2}));
}

TEST(BlendGrid, SizesNoTileCanHoldAreRefused) {
    EXPECT_THROW(BlendGrid::line(1), std::invalid_argument);
    EXPECT_THROW(BlendGrid::line(5, 0.6, 0.4), std::invalid_argument);
    EXPECT_THROW(BlendGrid::line(5, 0.0, 1.5), std::invalid_argument);
    EXPECT_THROW(BlendGrid::triaxial(1), std::invalid_argument);
    EXPECT_THROW(BlendGrid::biaxial(2, 100), std::invalid_argument);
}

// Two glazes of two made-up materials: a calcium one (CaO, 100 g/mol) and a
// silica one (SiO2, 50 g/mol). Glaze X is 50/50 by weight, glaze Y 20/80.
class BlendMixTest : public ::testing::Test {
protected:
    MaterialLookup lookup{std::vector<Material>{
        material("Kalk", "cao", 100.0), material("Zand", "sio2", 50.0), material("Kleur", "fe2o3", 160.0)}};

    static Material material(const std::string& name, const char* stem, double molg) {
        Material m;
        m.naam = name;
        m.molg = molg;
        m.prys = 1.0;
        m.oxides[static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1)] = 1.0;
        return m;
    }
    static Glaze glaze(const std::string& name, double kalk, double zand, double kleur = 0.0) {
        Glaze g;
        g.naam = name;
        g.recipe.molp = "P";
        g.recipe.recipeSlots[0] = {"Kalk", kalk, kNullNumber};
        g.recipe.recipeSlots[1] = {"Zand", zand, kNullNumber};
        if (kleur > 0.0) g.recipe.additions[0] = {"Kleur", kleur};
        return g;
    }
    static double oxide(const OxideFormula& f, const char* stem) { return oxideIn(f, stem); }
};

// A 50/50 cell is the mean of the recipes, not of the formulas: X gives
// CaO 1 : SiO2 2 and Y 1 : 8, the cell (35 g Kalk, 65 g Zand) 0.35 : 1.3
// mol, so SiO2 3.714..., not the mean 5.
TEST_F(BlendMixTest, ACellMixesTheRecipesAndItsFormulaComesFromTheMols) {
    const std::vector<BlendCorner> corners{BlendCorner::of(glaze("X", 50, 50, 2), lookup),
                                           BlendCorner::of(glaze("Y", 20, 80), lookup)};
    const BlendMix mix = BlendMix::of(corners, {0.5, 0.5}, lookup);
    ASSERT_EQ(mix.base.size(), 2u);
    EXPECT_NEAR(mix.base[0].amount, 35.0, 1e-12);
    EXPECT_NEAR(mix.base[1].amount, 65.0, 1e-12);
    ASSERT_EQ(mix.additions.size(), 1u); // additions stay additions, weighted
    EXPECT_NEAR(mix.additions[0].amount, 1.0, 1e-12);
    EXPECT_NEAR(oxide(mix.formula, "cao"), 1.0, 1e-12);
    EXPECT_NEAR(oxide(mix.formula, "sio2"), 1.3 / 0.35, 1e-12);
    EXPECT_EQ(oxide(mix.formula, "fe2o3"), 0.0);
    EXPECT_TRUE(mix.tooLarge.empty());

    // Stored as a glaze, its own calculation gives the same formula.
    Glaze cell = mix.toGlaze("Cel");
    const CalcResult result = calculate(cell.recipe, lookup, {});
    ASSERT_FALSE(result.stopped);
    for (std::size_t k = 0; k < mix.formula.size(); ++k)
        EXPECT_NEAR(result.oxides[k], mix.formula[k], 1e-9) << k;
}

// Corners of seven materials each: a corner cell fits a glaze, a mixed one
// holds fourteen and says so.
TEST_F(BlendMixTest, ACellWithMoreMaterialsThanAGlazeHoldsIsMarked) {
    std::vector<Material> many;
    for (int i = 0; i < 14; ++i)
        many.push_back(material("M" + std::to_string(i), i % 2 ? "sio2" : "cao", 60.0));
    const MaterialLookup big(many);
    Glaze a, b;
    a.recipe.molp = b.recipe.molp = "P";
    for (int i = 0; i < 7; ++i) {
        a.recipe.recipeSlots[static_cast<std::size_t>(i)] = {"M" + std::to_string(i), 10.0, kNullNumber};
        b.recipe.recipeSlots[static_cast<std::size_t>(i)] = {"M" + std::to_string(i + 7), 10.0, kNullNumber};
    }
    const std::vector<BlendCorner> corners{BlendCorner::of(a, big), BlendCorner::of(b, big)};
    EXPECT_TRUE(BlendMix::of(corners, {1.0, 0.0}, big).tooLarge.empty());
    EXPECT_EQ(BlendMix::of(corners, {0.5, 0.5}, big).tooLarge,
              "14 grondstoffen en 0 toevoegingen; een glazuur heeft plaats voor 12 grondstoffen en 5 "
              "toevoegingen.");
}

TEST_F(BlendMixTest, ACornerThatDoesNotCalculateIsNamed) {
    Glaze broken = glaze("Stuk", 50, 50);
    broken.recipe.recipeSlots[2] = {"Onbekend", 10.0, kNullNumber};
    try {
        BlendCorner::of(broken, lookup);
        FAIL() << "accepted";
    } catch (const BlendError& e) {
        EXPECT_NE(std::string(e.what()).find("Glazuur Stuk is niet te berekenen"), std::string::npos)
            << e.what();
    }
}

// Volumetric amounts: a line of 11 cells at 20 ml takes 110 ml of each end;
// Currie's grid at 24 ml a cell takes the parts of each corner in ml.
TEST(BlendAmounts, TotalsPerEndGlaze) {
    const BlendAmounts line = BlendAmounts::of(BlendGrid::line(11), 20.0);
    EXPECT_NEAR(line.total[0], 110.0, 1e-9);
    EXPECT_NEAR(line.total[1], 110.0, 1e-9);
    EXPECT_NEAR(line.perCell[3][0], 14.0, 1e-9);
    const BlendAmounts currie = BlendAmounts::of(BlendGrid::currie(), 24.0, 0.1);
    // Corner A: (4-c)(6-r) summed over the grid = (4+3+2+1+0)(6+5+...+0) = 10 x 21.
    for (double total : currie.total)
        EXPECT_NEAR(total, 210.0 * 1.1, 1e-9);
}

// Over the example glazes: Currie's grid of four of them, every cell that
// fits calculated as a glaze gives the formula the blend computed.
TEST(BlendOfExampleGlazes, EveryFittingCellCalculatesToItsFormula) {
    TempDir dir;
    ASSERT_NO_FATAL_FAILURE(copyStarterTables(dir));
    GlazeBook book(dir.path().string());
    book.load();
    std::vector<BlendCorner> corners;
    for (const char* name : {"Seladon", "Tenmoku", "Kaki", "Leach kalkglazuur"})
        corners.push_back(BlendCorner::of(*book.findGlaze(name), book.catalogue()));
    int fitting = 0;
    for (const BlendCell& cell : BlendGrid::currie().cells) {
        const BlendMix mix = BlendMix::of(corners, cell.weights, book.catalogue());
        if (!mix.tooLarge.empty()) continue;
        ++fitting;
        const CalcResult result = calculate(mix.toGlaze("cel").recipe, book.catalogue(), {});
        ASSERT_FALSE(result.stopped) << cell.number;
        for (std::size_t k = 0; k < mix.formula.size(); ++k)
            EXPECT_NEAR(result.oxides[k], mix.formula[k], 1e-9) << "cell " << cell.number << " oxide " << k;
    }
    EXPECT_EQ(fitting, 35);
}

// The printed sheet: what to prepare of each end glaze with the volumetric
// rule, then the cells as they lie on the tile (Currie: 7 rows of 5).
TEST(BlendPlanSheet, TotalsRuleAndTheTileLayout) {
    TempDir dir;
    ASSERT_NO_FATAL_FAILURE(copyStarterTables(dir));
    GlazeBook book(dir.path().string());
    book.load();
    BlendSettings settings;
    settings.name = "Grid";
    settings.kind = BlendKind::Currie;
    settings.corners = {"Seladon", "Tenmoku", "Kaki", "Leach kalkglazuur"};
    settings.amount = 24.0;
    const BlendPlan plan = BlendPlan::make(settings, book);
    const auto lines = plan.sheet();
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(lines[0], "Mengreeks Grid (currie, 35 cellen, 24.0 ml per cel)");
    EXPECT_EQ(lines[2].substr(0, 11), "A  Seladon ");
    EXPECT_NE(lines[2].find("maak 210.0 ml"), std::string::npos) << lines[2];
    EXPECT_NE(lines[6].find("gelijk volume"), std::string::npos) << lines[6];
    // Row 4 of the tile, its first box line: cells 16 to 20.
    const auto row = std::find(lines.begin(), lines.end(),
                               "cel 16        cel 17        cel 18        cel 19        cel 20");
    ASSERT_NE(row, lines.end());
    EXPECT_EQ(*(row + 1), "A 12.0        A 9.0         A 6.0         A 3.0         A 0.0");

    // The corners are cone 8-10 glazes: each cell is checked against a cone
    // 8-10 table, and the plain Seladon corner lies inside it.
    const auto limits = LimitSets::loadFolder(ChemistryDataFiles::limitsFolder(KELVORA_DATA_SOURCE));
    const auto masses = MolarMassTable::load(ChemistryDataFiles::molarMasses(KELVORA_DATA_SOURCE));
    const auto states = plan.limitCheck(limits, masses, book.catalogue());
    ASSERT_EQ(states.size(), 35u);
    EXPECT_EQ(states[0], BlendPlan::Limits::Inside);
    for (auto state : states)
        EXPECT_NE(state, BlendPlan::Limits::NoTable);

    settings.corners.pop_back();
    try {
        BlendPlan::make(settings, book);
        FAIL() << "three corners accepted for a grid of four";
    } catch (const BlendError& e) {
        EXPECT_STREQ(e.what(), "Deze mengreeks heeft 4 hoekglazuren.");
    }
}

// A saved blend comes back with every setting; a second save under the same
// name (case and blanks aside) replaces it.
TEST(BlendBookTest, SavedBlendsComeBackAndAreReplacedByName) {
    TempDir dir;
    const BlendBook blends(dir.path().string());
    EXPECT_TRUE(blends.all().empty()); // no table yet: no blends
    BlendSettings grid;
    grid.name = "Grid";
    grid.kind = BlendKind::Biaxial;
    grid.corners = {"Seladon", "Tenmoku", "Kaki", "Zink mat"};
    grid.rows = 4;
    grid.columns = 6;
    grid.amount = 12.5;
    grid.grams = true;
    grid.margin = 0.15;
    BlendSettings line;
    line.name = "Lijn";
    line.corners = {"Seladon", "Kegel 6 glans basis"};
    line.cells = 7;
    line.low = 0.2;
    blends.save(grid);
    blends.save(line);
    const auto back = blends.find("grid ");
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->kind, BlendKind::Biaxial);
    EXPECT_EQ(back->corners, grid.corners);
    EXPECT_EQ(back->rows, 4);
    EXPECT_EQ(back->columns, 6);
    EXPECT_EQ(back->amount, 12.5);
    EXPECT_TRUE(back->grams);
    EXPECT_EQ(back->margin, 0.15);
    line.cells = 9;
    line.name = "LIJN";
    blends.save(line);
    const auto all = blends.all();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].name, "LIJN");
    EXPECT_EQ(all[1].cells, 9);
    EXPECT_EQ(all[1].low, 0.2);
    line.name = " ";
    EXPECT_THROW(blends.save(line), BlendError);
    line.name = std::string(21, 'x');
    EXPECT_THROW(blends.save(line), BlendError);
    EXPECT_EQ(blends.all().size(), 2u);
}

TEST(BlendCli, PlansStoresAndRefuses) {
    TempDir dir;
    ASSERT_NO_FATAL_FAILURE(copyStarterTables(dir));
    const std::string db = dir.path().string();
    const CliRun line = runCli(db, "blend line --corners 'Seladon,Tenmoku' --cells 11 --ml 20");
    ASSERT_EQ(line.status, 0) << line.err;
    EXPECT_NE(line.out.find("cell\t6\tA=0.5\tB=0.5\t"), std::string::npos) << line.out;
    EXPECT_NE(line.out.find("total\tA ml=110"), std::string::npos) << line.out;

    const CliRun stored =
        runCli(db, "blend triaxial --corners 'Seladon,Tenmoku,Kaki' --cells 3 --store Proef");
    ASSERT_EQ(stored.status, 0) << stored.err;
    GlazeBook book(db);
    book.load();
    const auto cell = book.findGlaze("Proef \u2013 cel 5");
    ASSERT_TRUE(cell.has_value());
    EXPECT_NE(cell->omsc.find("B 50 % Tenmoku; C 50 % Kaki"), std::string::npos) << cell->omsc;
    EXPECT_GT(cell->oxide("sio2"), 0.0); // stored calculated
    book.close();

    const std::string before = readBytes(dir.file("glz.cds"));
    struct Case {
        const char* arguments;
        int status;
        const char* message;
    } cases[] = {
        {"blend triaxial --corners 'Seladon,Tenmoku,Kaki' --cells 3 --store Proef", 1,
         "Er is al een glazuur met de naam Proef \u2013 cel 1."},
        {"blend line --corners 'Seladon,Onbekend'", 1, "Onbekend glazuur: Onbekend"},
        {"blend currie --corners 'Seladon,Tenmoku'", 1, "Deze mengreeks heeft 4 hoekglazuren."},
        {"blend line --corners 'Seladon,Tenmoku' --cells 500", 1, "Een lijn heeft 2 tot 41 cellen."},
        {"blend line --corners 'Seladon,Tenmoku' --ml 1e300", 1, "hoogstens 10000"},
        {"blend spiral --corners 'Seladon,Tenmoku'", 2, ""},
        {"blend line --corners 'Seladon,Tenmoku' --cells 2.5", 2, ""},
        {"blend triaxial --corners 'Seladon,Tenmoku,Kaki' --range 20..100", 2, ""},
        {"blend line", 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun r = runCli(db, c.arguments);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_EQ(readBytes(dir.file("glz.cds")), before) << "a refused blend wrote nothing";
}

} // namespace
} // namespace kelvora::test
