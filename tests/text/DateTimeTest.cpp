#include "text/DateTime.h"

#include "../support/RowName.h"
#include "text/CivilDate.h"

#include <ctime>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace cardgen {
namespace {

// The expected texts are written in UTF-8 for reading; the six date words are
// swapped for their GBK bytes here, independently of the converter under test.
std::string gbkDateWords(std::string_view utf8) {
    static const std::pair<std::string_view, std::string_view> words[] = {
        {"年", "\xC4\xEA"}, {"月", "\xD4\xC2"}, {"日", "\xC8\xD5"},
        {"时", "\xCA\xB1"}, {"分", "\xB7\xD6"}, {"秒", "\xC3\xEB"},
    };
    std::string gbk;
    while (!utf8.empty()) {
        bool replaced = false;
        for (const auto& [word, bytes] : words) {
            if (utf8.starts_with(word)) {
                gbk.append(bytes);
                utf8.remove_prefix(word.size());
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            gbk.push_back(utf8.front());
            utf8.remove_prefix(1);
        }
    }
    return gbk;
}

constexpr double day20120122 = 40930.0;
constexpr double secondsPerDay = 86400.0;

struct DateTimeCase {
    std::string_view name;
    double value;
    std::string_view expectedUtf8;
};

class DateTimeToTextTest : public testing::TestWithParam<DateTimeCase> {};

TEST_P(DateTimeToTextTest, WritesDownToTheSmallestNonZeroUnit) {
    EXPECT_EQ(dateTimeToText(GetParam().value).bytes(), gbkDateWords(GetParam().expectedUtf8));
}

INSTANTIATE_TEST_SUITE_P(
    Table, DateTimeToTextTest,
    testing::Values(
        DateTimeCase{"HourMinuteSecond", day20120122 + 54249 / secondsPerDay, "2012年1月22日15时4分9秒"},
        DateTimeCase{"HourMinute", day20120122 + 54240 / secondsPerDay, "2012年1月22日15时4分"},
        DateTimeCase{"HourOnly", day20120122 + 54000 / secondsPerDay, "2012年1月22日15时"},
        DateTimeCase{"HalfPastMidnight", day20120122 + 1800 / secondsPerDay, "2012年1月22日0时30分"},
        DateTimeCase{"SecondsAfterMidnight", day20120122 + 7 / secondsPerDay, "2012年1月22日0时0分7秒"},
        DateTimeCase{"Midnight", day20120122, "2012年1月22日"},
        DateTimeCase{"JustAfterMidnight", day20120122 + 0.4 / secondsPerDay, "2012年1月22日"},
        DateTimeCase{"JustBeforeNextMidnight", day20120122 + 1 - 0.4 / secondsPerDay, "2012年1月23日"},
        DateTimeCase{"RoundsUpToNextSecond", day20120122 + 54248.6 / secondsPerDay,
                     "2012年1月22日15时4分9秒"},
        DateTimeCase{"DayZero", 0.0, "1899年12月30日"},
        DateTimeCase{"NewYear1900Noon", 2.5, "1900年1月1日12时"},
        DateTimeCase{"NegativeDayMorning", -1.25, "1899年12月29日6时"},
        DateTimeCase{"NegativeFractionOnDayZero", -0.5, "1899年12月30日12时"},
        DateTimeCase{"NoLeapDayIn1900", 61.0, "1900年3月1日"},
        DateTimeCase{"LeapDay2000", 36585.0, "2000年2月29日"},
        DateTimeCase{"LeapDay1600", -109512.0, "1600年2月29日"},
        DateTimeCase{"LastDay", 2958465.0, "9999年12月31日"},
        DateTimeCase{"FirstDay", -657434.0, "100年1月1日"},
        DateTimeCase{"PulledDownToLastDay", 1e7, "9999年12月31日"},
        DateTimeCase{"PulledUpToFirstDay", -1e7, "100年1月1日"},
        DateTimeCase{"LastDayEvening", 2958465.75, "9999年12月31日"},
        DateTimeCase{"PlusInfinity", std::numeric_limits<double>::infinity(), "9999年12月31日"},
        DateTimeCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), "1899年12月30日"}),
    RowName());

TEST(CivilDateTest, EveryDayOfTheRangeFollowsTheDayBefore) {
    CivilDate previous = dateFromDayNumber(-657435);
    ASSERT_EQ(previous, (CivilDate{99, 12, 31}));
    for (std::int64_t day = -657434; day <= 2958465; ++day) {
        const CivilDate date = dateFromDayNumber(day);
        const bool nextDay =
            date.year == previous.year && date.month == previous.month && date.day == previous.day + 1;
        const bool nextMonth =
            date.year == previous.year && date.month == previous.month + 1 && date.day == 1;
        const bool nextYear = date.year == previous.year + 1 && date.month == 1 && date.day == 1 &&
                              previous.month == 12 && previous.day == 31;
        ASSERT_TRUE(nextDay || nextMonth || nextYear) << "day " << day;
        ASSERT_EQ(dayNumberFromDate(date), day);
        previous = date;
    }
}

TEST(CivilDateTest, MonthLengths) {
    const auto lastDay = [](int year, int month) {
        const int nextYear = month == 12 ? year + 1 : year;
        const int nextMonth = month == 12 ? 1 : month + 1;
        return dateFromDayNumber(dayNumberFromDate(CivilDate{nextYear, nextMonth, 1}) - 1).day;
    };
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(lastDay(2011, month), lengths[month - 1]) << month;
    EXPECT_EQ(lastDay(2012, 2), 29);
    EXPECT_EQ(lastDay(1900, 2), 28);
    EXPECT_EQ(lastDay(2000, 2), 29);
    EXPECT_EQ(dayNumberFromDate(CivilDate{1970, 1, 1}), 25569);
}

TEST(DateTimeFromPartsTest, AddsTheTimeOfDayAwayFromDayZero) {
    EXPECT_EQ(dateTimeFromParts(CivilDate{2012, 1, 22}, 54249), 40930 + 54249 / 86400.0);
    EXPECT_EQ(dateTimeToText(dateTimeFromParts(CivilDate{2012, 1, 22}, 54249)).bytes(),
              gbkDateWords("2012年1月22日15时4分9秒"));
    EXPECT_EQ(dateTimeFromParts(CivilDate{1899, 12, 29}, 6 * 3600), -1.25);
    EXPECT_EQ(dateTimeFromParts(CivilDate{1899, 12, 30}, 12 * 3600), 0.5);
}

TEST(NowLocalTest, IsTheLocalClockInWholeSeconds) {
    // Retry when the second changes between the readings.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const DateTimeValue now = nowLocal();
        if (std::time(nullptr) != before)
            continue;
        std::tm local{};
        ASSERT_NE(localtime_r(&before, &local), nullptr);
        const double expected =
            dateTimeFromParts(CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                              local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
        EXPECT_EQ(now, expected);
        return;
    }
    FAIL() << "the clock kept moving to the next second";
}

} // namespace
} // namespace cardgen
