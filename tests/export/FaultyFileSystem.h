#pragma once

#include "export/PosixFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace cardgen::testing {

// The real calls, except that one chosen step of a save fails with a chosen errno,
// and writes can be made short or interrupted.
class FaultyFileSystem final : public FileSystem {
public:
    enum class Step { None, OpenFile, Write, Fsync, Close, Rename };

    Step failing = Step::None;
    int error = EIO;
    // With failing == Write: bytes accepted (by short writes) before the failure.
    std::size_t bytesBeforeFailure = 0;
    // Every write takes at most this many bytes.
    std::size_t writeLimit = std::numeric_limits<std::size_t>::max();
    // The first so many writes are interrupted before writing anything.
    int interruptions = 0;

    int open(const char* path, int flags, mode_t mode) override {
        if (failing == Step::OpenFile && (flags & O_CREAT) != 0) {
            return fail();
        }
        return real_.open(path, flags, mode);
    }

    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (interruptions > 0) {
            --interruptions;
            errno = EINTR;
            return -1;
        }
        std::size_t allowed = std::min(size, writeLimit);
        if (failing == Step::Write) {
            if (bytesBeforeFailure == 0) {
                return fail();
            }
            allowed = std::min(allowed, bytesBeforeFailure);
            bytesBeforeFailure -= allowed;
        }
        return real_.write(fd, data, allowed);
    }

    int fsync(int fd) override { return failing == Step::Fsync ? fail() : real_.fsync(fd); }
    int fchmod(int fd, mode_t mode) override { return real_.fchmod(fd, mode); }

    int close(int fd) override {
        // As on Linux, the descriptor is released even when close reports an error.
        const int result = real_.close(fd);
        return failing == Step::Close ? fail() : result;
    }

    int rename(const char* from, const char* to) override {
        return failing == Step::Rename ? fail() : real_.rename(from, to);
    }

    int unlink(const char* path) override { return real_.unlink(path); }
    int stat(const char* path, struct stat* info) override { return real_.stat(path, info); }
    int access(const char* path, int how) override { return real_.access(path, how); }

private:
    int fail() {
        errno = error;
        return -1;
    }

    PosixFileSystem real_;
};

} // namespace cardgen::testing
