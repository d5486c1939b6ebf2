#pragma once

#include "date/SliderValues.h"

#include <array>
#include <cstdint>

namespace slider {

/// Where the three columns stand in the window: the column (months, days, years) at each place
/// in reading order. The columns keep their numbers and names wherever they stand; only code
/// that finds a column by its place (separators, Tab order, the accessibility tree) asks here.
class ColumnOrder {
public:
    /// Months, days, years, as English writes a date.
    ColumnOrder() = default;
    /// `columns` holds each column once; error 5 otherwise.
    explicit ColumnOrder(const std::array<int32_t, ColumnCount>& columns);
    /// The order in which the user's language writes day, month and year in its short dates.
    static ColumnOrder OfLanguage();

    /// The column at `place` (0 first in reading order); error 9 outside 0..2.
    int32_t ColumnAt(int32_t place) const;
    /// Where `column` stands; error 9 outside 0..2.
    int32_t PlaceOf(int32_t column) const;
    /// Whether `column` stands last in reading order.
    bool IsLast(int32_t column) const { return PlaceOf(column) == ColumnCount - 1; }

private:
    std::array<int32_t, ColumnCount> columns_{MonthColumn, DayColumn, YearColumn};
};

} // namespace slider
