#include "app/KdialogCommandLine.h"

#include "app/PrintedDate.h"
#include "app/QtOptions.h"
#include "app/WindowOptions.h"
#include "date/SliderValues.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace app {

namespace {

// How kdialog prints a date unless told otherwise: "Sat Aug 10 2024".
const QString DefaultFormat = QStringLiteral("ddd MMM d yyyy");

void AddKdialogOptions(QCommandLineParser& parser)
{
    for (const char* name :
         {"calendar", "title", "ok-label", "cancel-label", "geometry", "attach", "icon", "dateformat", "default"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    parser.addOption(QCommandLineOption(QStringLiteral("print-winid")));
    AcceptQtOptions(parser);
}

// kdialog's date, as the user's language writes it in `format`, within the picker's years.
std::optional<runtime::Date> ReadDate(const QString& text, const QString& format)
{
    const QDate date = QLocale::system().toDate(text, format);
    return date.isValid() ? slider::SelectableDate(date.year(), date.month(), date.day()) : std::nullopt;
}

// Why kdialog's options cannot show a calendar, or an empty text.
QString ReadOptions(const QCommandLineParser& parser, PickerOptions& options)
{
    const auto value = [&](const char* name) { return parser.value(QString::fromLatin1(name)); };
    options.print = true;
    options.prompt = value("calendar");
    options.title = value("title");
    options.okLabel = value("ok-label");
    options.cancelLabel = value("cancel-label");
    options.geometry = value("geometry");
    if (!options.geometry.isEmpty() && !ParseWindowGeometry(options.geometry))
        return QCoreApplication::translate("CommandLine", "--geometry \"%1\" is not of the form WxH+X+Y")
            .arg(options.geometry);
    options.format = parser.isSet(QStringLiteral("dateformat")) ? value("dateformat") : DefaultFormat;
    if (!DateFormatProblem(options.format).isEmpty())
        return QCoreApplication::translate("KdialogCommandLine",
                                           "--dateformat \"%1\" is no Qt date format that writes a date, such as %2")
            .arg(options.format, DefaultFormat);
    if (parser.isSet(QStringLiteral("default"))) {
        options.startDate = ReadDate(value("default"), options.format);
        if (!options.startDate)
            return QCoreApplication::translate("KdialogCommandLine",
                                               "--default \"%1\" is not a date from %2 to %3 written as %4")
                .arg(value("default"), PrintedDate(slider::SelectableYears().First, options.format),
                     PrintedDate(slider::SelectableYears().Last, options.format), options.format);
    }
    options.printWinId = parser.isSet(QStringLiteral("print-winid"));
    options.ends = {.accepted = 1, .declined = 0, .dismissed = 0};
    return {};
}

} // namespace

CommandLine ParseKdialogCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddKdialogOptions(parser);
    if (!parser.parse(arguments))
        return RefusedCommandLine(parser.errorText());
    CommandLine read;
    if (const QString problem = ReadOptions(parser, read.options); !problem.isEmpty())
        return RefusedCommandLine(problem);
    // kdialog passes over words that are no options.
    if (!parser.positionalArguments().isEmpty())
        read.warning = StatusLine(IgnoredWordsWarning(parser.positionalArguments()));
    read.windowSystemArguments = WindowSystemArguments(parser);
    return read;
}

} // namespace app
