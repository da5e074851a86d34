// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace kelvora {

// Which file a view read: the device and inode, size, modification time and a
// checksum of its bytes. Before a view writes its table back, the store checks
// that the file on disk is still this one, so that a change made by another
// program in the meantime is never overwritten silently.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t mtimeNs = 0;
    std::uint32_t checksum = 0;

    // The checksum of a file's bytes: the stored CRC of a binary data packet
    // (checked when it was read), a CRC-32 of the whole file otherwise.
    static std::uint32_t checksumOf(std::string_view bytes);
    // The identity of the file at `path` now (links followed); nothing when
    // it does not exist. Throws FileError when it cannot be read.
    static std::optional<FileIdentity> ofFile(const std::string& path);

    bool operator==(const FileIdentity&) const = default;
};

} // namespace kelvora
