// SPDX-License-Identifier: GPL-3.0-or-later
// One rule for an empty place in a recipe, the same for every user of it.
#include "engine/Calculate.h"
#include "glaze/BatchWeights.h"
#include "model/Material.h"
#include "model/MaterialLookup.h"
#include "solver/GlazeSubstitution.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

MaterialLookup catalogue() {
    Material whiting;
    whiting.naam = "Krijt";
    whiting.molg = 100.09;
    whiting.prys = 0.6;
    whiting.oxides[static_cast<std::size_t>(OxideCatalogue::byStem("cao")->position - 1)] = 1;
    Material quartz;
    quartz.naam = "Kwarts";
    quartz.molg = 60.08;
    quartz.prys = 0.5;
    quartz.oxides[static_cast<std::size_t>(OxideCatalogue::byStem("sio2")->position - 1)] = 1;
    return MaterialLookup({whiting, quartz});
}

// Krijt 40 % and a second line named `second` with 60 %: a blank name is an
// empty place for the calculation, the batch and the solver alike; any other
// name is a material.
TEST(BlankPlaceTest, TheCalculationTheBatchAndTheSolverAgree) {
    const struct {
        const char* what;
        std::string name;
        bool blank;
    } cases[] = {
        {"empty", "", true},
        {"spaces", "   ", true},
        {"a tab", "\t", true},
        {"a line break", "\r\n", true},
        {"a control character", "\x01", true},
        {"a material", "Kwarts", false},
        {"a material with blanks", " Kwarts", false},
    };
    const MaterialLookup materials = catalogue();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Glaze glaze;
        glaze.naam = "Proef";
        glaze.recipe.molp = "P";
        glaze.recipe.recipeSlots[0] = {"Krijt", 40, kNullNumber};
        glaze.recipe.recipeSlots[1] = {c.name, 60, kNullNumber};
        EXPECT_EQ(Recipe::isBlank(c.name), c.blank);

        const BatchWeights batch = BatchWeights::compute(glaze, 1000);
        EXPECT_EQ(batch.rows.size(), c.blank ? 1u : 2u);
        EXPECT_EQ(glaze.recipe.materialNames().size(), c.blank ? 1u : 2u);
        EXPECT_EQ(glaze.recipe.uses(c.name), !c.blank);

        const CalcResult result = calculate(glaze.recipe, materials, {});
        if (c.name == " Kwarts") {
            // Named, but not as any material is: the calculation says so and stops.
            EXPECT_TRUE(result.stopped);
            continue;
        }
        ASSERT_FALSE(result.stopped);
        // The blank place takes no share: Krijt is the whole recipe.
        EXPECT_NEAR(result.mtp[0], c.blank ? 100.0 : 40.0, 1e-9);
        EXPECT_EQ(result.mtp[1], c.blank ? 0.0 : 60.0);
        const OxideValues formula = GlazeSubstitution::currentFormula(materials, glaze);
        EXPECT_EQ(formula[static_cast<std::size_t>(OxideCatalogue::byStem("sio2")->position - 1)] > 0,
                  !c.blank);
    }
}

} // namespace
} // namespace kelvora::test
