#pragma once

#include <exception>
#include <string>

class QLocale;

namespace runtime {

/// The full name of a month (1..12) as it stands alone, such as a column heading. The header
/// uses this form too: it puts the month before the day, where a form that follows a day
/// number ("de desembre", "grudnia") reads wrong.
std::string MonthName(int month);
/// The full name of a weekday, 1 = Monday to 7 = Sunday.
std::string WeekdayName(int weekday);

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
