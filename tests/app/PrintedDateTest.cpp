#include "app/PrintedDate.h"
#include "support/TestEnvironment.h"

#include <cstdlib>
#include <ctime>

// The test program runs under a German locale (see CMakeLists.txt).
TEST(PrintedDate, FollowsTheFormatInTheUsersLanguage)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::German) << "the test must run under a German locale";
    const struct {
        const char* format;
        const char* printed;
    } cases[] = {
        {"yyyy-MM-dd", "2024-02-29"},
        {"dd.MM.yyyy", "29.02.2024"},
        {"d/M/yy", "29/2/24"},
        {"dddd, d. MMMM yyyy", "Donnerstag, 29. Februar 2024"},
        {"'Week of' MMM d", "Week of Feb. 29"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::PrintedDate(Ymd(2024, 2, 29), c.format).toStdString(), c.printed) << c.format;
    EXPECT_EQ(app::PrintedDate(Ymd(2024, 2, 29), "dddd d MMMM", QLocale(QLocale::English)).toStdString(),
              "Thursday 29 February");
    // Names in the user's language, digits always ASCII.
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    EXPECT_EQ(app::PrintedDate(Ymd(2024, 9, 25), "yyyy-MM-dd", arabic).toStdString(), "2024-09-25");
    EXPECT_EQ(app::PrintedDate(Ymd(2024, 9, 25), "d MMMM yyyy", arabic), QString::fromUtf8("25 سبتمبر 2024"));
}

// strftime's names come from the C library's German locale, which the test set-up generates.
TEST(PrintedDate, FollowsAStrftimeFormatInTheUsersLanguage)
{
    // The time of day is midnight in the local zone, here Berlin's whatever the machine's.
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    const struct {
        const char* format;
        const char* printed;
    } cases[] = {
        {"%F", "2024-02-29"},
        {"%x", "29.02.2024"},
        {"%A %d %B %Y", "Donnerstag 29 Februar 2024"},
        {"%d.%m.%Y, %j. Tag, Woche %V", "29.02.2024, 060. Tag, Woche 09"},
        // The zone named as GNU date names it.
        {"%s %H:%M:%S %z %Z %:z %::z %:::z", "1709161200 00:00:00 +0100 CET +01:00 +01:00:00 +01"},
        {"%2000000000Y", "(too wide)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::StrftimeDate(Ymd(2024, 2, 29), c.format).value_or("(too wide)").toStdString(), c.printed)
            << c.format;
    // The date's first moment: where the clock skips midnight, the first time after the gap
    // (Thimphu, 00:00 to 00:30, without daylight saving; Monrovia, to the second); where it
    // shows midnight twice, the first (Guyana, 01:00 back to 00:00; Scoresbysund); and where it
    // skips the whole day (Samoa the 30th of December 2011, Kiritimati the 31st of December
    // 1994), the moment the gap ends, which is the date's midnight on the clock before it. Each
    // line names one moment, whatever mktime saw last.
    const struct {
        const char* zone;
        runtime::Date date;
        const char* printed;
    } firstMoments[] = {
        {"Asia/Thimphu", Ymd(1987, 10, 1), "1987-10-01 00:30:00 +0600 +06 560025000"},
        {"Africa/Monrovia", Ymd(1972, 1, 7), "1972-01-07 00:44:30 +0000 GMT 63593070"},
        {"America/Guyana", Ymd(1992, 3, 29), "1992-03-29 00:00:00 -0300 -03 701838000"},
        {"America/Scoresbysund", Ymd(2000, 10, 29), "2000-10-29 00:00:00 +0000 +00 972777600"},
        {"Pacific/Apia", Ymd(2011, 12, 30), "2011-12-30 00:00:00 -1000 -10 1325239200"},
        {"Pacific/Kiritimati", Ymd(1994, 12, 31), "1994-12-31 00:00:00 -1000 -10 788868000"},
    };
    for (const auto& c : firstMoments) {
        ::setenv("TZ", c.zone, 1);
        ::tzset();
        for (const runtime::Date before : {c.date.AddDays(-1), c.date.AddDays(2), Ymd(2026, 12, 9)}) {
            app::StrftimeDate(before, "%s");
            EXPECT_EQ(app::StrftimeDate(c.date, "%F %T %z %Z %s").value_or("").toStdString(), c.printed) << c.zone;
        }
    }
    EXPECT_EQ(app::StrftimeDate(Ymd(1994, 12, 31), "%12s|%:z").value_or("").toStdString(), "   788868000|-10:00");
    // Output has no length limit: each conversion is written on its own.
    EXPECT_EQ(app::StrftimeDate(Ymd(2024, 2, 29), QString("%A").repeated(20000)).value_or("").size(), 10 * 20000);
}

// With --time: the chosen wall time, and the zone's offset and %s of that very moment, also on
// the days the clock is put forward (02:00 to 03:00 skipped) and back (02:30 shown twice: the
// first, still in summer time).
TEST(PrintedDate, WritesTheTimeWithTheOffsetOfItsMoment)
{
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    const struct {
        runtime::WallTime time;
        const char* format;
        const char* printed;
    } cases[] = {
        {{Ymd(2026, 12, 6), 21 * 60 + 5}, "%x %R", "06.12.2026 21:05"},
        {{Ymd(2026, 12, 6), 21 * 60 + 5}, "%I:%M %T %s %z", "09:05 21:05:00 1796587500 +0100"},
        {{Ymd(2026, 3, 29), 3 * 60}, "%R %s %z %Z", "03:00 1774746000 +0200 CEST"},
        {{Ymd(2026, 10, 25), 2 * 60 + 30}, "%R %s %z", "02:30 1792888200 +0200"},
        {{Ymd(2026, 3, 29), 2 * 60 + 30}, "%R", "(skipped)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::StrftimeDateTime(c.time, c.format).value_or("(skipped)").toStdString(), c.printed) << c.format;
    EXPECT_EQ(app::PrintedDateTime({Ymd(2026, 10, 25), 2 * 60 + 30}, "HH:mm t").toStdString(), "02:30 CEST");
    // Guyana put its clock back from 01:00 to 00:00 without daylight saving: %s is the first
    // 00:46, whose offset %z prints.
    ::setenv("TZ", "America/Guyana", 1);
    ::tzset();
    EXPECT_EQ(app::StrftimeDateTime({Ymd(1992, 3, 29), 12 * 60}, "%s %z").value_or("").toStdString(),
              "701884800 -0400");
    EXPECT_EQ(app::StrftimeDateTime({Ymd(1992, 3, 29), 46}, "%s %z|%-12s|%012s|%_12s").value_or("").toStdString(),
              "701840760 -0300|   701840760|000701840760|   701840760");
    EXPECT_EQ(app::PrintedDateTime({Ymd(2026, 12, 6), 21 * 60 + 5}, "yyyy-MM-dd HH:mm h AP").toStdString(),
              "2026-12-06 21:05 9 PM");
}
