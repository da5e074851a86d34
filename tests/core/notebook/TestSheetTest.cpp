// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/TestSheet.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

TEST(TestSheetTest, TheSheetShowsTheRecipeAsMixedWithItsGramsAndEveryFiring) {
    NotebookData n;
    Proef t;
    t.code = "K-2026-014";
    t.glaze = "Wit";
    t.date = "11-12-2026";
    t.recipe.molp = "P";
    t.recipe.recipeSlots[0] = {"Kwarts", 60, kNullNumber};
    t.recipe.recipeSlots[2] = {"Krijt", 40, kNullNumber};
    t.recipe.additions[0] = {"Rutiel", 4};
    t.batchGrams = 500;
    t.waterGrams = 420;
    t.specificGravity = 1.45;
    t.clayBody = "Steengoed wit";
    t.application = Application::Dip;
    t.seconds = 3;
    t.coats = 2;
    n.tests = {t};
    Stook f;
    f.code = "S-2026-001";
    f.date = "12-12-2026";
    f.kiln = "Gasoven";
    f.cone = "10";
    f.atmosphere = Atmosphere::Reduction;
    n.firings = {f};
    TileResult r;
    r.firing = f.code;
    r.test = t.code;
    r.place = "boven";
    r.surface = "glanzend";
    r.rating = 4;
    r.defects = {Defect::Crawling};
    r.defectNotes = "aan de rand";
    n.results = {r};
    Foto p;
    p.file = "foto/K-2026-014-1.jpg";
    p.test = t.code;
    p.cone = "10";
    n.photos = {p};
    // 60 and 40 % of 500 g, and 4 parts per 100 on top: 300, 200 and 20 g.
    EXPECT_EQ(TestSheet::lines(n, t),
              (std::vector<std::string>{
                  "Proef K-2026-014", "Glazuur: Wit", "Gemengd: 11-12-2026", "Tegel: scherf Steengoed wit",
                  "Opbrengen: dompelen, 3 s, 2 lagen", "Recept zoals gemengd (500 g):",
                  "    Kwarts\t60.00 %\t300.0 g", "    Krijt\t40.00 %\t200.0 g", "  + Rutiel\t4.00 %\t20.0 g",
                  "    Totaal\t\t520.0 g", "Slib: water 420 g, s.g. 1.45",
                  "Stoken:", "    S-2026-001, 12-12-2026, Gasoven, kegel 10, reductie, plaats boven",
                  "        glanzend, waardering 4, gebreken: kruipen, aan de rand",
                  "Foto's:", "    foto/K-2026-014-1.jpg, kegel 10"}));
    EXPECT_EQ(TestSheet::label(t), (std::vector<std::string>{"K-2026-014", "Wit"}));
}

TEST(TestSheetTest, WithoutABatchSizeThePercentagesStandAlone) {
    NotebookData n;
    Proef t;
    t.code = "K-1";
    t.glaze = "Wit";
    t.recipe.recipeSlots[0] = {"Kwarts", 100, kNullNumber};
    EXPECT_EQ(TestSheet::lines(n, t),
              (std::vector<std::string>{"Proef K-1", "Glazuur: Wit",
                                        "Recept zoals gemengd:", "    Kwarts\t100.00 %"}));
}

} // namespace
} // namespace kelvora::test
