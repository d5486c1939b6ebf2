#include "platform/HostWindow.h"
#include "platform/Messages.h"
#include "support/TestEnvironment.h"
#include "wheel/modHookMouseWheel.h"
#include "app/PickerApplication.h"
#include "window/TestForm.h"

#include <QImage>
#include <QPainter>

using namespace markup;

namespace {

template <typename T>
std::shared_ptr<T> ChildAs(const Panel& panel, size_t index)
{
    return std::dynamic_pointer_cast<T>(panel.Children().Item(index));
}

} // namespace

TEST(LayoutTree, TheHeaderSitsAboveAFrameOfThreeColumnsAndTwoLinkPanels)
{
    TestForm form;
    form.BuildLayout();
    const auto root = std::dynamic_pointer_cast<StackPanel>(form.MarkupLabel1()->RootElement());
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Orientation(), Vertical);
    EXPECT_EQ(root->HorizontalAlignment(), AlignCentre);
    EXPECT_EQ(root->VerticalAlignment(), AlignCentre);
    ASSERT_EQ(root->Children().Count(), 2u);
    EXPECT_EQ(root->Children().Item(0), form.DateHeader());
    EXPECT_EQ(form.DateHeader()->FontWeight(), 700);
    EXPECT_EQ(static_cast<uint32_t>(form.DateHeader()->Foreground()->Color()), 0xFF706050u);

    const auto frame = ChildAs<Border>(*root, 1);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->CornerRadius()->Left, 7);
    EXPECT_EQ(static_cast<uint32_t>(frame->Background()->Color()), 0x1AC0A080u);
    EXPECT_EQ(static_cast<uint32_t>(frame->BorderBrush()->Color()), 0x80C0A080u);
    const auto sliderRow = std::dynamic_pointer_cast<StackPanel>(frame->Child());
    ASSERT_TRUE(sliderRow);
    EXPECT_EQ(sliderRow->Orientation(), Horizontal);
    ASSERT_EQ(sliderRow->Children().Count(), 5u);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(sliderRow->Children().Item(column), form.SliderGrids(column));

    // Every link is in exactly one panel, in ascending order: 0..2 left, 3..8 right.
    const std::vector<std::vector<std::string>> expected = {
        {"SpecialDate_0", "SpecialDate_1", "SpecialDate_2"},
        {"SpecialDate_3", "SpecialDate_4", "SpecialDate_5", "SpecialDate_6", "SpecialDate_7", "SpecialDate_8"}};
    for (size_t panel = 0; panel < 2; ++panel) {
        const auto links = ChildAs<StackPanel>(*sliderRow, 3 + panel);
        ASSERT_TRUE(links);
        std::vector<std::string> names;
        for (const ElementPtr& block : links->Children())
            names.push_back(std::dynamic_pointer_cast<TextBlock>(block)->Inlines().Item(0)->Name());
        EXPECT_EQ(names, expected[panel]);
    }
}

TEST(LayoutTree, AfterLoadEverythingShowsToday)
{
    TestForm form;
    EXPECT_EQ(form.DateHeader(), nullptr);
    form.Form_Load();
    EXPECT_EQ(form.DateHeader()->Text(), "Monday December 7, 2026");
    EXPECT_EQ(form.Shown(0, 2), "December");
    EXPECT_EQ(form.Shown(1, 2), "7");
    EXPECT_EQ(form.Shown(2, 2), "2026");
    EXPECT_EQ(form.Shown(0, 3), "January");
    EXPECT_NE(platform::GetPropA(form.hWnd(), modHookMouseWheel::PrevWndProcProperty), 0);
    form.Form_Unload();
    EXPECT_EQ(platform::GetPropA(form.hWnd(), modHookMouseWheel::PrevWndProcProperty), 0);
}

TEST(LayoutTree, ALoadThatFailsInstallsNoWheelHook)
{
    // On the last day of the calendar today cannot be selected, so the load fails at its end.
    const FixedToday today(Ymd(9999, 12, 31));
    TestForm form;
    EXPECT_RUNTIME_ERROR(form.Form_Load(), runtime::ErrInvalidCall);
    EXPECT_EQ(platform::GetPropA(form.hWnd(), modHookMouseWheel::PrevWndProcProperty), 0);
    EXPECT_EQ(form.DateHeader()->Text(), "") << "the header stays empty until a date is set";
}

TEST(LayoutTree, TheWindowPaintsTheTreeInsideItsMargins)
{
    TestForm form;
    form.Form_Load();
    form.Show();
    ASSERT_TRUE(form.Host());
    EXPECT_EQ(form.Host()->windowTitle(), "Form1");
    EXPECT_EQ(form.Host()->size(), QSize(502, 234));
    EXPECT_EQ(form.MarkupLabel1()->Size(), QSizeF(493, 225));
    EXPECT_EQ(form.LabelPosition(), QPointF(4, 4));

    const QImage image = form.Host()->grab().toImage();
    // The middle row of the month column carries its reddish tint over the frame's blue.
    const QRectF middle = form.SliderGrids(0)->FindName("Border_0_2")->Bounds().translated(form.LabelPosition());
    const QColor tint = image.pixelColor(middle.topLeft().toPoint() + QPoint(2, 2));
    EXPECT_GT(tint.red(), tint.blue()) << tint.name().toStdString();
    const QRectF outer = form.SliderGrids(0)->FindName("Border_0_0")->Bounds().translated(form.LabelPosition());
    const QColor pale = image.pixelColor(outer.topLeft().toPoint() + QPoint(2, 2));
    EXPECT_GT(pale.blue(), pale.red()) << pale.name().toStdString();
    form.Form_Unload();
}

TEST(LayoutTree, AFailedStartIsReportedAndEndsWithAFailureStatus)
{
    const FixedToday today(Ymd(9999, 12, 31));
    testing::internal::CaptureStderr();
    const int status = RunPicker();
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 3);
    EXPECT_EQ(report, "datepicker: the window could not be built: Run-time error 5: Invalid procedure call or argument\n");
}
