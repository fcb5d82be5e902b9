#include "text/Gbk.h"

#include "../support/RowName.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

using namespace std::string_view_literals;

namespace cardgen {
namespace {

struct EncodeCase {
    std::string_view name;
    std::string_view utf8;
    std::optional<std::string_view> strict; // nothing: the strict conversion refuses
    std::string_view lossy;
};

class GbkFromUtf8Test : public testing::TestWithParam<EncodeCase> {};

TEST_P(GbkFromUtf8Test, EncodesOrReplaces) {
    const EncodeCase& c = GetParam();
    const std::optional<TextValue> strict = gbkFromUtf8(c.utf8);
    ASSERT_EQ(strict.has_value(), c.strict.has_value());
    if (strict) {
        EXPECT_EQ(strict->bytes(), *c.strict);
    }
    EXPECT_EQ(gbkFromUtf8Lossy(c.utf8).bytes(), c.lossy);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GbkFromUtf8Test,
    testing::Values(
        EncodeCase{"Empty", "", "", ""},
        EncodeCase{"Ascii", "56M5F 00001\r\n", "56M5F 00001\r\n", "56M5F 00001\r\n"},
        EncodeCase{"DateWords", "年月日时分秒", "\xC4\xEA\xD4\xC2\xC8\xD5\xCA\xB1\xB7\xD6\xC3\xEB",
                   "\xC4\xEA\xD4\xC2\xC8\xD5\xCA\xB1\xB7\xD6\xC3\xEB"},
        EncodeCase{"CardPassword", "卡密", "\xBF\xA8\xC3\xDC", "\xBF\xA8\xC3\xDC"},
        EncodeCase{"FullWidthDigit", "８", "\xA3\xB8", "\xA3\xB8"},
        EncodeCase{"InformationCaption", "信息：", "\xD0\xC5\xCF\xA2\xA3\xBA", "\xD0\xC5\xCF\xA2\xA3\xBA"},
        EncodeCase{"NoGbkForm", "a😀b", std::nullopt, "a?b"},
        EncodeCase{"BrokenUtf8", "a\xC3\x62", std::nullopt, "a?b"},
        EncodeCase{"TruncatedAtEnd", "a\xE5\xB9", std::nullopt, "a??"},
        EncodeCase{"Overlong", "\xC0\xAF", std::nullopt, "??"},
        EncodeCase{"EndsAtZeroByte", "ab\0cd"sv, "ab", "ab"}),
    RowName());

struct DecodeCase {
    std::string_view name;
    std::string_view gbk;
    std::string_view utf8;
};

class Utf8FromGbkTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8FromGbkTest, DecodesOrMarksBrokenBytes) {
    EXPECT_EQ(utf8FromGbk(TextValue(GetParam().gbk)), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Table, Utf8FromGbkTest,
                         testing::Values(DecodeCase{"Empty", "", ""}, DecodeCase{"Ascii", "A1B2C", "A1B2C"},
                                         DecodeCase{"Chinese", "\xBF\xA8\xC3\xDC", "卡密"},
                                         DecodeCase{"ExtensionCharacter", "\x81\x40", "丂"},
                                         DecodeCase{"LoneLeadByteAtEnd", "a\xBF", "a\xEF\xBF\xBD"},
                                         DecodeCase{"LeadByteBeforeSpace", "\x81 x", "\xEF\xBF\xBD x"},
                                         DecodeCase{"ByteFF", "\xFF\x61", "\xEF\xBF\xBD\x61"}),
                         RowName());

TEST(GbkTest, RoundTripsTheTextsOfTheWindow) {
    for (const std::string_view utf8 :
         {"创建成功：你当前生成的卡号密码共计 "sv, "你当前生成的卡号密码导出保存成功"sv, "（0-3位）"sv,
          "2012年1月22日15时4分9秒"sv}) {
        const std::optional<TextValue> gbk = gbkFromUtf8(utf8);
        ASSERT_TRUE(gbk.has_value()) << utf8;
        EXPECT_EQ(utf8FromGbk(*gbk), utf8);
    }
}

TEST(GbkTest, ConvertsOnSeveralThreads) {
    // Each thread has its own converter state, so interleaved calls stay correct.
    const auto work = [] {
        for (int i = 0; i < 2000; ++i) {
            if (utf8FromGbk(gbkFromUtf8Lossy("卡a😀")) != "卡a?")
                return false;
        }
        return true;
    };
    bool firstOk = false;
    bool secondOk = false;
    std::thread first([&] { firstOk = work(); });
    std::thread second([&] { secondOk = work(); });
    first.join();
    second.join();
    EXPECT_TRUE(firstOk);
    EXPECT_TRUE(secondOk);
}

} // namespace
} // namespace cardgen
