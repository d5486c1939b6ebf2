#include "date/SliderValues.h"

#include "date/modDate.h"
#include "runtime/Checked.h"
#include "runtime/Locale.h"
#include "runtime/RuntimeError.h"

namespace slider {

DateRange SelectableYears()
{
    return {runtime::Date::FromParts(FirstSelectableYear, 1, 1), runtime::Date::FromParts(LastSelectableYear, 12, 31)};
}

std::optional<runtime::Date> SelectableDate(int year, int month, int day)
{
    if (year < FirstSelectableYear || year > LastSelectableYear || month < 1 || month > 12 || day < 1 ||
        day > modDate::DaysInMonth(month, year))
        return std::nullopt;
    return runtime::Date::FromParts(year, month, day);
}

int32_t SelectedRow() { return 2; }

int32_t& CellGrid::operator()(int32_t row, int32_t column)
{
    return values_[runtime::CheckedIndex(row, RowCount)][runtime::CheckedIndex(column, ColumnCount)];
}

int32_t CellGrid::operator()(int32_t row, int32_t column) const
{
    return values_[runtime::CheckedIndex(row, RowCount)][runtime::CheckedIndex(column, ColumnCount)];
}

runtime::Date SelectedDateFor(int32_t month, int32_t day, int32_t year, const DateRange& range)
{
    const int16_t shortMonth = runtime::NarrowTo16(month);
    const int16_t shortDay = runtime::NarrowTo16(day);
    const int16_t shortYear = runtime::NarrowTo16(year);
    runtime::Date selected = runtime::Date::FromParts(shortYear, shortMonth, shortDay);
    // A day the month does not have (31 April, 0 March) becomes the month's last day.
    if (selected.Day() != shortDay)
        selected = runtime::Date::FromParts(shortYear, shortMonth, modDate::DaysInMonth(shortMonth, shortYear));
    if (selected.Year() < FirstSelectableYear || selected.Year() > LastSelectableYear || selected < range.First ||
        selected > range.Last)
        runtime::Raise(runtime::ErrInvalidCall);
    return selected;
}

CellGrid ValuesFor(const runtime::Date& selected)
{
    CellGrid values;
    const int32_t middle = SelectedRow();
    for (int32_t step : {0, -1, -2, 1, 2}) {
        values(middle + step, MonthColumn) = selected.AddMonths(step).Month();
        values(middle + step, YearColumn) = selected.AddYears(step).Year();
    }

    // The day column cycles through the selected month's own days, so the days shown
    // before the 1st are the last days of the same month.
    const int32_t day = selected.Day();
    values(middle, DayColumn) = day;
    if (day == 1 || day == 2) {
        const int32_t length = modDate::DaysInMonth(selected.Month(), selected.Year());
        values(middle - 1, DayColumn) = day == 1 ? length : 1;
        values(middle - 2, DayColumn) = day == 1 ? length - 1 : length;
    } else {
        values(middle - 1, DayColumn) = day - 1;
        values(middle - 2, DayColumn) = day - 2;
    }
    values(middle + 1, DayColumn) = selected.AddDays(1).Day();
    values(middle + 2, DayColumn) = selected.AddDays(2).Day();
    return values;
}

std::string CellText(const CellGrid& values, int32_t column, int32_t row)
{
    const int32_t value = values(row, column);
    return column == MonthColumn ? runtime::MonthName(value) : std::to_string(value);
}

std::string CellTextName(int32_t column, int32_t row)
{
    return "TextArea_" + std::to_string(column) + "_" + std::to_string(row);
}

} // namespace slider
