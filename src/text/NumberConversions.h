#pragma once

#include "text/TextValue.h"

#include <cstdint>

namespace cardgen {

// Full-width ASCII forms (and a few look-alikes) become their ASCII twins.
[[nodiscard]] TextValue foldFullWidth(const TextValue& text);
// The leading decimal number of a text, 0 when there is none.
[[nodiscard]] double toNumber(const TextValue& text);
// Truncates toward zero and keeps the low 32 bits; 0 for non-finite or huge values.
[[nodiscard]] std::int32_t realToInt(double value) noexcept;
[[nodiscard]] TextValue intToText(std::int32_t value);
// 13 significant digits, "%.13g"-like with a three-digit exponent.
[[nodiscard]] TextValue realToText(double value);

} // namespace cardgen
