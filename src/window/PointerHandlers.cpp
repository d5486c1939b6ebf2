// Choosing a date with the pointer: a click on a slider cell, or a wheel turn over columns.
// Each builds a new (month, day, year) in which only the affected columns change; over a time
// column, a new time in which only that column's field changes.

#include "window/Form1.h"

#include "runtime/Checked.h"
#include "runtime/RuntimeError.h"
#include "window/SenderName.h"

#include <algorithm>
#include <array>

namespace {

// Sets a flag for the life of a scope and clears it on every way out, failures included.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

void Form1::CellClicked(const markup::ElementPtr& Sender, const std::any&)
{
    const std::vector<std::string> parts = SenderNameParts(Sender);
    if (parts.size() != 3)
        return;
    // The column must read exactly "0" to "5": "00" or " 1" name no column.
    int32_t column = -1;
    for (int32_t candidate = 0; candidate < ColumnStopCount(); ++candidate)
        if (parts[1] == std::to_string(ColumnAtStop(candidate)))
            column = ColumnAtStop(candidate);
    if (column < 0)
        return;
    const int32_t row = runtime::TextToInt32(parts[2]);
    if (column >= slider::FirstTimeColumn) {
        // An empty cell selects nothing; a refused time raises its error, as a refused date does.
        if (const std::optional<runtime::WallTime> time = time_->TimeAtRow(column, row))
            time_->SetTime(*time);
        return;
    }

    const int32_t selected = SelectedRow();
    std::array<int32_t, slider::ColumnCount> triple{};
    for (int32_t each = 0; each < slider::ColumnCount; ++each)
        triple[each] = CellValues()(each == column ? row : selected, each);
    SetDate(triple[0], triple[1], triple[2]);
}

void Form1::MouseWheel(int32_t, int32_t Rotation, int32_t, int32_t)
{
    // SetDate can let a nested wheel message through; that one must change nothing.
    if (inWheel_)
        return;
    const FlagScope inWheel(inWheel_);

    // Towards the user moves on to the next value (the row below), away goes back.
    const int32_t step = Rotation < 0 ? 1 : -1;
    std::array<bool, slider::ColumnCount> hovered{};
    for (int32_t column = 0; column < slider::ColumnCount; ++column) {
        const auto& grid = SliderGrids(column);
        hovered[column] = grid && grid->IsMouseOver();
    }
    SelectNeighbours(hovered, step);
    for (int32_t stop = slider::ColumnCount; stop < ColumnStopCount(); ++stop)
        if (ColumnGrid(ColumnAtStop(stop))->IsMouseOver())
            StepTimeColumn(ColumnAtStop(stop), step);
}

void Form1::StepColumn(int32_t column, int32_t step)
{
    if (column >= slider::FirstTimeColumn && time_) {
        // Only a column the window shows steps: a 24-hour clock has no AM/PM to turn.
        const std::vector<int32_t> shown = time_->Columns();
        if (std::find(shown.begin(), shown.end(), column) == shown.end())
            runtime::Raise(runtime::ErrSubscript);
        StepTimeColumn(column, step < 0 ? -1 : 1);
        return;
    }
    std::array<bool, slider::ColumnCount> columns{};
    columns[runtime::CheckedIndex(column, slider::ColumnCount)] = true;
    SelectNeighbours(columns, step < 0 ? -1 : 1);
}

// Moves the chosen columns to the value one row above (-1) or below (+1) the selected one;
// each column stays within its own cycle. With no column chosen nothing changes.
void Form1::SelectNeighbours(const std::array<bool, slider::ColumnCount>& columns, int32_t step)
{
    const int32_t selected = SelectedRow();
    std::array<int32_t, slider::ColumnCount> triple{};
    bool anyChosen = false;
    for (int32_t column = 0; column < slider::ColumnCount; ++column) {
        triple[column] = CellValues()(columns[column] ? selected + step : selected, column);
        anyChosen = anyChosen || columns[column];
    }
    if (anyChosen)
        SetDate(triple[0], triple[1], triple[2]);
}
