// The time of day beside the date: the hour and minute columns, and AM/PM where the language
// counts hours to 12, after the date columns in the order the language writes a time. The
// time is wall time in the local zone: a change of the date keeps it where the new day has
// it, and moves it within the bounds or past a time that the clock skips that day.

#include "window/Form1.h"

#include "markup/modXaml.h"
#include "runtime/Clock.h"
#include "runtime/ClockStyle.h"
#include "runtime/RuntimeError.h"
#include "window/Accessibility.h"

#include <algorithm>

namespace {

// The gap between the year and the first time column, in pixels.
constexpr int32_t DateTimeGap = 8;

} // namespace

void Form1::SetTimeColumns(const slider::TimeSetup& setup, int32_t startMinute)
{
    time_ = std::make_unique<TimeSlider>(setup);
    startMinute_ = startMinute;
    // A first bound that a step moves past midnight leaves its day without a time to pick.
    const slider::TimeSetup& bounds = time_->Setup();
    SetSelectableRange({std::max(SelectableRange().First, bounds.First.Day), std::min(SelectableRange().Last, bounds.Last.Day)});
    time_->SetChangeListener([this](const runtime::WallTime& previous) { TimeChanged(previous); });
}

runtime::WallTime Form1::SelectedTime() const
{
    const std::optional<runtime::WallTime> time = time_ ? time_->Selected() : std::nullopt;
    return {SelectedDate(), time ? time->Minute : 0};
}

void Form1::BuildTimeColumns(markup::Panel& sliderRow)
{
    const std::vector<int32_t> columns = time_->Columns();
    for (const int32_t column : columns) {
        BuildSliderColumn(column);
        sliderRow.Children().Add(time_->TimeGrids(column));
    }
    time_->TimeGrids(columns.front())->SetMargin(modXaml::CreateThickness(DateTimeGap, 0, 0, 0));
}

std::string Form1::HeaderText(const runtime::Date& selected) const
{
    const std::optional<runtime::WallTime> time = time_ ? time_->Selected() : std::nullopt;
    const std::string date = DateSlider::HeaderText(selected);
    return time ? date + " " + runtime::ShortTimeText(time->Minute) : date;
}

// A change of the date keeps the time where the new day has it. A day that the clock skips from
// that time on gives way to the first time after the gap, on a later day; but a step back onto it
// goes on back before the gap, so that stepping back never returns to where it came from.
runtime::Date Form1::LandingDate(const runtime::Date& wanted) const
{
    landing_.reset();
    if (!time_)
        return wanted;
    const std::optional<runtime::WallTime> selected = time_->Selected();
    const int32_t minute = wantedMinute_.value_or(selected ? selected->Minute : startMinute_);
    landing_ = time_->NearestTime(wanted, minute);
    if (landing_ && landing_->Day > wanted && selected && wanted < selected->Day)
        landing_ = time_->NearestTime(wanted, minute, slider::Towards::Earlier);
    return landing_ ? landing_->Day : wanted;
}

void Form1::FitTimeToDate()
{
    if (landing_ && landing_->Day == SelectedDate())
        time_->SetTime(*landing_);
}

void Form1::TimeChanged(const runtime::WallTime& previous)
{
    if (dateHeader_)
        dateHeader_->SetText(HeaderText(SelectedDate()));
    ShowRefusedTimes();
    accessibility::AnnounceTime(*this, previous);
}

void Form1::StepTimeColumn(int32_t column, int32_t step)
{
    if (const std::optional<runtime::WallTime> time = time_->Neighbour(column, step))
        time_->SetTime(*time);
}

// Today's date and the time of the moment, as near to it as the bounds and the step allow.
void Form1::SelectNow()
{
    const runtime::Date today = runtime::Today();
    wantedMinute_ = runtime::MinuteOfDay();
    try {
        SetDate(today.Month(), today.Day(), today.Year());
    } catch (const runtime::RuntimeError&) {
    }
    wantedMinute_.reset();
}
