#include "core/SequenceCounter.h"

#include "../support/RowName.h"
#include "core/CardNumber.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace cardgen {
namespace {

struct CountingCase {
    std::string_view name;
    std::string sequenceText;
    std::int32_t firstLine; // counting starts at line 1; lines before this are only stepped over
    std::int32_t lines;     // compared from firstLine on
};

class SequenceCounterTest : public testing::TestWithParam<CountingCase> {};

// Every line's part must be formatSequence's, byte for byte, across width changes,
// signs and texts that are no plain numbers.
TEST_P(SequenceCounterTest, EqualsFormatSequenceLineByLine) {
    const CountingCase& c = GetParam();
    const TextValue text(c.sequenceText);
    SequenceCounter counter(text);
    for (std::int32_t line = 1; line < c.firstLine; ++line) {
        counter.advance();
    }
    for (std::int32_t line = c.firstLine; line < c.firstLine + c.lines; ++line) {
        ASSERT_EQ(counter.line(), line);
        ASSERT_EQ(counter.current(), formatSequence(text, line).bytes()) << "line " << line;
        counter.advance();
    }
}

const std::string kLongZeros = std::string(40, '0') + "7";

INSTANTIATE_TEST_SUITE_P(Table, SequenceCounterTest,
                         testing::Values(CountingCase{"Default", "00001", 1, 2000},
                                         CountingCase{"WidthGrowsAt100000", "00001", 99990, 20},
                                         CountingCase{"CarryThroughAllNines", "99999", 1, 3},
                                         CountingCase{"NoNumber", "abc", 1, 1100},
                                         CountingCase{"EmptyText", "", 1, 120},
                                         CountingCase{"Fraction", "12.7", 1, 10000},
                                         CountingCase{"NegativeStartCrossesZero", "-0005", 1, 20},
                                         CountingCase{"WidestNegative", "-2147483648", 1, 3},
                                         CountingCase{"WrapsToMinusOne", "4294967295", 1, 3},
                                         CountingCase{"PastTheLargestInt", "2147483647", 1, 3},
                                         CountingCase{"ZeroStart", "00000", 1, 3},
                                         CountingCase{"GbkText", "\xc1\xe3", 1, 120},
                                         CountingCase{"WiderThanAnyNumber", kLongZeros, 1, 50},
                                         CountingCase{"SignedAndSpaced", " +0042", 1, 3}),
                         RowName());

} // namespace
} // namespace cardgen
