#pragma once

#include "text/DateTime.h"

#include <cstdint>

namespace cardgen {

// A date of the Gregorian calendar, extended backwards before its introduction.
struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Day numbers count from 1899-12-30, which is day 0.
[[nodiscard]] std::int64_t dayNumberFromDate(CivilDate date) noexcept;
[[nodiscard]] CivilDate dateFromDayNumber(std::int64_t dayNumber) noexcept;
// The date-time of a local date and a second of its day (0 to 86399).
[[nodiscard]] DateTimeValue dateTimeFromParts(CivilDate date, int secondOfDay) noexcept;

} // namespace cardgen
