#include "cli/ProgressMeter.h"

#include "../support/RowName.h"

#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace cardgen {
namespace {

using namespace std::chrono_literals;
using Clock = ProgressMeter::Clock;

struct DescribeCase {
    std::string_view name;
    std::int64_t done;
    std::int64_t total;
    Clock::duration elapsed;
    std::string_view text;
};

class ProgressMeterDescribe : public testing::TestWithParam<DescribeCase> {};

TEST_P(ProgressMeterDescribe, SaysDoneTotalRateAndTimeLeft) {
    const DescribeCase& c = GetParam();
    EXPECT_EQ(ProgressMeter::describe(c.done, c.total, c.elapsed), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProgressMeterDescribe,
    testing::Values(
        DescribeCase{"Millions", 25'000'000, 100'000'000, 1s,
                     "25,000,000 of 100,000,000 lines (25%), 25.0 M lines/s, 0:03 left"},
        DescribeCase{"Hundreds", 1'500, 2'147'483'647, 2s,
                     "1,500 of 2,147,483,647 lines (0%), 750 lines/s, 795:21:50 left"},
        DescribeCase{"Thousands", 9'000, 10'000, 2s, "9,000 of 10,000 lines (90%), 4.5 k lines/s, 0:00 left"},
        DescribeCase{"Minutes", 1'000'000, 61'000'000, 1s,
                     "1,000,000 of 61,000,000 lines (1%), 1.0 M lines/s, 1:00 left"},
        DescribeCase{"NothingYet", 0, 10, 1500ms, "0 of 10 lines (0%), 0 lines/s, time left unknown"}),
    RowName());

TEST(ProgressMeter, AppearsAfterASecondThenAFewTimesASecond) {
    const Clock::time_point start{};
    ProgressMeter meter(1000, start);

    EXPECT_EQ(meter.update(10, start + 999ms), std::nullopt);
    const std::optional<std::string> first = meter.update(100, start + 1s);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, "\r100 of 1,000 lines (10%), 100 lines/s, 0:09 left");
    EXPECT_EQ(meter.update(110, start + 1100ms), std::nullopt);
    // A shorter text blanks what is left of the longer one.
    const std::optional<std::string> second = meter.update(5, start + 1250ms);
    ASSERT_TRUE(second);
    const std::string text = "5 of 1,000 lines (0%), 4 lines/s, 4:09 left";
    EXPECT_EQ(*second, "\r" + text + std::string(first->size() - 1 - text.size(), ' '));
    std::string blank(first->size() + 1, ' ');
    blank.front() = '\r';
    blank.back() = '\r';
    EXPECT_EQ(meter.clear(), blank);
    EXPECT_EQ(meter.clear(), "");
}

TEST(ProgressMeter, NothingToClearWhenNeverShown) {
    ProgressMeter meter(10, Clock::time_point{});
    EXPECT_EQ(meter.update(5, Clock::time_point{} + 500ms), std::nullopt);
    EXPECT_EQ(meter.clear(), "");
}

} // namespace
} // namespace cardgen
