#pragma once

#include <cstddef>
#include <sys/stat.h>
#include <sys/types.h>

namespace cardgen {

// The file-system calls of a save, behind an interface so that tests can make
// each step fail. Every call behaves as its POSIX namesake: -1 and errno on failure.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    [[nodiscard]] virtual int open(const char* path, int flags, mode_t mode) = 0;
    [[nodiscard]] virtual ssize_t write(int fd, const void* data, std::size_t size) = 0;
    [[nodiscard]] virtual int fsync(int fd) = 0;
    [[nodiscard]] virtual int fchmod(int fd, mode_t mode) = 0;
    virtual int close(int fd) = 0;
    [[nodiscard]] virtual int rename(const char* from, const char* to) = 0;
    virtual int unlink(const char* path) = 0;
    [[nodiscard]] virtual int stat(const char* path, struct stat* info) = 0;
    [[nodiscard]] virtual int access(const char* path, int how) = 0;
};

} // namespace cardgen
