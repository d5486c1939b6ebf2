#include "markup/Grid.h"
#include "platform/HostWindow.h"
#include "platform/Messages.h"
#include "runtime/Clock.h"
#include "support/TestEnvironment.h"
#include "window/TestForm.h"

#include <algorithm>
#include <cmath>
#include <tuple>

using namespace platform;

TEST(WindowFrame, BordersFitTheWindowToItsContentAndAFontScalesEveryText)
{
    TestForm plain;
    plain.Form_Load();
    FormSetup tightSetup;
    tightSetup.Borders = 6;
    TestForm tight(std::move(tightSetup));
    tight.Form_Load();
    tight.MarkupLabel1()->UpdateLayout();
    const QSizeF root = tight.MarkupLabel1()->RootElement()->DesiredSize();
    EXPECT_EQ(tight.LabelPosition(), QPointF(6, 6));
    EXPECT_EQ(tight.ClientSize(), QSize(int(std::ceil(root.width())) + 12, int(std::ceil(root.height())) + 12));

    // One and a half times the design's size: the texts grow alike, and the window holds them.
    FormSetup largeSetup;
    largeSetup.FontFamily = "DejaVu Sans Mono";
    largeSetup.FontPoints = 8.25 * 1.5;
    largeSetup.ShowWeeks = true;
    TestForm large(std::move(largeSetup));
    large.Form_Load();
    large.MarkupLabel1()->UpdateLayout();
    EXPECT_EQ(large.MarkupLabel1()->Font().Name, "DejaVu Sans Mono");
    EXPECT_FLOAT_EQ(large.DateHeader()->FontSize(), plain.DateHeader()->FontSize() * 1.5f);
    const auto weekLine = std::dynamic_pointer_cast<markup::Grid>(large.Note().Element())->Children().Item(0);
    EXPECT_FLOAT_EQ(std::dynamic_pointer_cast<markup::TextBlock>(weekLine)->FontSize(), large.DateHeader()->FontSize());
    const QSizeF largeRoot = large.MarkupLabel1()->RootElement()->DesiredSize();
    EXPECT_LE(largeRoot.width(), large.MarkupLabel1()->Size().width());
    EXPECT_LE(largeRoot.height(), large.MarkupLabel1()->Size().height());

    // The margins around the content grow with the font.
    plain.MarkupLabel1()->UpdateLayout();
    const auto margins = [](const TestForm& form) {
        const QRectF content = form.MarkupLabel1()->RootElement()->Bounds().translated(form.LabelPosition());
        return QMarginsF(content.left(), content.top(), form.ClientSize().width() - content.right(),
                         form.ClientSize().height() - content.bottom());
    };
    const QMarginsF spare = margins(large) - margins(plain) * 1.25;
    EXPECT_GE(std::min({spare.left(), spare.top(), spare.right(), spare.bottom()}), 0);
}

TEST(WindowFrame, TheTimeoutBarTakesItsOwnStripAndShrinksToNothing)
{
    int64_t now = 1000;
    runtime::UseMilliseconds([&now] { return now; });
    TestForm plain;
    plain.Form_Load();
    FormSetup setup;
    setup.Dialog.TimeoutBarSide = TimeoutSide::Top;
    setup.Dialog.TimeoutMilliseconds = 2000;
    TestForm form(std::move(setup));
    form.Form_Load();
    form.Show();
    EXPECT_EQ(form.ClientSize(), plain.ClientSize() + QSize(0, 4));
    EXPECT_EQ(form.LabelPosition(), plain.LabelPosition() + QPointF(0, 4));
    EXPECT_EQ(form.TimeoutIndicator().Area(form.Host()->size()), QRect(0, 0, form.ClientSize().width(), 4));
    for (const auto& [at, left] : {std::pair{1000, 1.0}, std::pair{1500, 0.75}, std::pair{9000, 0.0}}) {
        now = at;
        EXPECT_DOUBLE_EQ(form.TimeoutIndicator().TimeLeftFraction(), left) << at;
    }
    form.Form_Unload();
    runtime::UseMilliseconds(nullptr);
}

TEST(WindowFrame, LosingTheFocusEndsTheWindowOnlyWhenAsked)
{
    // Whatever Escape does, losing the focus declines: nobody accepted the date.
    const std::tuple<bool, EscapeKey, DialogResult> cases[] = {
        {false, EscapeKey::Decline, DialogResult::None},  {true, EscapeKey::Decline, DialogResult::Cancel},
        {true, EscapeKey::Accept, DialogResult::Cancel}, {true, EscapeKey::Nothing, DialogResult::Cancel},
    };
    for (const auto& [closeOnUnfocus, escape, result] : cases) {
        FormSetup setup;
        setup.Dialog = DialogSetup::CancelOk();
        setup.Dialog.Escape = escape;
        setup.Dialog.CloseOnUnfocus = closeOnUnfocus;
        TestForm form(std::move(setup));
        form.Form_Load();
        form.Show();
        SendMessageA(form.hWnd(), WM_ACTIVATE, WA_ACTIVE, 0);
        EXPECT_EQ(form.Dialog().Result(), DialogResult::None);
        SendMessageA(form.hWnd(), WM_ACTIVATE, WA_INACTIVE, 0);
        EXPECT_EQ(form.Dialog().Result(), result) << closeOnUnfocus << " " << static_cast<int>(escape);
        form.Form_Unload();
    }
}
