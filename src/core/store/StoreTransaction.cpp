// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/StoreTransaction.h"
#include "common/Translate.h"
#include "store/PathParts.h"

#include "store/AtomicFile.h"
#include "store/Crc32.h"
#include "store/DataFolderLock.h"
#include "store/FileCalls.h"
#include "store/PacketCodec.h"
#include "store/StoreError.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvora {

using path::baseOf;
using path::folderOf;

namespace {
namespace fs = std::filesystem;

constexpr const char* kJournalHead = "kelvora journal 1\n";

std::string canonicalFolder(const std::string& folder) {
    std::error_code ec;
    auto path = fs::canonical(folder.empty() ? "." : folder, ec);
    return ec ? std::string() : path.string();
}

std::string hex(std::uint32_t value) {
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08" PRIx32, value);
    return buf;
}

[[noreturn]] void failWrite(const std::string& path, int err) {
    throw FileError(
        fillIn(translate("StoreError", "Cannot write file \"%1\". %2"), {path, std::strerror(err)}));
}

// Flushes a folder, so that the names in it last; false with errno on failure.
bool syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = FileCalls::fsync(fd) == 0;
    const int err = errno;
    ::close(fd);
    errno = err;
    return ok;
}

// One table of a journal: the file to replace and what its new bytes are.
// The checksum is FileIdentity's: a CRC over a whole data packet, which ends
// in its own CRC, is the same for every packet and would tell none apart.
struct Entry {
    std::string target;
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
};

// The journal: a head line, one line per table ("<size> <crc> <length>
// <target>", the target's name taken by its length so that any name fits),
// and an end line with the CRC of everything before it.
std::string journalText(const std::vector<Entry>& entries) {
    std::string text = kJournalHead;
    for (const auto& e : entries)
        text += std::to_string(e.size) + " " + hex(e.crc) + " " + std::to_string(e.target.size()) + " " +
                e.target + "\n";
    return text + "end " + hex(crc32(text.data(), text.size())) + "\n";
}

bool parseNumber(std::string_view& text, std::uint64_t& value, int base, char after) {
    std::size_t i = 0;
    value = 0;
    for (; i < text.size() && i < 20; ++i) {
        const char c = text[i];
        int digit = c >= '0' && c <= '9' ? c - '0' : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0) break;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (i == 0 || i >= text.size() || text[i] != after) return false;
    text.remove_prefix(i + 1);
    return true;
}

// The entries of a whole, undamaged journal; nothing otherwise.
std::optional<std::vector<Entry>> parseJournal(std::string_view text) {
    const std::size_t end = text.rfind("end ");
    if (text.substr(0, std::strlen(kJournalHead)) != kJournalHead || end == std::string_view::npos ||
        text.substr(end) != "end " + hex(crc32(text.data(), end)) + "\n")
        return std::nullopt;
    std::string_view rest = text.substr(std::strlen(kJournalHead), end - std::strlen(kJournalHead));
    std::vector<Entry> entries;
    while (!rest.empty()) {
        Entry e;
        std::uint64_t crc = 0, length = 0;
        if (!parseNumber(rest, e.size, 10, ' ') || !parseNumber(rest, crc, 16, ' ') ||
            !parseNumber(rest, length, 10, ' ') || length == 0 || length + 1 > rest.size() ||
            rest[length] != '\n')
            return std::nullopt;
        e.crc = static_cast<std::uint32_t>(crc);
        e.target = std::string(rest.substr(0, length));
        rest.remove_prefix(length + 1);
        entries.push_back(std::move(e));
    }
    return entries;
}

// A target as the journal names it: by its name when it lies in the journal's
// folder (so that a folder moved while a change was pending still works),
// by its absolute path otherwise.
std::string nameInJournal(const std::string& target, const std::string& folder) {
    if (canonicalFolder(folderOf(target)) == canonicalFolder(folder)) return baseOf(target);
    std::error_code ec;
    const auto absolute = fs::absolute(target, ec);
    return ec ? target : absolute.lexically_normal().string();
}

std::string resolvedTarget(const std::string& name, const std::string& folder) {
    return name.find('/') == std::string::npos ? folder + "/" + name : name;
}

// Whether the file at `path` holds exactly `size` bytes with CRC `crc`;
// nothing when there is no file.
std::optional<bool> holds(const std::string& path, std::uint64_t size, std::uint32_t crc) {
    std::string bytes;
    if (!readWholeFile(path, bytes)) return std::nullopt;
    return bytes.size() == size && FileIdentity::checksumOf(bytes) == crc;
}

[[noreturn]] void damaged(const std::string& journal, const std::string& why) {
    throw FileError(
        fillIn(translate("StoreError", "Cannot complete the change recorded in \"%1\": %2. Nothing was "
                                       "changed; the tables may be a mix of old and new until this is "
                                       "resolved."),
               {journal, why}));
}
} // namespace

std::string StoreTransaction::stagedPathFor(const std::string& target) {
    return folderOf(target) + "/." + baseOf(target) + stagedSuffix;
}

StoreTransaction::StoreTransaction(std::string folder) : folder_(std::move(folder)) {
    if (folder_.empty()) folder_ = ".";
}

void StoreTransaction::write(const std::string& path, const Packet& packet, const FileIdentity* expected,
                             std::function<void(const FileIdentity&)> written) {
    Table table;
    table.path = path;
    table.target = AtomicFile::resolveLinks(path);
    for (const auto& other : tables_)
        if (other.target == table.target)
            throw FileError(
                fillIn(translate("StoreError", "Cannot write file \"%1\" twice in one change."), {path}));
    try {
        table.bytes = encodeBinary(packet);
    } catch (const PacketFormatError& e) {
        throw PacketFormatError(
            fillIn(translate("StoreError", "Cannot write data file \"%1\": %2."), {path, e.what()}));
    }
    if (expected) table.expected = *expected;
    table.written = std::move(written);
    tables_.push_back(std::move(table));
}

void StoreTransaction::stage(Table& t) {
    // The new file gets the old file's permissions (and, for root, its owner),
    // and a file that may not be replaced is refused, as a single write does.
    struct stat old {};
    const bool exists = ::stat(t.target.c_str(), &old) == 0;
    mode_t mode = 0;
    if (exists) {
        if (!S_ISREG(old.st_mode))
            throw FileError(fillIn(
                translate("StoreError", "Unable to write to \"%1\": it is not a regular file."), {t.path}));
        if (::access(t.target.c_str(), W_OK) != 0 || (::geteuid() == 0 && (old.st_mode & 0222) == 0))
            throw FileError(fillIn(translate("StoreError", "Unable to write to \"%1\": %2."),
                                   {t.path, std::strerror(errno ? errno : EACCES)}));
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const std::string staged = stagedPathFor(t.target);
    const int fd = ::open(staged.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) failWrite(t.path, errno);
    auto abandon = [&](int err) {
        ::close(fd);
        FileCalls::unlink(staged.c_str());
        failWrite(t.path, err);
    };
    if (::fchmod(fd, mode) != 0) abandon(errno);
    if (exists && ::geteuid() == 0 && (old.st_uid != 0 || old.st_gid != 0) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        abandon(errno);
    const char* p = t.bytes.data();
    std::size_t left = t.bytes.size();
    while (left > 0) {
        const ssize_t n = FileCalls::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) abandon(errno);
        if (n == 0) abandon(EIO);
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (FileCalls::fsync(fd) != 0) abandon(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) abandon(errno);
    ::close(fd);
    // The file the table will be once renamed: same inode, same time.
    t.staged.device = st.st_dev;
    t.staged.inode = st.st_ino;
    t.staged.size = st.st_size;
    t.staged.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    t.staged.checksum = FileIdentity::checksumOf(t.bytes);
}

void StoreTransaction::discardStaged() {
    for (const auto& t : tables_) {
        const std::string staged = stagedPathFor(t.target);
        struct stat st {};
        if (::lstat(staged.c_str(), &st) == 0) FileCalls::unlink(staged.c_str());
    }
}

void StoreTransaction::commit() {
    if (committed_) return;
    DataFolderLock::checkWritable(folder_);
    DataFolderLock lock = DataFolderLock::acquire(folder_, std::chrono::milliseconds(0));
    // A change an earlier failure left half made is completed first.
    recoverIfPending(folder_);
    const std::string journal = folder_ + "/" + journalName;
    std::set<std::string> folders{folder_};
    std::vector<Entry> entries;
    try {
        for (auto& t : tables_) {
            DataFolderLock::checkWritable(folderOf(t.path));
            stage(t);
            folders.insert(folderOf(t.target));
            entries.push_back(
                {nameInJournal(t.target, folder_), t.bytes.size(), FileIdentity::checksumOf(t.bytes)});
        }
        // The new files' names must last before the journal can name them.
        for (const auto& folder : folders)
            if (!syncFolder(folder)) failWrite(folder, errno);
        // The last moment before the change is made: is every table still
        // the one the caller read?
        for (const auto& t : tables_) {
            if (!t.expected) continue;
            std::optional<FileIdentity> now;
            try {
                now = FileIdentity::ofFile(t.target);
            } catch (const FileError&) {
            }
            if (!now || !(*now == *t.expected))
                throw FileError(
                    fillIn(translate("StoreError",
                                     "Unable to write to \"%1\": another program changed the file after "
                                     "it was read. Nothing was written; open the table again to see the "
                                     "other changes."),
                           {t.path}));
        }
        AtomicFile::write(journal, journalText(entries));
    } catch (...) {
        discardStaged();
        throw;
    }

    // The change is made; what follows only puts the files in place.
    committed_ = true;
    std::string failure;
    for (const auto& t : tables_)
        if (FileCalls::rename(stagedPathFor(t.target).c_str(), t.target.c_str()) != 0) {
            failure = fillIn(translate("StoreError", "Cannot write file \"%1\". %2"),
                             {t.path, std::strerror(errno)});
            break;
        }
    bool lasting = failure.empty();
    for (const auto& folder : folders)
        lasting = syncFolder(folder) && lasting;
    if (!failure.empty()) {
        try {
            recover(folder_);
        } catch (const StoreError& e) {
            failure += std::string(" ") + e.what();
        }
        if (::access(journal.c_str(), F_OK) != 0) failure.clear(); // completed after all
    } else if (lasting && FileCalls::unlink(journal.c_str()) == 0) {
        // A journal that stays (its removal failed, or the renames may not
        // last yet) is completed harmlessly at the next open.
        syncFolder(folder_);
    }
    for (const auto& t : tables_)
        if (t.written) t.written(t.staged);
    if (!failure.empty())
        throw FileError(
            fillIn(translate("StoreError", "%1 The change is recorded and will be completed when the data "
                                           "folder is opened again."),
                   {failure}));
}

bool StoreTransaction::recover(const std::string& folder) {
    const std::string journal = folder + "/" + journalName;
    // A journal whose own write was cut short is no journal: the change was never made.
    AtomicFile::removeStaleTemporaries(journal);
    std::string text;
    if (!readWholeFile(journal, text, 1u << 20)) {
        // No change was made: new files written beside the old go.
        bool removed = false;
        DIR* dir = ::opendir(folder.c_str());
        if (!dir) return false;
        const std::string suffix = stagedSuffix;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.size() <= suffix.size() + 1 || name[0] != '.' ||
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
                continue;
            const std::string full = folder + "/" + name;
            struct stat st {};
            if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                FileCalls::unlink(full.c_str()) == 0)
                removed = true;
        }
        ::closedir(dir);
        return removed;
    }
    const auto entries = parseJournal(text);
    if (!entries) damaged(journal, translate("StoreError", "the journal is damaged"));
    // Everything is checked before anything is renamed.
    std::vector<bool> pending;
    for (const auto& e : *entries) {
        const std::string target = resolvedTarget(e.target, folder);
        const auto staged = holds(stagedPathFor(target), e.size, e.crc);
        if (staged && !*staged)
            damaged(journal, fillIn(translate("StoreError", "the new file of \"%1\" is damaged"), {target}));
        if (!staged && holds(target, e.size, e.crc) != std::optional<bool>(true))
            damaged(journal, fillIn(translate("StoreError", "the new file of \"%1\" is missing"), {target}));

        pending.push_back(staged.has_value());
    }
    std::set<std::string> folders{folder};
    for (std::size_t i = 0; i < entries->size(); ++i) {
        const std::string target = resolvedTarget((*entries)[i].target, folder);
        folders.insert(folderOf(target));
        if (pending[i] && FileCalls::rename(stagedPathFor(target).c_str(), target.c_str()) != 0)
            failWrite(target, errno);
    }
    for (const auto& f : folders)
        if (!syncFolder(f)) failWrite(f, errno);
    if (FileCalls::unlink(journal.c_str()) != 0) failWrite(journal, errno);
    syncFolder(folder);
    return true;
}

void StoreTransaction::recoverIfPending(const std::string& folder) {
    struct stat st {};
    if (::lstat((folder + "/" + journalName).c_str(), &st) == 0) recover(folder);
}

} // namespace kelvora
