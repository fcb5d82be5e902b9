#include "cli/CliOptions.h"

#include "../support/RowName.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace cardgen {
namespace {

// Every field, so that a failure shows what differs.
std::string describe(const CliOptions& options) {
    const GenerationSettings& s = options.settings;
    return "face=" + std::string(s.faceValueCode.bytes()) + " batch=" + std::string(s.batchCode.bytes()) +
           " start=" + std::string(s.sequenceText.bytes()) +
           " mode=" + std::string(modeName(s.passwordMode)) + " length=" + std::to_string(s.passwordLength) +
           " count=" + std::to_string(s.count) + " unique=" + std::to_string(options.unique) +
           " output=" + (options.outputPath ? options.outputPath->string() : "<stdout>") +
           " help=" + std::to_string(options.help) + " version=" + std::to_string(options.version);
}

TEST(CliOptions, NoArgumentsGiveTheWindowsDefaults) {
    const CliParseResult parsed = parseCliOptions({});
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(describe(parsed.options), "face=56M5F batch=A1B2C start=00001 mode=digits length=8 count=50 "
                                        "unique=0 output=<stdout> help=0 version=0");
}

struct ParseCase {
    std::string_view name;
    std::vector<std::string_view> args;
    std::function<void(CliOptions&)> expect; // applied to the defaults
};

class CliOptionsParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CliOptionsParse, SetsWhatTheArgumentsSay) {
    const ParseCase& c = GetParam();
    const CliParseResult parsed = parseCliOptions(c.args);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    CliOptions expected;
    c.expect(expected);
    EXPECT_EQ(describe(parsed.options), describe(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliOptionsParse,
    ::testing::Values(
        ParseCase{"SpacedValues",
                  {"--face", "9", "--batch", "B7", "--start", "0100", "--length", "12", "--count", "3"},
                  [](CliOptions& o) {
                      o.settings.faceValueCode = TextValue("9");
                      o.settings.batchCode = TextValue("B7");
                      o.settings.sequenceText = TextValue("0100");
                      o.settings.passwordLength = 12;
                      o.settings.count = 3;
                  }},
        ParseCase{"EqualsValues",
                  {"--face=9", "--batch=B7", "--start=0100", "--length=12", "--count=3"},
                  [](CliOptions& o) {
                      o.settings.faceValueCode = TextValue("9");
                      o.settings.batchCode = TextValue("B7");
                      o.settings.sequenceText = TextValue("0100");
                      o.settings.passwordLength = 12;
                      o.settings.count = 3;
                  }},
        ParseCase{"EmptyCodesAreCodes",
                  {"--face=", "--batch", "", "--start="},
                  [](CliOptions& o) {
                      o.settings.faceValueCode = TextValue();
                      o.settings.batchCode = TextValue();
                      o.settings.sequenceText = TextValue();
                  }},
        ParseCase{"ValueMayContainEquals",
                  {"--batch=a=b"},
                  [](CliOptions& o) { o.settings.batchCode = TextValue("a=b"); }},
        ParseCase{"ChineseCodesBecomeGbk",
                  {"--face", "面值", "--start=零一"},
                  [](CliOptions& o) {
                      o.settings.faceValueCode = TextValue("\xc3\xe6\xd6\xb5");
                      o.settings.sequenceText = TextValue("\xc1\xe3\xd2\xbb");
                  }},
        ParseCase{"ModeLower",
                  {"--mode", "lower"},
                  [](CliOptions& o) { o.settings.passwordMode = PasswordMode::LowerLetters; }},
        ParseCase{"ModeUpper",
                  {"--mode=upper"},
                  [](CliOptions& o) { o.settings.passwordMode = PasswordMode::UpperLetters; }},
        ParseCase{"ModeMixed",
                  {"--mode=mixed"},
                  [](CliOptions& o) { o.settings.passwordMode = PasswordMode::MixedCaseLetters; }},
        ParseCase{"ModeDigitsLower",
                  {"--mode=digits-lower"},
                  [](CliOptions& o) { o.settings.passwordMode = PasswordMode::DigitsLower; }},
        ParseCase{"ModeDigitsUpper",
                  {"--mode=digits-upper"},
                  [](CliOptions& o) { o.settings.passwordMode = PasswordMode::DigitsUpper; }},
        ParseCase{"ModeDigitsAfterAnother", {"--mode=upper", "--mode", "digits"}, [](CliOptions&) {}},
        ParseCase{"RangeEnds",
                  {"--count=0", "--length=1024"},
                  [](CliOptions& o) {
                      o.settings.count = 0;
                      o.settings.passwordLength = 1024;
                  }},
        ParseCase{"LargestCountWithPlus",
                  {"--count", "+2147483647", "--length=0001"},
                  [](CliOptions& o) {
                      o.settings.count = 2147483647;
                      o.settings.passwordLength = 1;
                  }},
        ParseCase{"ShortOutput", {"-o", "a.txt"}, [](CliOptions& o) { o.outputPath = "a.txt"; }},
        ParseCase{"ShortOutputJoined", {"-oa.txt"}, [](CliOptions& o) { o.outputPath = "a.txt"; }},
        ParseCase{"LongOutput", {"--output=a.txt"}, [](CliOptions& o) { o.outputPath = "a.txt"; }},
        ParseCase{"DashIsStandardOutput", {"-o", "a.txt", "-o", "-"}, [](CliOptions&) {}},
        ParseCase{
            "OutputNamedLikeAnOption", {"-o", "--count"}, [](CliOptions& o) { o.outputPath = "--count"; }},
        ParseCase{"Flags",
                  {"--unique", "--help", "-h", "--version"},
                  [](CliOptions& o) {
                      o.unique = true;
                      o.help = true;
                      o.version = true;
                  }},
        ParseCase{
            "LastRepeatWins", {"--count", "5", "--count=6"}, [](CliOptions& o) { o.settings.count = 6; }}),
    RowName());

} // namespace
} // namespace cardgen
