#include "text/NumberConversions.h"

#include <charconv>
#include <cmath>

namespace cardgen {

namespace {

constexpr int significantDigits = 13;

// Drops trailing zeros after a point, and the point when nothing is left after it.
void trimFraction(std::string& text) {
    const std::size_t last = text.find_last_not_of('0');
    text.erase(last + 1);
    if (text.back() == '.')
        text.pop_back();
}

void appendGeneral(std::string& body, double magnitude) {
    // The correctly rounded 17-digit expansion "d.dddddddddddddddde±X"; the sign of X is at index 19.
    char expansion[40];
    const auto written =
        std::to_chars(expansion, expansion + sizeof expansion, magnitude, std::chars_format::scientific, 16);
    const char* exponentText = expansion + 19;
    int exponent = 0;
    std::from_chars(exponentText + (*exponentText == '+' ? 1 : 0), written.ptr, exponent);

    char digits[significantDigits];
    digits[0] = expansion[0];
    for (int i = 1; i < significantDigits; ++i)
        digits[i] = expansion[i + 1];
    // Half up on the 14th digit, carrying leftwards.
    if (expansion[significantDigits + 1] >= '5') {
        int i = significantDigits - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            ++exponent;
        }
    }

    if (exponent < -4 || exponent >= significantDigits) {
        body.push_back(digits[0]);
        body.push_back('.');
        body.append(digits + 1, significantDigits - 1);
        trimFraction(body);
        body.append(exponent < 0 ? "e-" : "e+");
        const int size = exponent < 0 ? -exponent : exponent;
        if (size < 100)
            body.push_back('0');
        if (size < 10)
            body.push_back('0');
        char exponentDigits[8];
        const auto end = std::to_chars(exponentDigits, exponentDigits + sizeof exponentDigits, size);
        body.append(exponentDigits, end.ptr);
    } else if (exponent >= 0) {
        body.append(digits, static_cast<std::size_t>(exponent) + 1);
        body.push_back('.');
        body.append(digits + exponent + 1, static_cast<std::size_t>(significantDigits - exponent - 1));
        trimFraction(body);
    } else {
        body.append("0.");
        body.append(static_cast<std::size_t>(-exponent - 1), '0');
        body.append(digits, significantDigits);
        trimFraction(body);
    }
}

} // namespace

TextValue realToText(double value) {
    // Every count and sequence number takes this path: integers below 10^13 are their own digits.
    if (std::fabs(value) < 1e13 && value == std::trunc(value)) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(value));
        return TextValue::fromTrustedBytes(std::string(digits, end.ptr));
    }
    if (std::isnan(value))
        return TextValue("nan");
    std::string text;
    if (value < 0)
        text.push_back('-');
    if (std::isinf(value))
        text.append("inf");
    else
        appendGeneral(text, std::fabs(value));
    return TextValue::fromTrustedBytes(std::move(text));
}

} // namespace cardgen
