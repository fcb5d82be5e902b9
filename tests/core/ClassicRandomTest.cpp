#include "core/ClassicRandom.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace cardgen {
namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

TEST(ClassicRandomTest, StartsAtStateOneAndGivesTheKnownSequence) {
    ClassicRandom random([] { return 0u; });
    EXPECT_EQ(random.state(), (ClassicRandom::State{1, 0}));
    EXPECT_EQ(random.nextRaw(), 41u);
    EXPECT_EQ(random.nextRaw(), 18467u);
    EXPECT_EQ(random.nextRaw(), 6334u);
}

TEST(ClassicRandomTest, PasswordRangesFromStateOne) {
    ClassicRandom random([] { return 0u; });
    EXPECT_EQ(random.randomInRange(0, 9), 1);
    EXPECT_EQ(random.randomInRange(1, 24), 12);
    EXPECT_EQ(random.randomInRange(0, 1), 0);
}

TEST(ClassicRandomTest, GeneratorStateWrapsModulo2To32) {
    ClassicRandom random([] { return 0u; });
    random.setState({0xFFFFFFFFu, 0});
    EXPECT_EQ(random.nextRaw(), 35u);
    EXPECT_EQ(random.state().generator, 2316998u);
}

TEST(ClassicRandomTest, ReseedsInTheSameMillisecondDiffer) {
    struct Step {
        std::uint32_t tick;
        std::uint32_t seed;
        std::uint32_t counter;
    };
    const std::vector<Step> steps = {{10, 10, 110}, {10, 120, 330}, {15, 345, 519}};

    std::uint32_t tick = 0;
    ClassicRandom random([&] { return tick; });
    for (const Step& step : steps) {
        tick = step.tick;
        random.reseedFromClock();
        EXPECT_EQ(random.state(), (ClassicRandom::State{step.seed, step.counter})) << "tick " << step.tick;
    }
}

TEST(ClassicRandomTest, SeedAndCounterWrapModulo2To32) {
    struct Case {
        const char* name;
        std::uint32_t counter;
        std::uint32_t tick;
        std::uint32_t seed;
        std::uint32_t counterAfter;
    };
    const std::vector<Case> cases = {
        {"largest tick", 0, 0xFFFFFFFFu, 0xFFFFFFFFu, 355},
        {"tick plus counter wraps", 0x20, 0xFFFFFFF0u, 0x10, 148},
        {"counter wraps", 0xFFFFFFC0u, 5, 0xFFFFFFC5u, 233},
    };
    for (const Case& c : cases) {
        ClassicRandom random([&] { return c.tick; });
        random.setState({7, c.counter});
        random.reseedFromClock();
        EXPECT_EQ(random.state(), (ClassicRandom::State{c.seed, c.counterAfter})) << c.name;
    }
}

struct BoundsCase {
    std::string name;
    std::int32_t lo;
    std::int32_t hi;
    std::int32_t expected; // from state 1, whose first output is 41
    int steps;

    friend void PrintTo(const BoundsCase& row, std::ostream* os) { *os << row.name; }
};

class ClassicRandomBoundsTest : public testing::TestWithParam<BoundsCase> {};

TEST_P(ClassicRandomBoundsTest, AppliesTheBoundRules) {
    const BoundsCase& c = GetParam();
    ClassicRandom random([] { return 0u; });
    ClassicRandom reference([] { return 0u; });
    for (int i = 0; i < c.steps; ++i) {
        (void)reference.nextRaw();
    }
    EXPECT_EQ(random.randomInRange(c.lo, c.hi), c.expected);
    EXPECT_EQ(random.state(), reference.state()) << "the generator took the wrong number of steps";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClassicRandomBoundsTest,
    testing::Values(BoundsCase{"EqualBoundsDoNotStep", 5, 5, 5, 0}, BoundsCase{"SwappedBounds", 9, 0, 1, 1},
                    BoundsCase{"NegativeLowerCountsAsZero", -3, 2, 2, 1},
                    BoundsCase{"NegativeUpperCountsAsZeroThenSwaps", 2, -3, 2, 1},
                    BoundsCase{"BothNegativeGiveZeroWithoutStep", -5, -1, 0, 0},
                    BoundsCase{"SmallestIntGivesZeroWithoutStep", kIntMin, kIntMin, 0, 0},
                    BoundsCase{"OffsetRange", 100, 200, 141, 1},
                    BoundsCase{"WidestRangeIsCapped", 0, kIntMax, 41, 1},
                    BoundsCase{"WideRangeFromNegative", kIntMin, kIntMax, 41, 1}),
    [](const auto& row) { return row.param.name; });

TEST(ClassicRandomTest, WidestRangeNeverExceedsFifteenBits) {
    ClassicRandom random([] { return 0u; });
    std::int32_t largest = 0;
    for (int i = 0; i < 100000; ++i) {
        largest = std::max(largest, random.randomInRange(0, kIntMax));
    }
    EXPECT_LE(largest, 32767);
    EXPECT_GT(largest, 32000);
}

TEST(ClassicRandomTest, DefaultClockReseeds) {
    ClassicRandom random;
    random.reseedFromClock();
    const ClassicRandom::State state = random.state();
    EXPECT_EQ(state.reseedCounter, (state.generator & 0xFFu) + 100u);
}

} // namespace
} // namespace cardgen
