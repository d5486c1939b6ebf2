#include "app/CommandLine.h"

#include "app/DateDetails.h"
#include "app/OptionTable.h"
#include "app/PrintedDate.h"
#include "app/PromptText.h"
#include "app/UnknownOption.h"
#include "app/WindowOptions.h"
#include "date/SliderValues.h"
#include "runtime/Clock.h"
#include "runtime/LocalTime.h"
#include "date/TimeSlider.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <iterator>
#include <tuple>
#include <vector>

namespace app {

namespace {

QString DateText(const runtime::Date& date) { return QString::fromStdString(date.IsoText()); }

/// Whether a time of day may follow the date.
enum class TimeOfDay { Refused, Accepted };

/// A "YYYY-MM-DD" text that names a real day within the selectable years, with a time of day
/// after a "T" or a space where accepted ("2026-12-06T21:05"), or nothing.
std::optional<std::pair<runtime::Date, std::optional<int>>> ReadDate(const QString& text, TimeOfDay timeOfDay)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:[T ]([01]\\d|2[0-3]):([0-5]\\d))?$"));
    const QRegularExpressionMatch parts = form.match(text);
    if (!parts.hasMatch() || (parts.hasCaptured(4) && timeOfDay == TimeOfDay::Refused))
        return std::nullopt;
    const std::optional<runtime::Date> date =
        slider::SelectableDate(parts.captured(1).toInt(), parts.captured(2).toInt(), parts.captured(3).toInt());
    if (!date)
        return std::nullopt;
    return std::pair{*date, parts.hasCaptured(4) ? std::optional<int>(parts.captured(4).toInt() * 60 +
                                                                       parts.captured(5).toInt())
                                                 : std::nullopt};
}

QString BadDate(const QString& option, const QString& value, TimeOfDay timeOfDay)
{
    const QString first = DateText(slider::SelectableYears().First);
    const QString last = DateText(slider::SelectableYears().Last);
    if (timeOfDay == TimeOfDay::Accepted)
        return QCoreApplication::translate("CommandLine",
                                           "--%1 \"%2\" is not a date from %3 to %4 in the form YYYY-MM-DD, "
                                           "with or without a time in the form THH:MM")
            .arg(option, value, first, last);
    // A time of day where none is taken is the likelier slip than a bad date.
    if (ReadDate(value, TimeOfDay::Accepted))
        return QCoreApplication::translate("CommandLine",
                                           "--%1 \"%2\" holds a time of day, which needs --time; without it give "
                                           "a date in the form YYYY-MM-DD")
            .arg(option, value);
    return QCoreApplication::translate("CommandLine", "--%1 \"%2\" is not a date from %3 to %4 in the form YYYY-MM-DD")
        .arg(option, value, first, last);
}

// Options that Qt's window system reads from the command line (-platform, -style, ...), with a
// value and without one.
// yad's --geometry and zenity's --name are options of the dialog, not Qt's.
constexpr const char* QtValueOptions[] = {"platform",     "platformpluginpath", "platformtheme", "plugin",
                                          "qwindowgeometry", "qwindowicon",  "qwindowtitle",  "display",
                                          "session",      "style",              "stylesheet"};
constexpr const char* QtFlagOptions[] = {"reverse", "testability", "widgetcount"};

} // namespace

void AcceptQtOptions(QCommandLineParser& parser)
{
    for (const char* name : QtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "testability", "widgetcount", "help-all"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// QApplication would read the whole command line itself, and take an option's value (--text
// -platform) or the --icon of other calendar dialogs for one of its own.
// A script reads each refusal or warning as one line, whatever line breaks the values quoted in
// it hold: they are written as escapes.
QString StatusLine(QString message)
{
    message.replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"));
    return QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), message);
}

QStringList WindowSystemArguments(const QCommandLineParser& parser)
{
    QStringList arguments;
    for (const char* name : QtValueOptions)
        for (const QString& value : parser.values(QString::fromLatin1(name)))
            arguments << u'-' + QString::fromLatin1(name) << value;
    for (const char* name : QtFlagOptions)
        if (parser.isSet(QString::fromLatin1(name)))
            arguments << u'-' + QString::fromLatin1(name);
    return arguments;
}

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

bool IsNamedIn(const QString& name, const char* const* first, const char* const* last)
{
    return std::any_of(first, last, [&](const char* option) { return name == QLatin1String(option); });
}

/// An argument that begins with a dash, as the parser will read it.
struct OptionWord {
    /// The picker's option of that name, or nullptr (Qt's own, or one nobody knows).
    const OptionDeclaration* Declaration = nullptr;
    /// Whether any option of the picker's or Qt's has that name.
    bool Known = false;
    /// Whether the value is the next argument: the option needs one and has no "=value".
    bool ValueFollows = false;
};

OptionWord ReadOptionWord(const QString& argument)
{
    const QString name = argument.mid(argument.startsWith(u"--") ? 2 : 1).section(u'=', 0, 0);
    OptionWord word;
    word.Declaration = FindOption(name);
    const bool qtTakesValue = IsNamedIn(name, std::begin(QtValueOptions), std::end(QtValueOptions));
    word.Known = word.Declaration || qtTakesValue || name == u"help-all" ||
                 IsNamedIn(name, std::begin(QtFlagOptions), std::end(QtFlagOptions));
    const OptionDeclaration* option = word.Declaration;
    const bool needsValue = qtTakesValue || (option && option->ValueName && option->Need == ValueNeed::Required);
    word.ValueFollows = needsValue && !argument.contains(u'=');
    return word;
}

/// The arguments as the parser is to read them, and the unknown options taken out of them.
struct PreparedArguments {
    QStringList Arguments;
    QStringList PassedOver;
};

/// Walks the options as the parser will, stepping over the value after an option that needs one.
/// An option whose value may be left out is given an empty one when it stands alone
/// ("--print-xid" as "--print-xid="), so that the parser does not take the next argument as its
/// value. In a call that uses one of yad's own options, an option that no dialog knows (a script's
/// typo) is taken out, as yad passes over it; in zenity's calls the parser refuses it, as zenity does.
PreparedArguments PrepareArguments(const QStringList& arguments)
{
    PreparedArguments prepared;
    std::vector<qsizetype> unknown;
    bool callsYad = false;
    qsizetype at = 0;
    for (; at < arguments.size() && arguments[at] != u"--"; ++at) {
        const QString& argument = arguments[at];
        if (at == 0 || argument.size() < 2 || !argument.startsWith(u'-')) {
            prepared.Arguments << argument;
            continue;
        }
        const OptionWord word = ReadOptionWord(argument);
        if (!word.Known)
            unknown.push_back(prepared.Arguments.size());
        callsYad = callsYad || (word.Declaration && word.Declaration->Group == OptionGroup::OnlyYad);
        const bool standsAlone =
            word.Declaration && word.Declaration->Need == ValueNeed::Optional && !argument.contains(u'=');
        prepared.Arguments << (standsAlone ? argument + u'=' : argument);
        if (word.ValueFollows && at + 1 < arguments.size())
            prepared.Arguments << arguments[++at];
    }
    // After "--" every argument is a word, not an option.
    prepared.Arguments += arguments.mid(at);
    if (callsYad)
        for (auto index = unknown.rbegin(); index != unknown.rend(); ++index)
            prepared.PassedOver.prepend(prepared.Arguments.takeAt(*index));
    return prepared;
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

CommandLine Refused(const QString& message)
{
    return {CommandLineOutcome::Refuse, {}, StatusLine(message), {}, {}};
}

/// Reads the command line's options into `options`; returns why it refuses them, or an empty text.
class OptionReader {
public:
    OptionReader(const QCommandLineParser& parser, PickerOptions& options) : parser_(parser), options_(options) { }

    QString Read()
    {
        for (const auto step :
             {&OptionReader::ReadStartAndBounds, &OptionReader::ReadFormats, &OptionReader::ReadDialogLook,
              &OptionReader::ReadButtons, &OptionReader::ReadDayDescriptions, &OptionReader::ReadWindowPlacement,
              &OptionReader::ReadWindowKind}) {
            if (QString problem = (this->*step)(); !problem.isEmpty())
                return problem;
        }
        return {};
    }

    /// What was read otherwise than written, one line each (a position's trailing text).
    const QStringList& Warnings() const { return warnings_; }

private:
    bool IsSet(const char* name) const { return parser_.isSet(QString::fromLatin1(name)); }
    QString Value(const char* name) const { return parser_.value(QString::fromLatin1(name)); }

    /// A whole number from 1 up, or nothing.
    std::optional<int> ReadCount(const char* name) const
    {
        bool isNumber = false;
        const int value = Value(name).toInt(&isNumber);
        return isNumber && value > 0 ? std::optional<int>(value) : std::nullopt;
    }

    QString NotACount(const char* name) const
    {
        return QCoreApplication::translate("CommandLine", "--%1 \"%2\" is not a whole number from 1 up")
            .arg(QLatin1String(name), Value(name));
    }

    QString ReadStartAndBounds()
    {
        options_.time = IsSet("time");
        const TimeOfDay timeOfDay = options_.time ? TimeOfDay::Accepted : TimeOfDay::Refused;
        for (const auto& [name, bound, minute] :
             {std::tuple{"date", &options_.startDate, &options_.startMinute},
              std::tuple{"min-date", &options_.minDate, &options_.minMinute},
              std::tuple{"max-date", &options_.maxDate, &options_.maxMinute}}) {
            if (!IsSet(name))
                continue;
            const auto read = ReadDate(Value(name), timeOfDay);
            if (!read)
                return BadDate(QLatin1String(name), Value(name), timeOfDay);
            *bound = read->first;
            *minute = read->second;
        }
        if (QString problem = ReadDayMonthYear(); !problem.isEmpty())
            return problem;
        if (options_.minDate && options_.maxDate &&
            std::pair(*options_.minDate, options_.minMinute.value_or(0)) >
                std::pair(*options_.maxDate, options_.maxMinute.value_or(runtime::MinutesPerDay - 1)))
            return QCoreApplication::translate("CommandLine", "--min-date %1 lies after --max-date %2")
                .arg(Value("min-date"), Value("max-date"));
        if (QString problem = ReadMinuteStep(); !problem.isEmpty())
            return problem;
        if (QString problem = NarrowToPickableTimes(); !problem.isEmpty())
            return problem;
        // A start outside the bounds starts on the nearer one. Without any of these options the
        // window reads today itself, as it always has.
        if (options_.minDate || options_.maxDate) {
            const slider::DateRange selectable = slider::SelectableYears();
            const runtime::Date wanted = options_.startDate.value_or(runtime::Today());
            options_.startDate = std::clamp(wanted, options_.minDate.value_or(selectable.First),
                                            options_.maxDate.value_or(selectable.Last));
            // A start on another day than asked for starts at the bound's own time.
            if (*options_.startDate != wanted)
                options_.startMinute = *options_.startDate < wanted ? options_.maxMinute.value_or(runtime::MinutesPerDay - 1)
                                                                    : options_.minMinute.value_or(0);
        }
        return {};
    }

    QString ReadMinuteStep()
    {
        if (!IsSet("minute-step"))
            return {};
        if (!options_.time)
            return QCoreApplication::translate("CommandLine", "--minute-step needs --time");
        const std::optional<int> step = ReadCount("minute-step");
        if (!step || !slider::IsMinuteStep(*step))
            return QCoreApplication::translate("CommandLine",
                                               "--minute-step \"%1\" is not a number from 1 to 30 that divides 60")
                .arg(Value("minute-step"));
        options_.minuteStep = *step;
        return {};
    }

    // With a time, the bounds given become the first and the last time that can be picked
    // between them: on the step, and shown by the local clock. Bounds that leave none are refused.
    QString NarrowToPickableTimes()
    {
        if (!options_.time || (!options_.minDate && !options_.maxDate))
            return {};
        const slider::DateRange selectable = slider::SelectableYears();
        const slider::TimeSetup asked{options_.minuteStep,
                                      {},
                                      {options_.minDate.value_or(selectable.First), options_.minMinute.value_or(0)},
                                      {options_.maxDate.value_or(selectable.Last),
                                       options_.maxMinute.value_or(runtime::MinutesPerDay - 1)}};
        const std::optional<slider::TimeSetup> pickable = slider::Pickable(asked);
        if (!pickable) {
            const QString first = QString::fromStdString(runtime::IsoText(asked.First));
            const QString last = QString::fromStdString(runtime::IsoText(asked.Last));
            if (asked.MinuteStep > 1 && slider::Pickable({1, {}, asked.First, asked.Last}))
                return QCoreApplication::translate("CommandLine", "--minute-step %1 leaves no time from %2 to %3")
                    .arg(options_.minuteStep)
                    .arg(first, last);
            return QCoreApplication::translate("CommandLine", "the local clock skips every time from %1 to %2")
                .arg(first, last);
        }
        if (options_.minDate)
            std::tie(options_.minDate, options_.minMinute) = std::pair(pickable->First.Day, pickable->First.Minute);
        if (options_.maxDate)
            std::tie(options_.maxDate, options_.maxMinute) = std::pair(pickable->Last.Day, pickable->Last.Minute);
        return {};
    }

    // The start date in parts, each part not given taken from today.
    QString ReadDayMonthYear()
    {
        if (!IsSet("day") && !IsSet("month") && !IsSet("year"))
            return {};
        if (IsSet("date"))
            return QCoreApplication::translate("CommandLine",
                                               "--date cannot be given together with --day, --month or --year");
        const runtime::Date today = runtime::Today();
        int parts[] = {today.Year(), today.Month(), today.Day()};
        const char* names[] = {"year", "month", "day"};
        for (int part = 0; part < 3; ++part) {
            if (!IsSet(names[part]))
                continue;
            const std::optional<int> value = ReadCount(names[part]);
            if (!value)
                return NotACount(names[part]);
            parts[part] = *value;
        }
        options_.startDate = slider::SelectableDate(parts[0], parts[1], parts[2]);
        if (!options_.startDate)
            return QCoreApplication::translate("CommandLine",
                                               "day %1 of month %2 of year %3 is not a date from %4 to %5")
                .arg(parts[2])
                .arg(parts[1])
                .arg(parts[0])
                .arg(DateText(slider::SelectableYears().First), DateText(slider::SelectableYears().Last));
        return {};
    }

    QString ReadFormats()
    {
        if (IsSet("format") && IsSet("date-format"))
            return QCoreApplication::translate("CommandLine", "--format and --date-format cannot be given together");
        const FormatFields fields = options_.time ? FormatFields::DateOrTime : FormatFields::Date;
        if (options_.time)
            options_.format = QStringLiteral("yyyy-MM-dd HH:mm");
        options_.format = IsSet("format") ? Value("format") : options_.format;
        if (options_.format.isEmpty())
            return QCoreApplication::translate("CommandLine",
                                               "--format is empty; give a Qt date format such as yyyy-MM-dd");
        if (QString problem = DateFormatProblem(options_.format, fields); !problem.isEmpty())
            return problem;
        if (!IsSet("date-format")) {
            // Other calendar dialogs print the date as the user's locale writes it in short, and
            // the time as a 24-hour clock does.
            if (IsSet("calendar") && !IsSet("format"))
                options_.dateFormat = options_.time ? QStringLiteral("%x %R") : QStringLiteral("%x");
            return {};
        }
        options_.dateFormat = Value("date-format");
        return StrftimeFormatProblem(options_.dateFormat);
    }

    QString ReadDialogLook()
    {
        // Other calendar dialogs' --calendar is the dialog of --print.
        options_.print = IsSet("print") || IsSet("calendar");
        options_.title = Value("title");
        options_.okLabel = Value("ok-label");
        options_.cancelLabel = Value("cancel-label");
        if (IsSet("text"))
            options_.prompt = PromptText(Value("text"), IsSet("no-markup") ? TextMarkup::Plain : TextMarkup::Pango);
        for (const auto& [name, count] :
             {std::pair{"timeout", &options_.timeoutSeconds}, std::pair{"width", &options_.minimumWidth},
              std::pair{"height", &options_.minimumHeight}}) {
            if (!IsSet(name))
                continue;
            const std::optional<int> value = ReadCount(name);
            if (!value)
                return NotACount(name);
            *count = *value;
        }
        return {};
    }

    /// A whole number of either sign, or nothing.
    std::optional<int> ReadInteger(const char* name) const
    {
        bool isNumber = false;
        const int value = Value(name).toInt(&isNumber);
        return isNumber ? std::optional<int>(value) : std::nullopt;
    }

    /// The whole number a value begins with, as yad reads a position: "30--title=x", a script's
    /// missing space, is 30 and a warning. Nothing when it begins with no number.
    std::optional<int> ReadLeadingInteger(const char* name)
    {
        static const QRegularExpression leadingNumber(QStringLiteral("^[+-]?\\d+"));
        const QString value = Value(name);
        const QString number = leadingNumber.match(value).captured();
        bool isNumber = false;
        const int read = number.toInt(&isNumber);
        if (!isNumber)
            return std::nullopt;
        if (number.size() < value.size())
            warnings_ << QCoreApplication::translate("CommandLine", "--%1 \"%2\" is read as %3")
                             .arg(QLatin1String(name), value)
                             .arg(read);
        return read;
    }

    QString NotOneOf(const char* name, const QString& choices) const
    {
        return QCoreApplication::translate("CommandLine", "--%1 \"%2\" is not one of %3")
            .arg(QLatin1String(name), Value(name), choices);
    }

    QString ReadButtons()
    {
        for (const QString& value : parser_.values(QStringLiteral("button"))) {
            const std::optional<ScriptButton> button = ReadScriptButton(value);
            if (!button)
                return QCoreApplication::translate("CommandLine", "--button \"%1\" ends with a status outside 0 to 255")
                    .arg(value);
            options_.buttons.push_back(*button);
        }
        for (const QString& caption : parser_.values(QStringLiteral("extra-button")))
            options_.extraButtons.push_back(ExtraButton(caption));
        options_.noButtons = IsSet("no-buttons");
        options_.noEscape = IsSet("no-escape");
        options_.escapeOk = IsSet("escape-ok");
        options_.alwaysPrintResult = IsSet("always-print-result");
        // Accepted and ignored, but a script's typo in it is still worth a line.
        if (IsSet("response") && !ReadInteger("response"))
            return NotAnInteger("response");
        return {};
    }

    QString ReadDayDescriptions()
    {
        options_.showWeeks = IsSet("show-weeks");
        options_.textAlign = Value("text-align");
        static const QStringList alignments{"left", "center", "right", "fill"};
        if (IsSet("text-align") && !alignments.contains(options_.textAlign))
            return NotOneOf("text-align", alignments.join(QStringLiteral(", ")));
        if (!IsSet("details"))
            return {};
        const QString format = IsSet("date-format") ? options_.dateFormat : QStringLiteral("%x");
        QString problem;
        options_.details = ReadDateDetails(Value("details"), format, problem);
        if (!problem.isEmpty())
            return QCoreApplication::translate("CommandLine", "--details \"%1\" cannot be read: %2")
                .arg(Value("details"), problem);
        return {};
    }

    QString NotAnInteger(const char* name) const
    {
        return QCoreApplication::translate("CommandLine", "--%1 \"%2\" is not a whole number")
            .arg(QLatin1String(name), Value(name));
    }

    QString ReadWindowPlacement()
    {
        options_.center = IsSet("center");
        options_.mouse = IsSet("mouse");
        for (const auto& [name, position] : {std::pair{"posx", &options_.posX}, std::pair{"posy", &options_.posY}}) {
            if (!IsSet(name))
                continue;
            *position = ReadLeadingInteger(name);
            if (!*position)
                return NotAnInteger(name);
        }
        // A size, a position or both, as X11 writes geometries: 300x200, +10-20, 300x200+10+20.
        options_.geometry = Value("geometry");
        if (IsSet("geometry") && !ParseWindowGeometry(options_.geometry))
            return QCoreApplication::translate("CommandLine", "--geometry \"%1\" is not of the form WxH+X+Y")
                .arg(options_.geometry);
        return {};
    }

    QString ReadWindowKind()
    {
        for (const auto& [name, flag] :
             {std::pair{"undecorated", &options_.undecorated}, std::pair{"fixed", &options_.fixed},
              std::pair{"on-top", &options_.onTop}, std::pair{"sticky", &options_.sticky},
              std::pair{"skip-taskbar", &options_.skipTaskbar}, std::pair{"maximized", &options_.maximized},
              std::pair{"fullscreen", &options_.fullscreen}, std::pair{"no-focus", &options_.noFocus},
              std::pair{"splash", &options_.splash}, std::pair{"close-on-unfocus", &options_.closeOnUnfocus}})
            *flag = IsSet(name);
        if (IsSet("borders")) {
            options_.borders = ReadInteger("borders").value_or(-1);
            if (options_.borders < 0)
                return QCoreApplication::translate("CommandLine", "--%1 \"%2\" is not a whole number from 0 up")
                    .arg(QStringLiteral("borders"), Value("borders"));
        }
        options_.fontName = Value("fontname");
        options_.timeoutIndicator = Value("timeout-indicator");
        static const QStringList sides{"top", "bottom", "left", "right"};
        if (IsSet("timeout-indicator") && !sides.contains(options_.timeoutIndicator))
            return NotOneOf("timeout-indicator", sides.join(QStringLiteral(", ")));
        if (IsSet("print-xid"))
            options_.printXid = Value("print-xid");
        options_.windowClass = Value("class");
        options_.windowName = Value("name");
        return {};
    }

    const QCommandLineParser& parser_;
    PickerOptions& options_;
    QStringList warnings_;
};

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
    AddOptionTable(parser);
    AcceptQtOptions(parser);

    const PreparedArguments prepared = PrepareArguments(arguments);
    if (!parser.parse(prepared.Arguments))
        return Refused(parser.unknownOptionNames().isEmpty()
                           ? parser.errorText()
                           : UnknownOptionText(parser.unknownOptionNames().first(), prepared.Arguments));
    // --help-all shows the same help: the window system's own options stay out of it.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        return {CommandLineOutcome::Inform, {}, HelpText(Description()), {}, {}};
    if (parser.isSet(QStringLiteral("version")))
        return {
            CommandLineOutcome::Inform,
            {},
            QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()),
            {},
            {}};
    // Other calendar dialogs pass over words that are no options ("--width=500 height=50"); their
    // scripts run on, with a warning.
    if (!parser.positionalArguments().isEmpty() && !parser.isSet(QStringLiteral("calendar")))
        return Refused(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                           .arg(parser.positionalArguments().first()));
    QStringList warnings;
    if (const QStringList ignored = prepared.PassedOver + parser.positionalArguments(); !ignored.isEmpty())
        warnings << QCoreApplication::translate("CommandLine", "ignored these words, which are not options: %1")
                        .arg(ignored.join(u' '));

    PickerOptions options;
    OptionReader reader(parser, options);
    if (const QString problem = reader.Read(); !problem.isEmpty())
        return Refused(problem);
    warnings += reader.Warnings();
    QString warning;
    for (const QString& line : warnings)
        warning += StatusLine(line);
    return {CommandLineOutcome::Run, options, {}, warning, WindowSystemArguments(parser)};
}

} // namespace app
