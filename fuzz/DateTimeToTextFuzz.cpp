// dateTimeToText on any double, infinities and not-a-number included.
#include "FuzzCheck.h"
#include "text/CivilDate.h"
#include "text/DateTime.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

using cardgen::fuzz::check;
using cardgen::fuzz::doubleFrom;

struct Reading {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Reads a number without leading zeros followed by one GBK word.
bool readPart(std::string_view& text, std::string_view word, int& number) {
    std::size_t digits = 0;
    while (digits < text.size() && digits < 6 && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    if (digits == 0 || (digits > 1 && text[0] == '0') || text.substr(digits, word.size()) != word)
        return false;
    number = 0;
    for (std::size_t i = 0; i < digits; ++i)
        number = number * 10 + (text[i] - '0');
    text.remove_prefix(digits + word.size());
    return true;
}

// 年 月 日, then 时, 时分 or 时分秒 down to the smallest unit that is not zero.
bool parse(std::string_view text, Reading& reading) {
    if (!readPart(text, "\xC4\xEA", reading.year) || !readPart(text, "\xD4\xC2", reading.month) ||
        !readPart(text, "\xC8\xD5", reading.day))
        return false;
    if (text.empty())
        return true;
    if (!readPart(text, "\xCA\xB1", reading.hour))
        return false;
    if (text.empty())
        return reading.hour != 0;
    if (!readPart(text, "\xB7\xD6", reading.minute))
        return false;
    if (text.empty())
        return reading.minute != 0;
    return readPart(text, "\xC3\xEB", reading.second) && text.empty() && reading.second != 0;
}

int daysInMonth(int year, int month) {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<double> input = doubleFrom(data, size);
    if (!input)
        return -1;
    const double value = *input;

    const cardgen::TextValue text = cardgen::dateTimeToText(value);
    Reading reading;
    check(parse(text.bytes(), reading), "the text is a date and a time in the fixed words");
    check(reading.year >= 100 && reading.year <= 9999, "the year lies from 100 to 9999");
    check(reading.month >= 1 && reading.month <= 12, "the month exists");
    check(reading.day >= 1 && reading.day <= daysInMonth(reading.year, reading.month), "the day exists");
    check(reading.hour < 24 && reading.minute < 60 && reading.second < 60, "the time of day exists");
    if (std::isnan(value))
        return 0;

    // Pulled into range, moved to the nearest second away from zero, then cut into
    // the day (toward zero) and the seconds of its fraction.
    double moved = std::clamp(value, -657434.0, 2958465.0);
    moved += (moved > 0 ? 0.5 : -0.5) / 86400.0;
    const double day = std::trunc(moved);
    const int secondOfDay = std::min(static_cast<int>(std::fabs(moved - day) * 86400.0), 86399);
    const cardgen::CivilDate date{reading.year, reading.month, reading.day};
    check(cardgen::dayNumberFromDate(date) == static_cast<std::int64_t>(day), "the date is the day's number");
    check(reading.hour * 3600 + reading.minute * 60 + reading.second == secondOfDay,
          "the time is the second of the day");
    return 0;
}
