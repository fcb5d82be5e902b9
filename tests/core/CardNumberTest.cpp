#include "core/CardNumber.h"

#include "../support/RowName.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace cardgen {
namespace {

struct CardCase {
    std::string_view name;
    std::string_view faceValueCode;
    std::string_view batchCode;
    std::string_view sequenceText;
    std::int32_t line;
    std::string_view expected;
};

class ComposeCardNumberTest : public testing::TestWithParam<CardCase> {};

TEST_P(ComposeCardNumberTest, JoinsCodesAndSequence) {
    const CardCase& c = GetParam();
    const TextValue face(c.faceValueCode);
    const TextValue batch(c.batchCode);
    const TextValue sequence(c.sequenceText);
    EXPECT_EQ(composeCardNumber(face, batch, sequence, c.line).bytes(), c.expected);
    EXPECT_EQ(face.bytes(), c.faceValueCode);
    EXPECT_EQ(batch.bytes(), c.batchCode);
    EXPECT_EQ(sequence.bytes(), c.sequenceText);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ComposeCardNumberTest,
    testing::Values(CardCase{"FirstLine", "56M5F", "A1B2C", "00001", 1, "56M5FA1B2C00001"},
                    CardCase{"FiftiethLine", "56M5F", "A1B2C", "00001", 50, "56M5FA1B2C00050"},
                    CardCase{"NumberOutgrowsWidth", "56M5F", "A1B2C", "00001", 100000, "56M5FA1B2C100000"},
                    CardCase{"CarryIntoThirdDigit", "56M5F", "A1B2C", "00099", 2, "56M5FA1B2C00100"},
                    CardCase{"EmptyCodes", "", "", "9", 2, "10"},
                    CardCase{"ChineseCodes", "\xBF\xA8", "\xC3\xDC", "01", 3, "\xBF\xA8\xC3\xDC\x30\x33"},
                    CardCase{"LongCodes", "FACEVALUECODE", "BATCHCODE2024", "0000", 12,
                             "FACEVALUECODEBATCHCODE20240011"}),
    RowName());

struct SequenceCase {
    std::string_view name;
    std::string_view sequenceText;
    std::int32_t line;
    std::string_view expected;
};

class FormatSequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(FormatSequenceTest, PadsWithZerosToTheByteWidth) {
    const SequenceCase& c = GetParam();
    EXPECT_EQ(formatSequence(TextValue(c.sequenceText), c.line).bytes(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatSequenceTest,
                         testing::Values(SequenceCase{"NumberWiderThanText", "00001", 100000, "100000"},
                                         SequenceCase{"DefaultNinthLine", "00001", 9, "00009"},
                                         SequenceCase{"DefaultTenthLine", "00001", 10, "00010"},
                                         SequenceCase{"LettersFirstLine", "abc", 1, "000"},
                                         SequenceCase{"LettersSecondLine", "abc", 2, "001"},
                                         SequenceCase{"EmptyFirstLine", "", 1, "0"},
                                         SequenceCase{"EmptyTwelfthLine", "", 12, "11"},
                                         SequenceCase{"FractionCutOff", "12.7", 1, "0012"},
                                         SequenceCase{"ZerosBeforeMinus", "-0005", 1, "000-5"},
                                         SequenceCase{"NegativeStartReachesPositive", "-0005", 7, "00001"},
                                         SequenceCase{"AllZeros", "00000", 1, "00000"},
                                         SequenceCase{"ChangedTextMidRun", "00100", 10, "00109"},
                                         SequenceCase{"ChineseCountsTwoBytes", "\xBF\xA8", 1, "00"},
                                         SequenceCase{"FullWidthDigits", "\xA3\xB0\xA3\xB5", 1, "0005"},
                                         SequenceCase{"NumberThenLetters", "7ab", 1, "007"},
                                         SequenceCase{"StartWrapsModulo2To32", "4294967297", 1, "0000000001"},
                                         SequenceCase{"InfiniteStartReadsAsZero", "1e400", 3, "00002"},
                                         SequenceCase{"LowestStart", "-2147483648", 1, "-2147483648"},
                                         SequenceCase{"BeyondInt32NeverCut", "2147483647", 100000,
                                                      "2147583646"}),
                         RowName());

} // namespace
} // namespace cardgen
