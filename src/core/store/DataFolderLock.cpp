// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DataFolderLock.h"
#include "common/Translate.h"

#include "common/RegularFile.h"
#include "store/StoreError.h"
#include "store/StoreTransaction.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace kelvora {

namespace {
struct Held {
    int fd = -1;
    int users = 0;
};

// Locks this process holds, by canonical folder. flock() conflicts between two
// descriptors of one process too, so a second lock of a held folder shares it.
std::map<std::string, Held>& held() {
    static std::map<std::string, Held> map;
    return map;
}

std::map<std::string, long>& readOnlyFolders() {
    static std::map<std::string, long> map;
    return map;
}

// The folder's canonical path, or "" when it does not exist.
std::string canonical(const std::string& folder) {
    char buf[PATH_MAX];
    if (!::realpath(folder.empty() ? "." : folder.c_str(), buf)) return {};
    return buf;
}

std::string lockPath(const std::string& key) {
    return key + "/" + DataFolderLock::fileName;
}

// The process id the holder wrote: decimal digits and a line end, a number
// a process id can be (pid_t holds an int). Anything else is no process id.
long readPid(int fd) {
    char buf[32] = {};
    const ssize_t n = ::pread(fd, buf, sizeof buf, 0);
    if (n <= 0 || n == static_cast<ssize_t>(sizeof buf)) return 0;
    long pid = 0;
    ssize_t i = 0;
    for (; i < n && buf[i] >= '0' && buf[i] <= '9'; ++i) {
        pid = pid * 10 + (buf[i] - '0');
        if (pid > INT_MAX) return 0;
    }
    if (i == 0) return 0;
    if (i < n && !(buf[i] == '\n' && i + 1 == n)) return 0;
    return pid;
}

std::string refusal(const std::string& path) {
    return fillIn(translate("DataFolder",
                            "De gegevensmap kan niet vergrendeld worden: %1 is geen gewoon bestand "
                            "(een symbolische koppeling, map of FIFO?). Kelvora schrijft niet in deze "
                            "map zolang het er staat; verwijder het, dan maakt Kelvora een nieuw aan."),
                  {path});
}

void writePid(int fd) {
    std::string pid = std::to_string(static_cast<long>(::getpid())) + "\n";
    if (::ftruncate(fd, 0) == 0) {
        // Best effort: the pid only makes the message of a waiting program nicer.
        [[maybe_unused]] ssize_t n = ::pwrite(fd, pid.data(), pid.size(), 0);
    }
}
} // namespace

DataFolderLock::~DataFolderLock() {
    release();
}

DataFolderLock::DataFolderLock(DataFolderLock&& other) noexcept : key_(std::move(other.key_)) {
    other.key_.clear();
}

DataFolderLock& DataFolderLock::operator=(DataFolderLock&& other) noexcept {
    if (this != &other) {
        release();
        key_ = std::move(other.key_);
        other.key_.clear();
    }
    return *this;
}

void DataFolderLock::release() {
    if (key_.empty()) return;
    auto it = held().find(key_);
    if (it != held().end() && --it->second.users == 0) {
        // Closing the descriptor releases the lock; the file stays, so that a
        // waiting program keeps locking the same file.
        ::ftruncate(it->second.fd, 0);
        ::close(it->second.fd);
        held().erase(it);
    }
    key_.clear();
}

DataFolderLock::Attempt DataFolderLock::tryAcquire(const std::string& folder, DataFolderLock& into) {
    into.release();
    const std::string key = canonical(folder);
    if (key.empty()) return {true, 0, {}}; // no folder, nothing to protect
    auto it = held().find(key);
    if (it != held().end()) {
        ++it->second.users;
        into.key_ = key;
        return {true, 0, {}};
    }
    const std::string path = lockPath(key);
    // Never through a link, never blocking, and only a regular file: a lock
    // file that is a link or a FIFO would otherwise lock nothing or hang.
    RegularFile file =
        RegularFile::open(path, RegularFile::Access::ReadWriteCreate, RegularFile::Links::Refuse);
    if (!file.isOpen() && file.error() != RegularFile::kNotRegular)
        file = RegularFile::open(path, RegularFile::Access::Read, RegularFile::Links::Refuse);
    if (!file.isOpen()) {
        if (file.error() == RegularFile::kNotRegular) return {false, 0, refusal(path)};
        return {true, 0, {}}; // a folder nobody can write is not written by us either
    }
    const int fd = file.fd();
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return {false, readPid(fd), {}};
    writePid(fd);
    held()[key] = Held{file.release(), 1};
    into.key_ = key;
    // The first program to take the folder after a killed one completes or
    // undoes the change that program left half made.
    try {
        StoreTransaction::recover(key);
    } catch (const StoreError& e) {
        into.release();
        return {false, 0, e.what()};
    }
    return {true, 0, {}};
}

DataFolderLock DataFolderLock::acquire(const std::string& folder, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    DataFolderLock lock;
    for (;;) {
        Attempt a = tryAcquire(folder, lock);
        if (a.acquired) return lock;
        if (!a.refusal.empty()) throw FileError(a.refusal);
        if (std::chrono::steady_clock::now() >= deadline) throw DataFolderBusy(inUseMessage(a.holderPid));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

std::string DataFolderLock::inUseMessage(long pid) {
    if (pid > 0)
        return fillIn(translate("DataFolder", "De gegevens zijn in gebruik door een ander Kelvora-programma "
                                              "(proces %1)."),
                      {std::to_string(pid)});
    return translate("DataFolder", "De gegevens zijn in gebruik door een ander Kelvora-programma.");
}

long DataFolderLock::recordedHolder(const std::string& folder) {
    const std::string key = canonical(folder);
    if (key.empty()) return 0;
    RegularFile file =
        RegularFile::open(lockPath(key), RegularFile::Access::Read, RegularFile::Links::Refuse);
    return file.isOpen() ? readPid(file.fd()) : 0;
}

bool DataFolderLock::heldByThisProcess(const std::string& folder) {
    const std::string key = canonical(folder);
    return !key.empty() && held().count(key) != 0;
}

void DataFolderLock::markReadOnly(const std::string& folder, long holderPid) {
    const std::string key = canonical(folder);
    if (!key.empty()) readOnlyFolders()[key] = holderPid;
}

void DataFolderLock::checkWritable(const std::string& folder) {
    if (readOnlyFolders().empty()) return;
    auto it = readOnlyFolders().find(canonical(folder));
    if (it != readOnlyFolders().end())
        throw DataFolderBusy(
            fillIn(translate("DataFolder", "%1 Er wordt niets opgeslagen."), {inUseMessage(it->second)}));
}

} // namespace kelvora
