// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <string>

namespace kelvora {

// One writing program per data folder. The lock is an advisory flock() on the
// file `.kelvora.lock` in the folder, so the kernel releases it when the
// program ends in any way and it never goes stale; the holder writes its
// process id into the file so that others can name it.
//
// How the programs use it:
// - kelvora-cli takes it for the duration of every command that writes
//   (acquire() with a 10 s wait);
// - the desktop program takes it for its whole run with tryAcquire(); when
//   another program holds it, it shows inUseMessage(holderPid) and either
//   ends or calls markReadOnly(folder), after which every write of a data
//   file in that folder is refused, so it never writes.
//
// Taking the lock completes or undoes a change of several tables that a
// killed program left half made (StoreTransaction::recover()); when that is
// impossible the attempt is refused with the reason. Holding the lock also
// lets the store remove temporary files that a killed write left beside a
// table (see heldByThisProcess()).
//
// A folder that does not exist is not locked (there is nothing to protect and
// the first open reports the missing file); the same holds for a folder where
// the lock file can neither be created nor opened.
class DataFolderLock {
public:
    DataFolderLock() = default; // holds nothing
    ~DataFolderLock();
    DataFolderLock(DataFolderLock&& other) noexcept;
    DataFolderLock& operator=(DataFolderLock&& other) noexcept;
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    static constexpr const char* fileName = ".kelvora.lock";

    // The outcome of one attempt: `lock` holds the folder, or `holderPid` is
    // the process id of the program that does (0 when it did not say), or,
    // when `refusal` is not empty, the lock file is no regular file (a link,
    // a folder, a FIFO) and `refusal` says so in Dutch: nothing may write
    // the folder until it is removed.
    struct Attempt {
        bool acquired = false;
        long holderPid = 0;
        std::string refusal;
    };
    // One attempt without waiting. On success the lock is held by `into`.
    static Attempt tryAcquire(const std::string& folder, DataFolderLock& into);
    // Waits up to `timeout`; throws DataFolderBusy with inUseMessage() when
    // another program still holds the folder after that, and FileError with
    // the refusal at once when the lock file is no regular file.
    static DataFolderLock acquire(const std::string& folder, std::chrono::milliseconds timeout);

    // The Dutch text for a folder held by process `pid`.
    static std::string inUseMessage(long pid);
    // The process id recorded by the holder of `folder`'s lock; 0 if none.
    static long recordedHolder(const std::string& folder);

    // Whether this process holds the lock of `folder`.
    static bool heldByThisProcess(const std::string& folder);
    // Refuses every later write of a data file in `folder` by this process.
    static void markReadOnly(const std::string& folder, long holderPid);
    // Throws DataFolderBusy when `folder` was marked read-only.
    static void checkWritable(const std::string& folder);

    bool holds() const { return !key_.empty(); }
    const std::string& folder() const { return key_; }
    void release();

private:
    std::string key_; // the folder's canonical path while held
};

} // namespace kelvora
