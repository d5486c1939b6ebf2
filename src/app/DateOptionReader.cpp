#include "app/DateOptionReader.h"

#include "app/PrintedDate.h"
#include "date/SliderValues.h"
#include "date/TimeSlider.h"
#include "runtime/Clock.h"
#include "runtime/LocalTime.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <tuple>

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

// --date, --min-date and --max-date, each with the minute of the day it gives.
QString ReadDates(const OptionValues& values, PickerOptions& options)
{
    const TimeOfDay timeOfDay = options.time ? TimeOfDay::Accepted : TimeOfDay::Refused;
    for (const auto& [name, bound, minute] : {std::tuple{"date", &options.startDate, &options.startMinute},
                                              std::tuple{"min-date", &options.minDate, &options.minMinute},
                                              std::tuple{"max-date", &options.maxDate, &options.maxMinute}}) {
        if (!values.IsSet(name))
            continue;
        const auto read = ReadDate(values.Value(name), timeOfDay);
        if (!read)
            return BadDate(QLatin1String(name), values.Value(name), timeOfDay);
        *bound = read->first;
        *minute = read->second;
    }
    return {};
}

// The start date in parts, each part not given taken from today.
QString ReadDayMonthYear(const OptionValues& values, PickerOptions& options)
{
    if (!values.IsSet("day") && !values.IsSet("month") && !values.IsSet("year"))
        return {};
    if (values.IsSet("date"))
        return QCoreApplication::translate("CommandLine",
                                           "--date cannot be given together with --day, --month or --year");
    const runtime::Date today = runtime::Today();
    int parts[] = {today.Year(), today.Month(), today.Day()};
    const char* names[] = {"year", "month", "day"};
    for (int part = 0; part < 3; ++part) {
        if (!values.IsSet(names[part]))
            continue;
        const std::optional<int> value = values.ReadCount(names[part]);
        if (!value)
            return values.NotACount(names[part]);
        parts[part] = *value;
    }
    options.startDate = slider::SelectableDate(parts[0], parts[1], parts[2]);
    if (!options.startDate)
        return QCoreApplication::translate("CommandLine", "day %1 of month %2 of year %3 is not a date from %4 to %5")
            .arg(parts[2])
            .arg(parts[1])
            .arg(parts[0])
            .arg(DateText(slider::SelectableYears().First), DateText(slider::SelectableYears().Last));
    return {};
}

QString ReadMinuteStep(const OptionValues& values, PickerOptions& options)
{
    if (!values.IsSet("minute-step"))
        return {};
    if (!options.time)
        return QCoreApplication::translate("CommandLine", "--minute-step needs --time");
    const std::optional<int> step = values.ReadCount("minute-step");
    if (!step || !slider::IsMinuteStep(*step))
        return QCoreApplication::translate("CommandLine",
                                           "--minute-step \"%1\" is not a number from 1 to 30 that divides 60")
            .arg(values.Value("minute-step"));
    options.minuteStep = *step;
    return {};
}

// With a time, the bounds given become the first and the last time that can be picked
// between them: on the step, and shown by the local clock. Bounds that leave none are refused.
QString NarrowToPickableTimes(PickerOptions& options)
{
    if (!options.time || (!options.minDate && !options.maxDate))
        return {};
    const slider::DateRange selectable = slider::SelectableYears();
    const slider::TimeSetup asked{options.minuteStep,
                                  {},
                                  {options.minDate.value_or(selectable.First), options.minMinute.value_or(0)},
                                  {options.maxDate.value_or(selectable.Last),
                                   options.maxMinute.value_or(runtime::MinutesPerDay - 1)}};
    const std::optional<slider::TimeSetup> pickable = slider::Pickable(asked);
    if (!pickable) {
        const QString first = QString::fromStdString(runtime::IsoText(asked.First));
        const QString last = QString::fromStdString(runtime::IsoText(asked.Last));
        if (asked.MinuteStep > 1 && slider::Pickable({1, {}, asked.First, asked.Last}))
            return QCoreApplication::translate("CommandLine", "--minute-step %1 leaves no time from %2 to %3")
                .arg(options.minuteStep)
                .arg(first, last);
        return QCoreApplication::translate("CommandLine", "the local clock skips every time from %1 to %2")
            .arg(first, last);
    }
    if (options.minDate)
        std::tie(options.minDate, options.minMinute) = std::pair(pickable->First.Day, pickable->First.Minute);
    if (options.maxDate)
        std::tie(options.maxDate, options.maxMinute) = std::pair(pickable->Last.Day, pickable->Last.Minute);
    return {};
}

// A start outside the bounds starts on the nearer one. Without any of these options the
// window reads today itself, as it always has.
void StartWithinBounds(PickerOptions& options)
{
    if (!options.minDate && !options.maxDate)
        return;
    const slider::DateRange selectable = slider::SelectableYears();
    const runtime::Date wanted = options.startDate.value_or(runtime::Today());
    options.startDate =
        std::clamp(wanted, options.minDate.value_or(selectable.First), options.maxDate.value_or(selectable.Last));
    // A start on another day than asked for starts at the bound's own time.
    if (*options.startDate != wanted)
        options.startMinute = *options.startDate < wanted ? options.maxMinute.value_or(runtime::MinutesPerDay - 1)
                                                          : options.minMinute.value_or(0);
}

QString ReadStartAndBounds(const OptionValues& values, PickerOptions& options)
{
    options.time = values.IsSet("time");
    if (QString problem = ReadDates(values, options); !problem.isEmpty())
        return problem;
    if (QString problem = ReadDayMonthYear(values, options); !problem.isEmpty())
        return problem;
    if (options.minDate && options.maxDate &&
        std::pair(*options.minDate, options.minMinute.value_or(0)) >
            std::pair(*options.maxDate, options.maxMinute.value_or(runtime::MinutesPerDay - 1)))
        return QCoreApplication::translate("CommandLine", "--min-date %1 lies after --max-date %2")
            .arg(values.Value("min-date"), values.Value("max-date"));
    if (QString problem = ReadMinuteStep(values, options); !problem.isEmpty())
        return problem;
    if (QString problem = NarrowToPickableTimes(options); !problem.isEmpty())
        return problem;
    StartWithinBounds(options);
    return {};
}

QString ReadFormats(const OptionValues& values, PickerOptions& options)
{
    if (values.IsSet("format") && values.IsSet("date-format"))
        return QCoreApplication::translate("CommandLine", "--format and --date-format cannot be given together");
    const FormatFields fields = options.time ? FormatFields::DateOrTime : FormatFields::Date;
    if (options.time)
        options.format = QStringLiteral("yyyy-MM-dd HH:mm");
    options.format = values.IsSet("format") ? values.Value("format") : options.format;
    if (options.format.isEmpty())
        return QCoreApplication::translate("CommandLine",
                                           "--format is empty; give a Qt date format such as yyyy-MM-dd");
    if (QString problem = DateFormatProblem(options.format, fields); !problem.isEmpty())
        return problem;
    if (!values.IsSet("date-format")) {
        // Other calendar dialogs print the date as the user's locale writes it in short, and
        // the time as a 24-hour clock does.
        if (values.IsSet("calendar") && !values.IsSet("format"))
            options.dateFormat = options.time ? QStringLiteral("%x %R") : QStringLiteral("%x");
        return {};
    }
    options.dateFormat = values.Value("date-format");
    return StrftimeFormatProblem(options.dateFormat);
}

} // namespace

QString ReadDateOptions(const OptionValues& values, PickerOptions& options)
{
    if (QString problem = ReadStartAndBounds(values, options); !problem.isEmpty())
        return problem;
    return ReadFormats(values, options);
}

} // namespace app
