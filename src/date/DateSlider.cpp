#include "date/DateSlider.h"

#include "runtime/Checked.h"
#include "runtime/RuntimeError.h"

#include <utility>

using slider::ColumnCount;
using slider::RowCount;

const std::shared_ptr<markup::Grid>& DateSlider::SliderGrids(int32_t column) const
{
    return sliderGrids_[runtime::CheckedIndex(column, ColumnCount)];
}

std::string DateSlider::CellText(int32_t column, int32_t row) const
{
    return slider::CellText(cellValues_, column, row);
}

runtime::Date DateSlider::SelectedDate() const
{
    const int32_t row = SelectedRow();
    if (cellValues_(row, slider::MonthColumn) == 0)
        runtime::Raise(runtime::ErrInvalidCall);
    return runtime::Date::FromParts(cellValues_(row, slider::YearColumn), cellValues_(row, slider::MonthColumn),
                                    cellValues_(row, slider::DayColumn));
}

void DateSlider::SetDate(int32_t month, int32_t day, int32_t year)
{
    // Everything that can fail happens before the first write.
    const runtime::Date selected = LandingDate(slider::SelectedDateFor(month, day, year, selectableRange_));
    const slider::CellGrid values = slider::ValuesFor(selected);
    std::array<std::string, RowCount * ColumnCount> cellTexts;
    for (int32_t column = 0; column < ColumnCount; ++column)
        for (int32_t row = 0; row < RowCount; ++row)
            cellTexts[column * RowCount + row] = slider::CellText(values, column, row);
    const std::string header = HeaderText(selected);

    const slider::CellGrid previous = std::exchange(cellValues_, values);
    WriteTexts(cellTexts, header);
    SelectionChanged(previous);
}

void DateSlider::WriteTexts(const std::array<std::string, RowCount * ColumnCount>& cellTexts,
                            const std::string& header)
{
    for (int32_t column = 0; column < ColumnCount; ++column) {
        const auto& grid = sliderGrids_[column];
        if (!grid)
            continue;
        for (int32_t row = 0; row < RowCount; ++row) {
            // A cell that cannot be found is skipped; the others are still written.
            const auto cell = std::dynamic_pointer_cast<markup::TextBlock>(grid->FindName(slider::CellTextName(column, row)));
            if (cell)
                cell->SetText(cellTexts[column * RowCount + row]);
        }
    }
    if (dateHeader_)
        dateHeader_->SetText(header);
}

bool DateSlider::Bounded() const
{
    const slider::DateRange all = slider::SelectableYears();
    return selectableRange_.First != all.First || selectableRange_.Last != all.Last;
}

void DateSlider::SelectRow(int32_t column, int32_t row)
{
    std::array<int32_t, slider::ColumnCount> triple{};
    for (int32_t each = 0; each < slider::ColumnCount; ++each)
        triple[each] = CellValues()(each == column ? row : SelectedRow(), each);
    SetDate(triple[0], triple[1], triple[2]);
}

void DateSlider::SelectNeighbours(const std::array<bool, slider::ColumnCount>& columns, int32_t step)
{
    std::array<bool, slider::ColumnCount> none{};
    if (columns == none)
        return;
    std::array<int32_t, slider::ColumnCount> triple{};
    for (int32_t column = 0; column < slider::ColumnCount; ++column)
        triple[column] = CellValues()(columns[column] ? SelectedRow() + step : SelectedRow(), column);
    SetDate(triple[0], triple[1], triple[2]);
}
