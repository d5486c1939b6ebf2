#include "platform/HostWindow.h"
#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "support/TestEnvironment.h"
#include "window/Accessibility.h"
#include "window/TestForm.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>

#include <algorithm>
#include <vector>

using platform::SendMessageA;

namespace {

class Accessibility : public testing::Test {
protected:
    void SetUp() override
    {
        form.Form_Load();
        form.Show();
        form.MarkupLabel1()->UpdateLayout();
        window = QAccessible::queryAccessibleInterface(form.Host());
        ASSERT_TRUE(window);
    }
    void TearDown() override { form.Form_Unload(); }
    QString Name(int child) const { return window->child(child)->text(QAccessible::Name); }

    TestForm form;
    QAccessibleInterface* window = nullptr;
};

} // namespace

TEST_F(Accessibility, TheWindowReadsAsHeaderThreeSpinBoxesAndNineLinks)
{
    EXPECT_EQ(window->role(), QAccessible::Window);
    ASSERT_EQ(window->childCount(), 13);
    EXPECT_EQ(window->child(0)->role(), QAccessible::StaticText);
    EXPECT_EQ(Name(0), "Monday December 7, 2026");
    const char* names[] = {"Month", "Day", "Year"};
    const char* values[] = {"December", "7", "2026"};
    for (int column = 0; column < 3; ++column) {
        QAccessibleInterface* spin = window->child(1 + column);
        EXPECT_EQ(spin->role(), QAccessible::SpinBox);
        EXPECT_EQ(spin->text(QAccessible::Name), names[column]);
        EXPECT_EQ(spin->text(QAccessible::Value), values[column]);
        EXPECT_EQ(window->indexOfChild(spin), 1 + column);
        EXPECT_TRUE(spin->rect().isValid());
    }
    EXPECT_EQ(window->child(2)->valueInterface()->currentValue().toInt(), 7);
    EXPECT_EQ(window->child(4)->role(), QAccessible::Link);
    EXPECT_EQ(Name(5), "Tomorrow, Tuesday December 8, 2026");
    {
        const FixedToday today(Ymd(2026, 12, 31));
        EXPECT_EQ(Name(12), "Last of next month, Sunday January 31, 2027") << "names follow the clock";
    }
}

TEST_F(Accessibility, ActionsChangeTheDateAsTheWheelAndClicksDo)
{
    form.Select(12, 31, 2025);
    QAccessibleActionInterface* day = window->child(2)->actionInterface();
    ASSERT_TRUE(day);
    day->doAction(QAccessibleActionInterface::increaseAction());
    TestForm wheel;
    wheel.BuildLayout();
    wheel.Select(12, 31, 2025);
    wheel.HoverColumn(1);
    wheel.MouseWheel(0, -120, 0, 0);
    EXPECT_EQ(form.Selected(), wheel.Selected());
    EXPECT_EQ(form.Selected(), "12/1/2025");
    day->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(form.Selected(), "12/31/2025");

    form.Select(6, 10, 9997);
    window->child(3)->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(form.Selected(), "6/10/9997") << "a refused step changes nothing";

    window->child(4)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.Selected(), "12/7/2026");
}

TEST_F(Accessibility, ChangesAreAnnouncedForTheColumnsThatMovedAndTheHeader)
{
    form.Select(6, 10, 2025);
    std::vector<std::pair<QString, QAccessible::Event>> heard;
    accessibility::SetAnnouncementListener([&](QAccessibleEvent& event) {
        if (event.type() != QAccessible::DescriptionChanged)
            heard.emplace_back(event.accessibleInterface()->text(QAccessible::Name), event.type());
    });
    form.Select(6, 11, 2026);
    SendMessageA(form.hWnd(), platform::WM_KEYDOWN, platform::VK_TAB, 1);
    accessibility::SetAnnouncementListener(nullptr);
    const std::vector<std::pair<QString, QAccessible::Event>> expected = {
        {"Day", QAccessible::ValueChanged},
        {"Year", QAccessible::ValueChanged},
        {"Thursday June 11, 2026", QAccessible::NameChanged},
        {"Month", QAccessible::Focus}};
    EXPECT_EQ(heard, expected);
}

TEST_F(Accessibility, AValueOutsideItsColumnIsRefusedAndNothingCarries)
{
    const struct {
        int column;
        QVariant value;
        const char* selected;
    } cases[] = {
        {0, 13, "6/10/2025"},  {0, 0, "6/10/2025"},      {0, QString("May"), "6/10/2025"}, {0, 2.5, "6/10/2025"},
        {1, 31, "6/10/2025"},  {1, 0, "6/10/2025"},      {2, 999, "6/10/2025"},            {2, 9998, "6/10/2025"},
        {0, 12, "12/10/2025"}, {1, QString("30"), "6/30/2025"}, {2, 9997.0, "6/10/9997"},
    };
    for (const auto& c : cases) {
        form.Select(6, 10, 2025);
        window->child(1 + c.column)->valueInterface()->setCurrentValue(c.value);
        EXPECT_EQ(form.Selected(), c.selected) << c.column << " " << c.value.toString().toStdString();
    }
    form.Select(2, 10, 2024);
    EXPECT_EQ(window->child(2)->valueInterface()->maximumValue().toInt(), 29);
}

TEST_F(Accessibility, TheWindowAndTheFocusedPartTellTheNewDate)
{
    EXPECT_EQ(window->text(QAccessible::Description), "Monday December 7, 2026");
    EXPECT_EQ(window->text(QAccessible::Name), "Form1");
    for (int tab = 0; tab < 5; ++tab)
        SendMessageA(form.hWnd(), platform::WM_KEYDOWN, platform::VK_TAB, 1);
    QAccessibleInterface* tomorrow = window->child(5);
    ASSERT_TRUE(tomorrow->state().focused);
    std::vector<QAccessibleInterface*> told;
    accessibility::SetAnnouncementListener([&](QAccessibleEvent& event) {
        if (event.type() == QAccessible::DescriptionChanged &&
            event.accessibleInterface()->text(QAccessible::Description) == "Tuesday December 8, 2026")
            told.push_back(event.accessibleInterface());
    });
    SendMessageA(form.hWnd(), platform::WM_KEYDOWN, platform::VK_RETURN, 1);
    accessibility::SetAnnouncementListener(nullptr);
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.front(), window);
    EXPECT_NE(std::find(told.begin(), told.end(), tomorrow), told.end()) << "the focused link tells it";
}

TEST_F(Accessibility, AForgottenWindowHasNoPartsLeftToRead)
{
    ASSERT_EQ(window->childCount(), 13);
    accessibility::Forget(form);
    // Qt keeps the window's interface until the host window goes, and a screen reader may ask it.
    EXPECT_EQ(window->childCount(), 0);
    EXPECT_EQ(window->child(1), nullptr);
    EXPECT_EQ(window->focusChild(), nullptr);
    EXPECT_EQ(window->text(QAccessible::Description), QString());
}
