#include "runtime/Locale.h"

#include "runtime/RuntimeError.h"

#include <QCoreApplication>
#include <QLocale>

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
