#pragma once

#include "runtime/Date.h"
#include "runtime/LocalTime.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace app {

/// The fields a printed form must write one of.
enum class FormatFields {
    /// A part of the date.
    Date,
    /// A part of the date or of the time of day.
    DateOrTime,
};

/// The date and time as --print --time writes it: in the Qt date and time `format` ("yyyy-MM-dd
/// HH:mm"), with `locale`'s names and ASCII digits.
QString PrintedDateTime(const runtime::WallTime& time, const QString& format, const QLocale& locale = QLocale::system());

/// The wall time in the strftime `format`, as StrftimeDate writes a date, with the time's own
/// hour, minute, seconds 00, and the zone's offset and name at that moment, so that %s, %z and
/// %H:%M always agree; nothing when a conversion is too wide to print or the clock skips it.
std::optional<QString> StrftimeDateTime(const runtime::WallTime& time, const QString& format);

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
/// must write at least one date field (d, M or y outside quotes), or with DateOrTime a time
/// field (h, H or m) too, and close every quote.
QString DateFormatProblem(const QString& format, FormatFields fields = FormatFields::Date);

} // namespace app
