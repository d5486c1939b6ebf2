#include "date/TimeSlider.h"
#include "support/TestEnvironment.h"

#include <cstdlib>
#include <ctime>
#include <string>

using runtime::WallTime;

namespace {

// "hh:mm" of a minute of the day, "-" for none.
std::string Clock(const std::optional<WallTime>& time)
{
    if (!time)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", time->Hour(), time->MinuteOfHour());
    return text;
}

int Minute(int hour, int minute) { return hour * 60 + minute; }

} // namespace

// One wheel notch (or Up/Down) over a time column from a selected time: the neighbours never
// carry into the next field, keep to the step and the bounds, and pass over skipped times.
TEST(TimeSlider, StepsEachColumnWithinItsOwnCycle)
{
    // Berlin skips 02:00 to 03:00 on 2026-03-29 and shows 02:00 to 03:00 twice on 2026-10-25.
    const LocalZone berlin("Europe/Berlin");
    runtime::ClockStyle twelveHour;
    twelveHour.TwelveHour = true;
    const runtime::Date day = Ymd(2026, 12, 6);
    const runtime::Date springForward = Ymd(2026, 3, 29);
    const WallTime open{Ymd(1000, 1, 1), 0};
    const WallTime close{Ymd(9997, 12, 31), 1439};
    const struct {
        const char* what;
        runtime::Date day;
        int from;
        int column;
        int step;
        int minuteStep;
        bool twelveHour;
        WallTime first, last;
        const char* to;
    } cases[] = {
        {"59 -> 00 leaves the hour", day, Minute(9, 59), slider::MinuteColumn, 1, 1, false, open, close, "09:00"},
        {"00 back to 59", day, Minute(9, 0), slider::MinuteColumn, -1, 1, false, open, close, "09:59"},
        {"23 -> 00 leaves the day", day, Minute(23, 30), slider::HourColumn, 1, 1, false, open, close, "00:30"},
        {"9 PM -> 10 PM", day, Minute(21, 5), slider::HourColumn, 1, 1, true, open, close, "22:05"},
        {"11 PM -> 12 AM", day, Minute(23, 5), slider::HourColumn, 1, 1, true, open, close, "00:05"},
        {"AM -> PM", day, Minute(0, 5), slider::PeriodColumn, 1, 1, true, open, close, "12:05"},
        {"PM back to AM", day, Minute(13, 5), slider::PeriodColumn, -1, 1, true, open, close, "01:05"},
        {"steps of 15", day, Minute(9, 45), slider::MinuteColumn, 1, 15, false, open, close, "09:00"},
        {"steps of 15 back", day, Minute(9, 0), slider::MinuteColumn, -1, 15, false, open, close, "09:45"},
        {"the last bound passes over the later minutes", day, Minute(9, 30), slider::MinuteColumn, 1, 15, false,
         open, {day, Minute(9, 40)}, "09:00"},
        {"the first bound passes over the earlier hours", day, Minute(9, 30), slider::HourColumn, -1, 1, false,
         {day, Minute(9, 0)}, close, "23:30"},
        {"02:00 to 03:00 is skipped in spring", springForward, Minute(1, 30), slider::HourColumn, 1, 1, false, open,
         close, "03:30"},
        {"and passed over going back", springForward, Minute(3, 0), slider::HourColumn, -1, 1, false, open, close,
         "01:00"},
    };
    for (const auto& c : cases) {
        TimeSlider time({c.minuteStep, c.twelveHour ? twelveHour : runtime::ClockStyle{}, c.first, c.last});
        time.SetTime({c.day, c.from});
        EXPECT_EQ(Clock(time.Neighbour(c.column, c.step)), c.to) << c.what;
    }
}

// Where a start, a changed date or a pasted time lands: down to the step, within the bounds, past
// a skipped time; and what SetTime refuses, leaving the selection as it was.
TEST(TimeSlider, FindsTheNearestTimeItTakes)
{
    // Berlin skips 02:00 to 03:00 on 2026-03-29 and shows 02:00 to 03:00 twice on 2026-10-25.
    const LocalZone berlin("Europe/Berlin");
    const runtime::Date day = Ymd(2026, 12, 6);
    const WallTime first{day, Minute(9, 7)};
    const WallTime last{Ymd(2026, 12, 8), Minute(17, 50)};
    TimeSlider bounded({15, {}, first, last});
    TimeSlider free({1, {}, {Ymd(1000, 1, 1), 0}, {Ymd(9997, 12, 31), 1439}});
    const struct {
        const TimeSlider& slider;
        runtime::Date day;
        int minute;
        const char* nearest;
    } cases[] = {
        {bounded, Ymd(2026, 12, 7), Minute(9, 37), "09:30"},
        {bounded, day, Minute(8, 0), "09:15"},
        {bounded, Ymd(2026, 12, 8), Minute(23, 59), "17:45"},
        {bounded, Ymd(2026, 12, 9), Minute(8, 0), "-"},
        {free, Ymd(2026, 3, 29), Minute(2, 30), "03:00"},
        {free, Ymd(2026, 10, 25), Minute(2, 30), "02:30"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Clock(c.slider.NearestTime(c.day, c.minute)), c.nearest) << c.day.IsoText() << " " << c.minute;

    free.SetTime({day, Minute(21, 5)});
    for (const WallTime refused : {WallTime{Ymd(2026, 3, 29), Minute(2, 30)}, WallTime{day, runtime::MinutesPerDay}})
        EXPECT_RUNTIME_ERROR(free.SetTime(refused), runtime::ErrInvalidCall);
    EXPECT_RUNTIME_ERROR(bounded.SetTime({day, Minute(9, 0)}), runtime::ErrInvalidCall);
    EXPECT_EQ(runtime::IsoText(*free.Selected()), "2026-12-06T21:05");
    // A repeated time takes its first occurrence, in summer time (+02:00).
    const auto fallBack = runtime::LocalParts({Ymd(2026, 10, 25), Minute(2, 30)});
    ASSERT_TRUE(fallBack.has_value());
    EXPECT_EQ(fallBack->tm_gmtoff, 7200);
}

// A column of fewer values than rows shows each once, outward from the selection, below first.
TEST(TimeSlider, ShowsEveryValueOfAColumnOnce)
{
    const struct {
        int step, column, selected;
        const char* rows;
    } cases[] = {{30, slider::MinuteColumn, 30, "||30|00|"}, {20, slider::MinuteColumn, 20, "|00|20|40|"},
                 {15, slider::MinuteColumn, 0, "|45|00|15|30"}, {12, slider::MinuteColumn, 0, "36|48|00|12|24"},
                 {1, slider::PeriodColumn, Minute(9, 5), "||AM|PM|"}, {1, slider::PeriodColumn, Minute(21, 5), "||PM|AM|"}};
    for (const auto& c : cases) {
        TimeSlider time({c.step, runtime::ClockStyle{true}, {Ymd(1000, 1, 1), 0}, {Ymd(9997, 12, 31), 1439}});
        time.SetTime({Ymd(2026, 12, 6), c.selected});
        std::string rows;
        for (int row = 0; row < 5; ++row)
            rows += (row > 0 ? "|" : "") + time.CellText(c.column, row);
        EXPECT_EQ(rows, c.rows) << c.step << " " << c.column;
    }
}
