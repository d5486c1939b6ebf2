#pragma once

#include "runtime/Date.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

/// The values the three slider columns show, derived from one selected date.
namespace slider {

constexpr int32_t RowCount = 5;
constexpr int32_t ColumnCount = 3;
constexpr int32_t MonthColumn = 0;
constexpr int32_t DayColumn = 1;
constexpr int32_t YearColumn = 2;

/// The years a selection may reach: every neighbour value of the grid exists for them.
constexpr int32_t FirstSelectableYear = 1000;
constexpr int32_t LastSelectableYear = 9997;

/// The dates a selection may reach, both ends included.
struct DateRange {
    runtime::Date First;
    runtime::Date Last;
};
/// Every selectable day: 1 January of the first selectable year to 31 December of the last.
DateRange SelectableYears();
/// The date of (year, month, day) when it is a real day of the selectable years; nothing for a
/// day past its month's end, which the date type would carry into the next month.
std::optional<runtime::Date> SelectableDate(int year, int month, int day);

/// The row that holds the selected date, 2: two values above it and two below.
int32_t SelectedRow();

/// Five rows by three columns of values (months, days, years); every access is
/// bounds-checked with error 9.
class CellGrid {
public:
    int32_t& operator()(int32_t row, int32_t column);
    int32_t operator()(int32_t row, int32_t column) const;
    friend bool operator==(const CellGrid&, const CellGrid&) = default;

private:
    std::array<std::array<int32_t, ColumnCount>, RowCount> values_{};
};

/// The date that a requested (month, day, year) selects: each narrowed to 16 bits
/// (error 6), a day the month lacks clamped to its last day, and the date kept within
/// `range`, at most the selectable years (error 5).
runtime::Date SelectedDateFor(int32_t month, int32_t day, int32_t year, const DateRange& range = SelectableYears());
/// The grid of values for a selected date.
CellGrid ValuesFor(const runtime::Date& selected);
/// The text of one cell: the full month name in column 0, decimal digits elsewhere.
std::string CellText(const CellGrid& values, int32_t column, int32_t row);
/// The name of the text block showing one cell: "TextArea_" column "_" row.
std::string CellTextName(int32_t column, int32_t row);

} // namespace slider
