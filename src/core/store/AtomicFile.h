#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace kelvora {

// Replaces a file as a whole or not at all: the bytes go to a temporary file
// in the same folder, which is flushed to disk and then renamed over the
// target; the folder is flushed too. A failure leaves the old file untouched
// and throws FileError with the system's reason.
class AtomicFile {
public:
    static void write(const std::string& path, std::string_view bytes);

    // Test seam: the function that writes to the temporary file descriptor
    // (same contract as ::write). Pass nullptr to restore the real one.
    using WriteFn = std::function<ssize_t(int fd, const void* data, std::size_t size)>;
    static void setWriteFunctionForTesting(WriteFn fn);
};

// Reads a whole file. Returns false when the file does not exist; throws
// FileError when it exists but cannot be read.
bool readWholeFile(const std::string& path, std::string& bytes, std::size_t limit = SIZE_MAX);

} // namespace kelvora
