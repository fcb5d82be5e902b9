#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

namespace cardgen {

// Reads a text as strtol does (leading white space, one sign, the decimal digits
// up to the first other character; 0 without digits), clamped to 32 bits.
[[nodiscard]] std::int32_t readClampedInteger(QStringView text) noexcept;

// What an integer box shows after losing the focus: the value in plain decimal,
// and the empty text for 0.
[[nodiscard]] QString rewrittenInteger(QStringView text);

enum class SpinDirection { Up, Down };

// The value the spin arrows write: a step through 0..100 that wraps at both ends.
[[nodiscard]] int spinValue(QStringView text, SpinDirection direction) noexcept;

} // namespace cardgen
