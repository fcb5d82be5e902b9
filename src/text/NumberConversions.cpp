#include "text/NumberConversions.h"

#include <charconv>
#include <cmath>

namespace cardgen {

namespace {

// The single ASCII byte of a two-byte full-width form, or 0 when the pair has none.
char asciiTwin(unsigned char first, unsigned char second) noexcept {
    if (first == 0xA3 && second >= 0xA1 && second <= 0xFE)
        return static_cast<char>(second - 0x80);
    if (first == 0xA1) {
        switch (second) {
        case 0xA1:
            return ' ';
        case 0xAB:
            return '~';
        case 0xEE:
        case 0xEF:
            return '*';
        default:
            break;
        }
    }
    return '\0';
}

} // namespace

TextValue foldFullWidth(const TextValue& text) {
    const std::string_view bytes = text.bytes();
    std::string folded;
    folded.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        if (first < 0x80) {
            folded.push_back(bytes[i]);
            continue;
        }
        // A lead byte with nothing after it is no character and is dropped.
        if (i + 1 == bytes.size())
            break;
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        if (const char twin = asciiTwin(first, second)) {
            folded.push_back(twin);
        } else {
            folded.push_back(bytes[i]);
            folded.push_back(bytes[i + 1]);
        }
        ++i;
    }
    return TextValue::fromTrustedBytes(std::move(folded));
}

std::int32_t realToInt(double value) noexcept {
    if (!std::isfinite(value))
        return 0;
    const double truncated = std::trunc(value);
    constexpr double twoTo63 = 9223372036854775808.0;
    if (truncated >= twoTo63 || truncated < -twoTo63)
        return 0;
    // Keep the low 32 bits, read as two's complement.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(truncated)));
}

TextValue intToText(std::int32_t value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return TextValue::fromTrustedBytes(std::string(digits, result.ptr));
}

} // namespace cardgen
