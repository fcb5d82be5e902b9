#pragma once

#include "core/PasswordMode.h"
#include "core/RandomGenerator.h"
#include "core/UiPort.h"
#include "text/TextValue.h"

#include <cstdint>

namespace cardgen {

// The six inputs of one batch: the first three are read once per run, the codes
// afresh before every line.
struct GenerationSettings {
    PasswordMode passwordMode = PasswordMode::Digits;
    std::int32_t passwordLength = 0;
    std::int32_t count = 0;
    TextValue sequenceText;
    TextValue faceValueCode;
    TextValue batchCode;
};

// Runs batches: count lines of card number, two spaces, password, CR LF, appended
// to the output box one by one with an event pump before each.
class BatchGenerator {
public:
    explicit BatchGenerator(RandomGenerator& random) noexcept;

    // Does nothing when called while a batch is already running (from inside
    // pumpEvents): a nested run would mix two lists into one.
    void runBatch(UiPort& port);
    [[nodiscard]] bool isRunning() const noexcept;

private:
    RandomGenerator& random_;
    bool running_ = false;
};

} // namespace cardgen
