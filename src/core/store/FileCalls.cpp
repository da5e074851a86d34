// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileCalls.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace kelvora {

namespace {
FileCalls::Fault& fault() {
    static FileCalls::Fault fn;
    return fn;
}

// The injected failure of a call of `kind`, or 0.
int injected(FileCalls::Kind kind) {
    return fault() ? fault()(kind) : 0;
}
} // namespace

void FileCalls::setFaultForTesting(Fault fn) {
    fault() = std::move(fn);
}

ssize_t FileCalls::write(int fd, const void* data, std::size_t size) {
    if (const int err = injected(Kind::Write)) {
        errno = err;
        return -1;
    }
    return ::write(fd, data, size);
}

int FileCalls::fsync(int fd) {
    if (const int err = injected(Kind::Fsync)) {
        errno = err;
        return -1;
    }
    return ::fsync(fd);
}

int FileCalls::rename(const char* from, const char* to) {
    if (const int err = injected(Kind::Rename)) {
        errno = err;
        return -1;
    }
    return std::rename(from, to);
}

int FileCalls::unlink(const char* path) {
    if (const int err = injected(Kind::Unlink)) {
        errno = err;
        return -1;
    }
    return ::unlink(path);
}

} // namespace kelvora
