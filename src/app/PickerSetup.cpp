// What the command line asks of the window, gathered into the one value the window is built
// from: the date and its bounds, the time columns, the dialog and the window's look.

#include "app/PickerSetup.h"

#include "app/FontDescription.h"
#include "app/WindowOptions.h"
#include "platform/Screen.h"
#include "runtime/Clock.h"
#include "runtime/ClockStyle.h"
#include "runtime/ErrorLines.h"

#include <QCoreApplication>
#include <QProcess>

#include <algorithm>

namespace app {
namespace {

TimeoutSide TimeoutSideOf(const QString& side)
{
    for (const auto& [name, value] : {std::pair{"top", TimeoutSide::Top}, std::pair{"bottom", TimeoutSide::Bottom},
                                      std::pair{"left", TimeoutSide::Left}, std::pair{"right", TimeoutSide::Right}})
        if (side == QLatin1String(name))
            return value;
    return TimeoutSide::None;
}

// yad's options for the window around the picker: its place, its frame, its font.
void ApplyWindowOptions(FormSetup& setup, const PickerOptions& options)
{
    if (const auto geometry = ParseWindowGeometry(options.geometry); geometry && geometry->Size)
        setup.MinimumClientSize = *geometry->Size;
    if (!options.fontName.isEmpty()) {
        const double dotsPerInch = 1440 / platform::TwipsPerPixelY();
        const FontDescription font = ParseFontDescription(options.fontName, dotsPerInch);
        setup.FontFamily = font.Family.toStdString();
        setup.FontPoints = font.Points;
    }
    if (options.borders >= 0)
        setup.Borders = options.borders;
    if (options.timeoutSeconds > 0) {
        setup.Dialog.TimeoutBarSide = TimeoutSideOf(options.timeoutIndicator);
        setup.Dialog.TimeoutMilliseconds = std::min(options.timeoutSeconds, LongestTimeoutSeconds) * 1000;
    }
    setup.WindowStyle = StyleOf(options);
    setup.Placement = PlacementOf(options);
    setup.Dialog.CloseOnUnfocus = options.closeOnUnfocus;
}

// A button's command runs beside the dialog, and its output goes where the dialog's own goes,
// as in yad.
void RunButtonCommand(const ScriptButton& button)
{
    bool started = false;
    runtime::WithStandardErrorInherited([&] {
        started = QProcess::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), button.command});
    });
    if (!started)
        runtime::WriteErrorLines(QCoreApplication::translate("RunPicker", "%1: the command \"%2\" could not be started\n")
                                     .arg(QCoreApplication::applicationName(), button.command)
                                     .toLocal8Bit()
                                     .toStdString());
}

// The buttons of a script's dialog, and what Enter and Escape do in it.
DialogSetup DialogOf(const PickerOptions& options, const std::vector<ScriptButton>& row)
{
    DialogSetup dialog = DialogSetup::CancelOk(options.cancelLabel.toStdString(), options.okLabel.toStdString());
    if (options.noButtons || !options.buttons.empty() || !options.extraButtons.empty()) {
        std::vector<ButtonDescription> descriptions;
        for (const ScriptButton& button : row) {
            // Cancel keeps its part, so that its caption, if not given, is the translated one.
            const bool isCancel = options.buttons.empty() && descriptions.empty();
            const ButtonPress press = !button.command.isEmpty() ? ButtonPress::Notify
                                      : isCancel                ? ButtonPress::Decline
                                                                : ButtonPress::Accept;
            // An empty --ok-label or --cancel-label keeps the translated caption; an empty caption
            // of a button of the script's own shows no text, as in zenity and yad.
            const bool ownCaption = !options.buttons.empty() || descriptions.size() >= 2 || !button.caption.isEmpty();
            descriptions.push_back({ownCaption ? std::optional(button.caption.toStdString()) : std::nullopt, press,
                                    button.tooltip.toStdString(), button.accessKey});
        }
        // A row of the script's own has no default button: Enter presses the one with the focus,
        // as in yad, where the calendar keeps Enter for itself.
        dialog.DefaultButton = options.buttons.empty() && !options.noButtons ? 1 : -1;
        dialog.Buttons = std::move(descriptions);
        dialog.EnterAccepts = options.noButtons || options.buttons.empty();
    }
    dialog.Escape = options.noEscape ? EscapeKey::Nothing : options.escapeOk ? EscapeKey::Accept : EscapeKey::Decline;
    dialog.ButtonHandler = [row](int32_t index) { RunButtonCommand(row[static_cast<size_t>(index)]); };
    return dialog;
}

// The title asked for; a dialog without one says what it asks for, and the window alone keeps
// the design's "Form1".
QString WindowTitle(const PickerOptions& options)
{
    if (!options.title.isEmpty() || (!options.print && !options.time))
        return options.title;
    return options.time ? QCoreApplication::translate("RunPicker", "Select a date and time")
                        : QCoreApplication::translate("RunPicker", "Select a date");
}

// The date, its bounds and the time columns: the bounds narrow what SetDate accepts.
void ApplyDates(FormSetup& setup, const PickerOptions& options)
{
    const slider::DateRange selectable = slider::SelectableYears();
    const slider::DateRange range{options.minDate.value_or(selectable.First),
                                  options.maxDate.value_or(selectable.Last)};
    setup.SelectableRange = range;
    setup.StartDate = options.startDate;
    if (options.time) {
        const runtime::WallTime first{range.First, options.minMinute.value_or(0)};
        const runtime::WallTime last{range.Last, options.maxMinute.value_or(runtime::MinutesPerDay - 1)};
        setup.Time = TimeColumnsSetup{{options.minuteStep, runtime::CurrentClockStyle(), first, last},
                                      options.startMinute.value_or(runtime::MinuteOfDay())};
    }
}

void ApplyOptions(FormSetup& setup, const PickerOptions& options, const std::vector<ScriptButton>& row)
{
    if (const QString title = WindowTitle(options); !title.isEmpty())
        setup.Caption = title.toStdString();
    if (options.print)
        setup.Dialog = DialogOf(options, row);
    setup.Dialog.Prompt = options.prompt.toStdString();
    // Filling a line out to both edges is left to the left edge: a prompt is short.
    setup.Dialog.PromptAlignment = options.textAlign == u"center"  ? markup::AlignCentre
                                   : options.textAlign == u"right" ? markup::AlignEnd
                                                                   : markup::AlignStart;
    setup.ShowWeeks = options.showWeeks;
    for (const auto& [day, description] : options.details)
        setup.DayDescriptions.emplace(day, description.toStdString());
    setup.MinimumClientSize = QSize(options.minimumWidth, options.minimumHeight);
    ApplyDates(setup, options);
    ApplyWindowOptions(setup, options);
}

} // namespace

FormSetup PickerSetup(const PickerOptions& options, const std::vector<ScriptButton>& row)
{
    FormSetup setup;
    ApplyOptions(setup, options, row);
    return setup;
}

} // namespace app
