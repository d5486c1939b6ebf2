#include "runtime/ClockStyle.h"

#include "runtime/Locale.h"
#include "runtime/LocalTime.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QTime>

#include <algorithm>

namespace runtime {
namespace {

// Qt writes the day period of some languages as CLDR's "B" (zh_TW "Bh:mm"), which it does not
// expand; it is the morning or the afternoon there too. Quoted text is left as it stands.
QString ShortTimeFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    bool quoted = false;
    for (qsizetype at = 0; at < format.size(); ++at) {
        if (format[at] == u'\'')
            quoted = !quoted;
        else if (!quoted && format[at] == u'B')
            format.replace(at, 1, QStringLiteral("AP"));
    }
    // The columns pick no seconds; a format that writes them (the C locale's "HH:mm:ss") leaves
    // them out with the separator before them.
    static const QRegularExpression seconds(QStringLiteral("[^hHmaAP' ]*s+"));
    return format.remove(seconds);
}

} // namespace

ClockStyle CurrentClockStyle()
{
    const QString format = ShortTimeFormat(CurrentLocale());
    ClockStyle style;
    style.TwelveHour = format.contains(u'h') && format.contains(u'a', Qt::CaseInsensitive);
    style.TwoDigitHours = format.contains(QStringLiteral("hh"), Qt::CaseInsensitive);
    const qsizetype hour = format.indexOf(style.TwelveHour ? u'h' : u'H');
    const qsizetype minute = format.indexOf(u'm');
    const qsizetype period = style.TwelveHour ? format.indexOf(u'a', 0, Qt::CaseInsensitive) : format.size();
    // Three fields in the order their letters stand.
    std::array<std::pair<qsizetype, TimeField>, 3> places{
        {{hour, TimeField::Hour}, {minute, TimeField::Minute}, {period, TimeField::Period}}};
    std::sort(places.begin(), places.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t field = 0; field < places.size(); ++field)
        style.Order[field] = places[field].second;
    return style;
}

std::string HourText(int32_t hour, const ClockStyle& style)
{
    const int32_t shown = style.TwelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
    return (style.TwoDigitHours && shown < 10 ? "0" : "") + std::to_string(shown);
}

std::string PeriodName(int32_t period)
{
    const QLocale locale = CurrentLocale();
    return (period == 0 ? locale.amText() : locale.pmText()).toStdString();
}

std::string ShortTimeText(int32_t minute)
{
    const QLocale locale = CurrentLocale();
    const QTime time(minute / MinutesPerHour, minute % MinutesPerHour);
    return WithAsciiDigits(locale.toString(time, ShortTimeFormat(locale))).toStdString();
}

std::optional<int32_t> MinuteFromText(const std::string& text)
{
    const QLocale locale = CurrentLocale();
    const QString trimmed = QString::fromStdString(text).trimmed();
    for (const QString& format : {ShortTimeFormat(locale), QStringLiteral("H:mm")}) {
        // The language's own digits are read as well as ASCII ones, which the header writes.
        for (const QString& candidate : {trimmed, WithAsciiDigits(trimmed)}) {
            const QTime time = locale.toTime(candidate, format);
            if (time.isValid())
                return time.hour() * MinutesPerHour + time.minute();
        }
    }
    return std::nullopt;
}

} // namespace runtime
