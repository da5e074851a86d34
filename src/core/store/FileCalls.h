// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <functional>
#include <sys/types.h>

namespace kelvora {

// The system calls by which the store changes files (the data tables, the
// journal of a transaction, the settings file), behind one seam so that a
// test can make any one of them fail and prove that a failure at any step
// leaves the old data or the new, never a mix.
class FileCalls {
public:
    enum class Kind { Write, Fsync, Rename, Unlink };

    // As the system calls of the same names; on failure errno says why.
    static ssize_t write(int fd, const void* data, std::size_t size);
    static int fsync(int fd);
    static int rename(const char* from, const char* to);
    static int unlink(const char* path);

    // Test seam: asked before every call; a nonzero answer is the errno with
    // which that call fails instead of being made. nullptr restores the calls.
    using Fault = std::function<int(Kind)>;
    static void setFaultForTesting(Fault fault);
};

} // namespace kelvora
