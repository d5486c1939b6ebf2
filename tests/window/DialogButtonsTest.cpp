#include "platform/HostWindow.h"
#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "support/TestEnvironment.h"
#include "markup/Grid.h"
#include "window/TestForm.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

using namespace platform;

namespace {

// The picker as a dialog: Cancel and OK below the frame, shown on screen.
class ButtonRow : public testing::Test {
protected:
    void SetUp() override
    {
        form.Form_Load();
        form.Show();
        form.MarkupLabel1()->UpdateLayout();
    }
    void TearDown() override { form.Form_Unload(); }
    void Press(int virtualKey, int times = 1)
    {
        for (int time = 0; time < times; ++time)
            SendMessageA(form.hWnd(), WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
    }
    // A pointer message at the middle of `element`.
    void Mouse(UINT message, const markup::ElementPtr& element)
    {
        const QPoint at = (element->Bounds().center() + form.LabelPosition()).toPoint();
        SendMessageA(form.hWnd(), message, 0, MakeLParam(at.x(), at.y()));
    }
    // How strongly OK is lit: the alpha of its background.
    uint32_t OkAlpha() const
    {
        const auto ok = std::dynamic_pointer_cast<markup::Border>(form.Dialog().Button(1));
        return static_cast<uint32_t>(ok->Background()->Color()) >> 24;
    }

    TestForm form{CancelOkSetup()};
};

} // namespace

TEST_F(ButtonRow, TheWindowGrowsByTheRowOnlyAndTheRestStaysInPlace)
{
    TestForm plain;
    plain.Form_Load();
    plain.Show();
    plain.MarkupLabel1()->UpdateLayout();
    EXPECT_EQ(plain.Dialog().Button(0), nullptr);
    const QRectF ok = form.Dialog().Button(1)->Bounds();
    const int grown = form.Host()->height() - plain.Host()->height();
    EXPECT_GE(grown, ok.height());
    EXPECT_LT(grown, ok.height() + 12) << "just enough for the buttons";
    EXPECT_EQ(form.Host()->width(), plain.Host()->width());
    EXPECT_EQ(form.SliderGrids(2)->Bounds(), plain.SliderGrids(2)->Bounds());
    EXPECT_GT(ok.top(), form.SliderGrids(2)->Bounds().bottom());
    EXPECT_EQ(form.Dialog().Button(0)->Bounds().width(), ok.width()) << "both as wide as Cancel";
    plain.Form_Unload();
}

TEST_F(ButtonRow, EnterFollowsAFocusedLinkPressesAFocusedButtonAndAcceptsElsewhere)
{
    Press(VK_TAB, 13);
    EXPECT_EQ(form.MarkupLabel1()->FocusElement(), form.Dialog().Button(0)) << "Cancel, then OK, follow the links";
    Press(VK_TAB, 6); // round to link 1, Tomorrow
    Press(VK_RETURN);
    EXPECT_EQ(form.Dialog().Result(), DialogResult::None);
    EXPECT_EQ(form.Selected(), "12/8/2026");
    Press(VK_TAB, 8); // Cancel
    Press(VK_RETURN);
    EXPECT_EQ(form.Dialog().Result(), DialogResult::Cancel);
    EXPECT_FALSE(form.Host()->isVisible());
    Press(VK_TAB, 3); // round to the day column
    Press(VK_RETURN);
    EXPECT_EQ(form.Dialog().Result(), DialogResult::Cancel) << "the first ending stands";

    TestForm accepting(CancelOkSetup()); // Enter on a column accepts
    accepting.Form_Load();
    SendMessageA(accepting.hWnd(), WM_KEYDOWN, VK_TAB, 1);
    SendMessageA(accepting.hWnd(), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(accepting.Dialog().Result(), DialogResult::Ok);
    accepting.Form_Unload();

    TestForm plain; // without buttons Enter on a column does nothing, and Escape still closes
    plain.Form_Load();
    SendMessageA(plain.hWnd(), WM_KEYDOWN, VK_TAB, 1);
    SendMessageA(plain.hWnd(), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(plain.Dialog().Result(), DialogResult::None);
    SendMessageA(plain.hWnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(plain.Dialog().Result(), DialogResult::Cancel);
    plain.Form_Unload();
}

TEST_F(ButtonRow, APressAndAReleaseOverAButtonPressItAndThePointerLightsIt)
{
    const markup::ElementPtr ok = form.Dialog().Button(1);
    const uint32_t plain = OkAlpha();
    Mouse(WM_MOUSEMOVE, ok);
    const uint32_t hovered = OkAlpha();
    EXPECT_GT(hovered, plain);
    Mouse(WM_LBUTTONDOWN, form.SliderGrids(2));
    Mouse(WM_LBUTTONUP, ok);
    EXPECT_EQ(form.Dialog().Result(), DialogResult::None) << "pressed elsewhere, released over OK";
    Mouse(WM_LBUTTONDOWN, ok);
    EXPECT_GT(OkAlpha(), hovered) << "pressed";
    Mouse(WM_LBUTTONUP, ok);
    EXPECT_EQ(form.Dialog().Result(), DialogResult::Ok);
    SendMessageA(form.hWnd(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(OkAlpha(), plain);
}

TEST_F(ButtonRow, ClosingTheWindowGoesThroughItsProcedureAndCancels)
{
    form.Host()->close();
    EXPECT_EQ(form.Dialog().Result(), DialogResult::Cancel);
    EXPECT_FALSE(form.Host()->isVisible());
}

TEST_F(ButtonRow, ScreenReadersSeeTwoPushButtonsAfterTheLinks)
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.Host());
    ASSERT_EQ(window->childCount(), 15);
    EXPECT_EQ(window->child(13)->role(), QAccessible::Button);
    EXPECT_EQ(window->child(13)->text(QAccessible::Name), "Cancel");
    EXPECT_EQ(window->child(14)->text(QAccessible::Name), "OK");
    Press(VK_TAB, 14);
    EXPECT_EQ(window->focusChild(), window->child(14));
    window->child(14)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.Dialog().Result(), DialogResult::Ok);
}

TEST(ScriptDialog, AnOwnRowOfButtonsKeepsEnterForTheFocusedOneAndTellsOfACommandButton)
{
    std::vector<int32_t> notified;
    FormSetup setup;
    setup.Dialog.Buttons = {
        {"Close", ButtonPress::Accept, "Closes"}, {"Run", ButtonPress::Notify, "", U'r'}, {"A much longer caption"}};
    setup.Dialog.DefaultButton = -1;
    setup.Dialog.ButtonHandler = [&](int32_t index) { notified.push_back(index); };
    setup.Dialog.Escape = EscapeKey::Nothing;
    TestForm form(std::move(setup));
    form.Form_Load();
    form.Show();
    form.MarkupLabel1()->UpdateLayout();
    EXPECT_EQ(form.Dialog().Button(0)->Bounds().width(), form.Dialog().Button(2)->Bounds().width());
    const auto pointAt = [&](int index) {
        const QPoint at = (form.Dialog().Button(index)->Bounds().center() + form.LabelPosition()).toPoint();
        SendMessageA(form.hWnd(), WM_MOUSEMOVE, 0, MakeLParam(at.x(), at.y()));
        return form.Host()->toolTip();
    };
    EXPECT_EQ(pointAt(0), "Closes");
    EXPECT_EQ(pointAt(1), "") << "a button without a tip shows none";
    const auto send = [&](int key) { SendMessageA(form.hWnd(), WM_KEYDOWN, static_cast<WPARAM>(key), 1); };
    send(VK_RETURN);
    send(VK_ESCAPE);
    EXPECT_EQ(form.Dialog().Result(), DialogResult::None) << "neither Enter over the columns nor Escape ends it";
    // Alt and the letter its caption marks press a button, whatever has the focus.
    SendMessageA(form.hWnd(), WM_SYSCHAR, U'x', 1);
    EXPECT_TRUE(notified.empty());
    SendMessageA(form.hWnd(), WM_SYSCHAR, U'R', 1);
    EXPECT_EQ(notified, std::vector<int32_t>{1});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Host())->child(14)->actionInterface()->keyBindingsForAction(
                  QAccessibleActionInterface::pressAction()),
              QStringList({"Return", "Space", "Alt+R"}));
    // Enter placed the focus on the first column: 13 Tabs on reach the second button.
    for (int tab = 0; tab < 13; ++tab)
        send(VK_TAB);
    send(VK_RETURN);
    EXPECT_EQ(notified, std::vector<int32_t>({1, 1}));
    EXPECT_EQ(form.Dialog().Result(), DialogResult::None) << "a command button leaves the window open";
    send(VK_TAB);
    send(VK_SPACE);
    EXPECT_EQ(form.Dialog().PressedButton(), 2);
    EXPECT_EQ(form.Dialog().Result(), DialogResult::Ok);
    form.Form_Unload();
}

TEST(ScriptDialog, TheNoteUnderTheHeaderFollowsTheDateAndDescribedDaysAreBold)
{
    FormSetup setup;
    setup.ShowWeeks = true;
    const std::string longLine = "Long line of " + std::string(70, 'y');
    setup.DayDescriptions = {{runtime::Date::FromParts(2026, 12, 8), "Dentist"},
                             {runtime::Date::FromParts(2026, 12, 31), "A long description that wraps " + std::string(80, 'x')},
                             {Ymd(2026, 12, 29), longLine + "\nSecond\nThird\nFourth"},
                             {Ymd(2026, 12, 30), QString::fromStdString(longLine + '\n').repeated(6).chopped(1).toStdString()}};
    setup.StartDate = runtime::Date::FromParts(2026, 12, 8);
    TestForm form(std::move(setup));
    form.Form_Load();
    form.Show();
    const auto note = std::dynamic_pointer_cast<markup::TextBlock>(
        std::dynamic_pointer_cast<markup::Grid>(form.Note().Element())->Children().Item(0));
    const auto dayWeight = [&](int row) {
        return std::dynamic_pointer_cast<markup::TextBlock>(
                   form.SliderGrids(1)->FindName(slider::CellTextName(1, row)))
            ->FontWeight();
    };
    const QSize size = form.ClientSize();
    EXPECT_EQ(note->Text(), "Week 50\nDentist");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Host())->child(0)->text(QAccessible::Description),
              "Week 50\nDentist")
        << "screen readers hear the note with the header";
    EXPECT_EQ(dayWeight(2), 700);
    form.StepColumn(1, 1);
    EXPECT_EQ(note->Text(), "Week 50");
    EXPECT_EQ(dayWeight(1), 700) << "the 8th, now above the selection";
    EXPECT_EQ(dayWeight(2), 400);
    form.Select(1, 1, 2027);
    EXPECT_EQ(note->Text(), "Week 53") << "1 January 2027 lies in the last week of 2026";
    // A day of several lines shows each on one row, cut with an ellipsis rather than wrapped over
    // the rows of the others.
    for (const auto& [day, last] : {std::pair{29, "Fourth"}, {30, "and 3 more"}}) {
        form.Select(12, day, 2026);
        const QStringList rows = QString::fromStdString(note->Text()).split(u'\n');
        ASSERT_EQ(rows.size(), 5) << note->Text();
        EXPECT_TRUE(rows[1].startsWith("Long line of ") && rows[1].endsWith(QChar(0x2026))) << rows[1].toStdString();
        EXPECT_EQ(rows[4], last);
        form.MarkupLabel1()->UpdateLayout();
        EXPECT_FALSE(note->IsCut()) << "every row is drawn";
    }
    form.Select(12, 31, 2026);
    form.MarkupLabel1()->UpdateLayout();
    EXPECT_EQ(form.ClientSize(), size) << "the note keeps the room of its tallest text";
    EXPECT_LE(form.Note().Element()->Bounds().bottom(), form.SliderGrids(1)->Bounds().top());
    form.Form_Unload();
}

TEST(ScriptDialog, AFileOfManyDescriptionsKeepsTheNoteSmallAndTallEnough)
{
    FormSetup setup;
    for (int32_t day = 0; day < 3000; ++day)
        setup.DayDescriptions.emplace(Ymd(2000, 1, 1).AddDays(day), "Day " + std::to_string(day));
    setup.DayDescriptions[Ymd(2004, 2, 29)] =
        "Long enough to wrap over several lines " + std::string(60, 'x') + " and then some";
    TestForm form(std::move(setup));
    form.Form_Load();
    form.Show();
    form.MarkupLabel1()->UpdateLayout();
    EXPECT_EQ(std::dynamic_pointer_cast<markup::Grid>(form.Note().Element())->Children().Count(), 2)
        << "the shown text and one that keeps the room, whatever the file's length";
    const QRectF note = form.Note().Element()->Bounds();
    form.Select(2, 29, 2004);
    form.MarkupLabel1()->UpdateLayout();
    EXPECT_EQ(form.Note().Element()->Bounds(), note) << "the longest description fits the room kept from the start";
    form.Form_Unload();
}

// However long a prompt or a day's description, the window stays small enough for the screen:
// the note shows a few lines and how many more there are, and the prompt, or a line too long for
// the note, ends in an ellipsis, while screen readers get the prompt whole.
TEST(ScriptDialog, LongPromptsAndDescriptionsKeepTheWindowSmall)
{
    std::string words, lines = "Line 0";
    for (int word = 0; word < 20000; ++word)
        words += "word" + std::to_string(word % 10) + ' ';
    for (int line = 1; line < 50; ++line)
        lines += "\nLine " + std::to_string(line);
    const runtime::Date day = Ymd(2024, 9, 25);
    const struct {
        std::string prompt;
        std::map<runtime::Date, std::string> descriptions;
        std::string note; // the note's text, or "cut" where it ends in an ellipsis
    } cases[] = {{words, {}, ""},
                 {"", {{day, lines}}, "Line 0\nLine 1\nLine 2\nand 47 more"},
                 {"", {{day.AddDays(1), lines}}, ""},
                 {"", {{day, words}}, "cut"}};
    for (const auto& c : cases) {
        FormSetup setup;
        setup.Dialog.Prompt = c.prompt;
        setup.DayDescriptions = c.descriptions;
        setup.StartDate = day;
        TestForm form(std::move(setup));
        form.Form_Load();
        form.Show();
        EXPECT_LT(form.ClientSize().height(), 450) << c.note;
        if (const auto prompt = std::dynamic_pointer_cast<markup::TextBlock>(form.PromptText())) {
            QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.Host());
            EXPECT_TRUE(prompt->IsCut());
            EXPECT_EQ(window->child(window->childCount() - 1)->text(QAccessible::Name).toStdString(), c.prompt);
        }
        if (const auto note = form.Note().Element() ? std::dynamic_pointer_cast<markup::TextBlock>(
                                                    std::dynamic_pointer_cast<markup::Grid>(form.Note().Element())->Children().Item(0))
                                              : nullptr) {
            EXPECT_EQ(c.note == "cut" ? std::string(note->IsCut() ? "cut" : "whole") : note->Text(), c.note);
        }
        form.Form_Unload();
    }
}
