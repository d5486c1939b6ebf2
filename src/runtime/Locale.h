#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <string>

class QLocale;
class QString;

namespace runtime {

/// The full name of a month (1..12) as it stands alone, such as a column heading. The English
/// header uses this form too: it puts the month before the day, where a form that follows a day
/// number ("de desembre", "grudnia") reads wrong.
std::string MonthName(int month);
/// The full name of a weekday, 1 = Monday to 7 = Sunday.
std::string WeekdayName(int weekday);

/// Whether the date is written the English way, as the header "dddd mmmm d, yyyy" over the
/// columns month, day, year: true under English and the C locale, false in every other language.
bool WritesDatesInEnglish();
/// A date (month 1..12, day 1..31) in the language's own long date form, its digits ASCII:
/// "Dienstag, 8. Dezember 2026", "2026年12月8日火曜日".
std::string LongDateText(int year, int month, int day);
/// The columns (0 months, 1 days, 2 years) in the order the language's short date form writes
/// them: {1, 0, 2} for "dd.MM.yy", {2, 0, 1} for "yyyy/MM/dd". Months, days, years in English.
std::array<int32_t, 3> DateFieldOrder();

/// The locale's name that LC_ALL, LC_TIME or LANG gives, in this order, as the C library looks
/// up the names of dates; "C" when none is set.
std::string TimeLocaleName();
/// `text` with the digits of every script (Arabic-Indic, Devanagari, ...) written as ASCII ones,
/// as the picker shows and prints every number.
QString WithAsciiDigits(QString text);

/// Pins the locale the names come from; the user's own locale is used otherwise.
void UseLocale(const QLocale& locale);
/// Goes back to the user's own locale.
void UseSystemLocale();
/// The locale the names come from: the pinned one, else the user's own.
QLocale CurrentLocale();

/// What `failure` says, in the language of the installed translations: "Run-time error 6:
/// Overflow" in English.
std::string FailureText(const std::exception& failure);

} // namespace runtime
