#pragma once

#include "cli/OutputSink.h"
#include "export/FileSystem.h"

#include <csignal>

namespace cardgen {

// Writes straight to an open descriptor: standard output, or a device or pipe named
// by -o, which cannot be replaced as a whole. Nothing written can be taken back.
class DescriptorSink final : public OutputSink {
public:
    // An interrupted write is resumed unless *stopSignal has been set meanwhile.
    // With closeAtFinish the descriptor is the sink's and is closed by finish().
    DescriptorSink(FileSystem& fileSystem, int fd, bool closeAtFinish,
                   const volatile std::sig_atomic_t* stopSignal) noexcept;
    ~DescriptorSink() override;

    DescriptorSink(const DescriptorSink&) = delete;
    DescriptorSink& operator=(const DescriptorSink&) = delete;

    [[nodiscard]] int write(std::span<const char> bytes) override;
    [[nodiscard]] int finish() override;
    void abandon() noexcept override;

private:
    FileSystem& fileSystem_;
    int fd_;
    bool owned_;
    const volatile std::sig_atomic_t* stopSignal_;
};

} // namespace cardgen
