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

#include <vector>

using namespace platform;

namespace {

// A window showing Sunday 6 December 2026, whose clipboard and menu are fakes.
class Copying : public testing::Test {
protected:
    void SetUp() override
    {
        form.Form_Load();
        form.Select(12, 6, 2026);
        UseClipboard([this](const std::string& text) { copied.push_back(text); });
        UseContextMenu([this](int x, int y, const std::vector<std::string>& entries) {
            menuAt = {x, y};
            shownEntries = entries;
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
    std::vector<std::string> copied;
    std::vector<std::string> shownEntries;
    QPoint menuAt;
    int pick = -1;
};

const std::vector<std::string> NoCopy;

} // namespace

TEST_F(Copying, CopyKeysPutTheHeaderTextOrTheIsoDateOnTheClipboard)
{
    const struct {
        int month, day, year;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool shift, control;
        std::vector<std::string> expected;
    } cases[] = {
        {12, 6, 2026, WM_KEYDOWN, VK_C, 1, false, true, {"Sunday December 6, 2026"}},
        {12, 6, 2026, WM_KEYDOWN, VK_C, 1, true, true, {"2026-12-06"}},
        {2, 29, 2024, WM_KEYDOWN, VK_C, 1, true, true, {"2024-02-29"}},
        {12, 6, 2026, WM_KEYDOWN, VK_C, 1, true, false, NoCopy},
        {12, 6, 2026, WM_KEYDOWN, VK_HOME, 1, false, true, NoCopy},
        {12, 6, 2026, WM_APPCOMMAND, 0, MakeAppCommandLParam(APPCOMMAND_COPY), false, false, {"Sunday December 6, 2026"}},
        {12, 6, 2026, WM_APPCOMMAND, 0, MakeAppCommandLParam(APPCOMMAND_COPY | 0x8000), true, false,
         {"Sunday December 6, 2026"}},
        {12, 6, 2026, WM_APPCOMMAND, 0, MakeAppCommandLParam(APPCOMMAND_COPY + 1), false, false, NoCopy},
    };
    for (const auto& c : cases) {
        copied.clear();
        form.Select(c.month, c.day, c.year);
        SetModifierKeys(c.shift, c.control);
        SendMessageA(form.hWnd(), c.message, c.wParam, c.lParam);
        EXPECT_EQ(copied, c.expected) << c.message << " " << c.wParam << " shift " << c.shift << " control " << c.control;
    }
}

TEST_F(Copying, ContextMenuOffersBothFormsAndTodayAndItsPickIsCarriedOut)
{
    const struct {
        int pick;
        std::vector<std::string> expected;
        const char* selected;
    } cases[] = {
        {0, {"Sunday December 6, 2026"}, "12/6/2026"},
        {1, {"2026-12-06"}, "12/6/2026"},
        {2, NoCopy, "12/7/2026"},
        {-1, NoCopy, "12/6/2026"}, // closed with Escape or a click outside
    };
    for (const auto& c : cases) {
        copied.clear();
        form.Select(12, 6, 2026);
        pick = c.pick;
        SendMessageA(form.hWnd(), WM_CONTEXTMENU, form.hWnd(), MakeLParam(-30, 400));
        EXPECT_EQ(shownEntries, (std::vector<std::string>{"Copy “Sunday December 6, 2026”", "Copy 2026-12-06", "Today"}));
        EXPECT_EQ(menuAt, QPoint(-30, 400)) << "a right click opens the menu where the pointer is, on any screen";
        EXPECT_EQ(copied, c.expected) << c.pick;
        EXPECT_EQ(form.Selected(), c.selected) << c.pick;
    }

    SendMessageA(form.hWnd(), WM_KEYDOWN, VK_TAB, 1);
    SendMessageA(form.hWnd(), WM_KEYDOWN, VK_TAB, 1);
    SendMessageA(form.hWnd(), WM_CONTEXTMENU, form.hWnd(), ContextMenuFromKeyboard);
    EXPECT_TRUE(form.SliderGrids(1)->Bounds().translated(form.LabelPosition()).contains(menuAt))
        << "from the keyboard the menu opens at the focused column";
}

namespace {

struct SeenMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool control;
};
std::vector<SeenMessage> seen;
LONG_PTR previousProcedure = 0;

LRESULT RecordingProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_MOUSEMOVE && message != WM_MOUSELEAVE)
        seen.push_back({message, wParam, lParam, GetKeyState(VK_CONTROL) < 0});
    return CallWindowProcA(previousProcedure, hWnd, message, wParam, lParam);
}

} // namespace

TEST_F(Copying, AnInstalledProcedureSeesCopyKeysAndTheContextMenuFromTheRealWindow)
{
    form.Show();
    HostWindow& host = *form.Host();
    host.move(200, 150);
    previousProcedure = SetWindowLongA(form.hWnd(), GWL_WNDPROC, ProcedureAddress(&RecordingProcedure));
    seen.clear();

    QKeyEvent controlC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "c");
    QApplication::sendEvent(&host, &controlC);
    QKeyEvent copyKey(QEvent::KeyPress, Qt::Key_Copy, Qt::NoModifier);
    QApplication::sendEvent(&host, &copyKey);
    // The pointer rests on the Today link, then leaves the window while the menu is open.
    form.MarkupLabel1()->UpdateLayout();
    const QPoint onLink = (form.SpecialDateLink(0)->Bounds().center() + form.LabelPosition()).toPoint();
    SendMessageA(form.hWnd(), WM_MOUSEMOVE, 0, MakeLParam(onLink.x(), onLink.y()));
    ASSERT_TRUE(form.SpecialDateLink(0)->IsMouseOver());
    QCursor::setPos(900, 700);
    pick = 1;
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, onLink, QPoint(260, 190));
    QApplication::sendEvent(&host, &rightClick);
    pick = -1;
    QKeyEvent shiftF10(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
    QApplication::sendEvent(&host, &shiftF10);
    SetWindowLongA(form.hWnd(), GWL_WNDPROC, previousProcedure);

    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].message, WM_KEYDOWN);
    EXPECT_EQ(seen[0].wParam, static_cast<WPARAM>(VK_C));
    EXPECT_TRUE(seen[0].control);
    EXPECT_EQ(seen[1].message, WM_APPCOMMAND);
    EXPECT_EQ(AppCommandOf(seen[1].lParam), APPCOMMAND_COPY);
    EXPECT_EQ(seen[2].message, WM_CONTEXTMENU);
    EXPECT_EQ(seen[2].lParam, MakeLParam(260, 190)) << "a right click carries its screen position";
    EXPECT_EQ(seen[3].message, WM_CONTEXTMENU);
    EXPECT_EQ(seen[3].lParam, ContextMenuFromKeyboard);
    EXPECT_EQ(copied, (std::vector<std::string>{"Sunday December 6, 2026", "Sunday December 6, 2026", "2026-12-06"}))
        << "each message reached the window's own handling";
    EXPECT_FALSE(form.SpecialDateLink(0)->IsMouseOver()) << "the window learns the pointer left while the menu was open";
}
