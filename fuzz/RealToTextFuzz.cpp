// realToText on any double, read from eight bytes.
#include "FuzzCheck.h"
#include "text/NumberConversions.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using cardgen::fuzz::check;
using cardgen::fuzz::doubleFrom;

// "-d.dddddddddddde+XXX" is the longest form.
constexpr std::size_t kLongestText = 20;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// -?D+(.D+)?(e[+-]DDD)? with no zero at the end of a fraction.
bool isWellFormed(std::string_view text) {
    if (text.starts_with('-'))
        text.remove_prefix(1);
    const std::size_t exponent = text.find('e');
    const std::string_view mantissa = text.substr(0, exponent);
    const std::size_t point = mantissa.find('.');
    const std::string_view integer = mantissa.substr(0, point);
    if (integer.empty() || (integer.size() > 1 && integer.front() == '0'))
        return false;
    for (const char c : integer)
        if (!isDigit(c))
            return false;
    if (point != std::string_view::npos) {
        const std::string_view fraction = mantissa.substr(point + 1);
        if (fraction.empty() || fraction.back() == '0')
            return false;
        for (const char c : fraction)
            if (!isDigit(c))
                return false;
    }
    if (exponent == std::string_view::npos)
        return true;
    const std::string_view power = text.substr(exponent + 1);
    return power.size() == 4 && (power[0] == '+' || power[0] == '-') && isDigit(power[1]) &&
           isDigit(power[2]) && isDigit(power[3]) && integer.size() == 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<double> input = doubleFrom(data, size);
    if (!input)
        return -1;
    const double value = *input;

    const cardgen::TextValue text = cardgen::realToText(value);
    check(text.size() <= kLongestText, "realToText stays short");
    if (!std::isfinite(value))
        return 0;

    check(isWellFormed(text.bytes()), "realToText writes a plain decimal or scientific number");
    check(text.bytes().starts_with('-') == (value < 0), "only a negative value gets a minus sign");
    if (std::fabs(value) < 1e13 && value == std::trunc(value))
        check(text.bytes() == std::to_string(static_cast<std::int64_t>(value)),
              "an integer below 10^13 is written as its digits");

    // The 13 digits read back give a value that is written with the same 13 digits.
    const double readBack = cardgen::toNumber(text);
    check(std::fabs(readBack - value) <= std::fabs(value) * 1e-12,
          "the text is within 13 digits of the value");
    check(cardgen::realToText(readBack) == text, "the text read back is written the same");
    return 0;
}
