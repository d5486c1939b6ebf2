#include "window/SpecialDates.h"

#include "date/modDate.h"

using runtime::Date;

namespace {

Date FirstOfMonth(const Date& date) { return Date::FromParts(date.Year(), date.Month(), 1); }

Date LastOfMonth(const Date& date)
{
    return Date::FromParts(date.Year(), date.Month(), modDate::DaysInMonth(date.Month(), date.Year()));
}

// Only the year and month of the moved date matter: it is always taken to the first or last day.
Date MonthFrom(const Date& today, int32_t months) { return FirstOfMonth(today).AddMonths(months); }

} // namespace

Date SpecialDate(int32_t index, const Date& today)
{
    switch (index) {
    case 1: return today.AddDays(1);
    case 2: return today.AddDays(-1);
    case 3: return FirstOfMonth(today);
    case 4: return LastOfMonth(today);
    case 5: return MonthFrom(today, -1);
    case 6: return LastOfMonth(MonthFrom(today, -1));
    case 7: return MonthFrom(today, 1);
    case 8: return LastOfMonth(MonthFrom(today, 1));
    default: return today;
    }
}

