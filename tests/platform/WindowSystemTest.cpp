#include "platform/ContextMenu.h"
#include "platform/Messages.h"
#include "platform/SystemColors.h"
#include "platform/WindowSystem.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QTimer>
#include <QToolTip>

#include <vector>

using namespace platform;

namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Seen>& Spied()
{
    static std::vector<Seen> seen;
    return seen;
}
LONG_PTR& SpyPrevious()
{
    static LONG_PTR previous = 0;
    return previous;
}

// A procedure installed over the original one: it records and passes everything on.
LRESULT SpyProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Spied().push_back({message, wParam, lParam});
    return CallWindowProcA(SpyPrevious(), hWnd, message, wParam, lParam) + 1000;
}

class WindowSystem : public testing::Test {
protected:
    void SetUp() override
    {
        Spied().clear();
        hWnd = CreateWindowHandle({[this](UINT message, WPARAM, LPARAM) {
                                       owned.push_back(message);
                                       return LRESULT{7};
                                   },
                                   [this](RECT& rect) {
                                       rect = shownAt;
                                       return shown;
                                   }});
    }
    void TearDown() override { DestroyWindowHandle(hWnd); }

    HWND hWnd = 0;
    std::vector<UINT> owned;
    bool shown = false;
    RECT shownAt{10, 20, 110, 220};
};

} // namespace

TEST_F(WindowSystem, AnInstalledProcedureSeesEveryMessageAndCanPassItOn)
{
    EXPECT_EQ(SendMessageA(hWnd, WM_MOUSEMOVE, 0, MakeLParam(3, 4)), 7);
    SpyPrevious() = SetWindowLongA(hWnd, GWL_WNDPROC, ProcedureAddress(&SpyProc));
    ASSERT_NE(SpyPrevious(), 0);
    EXPECT_EQ(SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(-5, 6)), 1007);
    EXPECT_EQ(SendMessageA(hWnd, 0x1234, 99, -1), 1007);
    ASSERT_EQ(Spied().size(), 2u);
    EXPECT_EQ(Spied()[0].message, WM_LBUTTONDOWN);
    EXPECT_EQ(SignedLowWord(static_cast<uintptr_t>(Spied()[0].lParam)), -5);
    EXPECT_EQ(Spied()[1].wParam, 99u);
    EXPECT_EQ(owned, (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, 0x1234}));

    // Putting the previous procedure back returns the spy.
    EXPECT_EQ(SetWindowLongA(hWnd, GWL_WNDPROC, SpyPrevious()), ProcedureAddress(&SpyProc));
    SendMessageA(hWnd, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(Spied().size(), 2u);
}

TEST_F(WindowSystem, SetWindowLongRefusesUnknownWindowsIndexesAndNullProcedures)
{
    EXPECT_EQ(SetWindowLongA(hWnd + 1, GWL_WNDPROC, ProcedureAddress(&SpyProc)), 0);
    EXPECT_EQ(SetWindowLongA(hWnd, -21, ProcedureAddress(&SpyProc)), 0);
    EXPECT_EQ(SetWindowLongA(hWnd, GWL_WNDPROC, 0), 0);
    EXPECT_EQ(CallWindowProcA(0, hWnd, WM_MOUSEMOVE, 0, 0), 0);
    EXPECT_EQ(SendMessageA(hWnd, WM_MOUSEMOVE, 0, 0), 7);
}

TEST_F(WindowSystem, PropertiesAreNamedValuesPerWindow)
{
    EXPECT_EQ(GetPropA(hWnd, "PrevWndProc"), 0);
    EXPECT_TRUE(SetPropA(hWnd, "PrevWndProc", 42));
    EXPECT_EQ(GetPropA(hWnd, "PrevWndProc"), 42);
    EXPECT_EQ(GetPropA(hWnd, "prevwndproc"), 0);
    EXPECT_FALSE(SetPropA(hWnd + 4, "PrevWndProc", 1));
    EXPECT_EQ(RemovePropA(hWnd, "PrevWndProc"), 42);
    EXPECT_EQ(GetPropA(hWnd, "PrevWndProc"), 0);
    EXPECT_EQ(RemovePropA(hWnd, "PrevWndProc"), 0);
}

TEST_F(WindowSystem, WindowRectLeavesTheRectangleAloneWhenItFails)
{
    RECT rect{1, 2, 3, 4};
    EXPECT_FALSE(GetWindowRect(hWnd, &rect));
    EXPECT_EQ(rect.left + rect.top + rect.right + rect.bottom, 10);
    shown = true;
    EXPECT_TRUE(GetWindowRect(hWnd, &rect));
    EXPECT_EQ(rect.right, 110);
    EXPECT_EQ(rect.bottom, 220);
    EXPECT_FALSE(GetWindowRect(0, &rect));
}

TEST(Messages, ParametersPackSignedWords)
{
    const LPARAM at = MakeLParam(-1200, 32767);
    EXPECT_EQ(SignedLowWord(static_cast<uintptr_t>(at)), -1200);
    EXPECT_EQ(SignedHighWord(static_cast<uintptr_t>(at)), 32767);
    const WPARAM wheel = MakeWheelWParam(MK_CONTROL, -120);
    EXPECT_EQ(LowWord(wheel), 8);
    EXPECT_EQ(SignedHighWord(wheel), -120);
    EXPECT_EQ(HighWord(wheel), 65416);
}

TEST(SystemColours, TextColoursStandOutFromTheirBackgroundsAndUnknownIndexesAreBlackInBothSchemes)
{
    auto lightness = [](int index) {
        const uint32_t bgr = GetSysColor(index);
        return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)).lightness();
    };
    // Menu, window, caption, button, inactive caption, tooltip and highlight text on their backgrounds.
    const struct {
        int text;
        int background;
    } pairs[] = {{7, 4}, {8, 5}, {9, 2}, {18, 15}, {19, 3}, {23, 24}, {14, 13}};
    for (const ColorScheme scheme : {ColorScheme::Dark, ColorScheme::Light}) {
        UseColorScheme(scheme);
        for (const auto& pair : pairs)
            EXPECT_GT(std::abs(lightness(pair.text) - lightness(pair.background)), 100) << pair.text << " on " << pair.background;
        for (int outside : {-1, 25, 31, 0xFFFFFF})
            EXPECT_EQ(GetSysColor(outside), 0u) << outside;
        // The window's background is what tells the schemes apart.
        EXPECT_EQ(lightness(COLOR_WINDOW) > 128, scheme == ColorScheme::Light);
    }
}

// The first pop-up that `open` shows, painted as it opens; `ink` counts the pixels of its lower
// half (a menu's second entry) that differ from its middle's.
QImage PaintedPopup(const std::function<void()>& open, int& ink)
{
    QImage image;
    QTimer::singleShot(0, [&] {
        for (QWidget* popup : QApplication::topLevelWidgets())
            if (popup->isVisible() && (popup->inherits("QMenu") || popup->inherits("QTipLabel")))
                image = popup->grab().toImage(), popup->close();
    });
    open();
    QCoreApplication::processEvents();
    for (int y = image.height() / 2; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x)
            ink += image.pixel(x, y) != image.pixel(image.width() / 2, image.height() / 2);
    return image;
}

// Dark menus and tooltips stand out from the window by one grey edge; a greyed entry is drawn
// once, without a lighter copy beside it.
TEST(SystemColours, DarkPopupsHaveAVisibleEdgeAndGreyedEntriesNoShadow)
{
    UseColorScheme(ColorScheme::Dark);
    int greyed = 0, enabled = 0, unused = 0;
    const QImage menu = PaintedPopup([] { ShowContextMenu(9, 9, {{"Today"}, {"Paste date", "", false}}); }, greyed);
    PaintedPopup([] { ShowContextMenu(9, 9, {{"Today"}, {"Paste date"}}); }, enabled);
    const QImage tip = PaintedPopup([] { QToolTip::showText(QPoint(9, 9), "Sunday", QApplication::activeWindow()); }, unused);
    UseColorScheme(ColorScheme::Light);
    ASSERT_FALSE(menu.isNull() || tip.isNull());
    const QRgb edge = menu.pixel(0, menu.height() / 2);
    EXPECT_GT(QColor(edge).lightnessF() - DarkPalette().color(QPalette::Base).lightnessF(), 0.25) << "no visible edge";
    EXPECT_EQ(tip.pixel(0, tip.height() / 2), edge) << "the tooltip's edge is not the menu's";
    EXPECT_LT(greyed, enabled * 1.15) << "the greyed entry is drawn twice";
}
