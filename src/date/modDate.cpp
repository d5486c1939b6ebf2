#include "date/modDate.h"

#include "runtime/RuntimeError.h"

namespace modDate {

runtime::Date LastDayOfMonth(int32_t month, int32_t year)
{
    if (month < 1 || month > 12)
        runtime::Raise(runtime::ErrInvalidCall);
    if (year < FirstYear)
        runtime::Raise(runtime::ErrInvalidCall);
    // The day before the first of the following month.
    return runtime::Date::FromParts(year, month, 1).AddMonths(1).AddDays(-1);
}

int32_t DaysInMonth(int32_t month, int32_t year) { return LastDayOfMonth(month, year).Day(); }

} // namespace modDate
