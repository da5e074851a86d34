// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/AtomicFile.h"
#include "common/Translate.h"
#include "store/PathParts.h"

#include "common/RegularFile.h"
#include "store/DataFolderLock.h"
#include "store/FileCalls.h"
#include "store/StoreError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvora {

using path::baseOf;
using path::folderOf;

namespace {
constexpr const char* kTempInfix = ".tmp";
constexpr std::size_t kTempRandom = 6; // the XXXXXX of mkstemp

AtomicFile::WriteFn& writeFunction() {
    static AtomicFile::WriteFn fn;
    return fn;
}

[[noreturn]] void failWrite(const std::string& path, int err) {
    throw FileError(
        fillIn(translate("StoreError", "Cannot write file \"%1\". %2"), {path, std::strerror(err)}));
}

[[noreturn]] void refuseWrite(const std::string& path, const std::string& reason) {
    throw FileError(fillIn(translate("StoreError", "Unable to write to \"%1\": %2."), {path, reason}));
}

std::int64_t mtimeNs(const struct stat& st) {
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

// Refuses to replace an existing file that may not be written. Root passes
// every access() check, so for root the mode's write bits decide.
void checkReplaceable(const std::string& path, const struct stat& st) {
    if (!S_ISREG(st.st_mode)) refuseWrite(path, translate("StoreError", "it is not a regular file"));
    if (::access(path.c_str(), W_OK) != 0) refuseWrite(path, std::strerror(errno));
    if (::geteuid() == 0 && (st.st_mode & 0222) == 0) refuseWrite(path, std::strerror(EACCES));
}
} // namespace

void AtomicFile::setWriteFunctionForTesting(WriteFn fn) {
    writeFunction() = std::move(fn);
}

std::string AtomicFile::resolveLinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
        ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0) return current;
        target.resize(static_cast<std::size_t>(n));
        current = target[0] == '/' ? target : folderOf(current) + "/" + target;
    }
    failWrite(path, ELOOP);
}

namespace {
// Whether the file at `path` is a temporary file no running write holds;
// with `remove`, it is removed while this program holds its lock, so that
// a writer that created it a moment ago cannot lock it between the check
// and the removal (it then finds the file gone and takes another).
bool staleTemporary(const std::string& path, bool remove) {
    // Open without following a link and without blocking; the writer holds
    // an exclusive lock on its temporary file for as long as it runs, and
    // the kernel drops that lock when the writer ends in any way.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    struct stat st {};
    bool stale = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    // Still the same file under that name (not renamed into place meanwhile)?
    struct stat named {};
    stale =
        stale && ::lstat(path.c_str(), &named) == 0 && named.st_dev == st.st_dev && named.st_ino == st.st_ino;
    if (stale && remove) stale = FileCalls::unlink(path.c_str()) == 0;
    ::close(fd);
    return stale;
}
} // namespace

bool AtomicFile::isStaleTemporary(const std::string& path) {
    return staleTemporary(path, false);
}

int AtomicFile::removeStaleTemporaries(const std::string& path) {
    const std::string target = resolveLinks(path);
    const std::string prefix = "." + baseOf(target) + kTempInfix;
    const std::string folder = folderOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name.size() != prefix.size() + kTempRandom || name.substr(0, prefix.size()) != prefix) continue;
        const std::string full = folder + "/" + std::string(name);
        // A temporary file whose writer still runs is that writer's business.
        if (staleTemporary(full, true)) ++removed;
    }
    ::closedir(dir);
    return removed;
}

namespace {
// A new temporary file beside `target`, locked for as long as this write runs
// (see isStaleTemporary); -1 with errno on failure.
int createTemporary(const std::string& folder, const std::string& target, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/." + baseOf(target) + kTempInfix + "XXXXXX";
        const int fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0) return -1;
        // A cleaner may have found the file between its creation and this
        // lock and removed it as a leftover: then take another one.
        struct stat st {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0) return fd;
        ::close(fd);
    }
    errno = EAGAIN;
    return -1;
}
} // namespace

void AtomicFile::write(const std::string& path, std::string_view bytes, const FileIdentity* expected) {
    DataFolderLock::checkWritable(folderOf(path));
    const std::string target = resolveLinks(path);
    std::string folder = folderOf(target);

    // The new file gets the old file's permissions (and, for root, its owner),
    // or the usual ones.
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    mode_t mode = 0;
    if (exists) {
        checkReplaceable(path, old);
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    std::string tmp;
    const int fd = createTemporary(folder, target, tmp);
    if (fd < 0) failWrite(path, errno);

    auto abandon = [&](int err) {
        ::close(fd);
        FileCalls::unlink(tmp.c_str());
        failWrite(path, err);
    };
    if (::fchmod(fd, mode) != 0) abandon(errno);
    if (exists && ::geteuid() == 0 && (old.st_uid != 0 || old.st_gid != 0) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        abandon(errno);

    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = writeFunction() ? writeFunction()(fd, p, left) : FileCalls::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        if (n == 0) abandon(EIO);
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (FileCalls::fsync(fd) != 0) abandon(errno);
    // The last moment before the old file goes: is it still the one the caller read?
    // A file that is gone is written again: nobody's changes are overwritten
    // and the caller's rows are kept on disk instead of being lost.
    if (expected) {
        std::optional<FileIdentity> now;
        bool unreadable = false;
        try {
            now = FileIdentity::ofFile(target);
        } catch (const FileError&) {
            unreadable = true;
        }
        if (unreadable || (now && !(*now == *expected))) {
            ::close(fd);
            FileCalls::unlink(tmp.c_str());
            throw FileError(
                fillIn(translate("StoreError",
                                 "Unable to write to \"%1\": another program changed the file after it "
                                 "was read. Nothing was written; open the table again to see the other "
                                 "changes."),
                       {path}));
        }
    }
    // The temporary file stays open, and so locked, until it has its name.
    if (FileCalls::rename(tmp.c_str(), target.c_str()) != 0) abandon(errno);
    ::close(fd);
    // Flushing the folder makes the new name last; where that fails the
    // file is the new one now and the old one after a crash, never a mix.
    int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        FileCalls::fsync(dfd);
        ::close(dfd);
    }
}

bool readWholeFile(const std::string& path, std::string& bytes, std::size_t limit, FileIdentity* identity) {
    RegularFile file = RegularFile::open(path);
    if (file.missing()) return false;
    if (!file.isOpen())
        throw FileError(
            fillIn(translate("StoreError", "Cannot open file \"%1\". %2"), {path, file.reason()}));
    if (!file.readAll(bytes, limit)) {
        const bool tooLarge = file.error() == EFBIG;
        throw FileError(fillIn(tooLarge ? translate("StoreError", "Cannot open file \"%1\". %2")
                                        : translate("StoreError", "Cannot read file \"%1\". %2"),
                               {path, file.reason()}));
    }
    if (identity) {
        const struct stat& st = file.status();
        identity->device = st.st_dev;
        identity->inode = st.st_ino;
        identity->size = st.st_size;
        identity->mtimeNs = mtimeNs(st);
        identity->checksum = FileIdentity::checksumOf(bytes);
    }
    return true;
}

} // namespace kelvora
