#pragma once

#include "runtime/Date.h"

#include <QLocale>
#include <QString>

namespace app {

/// The date as --print writes it: in the Qt date `format`, with the month and weekday names
/// of `locale`, the user's own unless given.
QString PrintedDate(const runtime::Date& date, const QString& format, const QLocale& locale = QLocale::system());

} // namespace app
