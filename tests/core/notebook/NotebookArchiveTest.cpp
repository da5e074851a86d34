// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/NotebookArchive.h"

#include "notebook/NotebookError.h"
#include "store/DataFiles.h"
#include "store/GlazeBook.h"
#include "store/Notebook.h"
#include "store/PacketCodec.h"
#include "support/EngineFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <functional>
#include <map>

namespace kelvora::test {
namespace {

namespace fs = std::filesystem;

using Entries = std::vector<std::pair<std::string, std::string>>;

// The entries of a zip in their order, read with libzip directly.
Entries entriesOf(const std::string& path) {
    Entries entries;
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!zip) return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &st);
        std::string data(static_cast<std::size_t>(st.size), '\0');
        zip_file_t* file = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
        zip_fread(file, data.data(), data.size());
        zip_fclose(file);
        entries.emplace_back(st.name, data);
    }
    zip_discard(zip);
    return entries;
}

void writeZip(const std::string& path, const Entries& entries) {
    fs::remove(path);
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, data] : entries) {
        zip_source_t* source = zip_source_buffer(zip, data.data(), data.size(), 0);
        ASSERT_GE(zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8), 0) << name;
    }
    ASSERT_EQ(zip_close(zip), 0);
}

std::string folderListing(const fs::path& folder) {
    std::string listing;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file())
            listing +=
                e.path().lexically_relative(folder).string() + "=" + readBytes(e.path().string()) + "\n";
    return listing;
}

class NotebookArchiveTest : public ::testing::Test {
protected:
    TempDir from, to;
    std::string zip = from.file("wit.zip");

    static Stook firing(const std::string& code, const std::string& date) {
        Stook f;
        f.code = code;
        f.date = date;
        f.kiln = "Gasoven";
        f.cone = "10";
        f.atmosphere = Atmosphere::Reduction;
        f.schedule = FiringSchedule::parse("100:900,150:1300:20");
        return f;
    }

    // "Wit" with two tests in one firing and a photo, and a test of another glaze.
    void SetUp() override {
        const std::string here = from.path().string();
        writePacketFile(DataFiles::materials(here), materialsPacket({{{"naam", "Kwarts"}}}));
        writePacketFile(DataFiles::glazes(here),
                        glazesPacket({{{"naam", "Wit"}, {"mat1", "Kwarts"}, {"mtp1", "100"}, {"stat", "T"}},
                                      {{"naam", "Zwart"}}}));
        writePacketFile(DataFiles::materials(to.path().string()), materialsPacket({{{"naam", "Kwarts"}}}));
        writePacketFile(DataFiles::glazes(to.path().string()), glazesPacket({{{"naam", "Blauw"}}}));
        GlazeBook book(here);
        book.load();
        Notebook notebook(here);
        notebook.load();
        notebook.addTest(Proef::mixedFrom(*book.findGlaze("Wit"), "K-1", "01-12-2026"));
        notebook.addTest(Proef::mixedFrom(*book.findGlaze("Wit"), "K-2", "02-12-2026"));
        notebook.addTest(Proef::mixedFrom(*book.findGlaze("Zwart"), "K-3", "03-12-2026"));
        notebook.addFiring(firing("S-2026-001", "05-12-2026"));
        for (const char* test : {"K-1", "K-2", "K-3"}) {
            TileResult r;
            r.firing = "S-2026-001";
            r.test = test;
            r.rating = 5;
            r.defects = {Defect::Pinholes};
            notebook.setResult(r);
        }
        writeBytes(from.file("tegel.jpg"), "JPEG tegel K-1");
        Foto p;
        p.test = "K-1";
        p.firing = "S-2026-001";
        p.cone = "10";
        notebook.addPhoto({from.file("tegel.jpg"), p});
        NotebookArchive::write(book, notebook, "Wit", zip);
    }

    void import(bool apply) {
        GlazeBook book(to.path().string());
        book.load();
        Notebook notebook(to.path().string());
        notebook.load();
        const auto contents = NotebookArchive::read(zip);
        const auto preview = NotebookArchive::preview(book, notebook, contents);
        if (apply) NotebookArchive::apply(book, notebook, contents, preview);
    }
};

TEST_F(NotebookArchiveTest, AGlazeTravelsWithItsTestsFiringsAndPhotos) {
    // The other folder knows test K-2 already, and has another firing under the same code.
    {
        Notebook there(to.path().string());
        there.load();
        Proef own;
        own.code = "K-2";
        own.glaze = "Blauw";
        there.addTest(own);
        there.addFiring(firing("S-2026-001", "01-01-2026"));
    }
    const std::string before = folderListing(to.path());
    GlazeBook book(to.path().string());
    book.load();
    Notebook notebook(to.path().string());
    notebook.load();
    const auto contents = NotebookArchive::read(zip);
    EXPECT_EQ(contents.notebook.tests.size(), 2u) << "only the tests of the glaze";
    const auto preview = NotebookArchive::preview(book, notebook, contents);
    EXPECT_TRUE(preview.glazeAdded);
    EXPECT_EQ(preview.lines(), (std::vector<std::string>{"toegevoegd\tproef\tK-1", "behouden\tproef\tK-2",
                                                         "toegevoegd\tstook\tS-2026-002\t(was S-2026-001)",
                                                         "toegevoegd\tfoto\tfoto/K-1-1.jpg"}));
    EXPECT_EQ(folderListing(to.path()), before) << "the preview writes nothing";

    NotebookArchive::apply(book, notebook, contents, preview);
    GlazeBook booked(to.path().string());
    booked.load();
    ASSERT_TRUE(booked.findGlaze("Wit"));
    EXPECT_EQ(booked.findGlaze("Wit")->stat, "T");
    EXPECT_EQ(booked.findGlaze("Wit")->recipe.recipeSlots[0].mtp, 100);
    Notebook after(to.path().string());
    after.load();
    const NotebookData& d = after.data();
    ASSERT_NE(d.test("K-1"), nullptr);
    EXPECT_EQ(d.test("K-2")->glaze, "Blauw") << "kept as it was";
    EXPECT_EQ(d.test("K-1")->recipe.recipeSlots[0].name, "Kwarts");
    ASSERT_EQ(d.resultsOf("K-1").size(), 1u);
    EXPECT_EQ(d.resultsOf("K-1")[0]->firing, "S-2026-002");
    EXPECT_EQ(d.firing("S-2026-002")->date, "05-12-2026");
    EXPECT_EQ(d.firing("S-2026-002")->schedule, firing("", "").schedule);
    EXPECT_EQ(d.firing("S-2026-001")->date, "01-01-2026");
    ASSERT_EQ(d.photosOf("K-1").size(), 1u);
    EXPECT_EQ(d.photosOf("K-1")[0]->firing, "S-2026-002");
    EXPECT_EQ(readBytes(after.photoPath(*d.photosOf("K-1")[0])), "JPEG tegel K-1");

    // A second import finds everything there.
    Notebook again(to.path().string());
    again.load();
    GlazeBook bookAgain(to.path().string());
    bookAgain.load();
    const auto second = NotebookArchive::preview(bookAgain, again, NotebookArchive::read(zip));
    EXPECT_FALSE(second.glazeAdded);
    EXPECT_EQ(second.lines(), (std::vector<std::string>{"behouden\tproef\tK-1", "behouden\tproef\tK-2"}));
}

TEST_F(NotebookArchiveTest, AHostileOrDamagedZipIsRefusedBeforeAnythingIsWritten) {
    const Entries good = entriesOf(zip);
    ASSERT_GE(good.size(), 7u);
    const auto with = [&](std::function<void(Entries&)> change) {
        Entries e = good;
        change(e);
        return e;
    };
    const auto entry = [](Entries& e, const std::string& name) -> std::string& {
        for (auto& [n, data] : e)
            if (n == name) return data;
        throw std::runtime_error("no entry " + name);
    };
    struct Case {
        const char* what;
        Entries entries;
    };
    const std::vector<Case> cases{
        {"a name leading out", with([](Entries& e) { e.emplace_back("../buiten.txt", "x"); })},
        {"a name leading out further in",
         with([](Entries& e) { e.emplace_back("foto/../../buiten.txt", "x"); })},
        {"an absolute name", with([](Entries& e) { e.emplace_back("/tmp/kelvora-buiten.txt", "x"); })},
        {"a backslash", with([](Entries& e) { e.emplace_back("foto\\..\\x", "x"); })},
        {"a photo changed", with([&](Entries& e) { entry(e, "foto/K-1-1.jpg") = "JPEG ander"; })},
        {"a table changed", with([&](Entries& e) { entry(e, "proeven.cds").back() ^= 1; })},
        {"an entry not listed", with([](Entries& e) { e.emplace_back("extra.txt", "x"); })},
        {"an entry missing", with([](Entries& e) { e.erase(e.begin()); })},
        {"no manifest", with([](Entries& e) { e.pop_back(); })},
        {"a photo too large", with([](Entries& e) {
             e.emplace_back("groot.jpg", std::string(NotebookArchive::maxEntryBytes + 1, '\0'));
         })},
    };
    const std::string before = folderListing(to.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeZip(zip, c.entries);
        EXPECT_THROW(import(true), NotebookError);
        EXPECT_EQ(folderListing(to.path()), before);
    }
    EXPECT_FALSE(fs::exists(to.path().parent_path() / "buiten.txt"));
    writeBytes(zip, "PK geen zip");
    EXPECT_THROW(import(true), NotebookError);
    writeZip(zip, good);
    import(true);
    EXPECT_NE(folderListing(to.path()), before) << "the good zip still goes in";
}

} // namespace
} // namespace kelvora::test
