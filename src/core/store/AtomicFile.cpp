#include "store/AtomicFile.h"

#include "store/StoreError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvora {

namespace {
AtomicFile::WriteFn& writeFunction() {
    static AtomicFile::WriteFn fn;
    return fn;
}

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

[[noreturn]] void failWrite(const std::string& path, int err) {
    throw FileError("Cannot write file \"" + path + "\". " + std::strerror(err));
}
} // namespace

void AtomicFile::setWriteFunctionForTesting(WriteFn fn) {
    writeFunction() = std::move(fn);
}

void AtomicFile::write(const std::string& path, std::string_view bytes) {
    std::string folder = folderOf(path);
    std::string base =
        path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    std::string tmp = folder + "/." + base + ".tmpXXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) failWrite(path, errno);

    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        failWrite(path, err);
    };

    // The new file gets the old file's permissions, or the usual ones.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0) abandon(errno);

    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = writeFunction() ? writeFunction()(fd, p, left) : ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        if (n == 0) abandon(EIO);
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) abandon(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        failWrite(path, err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        failWrite(path, err);
    }
    int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

bool readWholeFile(const std::string& path, std::string& bytes, std::size_t limit) {
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return false;
        throw FileError("Cannot open file \"" + path + "\". " + std::strerror(errno));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        int err = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(fd);
        throw FileError("Cannot open file \"" + path + "\". " + std::strerror(err));
    }
    if (static_cast<std::size_t>(st.st_size) > limit) {
        ::close(fd);
        throw FileError("Cannot open file \"" + path + "\". The file is too large.");
    }
    bytes.clear();
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            int err = errno;
            ::close(fd);
            throw FileError("Cannot read file \"" + path + "\". " + std::strerror(err));
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    ::close(fd);
    return true;
}

} // namespace kelvora
