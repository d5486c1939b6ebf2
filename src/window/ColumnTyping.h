#pragma once

#include "date/DateSlider.h"
#include "window/TimeOfDay.h"

#include <array>
#include <cstdint>
#include <string>

/// Typing a value into the focused column. It owns what has been typed so far; it changes the
/// date through the date grid's SetDate and the time through the time model's SetTime.
class ColumnTyping {
public:
    /// Types into the columns of `date`, and of `time` where the window shows one.
    ColumnTyping(DateSlider& date, TimeOfDay* time) : date_(date), time_(time) {}

    /// Takes `character`, typed into `column` at `at` (the message time in milliseconds).
    void Take(int32_t column, char32_t character, int64_t at);
    /// Ends the entry, as any key other than a character does.
    void End() { typed_ = {}; }

private:
    using Triple = std::array<int32_t, slider::ColumnCount>;
    void TakeCharacter(int32_t column, char32_t character);
    // Each selects what the entry names and tells whether it names anything yet.
    bool SelectTypedValue(int32_t column);
    bool SelectTypedTime(int32_t column);
    bool SelectTypedName(int32_t column);
    // The selected date as (month, day, year).
    Triple SelectedTriple() const;
    int32_t SelectedMinute() const { return time_ ? time_->SelectedMinute() : 0; }

    DateSlider& date_;
    TimeOfDay* time_;
    // What has been typed into a column: the characters, the column, when the last one came,
    // the date selected before the first, whose other columns each selection keeps ("aug" must
    // not lose the 31st on its way through April), and the date the last one left selected.
    struct TypedEntry {
        std::u32string Characters;
        int32_t Column = -1;
        int64_t LastAt = 0;
        Triple Start{};
        Triple Left{};
        int32_t StartMinute = 0;
    };
    TypedEntry typed_;
};
