// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ImportPlan.h"

#include "model/OxideCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvora::test {
namespace {

ImportedLine line(const char* name, double amount, bool addition = false, int at = 0) {
    ImportedLine l;
    l.name = name;
    l.amount = amount;
    l.addition = addition;
    l.line = at;
    l.text = name;
    return l;
}

Material stored(const char* name, const char* stem, double molg) {
    Material m;
    m.naam = name;
    m.molproc = "M";
    m.molg = molg;
    m.oxides[static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1)] = 1.0;
    return m;
}

class ImportPlanTest : public ::testing::Test {
protected:
    std::vector<Material> store{stored("Krijt", "cao", 100.0), stored("Kwarts", "sio2", 60.1),
                                stored("Custer-type veldspaat", "k2o", 556.0)};
    std::vector<std::string> glazes{"Seladon"};
    std::vector<Alias> aliases{{"Custer Feldspar", "Custer-type veldspaat"}, {"Whiting", "Krijt"}};
    ImportedFile file;

    void SetUp() override {
        ImportedRecipe r;
        r.name = "Seladon";
        r.lines = {line("Custer Feldspar", 40, false, 3), line("Kwarts", 30, false, 4),
                   line("whiting", 20, false, 5), line("Frit X", 10, false, 6),
                   line("Mason Stain 6600", 5, true, 8)};
        r.cone = "6";
        r.addSource(SourceField::Source, "Clayart");
        r.addSource(SourceField::Atmosphere, "Reductie");
        file.recipes.push_back(r);
        ImportedMaterial frit;
        frit.name = "Frit X";
        frit.kind = AnalysisKind::WeightPercent;
        frit.analysis = {{"CaO", 20}, {"B2O3", 23}, {"SiO2", 57}};
        file.materials.push_back(frit);
    }

    static const PlannedMaterial& row(const ImportPlan& plan, const std::string& name) {
        for (const auto& r : plan.materials())
            if (r.name == name) return r;
        throw std::runtime_error("no row " + name);
    }
};

TEST_F(ImportPlanTest, EveryNameMetHasAStateAndUnknownsKeepThePlanOpen) {
    ImportPlan plan(file, store, glazes, aliases);
    const struct {
        const char* name;
        const char* state;
        const char* material;
    } cases[] = {
        {"Custer Feldspar", "alias", "Custer-type veldspaat"},
        {"Kwarts", "gelijk", "Kwarts"},
        {"whiting", "alias", "Krijt"},
        {"Frit X", "onbekend", ""},
        {"Mason Stain 6600", "onbekend", ""},
    };
    ASSERT_EQ(plan.materials().size(), std::size(cases));
    for (const auto& c : cases) {
        EXPECT_EQ(row(plan, c.name).state(), c.state) << c.name;
        EXPECT_EQ(row(plan, c.name).material(), c.material) << c.name;
    }
    EXPECT_FALSE(plan.settled());
    const auto problems = plan.problems();
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].rfind("onbekende grondstof 'Frit X'", 0), 0u) << problems[0];
    EXPECT_EQ(plan.recipes()[0].state(), "nieuw");
}

TEST_F(ImportPlanTest, ChoicesSettleThePlanAndAdditionsStayAdditions) {
    ImportPlan plan(file, store, glazes, aliases);
    plan.material("Frit X")->choice = MaterialChoice::FromAnalysis;
    plan.material("Mason Stain 6600")->choice = MaterialChoice::WithoutAnalysis;
    plan.update();
    ASSERT_TRUE(plan.settled()) << plan.problems().front();
    EXPECT_EQ(row(plan, "Frit X").state(), "nieuw uit analyse");
    EXPECT_EQ(row(plan, "Mason Stain 6600").state(), "zonder analyse");

    const auto materials = plan.newMaterials();
    ASSERT_EQ(materials.size(), 2u);
    EXPECT_EQ(materials[0].naam, "Frit X");
    EXPECT_EQ(materials[0].molproc, "P");
    EXPECT_TRUE(materials[1].withoutAnalysis());

    const auto glazesOut = plan.newGlazes();
    ASSERT_EQ(glazesOut.size(), 1u);
    const Glaze& g = glazesOut[0];
    EXPECT_EQ(g.naam, "Seladon (2)"); // the store has one of that name
    EXPECT_EQ(g.recipe.molp, "P");
    EXPECT_EQ(g.recipe.recipeSlots[0].name, "Custer-type veldspaat");
    EXPECT_EQ(g.recipe.recipeSlots[2].name, "Krijt");
    EXPECT_EQ(g.recipe.recipeSlots[3].name, "Frit X");
    EXPECT_TRUE(g.recipe.recipeSlots[4].name.empty());
    EXPECT_EQ(g.recipe.additions[0].name, "Mason Stain 6600");
    EXPECT_EQ(g.recipe.additions[0].tvp, 5.0);
    EXPECT_EQ(plan.recipes()[0].baseLines, 4);
    EXPECT_EQ(plan.recipes()[0].additions, 1);
    EXPECT_NE(std::find(plan.recipes()[0].notes.begin(), plan.recipes()[0].notes.end(),
                        "naam bestond al; opgeslagen als 'Seladon (2)'"),
              plan.recipes()[0].notes.end());
    // The source block in its fixed order, the Orton cone with its temperature.
    EXPECT_NE(g.omsc.find("Bron:\r\nKegel: Orton 6 (1222 \xC2\xB0"
                          "C bij 150 \xC2\xB0"
                          "C/uur)\r\n"
                          "Atmosfeer: Reductie\r\nBron: Clayart"),
              std::string::npos)
        << g.omsc;
    EXPECT_TRUE(plan.newAliases().empty());
}

TEST_F(ImportPlanTest, SkippingAMaterialSkipsTheRecipesThatUseIt) {
    ImportedRecipe other;
    other.name = "Zonder fritte";
    other.lines = {line("Kwarts", 50), line("Krijt", 50)};
    file.recipes.push_back(other);
    ImportPlan plan(file, store, glazes, aliases);
    plan.material("Frit X")->choice = MaterialChoice::Skip;
    plan.material("Mason Stain 6600")->choice = MaterialChoice::MapTo;
    plan.material("Mason Stain 6600")->mapTo = "Kwarts";
    plan.material("Mason Stain 6600")->remember = true;
    plan.update();
    ASSERT_TRUE(plan.settled());
    EXPECT_EQ(row(plan, "Frit X").recipes, std::vector<std::string>{"Seladon"});
    EXPECT_EQ(plan.recipes()[0].state(), "overgeslagen");
    ASSERT_EQ(plan.newGlazes().size(), 1u);
    EXPECT_EQ(plan.newGlazes()[0].naam, "Zonder fritte");
    ASSERT_EQ(plan.newAliases().size(), 1u);
    EXPECT_EQ(plan.newAliases()[0].name, "Mason Stain 6600");
    EXPECT_EQ(plan.newAliases()[0].material, "Kwarts");

    // A mapping to a material the store does not hold settles nothing.
    plan.material("Mason Stain 6600")->mapTo = "Bestaat niet";
    plan.update();
    EXPECT_FALSE(plan.settled());
}

TEST_F(ImportPlanTest, WhatDoesNotFitIsKeptInTheDescription) {
    ImportedFile big;
    ImportedRecipe r;
    r.name = "Een heel lange receptnaam die langer is dan veertig tekens";
    for (int i = 0; i < 13; ++i)
        r.lines.push_back(line("Kwarts", i + 1));
    for (int i = 0; i < 6; ++i)
        r.lines.push_back(line("Krijt", i + 1, true));
    r.cone = "SK 6a - 8";
    big.recipes = {r, r}; // twice: the second cut name must differ from the first
    ImportPlan plan(big, store, glazes, aliases);
    ASSERT_TRUE(plan.settled());
    const auto out = plan.newGlazes();
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].naam.rfind("Een heel lange receptnaam die langer is", 0), 0u) << out[0].naam;
    EXPECT_LE(out[0].naam.size(), 40u);
    EXPECT_NE(out[1].naam, out[0].naam);
    EXPECT_LE(out[1].naam.size(), 40u);
    EXPECT_NE(out[0].omsc.find("Volledige naam: " + r.name), std::string::npos);
    EXPECT_NE(out[0].omsc.find("niet overgenomen: Kwarts 13; + Krijt 6"), std::string::npos) << out[0].omsc;
    EXPECT_EQ(out[0].recipe.recipeSlots[11].mtp, 12.0);
    EXPECT_EQ(out[0].recipe.additions[4].tvp, 5.0);
    EXPECT_EQ(out[0].skva, "6a - 1200");
    EXPECT_EQ(out[0].sktt, "8 - 1250");
    EXPECT_EQ(out[0].omsc.find("Bron:"), std::string::npos);
}

TEST_F(ImportPlanTest, ConeTextsGoWhereTheyBelong) {
    const struct {
        const char* cone;
        const char* skva;
        const char* description;
    } cases[] = {
        {"SK 6a", "6a - 1200", ""},
        {"sk 05a-sk 1a", "05a - 1000", ""},
        {"9 - 10", "",
         "Kegel: Orton 9 - 10 (1280 - 1305 \xC2\xB0"
         "C bij 150 \xC2\xB0"
         "C/uur)"},
        {"04-03", "",
         "Kegel: Orton 04 - 03 (1060 - 1101 \xC2\xB0"
         "C bij 150 \xC2\xB0"
         "C/uur)"},
        {"SK 99", "", "Kegel: SK 99"},
        {"\xCE\x94"
         "6 glossy",
         "",
         "Kegel: \xCE\x94"
         "6 glossy"},
    };
    for (const auto& c : cases) {
        ImportedFile f;
        ImportedRecipe r;
        r.name = "Kegelproef";
        r.lines = {line("Kwarts", 100)};
        r.cone = c.cone;
        f.recipes = {r};
        const auto g = ImportPlan(f, store, {}, {}).newGlazes().at(0);
        EXPECT_EQ(g.skva, c.skva) << c.cone;
        if (*c.description) {
            EXPECT_NE(g.omsc.find(c.description), std::string::npos) << c.cone << ": " << g.omsc;
        } else {
            EXPECT_EQ(g.omsc, "") << c.cone;
        }
    }
}

TEST_F(ImportPlanTest, LinesToSettleAndDifferingAnalysesAreSaid) {
    ImportedFile f;
    ImportedRecipe r;
    r.name = "Onzeker";
    ImportedLine range = line("Kwarts", kNullNumber, true, 12);
    range.unsettled = "een bereik, geen hoeveelheid";
    range.text = "Kwarts 1-4";
    r.lines = {line("Krijt", 100), range};
    f.recipes = {r};
    ImportedMaterial krijt;
    krijt.name = "Krijt";
    krijt.kind = AnalysisKind::Molar;
    krijt.analysis = {{"CaO", 0.9}, {"MgO", 0.1}, {"CO2", 1}};
    f.materials = {krijt};
    ImportPlan plan(f, store, {}, {});
    EXPECT_FALSE(plan.settled());
    EXPECT_EQ(
        plan.problems(),
        std::vector<std::string>{"regel 12 (recept 'Onzeker'): een bereik, geen hoeveelheid ('Kwarts 1-4')"});
    EXPECT_EQ(plan.recipes()[0].state(), "onbekend");
    ASSERT_EQ(row(plan, "Krijt").notes.size(), 1u);
    EXPECT_NE(row(plan, "Krijt").notes[0].find("wijkt af"), std::string::npos);
    EXPECT_EQ(row(plan, "Krijt").state(), "gelijk");
}

TEST_F(ImportPlanTest, CreateAllOpenUsesTheAnalysisWhereTheFileHasOne) {
    ImportPlan plan(file, store, glazes, aliases);
    plan.createAllOpen();
    EXPECT_TRUE(plan.settled());
    EXPECT_EQ(row(plan, "Frit X").choice, MaterialChoice::FromAnalysis);
    EXPECT_EQ(row(plan, "Mason Stain 6600").choice, MaterialChoice::WithoutAnalysis);
    // Names the store knows are left as they are.
    EXPECT_EQ(row(plan, "Kwarts").choice, MaterialChoice::Open);
}

// An analysis with an oxide outside the 33 or a KNaO settles nothing by
// itself: the one needs the potter's confirmation, the other a split.
TEST_F(ImportPlanTest, AnAnalysisThatLosesSomethingWaitsForThePotter) {
    file.materials[0].analysis.push_back({"F", 2});
    ImportPlan plan(file, store, glazes, aliases);
    plan.createAllOpen();
    ASSERT_FALSE(plan.settled());
    EXPECT_NE(plan.problems().front().find("buiten de 33 oxides: F"), std::string::npos)
        << plan.problems().front();
    plan.material("Frit X")->outsideConfirmed = true;
    plan.update();
    EXPECT_TRUE(plan.settled());

    file.materials[0].analysis.push_back({"KNaO", 1});
    ImportPlan split(file, store, glazes, aliases);
    split.createAllOpen();
    split.material("Frit X")->outsideConfirmed = true;
    split.update();
    EXPECT_EQ(split.problems(), std::vector<std::string>{"grondstof 'Frit X': KNaO: splits in K2O en Na2O"});
}

} // namespace
} // namespace kelvora::test
