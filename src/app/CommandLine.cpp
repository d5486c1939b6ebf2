#include "app/CommandLine.h"

#include "app/PrintedDate.h"
#include "date/SliderValues.h"
#include "runtime/Clock.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace app {

namespace {

QString DateText(const runtime::Date& date) { return QString::fromStdString(date.IsoText()); }

/// A "YYYY-MM-DD" text that names a real day within the selectable years, or nothing.
std::optional<runtime::Date> ReadDate(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch parts = form.match(text);
    if (!parts.hasMatch())
        return std::nullopt;
    const int year = parts.captured(1).toInt();
    const int month = parts.captured(2).toInt();
    const int day = parts.captured(3).toInt();
    if (year < slider::FirstSelectableYear || year > slider::LastSelectableYear || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    // The date type carries a day past the month's end into the next month; such a day is no date.
    const runtime::Date date = runtime::Date::FromParts(year, month, day);
    if (date.Month() != month)
        return std::nullopt;
    return date;
}

QString BadDate(const QString& option, const QString& value)
{
    return QCoreApplication::translate("CommandLine", "--%1 \"%2\" is not a date from %3 to %4 in the form YYYY-MM-DD")
        .arg(option, value, DateText(slider::SelectableYears().First),
             DateText(slider::SelectableYears().Last));
}

/// Options that Qt's window system reads from the command line itself (-platform, -style, ...).
/// The parser lets them through unlisted, and QApplication takes them out of the arguments.
void AcceptQtOptions(QCommandLineParser& parser)
{
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
                             "qwindowicon", "icon", "qwindowtitle", "display", "name", "session", "style", "stylesheet"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "testability", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The usage line names the program, not the path it was started by (as a manual page wants it).
QString HelpText(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    const QString startedAs = QCoreApplication::arguments().value(0);
    if (const qsizetype at = text.indexOf(startedAs); !startedAs.isEmpty() && at >= 0 && at < text.indexOf('\n'))
        text.replace(at, startedAs.size(), QCoreApplication::applicationName());
    return text;
}

CommandLine Refused(const QString& message)
{
    return {CommandLineOutcome::Refuse, {}, QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), message)};
}

} // namespace

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
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine",
                                    "Pick a date in a small window. With --print, ask a user for a date and print it for a script.") +
        QStringLiteral("\n\n") +
        QCoreApplication::translate("CommandLine", "Exit status: 0 the date was printed (or, without --print, the window was "
                                                   "closed); 1 the user declined; 2 the command line was refused; 3 the dialog "
                                                   "failed (no display, display lost, window not built, date not written)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption print(QStringLiteral("print"),
        QCoreApplication::translate("CommandLine", "Show Cancel and OK. OK or Enter prints the date and exits with status 0; "
                                                   "Cancel, Escape or closing the window prints nothing and exits with status 1."));
    const QCommandLineOption date(QStringLiteral("date"),
        QCoreApplication::translate("CommandLine", "Start on this date instead of today."), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption format(QStringLiteral("format"),
        QCoreApplication::translate("CommandLine", "Print the date in this Qt date format, in the user's language "
                                                   "(default yyyy-MM-dd; for example dd.MM.yyyy or \"dddd, d MMMM yyyy\")."),
        QStringLiteral("FORMAT"), QStringLiteral("yyyy-MM-dd"));
    const QCommandLineOption minDate(QStringLiteral("min-date"),
        QCoreApplication::translate("CommandLine", "The first date that may be picked."), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption maxDate(QStringLiteral("max-date"),
        QCoreApplication::translate("CommandLine", "The last date that may be picked."), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption title(QStringLiteral("title"),
        QCoreApplication::translate("CommandLine", "The window title (default Form1)."), QStringLiteral("TEXT"));
    parser.addOptions({print, date, format, minDate, maxDate, title});
    AcceptQtOptions(parser);

    if (!parser.parse(arguments))
        return Refused(parser.errorText());
    // --help-all shows the same help: the window system's own options stay out of it.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return {CommandLineOutcome::Inform, {}, HelpText(parser)};
    if (parser.isSet(version))
        return {CommandLineOutcome::Inform, {},
                QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())};
    if (!parser.positionalArguments().isEmpty())
        return Refused(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.").arg(parser.positionalArguments().first()));

    PickerOptions options;
    for (const auto& [option, bound] : {std::pair{&date, &options.startDate}, std::pair{&minDate, &options.minDate},
                                        std::pair{&maxDate, &options.maxDate}}) {
        if (!parser.isSet(*option))
            continue;
        const QString value = parser.value(*option);
        *bound = ReadDate(value);
        if (!*bound)
            return Refused(BadDate(option->names().first(), value));
    }
    if (options.minDate && options.maxDate && *options.minDate > *options.maxDate)
        return Refused(QCoreApplication::translate("CommandLine", "--min-date %1 lies after --max-date %2")
                           .arg(DateText(*options.minDate), DateText(*options.maxDate)));
    // A start outside the bounds starts on the nearer one. Without any of these options the
    // window reads today itself, as it always has.
    if (options.minDate || options.maxDate) {
        const slider::DateRange selectable = slider::SelectableYears();
        options.startDate = std::clamp(options.startDate.value_or(runtime::Today()), options.minDate.value_or(selectable.First),
                                       options.maxDate.value_or(selectable.Last));
    }
    options.print = parser.isSet(print);
    options.format = parser.value(format);
    if (options.format.isEmpty())
        return Refused(QCoreApplication::translate("CommandLine", "--format is empty; give a Qt date format such as yyyy-MM-dd"));
    if (const QString problem = DateFormatProblem(options.format); !problem.isEmpty())
        return Refused(problem);
    options.title = parser.value(title);
    return {CommandLineOutcome::Run, options, {}};
}

} // namespace app
