#include "platform/Clipboard.h"
#include "platform/ContextMenu.h"
#include "platform/HostWindow.h"
#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "support/PickerInvariants.h"
#include "support/TestEnvironment.h"
#include "runtime/Clock.h"
#include "runtime/Locale.h"
#include "window/TestForm.h"

#include <QCoreApplication>
#include <QDate>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QLocale>

#include <array>
#include <tuple>

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
    EXPECT_EQ(form.Focus().Index(), -1);
    EXPECT_EQ(form.MarkupLabel1()->FocusElement(), nullptr) << "no ring when the window opens";
    Press(VK_TAB);
    EXPECT_EQ(form.Focus().Index(), 0);
    EXPECT_EQ(form.MarkupLabel1()->FocusElement(), form.SliderGrids(0));
    for (int tab = 0; tab < 3; ++tab)
        Press(VK_TAB);
    EXPECT_EQ(form.MarkupLabel1()->FocusElement(), form.Links().Link(0));
    for (int tab = 0; tab < 8; ++tab)
        Press(VK_TAB);
    EXPECT_EQ(form.MarkupLabel1()->FocusElement(), form.Links().Link(8));
    Press(VK_TAB);
    EXPECT_EQ(form.Focus().Index(), 0) << "the order wraps round";
    Press(VK_TAB, true);
    EXPECT_EQ(form.Focus().Index(), 11);

    TestForm fresh;
    fresh.Form_Load();
    SetModifierKeys(true, false);
    SendMessageA(fresh.hWnd(), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(fresh.Focus().Index(), 11) << "Shift+Tab first goes to the last link";
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
        // Tab reaches the columns where they stand, in the language's order.
        const int stop = c.column < 3 ? each.PlacedColumns().PlaceOf(c.column) : c.column;
        for (int tab = 0; tab <= stop; ++tab)
            SendMessageA(each.hWnd(), WM_KEYDOWN, VK_TAB, 1);
        SendMessageA(each.hWnd(), WM_KEYDOWN, static_cast<WPARAM>(c.key), 1);
        EXPECT_EQ(each.Selected(), c.selected) << c.column;
    }
}

// Until the focus is placed, a key or a typed character acts on the column the language writes
// first, and the focus ring shows from then on; Tab still starts on that column.
TEST(FirstKey, ActsOnTheColumnTheLanguageWritesFirst)
{
    const std::tuple<const char*, int, const char*, const char*> cases[] = {
        {"en_US", VK_DOWN, "", "7/10/2025"}, {"en_US", VK_UP, "", "5/10/2025"},   {"de_DE", VK_DOWN, "", "6/11/2025"},
        {"ja_JP", VK_DOWN, "", "6/10/2026"}, {"ja_JP", 0, "1987", "6/10/1987"}, {"en_US", 0, "aug", "8/10/2025"},
        {"en_US", VK_TAB, "", "6/10/2025"}};
    for (const auto& [language, key, typed, selected] : cases) {
        runtime::UseLocale(QLocale(language));
        TestForm each;
        each.Form_Load();
        each.Select(6, 10, 2025);
        EXPECT_EQ(each.MarkupLabel1()->FocusElement(), nullptr) << "no ring before a key";
        if (key)
            SendMessageA(each.hWnd(), WM_KEYDOWN, static_cast<WPARAM>(key), 1);
        for (const char* character = typed; *character; ++character)
            SendMessageA(each.hWnd(), WM_CHAR, static_cast<WPARAM>(*character), 1);
        EXPECT_EQ(each.Selected(), selected) << language << " key " << key << " typed " << typed;
        EXPECT_EQ(each.MarkupLabel1()->FocusElement(), each.ColumnGrid(each.Focus().ColumnAtStop(0))) << language;
    }
    runtime::UseLocale(QLocale(QLocale::English, QLocale::UnitedStates));
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
    // Home placed the focus on the first column; four Tabs on reach link 1, "Tomorrow".
    for (int tab = 0; tab < 4; ++tab)
        Press(VK_TAB);
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

// Typed characters reach the focused column as WM_CHAR; in `keys` "|" stands for a pause of
// just over a second, "\b" for Backspace and ">" for another key (Right, which does nothing).
TEST_F(Keyboard, TypedDigitsAndMonthNamesSelectInTheFocusedColumn)
{
    const struct {
        const char* language;
        int column;
        const char* start;
        const char* keys;
        const char* selected;
    } cases[] = {
        {"en", 2, "2024-02-29", "2023", "2/28/2023"}, {"en", 2, "2024-02-29", "198", "2/29/2024"},
        {"en", 2, "2024-02-29", "0999", "2/29/2024"}, {"en", 2, "2024-02-29", "19|87", "2/29/2024"},
        {"en", 2, "2024-02-29", "19>87", "2/29/2024"}, {"en", 2, "2024-02-29", "20233", "2/28/2023"},
        {"en", 2, "2024-02-29", "19~87", "2/29/2024"}, {"en", 2, "2024-02-29", "19=87", "2/29/2024"},
        {"en", 2, "2024-02-29", "1987x", "2/28/1987"}, {"en", 2, "2024-02-29", "19\b987", "2/28/1987"},
        {"en", 1, "2024-02-10", "1", "2/1/2024"},      {"en", 1, "2024-02-10", "15", "2/15/2024"},
        {"en", 1, "2024-02-10", "45", "2/5/2024"},     {"en", 1, "2024-02-10", "1|5", "2/5/2024"},
        {"en", 1, "2024-02-10", "1\b7", "2/7/2024"},   {"en", 1, "2024-02-10", "05", "2/5/2024"},
        {"en", 0, "2024-03-31", "aug", "8/31/2024"},   {"en", 0, "2024-08-31", "ma", "3/31/2024"},
        {"en", 0, "2024-03-31", "FEB", "2/29/2024"},   {"en", 0, "2024-03-10", "j", "1/10/2024"},
        {"en", 0, "2024-03-10", "jj", "6/10/2024"},    {"en", 0, "2024-03-10", "jjj", "7/10/2024"},
        {"en", 0, "2024-05-10", "12", "12/10/2024"},   {"en", 0, "2024-05-10", "13", "3/10/2024"},
        {"en", 0, "2024-03-10", "xyz", "3/10/2024"},
        {"de", 0, "2024-01-10", "MARZ", "3/10/2024"},  {"de", 0, "2024-01-10", "mai", "5/10/2024"},
        {"de", 0, "2024-01-10", "o", "10/10/2024"},    {"cs", 0, "2024-01-10", "cervenec", "7/10/2024"},
        {"en", 3, "2024-01-10", "1987", "1/10/2024"},
    };
    int64_t now = 0;
    runtime::UseMilliseconds([&now] { return now; });
    UseContextMenu([](int, int, const std::vector<MenuEntry>&) { return -1; });
    UseClipboard([](const std::string&) {});
    for (const auto& c : cases) {
        runtime::UseLocale(QLocale(c.language));
        TestForm each;
        each.Form_Load();
        const QDate start = QDate::fromString(c.start, Qt::ISODate);
        each.Select(start.month(), start.day(), start.year());
        // Tab reaches the columns where they stand, in the language's order.
        const int stop = c.column < 3 ? each.PlacedColumns().PlaceOf(c.column) : c.column;
        for (int tab = 0; tab <= stop; ++tab)
            SendMessageA(each.hWnd(), WM_KEYDOWN, VK_TAB, 1);
        for (const uint character : QString::fromUtf8(c.keys).toUcs4()) {
            now += character == '|' ? 1001 : 100;
            // Right, the Menu key and the Copy key between characters.
            if (character == '>')
                SendMessageA(each.hWnd(), WM_KEYDOWN, VK_RIGHT, 1);
            else if (character == '~')
                SendMessageA(each.hWnd(), WM_CONTEXTMENU, 0, ContextMenuFromKeyboard);
            else if (character == '=')
                SendMessageA(each.hWnd(), WM_APPCOMMAND, 0, MakeAppCommandLParam(APPCOMMAND_COPY));
            else if (character != '|')
                SendMessageA(each.hWnd(), WM_CHAR, character, 1);
        }
        EXPECT_EQ(each.Selected(), c.selected) << c.language << " column " << c.column << " typed " << c.keys;
    }
    runtime::UseLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    runtime::UseMilliseconds(nullptr);
    UseContextMenu(nullptr);
    UseClipboard(nullptr);

    form.Select(6, 10, 2025);
    form.SetSelectableRange({Ymd(2000, 1, 1), Ymd(2030, 12, 31)});
    FocusColumn(2);
    for (const char character : std::string("1999"))
        SendMessageA(form.hWnd(), WM_CHAR, static_cast<WPARAM>(character), 1);
    EXPECT_EQ(form.Selected(), "6/10/2025") << "a year outside the bounds is refused";
}

// "1" and "5" typed, each pair a number of milliseconds apart and delivered another number apart.
TEST(TypedKeys, ThePauseIsTimedAsTheKeysWereTypedNotAsTheyArrived)
{
    int64_t now = 0;
    runtime::UseMilliseconds([&now] { return now; });
    for (const auto& [typedApart, arrivedApart, selected] : {std::tuple{1300, 0, "2/5/2024"}, {50, 1300, "2/15/2024"}}) {
        TestForm form;
        form.Form_Load();
        form.Show();
        form.Select(2, 10, 2024);
        SendMessageA(form.hWnd(), WM_KEYDOWN, VK_TAB, 1);
        SendMessageA(form.hWnd(), WM_KEYDOWN, VK_TAB, 1);
        for (const auto& [key, typedAt] : {std::pair{Qt::Key_1, 0}, {Qt::Key_5, typedApart}}) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(key)));
            event.setTimestamp(static_cast<quint64>(50000 + typedAt));
            QCoreApplication::sendEvent(form.Host(), &event);
            now += arrivedApart;
        }
        EXPECT_EQ(form.Selected(), selected) << "typed " << typedApart << " ms apart";
        form.Form_Unload();
    }
    runtime::UseMilliseconds(nullptr);
}

// The ring painted whole on the month column, then moved by repaints of what changed only.
TEST(FocusRing, MovingItAtAnyScaleFactorLeavesNoTrace)
{
    for (const qreal scale : {1.0, 1.5, 2.0}) {
        TestForm form;
        form.Form_Load();
        const markup::MarkupLabelPtr& label = form.MarkupLabel1();
        std::array<QImage, 2> images; // repainted in part, then whole
        for (QImage& image : images) {
            image = QImage((label->Size() * scale).toSize(), QImage::Format_ARGB32);
            image.setDevicePixelRatio(scale);
        }
        for (int tab = 0; tab < 5; ++tab) {
            SendMessageA(form.hWnd(), WM_KEYDOWN, VK_TAB, 1);
            QPainter painter(&images[0]);
            tab == 0 ? label->Paint(painter) : label->Paint(painter, label->TakeChangedArea());
        }
        QPainter whole(&images[1]);
        label->Paint(whole);
        whole.end();
        EXPECT_EQ(images[0], images[1]) << "scale " << scale;
        form.Form_Unload();
    }
}
