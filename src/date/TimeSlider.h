#pragma once

#include "markup/Grid.h"
#include "runtime/ClockStyle.h"
#include "runtime/LocalTime.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace slider {

/// The time columns follow the three date columns: their cells are named "TextArea_3_2" and so on.
constexpr int32_t HourColumn = 3;
constexpr int32_t MinuteColumn = 4;
constexpr int32_t PeriodColumn = 5;
constexpr int32_t FirstTimeColumn = HourColumn;
constexpr int32_t TimeColumnCount = 3;

/// Whether the minute column can step by `minutes`: a whole part of an hour from 1 to 30.
bool IsMinuteStep(int32_t minutes);

/// Which way a time the clock skips is left first.
enum class Towards { Later, Earlier };

/// What the time columns offer: the minute step, the language's clock, and the first and last
/// wall time that may be picked.
struct TimeSetup {
    int32_t MinuteStep = 1;
    runtime::ClockStyle Clock;
    runtime::WallTime First;
    runtime::WallTime Last;
};

/// `setup` with its bounds narrowed to the first and the last wall time that can be picked
/// between them: on the minute step, and shown by the local clock. Nothing when no such time
/// lies between the bounds.
std::optional<TimeSetup> Pickable(TimeSetup setup);

} // namespace slider

/// The time of day beside the date grid: the selected wall time, the values of the hour, minute
/// and AM/PM columns around it, and the one operation that changes it. The columns are cyclic and
/// never carry: 59 minutes go on to 00 of the same hour, 23 hours to 00 of the same day.
class TimeSlider {
public:
    /// Takes the bounds narrowed as Pickable narrows them; error 5 when that leaves no time.
    explicit TimeSlider(slider::TimeSetup setup);

    /// Selects `time` and writes the cell texts. A time outside the bounds, off the minute step,
    /// or one that the local clock skips that day raises error 5 and leaves values and texts as
    /// they were.
    void SetTime(const runtime::WallTime& time);
    /// Whether SetTime takes `time`.
    bool Takes(const runtime::WallTime& time) const;
    /// The time SetTime takes nearest to `minute` of `day`: down to the step before, within the
    /// bounds, and on past a time the clock skips, to a later day where it skips the rest of this
    /// one. `Towards::Earlier` looks back before the gap first. Nothing on a day outside the bounds.
    std::optional<runtime::WallTime> NearestTime(const runtime::Date& day, int32_t minute,
                                                 slider::Towards towards = slider::Towards::Later) const;
    /// The selected wall time, or nothing before the first selection.
    const std::optional<runtime::WallTime>& Selected() const { return selected_; }

    /// What a click on `row` of time column `column` selects: that row's hour, minute or
    /// period with the other fields kept; nothing for an empty cell.
    std::optional<runtime::WallTime> TimeAtRow(int32_t column, int32_t row) const;
    /// The time one value on (+1) or back (-1) in `column`, passing over the values SetTime
    /// refuses; nothing when it refuses them all.
    std::optional<runtime::WallTime> Neighbour(int32_t column, int32_t step) const;
    /// The value of one cell: the hour 0..23, the minute, or the period (0 morning, 1 afternoon);
    /// -1 for an empty cell. Error 9 outside the columns and rows.
    int32_t CellValue(int32_t column, int32_t row) const;
    /// The text of one cell as the language writes it; empty for an empty cell.
    std::string CellText(int32_t column, int32_t row) const;

    /// The time columns shown, in the order the language writes their fields.
    std::vector<int32_t> Columns() const;
    const slider::TimeSetup& Setup() const { return setup_; }
    /// The grid of one time column, or nothing before the window built it; error 9 outside them.
    const std::shared_ptr<markup::Grid>& TimeGrids(int32_t column) const;
    /// Hands over the grid that the window built for `column`.
    void SetTimeGrid(int32_t column, std::shared_ptr<markup::Grid> grid);
    /// Called after every selection that succeeded, with the time selected before it.
    void SetChangeListener(std::function<void(const runtime::WallTime&)> listener) { changed_ = std::move(listener); }

private:
    void WriteTexts();
    /// Whether the local clock shows `time`; asked of the zone only on a day its offset changes.
    bool ClockShows(const runtime::WallTime& time) const;

    slider::TimeSetup setup_;
    std::optional<runtime::WallTime> selected_;
    std::array<std::shared_ptr<markup::Grid>, slider::TimeColumnCount> grids_;
    std::function<void(const runtime::WallTime&)> changed_;
    // The last day asked about, and whether the zone's offset changes on it.
    mutable std::optional<std::pair<runtime::Date, bool>> offsetChanges_;
};
