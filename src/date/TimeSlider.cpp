#include "date/TimeSlider.h"

#include "date/SliderValues.h"
#include "markup/TextBlock.h"
#include "runtime/Checked.h"
#include "runtime/RuntimeError.h"

#include <algorithm>
#include <utility>

using runtime::MinutesPerDay;
using runtime::MinutesPerHour;
using runtime::WallTime;

namespace slider {

bool IsMinuteStep(int32_t minutes) { return minutes >= 1 && minutes <= 30 && MinutesPerHour % minutes == 0; }

std::optional<TimeSetup> Pickable(TimeSetup setup)
{
    const std::optional<WallTime> first = runtime::FirstShownFrom(setup.First, setup.MinuteStep);
    const std::optional<WallTime> last = runtime::LastShownUntil(setup.Last, setup.MinuteStep);
    if (!first || !last || *last < *first)
        return std::nullopt;
    setup.First = *first;
    setup.Last = *last;
    return setup;
}

} // namespace slider

namespace {

constexpr int32_t NoValue = -1;
constexpr int32_t HalfDay = MinutesPerDay / 2;

int32_t TimeIndex(int32_t column)
{
    return runtime::CheckedIndex(column - slider::FirstTimeColumn, slider::TimeColumnCount);
}

// `minute` moved by `steps` values of `column`, within its own cycle: hours within the day,
// minutes within the hour, and the period between the two halves of the day.
int32_t Moved(int32_t minute, int32_t column, int32_t steps, int32_t minuteStep)
{
    const auto wrapped = [](int32_t value, int32_t cycle) { return (value % cycle + cycle) % cycle; };
    switch (column) {
    case slider::HourColumn:
        return wrapped(minute + steps * MinutesPerHour, MinutesPerDay);
    case slider::MinuteColumn:
        return minute - minute % MinutesPerHour + wrapped(minute % MinutesPerHour + steps * minuteStep, MinutesPerHour);
    default:
        return wrapped(minute + steps * HalfDay, MinutesPerDay);
    }
}

int32_t CycleLength(int32_t column, int32_t minuteStep)
{
    return column == slider::HourColumn ? 24 : column == slider::MinuteColumn ? MinutesPerHour / minuteStep : 2;
}

} // namespace

namespace {

slider::TimeSetup PickableOrRaise(const slider::TimeSetup& setup)
{
    const std::optional<slider::TimeSetup> pickable = slider::Pickable(setup);
    if (!pickable)
        runtime::Raise(runtime::ErrInvalidCall);
    return *pickable;
}

} // namespace

TimeSlider::TimeSlider(slider::TimeSetup setup) : setup_(PickableOrRaise(setup)) {}

bool TimeSlider::Takes(const WallTime& time) const
{
    return time.Minute >= 0 && time.Minute < MinutesPerDay && time.Minute % setup_.MinuteStep == 0 &&
           setup_.First <= time && time <= setup_.Last && ClockShows(time);
}

bool TimeSlider::ClockShows(const WallTime& time) const
{
    // Almost every day keeps one offset from its first minute to its last, and then shows every
    // time; the zone is asked minute by minute only on the days it puts the clock forward or back.
    if (!offsetChanges_ || offsetChanges_->first != time.Day) {
        const std::optional<std::tm> first = runtime::LocalParts({time.Day, 0});
        const std::optional<std::tm> last = runtime::LocalParts({time.Day, MinutesPerDay - 1});
        offsetChanges_ = {time.Day, !first || !last || first->tm_gmtoff != last->tm_gmtoff};
    }
    return !offsetChanges_->second || runtime::LocalInstant(time).has_value();
}

void TimeSlider::SetTime(const WallTime& time)
{
    if (!Takes(time))
        runtime::Raise(runtime::ErrInvalidCall);
    const std::optional<WallTime> previous = std::exchange(selected_, time);
    WriteTexts();
    if (changed_)
        changed_(previous.value_or(time));
}

std::optional<WallTime> TimeSlider::NearestTime(const runtime::Date& day, int32_t minute, slider::Towards towards) const
{
    if (day < setup_.First.Day || day > setup_.Last.Day)
        return std::nullopt;
    const int32_t step = setup_.MinuteStep;
    WallTime wanted{day, std::clamp(minute - minute % step, 0, MinutesPerDay - step)};
    wanted = std::clamp(wanted, setup_.First, setup_.Last);
    // Both bounds are times the clock shows, so one side of a gap always lies within them.
    const auto later = [&]() -> std::optional<WallTime> {
        const std::optional<WallTime> time = runtime::FirstShownFrom(wanted, step);
        return time && *time <= setup_.Last ? time : std::nullopt;
    };
    const auto earlier = [&]() -> std::optional<WallTime> {
        const std::optional<WallTime> time = runtime::LastShownUntil(wanted, step);
        return time && setup_.First <= *time ? time : std::nullopt;
    };
    if (towards == slider::Towards::Earlier)
        if (const std::optional<WallTime> time = earlier())
            return time;
    if (const std::optional<WallTime> time = later())
        return time;
    return earlier();
}

int32_t TimeSlider::CellValue(int32_t column, int32_t row) const
{
    TimeIndex(column);
    const int32_t distance = runtime::CheckedIndex(row, slider::RowCount) - slider::SelectedRow();
    const int32_t minute = selected_ ? selected_->Minute : 0;
    // Two periods fill only the rows next to the selected one.
    if (column == slider::PeriodColumn && (distance < -1 || distance > 1))
        return NoValue;
    const int32_t shown = Moved(minute, column, distance, setup_.MinuteStep);
    switch (column) {
    case slider::HourColumn: return shown / MinutesPerHour;
    case slider::MinuteColumn: return shown % MinutesPerHour;
    default: return shown / HalfDay;
    }
}

std::string TimeSlider::CellText(int32_t column, int32_t row) const
{
    const int32_t value = CellValue(column, row);
    if (value == NoValue)
        return "";
    switch (column) {
    case slider::HourColumn: return runtime::HourText(value, setup_.Clock);
    case slider::MinuteColumn: return (value < 10 ? "0" : "") + std::to_string(value);
    default: return runtime::PeriodName(value);
    }
}

std::optional<WallTime> TimeSlider::TimeAtRow(int32_t column, int32_t row) const
{
    if (!selected_ || CellValue(column, row) == NoValue)
        return std::nullopt;
    const int32_t distance = row - slider::SelectedRow();
    return WallTime{selected_->Day, Moved(selected_->Minute, column, distance, setup_.MinuteStep)};
}

std::optional<WallTime> TimeSlider::Neighbour(int32_t column, int32_t step) const
{
    TimeIndex(column);
    if (!selected_)
        return std::nullopt;
    const int32_t direction = step < 0 ? -1 : 1;
    for (int32_t steps = 1; steps < CycleLength(column, setup_.MinuteStep); ++steps) {
        const WallTime time{selected_->Day, Moved(selected_->Minute, column, steps * direction, setup_.MinuteStep)};
        if (Takes(time))
            return time;
    }
    return std::nullopt;
}

std::vector<int32_t> TimeSlider::Columns() const
{
    std::vector<int32_t> columns;
    for (const runtime::TimeField field : setup_.Clock.Order) {
        if (field == runtime::TimeField::Hour)
            columns.push_back(slider::HourColumn);
        else if (field == runtime::TimeField::Minute)
            columns.push_back(slider::MinuteColumn);
        else if (setup_.Clock.TwelveHour)
            columns.push_back(slider::PeriodColumn);
    }
    return columns;
}

const std::shared_ptr<markup::Grid>& TimeSlider::TimeGrids(int32_t column) const { return grids_[TimeIndex(column)]; }

void TimeSlider::SetTimeGrid(int32_t column, std::shared_ptr<markup::Grid> grid)
{
    grids_[TimeIndex(column)] = std::move(grid);
}

void TimeSlider::WriteTexts()
{
    for (int32_t column = slider::FirstTimeColumn; column < slider::FirstTimeColumn + slider::TimeColumnCount; ++column) {
        const auto& grid = TimeGrids(column);
        if (!grid)
            continue;
        for (int32_t row = 0; row < slider::RowCount; ++row)
            if (const auto cell = std::dynamic_pointer_cast<markup::TextBlock>(grid->FindName(slider::CellTextName(column, row))))
                cell->SetText(CellText(column, row));
    }
}
