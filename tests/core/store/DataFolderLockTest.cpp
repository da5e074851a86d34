// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DataFolderLock.h"

#include "store/PacketCodec.h"
#include "store/StoreError.h"
#include "support/LockHolder.h"
#include "support/TempDir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kelvora;
using kelvora::test::readBytes;
using kelvora::test::TempDir;

using Holder = kelvora::test::LockHolder;

TEST(DataFolderLock, SecondProgramLearnsTheHolderAndGetsTheLockWhenItDies) {
    TempDir dir;
    Holder holder(dir.path().string());
    ASSERT_TRUE(holder.held());

    DataFolderLock lock;
    DataFolderLock::Attempt a = DataFolderLock::tryAcquire(dir.path().string(), lock);
    EXPECT_FALSE(a.acquired);
    EXPECT_FALSE(lock.holds());
    EXPECT_EQ(a.holderPid, holder.pid());
    EXPECT_EQ(DataFolderLock::recordedHolder(dir.path().string()), holder.pid());
    EXPECT_FALSE(DataFolderLock::heldByThisProcess(dir.path().string()));

    try {
        DataFolderLock::acquire(dir.path().string(), std::chrono::milliseconds(200));
        ADD_FAILURE() << "acquired a held folder";
    } catch (const DataFolderBusy& e) {
        EXPECT_EQ(std::string(e.what()),
                  "De gegevens zijn in gebruik door een ander Kelvora-programma (proces " +
                      std::to_string(holder.pid()) + ").");
    }

    // Killed, not ended: the kernel releases the lock, nothing goes stale.
    holder.kill();
    lock = DataFolderLock::acquire(dir.path().string(), std::chrono::milliseconds(200));
    EXPECT_TRUE(lock.holds());
    EXPECT_TRUE(DataFolderLock::heldByThisProcess(dir.path().string()));
    EXPECT_EQ(DataFolderLock::recordedHolder(dir.path().string()), ::getpid());
    lock.release();
    EXPECT_FALSE(DataFolderLock::heldByThisProcess(dir.path().string()));
}

TEST(DataFolderLock, WaitingProgramGetsTheLockOnceTheHolderEnds) {
    TempDir dir;
    Holder holder(dir.path().string());
    ASSERT_TRUE(holder.held());
    pid_t killer = ::fork();
    if (killer == 0) {
        ::usleep(300 * 1000);
        ::kill(holder.pid(), SIGKILL);
        ::_exit(0);
    }
    DataFolderLock lock = DataFolderLock::acquire(dir.path().string(), std::chrono::seconds(20));
    EXPECT_TRUE(lock.holds());
    ::waitpid(killer, nullptr, 0);
}

TEST(DataFolderLock, OneProcessSharesItsLockAndAMissingFolderIsNotCreated) {
    TempDir dir;
    DataFolderLock first = DataFolderLock::acquire(dir.path().string(), std::chrono::milliseconds(0));
    DataFolderLock second = DataFolderLock::acquire(dir.file("."), std::chrono::milliseconds(0));
    EXPECT_TRUE(second.holds());
    second.release();
    EXPECT_TRUE(DataFolderLock::heldByThisProcess(dir.path().string())) << "the first holder still holds it";
    first.release();

    DataFolderLock none = DataFolderLock::acquire(dir.file("db0991"), std::chrono::milliseconds(0));
    EXPECT_FALSE(none.holds());
    EXPECT_FALSE(std::filesystem::exists(dir.file("db0991")));
}

TEST(DataFolderLock, ReadOnlyProgramNeverWritesItsDataFolder) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("ro"));
    std::string path = dir.file("ro/mat.cds");
    Packet p(FieldDefs{{"naam", FieldType::Text, 40}});
    writePacketFile(path, p);
    const std::string before = readBytes(path);
    DataFolderLock::markReadOnly(dir.file("ro"), 4321);
    p.rows.push_back(p.emptyRow());
    try {
        writePacketFile(path, p);
        ADD_FAILURE() << "wrote a read-only folder";
    } catch (const DataFolderBusy& e) {
        EXPECT_EQ(std::string(e.what()),
                  "De gegevens zijn in gebruik door een ander Kelvora-programma (proces "
                  "4321). Er wordt niets opgeslagen.");
    }
    EXPECT_EQ(readBytes(path), before);
    writePacketFile(dir.file("elsewhere.cds"), p); // other folders are not affected
}
