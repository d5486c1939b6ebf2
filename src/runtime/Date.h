#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace runtime {

/// A calendar date with day resolution on the proleptic Gregorian calendar,
/// from 1 January 100 to 31 December 9999. Every operation that would leave
/// that range raises error 5.
class Date {
public:
    static constexpr int32_t MinYear = 100;
    static constexpr int32_t MaxYear = 9999;

    /// Builds a date; months outside 1..12 carry into the year, a day past the
    /// month's end into the following months and a day of 0 or below back.
    static Date FromParts(int32_t year, int32_t month, int32_t day);

    int32_t Year() const;
    int32_t Month() const;
    int32_t Day() const;
    /// Day of the week, 1 = Monday to 7 = Sunday.
    int32_t Weekday() const;

    Date AddDays(int32_t days) const;
    /// Moves by whole months, keeping the day or taking the target month's last day.
    Date AddMonths(int32_t months) const;
    /// Moves by whole years, keeping the day or taking the target month's last day.
    Date AddYears(int32_t years) const;

    /// The date as the header writes it: "dddd mmmm d, yyyy" in English, and in another language
    /// that language's long date form, "Dienstag, 8. Dezember 2026".
    std::string LongText() const;
    /// The date in ISO 8601 form, "yyyy-mm-dd".
    std::string IsoText() const;

    friend bool operator==(const Date&, const Date&) = default;
    friend auto operator<=>(const Date&, const Date&) = default;

private:
    explicit Date(int64_t serial);
    static Date FromSerial(int64_t serial);

    int64_t serial_; // days since 1 January 1970
};

} // namespace runtime
