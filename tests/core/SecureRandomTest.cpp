#include "core/SecureRandom.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace cardgen {
namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

// Serves chosen bytes first, then zeros, and counts the block fills.
struct ScriptedBytes {
    std::vector<unsigned char> bytes;
    std::size_t next = 0;
    int fills = 0;

    SecureRandom::ByteSource source() {
        return [this](unsigned char* out, std::size_t size) {
            ++fills;
            for (std::size_t i = 0; i < size; ++i) {
                out[i] = next < bytes.size() ? bytes[next++] : 0;
            }
        };
    }
};

struct DrawCase {
    std::string name;
    std::int32_t lo;
    std::int32_t hi;
    std::vector<unsigned char> bytes;
    std::int32_t expected;

    friend void PrintTo(const DrawCase& row, std::ostream* os) { *os << row.name; }
};

class SecureRandomDrawTest : public testing::TestWithParam<DrawCase> {};

TEST_P(SecureRandomDrawTest, UsesExactlyTheBytesItNeeds) {
    const DrawCase& c = GetParam();
    constexpr unsigned char kSentinel = 0xAB;
    ScriptedBytes script{c.bytes};
    script.bytes.push_back(kSentinel);
    SecureRandom random(script.source());

    EXPECT_EQ(random.randomInRange(c.lo, c.hi), c.expected);
    EXPECT_EQ(random.randomInRange(0, 255), kSentinel) << "the draw used the wrong number of bytes";
}

INSTANTIATE_TEST_SUITE_P(
    Table, SecureRandomDrawTest,
    testing::Values(DrawCase{"DigitJustBelowLimit", 0, 9, {249}, 9},
                    DrawCase{"DigitTailIsDrawnAgain", 0, 9, {250, 255, 13}, 3},
                    DrawCase{"LetterTailIsDrawnAgain", 1, 24, {240, 239}, 24},
                    DrawCase{"CoinUsesEveryByte", 0, 1, {255}, 1},
                    DrawCase{"FullByteRangeRejectsNothing", 0, 255, {255}, 255},
                    DrawCase{"OffsetRange", 1000, 1009, {12}, 1002}, DrawCase{"SwappedBounds", 9, 0, {7}, 7},
                    DrawCase{"NegativeBoundCountsAsZero", -3, 2, {5}, 2},
                    DrawCase{"EqualBoundsUseNoByte", 5, 5, {}, 5},
                    DrawCase{"BothNegativeUseNoByte", -5, -1, {}, 0},
                    DrawCase{"TwoHundredFiftySevenValuesTakeFourBytes", 0, 256, {5, 0, 0, 0}, 5},
                    DrawCase{"WordIsLittleEndian", 0, 299, {0x2D, 0x01, 0, 0}, 1},
                    DrawCase{"WordJustBelowLimit", 0, 299, {0x3B, 0xFF, 0xFF, 0xFF}, 299},
                    DrawCase{"WordTailIsDrawnAgain", 0, 299, {0x3C, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0}, 0},
                    DrawCase{"WidestRangeReachesTheTop", 0, kIntMax, {0xFF, 0xFF, 0xFF, 0xFF}, kIntMax}),
    [](const auto& row) { return row.param.name; });

TEST(SecureRandomTest, FetchesBytesABlockAtATime) {
    ScriptedBytes script;
    SecureRandom random(script.source());
    for (std::size_t i = 0; i < SecureRandom::kBlockSize; ++i) {
        (void)random.randomInRange(0, 255);
    }
    EXPECT_EQ(script.fills, 1);
    (void)random.randomInRange(0, 255);
    EXPECT_EQ(script.fills, 2);
}

TEST(SecureRandomTest, FailedFillGivesNoStaleBytes) {
    int calls = 0;
    SecureRandom random([&](unsigned char* out, std::size_t size) {
        if (++calls == 1) {
            throw std::runtime_error("no entropy");
        }
        std::fill(out, out + size, static_cast<unsigned char>(7));
    });
    EXPECT_THROW((void)random.randomInRange(0, 9), std::runtime_error);
    EXPECT_EQ(random.randomInRange(0, 9), 7);
}

TEST(SecureRandomTest, RefusesAMissingByteSource) {
    EXPECT_THROW(SecureRandom{SecureRandom::ByteSource{}}, std::invalid_argument);
}

TEST(SecureRandomTest, SeparateInstancesDrawDifferentValues) {
    SecureRandom first;
    SecureRandom second;
    std::vector<std::int32_t> a;
    std::vector<std::int32_t> b;
    for (int i = 0; i < 32; ++i) {
        a.push_back(first.randomInRange(0, 255));
        b.push_back(second.randomInRange(0, 255));
    }
    EXPECT_NE(a, b);
}

struct RangeCase {
    std::string name;
    SecureRandom::ByteSource (*source)();
    std::int32_t lo;
    std::int32_t hi;

    friend void PrintTo(const RangeCase& row, std::ostream* os) { *os << row.name; }
};

class SecureRandomUniformityTest : public testing::TestWithParam<RangeCase> {};

// Upper 1e-6 point of chi-square with `df` degrees of freedom (Wilson-Hilferty;
// it errs on the generous side for few degrees).
double chiSquareLimit(double df) {
    constexpr double kZ = 4.7534;
    const double t = 2.0 / (9.0 * df);
    return df * std::pow(1.0 - t + kZ * std::sqrt(t), 3.0);
}

// A folded (modulo) draw from one byte would put this far above the limit.
TEST_P(SecureRandomUniformityTest, StaysInRangeAndIsUniform) {
    const RangeCase& c = GetParam();
    SecureRandom random(c.source());
    constexpr int kDraws = 1'000'000;
    const int cells = c.hi - c.lo + 1;
    std::vector<int> counts(static_cast<std::size_t>(cells));
    for (int i = 0; i < kDraws; ++i) {
        const std::int32_t value = random.randomInRange(c.lo, c.hi);
        ASSERT_GE(value, c.lo);
        ASSERT_LE(value, c.hi);
        ++counts[static_cast<std::size_t>(value - c.lo)];
    }
    const double expected = static_cast<double>(kDraws) / cells;
    double chiSquare = 0;
    for (const int count : counts) {
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    EXPECT_LT(chiSquare, chiSquareLimit(cells - 1));
}

INSTANTIATE_TEST_SUITE_P(Table, SecureRandomUniformityTest,
                         testing::Values(RangeCase{"Digits", &SecureRandom::keyedStreamSource, 0, 9},
                                         RangeCase{"Letters", &SecureRandom::keyedStreamSource, 1, 24},
                                         RangeCase{"Coin", &SecureRandom::keyedStreamSource, 0, 1},
                                         RangeCase{"ThreeValues", &SecureRandom::keyedStreamSource, 7, 9},
                                         RangeCase{"WideRange", &SecureRandom::keyedStreamSource, 0, 299},
                                         RangeCase{"SystemSourceDigits", &SecureRandom::systemSource, 0, 9},
                                         RangeCase{"SystemSourceLetters", &SecureRandom::systemSource, 1,
                                                   24}),
                         [](const auto& row) { return row.param.name; });

} // namespace
} // namespace cardgen
