#pragma once

#include "export/FileSystem.h"
#include "export/FileWriteResult.h"

#include <filesystem>
#include <span>

namespace cardgen {

// Replaces a file with bytes written piece by piece, or leaves it as it was: the
// bytes go to a new file in the target's folder, which commit() syncs and renames
// over the target. Until then the target is untouched; a failed step, discard()
// or destruction removes the new file. A link is followed and the file it names
// is replaced. A file that may not be written is refused. The new file keeps the
// old one's permissions, or gets 0644 less the umask.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(FileSystem& fileSystem) noexcept;
    AtomicFileWriter() noexcept;
    ~AtomicFileWriter();

    // One temporary file belongs to one writer.
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Checks the target and creates the temporary file beside it.
    [[nodiscard]] FileWriteResult open(const std::filesystem::path& path);
    // Appends to the temporary file; short and interrupted writes are resumed.
    [[nodiscard]] FileWriteResult write(std::span<const unsigned char> bytes);
    // Syncs the temporary file and renames it over the target.
    [[nodiscard]] FileWriteResult commit();
    // Removes the temporary file; the target keeps its old bytes.
    void discard() noexcept;

    [[nodiscard]] bool isOpen() const noexcept { return fd_ >= 0; }

private:
    // Discards and returns errno as it was when the step failed.
    FileWriteResult fail(bool stillOpen) noexcept;

    FileSystem& fileSystem_;
    std::filesystem::path target_;
    std::filesystem::path folder_;
    std::filesystem::path temporary_;
    int fd_ = -1;
};

} // namespace cardgen
