// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Notebook.h"

#include "store/AtomicFile.h"
#include "store/DataFiles.h"
#include "store/FileCalls.h"
#include "store/PacketCodec.h"
#include "store/StoreError.h"
#include "store/StoreTransaction.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <iostream>

namespace kelvora::test {
namespace {

namespace fs = std::filesystem;

// A test recorded with its result and a photo is one change: whatever call
// of the store fails, the next open finds the test, its result and its
// photo (with the file there), or none of them.
TEST(NotebookFailureTest, AFailureAtEveryStepLeavesTestsFiringsAndPhotosConsistent) {
    TempDir dir;
    const std::string folder = dir.path().string();
    const std::string source = dir.file("tegel.png");
    writeBytes(source, "\x89PNG tegel");
    {
        Notebook notebook(folder);
        notebook.load();
        Proef first;
        first.code = "K-1";
        first.glaze = "Wit";
        notebook.addTest(first);
        Stook firing;
        firing.code = "S-1";
        notebook.addFiring(firing);
    }
    const std::vector<std::string> tables{DataFiles::inFolder(folder, DataFiles::testsName),
                                          DataFiles::inFolder(folder, DataFiles::firingsName),
                                          DataFiles::inFolder(folder, DataFiles::tileResultsName),
                                          DataFiles::inFolder(folder, DataFiles::photosName)};
    std::vector<std::string> old;
    for (const auto& t : tables)
        old.push_back(fs::exists(t) ? readBytes(t) : std::string());
    const auto reset = [&] {
        for (std::size_t i = 0; i < tables.size(); ++i)
            if (old[i].empty())
                fs::remove(tables[i]);
            else
                writeBytes(tables[i], old[i]);
        fs::remove_all(dir / "foto");
    };

    int tried = 0;
    for (int failAt = 1;; ++failAt) {
        SCOPED_TRACE(failAt);
        Notebook notebook(folder);
        notebook.load();
        Proef second;
        second.code = "K-2";
        second.glaze = "Wit";
        TileResult result;
        result.firing = "S-1";
        result.test = "K-2";
        result.rating = 4;
        Foto photo;
        photo.test = "K-2";
        photo.firing = "S-1";
        int calls = 0;
        FileCalls::setFaultForTesting([&](FileCalls::Kind) { return ++calls >= failAt ? ENOSPC : 0; });
        bool reported = false;
        try {
            notebook.record(second, {result}, {{source, photo}});
        } catch (const StoreError&) {
            reported = true;
        }
        FileCalls::setFaultForTesting(nullptr);
        if (calls < failAt) break; // went through without a failure
        ++tried;

        StoreTransaction::recover(folder); // what the next program to take the folder does
        Notebook after(folder);
        after.load();
        const NotebookData& d = after.data();
        const bool test = d.test("K-2") != nullptr;
        const bool linked = d.resultsOf("K-2").size() == 1;
        const auto photos = d.photosOf("K-2");
        EXPECT_EQ(test, linked);
        EXPECT_EQ(test, photos.size() == 1);
        if (!photos.empty()) {
            EXPECT_TRUE(after.photoPresent(*photos[0]));
        }
        ASSERT_NE(d.test("K-1"), nullptr);
        ASSERT_NE(d.firing("S-1"), nullptr);
        // No photo file lies there that no row names (a temporary file of an
        // interrupted copy aside, which is no photo).
        if (fs::exists(dir / "foto"))
            for (const auto& e : fs::directory_iterator(dir / "foto")) {
                const std::string file = "foto/" + e.path().filename().string();
                if (AtomicFile::isStaleTemporary(e.path().string())) continue;
                EXPECT_TRUE(test && photos[0]->file == file) << "a photo copied for nothing: " << file;
            }
        if (!reported) {
            EXPECT_TRUE(test) << "a failure that lost the change was not reported";
        }
        for (const auto& e : fs::directory_iterator(dir.path())) {
            const std::string name = e.path().filename().string();
            if (name.find(StoreTransaction::stagedSuffix) != std::string::npos ||
                name == StoreTransaction::journalName)
                ADD_FAILURE() << "left behind: " << name;
        }
        reset();
        if (HasFailure()) return;
    }
    std::cout << "[          ] failure points tried: " << tried << "\n";
    EXPECT_GT(tried, 10);
}

} // namespace
} // namespace kelvora::test
