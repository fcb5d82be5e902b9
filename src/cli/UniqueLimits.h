#pragma once

#include "core/BatchGenerator.h"

#include <cstdint>
#include <string>

namespace cardgen {

// How many different passwords a class and length allow; infinity past a double.
[[nodiscard]] double distinctPasswords(PasswordMode mode, std::int32_t length) noexcept;

// Why a run with --unique should not start, or empty when it can: more than half of
// all possible passwords would make the last lines redraw for a long time, and the
// hashes must fit in memory with room to spare.
[[nodiscard]] std::string uniqueRefusal(const GenerationSettings& settings, std::uint64_t physicalMemory);

} // namespace cardgen
