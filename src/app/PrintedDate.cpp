#include "app/PrintedDate.h"

#include <QCoreApplication>
#include <QDate>

#include <clocale>
#include <ctime>
#include <vector>

namespace app {

namespace {

// Some languages write their own digits (Arabic-Indic, Devanagari, ...); names never hold digits,
// so every digit can be written as its ASCII one.
QString WithAsciiDigits(QString text)
{
    for (QChar& character : text)
        if (const int value = character.digitValue(); value >= 0 && character.unicode() > 0x7F)
            character = QChar(u'0' + value);
    return text;
}

} // namespace

QString PrintedDate(const runtime::Date& date, const QString& format, const QLocale& locale)
{
    return WithAsciiDigits(locale.toString(QDate(date.Year(), date.Month(), date.Day()), format));
}

QString StrftimeDate(const runtime::Date& date, const QString& format)
{
    // The names follow the user's LC_TIME, as other date dialogs print them.
    std::setlocale(LC_TIME, "");
    const QDate day(date.Year(), date.Month(), date.Day());
    std::tm parts{};
    parts.tm_year = date.Year() - 1900;
    parts.tm_mon = date.Month() - 1;
    parts.tm_mday = date.Day();
    parts.tm_wday = day.dayOfWeek() % 7;
    parts.tm_yday = day.dayOfYear() - 1;
    parts.tm_hour = 12;
    parts.tm_isdst = -1;
    const QByteArray pattern = format.toLocal8Bit();
    // strftime tells no error from an empty result: a format that writes nothing is refused on the
    // command line, so an empty result means the room was too small.
    for (size_t room = 256; room <= 65536; room *= 4) {
        std::vector<char> text(room);
        if (const size_t length = std::strftime(text.data(), room, pattern.constData(), &parts); length > 0)
            return WithAsciiDigits(QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(length)));
    }
    return {};
}

QString StrftimeFormatProblem(const QString& format)
{
    // %% writes a percent sign, %n and %t white space: none of them writes the date.
    static const QString Silent = QStringLiteral("%nt");
    for (qsizetype at = 0; at + 1 < format.size(); ++at) {
        if (format[at] != u'%')
            continue;
        qsizetype conversion = at + 1;
        // Flags, a width and the E and O modifiers may stand between % and the conversion.
        while (conversion < format.size() && QStringLiteral("_-0^#EO123456789").contains(format[conversion]))
            ++conversion;
        if (conversion < format.size() && !Silent.contains(format[conversion]))
            return {};
        at = conversion;
    }
    return QCoreApplication::translate("CommandLine",
                                       "--date-format \"%1\" writes no part of the date; give a strftime "
                                       "format such as %Y-%m-%d")
        .arg(format);
}

QString DateFormatProblem(const QString& format)
{
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
            writesField = writesField || character == u'd' || character == u'M' || character == u'y';
            hasPercent = hasPercent || character == u'%';
        }
    }
    if (hasPercent)
        return QCoreApplication::translate("CommandLine",
                                           "--format \"%1\" holds a %; --format takes a Qt date format "
                                           "such as yyyy-MM-dd, not the %Y-%m-%d of strftime")
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
