#pragma once

#include "date/ColumnOrder.h"
#include "date/DateSlider.h"
#include "date/TimeSlider.h"
#include "markup/Grid.h"
#include "markup/MarkupLabel.h"
#include "window/TextScale.h"

#include <QFont>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

/// The look of the slider columns, the three of the date and those of the time: a Grid of five
/// rows per column, styled by distance from the middle row, with a hidden text that keeps the
/// column as wide as its widest value. It owns where the columns stand, the grids it built, and
/// which of their cells are drawn dimmed as out of bounds; it reads the values from the date and
/// time models.
class SliderColumns {
public:
    SliderColumns(markup::MarkupLabel& label, TextScale scale) : label_(label), scale_(scale) {}

    /// Places the date columns in `order`, then the time columns `timeColumns` in theirs.
    void Place(const slider::ColumnOrder& order, std::vector<int32_t> timeColumns);
    /// Where each date column stands.
    const slider::ColumnOrder& Order() const { return order_; }
    /// The columns shown, in order: the date's at their places, then the time's.
    std::vector<int32_t> Shown() const;
    /// Builds column `column` (0 months, 1 days, 2 years, 3 hours, 4 minutes, 5 AM/PM); `time`
    /// gives the hours' texts, and `font` measures the widest value.
    std::shared_ptr<markup::Grid> BuildSliderColumn(int32_t column, QFont& font, const TimeSlider* time);
    /// The widest text column `column` can show, in the font of the middle row of `grid`; the
    /// first of equals, or the empty text without a grid. Leaves that font's name and size in `font`.
    std::string WidestColumnText(int32_t column, const markup::ElementPtr& grid, QFont& font,
                                 const TimeSlider* time) const;
    /// How a column's cell texts align: left for names, right for numbers.
    static int32_t ColumnAlignment(int32_t column);
    /// The point size of a row's text: 7, 8, 12, 8, 7 from the top.
    static int32_t RowFontSize(int32_t row);
    /// A new brush for a row's cell background.
    static markup::SolidColorBrushPtr RowBackground(int32_t row);
    /// A new brush for a row's cell text.
    static markup::SolidColorBrushPtr RowForeground(int32_t row);

    /// Dims each date value that would select a date outside the bounds of `date`.
    void ShowRefusedValues(const DateSlider& date);
    /// Dims each time value that the bounds exclude or the local clock skips that day.
    void ShowRefusedTimes(const TimeSlider& time);
    /// Gives every column built the colours of the scheme in use.
    void Recolour();

private:
    bool HasSeparatorAfter(int32_t column) const;
    void ShowCellRefused(int32_t column, int32_t row, bool refused);

    static constexpr int32_t AllColumns = slider::ColumnCount + slider::TimeColumnCount;
    markup::MarkupLabel& label_;
    TextScale scale_;
    slider::ColumnOrder order_;
    std::vector<int32_t> timeColumns_;
    std::array<std::shared_ptr<markup::Grid>, AllColumns> grids_{};
    std::array<bool, AllColumns> separated_{};
    // Which cells (column by column, rows 0..4) show a value drawn dimmed as out of bounds.
    std::array<bool, AllColumns * slider::RowCount> dimmed_{};
};
