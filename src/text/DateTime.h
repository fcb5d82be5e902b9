#pragma once

#include "text/TextValue.h"

namespace cardgen {

// Days since 1899-12-30 00:00; the fraction is the time of day.
using DateTimeValue = double;

[[nodiscard]] DateTimeValue nowLocal();
// "2012年1月22日15时4分9秒", in GBK, down to the smallest non-zero unit.
[[nodiscard]] TextValue dateTimeToText(DateTimeValue value);

} // namespace cardgen
