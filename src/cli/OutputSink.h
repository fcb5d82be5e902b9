#pragma once

#include <span>

namespace cardgen {

// Where the lines of a run go. Each call gives 0 or the errno of the step that failed.
class OutputSink {
public:
    virtual ~OutputSink() = default;

    [[nodiscard]] virtual int write(std::span<const char> bytes) = 0;
    // Makes everything written final.
    [[nodiscard]] virtual int finish() = 0;
    // Gives the run up, taking back what can still be taken back.
    virtual void abandon() noexcept = 0;
};

} // namespace cardgen
