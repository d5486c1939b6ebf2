#include "app/PickerApplication.h"

#include "app/DialogFailure.h"
#include "app/ExitStatus.h"
#include "app/FailureMessage.h"
#include "app/PrintedDate.h"
#include "app/QtMessages.h"
#include "app/StandardOutput.h"
#include "app/Translations.h"
#include "app/FontDescription.h"
#include "app/LocaleCodeset.h"
#include "app/WindowOptions.h"

#include "markup/MarkupLabel.h"
#include "platform/ColorSchemePreference.h"
#include "platform/HostWindow.h"
#include "platform/ProcessEnd.h"
#include "platform/Screen.h"
#include "runtime/Clock.h"
#include "runtime/ClockStyle.h"
#include "runtime/ErrorLines.h"
#include "runtime/Locale.h"
#include "window/AppFonts.h"
#include "window/Form1.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <climits>

#include <cerrno>
#include <exception>
#include <vector>

namespace {

// The longest timeout the event loop's timers can wait, some 24 days; no dialog waits longer.
constexpr int LongestTimeoutSeconds = INT_MAX / 1000;

TimeoutSide TimeoutSideOf(const QString& side)
{
    for (const auto& [name, value] : {std::pair{"top", TimeoutSide::Top}, std::pair{"bottom", TimeoutSide::Bottom},
                                      std::pair{"left", TimeoutSide::Left}, std::pair{"right", TimeoutSide::Right}})
        if (side == QLatin1String(name))
            return value;
    return TimeoutSide::None;
}

// yad's options for the window around the picker: its place, its frame, its font.
void ApplyWindowOptions(Form1& form, const app::PickerOptions& options)
{
    if (const auto geometry = app::ParseWindowGeometry(options.geometry); geometry && geometry->Size)
        form.SetMinimumClientSize(geometry->Size->width(), geometry->Size->height());
    if (!options.fontName.isEmpty()) {
        const double dotsPerInch = 1440 / platform::TwipsPerPixelY();
        const app::FontDescription font = app::ParseFontDescription(options.fontName, dotsPerInch);
        form.SetTextFont(font.Family.toStdString(), font.Points);
    }
    if (options.borders >= 0)
        form.SetBorders(options.borders);
    if (options.timeoutSeconds > 0)
        form.SetTimeoutIndicator(TimeoutSideOf(options.timeoutIndicator),
                                 std::min(options.timeoutSeconds, LongestTimeoutSeconds) * 1000);
    form.SetWindowStyle(app::StyleOf(options), app::PlacementOf(options));
    form.SetCloseOnUnfocus(options.closeOnUnfocus);
}

// As yad writes it: the id alone, without a line's end, on standard error or into the file.
// A file that cannot be written costs the dialog nothing but a line on standard error.
void WriteWindowId(platform::HostWindow& window, const QString& fileName)
{
    const QString id = platform::X11WindowId(window);
    if (id.isEmpty())
        return;
    if (fileName.isEmpty()) {
        runtime::WriteErrorText(id.toStdString());
        return;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(id.toLatin1()) != id.size() ||
        !file.flush())
        dialogfailure::Report(QCoreApplication::translate("RunPicker", "the window's id could not be written to %1: %2")
                                  .arg(fileName, file.errorString()));
}

// As kdialog writes it: a line of its own on standard output, ahead of the date. A failed write
// is told when the date fails to follow it.
void WriteDecimalWindowId(platform::HostWindow& window)
{
    if (const QString id = platform::X11WindowId(window); !id.isEmpty())
        standardoutput::Write(QStringLiteral("winId: %1\n").arg(id.toULongLong(nullptr, 16)).toLatin1());
}

// The buttons of a script's dialog, and what Enter and Escape do in it.
void ApplyButtons(Form1& form, const app::PickerOptions& options, const std::vector<app::ScriptButton>& row)
{
    form.SetButtons(FormButtons::CancelOk);
    form.SetButtonCaptions(options.cancelLabel.toStdString(), options.okLabel.toStdString());
    if (options.noButtons || !options.buttons.empty() || !options.extraButtons.empty()) {
        std::vector<ButtonDescription> descriptions;
        for (const app::ScriptButton& button : row) {
            // Cancel keeps its part, so that its caption, if not given, is the translated one.
            const bool isCancel = options.buttons.empty() && descriptions.empty();
            const ButtonPress press = !button.command.isEmpty() ? ButtonPress::Notify
                                      : isCancel                ? ButtonPress::Decline
                                                                : ButtonPress::Accept;
            // An empty --ok-label or --cancel-label keeps the translated caption; an empty caption
            // of a button of the script's own shows no text, as in zenity and yad.
            const bool ownCaption = !options.buttons.empty() || descriptions.size() >= 2 || !button.caption.isEmpty();
            descriptions.push_back({ownCaption ? std::optional(button.caption.toStdString()) : std::nullopt, press,
                                    button.tooltip.toStdString()});
        }
        // A row of the script's own has no default button: Enter presses the one with the focus,
        // as in yad, where the calendar keeps Enter for itself.
        form.SetDialogButtons(std::move(descriptions), options.buttons.empty() && !options.noButtons ? 1 : -1);
        form.SetEnterAccepts(options.noButtons || options.buttons.empty());
    }
    form.SetEscapeKey(options.noEscape   ? EscapeKey::Nothing
                      : options.escapeOk ? EscapeKey::Accept
                                         : EscapeKey::Decline);
    form.SetButtonHandler([row](int32_t index) {
        const app::ScriptButton& button = row[static_cast<size_t>(index)];
        // As in yad, the command's output goes where the dialog's own goes.
        bool started = false;
        runtime::WithStandardErrorInherited([&] {
            started = QProcess::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), button.command});
        });
        if (!started)
            runtime::WriteErrorLines(
                QCoreApplication::translate("RunPicker", "%1: the command \"%2\" could not be started\n")
                    .arg(QCoreApplication::applicationName(), button.command)
                    .toLocal8Bit()
                    .toStdString());
    });
}

// The title asked for; a dialog without one says what it asks for, and the window alone keeps
// the design's "Form1".
QString WindowTitle(const app::PickerOptions& options)
{
    if (!options.title.isEmpty() || (!options.print && !options.time))
        return options.title;
    return options.time ? QCoreApplication::translate("RunPicker", "Select a date and time")
                        : QCoreApplication::translate("RunPicker", "Select a date");
}

// The options that shape the window; the date bounds narrow what SetDate accepts.
void ApplyOptions(Form1& form, const app::PickerOptions& options, const std::vector<app::ScriptButton>& row)
{
    if (const QString title = WindowTitle(options); !title.isEmpty())
        form.SetCaption(title.toStdString());
    if (options.print)
        ApplyButtons(form, options, row);
    form.SetPrompt(options.prompt.toStdString());
    // Filling a line out to both edges is left to the left edge: a prompt is short.
    form.SetPromptAlignment(options.textAlign == u"center"  ? markup::AlignCentre
                            : options.textAlign == u"right" ? markup::AlignEnd
                                                            : markup::AlignStart);
    form.SetShowWeeks(options.showWeeks);
    std::map<runtime::Date, std::string> descriptions;
    for (const auto& [day, description] : options.details)
        descriptions.emplace(day, description.toStdString());
    form.SetDayDescriptions(std::move(descriptions));
    form.SetMinimumClientSize(options.minimumWidth, options.minimumHeight);
    const slider::DateRange selectable = slider::SelectableYears();
    const slider::DateRange range{options.minDate.value_or(selectable.First),
                                  options.maxDate.value_or(selectable.Last)};
    form.SetSelectableRange(range);
    if (options.startDate)
        form.SetStartDate(*options.startDate);
    if (options.time) {
        const runtime::WallTime first{range.First, options.minMinute.value_or(0)};
        const runtime::WallTime last{range.Last, options.maxMinute.value_or(runtime::MinutesPerDay - 1)};
        form.SetTimeColumns({options.minuteStep, runtime::CurrentClockStyle(), first, last},
                            options.startMinute.value_or(runtime::MinuteOfDay()));
    }
    ApplyWindowOptions(form, options);
}

void ReportBuildFailure(const QString& reason, const app::PickerOptions& options)
{
    dialogfailure::Report(QCoreApplication::translate("RunPicker", "the window could not be built: %1").arg(reason));
    // A script's dialog may have nobody at the screen to click a message away; nor has a window
    // drawn nowhere.
    if (options.print || QGuiApplication::platformName() == "offscreen")
        return;
    app::MakeBuildFailureMessage(reason)->exec();
}

std::optional<QString> PrintedForm(const Form1& form, const app::PickerOptions& options)
{
    if (options.time)
        return options.dateFormat.isEmpty() ? app::PrintedDateTime(form.SelectedTime(), options.format)
                                            : app::StrftimeDateTime(form.SelectedTime(), options.dateFormat);
    return options.dateFormat.isEmpty() ? app::PrintedDate(form.SelectedDate(), options.format)
                                        : app::StrftimeDate(form.SelectedDate(), options.dateFormat);
}

// A text that did not reach its reader is no success: status 3, and `failure` with the
// system's words for what went wrong.
int WrittenStatus(const QString& problem, const QString& failure)
{
    if (problem.isEmpty())
        return app::Accepted;
    dialogfailure::Report(failure.arg(problem));
    return app::Failed;
}

int WriteText(const std::optional<QString>& date)
{
    // A date too wide to print is told in the system's words, as a failed write is.
    return WrittenStatus(
        date ? standardoutput::Write(date->toUtf8() + '\n') : app::SystemErrorText(EOVERFLOW),
        QCoreApplication::translate("RunPicker", "the date could not be written: %1"));
}

// --help and --version are checked as the date is.
int Inform(const QString& text)
{
    return WrittenStatus(standardoutput::Write(text.toLocal8Bit()),
                         QCoreApplication::translate("RunPicker", "the text could not be written: %1"));
}

// The program's name and the window system's own options, as QApplication takes them: it keeps
// the count and the pointers for its whole life.
struct WindowSystemCommandLine {
    WindowSystemCommandLine(const char* program, const QStringList& options)
    {
        Texts.emplace_back(program);
        for (const QString& option : options)
            Texts.push_back(option.toLocal8Bit());
        for (QByteArray& text : Texts)
            Pointers.push_back(text.data());
        Count = static_cast<int>(Texts.size());
        Pointers.push_back(nullptr);
    }

    std::vector<QByteArray> Texts;
    std::vector<char*> Pointers;
    int Count = 0;
};

// A button ended the dialog: its status, after the date where an even status (or
// --always-print-result) prints it, or the caption of zenity's extra button.
int EndWithButton(const Form1& form, const app::PickerOptions& options, const app::ScriptButton& button)
{
    std::optional<QString> printed;
    if (button.printsCaption)
        printed = button.caption;
    else if (button.status % 2 == 0 || options.alwaysPrintResult)
        printed = PrintedForm(form, options);
    else
        return button.status;
    const int written = WriteText(printed);
    return written == app::Accepted ? button.status : written;
}

// The window opens in the desktop's scheme, without a first frame in the other one, and follows
// every later change.
void FollowColorScheme(Form1& form, platform::ColorSchemePreference& preference)
{
    const auto use = [&form](platform::ColorScheme scheme) {
        try {
            form.SetColorScheme(scheme);
        } catch (const std::exception&) {
            // The window keeps the colours it has.
        }
    };
    use(preference.Await());
    preference.SetChangeListener(use);
}

} // namespace

void SetUpPicker(Form1& form, const app::PickerOptions& options)
{
    ApplyOptions(form, options,
                 app::DialogButtonRow(options.buttons, options.extraButtons, options.noButtons, options.cancelLabel,
                                      options.okLabel));
}

bool EndOnTimeout(Form1& form)
{
    if (form.Result() != DialogResult::None)
        return false;
    form.EndDialog(DialogResult::Ok);
    return true;
}

int RunPicker(const app::PickerOptions& options, const std::function<void(Form1&)>& onShown)
{
    QApplication::setApplicationName("datepicker");
    // The app id on Wayland, naming the desktop entry; X11 keeps the class datepicker.
    QGuiApplication::setDesktopFileName(QStringLiteral(DATEPICKER_APP_ID));
    InstallFontSubstitutions();
    translations::UseLanguage(runtime::CurrentLocale());
    markup::MarkupLabel::RegisterProgId();
    // The desktop answers while the window is built.
    platform::ColorSchemePreference colorScheme;

    Form1 form;
    const std::vector<app::ScriptButton> row = app::DialogButtonRow(
        options.buttons, options.extraButtons, options.noButtons, options.cancelLabel, options.okLabel);
    ApplyOptions(form, options, row);
    try {
        form.Form_Load();
    } catch (const std::exception& failure) {
        // The message box, too, takes the desktop's colours.
        platform::UseColorScheme(colorScheme.Await());
        ReportBuildFailure(QString::fromStdString(runtime::FailureText(failure)), options);
        return app::Failed;
    }
    FollowColorScheme(form, colorScheme);
    form.Show();
    if (options.printXid && form.Host())
        WriteWindowId(*form.Host(), *options.printXid);
    if (options.printWinId && form.Host())
        WriteDecimalWindowId(*form.Host());
    if (onShown)
        onShown(form);
    bool timedOut = false;
    if (options.timeoutSeconds > 0)
        QTimer::singleShot(std::min(options.timeoutSeconds, LongestTimeoutSeconds) * 1000, [&] {
            timedOut = EndOnTimeout(form);
        });
    int status = 0;
    {
        const dialogfailure::OpenDialog open;
        status = QApplication::exec();
    }
    form.Form_Unload();
    if (!options.print)
        return timedOut ? app::TimedOut : status;
    const app::EndStatuses& ends = options.ends;
    if (timedOut && !ends.printsOnTimeout)
        return ends.timedOut;
    if (form.PressedButton() >= 0)
        return ends.Of(EndWithButton(form, options, row[static_cast<size_t>(form.PressedButton())]));
    if (form.Result() != DialogResult::Ok)
        return ends.dismissed;
    const int written = WriteText(PrintedForm(form, options));
    return written == app::Accepted && timedOut ? ends.timedOut : ends.Of(written);
}

int StartPicker(int& argc, char** argv, const std::function<void(Form1&)>& onShown, const CommandLineReader& read)
{
    standardoutput::HoldStandardStreams();
    qtmessages::Route();
    app::DescribeApplication();
    app::CommandLine commandLine;
    {
        // The command line is read before any window system is reached, so --help, --version and a
        // bad option answer on a terminal without a display.
        const QCoreApplication reader(argc, argv);
        translations::UseLanguage(QLocale::system());
        commandLine = read ? read(QCoreApplication::arguments()) : app::ParseCommandLine(QCoreApplication::arguments());
        // Answered while the user's language is loaded, so that a failure to write it is told
        // in that language too.
        if (commandLine.outcome == app::CommandLineOutcome::Inform)
            return Inform(commandLine.text);
        if (commandLine.outcome == app::CommandLineOutcome::Run) {
            if (const QString missing = dialogfailure::MissingDisplay(commandLine.windowSystemArguments);
                !missing.isEmpty()) {
                dialogfailure::Report(missing);
                return app::Failed;
            }
            dialogfailure::GuardStart();
        }
    }
    if (commandLine.outcome == app::CommandLineOutcome::Refuse) {
        runtime::WriteErrorLines(commandLine.text.toLocal8Bit().toStdString());
        return app::Refused;
    }
    runtime::WriteErrorLines(commandLine.warning.toLocal8Bit().toStdString());
    WindowSystemCommandLine windowSystem(argc > 0 ? argv[0] : "datepicker", commandLine.windowSystemArguments);
    QApplication application(windowSystem.Count, windowSystem.Pointers.data());
    dialogfailure::StartSucceeded();
    return platform::EndOfWindowSystemRun(RunPicker(commandLine.options, onShown));
}
