#pragma once

#include "core/PasswordMode.h"
#include "core/RandomGenerator.h"
#include "text/TextValue.h"

#include <cstdint>
#include <string>

namespace cardgen {

// Re-seeds the generator once, then draws `length` characters of the mode's class
// (the empty text when length < 1).
[[nodiscard]] TextValue makePassword(PasswordMode mode, std::int32_t length, RandomGenerator& random);
// The same password, appended to `out` (the batch run's hot path).
void appendPassword(std::string& out, PasswordMode mode, std::int32_t length, RandomGenerator& random);

} // namespace cardgen
