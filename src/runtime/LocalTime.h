#pragma once

#include "runtime/Date.h"

#include <compare>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace runtime {

constexpr int32_t MinutesPerHour = 60;
constexpr int32_t MinutesPerDay = 24 * MinutesPerHour;

/// A wall time: a day and a minute of it (0 = 00:00 to 1439 = 23:59) as the local clock shows it.
struct WallTime {
    Date Day;
    int32_t Minute = 0;

    int32_t Hour() const { return Minute / MinutesPerHour; }
    int32_t MinuteOfHour() const { return Minute % MinutesPerHour; }
    friend bool operator==(const WallTime&, const WallTime&) = default;
    friend auto operator<=>(const WallTime&, const WallTime&) = default;
};

/// `time` in ISO 8601 form to the minute, "2026-12-06T21:05".
std::string IsoText(const WallTime& time);

/// The first moment, in seconds since 1970 UTC, at which the clock of the local time zone (TZ)
/// shows `time`; nothing when the clock skips it that day, as it does when it is put forward.
std::optional<int64_t> LocalInstant(const WallTime& time);

/// The broken-down local time of `time`'s first moment, with the zone's offset, name and
/// daylight saving flag of that moment, for strftime; nothing when the clock skips it.
std::optional<std::tm> LocalParts(const WallTime& time);

/// The first wall time at or after `from` that the local clock shows and whose minute is a
/// multiple of `step` (a whole part of an hour); it may lie on a later day when the clock skips
/// the rest of this one. Nothing when none comes within two days or before the end of the calendar.
std::optional<WallTime> FirstShownFrom(const WallTime& from, int32_t step);
/// The last such wall time at or before `until`, on this day or an earlier one.
std::optional<WallTime> LastShownUntil(const WallTime& until, int32_t step);

} // namespace runtime
