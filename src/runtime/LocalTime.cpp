#include "runtime/LocalTime.h"

#include <array>
#include <cstdio>

namespace runtime {
namespace {

constexpr int64_t SecondsPerDay = 86400;

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

} // namespace

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

std::optional<WallTime> FirstWallTimeAt(int64_t instant)
{
    const std::time_t moment = static_cast<std::time_t>(instant);
    std::tm local{};
    if (!localtime_r(&moment, &local) || local.tm_year + 1900 < Date::MinYear || local.tm_year + 1900 > Date::MaxYear)
        return std::nullopt;
    const WallTime time{Date::FromParts(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                        local.tm_hour * MinutesPerHour + local.tm_min};
    if (LocalInstant(time) != instant - local.tm_sec)
        return std::nullopt;
    return time;
}

} // namespace runtime
