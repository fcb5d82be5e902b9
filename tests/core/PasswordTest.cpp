#include "core/Password.h"

#include "core/ClassicRandom.h"
#include "core/SecureRandom.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace cardgen {
namespace {

// Logs every call; draw k gives lo + raw[k] % (hi - lo + 1), as the classic
// generator maps its outputs.
class RecordingRandom final : public RandomGenerator {
public:
    explicit RecordingRandom(std::vector<std::uint32_t> raw, int failAtDraw = -1)
        : raw_(std::move(raw)), failAtDraw_(failAtDraw) {}

    void reseedFromClock() override { events.push_back("reseed"); }

    std::int32_t randomInRange(std::int32_t lo, std::int32_t hi) override {
        const int draw = draws_++;
        if (draw == failAtDraw_) {
            throw std::runtime_error("generator failed");
        }
        events.push_back(std::to_string(lo) + ".." + std::to_string(hi));
        const std::uint32_t raw = raw_.at(static_cast<std::size_t>(draw));
        return lo + static_cast<std::int32_t>(raw % static_cast<std::uint32_t>(hi - lo + 1));
    }

    std::vector<std::string> events;

private:
    std::vector<std::uint32_t> raw_;
    int failAtDraw_;
    int draws_ = 0;
};

struct DrawCase {
    std::string name;
    PasswordMode mode;
    std::int32_t length;
    std::vector<std::uint32_t> raw;
    std::string password;
    std::vector<std::string> events;

    friend void PrintTo(const DrawCase& row, std::ostream* os) { *os << row.name; }
};

class PasswordDrawTest : public testing::TestWithParam<DrawCase> {};

TEST_P(PasswordDrawTest, ReseedsOnceThenDrawsInTheFixedOrder) {
    const DrawCase& c = GetParam();

    RecordingRandom forMake(c.raw);
    EXPECT_EQ(makePassword(c.mode, c.length, forMake).bytes(), c.password);
    EXPECT_EQ(forMake.events, c.events);

    RecordingRandom forAppend(c.raw);
    std::string line = "0100120001  ";
    appendPassword(line, c.mode, c.length, forAppend);
    EXPECT_EQ(line, "0100120001  " + c.password);
}

const std::string kDigit = "0..9";
const std::string kLetter = "1..24";
const std::string kCoin = "0..1";

INSTANTIATE_TEST_SUITE_P(
    Table, PasswordDrawTest,
    testing::Values(
        DrawCase{"Digits", PasswordMode::Digits, 2, {3, 9}, "39", {"reseed", kDigit, kDigit}},
        DrawCase{"LowerLetters", PasswordMode::LowerLetters, 2, {0, 23}, "ax", {"reseed", kLetter, kLetter}},
        DrawCase{"UpperLetters", PasswordMode::UpperLetters, 2, {0, 23}, "AX", {"reseed", kLetter, kLetter}},
        DrawCase{"MixedCaseLetterThenCase",
                 PasswordMode::MixedCaseLetters,
                 2,
                 {4, 0, 23, 1},
                 "Ex",
                 {"reseed", kLetter, kCoin, kLetter, kCoin}},
        DrawCase{"MixedCaseReducesLargeOutputs",
                 PasswordMode::MixedCaseLetters,
                 2,
                 {41, 7, 30, 7},
                 "rg",
                 {"reseed", kLetter, kCoin, kLetter, kCoin}},
        DrawCase{"DigitsLowerKindFirst",
                 PasswordMode::DigitsLower,
                 2,
                 {0, 7, 1, 1},
                 "7b",
                 {"reseed", kCoin, kDigit, kCoin, kLetter}},
        DrawCase{"DigitsUpperKindFirst",
                 PasswordMode::DigitsUpper,
                 2,
                 {1, 23, 0, 0},
                 "X0",
                 {"reseed", kCoin, kLetter, kCoin, kDigit}},
        DrawCase{"LengthOne", PasswordMode::UpperLetters, 1, {12}, "M", {"reseed", kLetter}},
        DrawCase{"LengthZeroStillReseeds", PasswordMode::MixedCaseLetters, 0, {}, "", {"reseed"}},
        DrawCase{"NegativeLengthStillReseeds", PasswordMode::Digits, -5, {}, "", {"reseed"}}),
    [](const auto& row) { return row.param.name; });

TEST(PasswordTest, ClassicGeneratorFollowsFromTheSeed) {
    struct Case {
        PasswordMode mode;
        std::int32_t length;
        std::string password;
    };
    // Tick 1 with a fresh counter seeds state 1: outputs 41, 18467, 6334, 26500, ...
    const std::vector<Case> cases = {{PasswordMode::Digits, 8, "17409488"},
                                     {PasswordMode::MixedCaseLetters, 2, "rW"},
                                     {PasswordMode::DigitsUpper, 2, "L0"},
                                     {PasswordMode::Digits, 0, ""}};
    for (const Case& c : cases) {
        ClassicRandom random([] { return 1u; });
        EXPECT_EQ(makePassword(c.mode, c.length, random).bytes(), c.password);
        EXPECT_EQ(random.state().reseedCounter, 101u) << "length " << c.length;
    }
}

struct ClassCase {
    std::string name;
    PasswordMode mode;
    std::string characters;

    friend void PrintTo(const ClassCase& row, std::ostream* os) { *os << row.name; }
};

class PasswordClassTest : public testing::TestWithParam<ClassCase> {};

const std::string kDigits = "0123456789";
const std::string kLower = "abcdefghijklmnopqrstuvwx";
const std::string kUpper = "ABCDEFGHIJKLMNOPQRSTUVWX";

// Only the class's characters occur, and over enough passwords every one of them does.
TEST_P(PasswordClassTest, DrawsExactlyTheClassCharacters) {
    const ClassCase& c = GetParam();
    const std::set<char> expected(c.characters.begin(), c.characters.end());
    std::uint32_t tick = 0;
    std::vector<std::unique_ptr<RandomGenerator>> generators;
    generators.push_back(std::make_unique<SecureRandom>());
    generators.push_back(std::make_unique<ClassicRandom>([&] { return tick++; }));

    for (const auto& random : generators) {
        std::set<char> seen;
        for (int i = 0; i < 300; ++i) {
            const TextValue password = makePassword(c.mode, 40, *random);
            ASSERT_EQ(password.size(), 40u);
            seen.insert(password.bytes().begin(), password.bytes().end());
        }
        EXPECT_EQ(seen, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PasswordClassTest,
    testing::Values(ClassCase{"Digits", PasswordMode::Digits, kDigits},
                    ClassCase{"LowerLetters", PasswordMode::LowerLetters, kLower},
                    ClassCase{"UpperLetters", PasswordMode::UpperLetters, kUpper},
                    ClassCase{"MixedCaseLetters", PasswordMode::MixedCaseLetters, kLower + kUpper},
                    ClassCase{"DigitsLower", PasswordMode::DigitsLower, kDigits + kLower},
                    ClassCase{"DigitsUpper", PasswordMode::DigitsUpper, kDigits + kUpper}),
    [](const auto& row) { return row.param.name; });

TEST(PasswordTest, UnknownModeIsRefusedBeforeAnyDraw) {
    RecordingRandom random({});
    std::string line = "card  ";
    EXPECT_THROW(appendPassword(line, static_cast<PasswordMode>(6), 8, random), std::invalid_argument);
    EXPECT_EQ(line, "card  ");
    EXPECT_TRUE(random.events.empty());
}

TEST(PasswordTest, FailedDrawLeavesNoPartialPassword) {
    RecordingRandom random({1, 2, 3, 4}, 2);
    std::string line = "card  ";
    EXPECT_THROW(appendPassword(line, PasswordMode::Digits, 8, random), std::runtime_error);
    EXPECT_EQ(line, "card  ");
}

} // namespace
} // namespace cardgen
