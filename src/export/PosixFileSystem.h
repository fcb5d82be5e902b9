#pragma once

#include "export/FileSystem.h"

namespace cardgen {

// The real calls.
class PosixFileSystem final : public FileSystem {
public:
    [[nodiscard]] int open(const char* path, int flags, mode_t mode) override;
    [[nodiscard]] ssize_t write(int fd, const void* data, std::size_t size) override;
    [[nodiscard]] int fsync(int fd) override;
    [[nodiscard]] int fchmod(int fd, mode_t mode) override;
    int close(int fd) override;
    [[nodiscard]] int rename(const char* from, const char* to) override;
    int unlink(const char* path) override;
    [[nodiscard]] int stat(const char* path, struct stat* info) override;
    [[nodiscard]] int access(const char* path, int how) override;

    // The one instance the program uses.
    [[nodiscard]] static PosixFileSystem& instance() noexcept;
};

} // namespace cardgen
