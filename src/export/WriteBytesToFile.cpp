#include "export/WriteBytesToFile.h"

#include "export/PosixFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace cardgen {

namespace {

constexpr mode_t kNewFileMode = 0644;
constexpr std::size_t kMaxNameBytes = 255;
constexpr std::size_t kRandomChars = 6;
constexpr int kNameAttempts = 100;
// Writes larger than this are split; Linux caps a single write near 2 GiB anyway.
constexpr std::size_t kMaxWriteChunk = std::size_t{1} << 30;

// ".<name>.XXXXXX" in the target's folder, the name cut so that the whole stays a
// valid file name.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target) {
    static constexpr std::string_view kAlphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 engine{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);

    const std::string name = target.filename().native();
    std::string temporaryName = ".";
    temporaryName += name.substr(0, kMaxNameBytes - 2 - kRandomChars);
    temporaryName += '.';
    for (std::size_t i = 0; i < kRandomChars; ++i) {
        temporaryName += kAlphabet[pick(engine)];
    }
    return target.parent_path() / temporaryName;
}

// Resolves a link so that the file it names is replaced, not the link.
std::filesystem::path resolveTarget(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        std::filesystem::path resolved = std::filesystem::canonical(path, error);
        if (!error) {
            return resolved;
        }
    }
    return path;
}

bool writeAll(FileSystem& fileSystem, int fd, std::span<const unsigned char> bytes) {
    while (!bytes.empty()) {
        const std::size_t chunk = std::min(bytes.size(), kMaxWriteChunk);
        const ssize_t written = fileSystem.write(fd, bytes.data(), chunk);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = EIO; // no progress and no error: give up rather than spin
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

int fsyncRetrying(FileSystem& fileSystem, int fd) {
    int result = 0;
    do {
        result = fileSystem.fsync(fd);
    } while (result != 0 && errno == EINTR);
    return result;
}

// Makes the rename itself durable. Failing here cannot undo the replacement that
// has already happened, and some file systems refuse to sync a folder, so it is
// not an error.
void syncFolder(FileSystem& fileSystem, const std::filesystem::path& folder) {
    const int fd = fileSystem.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd >= 0) {
        static_cast<void>(fsyncRetrying(fileSystem, fd));
        fileSystem.close(fd);
    }
}

} // namespace

std::string FileWriteResult::reason() const {
    return std::generic_category().message(error);
}

FileWriteResult writeBytesToFile(const std::filesystem::path& path, std::span<const unsigned char> bytes,
                                 FileSystem& fileSystem) {
    if (path.empty()) {
        return {ENOENT};
    }
    const std::filesystem::path target = resolveTarget(path);
    if (!target.has_filename()) {
        return {EISDIR};
    }
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";

    mode_t mode = kNewFileMode;
    bool replacing = false;
    struct stat old {};
    if (fileSystem.stat(target.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) {
            return {EISDIR};
        }
        if (!S_ISREG(old.st_mode)) {
            return {EINVAL}; // a device or pipe would be replaced by a plain file
        }
        // A rename would replace a file that may not be written, so honour its
        // permissions; a file without any write bit is read-only even for root.
        if ((old.st_mode & 0222) == 0 || fileSystem.access(target.c_str(), W_OK) != 0) {
            return {EACCES};
        }
        replacing = true;
        mode = old.st_mode & 07777;
    }

    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        temporary = temporaryPathFor(folder / target.filename());
        fd = fileSystem.open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) {
            return {errno};
        }
    }
    if (fd < 0) {
        return {EEXIST};
    }
    if (replacing) {
        // The umask may have taken bits away. Some file systems keep no
        // permissions and refuse; the bytes matter more than the mode.
        static_cast<void>(fileSystem.fchmod(fd, mode));
    }

    const auto fail = [&](bool stillOpen) -> FileWriteResult {
        const int error = errno;
        if (stillOpen) {
            fileSystem.close(fd);
        }
        fileSystem.unlink(temporary.c_str());
        return {error};
    };
    if (!writeAll(fileSystem, fd, bytes) || fsyncRetrying(fileSystem, fd) != 0) {
        return fail(true);
    }
    // The descriptor is gone even when close fails.
    if (fileSystem.close(fd) != 0 || fileSystem.rename(temporary.c_str(), target.c_str()) != 0) {
        return fail(false);
    }
    syncFolder(fileSystem, folder);
    return {};
}

FileWriteResult writeBytesToFile(const std::filesystem::path& path, std::span<const unsigned char> bytes) {
    return writeBytesToFile(path, bytes, PosixFileSystem::instance());
}

} // namespace cardgen
