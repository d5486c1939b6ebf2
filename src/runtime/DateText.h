#pragma once

#include "runtime/Date.h"
#include "runtime/LocalTime.h"

#include <optional>
#include <string>

namespace runtime {

/// The date that `text` names, white space around it ignored, in one of the forms a date is
/// copied in: ISO 8601 ("2024-02-29", also with a time, which is ignored), the header's own
/// form in the user's language, the user's locale's short and long date formats with the year
/// in full, or "dd.MM.yyyy". Direction marks and NULs in the text are passed over. Nothing for
/// any other text, for a time that is no time of day, and for a day the calendar lacks.
std::optional<Date> DateFromText(const std::string& text);

/// A date and time written in ISO 8601 form.
struct IsoDateTime {
    /// The date and the minute as written.
    WallTime Written;
    /// The seconds written, 0 to 60 (a leap second); a fraction after them is dropped.
    int32_t Second = 0;
    /// The zone's offset written ("Z", "+01:00", "+0100", "+01"), in seconds east of UTC; nothing
    /// for a time of the local clock.
    std::optional<int32_t> OffsetSeconds;
};

/// The date and time that `text` writes in ISO 8601 form, "2027-01-15T07:45" or with a space for
/// the "T", maybe with seconds and a zone after it ("07:45:30.5", "07:45Z", "07:45 +01:00"); white
/// space around it and direction marks are passed over. Nothing for any other text, a date
/// without a time among them.
std::optional<IsoDateTime> IsoDateTimeFromText(const std::string& text);

/// The wall time of the local clock, to the minute, that `written` names: as written without a
/// zone; with one, what the clock shows at that moment, as GNU date reads it. Nothing when the
/// clock shows that minute first at another moment (a time shown twice, seen the second time) or
/// the moment lies outside the calendar.
std::optional<WallTime> LocalWallTime(const IsoDateTime& written);

/// `text` made fit for matching what a user types: accents dropped and case folded, so that
/// "mär", "MAR" and "März" all begin alike.
std::string FoldedForMatching(const std::string& text);

} // namespace runtime
