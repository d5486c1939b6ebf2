// The time is wall time in the local zone: a change of the date keeps it where the new day has
// it, and moves it within the bounds or past a time that the clock skips that day.

#include "window/TimeOfDay.h"

#include "markup/modXaml.h"
#include "runtime/Clock.h"
#include "runtime/ClockStyle.h"
#include "runtime/RuntimeError.h"

#include <algorithm>

namespace {

// The gap between the year and the first time column, in pixels.
constexpr int32_t DateTimeGap = 8;

} // namespace

TimeOfDay::TimeOfDay(const TimeColumnsSetup& setup) : slider_(setup.Setup), startMinute_(setup.StartMinute) {}

// A first bound that a step moves past midnight leaves its day without a time to pick.
slider::DateRange TimeOfDay::PickableDays(const slider::DateRange& range) const
{
    const slider::TimeSetup& bounds = slider_.Setup();
    return {std::max(range.First, bounds.First.Day), std::min(range.Last, bounds.Last.Day)};
}

int32_t TimeOfDay::SelectedMinute() const
{
    const std::optional<runtime::WallTime>& time = slider_.Selected();
    return time ? time->Minute : 0;
}

void TimeOfDay::AddTo(markup::Panel& row) const
{
    const std::vector<int32_t> columns = Columns();
    for (const int32_t column : columns)
        row.Children().Add(slider_.TimeGrids(column));
    slider_.TimeGrids(columns.front())->SetMargin(modXaml::CreateThickness(DateTimeGap, 0, 0, 0));
}

std::string TimeOfDay::HeaderText(const std::string& date) const
{
    const std::optional<runtime::WallTime>& time = slider_.Selected();
    return time ? date + " " + runtime::ShortTimeText(time->Minute) : date;
}

// A change of the date keeps the time where the new day has it. A day that the clock skips from
// that time on gives way to the first time after the gap, on a later day; but a step back onto it
// goes on back before the gap, so that stepping back never returns to where it came from.
runtime::Date TimeOfDay::LandingDate(const runtime::Date& wanted) const
{
    const std::optional<runtime::WallTime>& selected = slider_.Selected();
    const int32_t minute = wantedMinute_.value_or(selected ? selected->Minute : startMinute_);
    landing_ = slider_.NearestTime(wanted, minute);
    if (landing_ && landing_->Day > wanted && selected && wanted < selected->Day)
        landing_ = slider_.NearestTime(wanted, minute, slider::Towards::Earlier);
    return landing_ ? landing_->Day : wanted;
}

void TimeOfDay::FitToDate(const runtime::Date& selected)
{
    if (landing_ && landing_->Day == selected)
        slider_.SetTime(*landing_);
}

void TimeOfDay::SelectRow(int32_t column, int32_t row)
{
    if (const std::optional<runtime::WallTime> time = slider_.TimeAtRow(column, row))
        slider_.SetTime(*time);
}

void TimeOfDay::Step(int32_t column, int32_t step)
{
    // Only a column the window shows steps: a 24-hour clock has no AM/PM to turn.
    const std::vector<int32_t> shown = Columns();
    if (std::find(shown.begin(), shown.end(), column) == shown.end())
        runtime::Raise(runtime::ErrSubscript);
    if (const std::optional<runtime::WallTime> time = slider_.Neighbour(column, step))
        slider_.SetTime(*time);
}

void TimeOfDay::StepHovered(int32_t step)
{
    for (const int32_t column : Columns())
        if (slider_.TimeGrids(column)->IsMouseOver())
            Step(column, step);
}

void TimeOfDay::SelectNow(DateSlider& date)
{
    const runtime::Date today = runtime::Today();
    wantedMinute_ = runtime::MinuteOfDay();
    try {
        date.SetDate(today.Month(), today.Day(), today.Year());
    } catch (const runtime::RuntimeError&) {
    }
    wantedMinute_.reset();
}
