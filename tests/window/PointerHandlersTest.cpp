#include "platform/HostWindow.h"
#include "platform/Messages.h"
#include "support/TestEnvironment.h"
#include "window/TestForm.h"

#include <QApplication>
#include <QEnterEvent>
#include <QWheelEvent>

namespace {

class PointerHandlers : public testing::Test {
protected:
    void SetUp() override { form.BuildLayout(); }
    TestForm form;
};

} // namespace

TEST_F(PointerHandlers, ACellClickSelectsItsValueWithinItsColumn)
{
    const struct {
        int month, day, year;
        const char* cell;
        const char* selected;
    } cases[] = {
        {3, 31, 2025, "Border_0_1", "2/28/2025"},  {3, 31, 2025, "TextArea_0_0", "1/31/2025"},
        {3, 1, 2025, "TextArea_1_0", "3/30/2025"}, {2, 29, 2024, "Border_2_3", "2/28/2025"},
        {12, 6, 2026, "Border_1_4", "12/8/2026"},  {12, 6, 2026, "TextArea_1_4", "12/8/2026"},
        {12, 6, 2026, "Border_0_2", "12/6/2026"},  {12, 6, 2026, "Whatever_2_0", "12/6/2024"},
    };
    for (const auto& c : cases) {
        form.Select(c.month, c.day, c.year);
        form.ClickCell(c.cell);
        EXPECT_EQ(form.Selected(), c.selected) << c.cell;
    }
    // A day that was clamped stays clamped: 31 January, then February, then March.
    form.Select(1, 31, 2025);
    form.ClickCell("Border_0_3");
    form.ClickCell("Border_0_3");
    EXPECT_EQ(form.Selected(), "3/28/2025");
}

TEST_F(PointerHandlers, OddCellNamesChangeNothing)
{
    form.Select(12, 6, 2026);
    for (const char* ignored : {"", "Border", "Border_1", "Border_1_2_3", "Border_3_1", "Border_01_1", "Border_ 1_1",
                                "Border_-0_1", "SpecialDate_1"})
        form.ClickCell(ignored);
    form.CellClicked(nullptr, std::any());
    EXPECT_EQ(form.Selected(), "12/6/2026");

    EXPECT_RUNTIME_ERROR(form.ClickCell("Border_1_x"), runtime::ErrTypeMismatch);
    EXPECT_RUNTIME_ERROR(form.ClickCell("Border_1_"), runtime::ErrTypeMismatch);
    EXPECT_RUNTIME_ERROR(form.ClickCell("Border_1_5"), runtime::ErrSubscript);
    EXPECT_RUNTIME_ERROR(form.ClickCell("Border_1_-1"), runtime::ErrSubscript);
    EXPECT_EQ(form.Selected(), "12/6/2026");
    EXPECT_EQ(form.DateHeader()->Text(), "Sunday December 6, 2026");
}

TEST_F(PointerHandlers, TheWheelMovesTheHoveredColumnOneStepInItsOwnCycle)
{
    const struct {
        int month, day, year, column, rotation;
        const char* selected;
    } cases[] = {
        {12, 31, 2025, 1, -120, "12/1/2025"}, // towards the user: the next day, wrapping in the month
        {12, 15, 2025, 0, -120, "1/15/2025"}, // the month wraps without touching the year
        {6, 10, 2025, 2, 120, "6/10/2024"},   // away from the user: the previous year
        {6, 10, 2025, 2, 0, "6/10/2024"},
        {1, 31, 2025, 0, -120, "2/28/2025"},
    };
    for (const auto& c : cases) {
        form.Select(c.month, c.day, c.year);
        form.HoverColumn(c.column);
        form.MouseWheel(0, c.rotation, 0, 0);
        EXPECT_EQ(form.Selected(), c.selected) << c.column << " " << c.rotation;
        EXPECT_FALSE(form.InWheel());
    }
}

TEST_F(PointerHandlers, AWheelTurnOverNoColumnChangesNothing)
{
    form.Select(6, 10, 2025);
    form.MarkupLabel1()->MouseMove(QPointF(1, 1));
    form.MouseWheel(0, -120, 0, 0);
    form.MarkupLabel1()->MouseLeave();
    form.HoverColumn(2);
    form.MarkupLabel1()->MouseLeave();
    form.MouseWheel(0, -120, 0, 0);
    EXPECT_EQ(form.Selected(), "6/10/2025");
}

TEST_F(PointerHandlers, TheWheelStopsAtTheEndsOfTheYearsAndKeepsWorking)
{
    form.Select(6, 10, 9997);
    form.HoverColumn(2);
    EXPECT_RUNTIME_ERROR(form.MouseWheel(0, -120, 0, 0), runtime::ErrInvalidCall);
    EXPECT_FALSE(form.InWheel());
    EXPECT_EQ(form.Selected(), "6/10/9997");
    form.MouseWheel(0, 120, 0, 0);
    EXPECT_EQ(form.Selected(), "6/10/9996");

    form.Select(1, 1, 1000);
    EXPECT_RUNTIME_ERROR(form.MouseWheel(0, 120, 0, 0), runtime::ErrInvalidCall);
    EXPECT_EQ(form.Selected(), "1/1/1000");
    form.MouseWheel(0, -120, 0, 0);
    EXPECT_EQ(form.Selected(), "1/1/1001");
}

TEST_F(PointerHandlers, AWheelMessageDuringAnotherHasNoEffect)
{
    form.Select(6, 10, 2025);
    form.HoverColumn(2);
    // The label reports its change while SetDate writes; a wheel message handled there is nested.
    int nested = 0;
    form.MarkupLabel1()->SetChangeListener([&] {
        if (nested++ == 0) {
            EXPECT_TRUE(form.InWheel());
            form.MouseWheel(0, -120, 0, 0);
        }
    });
    form.MouseWheel(0, -120, 0, 0);
    form.MarkupLabel1()->SetChangeListener(nullptr);
    EXPECT_GT(nested, 0);
    EXPECT_EQ(form.Selected(), "6/10/2026");
}

TEST(PointerEntering, AWindowOpenedUnderAStillPointerTakesTheWheelAtOnce)
{
    TestForm form;
    form.Form_Load();
    form.Show();
    form.Select(6, 10, 2025);
    form.MarkupLabel1()->UpdateLayout();
    platform::HostWindow& host = *form.Host();
    const QPointF at = form.SliderGrids(1)->Bounds().center() + form.LabelPosition();
    const QPointF onScreen = host.mapToGlobal(at);
    QEnterEvent enter(at, at, onScreen);
    QApplication::sendEvent(&host, &enter);
    QWheelEvent wheel(at, onScreen, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&host, &wheel);
    EXPECT_EQ(form.Selected(), "6/11/2025");
    form.Form_Unload();
}
