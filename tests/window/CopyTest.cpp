#include "platform/Clipboard.h"
#include "platform/ContextMenu.h"
#include "platform/HostWindow.h"
#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "support/TestEnvironment.h"
#include "window/TestForm.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>

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
        UseContextMenu([this](int x, int y, const Texts& entries) {
            menuAt = {x, y};
            menuEntries = entries;
            return pick;
        });
    }
    void TearDown() override
    {
        UseClipboard(nullptr);
        UseContextMenu(nullptr);
        SetModifierKeys(false, false);
        form.Form_Unload();
    }

    TestForm form;
    Texts copied, menuEntries;
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
        {6, 2026, WM_CONTEXTMENU, 0, rightClick, false, false, 2, {}, "12/7/2026"},  // Today
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
    EXPECT_EQ(menuEntries, (Texts{"Copy “Sunday December 6, 2026”", "Copy 2026-12-06", "Today"}));
    EXPECT_EQ(menuAt, QPoint(-30, 400)) << "the menu opens where the pointer is, on any screen";

    SetModifierKeys(false, false);
    SendMessageA(form.hWnd(), WM_KEYDOWN, VK_TAB, 1);
    SendMessageA(form.hWnd(), WM_KEYDOWN, VK_TAB, 1);
    SendMessageA(form.hWnd(), WM_CONTEXTMENU, 0, ContextMenuFromKeyboard);
    EXPECT_TRUE(form.SliderGrids(1)->Bounds().translated(form.LabelPosition()).contains(menuAt))
        << "from the keyboard the menu opens at the focused column";
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

TEST_F(Copying, AnInstalledProcedureSeesCopyKeysAndTheContextMenuFromTheRealWindow)
{
    form.Select(12, 6, 2026);
    form.Show();
    form.Host()->move(200, 150);
    previousProcedure = SetWindowLongA(form.hWnd(), GWL_WNDPROC, ProcedureAddress(&RecordingProcedure));
    QKeyEvent controlC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "c");
    QKeyEvent copyKey(QEvent::KeyPress, Qt::Key_Copy, Qt::NoModifier);
    QKeyEvent shiftF10(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
    QApplication::sendEvent(form.Host(), &controlC);
    QApplication::sendEvent(form.Host(), &copyKey);
    QApplication::sendEvent(form.Host(), &shiftF10);
    // The pointer rests on a link, then leaves the window while the menu is open.
    form.MarkupLabel1()->UpdateLayout();
    const QPoint onLink = (form.SpecialDateLink(0)->Bounds().center() + form.LabelPosition()).toPoint();
    SendMessageA(form.hWnd(), WM_MOUSEMOVE, 0, MakeLParam(onLink.x(), onLink.y()));
    ASSERT_TRUE(form.SpecialDateLink(0)->IsMouseOver());
    QCursor::setPos(900, 700);
    pick = 1;
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, onLink, QPoint(260, 190));
    QApplication::sendEvent(form.Host(), &rightClick);
    SetWindowLongA(form.hWnd(), GWL_WNDPROC, previousProcedure);

    const HWND hWnd = form.hWnd();
    EXPECT_EQ(seen, (std::vector<Message>{{WM_KEYDOWN, VK_C, 1},
                                          {WM_APPCOMMAND, hWnd, MakeAppCommandLParam(APPCOMMAND_COPY)},
                                          {WM_CONTEXTMENU, hWnd, ContextMenuFromKeyboard},
                                          {WM_CONTEXTMENU, hWnd, MakeLParam(260, 190)}}));
    EXPECT_TRUE(controlWasDown);
    EXPECT_EQ(copied, (Texts{"Sunday December 6, 2026", "Sunday December 6, 2026", "2026-12-06"}))
        << "each message went on to the window's own handling";
    EXPECT_FALSE(form.SpecialDateLink(0)->IsMouseOver()) << "the pointer left while the menu was open";
}
