#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace runtime {

/// The parts of a time of day, as the time columns show them.
enum class TimeField { Hour, Minute, Period };

/// How a language writes a time of day, read from its short time format.
struct ClockStyle {
    /// Counts the hours 12, 1, ..., 11 with a morning and an afternoon ("9:05 PM").
    bool TwelveHour = false;
    /// Writes the hour with two digits ("09:05").
    bool TwoDigitHours = true;
    /// The fields in the order the language writes them; a 24-hour clock has no Period, which
    /// then stands last and is not shown.
    std::array<TimeField, 3> Order{TimeField::Hour, TimeField::Minute, TimeField::Period};
};

/// How the language of the date (LC_TIME) writes a time.
ClockStyle CurrentClockStyle();

/// The hour as the language writes it on its clock: "9" or "09" for 21:00 on a 12-hour or a
/// 24-hour clock, in ASCII digits.
std::string HourText(int32_t hour, const ClockStyle& style);
/// The morning's (0) or the afternoon's (1) word of the language: "AM", "PM", "오전", ...
std::string PeriodName(int32_t period);
/// The minute of the day `minute` written as the language writes a short time, in ASCII digits:
/// "9:05 PM", "21:05".
std::string ShortTimeText(int32_t minute);
/// The minute of the day that `text` writes in the language's short time form, or in 24-hour
/// "HH:MM"; nothing for any other text.
std::optional<int32_t> MinuteFromText(const std::string& text);

} // namespace runtime
