#include "core/CardNumber.h"

#include "text/NumberConversions.h"

#include <string>

namespace cardgen {

namespace {

// The running number of a line, in full.
TextValue sequenceDigits(const TextValue& sequenceText, std::int32_t line) {
    const std::int32_t start = realToInt(toNumber(sequenceText));
    // Exact in a double for every 32-bit start and line.
    return realToText(static_cast<double>(start) + line - 1.0);
}

// Zeros in front of the digits up to the byte width of the sequence text (none when
// the digits are as wide or wider), then the digits: the same bytes as
// repeatText(width - digits, "0") followed by the digits, without the extra texts.
void appendSequence(std::string& out, const TextValue& sequenceText, const TextValue& digits) {
    const std::int32_t zeros = textLength(sequenceText) - textLength(digits);
    if (zeros > 0)
        out.append(static_cast<std::size_t>(zeros), '0');
    out.append(digits.bytes());
}

std::size_t sequenceWidth(const TextValue& sequenceText, const TextValue& digits) noexcept {
    return sequenceText.size() > digits.size() ? sequenceText.size() : digits.size();
}

} // namespace

TextValue composeCardNumber(const TextValue& faceValueCode, const TextValue& batchCode,
                            const TextValue& sequenceText, std::int32_t line) {
    const TextValue digits = sequenceDigits(sequenceText, line);
    std::string card;
    card.reserve(faceValueCode.size() + batchCode.size() + sequenceWidth(sequenceText, digits));
    card.append(faceValueCode.bytes());
    card.append(batchCode.bytes());
    appendSequence(card, sequenceText, digits);
    return TextValue::fromTrustedBytes(std::move(card));
}

TextValue formatSequence(const TextValue& sequenceText, std::int32_t line) {
    const TextValue digits = sequenceDigits(sequenceText, line);
    std::string sequence;
    sequence.reserve(sequenceWidth(sequenceText, digits));
    appendSequence(sequence, sequenceText, digits);
    return TextValue::fromTrustedBytes(std::move(sequence));
}

} // namespace cardgen
