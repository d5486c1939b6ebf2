#pragma once

#include "app/EndStatuses.h"
#include "app/ScriptButton.h"
#include "runtime/Date.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace app {

/// What the command line asks of the picker window.
struct PickerOptions {
    /// The date to start on instead of today (--date), moved within the bounds when they exclude
    /// it.
    std::optional<runtime::Date> startDate;
    /// The first and last date a user may pick (--min-date, --max-date).
    std::optional<runtime::Date> minDate;
    std::optional<runtime::Date> maxDate;
    /// Hour and minute columns beside the date, and the time printed after it (--time).
    bool time = false;
    /// The minutes between two values of the minute column (--minute-step).
    int minuteStep = 1;
    /// The minutes of the day that --date, --min-date and --max-date give with --time; a start
    /// without one is the time of the moment, a first without one 00:00 and a last 23:59.
    std::optional<int> startMinute, minMinute, maxMinute;
    /// Show OK and Cancel, and print the accepted date (--print).
    bool print = false;
    /// The Qt date format of the printed date (--format).
    QString format = QStringLiteral("yyyy-MM-dd");
    /// The window title (--title); empty keeps the design's title.
    QString title;
    /// The strftime format of the printed date (--date-format); used instead of `format` when set.
    QString dateFormat;
    /// A prompt above the header, as plain text (--text, --no-markup).
    QString prompt;
    /// Seconds after which the dialog ends by itself with status 5 (--timeout); 0 never.
    int timeoutSeconds = 0;
    /// The buttons' captions (--ok-label, --cancel-label); empty keeps the usual ones.
    QString okLabel;
    QString cancelLabel;
    /// The window's least size in pixels (--width, --height); 0 leaves it as designed.
    int minimumWidth = 0;
    int minimumHeight = 0;

    /// The buttons in place of Cancel and OK (--button), those added after them (--extra-button),
    /// or none at all (--no-buttons: Enter still accepts and Escape declines).
    std::vector<ScriptButton> buttons;
    std::vector<ScriptButton> extraButtons;
    bool noButtons = false;
    /// What Escape does (--no-escape: nothing; --escape-ok: accepts as OK does).
    bool noEscape = false, escapeOk = false;
    /// Print the date whichever button ends the dialog, odd statuses too (--always-print-result).
    bool alwaysPrintResult = false;
    /// The ISO 8601 week of the selected date shows under the header (--show-weeks).
    bool showWeeks = false;
    /// Descriptions of days (--details), as plain text; such days are bold in the day column.
    std::map<runtime::Date, QString> details;
    /// How the prompt's lines align (--text-align): left, center or right; fill is left.
    QString textAlign;

    /// Where the window opens (--center, --mouse: on the pointer; --posx, --posy: a negative value
    /// counts from the right or bottom edge; --geometry: the raw WxH+X+Y text, checked here).
    bool center = false, mouse = false;
    std::optional<int> posX, posY;
    QString geometry;
    /// How the window manager treats the window (--undecorated, --fixed, --on-top, --sticky,
    /// --skip-taskbar, --maximized, --fullscreen, --no-focus, --splash, --close-on-unfocus).
    bool undecorated = false, fixed = false, onTop = false, sticky = false, skipTaskbar = false, maximized = false,
         fullscreen = false, noFocus = false, splash = false, closeOnUnfocus = false;
    /// Pixels of space around the content (--borders); -1 when not given.
    int borders = -1;
    /// The family and size of every text, "Family Size" (--fontname); empty keeps the design's.
    QString fontName;
    /// The side of the bar that shows the time left (--timeout-indicator): top, bottom, left or
    /// right; empty shows none.
    QString timeoutIndicator;
    /// Where to write the window's X id (--print-xid[=FILE]); an empty text is standard error, as
    /// yad writes it there, away from the date on standard output.
    std::optional<QString> printXid;
    /// Write "winId: " and the window's X id in decimal on a line of standard output once the
    /// window shows, as kdialog's --print-winid does.
    bool printWinId = false;
    /// The statuses the dialog ends with under the name of another dialog tool.
    EndStatuses ends;
    /// WM_CLASS on X11 and the app id on Wayland (--class, --name); empty keeps "datepicker".
    QString windowClass, windowName;
};

} // namespace app
