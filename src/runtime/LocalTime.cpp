#include "runtime/LocalTime.h"

#include <array>
#include <cstdio>

namespace runtime {
namespace {

constexpr int64_t SecondsPerDay = 86400;
// No zone has put its clock forward by more than a day, so a search for a time the clock shows
// ends within the day it starts on and the two after it.
constexpr int32_t SearchedDays = 3;

std::tm PartsOf(const WallTime& time)
{
    std::tm parts{};
    parts.tm_year = time.Day.Year() - 1900;
    parts.tm_mon = time.Day.Month() - 1;
    parts.tm_mday = time.Day.Day();
    parts.tm_hour = time.Hour();
    parts.tm_min = time.MinuteOfHour();
    return parts;
}

bool Shows(const std::tm& local, const std::tm& wanted)
{
    return local.tm_year == wanted.tm_year && local.tm_mon == wanted.tm_mon && local.tm_mday == wanted.tm_mday &&
           local.tm_hour == wanted.tm_hour && local.tm_min == wanted.tm_min && local.tm_sec == 0;
}

long OffsetAt(std::time_t instant)
{
    std::tm local{};
    return localtime_r(&instant, &local) ? local.tm_gmtoff : 0;
}

// Whether the zone keeps one offset all `day`, and so its clock shows every minute of it.
bool KeepsOffset(const Date& day)
{
    const std::optional<std::tm> first = LocalParts({day, 0});
    const std::optional<std::tm> last = LocalParts({day, MinutesPerDay - 1});
    return first && last && first->tm_gmtoff == last->tm_gmtoff;
}

// The minute of `day` from `minute` on (or back, for a negative `step`) that the clock shows.
std::optional<int32_t> ShownMinute(const Date& day, int32_t minute, int32_t step)
{
    const bool everyMinute = KeepsOffset(day);
    for (; minute >= 0 && minute < MinutesPerDay; minute += step)
        if (everyMinute || LocalInstant({day, minute}))
            return minute;
    return std::nullopt;
}

} // namespace

std::optional<WallTime> FirstShownFrom(const WallTime& from, int32_t step)
{
    Date day = from.Day;
    int32_t minute = from.Minute + (step - from.Minute % step) % step;
    for (int32_t days = 0; days < SearchedDays; ++days, minute = 0) {
        if (const std::optional<int32_t> shown = ShownMinute(day, minute, step))
            return WallTime{day, *shown};
        if (day.Year() == Date::MaxYear && day.Month() == 12 && day.Day() == 31)
            break;
        day = day.AddDays(1);
    }
    return std::nullopt;
}

std::optional<WallTime> LastShownUntil(const WallTime& until, int32_t step)
{
    Date day = until.Day;
    int32_t minute = until.Minute - until.Minute % step;
    for (int32_t days = 0; days < SearchedDays; ++days, minute = MinutesPerDay - step) {
        if (const std::optional<int32_t> shown = ShownMinute(day, minute, -step))
            return WallTime{day, *shown};
        if (day.Year() == Date::MinYear && day.Month() == 1 && day.Day() == 1)
            break;
        day = day.AddDays(-1);
    }
    return std::nullopt;
}

std::string IsoText(const WallTime& time)
{
    char clock[32];
    std::snprintf(clock, sizeof clock, "T%02d:%02d", time.Hour(), time.MinuteOfHour());
    return time.Day.IsoText() + clock;
}

std::optional<int64_t> LocalInstant(const WallTime& time)
{
    std::tm wanted = PartsOf(time);
    std::tm asUtc = wanted;
    const std::time_t naive = timegm(&asUtc);
    // The clock shows the wall time at its naive instant less the zone's offset then. The offsets
    // in force a day either side cover every change of the clock on that day, and each one that
    // leads back to the wall time is a moment that shows it; the earliest is the first occurrence.
    std::optional<int64_t> first;
    for (const std::time_t around : std::array{naive - SecondsPerDay, naive, naive + SecondsPerDay}) {
        const std::time_t candidate = naive - OffsetAt(around);
        std::tm local{};
        if (localtime_r(&candidate, &local) && Shows(local, wanted) && (!first || candidate < *first))
            first = candidate;
    }
    return first;
}

std::optional<std::tm> LocalParts(const WallTime& time)
{
    const std::optional<int64_t> instant = LocalInstant(time);
    if (!instant)
        return std::nullopt;
    const std::time_t moment = static_cast<std::time_t>(*instant);
    std::tm local{};
    if (!localtime_r(&moment, &local))
        return std::nullopt;
    return local;
}

} // namespace runtime
