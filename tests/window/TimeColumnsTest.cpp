#include "platform/Clipboard.h"
#include "platform/HostWindow.h"
#include "platform/ContextMenu.h"
#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "runtime/Clock.h"
#include "runtime/Locale.h"
#include "support/TestEnvironment.h"
#include "window/TestForm.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLocale>

#include <functional>

using namespace platform;

// A window with time columns in American English (a 12-hour clock), opened on Sunday December 6,
// 2026 at 9:05 PM, the moment now 10:42 AM; each case starts afresh and ends in one ISO text.
TEST(TimeColumns, KeysPastesAndTheMenuChangeTheTimeAndCopyIt)
{
    const LocalZone berlin("Europe/Berlin");
    runtime::UseMinuteOfDay([] { return 10 * 60 + 42; });
    std::string clipboard;
    UseClipboardSource([&] { return clipboard; });
    const auto key = [](TestForm& form, int virtualKey, bool shift = false, bool control = false) {
        SetModifierKeys(shift, control);
        SendMessageA(form.hWnd(), WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
        SetModifierKeys(false, false);
    };
    const auto tabs = [&](TestForm& form, int count) {
        for (int tab = 0; tab < count; ++tab)
            key(form, VK_TAB);
    };
    const auto type = [](TestForm& form, char32_t character) { SendMessageA(form.hWnd(), WM_CHAR, character, 1); };
    const auto paste = [&](TestForm& form, const char* text) {
        clipboard = text;
        key(form, VK_V, false, true);
    };
    const auto pick = [](TestForm& form, int entry) {
        UseContextMenu([entry](int, int, const std::vector<MenuEntry>&) { return entry; });
        SendMessageA(form.hWnd(), WM_CONTEXTMENU, 0, MakeLParam(-1, -1));
        UseContextMenu(nullptr);
    };
    const struct {
        const char* what;
        std::function<void(TestForm&)> act;
        const char* iso;
    } cases[] = {
        {"Tab reaches the hour after the year; Down steps 9 PM to 10 PM", [&](TestForm& f) { tabs(f, 4); key(f, VK_DOWN); },
         "2026-12-06T22:05"},
        {"then the minute; typing 4 and 5 selects 45", [&](TestForm& f) { tabs(f, 5); type(f, '4'); type(f, '5'); },
         "2026-12-06T21:45"},
        {"then AM/PM; typing a selects the morning", [&](TestForm& f) { tabs(f, 6); type(f, 'a'); }, "2026-12-06T09:05"},
        {"typing 1 into the hour keeps the afternoon", [&](TestForm& f) { tabs(f, 4); type(f, '1'); },
         "2026-12-06T13:05"},
        {"Home selects today and keeps the time", [&](TestForm& f) { key(f, VK_HOME); }, "2026-12-07T21:05"},
        {"a pasted ISO date and time", [&](TestForm& f) { paste(f, "2026-12-24T18:30"); }, "2026-12-24T18:30"},
        {"a pasted header with its time", [&](TestForm& f) { paste(f, "Thursday December 24, 2026 6:30 AM"); },
         "2026-12-24T06:30"},
        {"a pasted date keeps the time", [&](TestForm& f) { paste(f, "2026-12-25"); }, "2026-12-25T21:05"},
        {"a pasted time that is no time changes nothing", [&](TestForm& f) { paste(f, "2026-12-24 25:30"); },
         "2026-12-06T21:05"},
        {"seconds select their minute", [&](TestForm& f) { paste(f, "2027-01-15 07:45:59.9"); }, "2027-01-15T07:45"},
        {"a zone its moment", [&](TestForm& f) { paste(f, "2027-01-15T23:30-05:00"); }, "2027-01-16T05:30"},
        {"UTC", [&](TestForm& f) { paste(f, "2026-10-25T00:30Z"); }, "2026-10-25T02:30"},
        {"a repeated time seen the second time", [&](TestForm& f) { paste(f, "2026-10-25T01:30Z"); }, "2026-12-06T21:05"},
        {"a skipped time", [&](TestForm& f) { paste(f, "2026-03-29T02:30:00"); }, "2026-12-06T21:05"},
        {"Now selects today at the time of the moment", [&](TestForm& f) { pick(f, 4); }, "2026-12-07T10:42"},
    };
    for (const auto& c : cases) {
        const runtime::WallTime first{Ymd(1000, 1, 1), 0};
        FormSetup setup;
        setup.StartDate = Ymd(2026, 12, 6);
        setup.Time = TimeColumnsSetup{{1, runtime::CurrentClockStyle(), first, {Ymd(9997, 12, 31), 1439}}, 21 * 60 + 5};
        TestForm form(std::move(setup));
        form.Form_Load();
        c.act(form);
        std::vector<std::string> copied;
        UseClipboard([&](const std::string& text) { copied.push_back(text); });
        key(form, VK_C, true, true);
        UseClipboard(nullptr);
        EXPECT_EQ(copied, std::vector<std::string>{c.iso}) << c.what;
        form.Form_Unload();
    }
    UseClipboardSource(nullptr);
    runtime::UseMinuteOfDay(nullptr);
}

// Apia skipped 2011-12-30: landing on it moves on past the gap, a step back goes on back before it.
TEST(TimeColumns, NeverSelectATimeOnADayTheClockSkips)
{
    const LocalZone apia("Pacific/Apia");
    const FixedToday today(Ymd(2011, 12, 30));
    const struct {
        runtime::Date start;
        std::function<void(TestForm&)> act;
        const char* selected;
    } cases[] = {
        {Ymd(2011, 12, 30), [](TestForm&) {}, "2011-12-31T00:00"},
        {Ymd(2011, 12, 29), [](TestForm& f) { f.SetDate(12, 30, 2011); }, "2011-12-31T00:00"},
        {Ymd(2011, 12, 29), [](TestForm& f) { SendMessageA(f.hWnd(), WM_KEYDOWN, VK_HOME, 1); }, "2011-12-31T00:00"},
        {Ymd(2011, 12, 31), [](TestForm& f) { f.SetDate(12, 30, 2011); }, "2011-12-29T23:59"},
    };
    for (const auto& c : cases) {
        FormSetup setup;
        setup.StartDate = c.start;
        setup.Time = TimeColumnsSetup{{1, runtime::CurrentClockStyle(), {Ymd(1000, 1, 1), 0}, {Ymd(9997, 12, 31), 1439}}, 12 * 60};
        TestForm form(std::move(setup));
        form.Form_Load();
        c.act(form);
        EXPECT_EQ(runtime::IsoText(form.SelectedTime()), c.selected) << c.start.IsoText();
        form.Form_Unload();
    }
}

// Screen readers read the time columns as spin buttons after the date's, named and valued.
TEST(TimeColumns, ReadAsNamedSpinButtonsAfterTheDate)
{
    FormSetup setup;
    setup.Time = TimeColumnsSetup{{15, runtime::CurrentClockStyle(), {Ymd(1000, 1, 1), 0}, {Ymd(9997, 12, 31), 1439}}, 21 * 60 + 5};
    TestForm form(std::move(setup));
    form.Form_Load();
    form.Show();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.Host());
    ASSERT_EQ(window->childCount(), 16);
    EXPECT_EQ(window->child(0)->text(QAccessible::Name), "Monday December 7, 2026 9:00 PM");
    const char* names[] = {"Hour", "Minute", "AM/PM"};
    const char* values[] = {"9", "00", "PM"};
    for (int part = 0; part < 3; ++part) {
        QAccessibleInterface* spin = window->child(4 + part);
        EXPECT_EQ(spin->role(), QAccessible::SpinBox);
        EXPECT_EQ(spin->text(QAccessible::Name), names[part]);
        EXPECT_EQ(spin->text(QAccessible::Value), values[part]);
    }
    EXPECT_EQ(window->child(5)->valueInterface()->maximumValue().toInt(), 45) << "the last step of the hour";
    window->child(5)->valueInterface()->setCurrentValue(45);
    EXPECT_EQ(form.SelectedTime().Minute, 21 * 60 + 45);
    form.Form_Unload();
}

// In every 12-hour language "a" and "p" select the morning and the afternoon, as its own words do.
TEST(TimeColumns, AAndPSelectTheHalfOfTheDayInEveryLanguage)
{
    const struct {
        const char* language;
        char32_t typed;
        int from, to;
    } cases[] = {{"ko_KR", U'a', 21, 9}, {"zh_TW", U'P', 9, 21}, {"ar_EG", U'a', 21, 9}, {"ar_EG", U'p', 9, 21}};
    for (const auto& c : cases) {
        runtime::UseLocale(QLocale(c.language));
        FormSetup setup;
        setup.Time = TimeColumnsSetup{{1, runtime::CurrentClockStyle(), {Ymd(1000, 1, 1), 0}, {Ymd(9997, 12, 31), 1439}}, c.from * 60};
        TestForm form(std::move(setup));
        form.Form_Load();
        for (int tab = 0; tab < 6 && form.Focus().FocusedColumn() != slider::PeriodColumn; ++tab)
            SendMessageA(form.hWnd(), WM_KEYDOWN, VK_TAB, 1);
        SendMessageA(form.hWnd(), WM_CHAR, c.typed, 1);
        EXPECT_EQ(form.SelectedTime().Hour(), c.to) << c.language << " typed " << static_cast<uint32_t>(c.typed);
    }
    runtime::UseLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}
