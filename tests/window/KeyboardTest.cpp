#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "support/PickerInvariants.h"
#include "support/TestEnvironment.h"
#include "window/TestForm.h"

using namespace platform;

namespace {

class Keyboard : public testing::Test {
protected:
    void SetUp() override { form.Form_Load(); }
    void TearDown() override
    {
        SetModifierKeys(false, false);
        form.Form_Unload();
    }
    void Press(int virtualKey, bool shift = false)
    {
        SetModifierKeys(shift, false);
        SendMessageA(form.hWnd(), WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
    }
    void FocusColumn(int column)
    {
        for (int tab = 0; tab <= column; ++tab)
            Press(VK_TAB);
    }

    TestForm form;
};

} // namespace

TEST_F(Keyboard, TabWalksColumnsThenLinksAndShiftTabWalksBack)
{
    EXPECT_EQ(form.FocusIndex(), -1);
    EXPECT_EQ(form.MarkupLabel1()->FocusElement(), nullptr) << "no ring when the window opens";
    Press(VK_TAB);
    EXPECT_EQ(form.FocusIndex(), 0);
    EXPECT_EQ(form.MarkupLabel1()->FocusElement(), form.SliderGrids(0));
    for (int tab = 0; tab < 3; ++tab)
        Press(VK_TAB);
    EXPECT_EQ(form.MarkupLabel1()->FocusElement(), form.SpecialDateLink(0));
    for (int tab = 0; tab < 8; ++tab)
        Press(VK_TAB);
    EXPECT_EQ(form.MarkupLabel1()->FocusElement(), form.SpecialDateLink(8));
    Press(VK_TAB);
    EXPECT_EQ(form.FocusIndex(), 0) << "the order wraps round";
    Press(VK_TAB, true);
    EXPECT_EQ(form.FocusIndex(), 11);

    TestForm fresh;
    fresh.Form_Load();
    SetModifierKeys(true, false);
    SendMessageA(fresh.hWnd(), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(fresh.FocusIndex(), 11) << "Shift+Tab first goes to the last link";
}

TEST_F(Keyboard, UpAndDownStepTheFocusedColumnWithinItsCycle)
{
    const struct {
        int column, key;
        int month, day, year;
        const char* selected;
    } cases[] = {
        {0, VK_DOWN, 12, 15, 2025, "1/15/2025"}, {0, VK_UP, 1, 31, 2025, "12/31/2025"},
        {1, VK_DOWN, 12, 31, 2025, "12/1/2025"}, {1, VK_UP, 2, 1, 2024, "2/29/2024"},
        {2, VK_DOWN, 2, 29, 2024, "2/28/2025"},  {2, VK_UP, 6, 10, 2025, "6/10/2024"},
    };
    for (const auto& c : cases) {
        TestForm each;
        each.Form_Load();
        each.Select(c.month, c.day, c.year);
        for (int tab = 0; tab <= c.column; ++tab)
            SendMessageA(each.hWnd(), WM_KEYDOWN, VK_TAB, 1);
        SendMessageA(each.hWnd(), WM_KEYDOWN, static_cast<WPARAM>(c.key), 1);
        EXPECT_EQ(each.Selected(), c.selected) << c.column;
    }
    form.Select(6, 10, 2025);
    Press(VK_DOWN);
    EXPECT_EQ(form.Selected(), "6/10/2025") << "without focus the arrows do nothing";
}

TEST_F(Keyboard, PageKeysStepTenYearsInTheYearColumnOnly)
{
    form.Select(6, 10, 2025);
    FocusColumn(0);
    Press(VK_NEXT);
    EXPECT_EQ(form.Selected(), "6/10/2025");
    Press(VK_TAB);
    Press(VK_TAB);
    Press(VK_NEXT);
    EXPECT_EQ(form.Selected(), "6/10/2035");
    Press(VK_PRIOR);
    Press(VK_PRIOR);
    EXPECT_EQ(form.Selected(), "6/10/2015");

    form.Select(6, 10, 9990);
    Press(VK_NEXT);
    EXPECT_EQ(form.Selected(), "6/10/9990") << "a page past the last year is refused";
    form.Select(2, 29, 1004);
    Press(VK_PRIOR);
    EXPECT_EQ(form.Selected(), "2/29/1004");
    EXPECT_EQ(PickerInconsistency(form), "");
}

TEST_F(Keyboard, HomeSelectsTodayAndEnterOrSpaceClickTheFocusedLink)
{
    form.Select(6, 10, 2025);
    Press(VK_HOME);
    EXPECT_EQ(form.Selected(), "12/7/2026");
    FocusColumn(4); // link 1, "Tomorrow"
    Press(VK_RETURN);
    EXPECT_EQ(form.Selected(), "12/8/2026");
    Press(VK_TAB);
    Press(VK_SPACE);
    EXPECT_EQ(form.Selected(), "12/6/2026");
    Press(VK_TAB, true);
    Press(VK_TAB, true);
    Press(VK_TAB, true);
    Press(VK_RETURN);
    EXPECT_EQ(form.Selected(), "12/6/2026") << "Enter on a column does nothing";
}
