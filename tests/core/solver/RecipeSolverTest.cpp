// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/RecipeSolver.h"
#include "core/solver/SolverTestMaterials.h"
#include "solver/LinearProgram.h"
#include "solver/SolverError.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvora::test {
namespace {

// --- target formula -> recipe -------------------------------------------------

struct KnownRecipe {
    const char* name;
    std::vector<double> mols; // feldspar, whiting, kaolin, silica; basic sum 1
};

class RecoverKnownRecipe : public ::testing::TestWithParam<KnownRecipe> {};

// The target is the formula of a known recipe; the four materials are
// independent, so that recipe is the only exact match and must come back.
TEST_P(RecoverKnownRecipe, ExactMatchIsFound) {
    const std::vector<SolverMaterial> materials{potashFeldspar(), whiting(), kaolin(), silica()};
    const auto& mols = GetParam().mols;
    OxideValues target{};
    double grams = 0.0;
    for (std::size_t i = 0; i < materials.size(); ++i) {
        for (std::size_t k = 0; k < target.size(); ++k)
            target[k] += mols[i] * materials[i].oxides[k];
        grams += mols[i] * materials[i].molg;
    }
    const auto r = RecipeSolver::matchFormula(materials, target);
    ASSERT_TRUE(r.solved) << r.message;
    EXPECT_LE(r.deviation, 1e-9);
    double expectedPrice = 0.0;
    for (std::size_t i = 0; i < materials.size(); ++i) {
        EXPECT_NEAR(r.mols[i], mols[i], 1e-9) << materials[i].name;
        const double percent = mols[i] * materials[i].molg * 100.0 / grams;
        EXPECT_NEAR(r.percentages[i], percent, 1e-9) << materials[i].name;
        expectedPrice += percent * materials[i].prys / 100.0;
    }
    for (std::size_t k = 0; k < target.size(); ++k)
        EXPECT_NEAR(r.formula[k], target[k], 1e-12);
    EXPECT_NEAR(r.price, expectedPrice, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Recipes, RecoverKnownRecipe,
                         ::testing::Values(KnownRecipe{"all four", {0.3, 0.7, 0.2, 1.1}},
                                           KnownRecipe{"no kaolin", {0.25, 0.75, 0.0, 2.5}},
                                           KnownRecipe{"whiting only with silica", {0.0, 1.0, 0.0, 3.0}}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (c == ' ') c = '_';
                             return name;
                         });

// Whiting (CaO) and a potash feldspar (K2O Al2O3 6SiO2), target CaO 0.5,
// K2O 0.5, Al2O3 0.2, SiO2 4. With t the feldspar's mols the basic sum gives
// whiting 1 - t, so the formula is CaO 1-t, K2O t, Al2O3 t, SiO2 6t and
//   D(t) = |0.5 - t| + |t - 0.5| + |t - 0.2| + |6t - 4|
//        = 2|t - 0.5| + |t - 0.2| + 6|t - 2/3|.
// Its slope is -3 on (0.5, 2/3) and +9 beyond, so the least deviation is at
// t = 2/3: D = 2 * 1/6 + 7/15 = 0.8. Without SiO2 (weight 0) the slope is -1
// on (0.2, 0.5) and +3 beyond: t = 0.5, D = 0.3.
struct Unreachable {
    const char* name;
    double silicaWeight;
    double feldspar;
    double deviation;
};

class LeastDeviation : public ::testing::TestWithParam<Unreachable> {};

TEST_P(LeastDeviation, TwoMaterialsByHand) {
    const std::vector<SolverMaterial> materials{whiting(), potashFeldspar()};
    const auto target = formula({{"cao", 0.5}, {"k2o", 0.5}, {"al2o3", 0.2}, {"sio2", 4}});
    OxideValues weights;
    weights.fill(1.0);
    weights[static_cast<std::size_t>(OxideCatalogue::byStem("sio2")->position - 1)] = GetParam().silicaWeight;
    const auto r = RecipeSolver::matchFormula(materials, target, weights);
    ASSERT_TRUE(r.solved) << r.message;
    EXPECT_NEAR(r.mols[1], GetParam().feldspar, 1e-9);
    EXPECT_NEAR(r.mols[0], 1.0 - GetParam().feldspar, 1e-9);
    EXPECT_NEAR(r.deviation, GetParam().deviation, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Weights, LeastDeviation,
                         ::testing::Values(Unreachable{"all_oxides_count", 1.0, 2.0 / 3.0, 0.8},
                                           Unreachable{"silica_left_free", 0.0, 0.5, 0.3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecipeSolver, WithoutBasicOxideThereIsNoRecipe) {
    const auto r = RecipeSolver::matchFormula({silica(), kaolin()}, formula({{"sio2", 3}}));
    EXPECT_FALSE(r.solved);
    EXPECT_EQ(r.message, "Geen recept mogelijk: geen van de grondstoffen bevat een basisch oxide.");
}

// --- within ranges ----------------------------------------------------------

// Round made-up materials: chalk (CaO, 100 g/mol, 1.00/kg), a wollastonite
// (CaO SiO2, 116 g/mol, 2.00/kg) and quartz (SiO2, 60 g/mol, 0.50/kg), range
// SiO2 1..2. With a wollastonite and s silica in the formula (basic sum 1:
// chalk 1 - a, quartz s - a) a batch costs 100 + 102a + 30s and weighs
// 100 - 44a + 60s grams, so the price per kilogram is
//   (100 + 102a + 30s) / (100 - 44a + 60s).
// It grows with a and falls with s: a = 0, s = 2, price 160/220 = 8/11, with
// 100/220 chalk and 120/220 quartz by weight. (The cheapest batch per mol of
// basic oxide would be s = 1, at 130/160 = 0.8125 per kilogram: dearer.)
std::vector<SolverMaterial> chalkWollastoniteQuartz() {
    return {made("Krijt", 100, 1.0, {{"cao", 1}}), made("Wollastoniet", 116, 2.0, {{"cao", 1}, {"sio2", 1}}),
            made("Kwarts", 60, 0.5, {{"sio2", 1}})};
}

TEST(RecipeSolver, CheapestInsideRangesByHand) {
    const auto r = RecipeSolver::withinRanges(chalkWollastoniteQuartz(), {{"sio2", 1.0, 2.0}}, {});
    ASSERT_TRUE(r.solved) << r.message;
    EXPECT_NEAR(r.price, 8.0 / 11.0, 1e-12);
    EXPECT_NEAR(r.percentages[0], 100.0 * 100.0 / 220.0, 1e-9);
    EXPECT_NEAR(r.percentages[1], 0.0, 1e-9);
    EXPECT_NEAR(r.percentages[2], 100.0 * 120.0 / 220.0, 1e-9);
    EXPECT_NEAR(oxide(r.formula, "cao"), 1.0, 1e-12);
    EXPECT_NEAR(oxide(r.formula, "sio2"), 2.0, 1e-9);
    EXPECT_NEAR(r.deviation, 0.0, 1e-9);
}

TEST(RecipeSolver, MostAndLeastOfOneOxide) {
    struct Case {
        SolverObjective::Kind kind;
        double silica;
    };
    for (const auto& c :
         {Case{SolverObjective::Kind::MaximiseOxide, 2.0}, Case{SolverObjective::Kind::MinimiseOxide, 1.0}}) {
        const auto r =
            RecipeSolver::withinRanges(chalkWollastoniteQuartz(), {{"sio2", 1.0, 2.0}}, {c.kind, "sio2"});
        ASSERT_TRUE(r.solved) << r.message;
        EXPECT_NEAR(oxide(r.formula, "sio2"), c.silica, 1e-9);
    }
}

TEST(RecipeSolver, MostOfAnOxideWithoutLimitIsRefused) {
    const auto r = RecipeSolver::withinRanges(chalkWollastoniteQuartz(), {},
                                              {SolverObjective::Kind::MaximiseOxide, "sio2"});
    EXPECT_FALSE(r.solved);
    EXPECT_EQ(r.message, "Geen recept met de meeste SiO2: geef er een bereik voor op.");
}

// The ratio is kept as al2o3 * low <= sio2 <= al2o3 * high; whatever the
// recipe, its formula must then show the ratio inside the range.
TEST(RecipeSolver, RatioRangeHolds) {
    const std::vector<SolverMaterial> materials{potashFeldspar(), whiting(), kaolin(), silica()};
    for (const double low : {5.0, 8.0, 11.0}) {
        const auto r = RecipeSolver::withinRanges(
            materials, {{"al2o3", 0.3, 0.5}, {"sio2:al2o3", low, low + 1.0}, {"k2o", 0.2, 0.4}}, {});
        ASSERT_TRUE(r.solved) << r.message;
        const double ratio = oxide(r.formula, "sio2") / oxide(r.formula, "al2o3");
        EXPECT_GE(ratio, low - 1e-9);
        EXPECT_LE(ratio, low + 1.0 + 1e-9);
        EXPECT_GE(oxide(r.formula, "al2o3"), 0.3 - 1e-9);
        EXPECT_LE(oxide(r.formula, "al2o3"), 0.5 + 1e-9);
    }
}

struct Infeasible {
    const char* name;
    std::vector<SolverMaterial> materials;
    std::vector<OxideRange> ranges;
    std::string message;
};

class InfeasibleRanges : public ::testing::TestWithParam<Infeasible> {};

TEST_P(InfeasibleRanges, NameTheRangeThatCannotBeMet) {
    const auto r = RecipeSolver::withinRanges(GetParam().materials, GetParam().ranges, {});
    EXPECT_FALSE(r.solved);
    EXPECT_EQ(r.message, GetParam().message);
}

// Wollastonite w and feldspar 1 - w give CaO w and SiO2 w + 6(1 - w) = 6 - 5w:
// CaO >= 0.9 needs SiO2 <= 1.5, so CaO 0.9..1 and SiO2 2..3 exclude each other
// while either alone (and Al2O3 0..1 with them) can be met.
INSTANTIATE_TEST_SUITE_P(
    Cases, InfeasibleRanges,
    ::testing::Values(
        Infeasible{
            "impossible_on_its_own",
            {whiting(), silica()},
            {{"sio2", 2, 3}, {"al2o3", 0.1, 0.2}},
            "Geen recept binnen de bereiken mogelijk: het bereik Al2O3 0.1..0.2 kan met deze grondstoffen "
            "niet gehaald worden."},
        Infeasible{
            "two_that_exclude_each_other",
            {theoretical("Wollastoniet", 1.8, {{"cao", 1}, {"sio2", 1}}), potashFeldspar()},
            {{"al2o3", 0, 1}, {"cao", 0.9, 1}, {"sio2", 2, 3}},
            "Geen recept binnen de bereiken mogelijk: het bereik CaO 0.9..1 of het bereik SiO2 2..3 kan met "
            "deze grondstoffen niet gehaald worden."},
        // With feldspar f and wollastonite w: K2O f, SiO2 w + 6f and the ratio
        // SiO2:Al2O3 6 + w/f. K2O <= 0.3 with ratio <= 6.5 leaves SiO2 <= 1.95,
        // yet any two of the three ranges can be met: each one is to blame.
        Infeasible{
            "any_one_of_three",
            {theoretical("Wollastoniet", 1.8, {{"cao", 1}, {"sio2", 1}}), potashFeldspar(), whiting()},
            {{"k2o", 0, 0.3}, {"sio2", 2, 10}, {"sio2:al2o3", 0, 6.5}},
            "Geen recept binnen de bereiken mogelijk: het bereik K2O 0..0.3 of het bereik SiO2 2..10 of het "
            "bereik SiO2:Al2O3 0..6.5 kan met deze grondstoffen niet gehaald worden."},
        // Wollastonite w and feldspar 1 - w again: CaO >= 0.9 leaves K2O <= 0.1
        // (against K2O >= 0.2), and SiO2 2..3 needs w >= 0.6 (against Al2O3 >=
        // 0.5, w <= 0.5). Two conflicts: no single range is to blame.
        Infeasible{"two_conflicts_at_once",
                   {theoretical("Wollastoniet", 1.8, {{"cao", 1}, {"sio2", 1}}), potashFeldspar()},
                   {{"cao", 0.9, 1}, {"k2o", 0.2, 1}, {"sio2", 2, 3}, {"al2o3", 0.5, 1}},
                   "Geen recept binnen de bereiken mogelijk: de bereiken zijn met deze grondstoffen niet "
                   "tegelijk te "
                   "halen."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecipeSolver, ReversedRangeIsAnError) {
    EXPECT_THROW(RecipeSolver::withinRanges({whiting()}, {{"cao", 1, 0.5}}, {}), SolverError);
    EXPECT_THROW(RecipeSolver::withinRanges({whiting()}, {{"xyz", 0, 1}}, {}), SolverError);
}

// Percentages and additions priced as the glaze calculation prices them:
// 60 % at 2.00, 40 % at 1.00 and 5 parts at 20.00 give (120 + 40 + 100) / 105.
TEST(RecipeSolver, CostPriceCountsAdditionsAsTheCalculationDoes) {
    EXPECT_NEAR(RecipeSolver::costPrice({60, 40}, {2, 1}, {{5, 20}}), 260.0 / 105.0, 1e-12);
    EXPECT_NEAR(RecipeSolver::costPrice({60, 40}, {2, 1}), 1.6, 1e-12);
}

TEST(LinearProgram, ReportsInfeasibleAndUnbounded) {
    LinearProgram lp;
    const int x = lp.addVariable(0, 1, 1);
    lp.addRow({{x, 1}}, 2, 3);
    EXPECT_EQ(lp.solve().status, LinearProgram::Status::Infeasible);

    LinearProgram open;
    const int y = open.addVariable(0, LinearProgram::infinity, 1);
    open.setMaximise(true);
    open.addRow({{y, 1}}, 1, LinearProgram::infinity);
    EXPECT_EQ(open.solve().status, LinearProgram::Status::Unbounded);
}

} // namespace
} // namespace kelvora::test
