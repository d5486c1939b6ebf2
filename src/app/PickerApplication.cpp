#include "app/PickerApplication.h"

#include "app/DialogFailure.h"
#include "app/ExitStatus.h"
#include "app/FailureMessage.h"
#include "app/PrintedDate.h"
#include "app/QtMessages.h"
#include "app/StandardOutput.h"
#include "app/Translations.h"
#include "app/LocaleCodeset.h"
#include "app/PickerSetup.h"

#include "markup/MarkupLabel.h"
#include "platform/ColorSchemePreference.h"
#include "platform/HostWindow.h"
#include "platform/ProcessEnd.h"
#include "runtime/ErrorLines.h"
#include "runtime/Locale.h"
#include "window/Accessibility.h"
#include "window/AppFonts.h"
#include "window/Form1.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTimer>

#include <algorithm>

#include <cerrno>
#include <exception>
#include <vector>

namespace {

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

bool EndOnTimeout(Form1& form)
{
    if (form.Dialog().Result() != DialogResult::None)
        return false;
    form.Dialog().End(DialogResult::Ok);
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

    const std::vector<app::ScriptButton> row = app::DialogButtonRow(
        options.buttons, options.extraButtons, options.noButtons, options.cancelLabel, options.okLabel);
    Form1 form(app::PickerSetup(options, row));
    accessibility::Follow(form);
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
        QTimer::singleShot(std::min(options.timeoutSeconds, app::LongestTimeoutSeconds) * 1000, [&] {
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
    if (form.Dialog().PressedButton() >= 0)
        return ends.Of(EndWithButton(form, options, row[static_cast<size_t>(form.Dialog().PressedButton())]));
    if (form.Dialog().Result() != DialogResult::Ok)
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
