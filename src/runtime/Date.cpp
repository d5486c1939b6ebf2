#include "runtime/Date.h"

#include "runtime/Checked.h"
#include "runtime/Locale.h"
#include "runtime/RuntimeError.h"

#include <algorithm>
#include <cstdio>

namespace runtime {
namespace {

struct CivilDate {
    int64_t year;
    int64_t month;
    int64_t day;
};

// Days from 1 January 1970 to a civil date (valid for any year, month 1..12, day 1..31).
constexpr int64_t SerialFromCivil(int64_t year, int64_t month, int64_t day)
{
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilFromSerial(int64_t serial)
{
    serial += 719468;
    const int64_t era = (serial >= 0 ? serial : serial - 146096) / 146097;
    const int64_t dayOfEra = serial - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

bool IsLeapYear(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int64_t LengthOfMonth(int64_t year, int64_t month)
{
    static constexpr int64_t lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : lengths[month - 1];
}

constexpr int64_t FirstSerial = SerialFromCivil(Date::MinYear, 1, 1);
constexpr int64_t LastSerial = SerialFromCivil(Date::MaxYear, 12, 31);

// Splits a month count that may lie outside 1..12 into a year carry and a month 1..12.
void NormaliseMonth(int64_t& year, int64_t& month)
{
    const int64_t zeroBased = month - 1;
    const int64_t carry = zeroBased >= 0 ? zeroBased / 12 : -((11 - zeroBased) / 12);
    year += carry;
    month = zeroBased - carry * 12 + 1;
}

} // namespace

Date::Date(int64_t serial) : serial_(serial) {}

Date Date::FromSerial(int64_t serial)
{
    if (serial < FirstSerial || serial > LastSerial)
        Raise(ErrInvalidCall);
    return Date(serial);
}

Date Date::FromParts(int32_t year, int32_t month, int32_t day)
{
    int64_t fullYear = year;
    int64_t fullMonth = month;
    NormaliseMonth(fullYear, fullMonth);
    // Keep far-off years from overflowing the serial arithmetic; they are out of range anyway.
    if (fullYear < MinYear - 1 || fullYear > MaxYear + 1)
        Raise(ErrInvalidCall);
    return FromSerial(SerialFromCivil(fullYear, fullMonth, 1) + int64_t{day} - 1);
}

int32_t Date::Year() const { return static_cast<int32_t>(CivilFromSerial(serial_).year); }
int32_t Date::Month() const { return static_cast<int32_t>(CivilFromSerial(serial_).month); }
int32_t Date::Day() const { return static_cast<int32_t>(CivilFromSerial(serial_).day); }

int32_t Date::Weekday() const
{
    // 1 January 1970 was a Thursday (4).
    const int64_t fromMonday = ((serial_ + 3) % 7 + 7) % 7;
    return static_cast<int32_t>(fromMonday + 1);
}

Date Date::AddDays(int32_t days) const { return FromSerial(serial_ + days); }

Date Date::AddMonths(int32_t months) const
{
    const CivilDate civil = CivilFromSerial(serial_);
    int64_t year = civil.year;
    int64_t month = civil.month + months;
    NormaliseMonth(year, month);
    if (year < MinYear || year > MaxYear)
        Raise(ErrInvalidCall);
    const int64_t day = std::min(civil.day, LengthOfMonth(year, month));
    return FromSerial(SerialFromCivil(year, month, day));
}

Date Date::AddYears(int32_t years) const { return AddMonths(CheckedMultiply(years, 12)); }

std::string Date::LongText() const
{
    if (!WritesDatesInEnglish())
        return LongDateText(Year(), Month(), Day());
    char dayAndYear[32];
    std::snprintf(dayAndYear, sizeof dayAndYear, " %d, %04d", Day(), Year());
    return WeekdayName(Weekday()) + " " + MonthName(Month()) + dayAndYear;
}

std::string Date::IsoText() const
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", Year(), Month(), Day());
    return text;
}

} // namespace runtime
