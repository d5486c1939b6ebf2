#pragma once

#include "date/DateSlider.h"
#include "date/TimeSlider.h"
#include "markup/Panel.h"
#include "window/FormSetup.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// The time of day beside the date: the hour and minute columns, and AM/PM where the language
/// counts hours to 12, after the date columns in the order the language writes a time. It owns
/// the time model, the minute a start or Now asks for, and the time a change of the date lands
/// on; it changes the date only through the date grid's SetDate.
class TimeOfDay {
public:
    /// Error 5 when the bounds leave no time to pick.
    explicit TimeOfDay(const TimeColumnsSetup& setup);

    TimeSlider& Slider() { return slider_; }
    const TimeSlider& Slider() const { return slider_; }
    /// The columns shown, in the order the language writes a time.
    std::vector<int32_t> Columns() const { return slider_.Columns(); }
    /// The days of `range` that leave a time to pick.
    slider::DateRange PickableDays(const slider::DateRange& range) const;
    /// The selected minute of the day, or the start's before the first selection.
    int32_t SelectedMinute() const;
    /// Adds the built columns to `row`, after a gap that parts them from the date.
    void AddTo(markup::Panel& row) const;
    /// `date` as the header writes it, then the selected time.
    std::string HeaderText(const std::string& date) const;

    /// The day of the time that a change of the date to `wanted` selects, past a day the clock
    /// skips; remembered for FitToDate.
    runtime::Date LandingDate(const runtime::Date& wanted) const;
    /// Selects the time found by LandingDate once the date grid selected `selected`.
    void FitToDate(const runtime::Date& selected);
    /// Selects the value at `row` of time column `column`, as a click does: an empty cell selects
    /// nothing, and a refused time raises its error, as a refused date does.
    void SelectRow(int32_t column, int32_t row);
    /// Moves time column `column` one value on (+1) or back (-1); error 9 for a column not shown.
    void Step(int32_t column, int32_t step);
    /// Moves each column under the pointer one value on (+1) or back (-1), as a wheel notch does.
    void StepHovered(int32_t step);
    /// Selects today and the time of the moment in `date`, as near to it as the bounds and the
    /// step allow.
    void SelectNow(DateSlider& date);

private:
    TimeSlider slider_;
    int32_t startMinute_;
    // The minute that the next change of the date asks for in place of the selected one.
    std::optional<int32_t> wantedMinute_;
    // The time that the change of the date under way selects, found with the day it lands on.
    mutable std::optional<runtime::WallTime> landing_;
};
