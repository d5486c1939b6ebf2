#include "date/ColumnOrder.h"

#include "runtime/Checked.h"
#include "runtime/Locale.h"
#include "runtime/RuntimeError.h"

#include <algorithm>

namespace slider {

ColumnOrder::ColumnOrder(const std::array<int32_t, ColumnCount>& columns) : columns_(columns)
{
    std::array<int32_t, ColumnCount> sorted = columns;
    std::sort(sorted.begin(), sorted.end());
    if (sorted != std::array<int32_t, ColumnCount>{MonthColumn, DayColumn, YearColumn})
        runtime::Raise(runtime::ErrInvalidCall);
}

ColumnOrder ColumnOrder::OfLanguage() { return ColumnOrder(runtime::DateFieldOrder()); }

int32_t ColumnOrder::ColumnAt(int32_t place) const { return columns_[runtime::CheckedIndex(place, ColumnCount)]; }

int32_t ColumnOrder::PlaceOf(int32_t column) const
{
    runtime::CheckedIndex(column, ColumnCount);
    return static_cast<int32_t>(std::find(columns_.begin(), columns_.end(), column) - columns_.begin());
}

} // namespace slider
