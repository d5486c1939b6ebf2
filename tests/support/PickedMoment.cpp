#include "support/PickedMoment.h"

#include "app/PickerApplication.h"
#include "app/PickerSetup.h"
#include "app/PrintedDate.h"
#include "markup/Border.h"
#include "platform/Clipboard.h"
#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "runtime/ClockStyle.h"

#include <array>
#include <ctime>
#include <exception>

namespace {

std::tm WallParts(const runtime::WallTime& time)
{
    std::tm parts{};
    parts.tm_year = time.Day.Year() - 1900;
    parts.tm_mon = time.Day.Month() - 1;
    parts.tm_mday = time.Day.Day();
    parts.tm_hour = time.Hour();
    parts.tm_min = time.MinuteOfHour();
    parts.tm_isdst = -1;
    return parts;
}

bool SameWallTime(const std::tm& shown, const std::tm& wanted)
{
    return shown.tm_year == wanted.tm_year && shown.tm_mon == wanted.tm_mon && shown.tm_mday == wanted.tm_mday &&
           shown.tm_hour == wanted.tm_hour && shown.tm_min == wanted.tm_min;
}

} // namespace

// The C library's own answer, apart from the program's: a wall time the clock skips comes back
// from mktime moved past the gap.
bool ClockShows(const runtime::WallTime& time)
{
    const std::tm wanted = WallParts(time);
    std::tm parts = wanted;
    const time_t moment = std::mktime(&parts);
    std::tm shown{};
    return localtime_r(&moment, &shown) && SameWallTime(shown, wanted);
}

std::string PrintedMomentProblem(const runtime::WallTime& time)
{
    const std::optional<QString> printed = app::StrftimeDateTime(time, QStringLiteral("%s|%z|%Z"));
    if (!printed)
        return "%s %z %Z print nothing";
    const QStringList fields = printed->split(u'|');
    bool isNumber = false;
    const time_t moment = fields.value(0).toLongLong(&isNumber);
    std::tm shown{};
    if (fields.size() != 3 || !isNumber || !localtime_r(&moment, &shown))
        return "%s %z %Z print " + printed->toStdString();
    if (!SameWallTime(shown, WallParts(time)))
        return "%s " + fields[0].toStdString() + " is another wall time";
    std::array<char, 64> zone{};
    std::strftime(zone.data(), zone.size(), "%z|%Z", &shown);
    if (fields[1] + u'|' + fields[2] != QString::fromLocal8Bit(zone.data()))
        return "%z|%Z print " + (fields[1] + u'|' + fields[2]).toStdString() + ", the C library " + zone.data();
    return "";
}

std::string MomentInconsistency(const Form1& picker, const app::PickerOptions& options)
{
    const slider::DateRange calendar = slider::SelectableYears();
    const int32_t lastMinute = runtime::MinutesPerDay - 1;
    const runtime::WallTime first{options.minDate.value_or(calendar.First), options.time ? options.minMinute.value_or(0) : 0};
    const runtime::WallTime last{options.maxDate.value_or(calendar.Last),
                                 options.time ? options.maxMinute.value_or(lastMinute) : lastMinute};
    const runtime::WallTime picked = picker.SelectedTime();
    const std::string shown = runtime::IsoText(picked);
    if (picked < first || last < picked)
        return shown + " lies outside " + runtime::IsoText(first) + " to " + runtime::IsoText(last);
    if (!options.time)
        return "";
    if (!picker.TimeColumns() || !picker.TimeColumns()->Selected())
        return "no time is selected on " + shown;
    if (picked.Minute % options.minuteStep != 0)
        return shown + " is off the step of " + std::to_string(options.minuteStep);
    const std::string header = picked.Day.LongText() + " " + runtime::ShortTimeText(picked.Minute);
    if (picker.DateHeader() && picker.DateHeader()->Text() != header)
        return "the header shows " + picker.DateHeader()->Text() + " for " + shown;
    if (!ClockShows(picked))
        return shown + " never shows on the local clock";
    if (std::string problem = PrintedMomentProblem(picked); !problem.empty())
        return shown + ": " + problem;
    return "";
}

StartedPicker StartFromCommandLine(const QStringList& arguments)
{
    StartedPicker started;
    started.Read = app::ParseCommandLine(arguments);
    if (started.Read.outcome == app::CommandLineOutcome::Refuse) {
        const QString& line = started.Read.text;
        if (!line.endsWith(u'\n') || line.count(u'\n') != 1 || line.size() < 2)
            started.Problem = "the refusal is not one line: " + line.toStdString();
        return started;
    }
    if (started.Read.outcome != app::CommandLineOutcome::Run)
        return started;
    const app::PickerOptions& options = started.Read.options;
    auto form = std::make_unique<Form1>(app::PickerSetup(
        options, app::DialogButtonRow(options.buttons, options.extraButtons, options.noButtons, options.cancelLabel,
                                      options.okLabel)));
    try {
        form->Form_Load();
    } catch (const std::exception& failure) {
        started.Problem = std::string("the window could not be built: ") + failure.what();
        return started;
    }
    started.Form = {form.release(), [](Form1* loaded) {
                        loaded->Form_Unload();
                        delete loaded;
                    }};
    started.Problem = MomentInconsistency(*started.Form, started.Read.options);
    return started;
}

void ActOn(Form1& form, uint32_t action, uint32_t value, const std::string& pasted)
{
    using namespace platform;
    const auto key = [&form](int virtualKey, bool control = false) {
        SetModifierKeys(false, control);
        SendMessageA(form.hWnd(), WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
        SetModifierKeys(false, false);
    };
    const int32_t column = form.Focus().ColumnAtStop(static_cast<int32_t>(value % form.Focus().ColumnStopCount()));
    // A refused selection leaves the window as it was, as the window's own callers catch it.
    try {
        switch (action % ActionCount) {
        case 0: form.StepColumn(column, value & 0x100 ? 1 : -1); break;
        case 1: {
            auto cell = std::make_shared<markup::Border>();
            cell->SetName(slider::CellTextName(column, static_cast<int32_t>(value >> 8) % slider::RowCount));
            form.CellClicked(cell, {});
            break;
        }
        case 2: form.ActivateLink(static_cast<int32_t>(value % 9)); break;
        case 3: key(VK_HOME); break;
        case 4: key(VK_TAB); break;
        case 5: {
            static constexpr char typed[] = "0123456789apAP: ";
            SendMessageA(form.hWnd(), WM_CHAR, static_cast<WPARAM>(typed[value % (sizeof typed - 1)]), 1);
            break;
        }
        default:
            UseClipboardSource([&pasted] { return pasted; });
            key(VK_V, true);
            UseClipboardSource(nullptr);
        }
    } catch (const std::exception&) {
    }
}
