// SPDX-License-Identifier: GPL-3.0-or-later
// What the store does around the data file itself: a file changed by another
// program since it was read, links, rights, owners, files that are no regular
// files, and temporary files left by a killed write.
#include "model/TableLayouts.h"
#include "store/AtomicFile.h"
#include "store/DataFolderLock.h"
#include "store/PacketCodec.h"
#include "store/View.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kelvora;
using kelvora::test::readBytes;
using kelvora::test::TempDir;
namespace fs = std::filesystem;

namespace {
std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

Packet materials(std::initializer_list<const char*> names) {
    Packet p(TableLayouts::materials());
    for (const char* name : names) {
        Row r = p.emptyRow();
        p.setText(r, 0, name);
        p.rows.push_back(r);
    }
    return p;
}

void openMaterials(View& view) {
    view.declareFields(TableLayouts::materials());
    view.setIndexFieldNames("naam");
    view.open();
}

void appendMaterial(View& view, const char* name) {
    view.insert();
    view.setText("naam", name);
    view.post();
}

struct timespec mtimeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mtim;
}

void setMtime(const std::string& path, struct timespec when) {
    struct timespec times[2] = {when, when};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}
} // namespace

TEST(FileGuard, ViewRefusesToOverwriteAFileChangedSinceItWasRead) {
    // Each way another program can change the file: the write is refused
    // naming the file, the other program's file stays, the view keeps its rows.
    struct Case {
        const char* what;
        std::function<void(const std::string&)> change;
    } cases[] = {
        {"rewritten by another program",
         [](const std::string& p) {
             writePacketFile(p, materials({"B", "C"}));
         }},
        {"replaced by another file",
         [](const std::string& p) {
             writePacketFile(p + ".new", materials({"A"}));
             fs::rename(p + ".new", p);
         }},
        {"same size and time, other bytes",
         [](const std::string& p) {
             auto when = mtimeOf(p);
             std::string bytes = readBytes(p);
             const std::string other = encodeBinary(materials({"Z"})); // same length as "A"
             ASSERT_EQ(other.size(), bytes.size());
             test::writeBytes(p, other); // in place: same inode
             setMtime(p, when);
         }},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::string path = dir.file("mat.cds");
        writePacketFile(path, materials({"A"}));
        View view("MatCDS", path);
        openMaterials(view);
        c.change(path);
        const bool existed = fs::exists(path);
        const std::string theirs = existed ? readBytes(path) : std::string();
        appendMaterial(view, "Mine");
        std::string err = errorOf([&] { view.close(); });
        EXPECT_EQ(err,
                  "MatCDS: Unable to write to \"" + path +
                      "\": another program changed the file after it was read. Nothing was written; open the "
                      "table again to see the other changes.")
            << c.what;
        EXPECT_EQ(fs::exists(path), existed) << c.what;
        if (existed) {
            EXPECT_EQ(readBytes(path), theirs) << c.what;
        }
        EXPECT_TRUE(view.active()) << c.what;
        EXPECT_EQ(view.recordCount(), 2) << c.what;
        EXPECT_TRUE(view.findKey("Mine")) << c.what;
        view.setFileName({}); // let the view go without writing
        view.close();
    }
}

// A table file removed behind the view's back: nothing of anybody else's can be
// overwritten, so the view's rows are written again rather than lost.
TEST(FileGuard, RemovedFileIsWrittenAgain) {
    TempDir dir;
    std::string path = dir.file("mat.cds");
    writePacketFile(path, materials({"A"}));
    View view("MatCDS", path);
    openMaterials(view);
    fs::remove(path);
    appendMaterial(view, "Mine");
    view.close();
    View after("After", path);
    openMaterials(after);
    EXPECT_EQ(after.recordCount(), 2);
    EXPECT_TRUE(after.findKey("Mine"));
}

TEST(FileGuard, UntouchedFileIsWrittenAndTheNextWriteChecksTheNewFile) {
    TempDir dir;
    std::string path = dir.file("mat.cds");
    writePacketFile(path, materials({"A"}));
    View view("MatCDS", path);
    openMaterials(view);
    appendMaterial(view, "B");
    view.close();
    View again("MatCDS", path);
    openMaterials(again);
    EXPECT_EQ(again.recordCount(), 2);
    appendMaterial(again, "C");
    again.close();
    EXPECT_EQ(readPacketFile(path)->rows.size(), 3u);
}

TEST(FileGuard, LinkIsWrittenThroughToItsTarget) {
    TempDir dir;
    fs::create_directory(dir.file("real"));
    fs::create_directory(dir.file("db0991"));
    std::string target = dir.file("real/materials.cds");
    writePacketFile(target, materials({"A"}));
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("../real/materials.cds", dir.file("db0991/mat.cds"));

    View view("MatCDS", dir.file("db0991/mat.cds"));
    openMaterials(view);
    appendMaterial(view, "B");
    view.close();

    EXPECT_TRUE(fs::is_symlink(dir.file("db0991/mat.cds")));
    EXPECT_EQ(fs::read_symlink(dir.file("db0991/mat.cds")), "../real/materials.cds");
    EXPECT_EQ(readPacketFile(target)->rows.size(), 2u);
    struct stat st {};
    ::stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u) << "the mode is kept";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("db0991")), fs::directory_iterator()), 1)
        << "nothing was left beside the link";
}

TEST(FileGuard, FileWithoutWritePermissionIsRefusedAndKept) {
    TempDir dir;
    std::string path = dir.file("mat.cds");
    writePacketFile(path, materials({"A"}));
    ::chmod(path.c_str(), 0444); // root too: the mode is honoured, not only access()
    const std::string before = readBytes(path);
    View view("MatCDS", path);
    openMaterials(view);
    appendMaterial(view, "B");
    EXPECT_EQ(errorOf([&] { view.close(); }),
              "MatCDS: Unable to write to \"" + path + "\": Permission denied.");
    EXPECT_EQ(readBytes(path), before);
    EXPECT_TRUE(view.active());
    view.setFileName({});
    view.close();
}

TEST(FileGuard, OwnerAndGroupAreKeptWhenRunningAsRoot) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    TempDir dir;
    std::string path = dir.file("mat.cds");
    writePacketFile(path, materials({"A"}));
    ASSERT_EQ(::chown(path.c_str(), 4242, 4343), 0);
    ::chmod(path.c_str(), 0664);
    View view("MatCDS", path);
    openMaterials(view);
    appendMaterial(view, "B");
    view.close();
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_uid, 4242u);
    EXPECT_EQ(st.st_gid, 4343u);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    EXPECT_EQ(readPacketFile(path)->rows.size(), 2u);
}

TEST(FileGuard, FilesThatAreNoRegularFilesAreRefusedAtOnce) {
    TempDir dir;
    std::string fifo = dir.file("fifo.cds");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    fs::create_directory(dir.file("folder.cds"));
    struct Case {
        std::string path;
        const char* reason;
    } cases[] = {
        {fifo, "It is not a regular file."},
        {"/dev/zero", "It is not a regular file."},
        {dir.file("folder.cds"), "Is a directory"},
    };
    for (const auto& c : cases) {
        View view("MatCDS", c.path);
        // Opening a FIFO without a writer would block forever without O_NONBLOCK.
        EXPECT_EQ(errorOf([&] { view.open(); }), "MatCDS: Cannot open file \"" + c.path + "\". " + c.reason);
        EXPECT_FALSE(view.active());
    }
    EXPECT_EQ(errorOf([&] { writePacketFile(fifo, materials({"A"})); }),
              "Unable to write to \"" + fifo + "\": it is not a regular file.");
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(FileGuard, TemporaryFilesOfAKilledWriteGoWhileTheLockIsHeld) {
    TempDir dir;
    std::string path = dir.file("mat.cds");
    writePacketFile(path, materials({"A"}));
    const std::vector<std::string> stale = {".mat.cds.tmpAb12Cd", ".mat.cds.tmpzzzzzz"};
    const std::vector<std::string> others = {".mat.cds.tmpAb12C", ".glz.cds.tmpAb12Cd", "mat.cds.tmpAb12Cd",
                                             ".mat.cds.bakAb12Cd"};
    for (const auto& name : stale)
        test::writeBytes(dir.file(name), "half a packet");
    for (const auto& name : others)
        test::writeBytes(dir.file(name), "not ours");

    { // Without the lock another program's write may be running: nothing goes.
        View view("MatCDS", path);
        openMaterials(view);
    }
    for (const auto& name : stale)
        EXPECT_TRUE(fs::exists(dir.file(name))) << name;

    DataFolderLock lock = DataFolderLock::acquire(dir.path().string(), std::chrono::milliseconds(0));
    {
        View view("MatCDS", path);
        openMaterials(view);
    }
    for (const auto& name : stale)
        EXPECT_FALSE(fs::exists(dir.file(name))) << name;
    for (const auto& name : others)
        EXPECT_TRUE(fs::exists(dir.file(name))) << name;

    test::writeBytes(dir.file(stale[0]), "half a packet");
    writePacketFile(path, materials({"A", "B"})); // a write removes them too
    EXPECT_FALSE(fs::exists(dir.file(stale[0])));
}
