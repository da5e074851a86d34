// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/RegularFile.h"
#include "common/Translate.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kelvora {

RegularFile RegularFile::open(const std::string& path, Access access, Links links) {
    RegularFile file;
    // What is there is looked at first, so that a FIFO or a device is never
    // opened; the check is repeated on the open descriptor, since the file
    // may have been replaced in between.
    const int looked =
        links == Links::Follow ? ::stat(path.c_str(), &file.status_) : ::lstat(path.c_str(), &file.status_);
    if (looked == 0 && !S_ISREG(file.status_.st_mode)) {
        file.error_ = kNotRegular;
        return file;
    }
    if (looked != 0 && (errno != ENOENT || access == Access::Read)) {
        file.error_ = errno;
        return file;
    }
    int flags = O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    flags |= access == Access::Read ? O_RDONLY : O_RDWR | O_CREAT;
    if (links == Links::Refuse) flags |= O_NOFOLLOW;
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0) {
        file.error_ = errno;
        // A link where none may be is a file of the wrong kind, not a system error.
        if (file.error_ == ELOOP && links == Links::Refuse && ::lstat(path.c_str(), &file.status_) == 0 &&
            S_ISLNK(file.status_.st_mode))
            file.error_ = kNotRegular;
        return file;
    }
    if (::fstat(fd, &file.status_) != 0 || !S_ISREG(file.status_.st_mode)) {
        file.error_ = S_ISREG(file.status_.st_mode) ? errno : kNotRegular;
        ::close(fd);
        return file;
    }
    // Reads of a regular file never block; clear the flag all the same, so
    // that nothing about the descriptor surprises its user.
    const int current = ::fcntl(fd, F_GETFL);
    if (current >= 0) ::fcntl(fd, F_SETFL, current & ~O_NONBLOCK);
    file.fd_ = fd;
    return file;
}

bool RegularFile::read(const std::string& path, std::string& bytes, std::string& reason, std::size_t limit) {
    RegularFile file = open(path);
    reason.clear();
    if (file.missing()) return false;
    if (!file.isOpen() || !file.readAll(bytes, limit)) reason = file.reason();
    return true;
}

RegularFile::~RegularFile() {
    close();
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : fd_(other.fd_), error_(other.error_), status_(other.status_) {
    other.fd_ = -1;
}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.fd_;
        error_ = other.error_;
        status_ = other.status_;
        other.fd_ = -1;
    }
    return *this;
}

void RegularFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

int RegularFile::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

std::string RegularFile::reason() const {
    if (error_ == kNotRegular)
        return S_ISDIR(status_.st_mode) ? std::string(std::strerror(EISDIR))
                                        : translate("StoreError", "It is not a regular file.");
    if (error_ == EFBIG) return translate("StoreError", "The file is too large.");

    if (error_ == 0) return {};
    return std::strerror(error_);
}

bool RegularFile::readAll(std::string& bytes, std::size_t limit) {
    if (fd_ < 0) return false;
    struct stat now {};
    if (::fstat(fd_, &now) != 0) {
        error_ = errno;
        return false;
    }
    if (static_cast<std::uintmax_t>(now.st_size) > limit) {
        error_ = EFBIG;
        return false;
    }
    bytes.clear();
    bytes.resize(static_cast<std::size_t>(now.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd_, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error_ = errno;
            return false;
        }
        if (n == 0) break; // shorter than it was a moment ago
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return true;
}

} // namespace kelvora
