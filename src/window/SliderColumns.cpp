// The slider columns, the three of the date and those of the time: a Grid of five rows per
// column, styled by distance from the middle row, with a hidden text that keeps the column as
// wide as its widest value. Values outside the bounds of a dialog are drawn dimmed.

#include "window/Form1.h"

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

int32_t Form1::RowFontSize(int32_t row) const { return StyleOfRow(row).FontSize; }

markup::SolidColorBrushPtr Form1::RowBackground(int32_t row) const
{
    const RowStyle style = StyleOfRow(row);
    return CreateBrush(style.Background, style.BackgroundTransparency);
}

markup::SolidColorBrushPtr Form1::RowForeground(int32_t row) const { return TextBrush(row, false); }

int32_t Form1::ColumnAlignment(int32_t column) const
{
    // Names read from the left; numbers line up their digits on the right.
    const bool number = column == slider::DayColumn || column == slider::YearColumn || column == slider::HourColumn ||
                        column == slider::MinuteColumn;
    return number ? markup::AlignEnd : markup::AlignStart;
}

void Form1::BuildSliderColumn(int32_t column)
{
    const auto context = markupLabel1_->MarkupContext();
    const auto grid = As<markup::Grid>(context->CreateObject("Grid"));
    StoreColumnGrid(column, grid);
    grid->SetMargin(context->CreateThicknessObject(0, 0, 0, 0));

    // A line right of every column but the last one shown of the date or of the time parts it
    // from its neighbour.
    if (HasSeparatorAfter(column)) {
        const auto separator = As<markup::Border>(context->CreateObject("Border"));
        separator->SetBorderBrush(SeparatorBrush());
        separator->SetBorderThickness(CreateThickness(0, 0, 1, 0));
        grid->Children().Add(separator);
        grid->SetRowSpan(separator, 5);
    }

    for (int32_t row = 0; row < slider::RowCount; ++row) {
        grid->RowDefinitions().Add(As<markup::RowDefinition>(context->CreateObject("RowDefinition")));
        // The selected row is not a choice, so only the other rows show the hand.
        const int32_t cursor = row == SelectedRow() ? platform::IDC_ARROW : platform::IDC_HAND;

        const auto background = As<markup::Border>(context->CreateObject("Border"));
        background->SetName(CellName("Border_", column, row));
        background->SetBackground(RowBackground(row));
        background->SetCursor(cursor);
        background->AddHandler(markup::MouseUpEvent, "CellClicked");
        grid->Children().Add(background);
        grid->SetRow(background, row);

        const auto text = As<markup::TextBlock>(context->CreateObject("TextBlock"));
        text->SetName(CellName("TextArea_", column, row));
        text->SetFontSize(TextPixels(RowFontSize(row)));
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
    sizing->SetFontSize(TextPixels(RowFontSize(SelectedRow())));
    sizing->SetText(WidestColumnText(column));
    sizing->SetPadding(CreateThickness(4, 4, 4, 4));
    sizing->SetVisibility(markup::Hidden);
    grid->Children().Add(sizing);
    grid->SetRow(sizing, SelectedRow());
}

void Form1::StoreColumnGrid(int32_t column, std::shared_ptr<markup::Grid> grid)
{
    if (column >= slider::FirstTimeColumn && time_)
        time_->SetTimeGrid(column, std::move(grid));
    else
        sliderGrids_[runtime::CheckedIndex(column, slider::ColumnCount)] = std::move(grid);
}

markup::ElementPtr Form1::ColumnGrid(int32_t column) const
{
    // Without time columns, a column past the date's is out of range, as it always was.
    if (column < slider::FirstTimeColumn || !time_)
        return SliderGrids(column);
    return time_->TimeGrids(column);
}

// A thin line stands between two date columns and between two time columns; the date and the
// time are kept apart by a gap instead.
bool Form1::HasSeparatorAfter(int32_t column) const
{
    if (column < slider::FirstTimeColumn)
        return !columnOrder_.IsLast(column);
    const std::vector<int32_t> shown = time_ ? time_->Columns() : std::vector<int32_t>{};
    return !shown.empty() && shown.back() != column;
}

std::string Form1::WidestColumnText(int32_t column)
{
    const auto grid = ColumnGrid(column);
    const auto middle = grid ? std::dynamic_pointer_cast<markup::TextBlock>(
                                   grid->FindName(CellName("TextArea_", column, SelectedRow())))
                             : nullptr;
    if (!middle)
        return "";

    const std::string family = middle->FontFamily().empty() ? markupLabel1_->Font().Name : middle->FontFamily();
    font_.setFamily(QString::fromStdString(family));
    // Only the order of the widths matters, so the cell's pixel size serves as a point size.
    font_.setPointSize(std::max(1, static_cast<int>(runtime::RoundHalfEven(middle->FontSize()))));

    const QFontMetricsF metrics(font_);
    std::string bestText;
    double bestWidth = 0;
    for (const std::string& candidate : CandidateTexts(column, time_.get())) {
        const double width = runtime::RoundHalfEven(metrics.horizontalAdvance(QString::fromStdString(candidate)));
        if (width > bestWidth) {
            bestWidth = width;
            bestText = candidate;
        }
    }
    return bestText;
}

// With bounds set, a value that would select a date outside them is drawn dimmed, so the user
// sees what cannot be picked. Without bounds every value can be picked and nothing is touched.
bool Form1::Bounded() const
{
    const slider::DateRange range = SelectableRange();
    const slider::DateRange all = slider::SelectableYears();
    return range.First != all.First || range.Last != all.Last;
}

void Form1::ShowRefusedValues()
{
    if (!Bounded())
        return;
    const slider::DateRange range = SelectableRange();
    const int32_t selected = SelectedRow();
    for (int32_t column = 0; column < slider::ColumnCount; ++column) {
        for (int32_t row = 0; row < slider::RowCount; ++row) {
            std::array<int32_t, slider::ColumnCount> triple{};
            for (int32_t each = 0; each < slider::ColumnCount; ++each)
                triple[each] = CellValues()(each == column ? row : selected, each);
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

// Every column shown, of the date and of the time, takes the scheme's colours.
void Form1::RecolourSliderColumns()
{
    for (int32_t stop = 0; stop < ColumnStopCount(); ++stop) {
        const int32_t column = ColumnAtStop(stop);
        const auto grid = std::dynamic_pointer_cast<markup::Grid>(ColumnGrid(column));
        if (!grid)
            continue;
        // The separator is the grid's first child, the one border without a name.
        const auto first = std::dynamic_pointer_cast<markup::Border>(grid->Children().Item(0));
        if (HasSeparatorAfter(column) && first && first->Name().empty())
            first->SetBorderBrush(SeparatorBrush());
        for (int32_t row = 0; row < slider::RowCount; ++row) {
            if (const auto background = As<markup::Border>(grid->FindName(CellName("Border_", column, row))))
                background->SetBackground(RowBackground(row));
            if (const auto text = As<markup::TextBlock>(grid->FindName(CellName("TextArea_", column, row))))
                text->SetForeground(TextBrush(row, dimmed_[column * slider::RowCount + row]));
        }
    }
}

// A time the bounds exclude or the local clock skips that day is dimmed as well.
void Form1::ShowRefusedTimes()
{
    for (const int32_t column : time_->Columns())
        for (int32_t row = 0; row < slider::RowCount; ++row) {
            const std::optional<runtime::WallTime> time = time_->TimeAtRow(column, row);
            ShowCellRefused(column, row, time && !time_->Takes(*time));
        }
}

void Form1::ShowCellRefused(int32_t column, int32_t row, bool refused)
{
    bool& shown = dimmed_[runtime::CheckedIndex(column * slider::RowCount + row, static_cast<int32_t>(dimmed_.size()))];
    const auto grid = ColumnGrid(column);
    const auto text = grid ? As<markup::TextBlock>(grid->FindName(CellName("TextArea_", column, row))) : nullptr;
    if (refused == shown || !text)
        return;
    shown = refused;
    text->SetForeground(TextBrush(row, refused));
}
