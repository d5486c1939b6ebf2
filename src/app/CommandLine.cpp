#include "app/CommandLine.h"

#include "app/DateOptionReader.h"
#include "app/DialogOptionReader.h"
#include "app/OptionTable.h"
#include "app/PreparedArguments.h"
#include "app/QtOptions.h"
#include "app/UnknownOption.h"
#include "app/WindowOptionReader.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace app {

namespace {

void AddOptionTable(QCommandLineParser& parser)
{
    for (const OptionDeclaration& option : OptionTable()) {
        QStringList names{QString::fromLatin1(option.Name)};
        if (option.ShortName)
            names.prepend(QString::fromLatin1(option.ShortName));
        parser.addOption(
            QCommandLineOption(names, QString(), option.ValueName ? QString::fromLatin1(option.ValueName) : QString()));
    }
}

QString Description()
{
    return QCoreApplication::translate("CommandLine",
                                       "Pick a date in a small window. With --print, ask "
                                       "a user for a date and print it for a script.") +
        QStringLiteral("\n\n") +
        QCoreApplication::translate("CommandLine",
                                    "Exit status: 0 the date was printed (or, without --print, the "
                                    "window was closed); 1 the user "
                                    "declined; 2 the command line was refused; 3 the dialog failed "
                                    "(no display, display lost, window "
                                    "not built, date not written); 5 --timeout ended it.");
}

CommandLine Informed(const QString& text) { return {CommandLineOutcome::Inform, {}, text, {}, {}}; }

/// What ends the reading before any option's value is read: --help, --version, or a word that is
/// no option where no other calendar dialog's call lets it pass.
std::optional<CommandLine> AnsweredAtOnce(const QCommandLineParser& parser)
{
    // --help-all shows the same help: the window system's own options stay out of it.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        return Informed(HelpText(Description()));
    if (parser.isSet(QStringLiteral("version")))
        return Informed(
            QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
    // Other calendar dialogs pass over words that are no options ("--width=500 height=50"); their
    // scripts run on, with a warning.
    if (!parser.positionalArguments().isEmpty() && !parser.isSet(QStringLiteral("calendar")))
        return RefusedCommandLine(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                                      .arg(parser.positionalArguments().first()));
    return std::nullopt;
}

/// Reads the options group by group into `options`; returns the first refusal, or an empty text.
QString ReadOptions(const QCommandLineParser& parser, PickerOptions& options, QStringList& warnings)
{
    const OptionValues values(parser);
    if (QString problem = ReadDateOptions(values, options); !problem.isEmpty())
        return problem;
    if (QString problem = ReadDialogOptions(values, options); !problem.isEmpty())
        return problem;
    return ReadWindowOptions(values, options, warnings);
}

} // namespace

// QApplication would read the whole command line itself, and take an option's value (--text
// -platform) or the --icon of other calendar dialogs for one of its own.
// A script reads each refusal or warning as one line, whatever line breaks the values quoted in
// it hold: they are written as escapes.
QString StatusLine(QString message)
{
    message.replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"));
    return QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), message);
}

CommandLine RefusedCommandLine(const QString& message)
{
    return {CommandLineOutcome::Refuse, {}, StatusLine(message), {}, {}};
}

QString IgnoredWordsWarning(const QStringList& words)
{
    return QCoreApplication::translate("CommandLine", "ignored these words, which are not options: %1")
        .arg(words.join(u' '));
}

void DescribeApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("datepicker"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DATEPICKER_VERSION));
}

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Single-dash long options, as Qt's own -platform and -style are written.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddOptionTable(parser);
    AcceptQtOptions(parser);

    const PreparedArguments prepared = PrepareArguments(arguments);
    if (!parser.parse(prepared.Arguments))
        return RefusedCommandLine(parser.unknownOptionNames().isEmpty()
                                      ? parser.errorText()
                                      : UnknownOptionText(parser.unknownOptionNames().first(), prepared.Arguments));
    if (std::optional<CommandLine> answer = AnsweredAtOnce(parser))
        return *answer;
    QStringList warnings;
    if (const QStringList ignored = prepared.PassedOver + parser.positionalArguments(); !ignored.isEmpty())
        warnings << IgnoredWordsWarning(ignored);

    PickerOptions options;
    if (const QString problem = ReadOptions(parser, options, warnings); !problem.isEmpty())
        return RefusedCommandLine(problem);
    QString warning;
    for (const QString& line : warnings)
        warning += StatusLine(line);
    return {CommandLineOutcome::Run, options, {}, warning, WindowSystemArguments(parser)};
}

} // namespace app
