#include "export/PosixFileSystem.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace cardgen {

int PosixFileSystem::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

ssize_t PosixFileSystem::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int PosixFileSystem::fsync(int fd) {
    return ::fsync(fd);
}

int PosixFileSystem::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

int PosixFileSystem::close(int fd) {
    return ::close(fd);
}

int PosixFileSystem::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

int PosixFileSystem::unlink(const char* path) {
    return ::unlink(path);
}

int PosixFileSystem::stat(const char* path, struct stat* info) {
    return ::stat(path, info);
}

int PosixFileSystem::access(const char* path, int how) {
    return ::access(path, how);
}

PosixFileSystem& PosixFileSystem::instance() noexcept {
    static PosixFileSystem fileSystem;
    return fileSystem;
}

} // namespace cardgen
