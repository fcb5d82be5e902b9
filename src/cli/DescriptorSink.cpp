#include "cli/DescriptorSink.h"

#include <cerrno>

namespace cardgen {

DescriptorSink::DescriptorSink(FileSystem& fileSystem, int fd, bool closeAtFinish,
                               const volatile std::sig_atomic_t* stopSignal) noexcept
    : fileSystem_(fileSystem), fd_(fd), owned_(closeAtFinish), stopSignal_(stopSignal) {
}

DescriptorSink::~DescriptorSink() {
    abandon();
}

int DescriptorSink::write(std::span<const char> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = fileSystem_.write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR && (stopSignal_ == nullptr || *stopSignal_ == 0)) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO; // no progress and no error: give up rather than spin
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

int DescriptorSink::finish() {
    if (!owned_ || fd_ < 0) {
        return 0;
    }
    const int result = fileSystem_.close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
}

void DescriptorSink::abandon() noexcept {
    if (owned_ && fd_ >= 0) {
        fileSystem_.close(fd_);
        fd_ = -1;
    }
}

} // namespace cardgen
