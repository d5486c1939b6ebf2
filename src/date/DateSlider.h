#pragma once

#include "date/SliderValues.h"
#include "markup/Grid.h"
#include "markup/TextBlock.h"

#include <array>
#include <memory>
#include <string>

/// The selection state of the picker window: the grid of slider values whose middle row
/// is the selected date, and the one operation that changes it.
class DateSlider {
public:
    virtual ~DateSlider() = default;

    /// Selects (month, day, year): clamps the day to its month, recomputes every value and
    /// writes the fifteen cell texts and the header. A selection outside the selectable
    /// range, or one that fails otherwise, raises its error and leaves values and texts
    /// exactly as they were.
    void SetDate(int32_t month, int32_t day, int32_t year);
    /// The dates SetDate accepts: all selectable years unless narrowed.
    const slider::DateRange& SelectableRange() const { return selectableRange_; }
    /// Narrows the dates SetDate accepts to `range` (within the selectable years); the
    /// current selection is left as it is.
    void SetSelectableRange(const slider::DateRange& range) { selectableRange_ = range; }
    /// Selects the value at `row` of date column `column`, the other columns kept, as a click does.
    void SelectRow(int32_t column, int32_t row);
    /// Moves each column chosen in `columns` to its value one row above (-1) or below (+1) the
    /// selected one, each within its own cycle, as a wheel notch does; with none chosen nothing changes.
    void SelectNeighbours(const std::array<bool, slider::ColumnCount>& columns, int32_t step);
    /// Whether the range is narrower than all selectable years.
    bool Bounded() const;
    /// The text of one cell from the current values; error 9 outside the grid.
    std::string CellText(int32_t column, int32_t row) const;
    /// The selected date; error 5 before the first selection.
    runtime::Date SelectedDate() const;
    /// The row of the selected date, 2.
    int32_t SelectedRow() const { return slider::SelectedRow(); }
    /// The values the columns show; all zero until the first selection.
    const slider::CellGrid& CellValues() const { return cellValues_; }
    /// The selected date, or nothing before the first selection.
    const std::shared_ptr<markup::TextBlock>& DateHeader() const { return dateHeader_; }
    /// One of the three column grids (0 month, 1 day, 2 year); error 9 outside them.
    const std::shared_ptr<markup::Grid>& SliderGrids(int32_t column) const;

protected:
    /// Called after every selection that succeeded, with the values shown before it.
    virtual void SelectionChanged(const slider::CellGrid&) {}
    /// The date a selection of `wanted` lands on: `wanted` itself, unless another day has to
    /// take its place. Called once per SetDate, before anything is written.
    virtual runtime::Date LandingDate(const runtime::Date& wanted) const { return wanted; }
    /// What the header says for `selected`: the date written out.
    virtual std::string HeaderText(const runtime::Date& selected) const { return selected.LongText(); }

    std::shared_ptr<markup::TextBlock> dateHeader_;
    std::array<std::shared_ptr<markup::Grid>, slider::ColumnCount> sliderGrids_;

private:
    void WriteTexts(const std::array<std::string, slider::RowCount * slider::ColumnCount>& cellTexts,
                    const std::string& header);

    slider::CellGrid cellValues_;
    slider::DateRange selectableRange_ = slider::SelectableYears();
};
