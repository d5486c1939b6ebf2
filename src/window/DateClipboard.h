#pragma once

#include "date/DateSlider.h"
#include "window/TimeOfDay.h"

#include <QCoreApplication>
#include <QPoint>
#include <QString>

#include <optional>
#include <string>

/// Copying the selected date, as the header shows it or in ISO 8601 form, pasting a date copied
/// elsewhere, and the context menu that offers both. Beside time columns the time goes with the
/// date both ways, and a pasted date without a time keeps the time. It owns no state of its own;
/// it reads the date grid and the time model and changes them through SetDate and SetTime.
class DateClipboard {
    // The menu's texts belong to the window's translations.
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    /// The two forms in which the selected date is copied.
    enum class CopyForm { AsShown, Iso };
    /// What the menu leaves to the window: nothing, or the entry picked.
    enum class MenuChoice { None, Paste, Today, Now };

    /// Copies and pastes the date of `date`, and the time of `time` where the window shows one.
    DateClipboard(DateSlider& date, TimeOfDay* time) : date_(date), time_(time) {}

    /// Puts the selected date on the clipboard in `form`; nothing before the window is built.
    void Copy(CopyForm form) const;
    /// Selects the date (and time) on the clipboard, if it holds one the window would take.
    void Paste();
    /// Shows the menu at `position` on the screen and copies what it asks for; what else is
    /// picked is left to the window.
    MenuChoice ShowMenu(QPoint position) const;

private:
    std::string IsoText() const;
    QString IsoInMenu() const;
    std::optional<runtime::Date> PastableDate() const;
    std::optional<runtime::WallTime> PastableTime() const;
    std::optional<runtime::WallTime> TakenTime(const runtime::Date& date, std::optional<int32_t> minute) const;
    void PasteDateAndTime();

    DateSlider& date_;
    TimeOfDay* time_;
};
