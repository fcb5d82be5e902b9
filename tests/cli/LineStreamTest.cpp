#include "core/LineStream.h"

#include "CliHarness.h"
#include "core/CardNumber.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace cardgen {
namespace {

GenerationSettings settingsOf(std::string_view face, std::string_view batch, std::string_view sequence,
                              PasswordMode mode, std::int32_t length, std::int32_t count) {
    GenerationSettings settings;
    settings.faceValueCode = TextValue(face);
    settings.batchCode = TextValue(batch);
    settings.sequenceText = TextValue(sequence);
    settings.passwordMode = mode;
    settings.passwordLength = length;
    settings.count = count;
    return settings;
}

// Every line of the stream, with blocks of the given size.
std::string streamAll(LineStream& stream, std::size_t blockBytes) {
    std::string all;
    std::vector<char> block(blockBytes);
    while (!stream.done()) {
        const std::size_t size = stream.fill(block.data(), block.size());
        if (size == 0) {
            ADD_FAILURE() << "no progress";
            break;
        }
        all.append(block.data(), size);
    }
    return all;
}

struct StreamCase {
    std::string_view name;
    std::string_view face;
    std::string_view batch;
    std::string_view sequence;
    PasswordMode mode;
    std::int32_t length;
    std::int32_t count;
};

class LineStreamTest : public ::testing::TestWithParam<StreamCase> {};

// Card numbers byte for byte as composeCardNumber makes them, two spaces, a password
// of the class and length, CR LF; blocks small enough to cut the run many times.
TEST_P(LineStreamTest, MakesTheCoresLines) {
    const StreamCase& c = GetParam();
    const GenerationSettings settings = settingsOf(c.face, c.batch, c.sequence, c.mode, c.length, c.count);
    PasswordDrawer passwords(c.mode, SecureRandom::keyedStreamSource());
    LineStream stream(settings, passwords);

    const std::vector<std::string> lines = testing::splitLines(streamAll(stream, 4096));

    ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.count));
    EXPECT_EQ(stream.linesMade(), c.count);
    const std::string_view allowed = testing::classOf(c.mode);
    for (std::int32_t i = 1; i <= c.count; ++i) {
        const std::string_view line = lines[static_cast<std::size_t>(i - 1)];
        const TextValue card =
            composeCardNumber(settings.faceValueCode, settings.batchCode, settings.sequenceText, i);
        ASSERT_EQ(line.substr(0, card.size()), card.bytes()) << "line " << i;
        ASSERT_EQ(line.substr(card.size(), 2), "  ") << "line " << i;
        const std::string_view password = line.substr(card.size() + 2);
        ASSERT_EQ(password.size(), static_cast<std::size_t>(c.length)) << "line " << i;
        ASSERT_EQ(password.find_first_not_of(allowed), std::string_view::npos) << password;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineStreamTest,
    ::testing::Values(
        StreamCase{"Defaults", "56M5F", "A1B2C", "00001", PasswordMode::Digits, 8, 50},
        StreamCase{"WidthGrows", "56M5F", "A1B2C", "99990", PasswordMode::LowerLetters, 5, 20},
        StreamCase{"NegativeStart", "1", "2", "-0005", PasswordMode::UpperLetters, 3, 12},
        StreamCase{"NoNumberInSequence", "", "", "abc", PasswordMode::MixedCaseLetters, 1, 1200},
        StreamCase{"EmptySequence", "F", "B", "", PasswordMode::DigitsLower, 16, 30},
        StreamCase{"GbkCodes", "\xc3\xe6\xd6\xb5", "\xc5\xfa", "12.7", PasswordMode::DigitsUpper, 10, 30},
        StreamCase{"LongPasswords", "56M5F", "A1B2C", "00001", PasswordMode::Digits, 1024, 40}),
    testing::CaseName());

// A line is only begun when its longest possible form fits in what is left.
TEST(LineStream, FillsOnlyWholeLines) {
    const GenerationSettings settings = settingsOf("F", "B", "01", PasswordMode::Digits, 4, 100);
    PasswordDrawer passwords(PasswordMode::Digits, SecureRandom::keyedStreamSource());
    LineStream stream(settings, passwords);
    std::vector<char> block(1000);

    EXPECT_EQ(stream.fill(block.data(), stream.maxLineBytes() - 1), 0U);
    EXPECT_EQ(stream.fill(block.data(), stream.maxLineBytes()), std::string_view("FB01  1234\r\n").size());
    const std::size_t size = stream.fill(block.data(), block.size());

    EXPECT_GT(size, block.size() - stream.maxLineBytes());
    const std::vector<std::string> lines = testing::splitLines({block.data(), size});
    EXPECT_EQ(stream.linesMade(), static_cast<std::int64_t>(1 + lines.size()));
    EXPECT_EQ(lines.front().substr(0, 4), "FB02");
}

TEST(LineStream, NoLinesForZeroOrNegativeCount) {
    for (const std::int32_t count : {0, -3}) {
        PasswordDrawer passwords(PasswordMode::Digits, SecureRandom::keyedStreamSource());
        LineStream stream(settingsOf("F", "B", "1", PasswordMode::Digits, 8, count), passwords);
        std::vector<char> block(1024);
        EXPECT_TRUE(stream.done());
        EXPECT_EQ(stream.fill(block.data(), block.size()), 0U);
    }
}

// Refuses every second password it is shown and records what it was told.
class EverySecond final : public PasswordFilter {
public:
    std::vector<std::string> accepted;
    std::vector<std::string> announced;
    int shown = 0;

    void expect(std::string_view password) override { announced.emplace_back(password); }

    bool accept(std::string_view password) override {
        if (++shown % 2 == 1) {
            return false;
        }
        accepted.emplace_back(password);
        return true;
    }
};

TEST(LineStream, RedrawsWhatTheFilterRefuses) {
    EverySecond filter;
    PasswordDrawer passwords(PasswordMode::LowerLetters, SecureRandom::keyedStreamSource());
    LineStream stream(settingsOf("F", "B", "1", PasswordMode::LowerLetters, 6, 25), passwords, &filter);

    const std::vector<std::string> lines = testing::splitLines(streamAll(stream, 1 << 20));

    ASSERT_EQ(lines.size(), 25U);
    EXPECT_EQ(filter.shown, 50);
    // Each line's first draw is announced ahead of its check, the redraws are not.
    EXPECT_EQ(filter.announced.size(), 25U);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].substr(lines[i].size() - 6), filter.accepted[i]);
    }
}

} // namespace
} // namespace cardgen
