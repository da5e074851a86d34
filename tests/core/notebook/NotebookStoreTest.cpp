// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Notebook.h"

#include "notebook/NotebookError.h"
#include "store/DataFiles.h"
#include "store/DataFolderLock.h"
#include "store/GlazeBook.h"
#include "store/PacketCodec.h"
#include "support/EngineFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace kelvora::test {
namespace {

namespace fs = std::filesystem;

// A data folder with two materials and one glaze of two lines.
class NotebookStoreTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string folder = dir.path().string();

    void SetUp() override {
        writePacketFile(DataFiles::materials(folder),
                        materialsPacket({{{"naam", "Kwarts"}}, {{"naam", "Krijt"}}}));
        writePacketFile(DataFiles::glazes(folder), glazesPacket({{{"naam", "Wit"},
                                                                  {"molp", "P"},
                                                                  {"mat1", "Kwarts"},
                                                                  {"mtp1", "60"},
                                                                  {"mat2", "Krijt"},
                                                                  {"mtp2", "40"},
                                                                  {"tvs1", "Rutiel"},
                                                                  {"tvp1", "4"}}}));
    }

    static Stook firing(const std::string& code) {
        Stook f;
        f.code = code;
        f.date = "10-12-2026";
        f.kiln = "Elektrisch groot";
        f.schedule = FiringSchedule::parse("100:600:0,150:1220:15");
        f.cone = "6 buigt";
        f.atmosphere = Atmosphere::Oxidation;
        return f;
    }
    static TileResult result(const std::string& firing, const std::string& test, int rating) {
        TileResult r;
        r.firing = firing;
        r.test = test;
        r.place = "boven";
        r.surface = "glanzend";
        r.defects = {Defect::Crazing};
        r.rating = rating;
        return r;
    }
    Glaze wit() const {
        GlazeBook book(folder);
        book.load();
        return *book.findGlaze("Wit");
    }
    std::string photoSource(const std::string& name, const std::string& bytes) {
        const std::string path = dir.file(name);
        writeBytes(path, bytes);
        return path;
    }
};

TEST_F(NotebookStoreTest, TheRecipeAsMixedStaysWhenTheGlazeChanges) {
    GlazeBook book(folder);
    book.load();
    const Glaze asMixed = *book.findGlaze("Wit");
    Notebook notebook(folder);
    notebook.load();
    Proef test = Proef::mixedFrom(asMixed, notebook.suggestTestCode(2026), "11-12-2026");
    test.batchGrams = 500;
    notebook.addTest(test);

    Glaze changed = asMixed;
    changed.recipe.recipeSlots[0].mtp = 70;
    changed.recipe.recipeSlots[1] = {"Kaolien", 30, kNullNumber};
    ASSERT_TRUE(book.updateGlaze("Wit", changed));
    book.save();

    // Also when the test itself is edited later.
    Proef edited = test;
    edited.notes = "mooi";
    edited.recipe = changed.recipe;
    notebook.updateTest(edited);

    Notebook again(folder);
    again.load();
    ASSERT_EQ(again.data().tests.size(), 1u);
    const Proef& stored = again.data().tests[0];
    EXPECT_EQ(stored.code, "K-2026-001");
    EXPECT_EQ(stored.recipe, asMixed.recipe);
    EXPECT_EQ(stored.recipe.recipeSlots[1].name, "Krijt");
    EXPECT_EQ(stored.recipe.additions[0].tvp, 4);
    EXPECT_EQ(stored.notes, "mooi");
    EXPECT_EQ(stored.batchGrams, 500);
    EXPECT_EQ(again.suggestTestCode(2026), "K-2026-002");
}

TEST_F(NotebookStoreTest, AFiringIsSharedByTwoTests) {
    Notebook notebook(folder);
    notebook.load();
    GlazeBook book(folder);
    book.load();
    const Glaze wit = *book.findGlaze("Wit");
    notebook.addTest(Proef::mixedFrom(wit, "K-2026-001", "01-12-2026"));
    notebook.addTest(Proef::mixedFrom(wit, "K-2026-002", "02-12-2026"));
    notebook.addFiring(firing("S-2026-001"));
    notebook.setResult(result("S-2026-001", "K-2026-001", 4));
    notebook.setResult(result("S-2026-001", "K-2026-002", 2));
    notebook.setResult(result("s-2026-001", "k-2026-002", 3)); // the same pair again: replaced

    Notebook again(folder);
    again.load();
    const NotebookData& d = again.data();
    ASSERT_EQ(d.firings.size(), 1u);
    EXPECT_EQ(d.firings[0].schedule, firing("S-2026-001").schedule);
    EXPECT_EQ(d.firings[0].atmosphere, Atmosphere::Oxidation);
    ASSERT_EQ(d.results.size(), 2u);
    for (const char* code : {"K-2026-001", "K-2026-002"}) {
        const auto results = d.resultsOf(code);
        ASSERT_EQ(results.size(), 1u) << code;
        EXPECT_EQ(d.firing(results[0]->firing), &d.firings[0]);
        EXPECT_EQ(results[0]->defects, std::vector<Defect>{Defect::Crazing});
    }
    EXPECT_EQ(d.resultsOf("K-2026-002")[0]->rating, 3);
}

TEST_F(NotebookStoreTest, PhotosAreCopiedWithRelativePathsAndTravelWithTheFolder) {
    Notebook notebook(folder);
    notebook.load();
    notebook.addTest(Proef::mixedFrom(wit(), "K-2026-001", "01-12-2026"));
    notebook.addFiring(firing("S-2026-001"));
    const std::string source = photoSource("Tegel.JPG", std::string("\xff\xd8\xff\xe0 jpeg", 9));
    Foto shown;
    shown.test = "K-2026-001";
    shown.firing = "S-2026-001";
    shown.title = "voorkant";
    shown.cone = "6";
    shown.atmosphere = Atmosphere::Reduction;
    const Foto first = notebook.addPhoto({source, shown});
    const Foto second = notebook.addPhoto({source, shown});
    EXPECT_EQ(first.file, "foto/K-2026-001-1.jpg");
    EXPECT_EQ(second.file, "foto/K-2026-001-2.jpg");
    EXPECT_EQ(readBytes(source), std::string("\xff\xd8\xff\xe0 jpeg", 9)) << "the original is untouched";

    // The whole folder moves (to another disk, another machine).
    TempDir other;
    const fs::path moved = other / "db0991";
    fs::copy(dir.path(), moved, fs::copy_options::recursive);
    fs::remove_all(dir / "foto");
    Notebook there(moved.string());
    there.load();
    ASSERT_EQ(there.data().photos.size(), 2u);
    for (const Foto& p : there.data().photos) {
        EXPECT_TRUE(fs::path(p.file).is_relative()) << p.file;
        EXPECT_TRUE(there.photoPresent(p)) << p.file;
        EXPECT_EQ(readBytes(there.photoPath(p)), readBytes(source));
        EXPECT_EQ(p.atmosphere, Atmosphere::Reduction);
        EXPECT_EQ(p.firing, "S-2026-001");
    }
    EXPECT_FALSE(notebook.photoPresent(first)) << "the old folder lost its photos, the moved one kept them";
}

TEST_F(NotebookStoreTest, AnOldFolderOpensUnchangedAndGetsItsTablesAtFirstUse) {
    const auto before = [&] {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    const auto files = before();
    const std::string glazes = readBytes(DataFiles::glazes(folder));
    Notebook notebook(folder);
    notebook.load();
    EXPECT_TRUE(notebook.data().tests.empty());
    GlazeBook book(folder);
    book.load();
    EXPECT_EQ(book.findGlaze("Wit")->stat, "") << "a glaze table without the status field reads it empty";
    book.save();
    EXPECT_EQ(before(), files);
    EXPECT_EQ(readBytes(DataFiles::glazes(folder)), glazes);

    notebook.addFiring(firing("S-1"));
    EXPECT_TRUE(fs::exists(DataFiles::inFolder(folder, DataFiles::firingsName)));
    EXPECT_FALSE(fs::exists(DataFiles::inFolder(folder, DataFiles::testsName))) << "made when first needed";
}

TEST_F(NotebookStoreTest, ABrokenRecordOrLinkIsRefusedAndNothingIsWritten) {
    Notebook notebook(folder);
    notebook.load();
    notebook.addTest(Proef::mixedFrom(wit(), "K-1", "01-12-2026"));
    notebook.addFiring(firing("S-1"));
    const std::string tests = readBytes(DataFiles::inFolder(folder, DataFiles::testsName));
    struct Case {
        const char* what;
        std::function<void()> change;
    };
    Proef wide = Proef::mixedFrom(wit(), "K-2", "");
    wide.clayBody = std::string(41, 'x');
    const std::vector<Case> cases{
        {"a code taken (case aside)", [&] { notebook.addTest(Proef::mixedFrom(wit(), "k-1", "")); }},
        {"a text wider than its field", [&] { notebook.addTest(wide); }},
        {"a result of an unknown test", [&] { notebook.setResult(result("S-1", "K-9", 3)); }},
        {"a result in an unknown firing", [&] { notebook.setResult(result("S-9", "K-1", 3)); }},
        {"a rating of 6", [&] { notebook.setResult(result("S-1", "K-1", 6)); }},
        {"a photo of an unknown test",
         [&] {
             notebook.addPhoto({photoSource("a.png", "png"), Foto{"", "", "", {}, "K-9", ""}});
         }},
        {"a file that is no image",
         [&] {
             notebook.addPhoto({photoSource("a.txt", "tekst"), Foto{"", "", "", {}, "K-1", ""}});
         }},
        {"a photo that is not there",
         [&] {
             notebook.addPhoto({dir.file("weg.jpg"), Foto{"", "", "", {}, "K-1", ""}});
         }},
        {"an unknown test to update", [&] { notebook.updateTest(Proef::mixedFrom(wit(), "K-7", "")); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(c.change(), NotebookError);
        Notebook again(folder);
        again.load();
        EXPECT_EQ(again.data().tests.size(), 1u);
        EXPECT_TRUE(again.data().results.empty());
        EXPECT_TRUE(again.data().photos.empty());
    }
    EXPECT_EQ(readBytes(DataFiles::inFolder(folder, DataFiles::testsName)), tests);
    EXPECT_FALSE(fs::exists(dir / "foto" / "K-1-1.png"));
}

TEST_F(NotebookStoreTest, ATableAnotherProgramChangedIsNotOverwritten) {
    Notebook mine(folder), theirs(folder);
    mine.load();
    theirs.load();
    theirs.addFiring(firing("S-1"));
    EXPECT_THROW(mine.addFiring(firing("S-2")), StoreError);
    Notebook again(folder);
    again.load();
    ASSERT_EQ(again.data().firings.size(), 1u);
    EXPECT_EQ(again.data().firings[0].code, "S-1");
}

TEST_F(NotebookStoreTest, AGlazeThatGoesTakesItsTestsAndPhotosAndLeavesTheFirings) {
    Notebook notebook(folder);
    notebook.load();
    Glaze other = wit();
    other.naam = "Zwart";
    notebook.addTest(Proef::mixedFrom(wit(), "K-1", ""));
    notebook.addTest(Proef::mixedFrom(other, "K-2", ""));
    notebook.addFiring(firing("S-1"));
    notebook.setResult(result("S-1", "K-1", 3));
    notebook.setResult(result("S-1", "K-2", 3));
    const Foto photo = notebook.addPhoto({photoSource("a.png", "png"), Foto{"", "", "", {}, "K-1", "S-1"}});
    ASSERT_TRUE(notebook.photoPresent(photo));

    EXPECT_EQ(notebook.renameGlaze("wit", "Wit 2"), 1);
    EXPECT_EQ(notebook.removeTestsOf("Wit"), 0);
    EXPECT_EQ(notebook.removeTestsOf("Wit 2"), 1);
    EXPECT_FALSE(notebook.photoPresent(photo));
    Notebook again(folder);
    again.load();
    ASSERT_EQ(again.data().tests.size(), 1u);
    EXPECT_EQ(again.data().tests[0].code, "K-2");
    EXPECT_EQ(again.data().results.size(), 1u);
    EXPECT_TRUE(again.data().photos.empty());
    EXPECT_EQ(again.data().firings.size(), 1u);
}

TEST_F(NotebookStoreTest, SchedulesAreKeptAsTemplatesByName) {
    Notebook notebook(folder);
    notebook.load();
    notebook.saveTemplate({"Kegel 6 langzaam", FiringSchedule::parse("80:600,150:1222:15")});
    notebook.saveTemplate({"kegel 6 langzaam ", FiringSchedule::parse("100:600,150:1222:10")});
    Notebook again(folder);
    again.load();
    ASSERT_EQ(again.data().templates.size(), 1u);
    EXPECT_EQ(again.data().templates[0].steps, FiringSchedule::parse("100:600,150:1222:10"));
}

} // namespace
} // namespace kelvora::test
