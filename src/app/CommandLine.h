#pragma once

#include "app/PickerOptions.h"

#include <QString>
#include <QStringList>

namespace app {

/// What to do after reading the command line.
enum class CommandLineOutcome {
    /// Open the window with the options.
    Run,
    /// Print `text` on standard output and end with status 0 (--help, --version).
    Inform,
    /// Print `text` on standard error and end with status 2.
    Refuse,
};

/// The command line read: the options, or the text to print instead of opening a window.
struct CommandLine {
    /// Whether to open the window, or to print `text` and end.
    CommandLineOutcome outcome = CommandLineOutcome::Run;
    /// What the window is to be, when it opens.
    PickerOptions options;
    /// The help, the version or the refusal, ready to print.
    QString text;
    /// A line for standard error when the window opens all the same (stray words under --calendar).
    QString warning;
    /// The window system's own options that the parser read (-platform offscreen, -reverse),
    /// each value after its option, for QApplication; nothing else of the command line.
    QStringList windowSystemArguments;
};

/// Sets the program's name, version and description, which --help and --version show.
void DescribeApplication();
/// Reads the arguments (the program's name first) without touching any window system.
CommandLine ParseCommandLine(const QStringList& arguments);
/// `message` as one line of standard error after the program's name, its own line breaks escaped.
QString StatusLine(QString message);
/// The command line refused, with `message` as its status line.
CommandLine RefusedCommandLine(const QString& message);
/// The warning that names the words passed over as no options.
QString IgnoredWordsWarning(const QStringList& words);

} // namespace app
