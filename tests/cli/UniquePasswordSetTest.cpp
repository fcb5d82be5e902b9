#include "cli/UniquePasswordSet.h"

#include "../support/RowName.h"
#include "cli/UniqueLimits.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cardgen {
namespace {

TEST(UniquePasswordSet, AcceptsEachPasswordOnce) {
    UniquePasswordSet set(6);
    EXPECT_TRUE(set.accept("1234"));
    EXPECT_FALSE(set.accept("1234"));
    EXPECT_TRUE(set.accept("01234"));
    EXPECT_TRUE(set.accept("123"));
    EXPECT_TRUE(set.accept(""));
    EXPECT_FALSE(set.accept(""));
    EXPECT_EQ(set.size(), 4U);
}

// Every number from 0 to 99999 once, then each again: the table at its designed
// fill must still tell them apart.
TEST(UniquePasswordSet, FullTableTellsAllApart) {
    constexpr int kCount = 100'000;
    UniquePasswordSet set(kCount);
    int accepted = 0;
    for (int i = 0; i < kCount; ++i) {
        accepted += set.accept(std::to_string(i)) ? 1 : 0;
    }
    int acceptedAgain = 0;
    for (int i = 0; i < kCount; ++i) {
        acceptedAgain += set.accept(std::to_string(i)) ? 1 : 0;
    }
    // A false collision of two 64-bit hashes among 10^5 keys is far too unlikely to see.
    EXPECT_EQ(accepted, kCount);
    EXPECT_EQ(acceptedAgain, 0);
}

TEST(UniquePasswordSet, RefusesToGrowPastItsCapacity) {
    UniquePasswordSet set(2);
    ASSERT_TRUE(set.accept("a"));
    ASSERT_TRUE(set.accept("b"));
    EXPECT_THROW(static_cast<void>(set.accept("c")), std::length_error);
}

struct SpaceCase {
    std::string_view name;
    PasswordMode mode;
    std::int32_t length;
    double distinct;
};

class PasswordSpace : public testing::TestWithParam<SpaceCase> {};

TEST_P(PasswordSpace, CountsEveryPossiblePassword) {
    const SpaceCase& c = GetParam();
    EXPECT_EQ(distinctPasswords(c.mode, c.length), c.distinct);
}

INSTANTIATE_TEST_SUITE_P(Table, PasswordSpace,
                         testing::Values(SpaceCase{"Digits", PasswordMode::Digits, 3, 1000},
                                         SpaceCase{"Lower", PasswordMode::LowerLetters, 2, 576},
                                         SpaceCase{"Upper", PasswordMode::UpperLetters, 1, 24},
                                         SpaceCase{"Mixed", PasswordMode::MixedCaseLetters, 2, 2304},
                                         SpaceCase{"DigitsLower", PasswordMode::DigitsLower, 2, 1156},
                                         SpaceCase{"DigitsUpper", PasswordMode::DigitsUpper, 1, 34},
                                         SpaceCase{"BeyondADouble", PasswordMode::Digits, 1024, HUGE_VAL}),
                         RowName());

TEST(UniqueLimits, HalfTheSpaceIsTheLimit) {
    GenerationSettings settings;
    settings.passwordMode = PasswordMode::MixedCaseLetters;
    settings.passwordLength = 2;
    settings.count = 1152;
    EXPECT_EQ(uniqueRefusal(settings, 0), "");
    settings.count = 1153;
    EXPECT_NE(uniqueRefusal(settings, 0), "");
    settings.passwordLength = 1024;
    settings.count = 2147483647;
    EXPECT_EQ(uniqueRefusal(settings, std::uint64_t{64} << 30), "");
    EXPECT_NE(uniqueRefusal(settings, std::uint64_t{63} << 30), "");
}

} // namespace
} // namespace cardgen
