// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/stat.h>

namespace kelvora {

// The one way Kelvora opens a file it reads: tables, settings, chemistry data,
// the manual and the data folder's lock. Opening never blocks and anything but
// a regular file is refused: a FIFO, a device, a socket or a folder is refused
// without being opened for reading (a FIFO without a writer would otherwise
// hang the program, a device could do anything).
//
//   RegularFile file = RegularFile::open(path);
//   if (file.missing()) ...;           // no such file
//   else if (!file.isOpen()) ...;      // file.reason() says why
//   else file.readAll(bytes, limit);
class RegularFile {
public:
    enum class Access {
        Read,            // read only
        ReadWriteCreate, // read and write, created (0644 before the umask) when missing
    };
    enum class Links { Follow, Refuse };

    static RegularFile open(const std::string& path, Access access = Access::Read,
                            Links links = Links::Follow);

    // Reads the whole file at `path` into `bytes`. False when it does not
    // exist; otherwise `reason` is empty on success and says why it could not
    // be read (no regular file, no permission, larger than `limit` bytes).
    static bool read(const std::string& path, std::string& bytes, std::string& reason,
                     std::size_t limit = SIZE_MAX);

    RegularFile() = default;
    ~RegularFile();
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // Not open because nothing is there (the file or a folder on its way).
    bool missing() const { return error_ == ENOENT || error_ == ENOTDIR; }
    // The system's error number of a failed open; kNotRegular for a file that
    // is no regular file.
    int error() const { return error_; }
    static constexpr int kNotRegular = -1;
    // Why the file is not open or could not be read, as the system says it
    // ("Permission denied", "Is a directory"), or "It is not a regular file.",
    // or "The file is too large.".
    std::string reason() const;
    int fd() const { return fd_; }
    // The file's status when it was opened (or refused).
    const struct stat& status() const { return status_; }

    // Reads the rest of the file into `bytes`; false with reason() when it
    // cannot be read or is larger than `limit`.
    bool readAll(std::string& bytes, std::size_t limit = SIZE_MAX);
    // Gives up the descriptor to the caller, who closes it.
    int release();
    void close();

private:
    int fd_ = -1;
    int error_ = 0;
    struct stat status_ {};
};

} // namespace kelvora
