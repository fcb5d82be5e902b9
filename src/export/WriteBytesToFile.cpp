#include "export/WriteBytesToFile.h"

#include "export/AtomicFileWriter.h"
#include "export/PosixFileSystem.h"

namespace cardgen {

FileWriteResult writeBytesToFile(const std::filesystem::path& path, std::span<const unsigned char> bytes,
                                 FileSystem& fileSystem) {
    AtomicFileWriter writer(fileSystem);
    if (const FileWriteResult opened = writer.open(path); !opened.written()) {
        return opened;
    }
    if (const FileWriteResult wrote = writer.write(bytes); !wrote.written()) {
        return wrote;
    }
    return writer.commit();
}

FileWriteResult writeBytesToFile(const std::filesystem::path& path, std::span<const unsigned char> bytes) {
    return writeBytesToFile(path, bytes, PosixFileSystem::instance());
}

} // namespace cardgen
