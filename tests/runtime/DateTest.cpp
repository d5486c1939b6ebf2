#include "runtime/Date.h"
#include "runtime/Locale.h"
#include "support/TestEnvironment.h"

#include <QLocale>

using namespace runtime;

namespace {

struct Expected {
    int year, month, day;
};

void ExpectDate(const Date& date, Expected expected)
{
    EXPECT_EQ(date.Year(), expected.year);
    EXPECT_EQ(date.Month(), expected.month);
    EXPECT_EQ(date.Day(), expected.day);
}

} // namespace

TEST(Date, ConstructionCarriesDaysAndMonths)
{
    const struct {
        int year, month, day;
        Expected result;
    } cases[] = {
        {2025, 4, 31, {2025, 5, 1}},    {2025, 3, 0, {2025, 2, 28}},   {2024, 3, 0, {2024, 2, 29}},
        {2025, 1, -1, {2024, 12, 30}},  {2024, 13, 1, {2025, 1, 1}},   {2024, 0, 15, {2023, 12, 15}},
        {2024, -11, 1, {2023, 1, 1}},   {2024, 2, 400, {2025, 3, 6}},  {100, 1, 1, {100, 1, 1}},
        {9999, 12, 31, {9999, 12, 31}},
    };
    for (const auto& c : cases)
        ExpectDate(Date::FromParts(c.year, c.month, c.day), c.result);
}

TEST(Date, RangeEndsRaiseInvalidCall)
{
    EXPECT_RUNTIME_ERROR(Date::FromParts(99, 12, 31), ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(Date::FromParts(100, 1, 0), ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(Date::FromParts(9999, 12, 32), ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(Date::FromParts(-32768, -32768, -32768), ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(Ymd(9999, 12, 31).AddDays(1), ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(Ymd(9999, 12, 1).AddMonths(1), ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(Ymd(100, 2, 1).AddYears(-1), ErrInvalidCall);
}

TEST(Date, AddingMonthsAndYearsTakesTheLastDayOfShorterMonths)
{
    ExpectDate(Ymd(2025, 1, 31).AddMonths(1), {2025, 2, 28});
    ExpectDate(Ymd(2024, 1, 31).AddMonths(1), {2024, 2, 29});
    ExpectDate(Ymd(2025, 3, 31).AddMonths(-1), {2025, 2, 28});
    ExpectDate(Ymd(2025, 12, 15).AddMonths(2), {2026, 2, 15});
    ExpectDate(Ymd(2025, 1, 15).AddMonths(-2), {2024, 11, 15});
    ExpectDate(Ymd(2024, 2, 29).AddYears(1), {2025, 2, 28});
    ExpectDate(Ymd(2024, 2, 29).AddYears(4), {2028, 2, 29});
    ExpectDate(Ymd(2025, 12, 31).AddDays(1), {2026, 1, 1});
    ExpectDate(Ymd(2100, 3, 1).AddDays(-1), {2100, 2, 28});
}

TEST(Date, WeekdaysFollowTheGregorianCalendar)
{
    EXPECT_EQ(Ymd(2026, 12, 6).Weekday(), 7); // Sunday
    EXPECT_EQ(Ymd(2024, 2, 29).Weekday(), 4); // Thursday
    EXPECT_EQ(Ymd(1970, 1, 1).Weekday(), 4);
    EXPECT_EQ(Ymd(1000, 1, 1).Weekday(), 3); // proleptic Gregorian Wednesday
    EXPECT_EQ(Ymd(9999, 12, 31).Weekday(), 5);
}

TEST(Date, LongTextUsesTheLocaleNames)
{
    EXPECT_EQ(Ymd(2026, 12, 6).LongText(), "Sunday December 6, 2026");
    EXPECT_EQ(Ymd(1000, 1, 1).LongText(), "Wednesday January 1, 1000");

    // Another language writes its own long form, with the month as it follows a day number
    // ("декабря"); the columns show the month as it stands alone ("декабрь").
    UseLocale(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(Ymd(2026, 12, 6).LongText(), "воскресенье, 6 декабря 2026 г.");
    EXPECT_EQ(MonthName(12), "декабрь");

    UseLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_RUNTIME_ERROR(MonthName(13), ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(WeekdayName(0), ErrInvalidCall);
}
