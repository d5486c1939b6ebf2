#pragma once

#include "runtime/Date.h"

#include <QLocale>
#include <QString>

namespace app {

/// The date as --print writes it: in the Qt date `format`, with the month and weekday names
/// of `locale`, the user's own unless given, and ASCII digits in every language, so that a
/// script can read the numbers back.
QString PrintedDate(const runtime::Date& date, const QString& format, const QLocale& locale = QLocale::system());

/// What is wrong with a Qt date `format` for printing a date, or an empty text when nothing is:
/// it must write at least one date field (d, M or y outside quotes) and close every quote.
QString DateFormatProblem(const QString& format);

} // namespace app
