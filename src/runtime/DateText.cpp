#include "runtime/DateText.h"

#include "runtime/Locale.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <ctime>
#include <vector>

namespace runtime {
namespace {

std::optional<Date> DateOf(int year, int month, int day)
{
    // QDate knows which days exist; the Date type would carry 30 February into March.
    if (year < Date::MinYear || year > Date::MaxYear || !QDate::isValid(year, month, day))
        return std::nullopt;
    return Date::FromParts(year, month, day);
}

std::optional<Date> DateOf(const QDate& date)
{
    return date.isValid() ? DateOf(date.year(), date.month(), date.day()) : std::nullopt;
}

// Text copied from right-to-left text carries direction marks (U+200E, U+200F, U+061C, the
// embeddings and isolates) beside and inside a date, and some programs copy a NUL with it:
// none of them is part of what the text says.
QString WithoutDirectionMarks(QString text)
{
    text.removeIf([](QChar character) {
        const char16_t code = character.unicode();
        return code == 0 || code == 0x200E || code == 0x200F || code == 0x061C || (code >= 0x202A && code <= 0x202E) ||
               (code >= 0x2066 && code <= 0x2069);
    });
    return text;
}

// Only a time of day: hours 00..23, minutes 00..59, seconds 00..60 (a leap second), and a zone
// offset of hours and minutes.
bool IsTimeOfDay(const QRegularExpressionMatch& match)
{
    const auto part = [&](int index) { return match.captured(index).isEmpty() ? 0 : match.captured(index).toInt(); };
    return part(4) < 24 && part(5) < 60 && part(6) <= 60 && part(9) < 24 && part(10) < 60;
}

// What an ISO 8601 text writes: a date, and maybe a time after it.
struct IsoParts {
    IsoDateTime Parts;
    bool HasTime = false;
};

// An offset of "+01", "+0100" or "-00:30" in seconds east of UTC, from its sign, hours and minutes.
int32_t OffsetSeconds(const QString& sign, const QString& hours, const QString& minutes)
{
    const int32_t size = (hours.toInt() * MinutesPerHour + minutes.toInt()) * 60;
    return sign == u'-' ? -size : size;
}

// ASCII digits only: a regular expression's \d would also take other scripts' digits, which
// toInt does not read.
std::optional<IsoParts> FromIso(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^([0-9]{4})-([0-9]{2})-([0-9]{2})"
        "(?:[T ]([0-9]{2}):([0-9]{2})(?::([0-9]{2})(?:[.,][0-9]+)?)? ?(?:(Z)|([+-])([0-9]{2})(?::?([0-9]{2}))?)?)?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || !IsTimeOfDay(match))
        return std::nullopt;
    const std::optional<Date> day = DateOf(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!day)
        return std::nullopt;
    IsoParts iso{{{*day, match.captured(4).toInt() * MinutesPerHour + match.captured(5).toInt()},
                  match.captured(6).toInt(), std::nullopt},
                 match.hasCaptured(4)};
    if (match.hasCaptured(7))
        iso.Parts.OffsetSeconds = 0;
    else if (match.hasCaptured(8))
        iso.Parts.OffsetSeconds = OffsetSeconds(match.captured(8), match.captured(9), match.captured(10));
    return iso;
}

// The header's own form, "Tuesday December 8, 2026" or "2026年12月8日火曜日": the text must read
// exactly as the header would write that date, weekday included, though in any case. The day
// and the year are among the text's numbers, and the month is any of the twelve, since not every
// language writes it in digits.
std::optional<Date> FromHeader(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("[0-9]+"));
    std::vector<int> numbers;
    for (auto match = number.globalMatch(text); match.hasNext();)
        numbers.push_back(match.next().captured().toInt());
    // A header holds two or three numbers; a text with many is no header, and trying each
    // of them as day and as year would take long.
    if (numbers.size() < 2 || numbers.size() > 4)
        return std::nullopt;
    for (const int year : numbers) {
        for (const int day : numbers) {
            for (int month = 1; month <= 12; ++month) {
                const std::optional<Date> date = DateOf(year, month, day);
                if (date && WithoutDirectionMarks(QString::fromStdString(date->LongText()))
                                    .compare(text, Qt::CaseInsensitive) == 0)
                    return date;
            }
        }
    }
    return std::nullopt;
}

// A locale's format asks for two-digit years ("M/d/yy") and often for two-digit days and
// months. A pasted date must carry its year in full, since no century is guessed; a day or a
// month may come with one digit or two.
QString WithFullYear(const QString& format)
{
    QString widened;
    for (qsizetype at = 0; at < format.size();) {
        const QChar letter = format[at];
        qsizetype end = at + 1;
        if (letter == QLatin1Char('\'')) {
            // Quoted text stands as it is, up to the closing quote.
            while (end < format.size() && format[end] != QLatin1Char('\''))
                ++end;
            end = std::min(end + 1, format.size());
            widened += format.mid(at, end - at);
        } else {
            while (end < format.size() && format[end] == letter)
                ++end;
            const qsizetype run = end - at;
            if (letter == QLatin1Char('y') && run == 2)
                widened += QStringLiteral("yyyy");
            else if ((letter == QLatin1Char('d') || letter == QLatin1Char('M')) && run == 2)
                widened += letter;
            else
                widened += format.mid(at, run);
        }
        at = end;
    }
    return widened;
}

std::optional<Date> FromFormats(const QString& text)
{
    const QLocale locale = CurrentLocale();
    // The formats lose their marks as the text has.
    for (const QString& format : {WithoutDirectionMarks(WithFullYear(locale.dateFormat(QLocale::ShortFormat))),
                                  WithoutDirectionMarks(locale.dateFormat(QLocale::LongFormat)),
                                  QStringLiteral("d.M.yyyy")}) {
        if (const std::optional<Date> date = DateOf(locale.toDate(text, format)))
            return date;
    }
    return std::nullopt;
}

} // namespace

std::optional<Date> DateFromText(const std::string& text)
{
    const QString trimmed = WithoutDirectionMarks(QString::fromStdString(text)).trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (const std::optional<IsoParts> iso = FromIso(trimmed))
        return iso->Parts.Written.Day;
    if (const std::optional<Date> date = FromHeader(trimmed))
        return date;
    return FromFormats(trimmed);
}

std::optional<IsoDateTime> IsoDateTimeFromText(const std::string& text)
{
    const std::optional<IsoParts> iso = FromIso(WithoutDirectionMarks(QString::fromStdString(text)).trimmed());
    return iso && iso->HasTime ? std::optional(iso->Parts) : std::nullopt;
}

std::optional<WallTime> LocalWallTime(const IsoDateTime& written)
{
    if (!written.OffsetSeconds)
        return written.Written;
    std::tm utc{};
    utc.tm_year = written.Written.Day.Year() - 1900;
    utc.tm_mon = written.Written.Day.Month() - 1;
    utc.tm_mday = written.Written.Day.Day();
    utc.tm_hour = written.Written.Hour();
    utc.tm_min = written.Written.MinuteOfHour();
    // A leap second (:60) is the last second of its minute.
    utc.tm_sec = std::min(written.Second, 59);
    return FirstWallTimeAt(static_cast<int64_t>(timegm(&utc)) - *written.OffsetSeconds);
}

std::string FoldedForMatching(const std::string& text)
{
    QString folded;
    for (const QChar character : QString::fromStdString(text).normalized(QString::NormalizationForm_KD))
        if (!character.isMark())
            folded += character;
    return folded.toCaseFolded().toStdString();
}

} // namespace runtime
