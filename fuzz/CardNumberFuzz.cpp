// composeCardNumber and formatSequence with arbitrary texts and any line from 1 up.
#include "FuzzCheck.h"
#include "core/CardNumber.h"
#include "text/NumberConversions.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>
#include <string>
#include <string_view>

namespace {

using cardgen::TextValue;
using cardgen::fuzz::check;

bool isDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Reads a canonical decimal integer: "0", or an optional minus and digits without a leading zero.
bool readInteger(std::string_view text, std::int64_t& value) {
    const bool negative = text.starts_with('-');
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 18 || !isDigits(digits) || (digits.front() == '0' && text != "0"))
        return false;
    value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    if (negative)
        value = -value;
    return true;
}

// The sequence text's number written out and padded, worked out here without the
// number conversions: plain digits (exact in a double up to 15 of them), kept to
// their low 32 bits as a signed number, plus line - 1.
std::string expectedForDigits(std::string_view sequence, std::int32_t line) {
    std::uint64_t number = 0;
    for (const char c : sequence)
        number = number * 10 + static_cast<std::uint64_t>(c - '0');
    const auto start = static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
    const std::string digits = std::to_string(std::int64_t{start} + line - 1);
    const std::size_t zeros = sequence.size() > digits.size() ? sequence.size() - digits.size() : 0;
    return std::string(zeros, '0') + digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::int32_t line =
        provider.ConsumeIntegralInRange<std::int32_t>(1, std::numeric_limits<std::int32_t>::max());
    const TextValue faceValueCode(provider.ConsumeRandomLengthString(64));
    const TextValue batchCode(provider.ConsumeRandomLengthString(64));
    const TextValue sequenceText(provider.ConsumeRemainingBytesAsString());

    const TextValue card = cardgen::composeCardNumber(faceValueCode, batchCode, sequenceText, line);
    const TextValue sequence = cardgen::formatSequence(sequenceText, line);
    check(card == cardgen::concatText({faceValueCode, batchCode, sequence}),
          "the card number is face value, batch and sequence part");
    check(sequence.size() >= sequenceText.size(), "the sequence part is at least as wide as its text");

    // Zeros, then the whole number: from its minus sign, or from its first digit that is not a
    // leading zero.
    const std::string_view part = sequence.bytes();
    std::size_t numberStart = part.find('-');
    if (numberStart == std::string_view::npos)
        numberStart = std::min(part.find_first_not_of('0'), part.size() - 1);
    check(part.find_first_not_of('0') >= numberStart, "only zeros stand before the number");
    const std::string_view digits = part.substr(numberStart);
    std::int64_t number = 0;
    check(readInteger(digits, number), "the number is written in plain decimal");
    const std::int64_t start = cardgen::realToInt(cardgen::toNumber(sequenceText));
    check(number == start + line - 1, "the number is the start plus line - 1");
    check(part.size() == std::max(sequenceText.size(), digits.size()),
          "zeros pad only up to the text's width");

    const std::string_view typed = sequenceText.bytes();
    if (!typed.empty() && typed.size() <= 15 && isDigits(typed))
        check(part == expectedForDigits(typed, line), "plain digits count up from their number");
    return 0;
}
