#include "../support/RowName.h"
#include "text/NumberConversions.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <string_view>

namespace cardgen {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

struct FoldCase {
    std::string_view name;
    std::string_view text;
    std::string_view expected;
};

class FoldFullWidthTest : public testing::TestWithParam<FoldCase> {};

TEST_P(FoldFullWidthTest, ReplacesListedPairsByAscii) {
    EXPECT_EQ(foldFullWidth(TextValue(GetParam().text)).bytes(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FoldFullWidthTest,
    testing::Values(FoldCase{"Ascii", "a1 -", "a1 -"}, FoldCase{"FullWidthDigitEight", "\xA3\xB8", "8"},
                    FoldCase{"IdeographicSpace", "\xA1\xA1", " "},
                    FoldCase{"FullWidthTilde", "\xA1\xAB", "~"}, FoldCase{"WhiteStar", "\xA1\xEE", "*"},
                    FoldCase{"BlackStar", "\xA1\xEF", "*"}, FoldCase{"YuanSign", "\xA3\xA4", "$"},
                    FoldCase{"Macron", "\xA3\xFE", "~"}, FoldCase{"FullWidthPoint", "\xA3\xAE", "."},
                    FoldCase{"A3BelowTheRow", "\xA3\xA0", "\xA3\xA0"},
                    FoldCase{"A1NotListed", "\xA1\xA2", "\xA1\xA2"},
                    FoldCase{"ChineseCharacter", "\xBF\xA8", "\xBF\xA8"},
                    // The byte after a lead byte belongs to it, even when it is an ASCII digit.
                    FoldCase{"AsciiTrailStaysInPair", "\xA3\x35", "\xA3\x35"},
                    FoldCase{"TrailingLeadByteDropped", "12\xA3", "12"},
                    FoldCase{"MixedText", "x\xA3\xB1\xBF\xA8\xA3\xB2y", "x1\xBF\xA8\x32y"}),
    RowName());

TEST(FoldFullWidthTest, RowA3BecomesPrintableAscii) {
    for (int second = 0xA1; second <= 0xFE; ++second) {
        const std::string pair{'\xA3', static_cast<char>(second)};
        EXPECT_EQ(foldFullWidth(TextValue(pair)).bytes(), std::string(1, static_cast<char>(second - 0x80)))
            << second;
    }
}

struct NumberCase {
    std::string_view name;
    std::string_view text;
    double expected;
};

class ToNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ToNumberTest, ReadsTheLeadingNumber) {
    const NumberCase& c = GetParam();
    const double value = toNumber(TextValue(c.text));
    // Bit patterns, so that the sign of a zero counts.
    EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(c.expected))
        << "got " << value << ", expected " << c.expected;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToNumberTest,
    testing::Values(
        NumberCase{"SpaceThenDigitsThenLetters", " 12abc", 12.0},
        NumberCase{"FullWidthEight", "\xA3\xB8", 8.0},
        NumberCase{"FullWidthDigitsAndLetters", "\xA3\xB1\xA3\xB2\xA3\xE1\xA3\xE2\xA3\xE3", 12.0},
        NumberCase{"IdeographicSpaceThenFullWidthFive", "\xA1\xA1\xA3\xB5", 5.0},
        NumberCase{"FullWidthMinusThree", "\xA3\xAD\xA3\xB3", -3.0},
        NumberCase{"FullWidthDecimalPoint", "1\xA3\xAE\x35", 1.5}, NumberCase{"ExponentE", "1e2", 100.0},
        NumberCase{"ExponentD", "1d3", 1000.0}, NumberCase{"ExponentCapitals", "2E2 5D-1", 200.0},
        NumberCase{"ExponentCapitalD", "5D-1", 0.5}, NumberCase{"Empty", "", 0.0},
        NumberCase{"NegativeFraction", "-3.9", -3.9}, NumberCase{"LeadingZeros", "00001", 1.0},
        NumberCase{"PlusAndPointFirst", "+.5", 0.5}, NumberCase{"TrailingPoint", "5.", 5.0},
        NumberCase{"LonePoint", ".", 0.0}, NumberCase{"LoneMinus", "-", 0.0},
        NumberCase{"SignAndPoint", "-.", 0.0}, NumberCase{"Infinity", "inf", 0.0},
        NumberCase{"Hexadecimal", "0x1A", 0.0}, NumberCase{"NotANumber", "nan", 0.0},
        NumberCase{"ThousandsSeparator", "1,000", 1.0}, NumberCase{"ExponentLetterAlone", "1e", 1.0},
        NumberCase{"ExponentLetterAndSign", "1e+", 1.0}, NumberCase{"ExponentStopsAtPoint", "1e2.5", 100.0},
        NumberCase{"PointThenExponent", "5.e1", 50.0}, NumberCase{"OverflowPositive", "1e400", infinity},
        NumberCase{"OverflowNegative", "-1e400", -infinity},
        NumberCase{"JustAboveLargestDouble", "1.7976931348623159e308", infinity},
        NumberCase{"LargestDouble", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        NumberCase{"UnderflowPositive", "1e-400", 0.0}, NumberCase{"UnderflowNegative", "-1e-400", -0.0},
        NumberCase{"SmallestSubnormal", "5e-324", std::numeric_limits<double>::denorm_min()},
        NumberCase{"MinusZero", "-0", -0.0}, NumberCase{"MinusZeroFraction", "-0.000", -0.0},
        NumberCase{"AllWhiteSpaceBytes", "\t\n\v\f\r 7", 7.0}, NumberCase{"SpaceAfterSign", "- 5", 0.0},
        NumberCase{"LetterFirst", "a1", 0.0}, NumberCase{"AsciiDigitAfterLeadByte", "\xA3\x35", 0.0},
        NumberCase{"ChineseAfterNumber", "42\xBF\xA8", 42.0}, NumberCase{"DecimalFraction", "0.1", 0.1},
        NumberCase{"CutFraction", "12.7", 12.7}, NumberCase{"LargestInt32", "2147483647", 2147483647.0},
        NumberCase{"NineteenDigits", "9999999999999999999", 1e19},
        NumberCase{"ThirtyDigits", "123456789012345678901234567890", 1.2345678901234568e29},
        NumberCase{"LongExponent", "1e0000000000000000000000002", 100.0},
        NumberCase{"HugeExponentOfZero", "0e999999999999999999999", 0.0},
        NumberCase{"HugeNegativeExponent", "7e-999999999999999999999", 0.0},
        NumberCase{"ManyLeadingFractionZeros", "0.000000000000000000000000000001e30", 1.0}),
    RowName());

} // namespace
} // namespace cardgen
