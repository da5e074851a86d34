// SPDX-License-Identifier: GPL-3.0-or-later
// The lock and the files beside the tables, as an attacker or a clumsy user
// would leave them: a lock file that is a link, a FIFO or a folder; a lock
// file holding garbage; temporary files of a write that still runs; a
// settings file at its size limit; files that would block an open.
#include "common/RegularFile.h"
#include "model/TableLayouts.h"
#include "store/AtomicFile.h"
#include "store/DataFolderLock.h"
#include "store/PacketCodec.h"
#include "store/SettingsFile.h"
#include "store/StoreError.h"
#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace kelvora;
using kelvora::test::readBytes;
using kelvora::test::TempDir;
using kelvora::test::writeBytes;
namespace fs = std::filesystem;

namespace {
// Runs `action` in a child process and gives its exit status, or -1 when it
// had not ended after `seconds` (it is then killed): an open that blocks
// shows as -1 instead of hanging the tests.
int inChild(const std::function<int()>& action, int seconds = 5) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 99;
        try {
            code = action();
        } catch (...) {
            code = 98;
        }
        ::_exit(code);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
}

Packet namedMaterials(int count) {
    Packet p(TableLayouts::materials());
    p.rows.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        p.setText(p.rows[static_cast<std::size_t>(i)], 0, "Materiaal " + std::to_string(i));
    return p;
}
} // namespace

TEST(LockHardening, ALockPathThatIsNoRegularFileIsRefusedWithAMessage) {
    // Each kind of lock path that used to lock nothing (a link, which the
    // open refused and the lock then silently skipped) or hang (a FIFO).
    struct Case {
        const char* what;
        std::function<void(const std::string& lock, const std::string& folder)> make;
    } cases[] = {
        {"a symbolic link to a file",
         [](const std::string& lock, const std::string& folder) {
             writeBytes(folder + "/elsewhere", "somebody's file");
             fs::create_symlink(folder + "/elsewhere", lock);
         }},
        {"a dangling symbolic link",
         [](const std::string& lock, const std::string& folder) {
             fs::create_symlink(folder + "/nowhere", lock);
         }},
        {"a FIFO", [](const std::string& lock, const std::string&) { ::mkfifo(lock.c_str(), 0644); }},
        {"a folder", [](const std::string& lock, const std::string&) { fs::create_directory(lock); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string folder = dir.path().string();
        const std::string lock = dir.file(DataFolderLock::fileName);
        c.make(lock, folder);
        const int status = inChild([&] {
            DataFolderLock held;
            const auto attempt = DataFolderLock::tryAcquire(folder, held);
            if (attempt.acquired || held.holds()) return 1;
            if (attempt.refusal.find(lock + " is geen gewoon bestand") == std::string::npos) return 2;
            try {
                DataFolderLock::acquire(folder, std::chrono::seconds(10));
                return 3;
            } catch (const FileError& e) {
                return std::string(e.what()) == attempt.refusal ? 0 : 4;
            }
        });
        EXPECT_EQ(status, 0);
        if (fs::exists(dir.file("elsewhere"))) {
            EXPECT_EQ(readBytes(dir.file("elsewhere")), "somebody's file");
        }
    }
}

TEST(LockHardening, ALockFileHoldingGarbageNamesNoProcess) {
    struct Case {
        std::string content;
        long pid;
    } cases[] = {
        {"12345\n", 12345},
        {"42", 42},
        {"2147483647\n", 2147483647},
        {"9223372036854775807\n", 0},
        {"99999999999999999999999\n", 0},
        {"2147483648\n", 0},
        {"-5\n", 0},
        {"12abc\n", 0},
        {"12\n34\n", 0},
        {"", 0},
        {std::string(64, '7'), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        TempDir dir;
        const std::string lock = dir.file(DataFolderLock::fileName);
        writeBytes(lock, c.content);
        // Another program holds the lock (a second open file is another holder).
        const int fd = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
        DataFolderLock held;
        const auto attempt = DataFolderLock::tryAcquire(dir.path().string(), held);
        EXPECT_FALSE(attempt.acquired);
        EXPECT_EQ(attempt.holderPid, c.pid);
        EXPECT_EQ(DataFolderLock::recordedHolder(dir.path().string()), c.pid);
        ::close(fd);
    }
    EXPECT_EQ(DataFolderLock::inUseMessage(0),
              "De gegevens zijn in gebruik door een ander Kelvora-programma.");
}

TEST(LockHardening, CleanupLeavesTheTemporaryFilesOfARunningWrite) {
    TempDir dir;
    const std::string path = dir.file("mat.cds");
    writePacketFile(path, namedMaterials(1));
    // A leftover of a killed write, and one of a write that runs (it holds
    // its temporary file locked).
    const std::string leftover = dir.file(".mat.cds.tmpAb12Cd"), running = dir.file(".mat.cds.tmpXy34Zw");
    writeBytes(leftover, "half a packet");
    writeBytes(running, "being written");
    const int fd = ::open(running.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(AtomicFile::removeStaleTemporaries(path), 1);
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(running));
    ::close(fd); // the writer ended without renaming its file
    EXPECT_EQ(AtomicFile::removeStaleTemporaries(path), 1);
    EXPECT_FALSE(fs::exists(running));
}

TEST(LockHardening, AnotherProgramsCleanupNeverBreaksARunningWrite) {
    // One process writes the table again and again; this one cleans up
    // leftovers as fast as it can. Every write must succeed and leave a whole
    // table (the cleanup used to delete the running write's temporary file).
    TempDir dir;
    const std::string path = dir.file("mat.cds");
    writePacketFile(path, namedMaterials(1));
    const pid_t writer = ::fork();
    if (writer == 0) {
        int code = 0;
        try {
            for (int i = 0; i < 200; ++i)
                writePacketFile(path, namedMaterials(2000 + i));
        } catch (...) {
            code = 1;
        }
        ::_exit(code);
    }
    // A temporary file caught in the instant between its creation and its
    // writer's lock may go; the writer then takes another, so no count of
    // removals is expected here, only writes that all succeed.
    int status = 0;
    while (::waitpid(writer, &status, WNOHANG) == 0)
        AtomicFile::removeStaleTemporaries(path);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "a write failed";
    auto packet = readPacketFile(path);
    ASSERT_TRUE(packet);
    EXPECT_EQ(packet->rows.size(), 2199u);
}

TEST(LockHardening, ASettingsFileAtItsLimitIsNotWrittenPastIt) {
    TempDir dir;
    const std::string path = dir.file("kelvora.INI");
    std::string exact = "[mainform]\nleft=300\n";
    exact.append(SettingsFile::MaxBytes - exact.size(), '\n');
    writeBytes(path, exact);
    {
        SettingsFile settings(path);
        ASSERT_TRUE(settings.usable());
        settings.writeInteger("mainform", "left", 301); // the same size: written
        settings.save();
        EXPECT_EQ(fs::file_size(path), SettingsFile::MaxBytes);
        settings.writeInteger("helpform", "width", 640); // would grow past the limit
        try {
            settings.save();
            FAIL() << "no error";
        } catch (const StoreError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Unable to write to " + path +
                          ": the settings would make it larger than 1 MiB, which Kelvora does not read.");
        }
        EXPECT_EQ(settings.readInteger("helpform", "width", 0), 640) << "the run keeps its values";
    }
    SettingsFile next(path);
    EXPECT_TRUE(next.usable());
    EXPECT_EQ(next.readInteger("mainform", "left", 10), 301);
}

TEST(LockHardening, FilesThatWouldBlockAnOpenAreRefusedAtOnce) {
    // What a FIFO or a device does to every reader: tables, settings, the
    // chemistry data (which read through RegularFile::read) and the lock.
    TempDir dir;
    const std::string fifo = dir.file("molar_masses.xml");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const int status = inChild([&] {
        std::string bytes, reason;
        if (!RegularFile::read(fifo, bytes, reason) || reason != "It is not a regular file.") return 1;
        if (!RegularFile::read("/dev/zero", bytes, reason) || reason != "It is not a regular file.") return 2;
        if (RegularFile::read(dir.file("absent"), bytes, reason)) return 3;
        SettingsFile settings(fifo);
        if (settings.readInteger("mainform", "left", 7) != 7) return 4;
        try {
            readPacketFile(fifo);
            return 5;
        } catch (const FileError&) {
        }
        return 0;
    });
    EXPECT_EQ(status, 0);
    std::string bytes, reason;
    writeBytes(dir.file("ok.xml"), "<data/>");
    EXPECT_TRUE(RegularFile::read(dir.file("ok.xml"), bytes, reason));
    EXPECT_EQ(reason, "");
    EXPECT_EQ(bytes, "<data/>");
    EXPECT_TRUE(RegularFile::read(dir.file("ok.xml"), bytes, reason, 3));
    EXPECT_EQ(reason, "The file is too large.");
}
