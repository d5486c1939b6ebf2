#pragma once

#include "runtime/Date.h"

#include <cstdint>

/// Month lengths of the date model.
namespace modDate {

/// The first year the month arithmetic accepts.
constexpr int32_t FirstYear = 1000;

/// The last day of `month` in `year`; error 5 for a month outside 1..12 (tested first) or a year below 1000.
runtime::Date LastDayOfMonth(int32_t month, int32_t year);
/// The number of days of `month` in `year`, 28 to 31; errors as LastDayOfMonth.
int32_t DaysInMonth(int32_t month, int32_t year);

} // namespace modDate
