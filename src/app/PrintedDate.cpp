#include "app/PrintedDate.h"

#include <QDate>

namespace app {

QString PrintedDate(const runtime::Date& date, const QString& format, const QLocale& locale)
{
    return locale.toString(QDate(date.Year(), date.Month(), date.Day()), format);
}

} // namespace app
