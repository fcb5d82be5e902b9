#pragma once

#include "text/TextValue.h"

#include <cstdint>

namespace cardgen {

// Face-value code + batch code + formatSequence(sequence, line), with no separators.
[[nodiscard]] TextValue composeCardNumber(const TextValue& faceValueCode, const TextValue& batchCode,
                                          const TextValue& sequenceText, std::int32_t line);
// The start number read from sequenceText plus line - 1, zero-padded on the
// left to the byte length of sequenceText; never cut.
[[nodiscard]] TextValue formatSequence(const TextValue& sequenceText, std::int32_t line);

} // namespace cardgen
