#include "app/PrintedDate.h"

#include <QCoreApplication>
#include <QDate>

namespace app {

namespace {

// Some languages write their own digits (Arabic-Indic, Devanagari, ...); names never hold
// digits, so every digit can be written as its ASCII one.
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
        return QCoreApplication::translate("CommandLine", "--format \"%1\" holds a %; --format takes a Qt date format "
                                                          "such as yyyy-MM-dd, not the %Y-%m-%d of strftime")
            .arg(format);
    if (quoted)
        return QCoreApplication::translate("CommandLine", "--format \"%1\" opens a quote that it does not close").arg(format);
    if (!writesField)
        return QCoreApplication::translate("CommandLine", "--format \"%1\" writes no part of the date; give a Qt date "
                                                          "format such as yyyy-MM-dd")
            .arg(format);
    return {};
}

} // namespace app
