#include "export/AtomicFileWriter.h"

#include "export/PosixFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <random>
#include <string>
#include <string_view>
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

AtomicFileWriter::AtomicFileWriter(FileSystem& fileSystem) noexcept : fileSystem_(fileSystem) {
}

AtomicFileWriter::AtomicFileWriter() noexcept : AtomicFileWriter(PosixFileSystem::instance()) {
}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

FileWriteResult AtomicFileWriter::open(const std::filesystem::path& path) {
    discard();
    if (path.empty()) {
        return {ENOENT};
    }
    target_ = resolveTarget(path);
    if (!target_.has_filename()) {
        return {EISDIR};
    }
    folder_ = target_.has_parent_path() ? target_.parent_path() : ".";

    mode_t mode = kNewFileMode;
    bool replacing = false;
    struct stat old {};
    if (fileSystem_.stat(target_.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) {
            return {EISDIR};
        }
        if (!S_ISREG(old.st_mode)) {
            return {EINVAL}; // a device or pipe would be replaced by a plain file
        }
        // A rename would replace a file that may not be written, so honour its
        // permissions; a file without any write bit is read-only even for root.
        if ((old.st_mode & 0222) == 0 || fileSystem_.access(target_.c_str(), W_OK) != 0) {
            return {EACCES};
        }
        replacing = true;
        mode = old.st_mode & 07777;
    } else if (errno != ENOENT) {
        // A target that cannot be named or reached (too long, a link loop, no search
        // right) fails now, not after every byte has been written beside it.
        return {errno};
    }

    for (int attempt = 0; attempt < kNameAttempts && fd_ < 0; ++attempt) {
        std::filesystem::path candidate = temporaryPathFor(folder_ / target_.filename());
        fd_ = fileSystem_.open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd_ >= 0) {
            temporary_ = std::move(candidate);
        } else if (errno != EEXIST) {
            return {errno};
        }
    }
    if (fd_ < 0) {
        return {EEXIST};
    }
    if (replacing) {
        // The umask may have taken bits away. Some file systems keep no
        // permissions and refuse; the bytes matter more than the mode.
        static_cast<void>(fileSystem_.fchmod(fd_, mode));
    }
    return {};
}

FileWriteResult AtomicFileWriter::write(std::span<const unsigned char> bytes) {
    if (fd_ < 0) {
        return {EBADF};
    }
    if (!writeAll(fileSystem_, fd_, bytes)) {
        return fail(true);
    }
    return {};
}

FileWriteResult AtomicFileWriter::commit() {
    if (fd_ < 0) {
        return {EBADF};
    }
    if (fsyncRetrying(fileSystem_, fd_) != 0) {
        return fail(true);
    }
    // The descriptor is gone even when close fails.
    const int closed = fileSystem_.close(fd_);
    fd_ = -1;
    if (closed != 0 || fileSystem_.rename(temporary_.c_str(), target_.c_str()) != 0) {
        return fail(false);
    }
    temporary_.clear();
    syncFolder(fileSystem_, folder_);
    return {};
}

void AtomicFileWriter::discard() noexcept {
    if (fd_ >= 0) {
        fileSystem_.close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        fileSystem_.unlink(temporary_.c_str());
        temporary_.clear();
    }
}

FileWriteResult AtomicFileWriter::fail(bool stillOpen) noexcept {
    const int error = errno;
    if (!stillOpen) {
        fd_ = -1;
    }
    discard();
    return {error};
}

} // namespace cardgen
