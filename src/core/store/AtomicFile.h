// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/FileIdentity.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace kelvora {

// Replaces a file as a whole or not at all: the bytes go to a temporary file
// in the same folder, which is flushed to disk and then renamed over the
// target; the folder is flushed too. A failure leaves the old file untouched
// and throws FileError with the system's reason.
//
// A symbolic link is written through: the link's target is replaced (with a
// temporary file in the target's folder) and the link stays a link. An
// existing file keeps its mode and, when the program runs as root, its owner
// and group. A file without write permission, or one that is no regular file,
// is refused ("Unable to write to ...") and left as it is. Nothing is written
// into a folder that this program marked read-only (DataFolderLock).
class AtomicFile {
public:
    // With `expected`, the write is refused when the file on disk is no longer
    // that one (another program changed or replaced it since it was read).
    static void write(const std::string& path, std::string_view bytes,
                      const FileIdentity* expected = nullptr);

    // The file a write of `path` replaces: `path` itself, or the end of its
    // chain of symbolic links.
    static std::string resolveLinks(const std::string& path);
    // Removes the temporary files that interrupted writes of `path` left in
    // its folder: only the names this class makes, and only those whose
    // writer has ended (a running write holds a lock on its temporary file).
    static int removeStaleTemporaries(const std::string& path);
    // Whether the file at `path` is a temporary file no running write holds.
    static bool isStaleTemporary(const std::string& path);

    // Test seam: the function that writes to the temporary file descriptor
    // (same contract as ::write). Pass nullptr to restore the real one.
    using WriteFn = std::function<ssize_t(int fd, const void* data, std::size_t size)>;
    static void setWriteFunctionForTesting(WriteFn fn);
};

// Reads a whole file. Returns false when the file does not exist; throws
// FileError when it exists but cannot be read, or when it is no regular file
// (a folder, a FIFO or a device is refused at once, without blocking). With
// `identity`, fills in which file was read.
bool readWholeFile(const std::string& path, std::string& bytes, std::size_t limit = SIZE_MAX,
                   FileIdentity* identity = nullptr);

} // namespace kelvora
