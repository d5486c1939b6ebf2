#pragma once

#include "runtime/Date.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace app {

/// The date as --print writes it: in the Qt date `format`, with the month and weekday names of
/// `locale`, the user's own unless given, and ASCII digits in every language, so that a script can
/// read the numbers back.
QString PrintedDate(const runtime::Date& date, const QString& format, const QLocale& locale = QLocale::system());

/// The date in the strftime `format` (%Y-%m-%d, %x, %A %d %B %Y, ...), with the names of the user's
/// LC_TIME as the C library knows them, ASCII digits, and the time and zone of its midnight in the
/// local time zone; nothing when a conversion is too wide to print (%2000000000Y).
std::optional<QString> StrftimeDate(const runtime::Date& date, const QString& format);

/// What is wrong with a strftime `format` for printing a date, or an empty text: at least one of
/// its conversions must write something in the user's LC_TIME.
QString StrftimeFormatProblem(const QString& format);

/// What is wrong with a Qt date `format` for printing a date, or an empty text when nothing is: it
/// must write at least one date field (d, M or y outside quotes) and close every quote.
QString DateFormatProblem(const QString& format);

} // namespace app
