#include "app/PrintedDate.h"

#include "app/TimeLocale.h"
#include "runtime/Locale.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cstdlib>
#include <cstring>
#include <ctime>

namespace app {

namespace {

// What strftime writes: the date picked at its local time, and the moment that time is.
struct LocalMoment {
    /// The date picked, with the time and zone of its moment; on a day the clock skips whole, at
    /// midnight with the zone of the clock before the gap.
    std::tm Date{};
    /// The moment itself: the date's first moment, on the next day where the clock skips it whole.
    std::tm Moment{};
};

// Writes `day` at 00:00:00 with the zone of the clock before a gap that ends at `afterGap`: on
// that clock the day's midnight is the moment the gap ends, so the date, the time, the offset and
// %s all name one moment.
void WithClockBefore(std::tm& day, std::time_t afterGap)
{
    std::tm before{};
    const std::time_t lastBefore = afterGap - 1;
    if (!localtime_r(&lastBefore, &before))
        return;
    std::tm asUtc = day;
    day.tm_gmtoff = static_cast<long>(timegm(&asUtc) - afterGap);
    day.tm_isdst = before.tm_isdst;
    day.tm_zone = before.tm_zone;
}

// The first second of the day that `minute`, the first minute the clock shows whole, begins: a
// gap may end within the minute before it.
std::tm FirstSecondOf(const std::tm& minute)
{
    std::tm asUtc = minute;
    const std::time_t wholeMinute = timegm(&asUtc) - minute.tm_gmtoff;
    std::time_t first = wholeMinute;
    std::tm shown = minute;
    for (std::time_t at = first - 1; at > wholeMinute - 60; --at) {
        if (!localtime_r(&at, &shown) || shown.tm_mday != minute.tm_mday)
            break;
        first = at;
    }
    localtime_r(&first, &shown);
    return shown;
}

// The date's first moment in the local time zone, as other date dialogs print its time of day
// (%s, %H) and as GNU date names its zone (%z, %Z): midnight, the first of two where the clock
// shows midnight twice, or the first time after a gap where the clock skips it, as with a time.
LocalMoment LocalMidnightOf(const runtime::Date& date)
{
    LocalMoment midnight;
    std::tm& parts = midnight.Date;
    parts.tm_year = date.Year() - 1900;
    parts.tm_mon = date.Month() - 1;
    parts.tm_mday = date.Day();
    const std::optional<runtime::WallTime> first = runtime::FirstShownFrom({date, 0}, 1);
    const std::optional<std::tm> moment = first ? runtime::LocalParts(*first) : std::nullopt;
    if (moment) {
        midnight.Moment = *moment;
        if (first->Day == date)
            parts = midnight.Moment = FirstSecondOf(*moment);
        else
            WithClockBefore(parts, static_cast<std::time_t>(runtime::LocalInstant(*first).value_or(0)));
    } else {
        midnight.Moment = parts;
    }
    const QDate day(date.Year(), date.Month(), date.Day());
    parts.tm_wday = day.dayOfWeek() % 7;
    parts.tm_yday = day.dayOfYear() - 1;
    return midnight;
}

// The length of the conversion that begins with the % at `at` (flags, a width, an E or O
// modifier or GNU date's colons of %:z, then its letter), or 0 when no conversion begins there.
qsizetype ConversionLength(const QString& format, qsizetype at)
{
    const auto isAscii = [&](qsizetype index, const char* set) {
        return index < format.size() && format[index].unicode() > 0 && format[index].unicode() < 0x80 &&
               std::strchr(set, format[index].toLatin1()) != nullptr;
    };
    qsizetype end = at + 1;
    while (isAscii(end, "_-0^#"))
        ++end;
    while (isAscii(end, "0123456789"))
        ++end;
    if (isAscii(end, "EO")) {
        ++end;
    } else {
        qsizetype colons = 0;
        while (colons < 3 && isAscii(end + colons, ":"))
            ++colons;
        if (colons > 0 && isAscii(end + colons, "z"))
            end += colons;
    }
    if (end >= format.size() || format[end].unicode() >= 0x80 || format[end].unicode() <= u' ')
        return 0;
    return end + 1 - at;
}

// GNU date's %:z (+02:00), %::z (+02:00:00) and %:::z (+02, +05:30) of the zone's offset.
QString OffsetWithColons(long offsetSeconds, qsizetype colons)
{
    const QChar sign = offsetSeconds < 0 ? u'-' : u'+';
    const long seconds = std::labs(offsetSeconds);
    QString text = sign + QString::asprintf("%02ld", seconds / 3600);
    if (colons < 3 || seconds % 3600 != 0)
        text += QString::asprintf(":%02ld", seconds / 60 % 60);
    if (colons == 2 || (colons == 3 && seconds % 60 != 0))
        text += QString::asprintf(":%02ld", seconds % 60);
    return text;
}

// %s of the moment, with strftime's flags and width. strftime would count the seconds by asking
// mktime again, which finds no midnight on a day the zone skipped, and of the two moments that
// show one wall time where the clock goes back without a change of daylight saving, may take the
// other one than the offset belongs to. The moment's own offset tells its seconds.
std::optional<QString> SecondsText(QStringView conversion, const std::tm& moment)
{
    constexpr qsizetype WidestNumber = qsizetype{1} << 20;
    std::tm asUtc = moment;
    const long long seconds = static_cast<long long>(timegm(&asUtc)) - moment.tm_gmtoff;
    // As strftime pads: with spaces, or with zeros (before any sign) when 0 is the last of the
    // flags that choose.
    QChar padding = u' ';
    qsizetype at = 1;
    for (; at < conversion.size() && QStringLiteral("_-0^#").contains(conversion[at]); ++at)
        if (QStringLiteral("_-0").contains(conversion[at]))
            padding = conversion[at] == u'0' ? u'0' : u' ';
    qsizetype width = 0;
    for (; at < conversion.size() && conversion[at].isDigit() && width <= WidestNumber; ++at)
        width = width * 10 + conversion[at].digitValue();
    if (width > WidestNumber)
        return std::nullopt;
    return QString::number(seconds).rightJustified(width, padding);
}

// The text of one conversion, or nothing when it is too long to print.
std::optional<QString> ConvertedText(QStringView conversion, const LocalMoment& midnight, const TimeLocale& locale)
{
    const std::tm& parts = midnight.Date;
    if (const qsizetype colons = conversion.count(u':'); colons > 0)
        return OffsetWithColons(parts.tm_gmtoff, colons);
    if (conversion.back() == u's')
        return SecondsText(conversion, midnight.Moment);
    QByteArray directive = conversion.toLatin1();
    // %O asks for the locale's own digits (Japanese writes 24 as 二十四); printed digits are ASCII.
    // %OB and %Ob stay: they name the month as it stands alone.
    if (directive.size() >= 3 && directive[directive.size() - 2] == 'O' && std::strchr("deHImMSuUVwWy", directive.back()))
        directive.remove(directive.size() - 2, 1);
    return locale.Convert(directive, parts);
}

struct Rendering {
    /// The whole text, or nothing when a conversion is too long to print.
    std::optional<QString> Text;
    /// Whether a conversion wrote something other than white space: %%, %n, %t and unknown ones
    /// name nothing.
    bool NamesTheDate = false;
};

// The format's literal text as it stands, each conversion as the C library writes it in the
// user's LC_TIME, one at a time: no limit on the whole, no text taken for the format's own.
Rendering StrftimeRendering(const LocalMoment& midnight, const QString& format)
{
    const TimeLocale locale;
    Rendering rendering{QString(), false};
    for (qsizetype at = 0; at < format.size();) {
        const qsizetype length = format[at] == u'%' ? ConversionLength(format, at) : 0;
        if (length == 0) {
            *rendering.Text += format[at++];
            continue;
        }
        const QStringView conversion = QStringView(format).mid(at, length);
        at += length;
        const std::optional<QString> text = ConvertedText(conversion, midnight, locale);
        // Too wide to print, but a part of the date all the same.
        if (!text)
            return {std::nullopt, true};
        *rendering.Text += *text;
        // A conversion the C library does not know it writes as it stands (%Q): that is no date.
        if (!QStringLiteral("%nt").contains(conversion.back()) && !text->trimmed().isEmpty() && *text != conversion)
            rendering.NamesTheDate = true;
    }
    rendering.Text = runtime::WithAsciiDigits(*rendering.Text);
    return rendering;
}

} // namespace

QString PrintedDate(const runtime::Date& date, const QString& format, const QLocale& locale)
{
    return runtime::WithAsciiDigits(locale.toString(QDate(date.Year(), date.Month(), date.Day()), format));
}

std::optional<QString> StrftimeDate(const runtime::Date& date, const QString& format)
{
    return StrftimeRendering(LocalMidnightOf(date), format).Text;
}

QString PrintedDateTime(const runtime::WallTime& time, const QString& format, const QLocale& locale)
{
    const QDate day(time.Day.Year(), time.Day.Month(), time.Day.Day());
    const QTime clock(time.Hour(), time.MinuteOfHour());
    // Built from the wall time, Qt takes a time shown twice as its second occurrence. The moment
    // the clock first shows it names the zone ("t") of the time picked, as %Z does, wherever Qt
    // reads that moment as the same wall time.
    QDateTime moment(day, clock);
    if (const std::optional<int64_t> instant = runtime::LocalInstant(time)) {
        const QDateTime first = QDateTime::fromSecsSinceEpoch(*instant, Qt::LocalTime);
        if (first.date() == day && first.time() == clock)
            moment = first;
    }
    return runtime::WithAsciiDigits(locale.toString(moment, format));
}

std::optional<QString> StrftimeDateTime(const runtime::WallTime& time, const QString& format)
{
    // The moment the wall time first shows is one that exists: its own parts serve for both.
    const std::optional<std::tm> parts = runtime::LocalParts(time);
    return parts ? StrftimeRendering({*parts, *parts}, format).Text : std::nullopt;
}

QString StrftimeFormatProblem(const QString& format)
{
    // Whether a conversion writes anything depends on the locale, not on the date (%p is empty in
    // German): any date tells.
    if (StrftimeRendering(LocalMidnightOf(runtime::Date::FromParts(2024, 8, 10)), format).NamesTheDate)
        return {};
    return QCoreApplication::translate("CommandLine",
                                       "--date-format \"%1\" writes no part of the date; give a strftime "
                                       "format such as %Y-%m-%d")
        .arg(format);
}

QString DateFormatProblem(const QString& format, FormatFields fields)
{
    const QString dateFields = QStringLiteral("dMy");
    const QString timeFields = fields == FormatFields::DateOrTime ? QStringLiteral("hHm") : QString();
    bool quoted = false;
    bool writesField = false;
    bool hasPercent = false;
    for (qsizetype at = 0; at < format.size(); ++at) {
        const QChar character = format[at];
        if (character == u'\'') {
            // Two quotes write one, inside quotes or out.
            if (at + 1 < format.size() && format[at + 1] == u'\'')
                ++at;
            else
                quoted = !quoted;
        } else if (!quoted) {
            writesField = writesField || dateFields.contains(character) || timeFields.contains(character);
            hasPercent = hasPercent || character == u'%';
        }
    }
    if (hasPercent)
        return QCoreApplication::translate("CommandLine",
                                           "--format \"%1\" holds a %, but --format takes a Qt date format "
                                           "such as yyyy-MM-dd; for strftime's % fields use --date-format \"%1\"")
            .arg(format);
    if (quoted)
        return QCoreApplication::translate("CommandLine", "--format \"%1\" opens a quote that it does not close")
            .arg(format);
    if (!writesField)
        return QCoreApplication::translate("CommandLine",
                                           "--format \"%1\" writes no part of the date; give a Qt date "
                                           "format such as yyyy-MM-dd")
            .arg(format);
    return {};
}

} // namespace app
