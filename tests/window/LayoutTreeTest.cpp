#include "platform/HostWindow.h"
#include "platform/Messages.h"
#include "support/TestEnvironment.h"
#include "wheel/modHookMouseWheel.h"
#include "app/CommandLine.h"
#include "app/PickerApplication.h"
#include "window/TestForm.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTimer>

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

// --text's markup is taken off before the prompt reaches the window's tree.
TEST(LayoutTree, AMarkedUpPromptShowsItsWordsWithoutTheTags)
{
    const app::CommandLine line = app::ParseCommandLine(
        {"datepicker", "--calendar", "--text", "<b>Pick</b> a &lt;day&gt;", "--ok-label", "Take it"});
    std::string prompt;
    std::string ok;
    const int status = RunPicker(line.options, [&](Form1& form) {
        QTimer::singleShot(0, [&] {
            prompt = std::dynamic_pointer_cast<markup::TextBlock>(form.PromptText())->Text();
            ok = form.Dialog().Caption(1);
            form.Dialog().End(DialogResult::Cancel);
        });
    });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(prompt, "Pick a <day>");
    EXPECT_EQ(ok, "Take it");
}

// A prompt, captions of a script's own and a least size, each against the same dialog without
// them: the window grows around a frame that keeps its size and its place below the header.
TEST(LayoutTree, APromptCaptionsAndALeastSizeGrowTheDialogAroundAnUnchangedFrame)
{
    struct Case {
        std::string prompt, cancel, ok;
        QSize minimum;
        long minLines, maxLines; // of the prompt; 0 for none
        std::string shownCancel, shownOk;
    };
    const std::string longPrompt = "The invitations go out tomorrow morning, so choose a day at least a week "
                                   "from now, when everybody is back from their holidays.";
    const Case cases[] = {
        {"", "", "", {}, 0, 0, "Cancel", "OK"},
        {"Pick a day\nfor the meeting", "", "", {}, 2, 2, "Cancel", "OK"},
        {longPrompt, "", "", {}, 2, 9, "Cancel", "OK"},
        {"", "Not now, thanks", "", {}, 0, 0, "Not now, thanks", "OK"},
        {"Two\nlines", "", "Use this date", {700, 400}, 2, 2, "Cancel", "Use this date"},
        {"", "", "", {100, 0}, 0, 0, "Cancel", "OK"},
        // No larger than the screen's room.
        {"", "", "", {40000, 40000}, 0, 0, "Cancel", "OK"},
    };
    const auto frameOf = [](const Form1& form) { return form.SliderGrids(0)->Parent()->Parent()->Bounds(); };
    // How far the root's centre lies from the client area's.
    const auto offCentre = [](const Form1& form) {
        const QPointF centre = form.MarkupLabel1()->RootElement()->Bounds().center() + form.LabelPosition();
        return centre - QPointF(form.Host()->width(), form.Host()->height()) / 2;
    };
    TestForm plain(CancelOkSetup());
    plain.Form_Load();
    plain.Show();
    plain.MarkupLabel1()->UpdateLayout();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prompt + "|" + c.cancel + "|" + c.ok);
        FormSetup setup;
        setup.Dialog = DialogSetup::CancelOk(c.cancel, c.ok);
        setup.Dialog.Prompt = c.prompt;
        setup.MinimumClientSize = c.minimum;
        TestForm form(std::move(setup));
        form.Form_Load();
        form.Show();
        form.MarkupLabel1()->UpdateLayout();

        const QRectF frame = frameOf(form);
        const QRectF header = form.DateHeader()->Bounds();
        EXPECT_EQ(frame.size(), frameOf(plain).size());
        EXPECT_EQ(frame.top() - header.top(), frameOf(plain).top() - plain.DateHeader()->Bounds().top());
        EXPECT_EQ(form.SliderGrids(2)->Bounds().topLeft() - frame.topLeft(),
                  plain.SliderGrids(2)->Bounds().topLeft() - frameOf(plain).topLeft());

        const markup::ElementPtr prompt = form.PromptText();
        ASSERT_EQ(prompt != nullptr, c.maxLines > 0);
        if (prompt) {
            EXPECT_EQ(prompt->Name(), "PromptText");
            EXPECT_EQ(prompt->Bounds().left(), header.left()) << "indented as the header";
            EXPECT_EQ(prompt->Bounds().right(), frame.right()) << "wrapped at the frame's edge";
            EXPECT_LT(prompt->Bounds().bottom(), header.top());
            const long lines = std::lround(prompt->Bounds().height() / header.height());
            EXPECT_GE(lines, c.minLines);
            EXPECT_LE(lines, c.maxLines);
            QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.Host());
            QAccessibleInterface* last = window->child(window->childCount() - 1);
            EXPECT_EQ(last->role(), QAccessible::StaticText);
            EXPECT_EQ(last->text(QAccessible::Name).toStdString(), c.prompt) << "read by screen readers";
        }
        const int promptHeight = prompt ? static_cast<int>(prompt->DesiredSize().height()) : 0;
        EXPECT_EQ(form.Host()->size(), (plain.Host()->size() + QSize(0, promptHeight)).expandedTo(c.minimum.boundedTo(QGuiApplication::primaryScreen()->availableSize())));
        const QPointF offset = offCentre(form) - offCentre(plain);
        EXPECT_LE(std::abs(offset.x()), 0.5) << "the content stays centred";
        EXPECT_LE(std::abs(offset.y()), 0.5);

        const std::string shown[] = {c.shownCancel, c.shownOk};
        for (int index = 0; index < 2; ++index) {
            const auto button = std::dynamic_pointer_cast<Border>(form.Dialog().Button(index));
            const auto caption = std::dynamic_pointer_cast<TextBlock>(
                std::dynamic_pointer_cast<Grid>(button->Child())->Children().Item(0));
            EXPECT_EQ(caption->Text(), shown[index]);
            EXPECT_EQ(button->Bounds().width(), form.Dialog().Button(1 - index)->Bounds().width());
            EXPECT_GE(button->Bounds().width(), caption->DesiredSize().width() + 28) << "with its padding";
        }
        form.Form_Unload();
    }
    plain.Form_Unload();
}
