#include "text/DateTime.h"

#include "text/CivilDate.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ctime>
#include <string>

namespace cardgen {

namespace {

constexpr double earliestDate = -657434.0; // 0100-01-01 00:00:00
constexpr double latestDate = 2958465.0;   // 9999-12-31 00:00:00
constexpr double secondsPerDay = 86400.0;

// The date and time words in GBK.
constexpr std::string_view yearWord = "\xC4\xEA";
constexpr std::string_view monthWord = "\xD4\xC2";
constexpr std::string_view dayWord = "\xC8\xD5";
constexpr std::string_view hourWord = "\xCA\xB1";
constexpr std::string_view minuteWord = "\xB7\xD6";
constexpr std::string_view secondWord = "\xC3\xEB";

void appendNumber(std::string& text, std::int64_t number, std::string_view word) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number);
    text.append(digits, end.ptr);
    text.append(word);
}

} // namespace

DateTimeValue nowLocal() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || !localtime_r(&now, &local))
        return 0.0;
    // A leap second shows as the last second of its minute.
    const int second = std::min(local.tm_sec, 59);
    return dateTimeFromParts(CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                             local.tm_hour * 3600 + local.tm_min * 60 + second);
}

TextValue dateTimeToText(DateTimeValue value) {
    if (std::isnan(value))
        value = 0.0;
    value = std::clamp(value, earliestDate, latestDate);
    // To the nearest second, away from zero like the day count itself.
    value += (value > 0 ? 0.5 : -0.5) / secondsPerDay;

    const double dayPart = std::trunc(value);
    const CivilDate date = dateFromDayNumber(static_cast<std::int64_t>(dayPart));
    const int secondOfDay = std::min(static_cast<int>(std::fabs(value - dayPart) * secondsPerDay), 86399);
    const int hour = secondOfDay / 3600;
    const int minute = secondOfDay / 60 % 60;
    const int second = secondOfDay % 60;

    std::string text;
    text.reserve(40);
    appendNumber(text, date.year, yearWord);
    appendNumber(text, date.month, monthWord);
    appendNumber(text, date.day, dayWord);
    // Down to the smallest unit that is not zero; midnight shows the date alone.
    if (second != 0) {
        appendNumber(text, hour, hourWord);
        appendNumber(text, minute, minuteWord);
        appendNumber(text, second, secondWord);
    } else if (minute != 0) {
        appendNumber(text, hour, hourWord);
        appendNumber(text, minute, minuteWord);
    } else if (hour != 0) {
        appendNumber(text, hour, hourWord);
    }
    return TextValue::fromTrustedBytes(std::move(text));
}

} // namespace cardgen
