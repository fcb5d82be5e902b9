#include "text/NumberConversions.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace cardgen {

namespace {

bool isDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) noexcept {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isExponentLetter(char c) noexcept {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

bool isAscii(std::string_view bytes) noexcept {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Larger exponents change nothing: the value is an infinity or a zero long before.
constexpr std::int64_t exponentCap = 1'000'000'000;

// The nearest double to integerDigits.fractionDigits × 10^exponent.
double nearestDouble(std::string_view integerDigits, std::string_view fractionDigits, std::int64_t exponent) {
    std::string digits;
    digits.reserve(integerDigits.size() + fractionDigits.size() + 24);
    digits.append(integerDigits);
    digits.append(fractionDigits);
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    const std::size_t last = digits.find_last_not_of('0');
    const auto trailingZeros = static_cast<std::int64_t>(digits.size() - 1 - last);
    const auto significantCount = static_cast<std::int64_t>(last + 1 - first);
    // value = significant digits × 10^scale, lying in [10^(magnitude-1), 10^magnitude)
    const std::int64_t scale = exponent - static_cast<std::int64_t>(fractionDigits.size()) + trailingZeros;
    const std::int64_t magnitude = scale + significantCount;
    constexpr double infinity = std::numeric_limits<double>::infinity();
    if (magnitude > 400)
        return infinity;
    if (magnitude < -400)
        return 0.0;

    digits.erase(last + 1);
    digits.erase(0, first);
    char exponentText[24] = {'e'};
    const auto written = std::to_chars(exponentText + 1, exponentText + sizeof exponentText, scale);
    digits.append(exponentText, written.ptr);

    double value = 0.0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (parsed.ec == std::errc::result_out_of_range)
        return magnitude > 0 ? infinity : 0.0;
    return value;
}

// Reads the leading number of a text whose full-width forms are already folded.
double parseLeadingNumber(std::string_view text) {
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    const std::size_t integerStart = i;
    while (i < size && isDigit(text[i]))
        ++i;
    const std::string_view integerDigits = text.substr(integerStart, i - integerStart);
    std::string_view fractionDigits;
    if (i < size && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < size && isDigit(text[i]))
            ++i;
        fractionDigits = text.substr(fractionStart, i - fractionStart);
    }
    if (integerDigits.empty() && fractionDigits.empty())
        return 0.0;

    // An exponent letter counts only when a digit follows it (after an optional sign).
    std::int64_t exponent = 0;
    if (i < size && isExponentLetter(text[i])) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < size && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        for (; j < size && isDigit(text[j]); ++j)
            exponent = std::min(exponent * 10 + (text[j] - '0'), exponentCap);
        if (negativeExponent)
            exponent = -exponent;
    }

    double magnitude = 0.0;
    if (fractionDigits.empty() && exponent == 0 && integerDigits.size() <= 19) {
        // Plain integers, the usual input: one rounding from an exact 64-bit value.
        std::uint64_t integer = 0;
        for (const char digit : integerDigits)
            integer = integer * 10 + static_cast<std::uint64_t>(digit - '0');
        magnitude = static_cast<double>(integer);
    } else {
        magnitude = nearestDouble(integerDigits, fractionDigits, exponent);
    }
    return negative ? -magnitude : magnitude;
}

} // namespace

double toNumber(const TextValue& text) {
    // Folding leaves pure ASCII unchanged, so most texts skip the copy.
    if (isAscii(text.bytes()))
        return parseLeadingNumber(text.bytes());
    const TextValue folded = foldFullWidth(text);
    return parseLeadingNumber(folded.bytes());
}

} // namespace cardgen
