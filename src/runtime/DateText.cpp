#include "runtime/DateText.h"

#include "runtime/Locale.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QString>

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

// A time after the date is ignored, but only a time: hours 00..23, minutes 00..59, seconds
// 00..60 (a leap second), and a zone offset of hours and minutes.
bool IsTimeOfDay(const QRegularExpressionMatch& match)
{
    const auto part = [&](int index) { return match.captured(index).isEmpty() ? 0 : match.captured(index).toInt(); };
    return part(4) < 24 && part(5) < 60 && part(6) <= 60 && part(7) < 24 && part(8) < 60;
}

// ASCII digits only: a regular expression's \d would also take other scripts' digits, which
// toInt does not read.
std::optional<Date> FromIso(const QString& text)
{
    static const QRegularExpression iso(QStringLiteral(
        "^([0-9]{4})-([0-9]{2})-([0-9]{2})"
        "(?:[T ]([0-9]{2}):([0-9]{2})(?::([0-9]{2})(?:[.,][0-9]+)?)?(?:Z|[+-]([0-9]{2})(?::?([0-9]{2}))?)?)?$"));
    const QRegularExpressionMatch match = iso.match(text);
    if (!match.hasMatch() || !IsTimeOfDay(match))
        return std::nullopt;
    return DateOf(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
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
    if (const std::optional<Date> date = FromIso(trimmed))
        return date;
    if (const std::optional<Date> date = FromHeader(trimmed))
        return date;
    return FromFormats(trimmed);
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
