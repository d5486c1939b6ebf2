#include "date/modDate.h"
#include "support/TestEnvironment.h"

using namespace modDate;

TEST(modDate, DaysInMonthFollowsTheLeapYearRules)
{
    const struct {
        int month, year, days;
    } cases[] = {
        {2, 2024, 29}, {2, 2023, 28}, {2, 2000, 29}, {2, 1900, 28}, {2, 2100, 28},
        {12, 2024, 31}, {4, 2024, 30}, {1, 1000, 31}, {12, 9998, 31},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DaysInMonth(c.month, c.year), c.days) << c.month << "/" << c.year;
}

TEST(modDate, LastDayOfMonthCrossesTheYearEnd)
{
    EXPECT_EQ(LastDayOfMonth(2, 2024), Ymd(2024, 2, 29));
    EXPECT_EQ(LastDayOfMonth(12, 2023), Ymd(2023, 12, 31));
    EXPECT_EQ(LastDayOfMonth(1, 1000), Ymd(1000, 1, 31));
}

TEST(modDate, RefusesMonthsOutsideTheYearAndYearsBelow1000)
{
    for (int month : {0, 13, -1})
        EXPECT_RUNTIME_ERROR(DaysInMonth(month, 2024), runtime::ErrInvalidCall);
    for (int year : {999, 0, -5})
        EXPECT_RUNTIME_ERROR(LastDayOfMonth(6, year), runtime::ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(DaysInMonth(0, 999), runtime::ErrInvalidCall);
}
