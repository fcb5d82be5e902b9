#include "core/PasswordDrawer.h"

#include "../support/RowName.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cardgen {
namespace {

// Bytes 0, 1, 2, … 255, 0, 1, … across fills.
SecureRandom::ByteSource countingBytes() {
    return [next = std::uint8_t{0}](unsigned char* bytes, std::size_t size) mutable {
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = next++;
        }
    };
}

struct WeightCase {
    std::string_view name;
    PasswordMode mode;
    // Each character's chance through makePassword's draws, as part of 240.
    std::map<std::string_view, int> partsOf240;
};

class PasswordDrawerWeights : public testing::TestWithParam<WeightCase> {};

// Bytes 0 to 239 each give one character; every character must come up exactly as
// often as the window's draws make it: one digit in 10, one letter in 24, one
// mixed-case letter in 48, and in the digit-and-letter classes 1/2 × 1/10 per digit
// and 1/2 × 1/24 per letter.
TEST_P(PasswordDrawerWeights, EachUsedByteGivesTheWindowsOdds) {
    const WeightCase& c = GetParam();
    PasswordDrawer drawer(c.mode, countingBytes());
    std::string password(PasswordDrawer::kUsedBytes, '\0');
    drawer.draw(password.data(), password.size());

    std::map<char, int> counts;
    for (const char ch : password) {
        ++counts[ch];
    }
    std::map<char, int> expected;
    for (const auto& [characters, parts] : c.partsOf240) {
        for (const char ch : characters) {
            expected[ch] = parts;
        }
    }
    EXPECT_EQ(counts, expected);
}

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kLower = "abcdefghijklmnopqrstuvwx";
constexpr std::string_view kUpper = "ABCDEFGHIJKLMNOPQRSTUVWX";

INSTANTIATE_TEST_SUITE_P(
    Table, PasswordDrawerWeights,
    testing::Values(WeightCase{"Digits", PasswordMode::Digits, {{kDigits, 24}}},
                    WeightCase{"Lower", PasswordMode::LowerLetters, {{kLower, 10}}},
                    WeightCase{"Upper", PasswordMode::UpperLetters, {{kUpper, 10}}},
                    WeightCase{"Mixed", PasswordMode::MixedCaseLetters, {{kLower, 5}, {kUpper, 5}}},
                    WeightCase{"DigitsLower", PasswordMode::DigitsLower, {{kDigits, 12}, {kLower, 5}}},
                    WeightCase{"DigitsUpper", PasswordMode::DigitsUpper, {{kDigits, 12}, {kUpper, 5}}}),
    RowName());

TEST(PasswordDrawer, DropsBytesFrom240Up) {
    // Sixteen unusable bytes, then a 7.
    PasswordDrawer drawer(PasswordMode::Digits, [](unsigned char* bytes, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = i % 17 == 16 ? 7 : static_cast<unsigned char>(240 + i % 17);
        }
    });
    std::string password(8, '\0');
    drawer.draw(password.data(), password.size());
    EXPECT_EQ(password, "77777777");
}

// Passwords that straddle a refill take the bytes in order, none lost or repeated.
TEST(PasswordDrawer, KeepsByteOrderAcrossRefills) {
    PasswordDrawer drawer(PasswordMode::Digits, countingBytes());
    std::string drawn;
    std::string password(7, '\0');
    while (drawn.size() < 3 * PasswordDrawer::kBufferSize) {
        drawer.draw(password.data(), password.size());
        drawn += password;
    }
    std::string expected;
    for (std::uint8_t byte = 0; expected.size() < drawn.size(); ++byte) {
        if (byte < PasswordDrawer::kUsedBytes) {
            expected += static_cast<char>('0' + byte % 10);
        }
    }
    EXPECT_EQ(drawn, expected);
}

TEST(PasswordDrawer, RefusesUnknownModeAndMissingSource) {
    EXPECT_THROW(PasswordDrawer(static_cast<PasswordMode>(6), countingBytes()), std::invalid_argument);
    EXPECT_THROW(PasswordDrawer(PasswordMode::Digits, nullptr), std::invalid_argument);
}

} // namespace
} // namespace cardgen
