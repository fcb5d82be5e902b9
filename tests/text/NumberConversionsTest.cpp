#include "text/NumberConversions.h"

#include "../support/RowName.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <string_view>

namespace cardgen {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

struct RealToIntCase {
    std::string_view name;
    double value;
    std::int32_t expected;
};

class RealToIntTest : public testing::TestWithParam<RealToIntCase> {};

TEST_P(RealToIntTest, TruncatesAndKeepsTheLow32Bits) {
    EXPECT_EQ(realToInt(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RealToIntTest,
    testing::Values(RealToIntCase{"Whole", 12.0, 12}, RealToIntCase{"Fraction", 3.9, 3},
                    RealToIntCase{"NegativeFraction", -3.9, -3}, RealToIntCase{"Half", 0.5, 0},
                    RealToIntCase{"TwoTo31Wraps", 2147483648.0, int32Min},
                    RealToIntCase{"LowestInt32", -2147483648.0, int32Min},
                    RealToIntCase{"TwoTo32", 4294967296.0, 0},
                    RealToIntCase{"TwoTo32PlusOne", 4294967297.0, 1},
                    RealToIntCase{"TenBillion", 1e10,
                                  static_cast<std::int32_t>(10000000000LL - 2 * 4294967296LL)},
                    RealToIntCase{"MinusTwoTo32MinusOne", -4294967297.0, -1},
                    // 2^63 - 1024, the largest double below 2^63: low 32 bits 0xFFFFFC00.
                    RealToIntCase{"JustBelowTwoTo63", 9223372036854774784.0, -1024},
                    RealToIntCase{"MinusTwoTo63", -9223372036854775808.0, 0},
                    RealToIntCase{"TwoTo63", 9223372036854775808.0, 0}, RealToIntCase{"TenTo19", 1e19, 0},
                    RealToIntCase{"PlusInfinity", infinity, 0}, RealToIntCase{"MinusInfinity", -infinity, 0},
                    RealToIntCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), 0}),
    RowName());

struct IntToTextCase {
    std::string_view name;
    std::int32_t value;
    std::string_view expected;
};

class IntToTextTest : public testing::TestWithParam<IntToTextCase> {};

TEST_P(IntToTextTest, WritesPlainDecimal) {
    EXPECT_EQ(intToText(GetParam().value).bytes(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, IntToTextTest,
                         testing::Values(IntToTextCase{"Zero", 0, "0"}, IntToTextCase{"Nine", 9, "9"},
                                         IntToTextCase{"Fifty", 50, "50"},
                                         IntToTextCase{"MinusSeven", -7, "-7"},
                                         IntToTextCase{"Lowest", int32Min, "-2147483648"},
                                         IntToTextCase{"Highest", 2147483647, "2147483647"}),
                         RowName());

struct RealToTextCase {
    std::string_view name;
    double value;
    std::string_view expected;
};

class RealToTextTest : public testing::TestWithParam<RealToTextCase> {};

TEST_P(RealToTextTest, WritesThirteenSignificantDigits) {
    EXPECT_EQ(realToText(GetParam().value).bytes(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RealToTextTest,
    testing::Values(
        RealToTextCase{"One", 1.0, "1"}, RealToTextCase{"MinusZero", -0.0, "0"},
        RealToTextCase{"Zero", 0.0, "0"}, RealToTextCase{"HundredThousand", 100000.0, "100000"},
        RealToTextCase{"LargestUint32", 4294967295.0, "4294967295"}, RealToTextCase{"MinusOne", -1.0, "-1"},
        RealToTextCase{"LowestInt32", -2147483648.0, "-2147483648"},
        RealToTextCase{"ThirteenDigitInteger", 1234567890123.0, "1234567890123"},
        RealToTextCase{"LargestThirteenDigitInteger", 9999999999999.0, "9999999999999"},
        RealToTextCase{"LowestThirteenDigitInteger", -9999999999999.0, "-9999999999999"},
        RealToTextCase{"TenTo13", 1e13, "1e+013"}, RealToTextCase{"MinusTenTo13", -1e13, "-1e+013"},
        RealToTextCase{"FourteenDigitInteger", 12345678901234.0, "1.234567890123e+013"},
        RealToTextCase{"CarryIntoNewDigit", 9999999999999.5, "1e+013"},
        RealToTextCase{"TenTo16", 1e16, "1e+016"}, RealToTextCase{"Half", 0.5, "0.5"},
        RealToTextCase{"MinusHalf", -0.5, "-0.5"}, RealToTextCase{"TenToMinus4", 0.0001, "0.0001"},
        RealToTextCase{"TenToMinus5", 0.00001, "1e-005"},
        RealToTextCase{"OneThird", 1.0 / 3.0, "0.3333333333333"},
        RealToTextCase{"TwoThirds", 2.0 / 3.0, "0.6666666666667"},
        RealToTextCase{"Positional", 123456.789, "123456.789"},
        RealToTextCase{"SumWithRoundingError", 0.1 + 0.2, "0.3"},
        RealToTextCase{"ThirteenDigitsWithFraction", 123456789012.34, "123456789012.3"},
        RealToTextCase{"ThreeDigitExponent", 1.5e300, "1.5e+300"},
        RealToTextCase{"TenTo100", 1e100, "1e+100"},
        RealToTextCase{"LargestDouble", std::numeric_limits<double>::max(), "1.797693134862e+308"},
        RealToTextCase{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
        RealToTextCase{"SmallFraction", 0.00012345, "0.00012345"},
        // Half up on the 17-digit expansion: these round down when rounded from the exact value.
        RealToTextCase{"HalfUpFrom17DigitsPositional", 13909.734069405, "13909.73406941"},
        RealToTextCase{"HalfUpFrom17DigitsFraction", 434006852.94825, "434006852.9483"},
        RealToTextCase{"HalfUpOnExactTie", 8425857623982.5, "8425857623983"},
        RealToTextCase{"HalfUpOnTieInScientific", 6852937247754500.0, "6.852937247755e+015"},
        RealToTextCase{"PlusInfinity", infinity, "inf"}, RealToTextCase{"MinusInfinity", -infinity, "-inf"},
        RealToTextCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), "nan"}),
    RowName());

TEST(RealToTextTest, IntegersAroundPowersOfTenStayPlain) {
    double power = 1.0;
    for (int exponent = 0; exponent <= 12; ++exponent, power *= 10.0) {
        for (const double value : {power - 1.0, power, power + 1.0, -power}) {
            const auto expected = std::to_string(static_cast<std::int64_t>(value));
            EXPECT_EQ(realToText(value).bytes(), expected);
        }
    }
}

} // namespace
} // namespace cardgen
