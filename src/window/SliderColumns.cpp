// The slider columns, the three of the date and those of the time: a Grid of five rows per
// column, styled by distance from the middle row, with a hidden text that keeps the column as
// wide as its widest value. Values outside the bounds of a dialog are drawn dimmed.

#include "window/SliderColumns.h"

#include "markup/Border.h"
#include "markup/modXaml.h"
#include "platform/Cursors.h"
#include "runtime/Checked.h"
#include "runtime/ClockStyle.h"
#include "runtime/Locale.h"
#include "runtime/RuntimeError.h"
#include "window/DesignColours.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <vector>

using markup::As;
using modXaml::CreateBrush;
using modXaml::CreateThickness;

namespace {

struct RowStyle {
    int32_t FontSize; // points
    int32_t Background;
    float BackgroundTransparency;
    int32_t Foreground;
    float ForegroundTransparency;
};

// Symmetric about the middle row: the further from it, the smaller, paler and fainter.
RowStyle StyleOfRow(int32_t row)
{
    const design::Colours& colours = design::CurrentColours();
    switch (row) {
    case 0:
    case 4: return {7, colours.RowTint, 95, colours.OuterRowText, 0};
    case 1:
    case 3: return {8, colours.RowTint, 90, colours.NearRowText, 0};
    case 2: return {12, colours.SelectedTint, 75, colours.SelectedRowText, 0};
    default: return {0, 0, 0, 0, 0};
    }
}

markup::SolidColorBrushPtr TextBrush(int32_t row, bool dimmed)
{
    const RowStyle style = StyleOfRow(row);
    if (!dimmed)
        return CreateBrush(style.Foreground, style.ForegroundTransparency);
    const design::DimmedInk ink = design::DimmedInkOf(style.Foreground);
    return CreateBrush(ink.Colour, ink.Transparency);
}

markup::SolidColorBrushPtr SeparatorBrush()
{
    return CreateBrush(design::CurrentColours().Separator, design::SeparatorTransparency);
}

std::string CellName(const char* prefix, int32_t column, int32_t row)
{
    return prefix + std::to_string(column) + "_" + std::to_string(row);
}

std::vector<std::string> CandidateTexts(int32_t column, const TimeSlider* time)
{
    std::vector<std::string> candidates;
    if (column == slider::HourColumn && time)
        for (int32_t hour = 0; hour < 24; ++hour)
            candidates.push_back(runtime::HourText(hour, time->Setup().Clock));
    if (column == slider::MinuteColumn)
        candidates.push_back("00");
    if (column == slider::PeriodColumn)
        candidates = {runtime::PeriodName(0), runtime::PeriodName(1)};
    if (column == 0)
        for (int month = 1; month <= 12; ++month)
            candidates.push_back(runtime::MonthName(month));
    if (column == 1)
        for (int day = 1; day <= 31; ++day)
            candidates.push_back(std::to_string(day));
    if (column == 2)
        candidates.push_back("9999");
    return candidates;
}

} // namespace

int32_t SliderColumns::RowFontSize(int32_t row) { return StyleOfRow(row).FontSize; }

markup::SolidColorBrushPtr SliderColumns::RowBackground(int32_t row)
{
    const RowStyle style = StyleOfRow(row);
    return CreateBrush(style.Background, style.BackgroundTransparency);
}

markup::SolidColorBrushPtr SliderColumns::RowForeground(int32_t row) { return TextBrush(row, false); }

int32_t SliderColumns::ColumnAlignment(int32_t column)
{
    // Names read from the left; numbers line up their digits on the right.
    const bool number = column == slider::DayColumn || column == slider::YearColumn || column == slider::HourColumn ||
                        column == slider::MinuteColumn;
    return number ? markup::AlignEnd : markup::AlignStart;
}

void SliderColumns::Place(const slider::ColumnOrder& order, std::vector<int32_t> timeColumns)
{
    order_ = order;
    timeColumns_ = std::move(timeColumns);
}

std::vector<int32_t> SliderColumns::Shown() const
{
    std::vector<int32_t> shown;
    for (int32_t place = 0; place < slider::ColumnCount; ++place)
        shown.push_back(order_.ColumnAt(place));
    shown.insert(shown.end(), timeColumns_.begin(), timeColumns_.end());
    return shown;
}

// A thin line stands between two date columns and between two time columns; the date and the
// time are kept apart by a gap instead.
bool SliderColumns::HasSeparatorAfter(int32_t column) const
{
    if (column < slider::FirstTimeColumn)
        return !order_.IsLast(column);
    return !timeColumns_.empty() && timeColumns_.back() != column;
}

std::shared_ptr<markup::Grid> SliderColumns::BuildSliderColumn(int32_t column, QFont& font, const TimeSlider* time)
{
    const bool separatorAfter = HasSeparatorAfter(column);
    const auto context = label_.MarkupContext();
    const auto grid = As<markup::Grid>(context->CreateObject("Grid"));
    grids_[runtime::CheckedIndex(column, AllColumns)] = grid;
    separated_[column] = separatorAfter;
    grid->SetMargin(context->CreateThicknessObject(0, 0, 0, 0));

    // A line right of every column but the last one shown of the date or of the time parts it
    // from its neighbour.
    if (separatorAfter) {
        const auto separator = As<markup::Border>(context->CreateObject("Border"));
        separator->SetBorderBrush(SeparatorBrush());
        separator->SetBorderThickness(CreateThickness(0, 0, 1, 0));
        grid->Children().Add(separator);
        grid->SetRowSpan(separator, 5);
    }

    for (int32_t row = 0; row < slider::RowCount; ++row) {
        grid->RowDefinitions().Add(As<markup::RowDefinition>(context->CreateObject("RowDefinition")));
        // The selected row is not a choice, so only the other rows show the hand.
        const int32_t cursor = row == slider::SelectedRow() ? platform::IDC_ARROW : platform::IDC_HAND;

        const auto background = As<markup::Border>(context->CreateObject("Border"));
        background->SetName(CellName("Border_", column, row));
        background->SetBackground(RowBackground(row));
        background->SetCursor(cursor);
        background->AddHandler(markup::MouseUpEvent, "CellClicked");
        grid->Children().Add(background);
        grid->SetRow(background, row);

        const auto text = As<markup::TextBlock>(context->CreateObject("TextBlock"));
        text->SetName(CellName("TextArea_", column, row));
        text->SetFontSize(scale_.Pixels(RowFontSize(row)));
        text->SetText("NewItem");
        text->SetForeground(RowForeground(row));
        text->SetPadding(CreateThickness(4, 4, 4, 4));
        text->SetHorizontalAlignment(ColumnAlignment(column));
        text->SetCursor(cursor);
        text->AddHandler(markup::MouseUpEvent, "CellClicked");
        grid->Children().Add(text);
        grid->SetRow(text, row);
    }

    // Hidden, but its space is kept: the column never narrows when a shorter value shows.
    const auto sizing = As<markup::TextBlock>(context->CreateObject("TextBlock"));
    sizing->SetFontSize(scale_.Pixels(RowFontSize(slider::SelectedRow())));
    sizing->SetText(WidestColumnText(column, grid, font, time));
    sizing->SetPadding(CreateThickness(4, 4, 4, 4));
    sizing->SetVisibility(markup::Hidden);
    grid->Children().Add(sizing);
    grid->SetRow(sizing, slider::SelectedRow());
    return grid;
}

std::string SliderColumns::WidestColumnText(int32_t column, const markup::ElementPtr& grid, QFont& font,
                                            const TimeSlider* time) const
{
    const auto middle = grid ? std::dynamic_pointer_cast<markup::TextBlock>(
                                   grid->FindName(CellName("TextArea_", column, slider::SelectedRow())))
                             : nullptr;
    if (!middle)
        return "";

    const std::string family = middle->FontFamily().empty() ? label_.Font().Name : middle->FontFamily();
    font.setFamily(QString::fromStdString(family));
    // Only the order of the widths matters, so the cell's pixel size serves as a point size.
    font.setPointSize(std::max(1, static_cast<int>(runtime::RoundHalfEven(middle->FontSize()))));

    const QFontMetricsF metrics(font);
    std::string bestText;
    double bestWidth = 0;
    for (const std::string& candidate : CandidateTexts(column, time)) {
        const double width = runtime::RoundHalfEven(metrics.horizontalAdvance(QString::fromStdString(candidate)));
        if (width > bestWidth) {
            bestWidth = width;
            bestText = candidate;
        }
    }
    return bestText;
}

// A value that would select a date outside the bounds is drawn dimmed, so the user sees what
// cannot be picked.
void SliderColumns::ShowRefusedValues(const DateSlider& date)
{
    const slider::DateRange range = date.SelectableRange();
    const int32_t selected = date.SelectedRow();
    for (int32_t column = 0; column < slider::ColumnCount; ++column) {
        for (int32_t row = 0; row < slider::RowCount; ++row) {
            std::array<int32_t, slider::ColumnCount> triple{};
            for (int32_t each = 0; each < slider::ColumnCount; ++each)
                triple[each] = date.CellValues()(each == column ? row : selected, each);
            bool refused = false;
            try {
                slider::SelectedDateFor(triple[0], triple[1], triple[2], range);
            } catch (const runtime::RuntimeError&) {
                refused = true;
            }
            ShowCellRefused(column, row, refused);
        }
    }
}

void SliderColumns::ShowRefusedTimes(const TimeSlider& time)
{
    for (const int32_t column : time.Columns())
        for (int32_t row = 0; row < slider::RowCount; ++row) {
            const std::optional<runtime::WallTime> at = time.TimeAtRow(column, row);
            ShowCellRefused(column, row, at && !time.Takes(*at));
        }
}

void SliderColumns::Recolour()
{
    for (int32_t column = 0; column < AllColumns; ++column) {
        const auto& grid = grids_[column];
        if (!grid)
            continue;
        // The separator is the grid's first child, the one border without a name.
        const auto first = std::dynamic_pointer_cast<markup::Border>(grid->Children().Item(0));
        if (separated_[column] && first && first->Name().empty())
            first->SetBorderBrush(SeparatorBrush());
        for (int32_t row = 0; row < slider::RowCount; ++row) {
            if (const auto background = As<markup::Border>(grid->FindName(CellName("Border_", column, row))))
                background->SetBackground(RowBackground(row));
            if (const auto text = As<markup::TextBlock>(grid->FindName(CellName("TextArea_", column, row))))
                text->SetForeground(TextBrush(row, dimmed_[column * slider::RowCount + row]));
        }
    }
}

void SliderColumns::ShowCellRefused(int32_t column, int32_t row, bool refused)
{
    bool& shown = dimmed_[runtime::CheckedIndex(column * slider::RowCount + row, static_cast<int32_t>(dimmed_.size()))];
    const auto& grid = grids_[runtime::CheckedIndex(column, AllColumns)];
    const auto text = grid ? As<markup::TextBlock>(grid->FindName(CellName("TextArea_", column, row))) : nullptr;
    if (refused == shown || !text)
        return;
    shown = refused;
    text->SetForeground(TextBrush(row, refused));
}
