#include "markup/modXaml.h"
#include "platform/Cursors.h"
#include "runtime/Locale.h"
#include "support/TestEnvironment.h"
#include "window/TestForm.h"

#include <QFontMetricsF>

using namespace markup;

namespace {

uint32_t ColourOf(const SolidColorBrushPtr& brush) { return static_cast<uint32_t>(brush->Color()); }

class Columns : public testing::Test {
protected:
    void SetUp() override
    {
        for (int column = 0; column < 3; ++column)
            form.BuildSliderColumn(column);
    }
    TestForm form;
};

} // namespace

TEST_F(Columns, EachColumnHasItsRowsNamedCellsAndHiddenSizingText)
{
    for (int column = 0; column < 3; ++column) {
        SCOPED_TRACE(column);
        const auto& grid = form.SliderGrids(column);
        EXPECT_EQ(grid->RowDefinitions().Count(), 5u);
        EXPECT_EQ(grid->Children().Count(), column < 2 ? 12u : 11u);
        size_t next = 0;
        if (column < 2) {
            const auto separator = std::dynamic_pointer_cast<Border>(grid->Children().Item(next++));
            ASSERT_TRUE(separator);
            EXPECT_EQ(grid->RowSpanOf(*separator), 5);
            EXPECT_EQ(separator->BorderThickness()->Right, 1);
            EXPECT_EQ(ColourOf(separator->BorderBrush()), 0x1A000000u);
            EXPECT_EQ(separator->Name(), "");
        }
        for (int row = 0; row < 5; ++row) {
            const auto background = std::dynamic_pointer_cast<Border>(grid->Children().Item(next++));
            const auto text = std::dynamic_pointer_cast<TextBlock>(grid->Children().Item(next++));
            ASSERT_TRUE(background && text);
            const std::string suffix = std::to_string(column) + "_" + std::to_string(row);
            EXPECT_EQ(background->Name(), "Border_" + suffix);
            EXPECT_EQ(text->Name(), "TextArea_" + suffix);
            EXPECT_EQ(grid->RowOf(*background), row);
            EXPECT_EQ(grid->RowOf(*text), row);
            const int32_t cursor = row == 2 ? platform::IDC_ARROW : platform::IDC_HAND;
            EXPECT_EQ(background->Cursor(), cursor);
            EXPECT_EQ(text->Cursor(), cursor);
            EXPECT_EQ(*background->HandlerFor(MouseUpEvent), "CellClicked");
            EXPECT_EQ(*text->HandlerFor(MouseUpEvent), "CellClicked");
            EXPECT_EQ(text->Text(), "NewItem");
            EXPECT_EQ(text->HorizontalAlignment(), column == 0 ? AlignStart : AlignEnd);
            EXPECT_EQ(text->Padding()->Left, 4);
        }
        const auto sizing = std::dynamic_pointer_cast<TextBlock>(grid->Children().Item(next++));
        ASSERT_TRUE(sizing);
        EXPECT_EQ(sizing->Name(), "");
        EXPECT_EQ(sizing->Visibility(), Hidden);
        EXPECT_EQ(sizing->HandlerFor(MouseUpEvent), nullptr);
        EXPECT_EQ(grid->RowOf(*sizing), 2);
        EXPECT_FLOAT_EQ(sizing->FontSize(), 16);
    }
}

TEST_F(Columns, RowsAreStyledByDistanceFromTheMiddle)
{
    const float pixels[] = {9.333333f, 10.666667f, 16, 10.666667f, 9.333333f};
    const uint32_t backgrounds[] = {0x0D805020, 0x1A805020, 0x40404080, 0x1A805020, 0x0D805020};
    const uint32_t foregrounds[] = {0xFF908070, 0xFF605040, 0xFF000000, 0xFF605040, 0xFF908070};
    const auto& grid = form.SliderGrids(1);
    for (int row = 0; row < 5; ++row) {
        const auto background = std::dynamic_pointer_cast<Border>(grid->FindName("Border_1_" + std::to_string(row)));
        const auto text = std::dynamic_pointer_cast<TextBlock>(grid->FindName("TextArea_1_" + std::to_string(row)));
        EXPECT_FLOAT_EQ(text->FontSize(), pixels[row]) << row;
        EXPECT_EQ(ColourOf(background->Background()), backgrounds[row]) << row;
        EXPECT_EQ(ColourOf(text->Foreground()), foregrounds[row]) << row;
    }
    // Rows outside the column have no style of their own.
    EXPECT_EQ(SliderColumns::RowFontSize(5), 0);
    EXPECT_EQ(ColourOf(SliderColumns::RowBackground(-1)), 0xFF000000u);
    EXPECT_EQ(SliderColumns::ColumnAlignment(7), AlignStart);
}

TEST_F(Columns, TheSizingTextIsTheWidestValueFirstAmongEquals)
{
    EXPECT_EQ(form.WidestColumnText(2), "9999");
    EXPECT_EQ(form.Font().pointSize(), 16) << "the cell's pixel size serves as a point size";

    // Measured independently in the same font: no earlier candidate is as wide, no later one wider.
    auto check = [&](int column, const std::vector<std::string>& candidates) {
        const std::string widest = form.WidestColumnText(column);
        const QFontMetricsF metrics(form.Font());
        auto width = [&](const std::string& text) { return std::nearbyint(metrics.horizontalAdvance(QString::fromStdString(text))); };
        const auto at = std::find(candidates.begin(), candidates.end(), widest);
        ASSERT_NE(at, candidates.end()) << widest;
        for (auto other = candidates.begin(); other != candidates.end(); ++other) {
            if (other < at)
                EXPECT_LT(width(*other), width(widest)) << *other;
            else
                EXPECT_LE(width(*other), width(widest)) << *other;
        }
    };
    std::vector<std::string> months;
    for (int month = 1; month <= 12; ++month)
        months.push_back(runtime::MonthName(month));
    std::vector<std::string> days;
    for (int day = 1; day <= 31; ++day)
        days.push_back(std::to_string(day));
    check(0, months);
    check(1, days);

    EXPECT_RUNTIME_ERROR(form.WidestColumnText(3), runtime::ErrSubscript);
    EXPECT_RUNTIME_ERROR(form.BuildSliderColumn(-1), runtime::ErrSubscript);
}

TEST(ColumnsBeforeBuilding, AMissingMiddleCellGivesNoSizingText)
{
    TestForm form;
    EXPECT_EQ(form.WidestColumnText(0), "");
}
