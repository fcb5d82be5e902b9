#pragma once

#include "cli/OutputSink.h"
#include "export/AtomicFileWriter.h"

#include <filesystem>

namespace cardgen {

// A file written whole or not at all: the old file stays as it was until finish().
class AtomicFileSink final : public OutputSink {
public:
    explicit AtomicFileSink(FileSystem& fileSystem) noexcept : writer_(fileSystem) {}

    // 0, or the errno that keeps the file from being written.
    [[nodiscard]] int open(const std::filesystem::path& path) { return writer_.open(path).error; }

    [[nodiscard]] int write(std::span<const char> bytes) override;
    [[nodiscard]] int finish() override { return writer_.commit().error; }
    void abandon() noexcept override { writer_.discard(); }

private:
    AtomicFileWriter writer_;
};

} // namespace cardgen
