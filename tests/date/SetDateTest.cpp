#include "date/DateSlider.h"
#include "support/TestEnvironment.h"

#include <array>
#include <vector>

using slider::CellGrid;

namespace {

// A picker state with the three column grids and the header in place, as the window builds them.
class PickerState : public DateSlider {
public:
    PickerState()
    {
        dateHeader_ = std::make_shared<markup::TextBlock>();
        for (int column = 0; column < 3; ++column) {
            sliderGrids_[column] = std::make_shared<markup::Grid>();
            for (int row = 0; row < 5; ++row) {
                auto cell = std::make_shared<markup::TextBlock>();
                cell->SetName(slider::CellTextName(column, row));
                cell->SetText("NewItem");
                sliderGrids_[column]->Children().Add(cell);
            }
        }
    }

    std::string ShownText(int column, int row) const
    {
        const auto cell = std::dynamic_pointer_cast<markup::TextBlock>(
            SliderGrids(column)->FindName(slider::CellTextName(column, row)));
        return cell->Text();
    }

    std::array<int, 5> Column(int column) const
    {
        std::array<int, 5> values{};
        for (int row = 0; row < 5; ++row)
            values[row] = CellValues()(row, column);
        return values;
    }
};

using Rows = std::array<int, 5>;

} // namespace

TEST(SetDate, FillsTheGridAroundTheSelectedDate)
{
    const struct {
        int month, day, year;
        Rows months, days, years;
    } cases[] = {
        {12, 6, 2026, {10, 11, 12, 1, 2}, {4, 5, 6, 7, 8}, {2024, 2025, 2026, 2027, 2028}},
        {2, 31, 2024, {12, 1, 2, 3, 4}, {27, 28, 29, 1, 2}, {2022, 2023, 2024, 2025, 2026}},
        {2, 29, 2025, {12, 1, 2, 3, 4}, {26, 27, 28, 1, 2}, {2023, 2024, 2025, 2026, 2027}},
        {3, 1, 2025, {1, 2, 3, 4, 5}, {30, 31, 1, 2, 3}, {2023, 2024, 2025, 2026, 2027}},
        {2, 1, 2024, {12, 1, 2, 3, 4}, {28, 29, 1, 2, 3}, {2022, 2023, 2024, 2025, 2026}},
        {2, 2, 2024, {12, 1, 2, 3, 4}, {29, 1, 2, 3, 4}, {2022, 2023, 2024, 2025, 2026}},
        {4, 30, 2024, {2, 3, 4, 5, 6}, {28, 29, 30, 1, 2}, {2022, 2023, 2024, 2025, 2026}},
        {4, 31, 2024, {2, 3, 4, 5, 6}, {28, 29, 30, 1, 2}, {2022, 2023, 2024, 2025, 2026}},
        {1, 15, 2024, {11, 12, 1, 2, 3}, {13, 14, 15, 16, 17}, {2022, 2023, 2024, 2025, 2026}},
        {4, 31, 2025, {2, 3, 4, 5, 6}, {28, 29, 30, 1, 2}, {2023, 2024, 2025, 2026, 2027}},
    };
    for (const auto& c : cases) {
        PickerState state;
        state.SetDate(c.month, c.day, c.year);
        SCOPED_TRACE(std::to_string(c.month) + "/" + std::to_string(c.day) + "/" + std::to_string(c.year));
        EXPECT_EQ(state.Column(0), c.months);
        EXPECT_EQ(state.Column(1), c.days);
        EXPECT_EQ(state.Column(2), c.years);
    }
}

TEST(SetDate, WritesCellTextsAndTheHeader)
{
    PickerState state;
    EXPECT_EQ(state.ShownText(0, 2), "NewItem");
    EXPECT_EQ(state.DateHeader()->Text(), "");

    state.SetDate(2, 31, 2024);
    EXPECT_EQ(state.DateHeader()->Text(), "Thursday February 29, 2024");
    const std::vector<std::string> months = {"December", "January", "February", "March", "April"};
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(state.ShownText(0, row), months[row]);
    EXPECT_EQ(state.ShownText(1, 2), "29");
    EXPECT_EQ(state.ShownText(1, 3), "1");
    EXPECT_EQ(state.ShownText(2, 0), "2022");
    EXPECT_EQ(state.CellText(0, 2), "February");

    state.SetDate(2, 29, 2025);
    EXPECT_EQ(state.DateHeader()->Text(), "Friday February 28, 2025");
    state.SetDate(12, 6, 2026);
    EXPECT_EQ(state.DateHeader()->Text(), "Sunday December 6, 2026");
}

TEST(SetDate, SelectingTheSameDateChangesNothing)
{
    PickerState state;
    state.SetDate(3, 1, 2025);
    const CellGrid before = state.CellValues();
    const std::string header = state.DateHeader()->Text();
    state.SetDate(3, 1, 2025);
    EXPECT_EQ(state.CellValues(), before);
    EXPECT_EQ(state.DateHeader()->Text(), header);
}

TEST(SetDate, AMissingCellIsSkippedAndTheRestIsWritten)
{
    DateSlider bare;
    bare.SetDate(12, 6, 2026); // no tree at all: only the values change
    EXPECT_EQ(bare.CellValues()(2, 2), 2026);

    PickerState state;
    state.SliderGrids(1)->FindName("TextArea_1_3")->SetName("Renamed");
    state.SetDate(12, 6, 2026);
    EXPECT_EQ(state.ShownText(1, 4), "8");
    EXPECT_EQ(state.ShownText(2, 2), "2026");
    EXPECT_EQ(state.DateHeader()->Text(), "Sunday December 6, 2026");
}

TEST(SetDate, RefusedSelectionsLeaveEverythingAsItWas)
{
    const struct {
        int month, day, year, error;
    } cases[] = {
        {1, 1, 32768, runtime::ErrOverflow},   // the 16-bit narrowing comes first
        {40000, 1, 2024, runtime::ErrOverflow},
        {1, -40000, 2024, runtime::ErrOverflow},
        {6, 15, 999, runtime::ErrInvalidCall}, // before the first selectable year
        {6, 15, 9998, runtime::ErrInvalidCall}, // past the last one
        {1, 15, 9997 + 1, runtime::ErrInvalidCall},
        {13, 32, 2024, runtime::ErrInvalidCall}, // a clamped day of a month that does not exist
        {13, 1, 9997, runtime::ErrInvalidCall},  // carried into a year out of reach
        {6, 15, 50, runtime::ErrInvalidCall},
    };
    for (const auto& c : cases) {
        PickerState state;
        state.SetDate(5, 17, 2025);
        const CellGrid before = state.CellValues();
        EXPECT_RUNTIME_ERROR(state.SetDate(c.month, c.day, c.year), c.error);
        EXPECT_EQ(state.CellValues(), before);
        EXPECT_EQ(state.ShownText(1, 2), "17");
        EXPECT_EQ(state.DateHeader()->Text(), "Saturday May 17, 2025");
    }
}

TEST(SetDate, ANarrowedRangeRefusesTheSameWayAndKeepsItsOwnBounds)
{
    PickerState state;
    state.SetSelectableRange({Ymd(2025, 3, 10), Ymd(2025, 6, 20)});
    state.SetDate(5, 17, 2025);
    const CellGrid before = state.CellValues();
    for (const auto& [month, day, year] : {std::array{3, 9, 2025}, {6, 21, 2025}, {6, 31, 2025}, {5, 17, 2026}, {5, 17, 2024}}) {
        EXPECT_RUNTIME_ERROR(state.SetDate(month, day, year), runtime::ErrInvalidCall);
        EXPECT_EQ(state.CellValues(), before);
        EXPECT_EQ(state.DateHeader()->Text(), "Saturday May 17, 2025");
    }
    state.SetDate(3, 10, 2025);
    EXPECT_EQ(state.SelectedDate(), Ymd(2025, 3, 10));
    state.SetDate(6, 20, 2025);
    EXPECT_EQ(state.SelectedDate(), Ymd(2025, 6, 20));
}

TEST(SetDate, EveryDayOfTheSelectableYearsWorks)
{
    PickerState state;
    for (int day : {1, 2, 28, 31}) {
        state.SetDate(1, day, 1000);
        EXPECT_EQ(state.CellValues()(2, 2), 1000);
        state.SetDate(12, day, 9997);
        EXPECT_EQ(state.CellValues()(4, 2), 9999);
    }
    // A month past December carries into the next year; a day the month lacks is clamped.
    state.SetDate(13, 31, 2024);
    EXPECT_EQ(state.DateHeader()->Text(), "Friday January 31, 2025");
    state.SetDate(12, 32, 9997);
    EXPECT_EQ(state.DateHeader()->Text(), "Wednesday December 31, 9997");
    state.SetDate(12, 31, 1000);
    EXPECT_EQ(state.DateHeader()->Text(), "Wednesday December 31, 1000");
}

TEST(SetDate, GridIndexesAreChecked)
{
    PickerState state;
    state.SetDate(12, 6, 2026);
    EXPECT_RUNTIME_ERROR(state.CellText(3, 0), runtime::ErrSubscript);
    EXPECT_RUNTIME_ERROR(state.CellText(0, 5), runtime::ErrSubscript);
    EXPECT_RUNTIME_ERROR(state.CellText(-1, 0), runtime::ErrSubscript);
    EXPECT_RUNTIME_ERROR(state.SliderGrids(3), runtime::ErrSubscript);
    EXPECT_EQ(state.SelectedRow(), 2);
}
