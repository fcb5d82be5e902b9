// toNumber and foldFullWidth on arbitrary bytes.
#include "FuzzCheck.h"
#include "text/NumberConversions.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using cardgen::fuzz::check;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// The leading number of an already folded text, read by the C library: the
// number's bytes are cut out by the grammar and handed to strtod, which rounds
// correctly, with the exponent letters d and D written as e.
double referenceNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number.push_back(text[i++]);
    std::size_t end = skipDigits(text, i);
    bool anyDigit = end > i;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(text, end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit)
        return 0.0;
    number.append(text.substr(i, end - i));
    if (end < text.size() && std::string_view("eEdD").find(text[end]) != std::string_view::npos) {
        std::size_t j = end + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t exponentEnd = skipDigits(text, j);
        if (exponentEnd > j) {
            number.push_back('e');
            number.append(text.substr(end + 1, exponentEnd - end - 1));
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const cardgen::TextValue text(std::string_view(reinterpret_cast<const char*>(data), size));
    const cardgen::TextValue folded = cardgen::foldFullWidth(text);
    check(folded.size() <= text.size(), "folding never makes a text longer");
    check(cardgen::foldFullWidth(folded) == folded, "a folded text folds to itself");

    const double value = cardgen::toNumber(text);
    check(!std::isnan(value), "toNumber never gives a not-a-number");
    check(sameBits(cardgen::toNumber(folded), value), "toNumber reads the folded text the same");
    check(sameBits(referenceNumber(folded.bytes()), value),
          "toNumber agrees with strtod on the number's bytes");
    return 0;
}
