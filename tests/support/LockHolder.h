// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/DataFolderLock.h"

#include <csignal>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvora::test {

// Another program holding a data folder: a child process that takes the
// folder's lock, reports through a pipe that it holds it, and then waits
// until it is killed.
class LockHolder {
public:
    // With `releaseAfterMs` the holder ends by itself that long after it took the lock.
    explicit LockHolder(const std::string& folder, int releaseAfterMs = -1) {
        int fds[2];
        if (::pipe(fds) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[0]);
            DataFolderLock lock;
            char ok = DataFolderLock::tryAcquire(folder, lock).acquired && lock.holds() ? 'y' : 'n';
            [[maybe_unused]] auto n = ::write(fds[1], &ok, 1);
            if (releaseAfterMs >= 0) {
                ::usleep(static_cast<useconds_t>(releaseAfterMs) * 1000);
                ::_exit(0);
            }
            for (;;)
                ::pause();
        }
        ::close(fds[1]);
        char ok = 0;
        [[maybe_unused]] auto n = ::read(fds[0], &ok, 1);
        ::close(fds[0]);
        held_ = ok == 'y';
    }
    ~LockHolder() { kill(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    pid_t pid() const { return pid_; }
    bool held() const { return held_; }

private:
    pid_t pid_ = -1;
    bool held_ = false;
};

} // namespace kelvora::test
