// Copying the selected date, as the header shows it or in ISO 8601 form, with the copy keys
// or from the context menu that a right click, the Menu key or Shift+F10 opens; and pasting
// a date copied elsewhere, with the paste keys or from the same menu. Beside time columns the
// time goes with the date both ways, and a pasted date without a time keeps the time.

#include "window/DateClipboard.h"

#include "platform/Clipboard.h"
#include "platform/ContextMenu.h"
#include "runtime/ClockStyle.h"
#include "runtime/DateText.h"
#include "runtime/LocalTime.h"
#include "runtime/RuntimeError.h"

#include <QGuiApplication>

#include <vector>

using platform::GetClipboardText;

namespace {

// The context menu's entries, in the order it shows them; Now only beside time columns.
enum MenuPick { CopyAsShownEntry, CopyIsoEntry, PasteEntry, TodayEntry, NowEntry };

} // namespace

void DateClipboard::Copy(CopyForm form) const
{
    // Before the window is built there is no date to copy.
    if (!date_.DateHeader())
        return;
    platform::SetClipboardText(form == CopyForm::Iso ? IsoText() : date_.DateHeader()->Text());
}

// The ISO 8601 form of the selection: the date, and the time where the window shows one.
std::string DateClipboard::IsoText() const
{
    return time_ ? runtime::IsoText({date_.SelectedDate(), time_->SelectedMinute()}) : date_.SelectedDate().IsoText();
}

// The ISO date reads year first in every language: inside a text written right to left it is
// isolated as a run written left to right, which the bidirectional algorithm would otherwise
// reorder at its hyphens.
QString DateClipboard::IsoInMenu() const
{
    const QString iso = QString::fromStdString(IsoText());
    if (QGuiApplication::layoutDirection() != Qt::RightToLeft)
        return iso;
    return QChar(0x2066) + iso + QChar(0x2069);
}

// The clipboard's date, if it holds one that the picker would select now.
std::optional<runtime::Date> DateClipboard::PastableDate() const
{
    const std::optional<runtime::Date> date = runtime::DateFromText(GetClipboardText());
    if (!date)
        return std::nullopt;
    try {
        return slider::SelectedDateFor(date->Month(), date->Day(), date->Year(), date_.SelectableRange());
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    }
}

void DateClipboard::Paste()
{
    // Before the window is built there is nothing to paste into; text that names no date, or
    // a date that is refused, changes nothing.
    if (!date_.DateHeader())
        return;
    if (time_) {
        PasteDateAndTime();
        return;
    }
    if (const std::optional<runtime::Date> date = PastableDate())
        date_.SetDate(date->Month(), date->Day(), date->Year());
}

DateClipboard::MenuChoice DateClipboard::ShowMenu(QPoint position) const
{
    if (!date_.DateHeader())
        return MenuChoice::None;
    // Each entry shows the key that does the same.
    std::vector<platform::MenuEntry> entries = {
        {tr("Copy “%1”").arg(QString::fromStdString(date_.DateHeader()->Text())).toStdString(), "Ctrl+C"},
        {tr("Copy %1").arg(IsoInMenu()).toStdString(), "Ctrl+Shift+C"},
        {tr("Paste date").toStdString(), "Ctrl+V",
         time_ ? PastableTime().has_value() : PastableDate().has_value()},
        {tr("Today").toStdString(), "Home"},
    };
    if (time_)
        entries.push_back({tr("Now").toStdString()});
    // The menu has returned before anything is done, so its own event loop never sees a failure.
    switch (platform::ShowContextMenu(position.x(), position.y(), entries)) {
    case CopyAsShownEntry:
        Copy(CopyForm::AsShown);
        return MenuChoice::None;
    case CopyIsoEntry:
        Copy(CopyForm::Iso);
        return MenuChoice::None;
    case PasteEntry: return MenuChoice::Paste;
    case TodayEntry: return MenuChoice::Today;
    case NowEntry: return MenuChoice::Now;
    default: return MenuChoice::None;
    }
}

// The date on the clipboard and the time after it, if the text has one the window would take:
// "2026-12-06T21:05", "2026-12-06 21:05", with seconds or a zone ("2026-12-06T21:05:30Z"), or the
// header's form. The time goes down to the step before it, as a start does. A time that the
// window cannot take, or a moment that the local clock cannot name, takes nothing of the text.
std::optional<runtime::WallTime> DateClipboard::PastableTime() const
{
    const std::string text = GetClipboardText();
    if (const std::optional<runtime::IsoDateTime> written = runtime::IsoDateTimeFromText(text)) {
        const std::optional<runtime::WallTime> local = runtime::LocalWallTime(*written);
        return local ? TakenTime(local->Day, local->Minute) : std::nullopt;
    }
    std::optional<runtime::Date> date;
    std::optional<int32_t> minute;
    // The time is what follows the last space or "T" after which the rest reads as a time.
    for (size_t at = text.find_last_of(" T"); at != std::string::npos && at > 0 && !minute;
         at = text.find_last_of(" T", at - 1)) {
        const std::optional<int32_t> after = runtime::MinuteFromText(text.substr(at + 1));
        date = after ? runtime::DateFromText(text.substr(0, at)) : std::nullopt;
        minute = date ? after : std::nullopt;
    }
    if (!minute)
        date = runtime::DateFromText(text);
    if (!date)
        return std::nullopt;
    return TakenTime(*date, minute);
}

// `date` at `minute` down to the step, or at the time kept without one, if the window takes it.
std::optional<runtime::WallTime> DateClipboard::TakenTime(const runtime::Date& date, std::optional<int32_t> minute) const
{
    try {
        const runtime::Date day = slider::SelectedDateFor(date.Month(), date.Day(), date.Year(), date_.SelectableRange());
        const int32_t kept = time_->SelectedMinute();
        const runtime::WallTime time{day, minute ? *minute - *minute % time_->Slider().Setup().MinuteStep : kept};
        if (minute && !time_->Slider().Takes(time))
            return std::nullopt;
        return time;
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    }
}

void DateClipboard::PasteDateAndTime()
{
    const std::optional<runtime::WallTime> time = PastableTime();
    if (!time)
        return;
    date_.SetDate(time->Day.Month(), time->Day.Day(), time->Day.Year());
    // The kept time already moved with the date, within the bounds of the new day.
    if (time_->Slider().Takes(*time))
        time_->Slider().SetTime(*time);
}
