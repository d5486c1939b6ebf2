#pragma once

// What the window is built from: the one value a script's command line becomes.

#include "date/SliderValues.h"
#include "date/TimeSlider.h"
#include "markup/Element.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowStyle.h"
#include "runtime/Date.h"
#include "window/FormDesign.h"

#include <QSize>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

/// What pressing a dialog button does.
enum class ButtonPress {
    /// Ends the window as Cancel does.
    Decline,
    /// Ends the window as OK does.
    Accept,
    /// Leaves the window open and tells the dialog's button handler.
    Notify,
};
/// One button below the frame: its caption (none: the translated Cancel or OK, after what it
/// does; an empty one shows no text), what pressing it does, the tip shown while the pointer
/// rests on it (empty: none), and the lower-case letter that Alt presses it with (0: none).
struct ButtonDescription {
    std::optional<std::string> Caption;
    ButtonPress Press = ButtonPress::Accept;
    std::string Tooltip{};
    char32_t AccessKey = 0;
};
/// What Escape does in the window.
enum class EscapeKey { Decline, Accept, Nothing };
/// The side of the window where a bar shows the time left before a timeout, or none.
enum class TimeoutSide { None, Top, Bottom, Left, Right };

/// The dialog a script builds around the picker; the window without arguments has none of it.
struct DialogSetup {
    /// The row of buttons below the frame, in order; none shows no row.
    std::vector<ButtonDescription> Buttons;
    /// The button with the stronger outline, which Enter presses; -1 none.
    int32_t DefaultButton = -1;
    /// Whether Enter accepts where the focus is on no button and no button is the default, as in
    /// a dialog that shows no buttons.
    bool EnterAccepts = false;
    EscapeKey Escape = EscapeKey::Decline;
    /// Ends the window as Cancel does when it loses the keyboard focus, whatever Escape does.
    bool CloseOnUnfocus = false;
    /// Called with the button's index when a button that leaves the window open is pressed.
    std::function<void(int32_t)> ButtonHandler;
    /// Plain text above the header, wrapped at the frame's width; a newline starts a new line.
    std::string Prompt;
    /// Where the prompt's lines sit: markup::AlignStart, AlignCentre or AlignEnd.
    int32_t PromptAlignment = markup::AlignStart;
    /// A bar on `TimeoutBarSide` that shrinks to nothing in `TimeoutMilliseconds` after the
    /// window shows; none without a time.
    TimeoutSide TimeoutBarSide = TimeoutSide::None;
    int TimeoutMilliseconds = 0;

    /// Cancel and OK, OK the default and Enter accepting; an empty caption keeps the translated one.
    static DialogSetup CancelOk(const std::string& cancel = {}, const std::string& ok = {})
    {
        DialogSetup dialog;
        dialog.Buttons = {{std::nullopt, ButtonPress::Decline}, {std::nullopt, ButtonPress::Accept}};
        if (!cancel.empty())
            dialog.Buttons[0].Caption = cancel;
        if (!ok.empty())
            dialog.Buttons[1].Caption = ok;
        dialog.DefaultButton = 1;
        dialog.EnterAccepts = true;
        return dialog;
    }
};

/// The time columns beside the date: their step, clock and bounds, and the minute of the start
/// date they begin at, or the nearest one they take.
struct TimeColumnsSetup {
    slider::TimeSetup Setup;
    int32_t StartMinute = 0;
};

/// Everything that is settled before the window is built, handed to the window once. The value
/// as it stands is the window of the design.
struct FormSetup {
    /// The window title.
    std::string Caption = design::Caption;
    DialogSetup Dialog;
    /// The date selected first instead of today.
    std::optional<runtime::Date> StartDate;
    /// The dates that may be picked; the time columns' bounds narrow them to the days they leave.
    slider::DateRange SelectableRange = slider::SelectableYears();
    /// Hour and minute columns after the date columns; none without.
    std::optional<TimeColumnsSetup> Time;
    /// The ISO 8601 week of the selected date, under the header.
    bool ShowWeeks = false;
    /// Descriptions of days, as plain text: the selected day's shows under the header, and the
    /// days that have one are bold in the day column.
    std::map<runtime::Date, std::string> DayDescriptions;
    /// The least client size in pixels; 0 sets no least in that direction.
    QSize MinimumClientSize;
    /// The family and point size of every text in place of the design's; an empty family or a
    /// size of 0 keeps that part, and the texts keep their sizes to each other.
    std::string FontFamily;
    double FontPoints = 0;
    /// Pixels between the window's edges and its content in place of the design's margins, up to
    /// MostBorderPixels: the window then fits its content.
    std::optional<int> Borders;
    /// How the window presents itself to the window manager, and where it opens.
    platform::WindowStyle WindowStyle;
    platform::WindowPlacement Placement;

    /// Wider borders would leave no screen room for the content, and a window of tens of
    /// thousands of pixels no memory to paint it in.
    static constexpr int MostBorderPixels = 500;
};
