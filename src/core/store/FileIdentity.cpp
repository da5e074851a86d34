// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileIdentity.h"
#include "common/Translate.h"

#include "common/RegularFile.h"
#include "store/AtomicFile.h"
#include "store/Crc32.h"
#include "store/PacketCodec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvora {

std::uint32_t FileIdentity::checksumOf(std::string_view bytes) {
    if (looksBinary(bytes) && bytes.size() >= 12) {
        std::uint32_t stored;
        std::memcpy(&stored, bytes.data() + bytes.size() - 4, 4);
        return stored;
    }
    return crc32(bytes.data(), bytes.size());
}

std::optional<FileIdentity> FileIdentity::ofFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        throw FileError(
            fillIn(translate("StoreError", "Cannot open file \"%1\". %2"), {path, std::strerror(errno)}));
    }
    FileIdentity id;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    if (!S_ISREG(st.st_mode)) return id;
    // A binary packet carries its checksum in its last four bytes; only other
    // files are read whole.
    RegularFile file = RegularFile::open(path);
    if (file.isOpen()) {
        const int fd = file.fd();
        char head[12] = {};
        bool binary = st.st_size >= 12 && ::pread(fd, head, 8, 0) == 8 &&
                      looksBinary(std::string_view(head, 8)) && ::pread(fd, head + 8, 4, st.st_size - 4) == 4;
        file.close();
        if (binary) {
            std::memcpy(&id.checksum, head + 8, 4);
            return id;
        }
    }
    std::string bytes;
    if (readWholeFile(path, bytes)) id.checksum = checksumOf(bytes);
    return id;
}

} // namespace kelvora
