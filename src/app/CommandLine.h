#pragma once

#include "runtime/Date.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace app {

/// What the command line asks of the picker window.
struct PickerOptions {
    /// The date to start on instead of today (--date), moved within the bounds when they exclude
    /// it.
    std::optional<runtime::Date> startDate;
    /// The first and last date a user may pick (--min-date, --max-date).
    std::optional<runtime::Date> minDate;
    std::optional<runtime::Date> maxDate;
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
};

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
    CommandLineOutcome outcome = CommandLineOutcome::Run;
    PickerOptions options;
    QString text;
    /// The window system's own options that the parser read (-platform offscreen, -reverse),
    /// each value after its option, for QApplication; nothing else of the command line.
    QStringList windowSystemArguments;
};

/// Sets the program's name, version and description, which --help and --version show.
void DescribeApplication();
/// Reads the arguments (the program's name first) without touching any window system.
CommandLine ParseCommandLine(const QStringList& arguments);

} // namespace app
