#include "text/TextValue.h"

#include "../support/RowName.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

using namespace std::string_view_literals;

namespace cardgen {
namespace {

std::string bytesOf(const TextValue& text) {
    return std::string(text.bytes());
}

// Names each table row after its name field.
TEST(TextValueTest, KeepsTheBytesBeforeTheFirstZeroByte) {
    EXPECT_EQ(bytesOf(TextValue("ab\0cd"sv)), "ab");
    EXPECT_EQ(bytesOf(TextValue("\0ab"sv)), "");
    EXPECT_EQ(bytesOf(TextValue(static_cast<const char*>(nullptr))), "");
    EXPECT_EQ(TextValue(), TextValue(""));
    EXPECT_EQ(bytesOf(TextValue("\xBF\xA8\xFF\x80"sv)), "\xBF\xA8\xFF\x80");
}

struct ConcatCase {
    std::string_view name;
    std::vector<std::string_view> parts;
    std::string_view expected;
};

class ConcatTextTest : public testing::TestWithParam<ConcatCase> {};

TEST_P(ConcatTextTest, JoinsThePartsInOrder) {
    const ConcatCase& c = GetParam();
    TextValue joined;
    switch (c.parts.size()) {
    case 2:
        joined = concatText({c.parts[0], c.parts[1]});
        break;
    case 3:
        joined = concatText({c.parts[0], c.parts[1], c.parts[2]});
        break;
    default:
        FAIL() << "table rows have two or three parts";
    }
    EXPECT_EQ(bytesOf(joined), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConcatTextTest,
    testing::Values(ConcatCase{"CardNumberPieces", {"56M5F", "A1B2C", "00001"}, "56M5FA1B2C00001"},
                    ConcatCase{"AbsentAndText", {TextValue(), "x"}, "x"},
                    ConcatCase{"TwoEmpty", {"", ""}, ""},
                    ConcatCase{"TwoByteCharacters", {"\xBF\xA8", "\xC3\xDC"}, "\xBF\xA8\xC3\xDC"},
                    ConcatCase{"PartEndsAtZeroByte", {"ab\0zz"sv, "c"}, "abc"}),
    RowName());

TEST(ConcatTextTest, LeavesItsPartsUnchanged) {
    const TextValue first("ab");
    const TextValue second("cd");
    const TextValue joined = concatText({first, second});
    EXPECT_EQ(bytesOf(first), "ab");
    EXPECT_EQ(bytesOf(second), "cd");
    EXPECT_NE(joined.c_str(), first.c_str());
}

struct LengthCase {
    std::string_view name;
    std::string_view text;
    std::int32_t expected;
};

class TextLengthTest : public testing::TestWithParam<LengthCase> {};

TEST_P(TextLengthTest, CountsBytes) {
    EXPECT_EQ(textLength(TextValue(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, TextLengthTest,
                         testing::Values(LengthCase{"Empty", "", 0},
                                         LengthCase{"OneChineseCharacter", "\xBF\xA8", 2},
                                         LengthCase{"AsciiAndChinese", "a\xBF\xA8", 3},
                                         LengthCase{"TwoChineseCharacters", "\xBF\xA8\xC3\xDC", 4},
                                         LengthCase{"LoneLeadByte", "ab\xB0", 3}),
                         RowName());

struct RepeatCase {
    std::string_view name;
    std::int32_t count;
    std::string_view text;
    std::string_view expected;
};

class RepeatTextTest : public testing::TestWithParam<RepeatCase> {};

TEST_P(RepeatTextTest, WritesTheTextCountTimes) {
    const RepeatCase& c = GetParam();
    EXPECT_EQ(bytesOf(repeatText(c.count, TextValue(c.text))), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RepeatTextTest,
    testing::Values(RepeatCase{"ThreeZeros", 3, "0", "000"}, RepeatCase{"CountZero", 0, "0", ""},
                    RepeatCase{"NegativeCount", -2, "0", ""}, RepeatCase{"TwoBytesTwice", 2, "ab", "abab"},
                    RepeatCase{"EmptyText", 5, "", ""},
                    RepeatCase{"ChineseCharacter", 2, "\xBF\xA8", "\xBF\xA8\xBF\xA8"},
                    RepeatCase{"Once", 1, "xyz", "xyz"},
                    // The result and its zero byte must fit a signed 32-bit size.
                    RepeatCase{"LargestCountOfOneByte", std::numeric_limits<std::int32_t>::max(), "0", ""},
                    RepeatCase{"TotalOf2To31Bytes", 1 << 30, "ab", ""}),
    RowName());

TEST(RepeatTextTest, FillsLongRunsOfOneByte) {
    const TextValue zeros = repeatText(100000, TextValue("0"));
    EXPECT_EQ(bytesOf(zeros), std::string(100000, '0'));
}

struct CaseCase {
    std::string_view name;
    std::string_view text;
    std::string_view upper;
    std::string_view lower;
};

class AsciiCaseTest : public testing::TestWithParam<CaseCase> {};

TEST_P(AsciiCaseTest, ChangesOnlyAsciiLetters) {
    const CaseCase& c = GetParam();
    const TextValue text(c.text);
    EXPECT_EQ(bytesOf(toUpperAscii(text)), c.upper);
    EXPECT_EQ(bytesOf(toLowerAscii(text)), c.lower);
    EXPECT_EQ(bytesOf(text), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AsciiCaseTest,
    testing::Values(CaseCase{"Letters", "ab1z", "AB1Z", "ab1z"},
                    CaseCase{"MixedWithUnderscore", "xY_", "XY_", "xy_"},
                    CaseCase{"Capitals", "ABC", "ABC", "abc"},
                    CaseCase{"TrailingLoneLeadByte", "ab\xB0", "AB\xB0", "ab\xB0"},
                    CaseCase{"Empty", "", "", ""},
                    CaseCase{"ChineseThenLetter", "\xBF\xA8\x41", "\xBF\xA8\x41", "\xBF\xA8\x61"},
                    CaseCase{"TrailByteLooksLikeLetter", "\x81\x41\x41", "\x81\x41\x41", "\x81\x41\x61"},
                    CaseCase{"TrailByteLooksLikeSmallLetter", "\x81\x61\x61", "\x81\x61\x41", "\x81\x61\x61"},
                    CaseCase{"LeadBytes80AndFF", "\x80\x61\xFF\x62", "\x80\x61\xFF\x62", "\x80\x61\xFF\x62"},
                    CaseCase{"AroundTheLetterRanges", "@[`{", "@[`{", "@[`{"}),
    RowName());

TEST(AsciiCaseTest, SingleBytesChangeOnlyInTheirLetterRange) {
    for (int code = 1; code < 256; ++code) {
        SCOPED_TRACE(code);
        const std::string byte(1, static_cast<char>(code));
        const char upper = code >= 'a' && code <= 'z' ? static_cast<char>(code - 0x20) : byte[0];
        const char lower = code >= 'A' && code <= 'Z' ? static_cast<char>(code + 0x20) : byte[0];
        EXPECT_EQ(bytesOf(toUpperAscii(TextValue(byte))), std::string(1, upper));
        EXPECT_EQ(bytesOf(toLowerAscii(TextValue(byte))), std::string(1, lower));
    }
}

TEST(AsciiCaseTest, TwoByteCharactersNeverChange) {
    for (int lead = 0x80; lead < 256; ++lead) {
        for (int trail = 1; trail < 256; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            const TextValue text(pair);
            ASSERT_EQ(bytesOf(toUpperAscii(text)), pair) << lead << ' ' << trail;
            ASSERT_EQ(bytesOf(toLowerAscii(text)), pair) << lead << ' ' << trail;
        }
    }
}

struct CodeCase {
    std::string_view name;
    std::int32_t code;
    std::string_view expected;
};

class CharFromCodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(CharFromCodeTest, MakesOneByteFromTheLowEightBits) {
    EXPECT_EQ(bytesOf(charFromCode(GetParam().code)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, CharFromCodeTest,
                         testing::Values(CodeCase{"SmallA", 97, "a"}, CodeCase{"SmallX", 120, "x"},
                                         CodeCase{"Zero", 0, ""}, CodeCase{"WrapsTo97", 353, "a"},
                                         CodeCase{"WrapsToZero", 256, ""},
                                         CodeCase{"NegativeWraps", -159, "a"},
                                         CodeCase{"LoneLeadByte", 0xB0, "\xB0"}),
                         RowName());

struct BytesCase {
    std::string_view name;
    std::string_view text;
    ByteBuffer expected;
};

class ToBytesTest : public testing::TestWithParam<BytesCase> {};

TEST_P(ToBytesTest, GivesTheBytesWithoutTerminator) {
    EXPECT_EQ(toBytes(TextValue(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ToBytesTest,
                         testing::Values(BytesCase{"Ascii", "ab", {0x61, 0x62}},
                                         BytesCase{"ChineseCharacter", "\xBF\xA8", {0xBF, 0xA8}},
                                         BytesCase{"Empty", "", {}},
                                         BytesCase{"LineEnd", "1\r\n", {0x31, 0x0D, 0x0A}}),
                         RowName());

} // namespace
} // namespace cardgen
