#pragma once

#include "export/FileSystem.h"
#include "export/FileWriteResult.h"

#include <filesystem>
#include <span>

namespace cardgen {

// Replaces the file at path with exactly these bytes, or leaves it as it was: the
// bytes go to a new file in the same folder, which is synced and then renamed over
// the target. A link is followed and the file it names is replaced. A file that may
// not be written is refused. The new file keeps the old one's permissions, or gets
// 0644 less the umask.
[[nodiscard]] FileWriteResult writeBytesToFile(const std::filesystem::path& path,
                                               std::span<const unsigned char> bytes, FileSystem& fileSystem);
[[nodiscard]] FileWriteResult writeBytesToFile(const std::filesystem::path& path,
                                               std::span<const unsigned char> bytes);

} // namespace cardgen
