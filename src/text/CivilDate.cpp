#include "text/CivilDate.h"

namespace cardgen {

namespace {

// Days from 1899-12-30 to 0000-03-01, the start of the 400-year cycles counted below.
constexpr std::int64_t cycleStartOffset = 693899;
constexpr std::int64_t daysPer400Years = 146097;

} // namespace

std::int64_t dayNumberFromDate(CivilDate date) noexcept {
    // Years start on 1 March so that the leap day falls at the end of one.
    const std::int64_t year = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t shiftedMonth = date.month > 2 ? date.month - 3 : date.month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * daysPer400Years + dayOfEra - cycleStartOffset;
}

CivilDate dateFromDayNumber(std::int64_t dayNumber) noexcept {
    const std::int64_t days = dayNumber + cycleStartOffset;
    const std::int64_t era = (days >= 0 ? days : days - (daysPer400Years - 1)) / daysPer400Years;
    const std::int64_t dayOfEra = days - era * daysPer400Years;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const std::int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    CivilDate date;
    date.year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    date.month = static_cast<int>(month);
    date.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    return date;
}

DateTimeValue dateTimeFromParts(CivilDate date, int secondOfDay) noexcept {
    const auto dayNumber = static_cast<double>(dayNumberFromDate(date));
    const double timeOfDay = secondOfDay / 86400.0;
    // Before day 0 the time of day is the size of the fraction, so it counts away from zero.
    return dayNumber < 0 ? dayNumber - timeOfDay : dayNumber + timeOfDay;
}

} // namespace cardgen
