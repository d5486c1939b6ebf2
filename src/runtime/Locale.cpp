#include "runtime/Locale.h"

#include "runtime/RuntimeError.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <algorithm>
#include <optional>

namespace runtime {
namespace {

std::optional<QLocale>& PinnedLocale()
{
    static std::optional<QLocale> pinned;
    return pinned;
}

void CheckRange(int value, int last)
{
    if (value < 1 || value > last)
        Raise(ErrInvalidCall);
}

// The language dates are written in: the pinned locale's, else that of LC_TIME as the C library
// looks it up. The system locale answers date questions from LC_TIME but names its language
// after LC_NUMERIC or LANG, so its language cannot tell.
QLocale::Language DateLanguage()
{
    if (PinnedLocale())
        return PinnedLocale()->language();
    return QLocale(QString::fromStdString(TimeLocaleName())).language();
}

// Where the first letter of a date field (d, M or y) stands in a QLocale date format, quoted
// text passed over; -1 when the format lacks it.
qsizetype FieldPosition(const QString& format, QChar field)
{
    bool quoted = false;
    for (qsizetype at = 0; at < format.size(); ++at) {
        if (format[at] == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && format[at] == field)
            return at;
    }
    return -1;
}


} // namespace

std::string MonthName(int month)
{
    CheckRange(month, 12);
    return CurrentLocale().standaloneMonthName(month, QLocale::LongFormat).toStdString();
}

std::string WeekdayName(int weekday)
{
    CheckRange(weekday, 7);
    return CurrentLocale().dayName(weekday, QLocale::LongFormat).toStdString();
}

std::string TimeLocaleName()
{
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"})
        if (const QByteArray name = qgetenv(variable); !name.isEmpty())
            return name.toStdString();
    return "C";
}

QString WithAsciiDigits(QString text)
{
    for (QChar& character : text)
        if (const int value = character.digitValue(); value >= 0 && character.unicode() > 0x7F)
            character = QChar(u'0' + value);
    return text;
}

bool WritesDatesInEnglish()
{
    const QLocale::Language language = DateLanguage();
    return language == QLocale::English || language == QLocale::C;
}

std::string LongDateText(int year, int month, int day)
{
    const QLocale locale = CurrentLocale();
    return WithAsciiDigits(locale.toString(QDate(year, month, day), locale.dateFormat(QLocale::LongFormat)))
        .toStdString();
}

std::array<int32_t, 3> DateFieldOrder()
{
    std::array<int32_t, 3> columns{0, 1, 2};
    if (WritesDatesInEnglish())
        return columns;
    const QString format = CurrentLocale().dateFormat(QLocale::ShortFormat);
    const std::array<qsizetype, 3> positions{FieldPosition(format, u'M'), FieldPosition(format, u'd'),
                                             FieldPosition(format, u'y')};
    // A format that lacks a field keeps the English order rather than guess at one.
    if (std::find(positions.begin(), positions.end(), -1) != positions.end())
        return columns;
    std::sort(columns.begin(), columns.end(), [&](int32_t a, int32_t b) { return positions[a] < positions[b]; });
    return columns;
}

void UseLocale(const QLocale& locale) { PinnedLocale() = locale; }

void UseSystemLocale() { PinnedLocale().reset(); }

QLocale CurrentLocale() { return PinnedLocale().value_or(QLocale::system()); }

std::string FailureText(const std::exception& failure)
{
    const auto* error = dynamic_cast<const RuntimeError*>(&failure);
    if (!error)
        return failure.what();
    return QCoreApplication::translate("runtime", "Run-time error %1: %2")
        .arg(error->Number())
        .arg(QCoreApplication::translate("runtime", ErrorText(error->Number()).c_str()))
        .toStdString();
}

} // namespace runtime
