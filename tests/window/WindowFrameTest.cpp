#include "platform/HostWindow.h"
#include "platform/Messages.h"
#include "runtime/Clock.h"
#include "support/TestEnvironment.h"
#include "window/TestForm.h"

#include <cmath>

using namespace platform;

namespace {

float CellFontSize(const TestForm& form, int row)
{
    return std::dynamic_pointer_cast<markup::TextBlock>(
               form.SliderGrids(0)->FindName("TextArea_0_" + std::to_string(row)))
        ->FontSize();
}

QSize RootSize(const Form1& form)
{
    const QSizeF root = form.MarkupLabel1()->RootElement()->DesiredSize();
    return {static_cast<int>(std::ceil(root.width())), static_cast<int>(std::ceil(root.height()))};
}

} // namespace

TEST(WindowFrame, BordersFitTheWindowToItsContentAndAFontScalesEveryText)
{
    TestForm plain;
    plain.Form_Load();
    plain.MarkupLabel1()->UpdateLayout();

    TestForm tight;
    tight.SetBorders(6);
    tight.Form_Load();
    tight.MarkupLabel1()->UpdateLayout();
    EXPECT_EQ(tight.LabelPosition(), QPointF(6, 6));
    EXPECT_EQ(tight.ClientSize(), RootSize(tight) + QSize(12, 12));
    EXPECT_LT(tight.ClientSize().width(), plain.ClientSize().width());

    // One and a half times the design's size: every text grows alike, and the window holds them.
    TestForm large;
    large.SetTextFont("DejaVu Sans Mono", 8.25 * 1.5);
    large.Form_Load();
    large.MarkupLabel1()->UpdateLayout();
    EXPECT_EQ(large.MarkupLabel1()->Font().Name, "DejaVu Sans Mono");
    EXPECT_FLOAT_EQ(large.DateHeader()->FontSize(), plain.DateHeader()->FontSize() * 1.5f);
    for (int row = 0; row < 5; ++row)
        EXPECT_FLOAT_EQ(CellFontSize(large, row), CellFontSize(plain, row) * 1.5f);
    const QSizeF label = large.MarkupLabel1()->Size();
    EXPECT_LE(RootSize(large).width(), label.width());
    EXPECT_LE(RootSize(large).height(), label.height());
    EXPECT_GT(large.ClientSize().width(), plain.ClientSize().width());
}

TEST(WindowFrame, TheTimeoutBarTakesItsOwnStripAndShrinksToNothing)
{
    int64_t now = 1000;
    runtime::UseMilliseconds([&now] { return now; });
    TestForm plain;
    plain.Form_Load();
    TestForm form;
    form.SetTimeoutIndicator(TimeoutSide::Top, 2000);
    form.Form_Load();
    form.Show();
    EXPECT_EQ(form.ClientSize(), plain.ClientSize() + QSize(0, 4));
    EXPECT_EQ(form.LabelPosition(), plain.LabelPosition() + QPointF(0, 4));
    EXPECT_EQ(form.TimeoutIndicatorArea(), QRect(0, 0, form.ClientSize().width(), 4));
    for (const auto& [at, left] :
         {std::pair{1000, 1.0}, std::pair{1500, 0.75}, std::pair{3000, 0.0}, std::pair{9000, 0.0}}) {
        now = at;
        EXPECT_DOUBLE_EQ(form.TimeLeftFraction(), left) << at;
    }
    form.Form_Unload();
    runtime::UseMilliseconds(nullptr);
}

TEST(WindowFrame, LosingTheFocusEndsTheWindowOnlyWhenAsked)
{
    for (const bool closeOnUnfocus : {false, true}) {
        TestForm form;
        form.SetButtons(FormButtons::CancelOk);
        form.SetCloseOnUnfocus(closeOnUnfocus);
        form.Form_Load();
        form.Show();
        SendMessageA(form.hWnd(), WM_ACTIVATE, WA_ACTIVE, 0);
        EXPECT_EQ(form.Result(), DialogResult::None);
        SendMessageA(form.hWnd(), WM_ACTIVATE, WA_INACTIVE, 0);
        EXPECT_EQ(form.Result(), closeOnUnfocus ? DialogResult::Cancel : DialogResult::None);
        form.Form_Unload();
    }
}
