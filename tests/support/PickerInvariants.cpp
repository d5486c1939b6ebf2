#include "support/PickerInvariants.h"

#include "runtime/RuntimeError.h"

std::string PickerInconsistency(const DateSlider& picker)
{
    const slider::CellGrid& values = picker.CellValues();
    const int row = picker.SelectedRow();
    const int month = values(row, 0);
    const int day = values(row, 1);
    const int year = values(row, 2);
    if (year < slider::FirstSelectableYear || year > slider::LastSelectableYear)
        return "the selected year " + std::to_string(year) + " is out of reach";
    try {
        const runtime::Date selected = runtime::Date::FromParts(year, month, day);
        if (selected.Month() != month || selected.Day() != day)
            return "the middle row is no date";
        if (!(slider::ValuesFor(selected) == values))
            return "the grid does not follow from its middle row";
        for (int column = 0; column < slider::ColumnCount; ++column) {
            const auto& grid = picker.SliderGrids(column);
            for (int cellRow = 0; grid && cellRow < slider::RowCount; ++cellRow) {
                const auto cell = std::dynamic_pointer_cast<markup::TextBlock>(
                    grid->FindName(slider::CellTextName(column, cellRow)));
                if (cell && cell->Text() != picker.CellText(column, cellRow))
                    return "cell " + slider::CellTextName(column, cellRow) + " shows " + cell->Text();
            }
        }
        if (picker.DateHeader() && picker.DateHeader()->Text() != selected.LongText())
            return "the header shows " + picker.DateHeader()->Text();
    } catch (const runtime::RuntimeError& failure) {
        return failure.what();
    }
    return "";
}
