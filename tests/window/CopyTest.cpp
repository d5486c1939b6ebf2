#include "platform/Clipboard.h"
#include "platform/ContextMenu.h"
#include "platform/HostWindow.h"
#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "support/TestEnvironment.h"
#include "runtime/Locale.h"
#include "window/TestForm.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLocale>

#include <tuple>
#include <vector>

using namespace platform;

namespace {

using Texts = std::vector<std::string>;

// A window whose clipboard and menu are fakes; the menu picks entry `pick` (-1: closed).
class Copying : public testing::Test {
protected:
    void SetUp() override
    {
        form.Form_Load();
        UseClipboard([this](const std::string& text) { copied.push_back(text); });
        UseClipboardSource([this] { return clipboard; });
        UseContextMenu([this](int x, int y, const std::vector<MenuEntry>& entries) {
            menuAt = {x, y};
            menuEntries.clear();
            menuEnabled.clear();
            for (const MenuEntry& entry : entries) {
                menuEntries.push_back(entry.Shortcut.empty() ? entry.Text : entry.Text + " | " + entry.Shortcut);
                menuEnabled.push_back(entry.Enabled);
            }
            return pick;
        });
    }
    void TearDown() override
    {
        UseClipboard(nullptr);
        UseClipboardSource(nullptr);
        UseContextMenu(nullptr);
        SetModifierKeys(false, false);
        form.Form_Unload();
    }

    TestForm form;
    Texts copied, menuEntries;
    std::string clipboard;
    std::vector<bool> menuEnabled;
    QPoint menuAt;
    int pick = -1;
};

} // namespace

TEST_F(Copying, CopyKeysAndMenuEntriesCopyTheHeaderTextOrTheIsoDate)
{
    const LPARAM copyCommand = MakeAppCommandLParam(APPCOMMAND_COPY);
    const LPARAM rightClick = MakeLParam(-30, 400);
    const struct {
        int day, year;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool shift, control;
        int pick;
        Texts expected;
        const char* selected;
    } cases[] = {
        {6, 2026, WM_KEYDOWN, VK_C, 1, false, true, -1, {"Sunday December 6, 2026"}, "12/6/2026"},
        {9, 2024, WM_KEYDOWN, VK_C, 1, true, true, -1, {"2024-12-09"}, "12/9/2024"},
        {6, 2026, WM_KEYDOWN, VK_C, 1, true, false, -1, {}, "12/6/2026"},
        {6, 2026, WM_APPCOMMAND, 0, copyCommand, true, false, -1, {"Sunday December 6, 2026"}, "12/6/2026"},
        {6, 2026, WM_APPCOMMAND, 0, MakeAppCommandLParam(APPCOMMAND_COPY + 1), false, false, -1, {}, "12/6/2026"},
        {6, 2026, WM_CONTEXTMENU, 0, rightClick, false, false, 0, {"Sunday December 6, 2026"}, "12/6/2026"},
        {6, 2026, WM_CONTEXTMENU, 0, rightClick, false, false, 1, {"2026-12-06"}, "12/6/2026"},
        {6, 2026, WM_CONTEXTMENU, 0, rightClick, false, false, 3, {}, "12/7/2026"},  // Today
        {6, 2026, WM_CONTEXTMENU, 0, rightClick, false, false, -1, {}, "12/6/2026"}, // Escape
    };
    for (const auto& c : cases) {
        copied.clear();
        form.Select(12, c.day, c.year);
        SetModifierKeys(c.shift, c.control);
        pick = c.pick;
        SendMessageA(form.hWnd(), c.message, c.wParam, c.lParam);
        EXPECT_EQ(copied, c.expected) << c.message << " shift " << c.shift << " control " << c.control
                                      << " pick " << c.pick;
        EXPECT_EQ(form.Selected(), c.selected) << c.message << " pick " << c.pick;
    }
    EXPECT_EQ(menuEntries, (Texts{"Copy “Sunday December 6, 2026” | Ctrl+C", "Copy 2026-12-06 | Ctrl+Shift+C",
                                  "Paste date | Ctrl+V", "Today | Home"}));
    EXPECT_EQ(menuAt, QPoint(-30, 400)) << "the menu opens where the pointer is, on any screen";

    // Ctrl+C placed the focus on the first column; Tab moves it to the second.
    SetModifierKeys(false, false);
    SendMessageA(form.hWnd(), WM_KEYDOWN, VK_TAB, 1);
    SendMessageA(form.hWnd(), WM_CONTEXTMENU, 0, ContextMenuFromKeyboard);
    EXPECT_TRUE(form.SliderGrids(1)->Bounds().translated(form.LabelPosition()).contains(menuAt))
        << "from the keyboard the menu opens at the focused column";
}

// Every accepted form selects the date; anything else, and a refused date, changes nothing.
TEST_F(Copying, PastedTextSelectsTheDateItNamesAndNothingElse)
{
    const struct {
        const char* language;
        const char* text;
        const char* selected;
    } cases[] = {
        {"en_US", " 2024-02-29\n", "2/29/2024"},      {"en_US", "2024-02-29T10:30", "2/29/2024"},
        {"en_US", "2024-02-29 10:30:00", "2/29/2024"}, {"en_US", "Saturday March 14, 1987", "3/14/1987"},
        {"en_US", "SATURDAY march 14, 1987", "3/14/1987"}, {"en_US", "Friday March 14, 1987", "12/6/2026"},
        {"en_US", "03/04/2024", "3/4/2024"},           {"en_US", "3/4/24", "12/6/2026"},
        {"en_US", "Thursday, February 29, 2024", "2/29/2024"}, {"en_US", "29.02.2024", "2/29/2024"},
        {"en_GB", "03/04/2024", "4/3/2024"},           {"de_DE", "03/04/2024", "12/6/2026"},
        {"de_DE", "14.3.1987", "3/14/1987"},           {"ja_JP", "1987年3月14日土曜日", "3/14/1987"},
        {"de_DE", "Samstag, 14. März 1987", "3/14/1987"}, {"en_US", "2023-02-29", "12/6/2026"},
        {"en_US", "2024-13-01", "12/6/2026"},          {"en_US", "0999-01-01", "12/6/2026"},
        {"en_US", "2024-02-29 and more", "12/6/2026"}, {"en_US", "", "12/6/2026"},
        // Copied from right-to-left text; a time that is no time.
        {"en_US", "\u200F2024-02-29\u200E", "2/29/2024"}, {"ar_EG", "\u061C29\u200F/2\u200F/2024\u061C", "2/29/2024"},
        {"en_US", "2024-02-29T25:99", "12/6/2026"},    {"en_US", "2024-02-29T10:30+24:00", "12/6/2026"},
    };
    for (const auto& c : cases) {
        runtime::UseLocale(QLocale(c.language));
        form.Select(12, 6, 2026);
        clipboard = c.text;
        SendMessageA(form.hWnd(), WM_PASTE, 0, 0);
        EXPECT_EQ(form.Selected(), c.selected) << c.language << " " << c.text;
    }
    runtime::UseLocale(QLocale(QLocale::English, QLocale::UnitedStates));

    // Ctrl+V and Shift+Insert paste; the menu's entry is greyed while the clipboard holds no
    // date it could select, and picked it pastes.
    const struct {
        UINT message;
        WPARAM key;
        bool shift, control;
        const char* text;
        const char* selected;
        bool menuEnabled;
    } paths[] = {
        {WM_KEYDOWN, VK_V, false, true, "2024-02-29", "2/29/2024", true},
        {WM_KEYDOWN, VK_V, false, false, "2024-02-29", "12/6/2026", true},
        {WM_KEYDOWN, VK_INSERT, true, false, "1987-03-14", "3/14/1987", true},
        {WM_KEYDOWN, VK_INSERT, false, false, "1987-03-14", "12/6/2026", true},
        {WM_CONTEXTMENU, 0, false, false, "1987-03-14", "3/14/1987", true},
        {WM_CONTEXTMENU, 0, false, false, "no date", "12/6/2026", false},
        {WM_CONTEXTMENU, 0, false, false, "2040-01-01", "12/6/2026", false},
    };
    pick = 2;
    form.SetSelectableRange({Ymd(1900, 1, 1), Ymd(2030, 12, 31)});
    for (const auto& p : paths) {
        form.Select(12, 6, 2026);
        clipboard = p.text;
        menuEnabled.clear();
        SetModifierKeys(p.shift, p.control);
        SendMessageA(form.hWnd(), p.message, p.key, p.message == WM_CONTEXTMENU ? MakeLParam(10, 10) : 1);
        EXPECT_EQ(form.Selected(), p.selected) << p.message << " " << p.key << " " << p.text;
        if (p.message == WM_CONTEXTMENU) {
            EXPECT_EQ(menuEnabled, (std::vector<bool>{true, true, p.menuEnabled, true})) << p.text;
        }
    }
}

namespace {

using Message = std::tuple<UINT, WPARAM, LPARAM>;
std::vector<Message> seen;
bool controlWasDown = false;
LONG_PTR previousProcedure = 0;

LRESULT RecordingProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_MOUSEMOVE && message != WM_MOUSELEAVE)
        seen.emplace_back(message, wParam, lParam);
    controlWasDown = controlWasDown || GetKeyState(VK_CONTROL) < 0;
    return CallWindowProcA(previousProcedure, hWnd, message, wParam, lParam);
}

} // namespace

TEST_F(Copying, AnInstalledProcedureSeesCopyPasteAndTypedKeysAndTheContextMenuFromTheRealWindow)
{
    form.Select(12, 6, 2026);
    form.Show();
    form.Host()->move(200, 150);
    previousProcedure = SetWindowLongA(form.hWnd(), GWL_WNDPROC, ProcedureAddress(&RecordingProcedure));
    QKeyEvent controlC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "c");
    QKeyEvent copyKey(QEvent::KeyPress, Qt::Key_Copy, Qt::NoModifier);
    QKeyEvent shiftF10(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::ShiftModifier, "Ä");
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, "\b");
    QKeyEvent pasteKey(QEvent::KeyPress, Qt::Key_Paste, Qt::NoModifier);
    QKeyEvent shiftInsert(QEvent::KeyPress, Qt::Key_Insert, Qt::ShiftModifier);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(form.Host(), &controlC);
    QApplication::sendEvent(form.Host(), &copyKey);
    for (QKeyEvent* event : {&typed, &backspace, &pasteKey, &shiftInsert, &space})
        QApplication::sendEvent(form.Host(), event);
    QApplication::sendEvent(form.Host(), &shiftF10);
    // The pointer rests on a link, then leaves the window while the menu is open.
    form.MarkupLabel1()->UpdateLayout();
    const QPoint onLink = (form.Links().Link(0)->Bounds().center() + form.LabelPosition()).toPoint();
    SendMessageA(form.hWnd(), WM_MOUSEMOVE, 0, MakeLParam(onLink.x(), onLink.y()));
    ASSERT_TRUE(form.Links().Link(0)->IsMouseOver());
    QCursor::setPos(900, 700);
    pick = 1;
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, onLink, QPoint(260, 190));
    QApplication::sendEvent(form.Host(), &rightClick);
    SetWindowLongA(form.hWnd(), GWL_WNDPROC, previousProcedure);

    const HWND hWnd = form.hWnd();
    EXPECT_EQ(seen, (std::vector<Message>{{WM_KEYDOWN, VK_C, 1},
                                          {WM_APPCOMMAND, hWnd, MakeAppCommandLParam(APPCOMMAND_COPY)},
                                          {WM_CHAR, 0xC4, 1},
                                          {WM_CHAR, VK_BACK, 1},
                                          {WM_PASTE, 0, 0},
                                          {WM_KEYDOWN, VK_INSERT, 1},
                                          {WM_KEYDOWN, VK_SPACE, 1},
                                          {WM_CONTEXTMENU, hWnd, ContextMenuFromKeyboard},
                                          {WM_CONTEXTMENU, hWnd, MakeLParam(260, 190)}}));
    EXPECT_TRUE(controlWasDown);
    EXPECT_EQ(copied, (Texts{"Sunday December 6, 2026", "Sunday December 6, 2026", "2026-12-06"}))
        << "each message went on to the window's own handling";
    EXPECT_FALSE(form.Links().Link(0)->IsMouseOver()) << "the pointer left while the menu was open";
}
