// Any --format and --date-format pattern over any moment of the calendar, in a chosen zone and
// language: nothing is read outside a buffer, every digit printed is ASCII, and where the clock
// shows the moment, %s, %z and %Z print it as the C library shows it. A date without a time
// names one moment: its date, time of day and offset are the moment its %s counts.

#include "fuzz/FuzzWindow.h"
#include "fuzz/FuzzZones.h"

#include "app/PrintedDate.h"
#include "date/SliderValues.h"
#include "support/PickedMoment.h"

#include <QLocale>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iterator>

namespace {

constexpr const char* Languages[] = {"C", "de_DE.utf8", "ar_EG.utf8", "ja_JP.utf8", "de_DE.iso88591"};
constexpr const char* QtLocales[] = {"en_US", "ar_EG", "fa_IR", "hi_IN", "bn_BD", "th_TH", "zh_CN", "my_MM"};

void CheckDigits(const std::optional<QString>& printed, const QString& format, const char* how)
{
    for (const QChar character : printed.value_or(QString()))
        if (character.digitValue() >= 0 && character.unicode() > 0x7F) {
            std::fprintf(stderr, "%s \"%s\" prints the digit U+%04X\n", how, format.toUtf8().constData(),
                         character.unicode());
            std::abort();
        }
}

// The day of a broken-down time, to compare.
int DayOf(const std::tm& time) { return (time.tm_year * 12 + time.tm_mon) * 32 + time.tm_mday; }

// A date without a time prints its first moment: a second before %s the clock showed an earlier
// day, and at %s it shows the printed time and offset; or, on a day it skips whole, a later day,
// while the printed midnight counts %s on the clock before the gap.
void CheckDateNamesItsMoment(const runtime::Date& day)
{
    const QStringList printed = app::StrftimeDate(day, QStringLiteral("%s|%F %T %z|%::z")).value_or("").split(u'|');
    const time_t moment = printed.value(0).toLongLong(), secondBefore = moment - 1;
    std::tm picked{.tm_mday = day.Day(), .tm_mon = day.Month() - 1, .tm_year = day.Year() - 1900}, shown{}, before{};
    std::array<char, 64> clock{};
    if (!localtime_r(&moment, &shown) || !localtime_r(&secondBefore, &before) ||
        !std::strftime(clock.data(), clock.size(), "%F %T %z", &shown))
        return;
    const QStringList offset = printed.value(2).split(u':');
    const long east = (offset.value(0).startsWith(u'-') ? -1 : 1) *
                      (std::abs(offset.value(0).toInt()) * 3600 + offset.value(1).toInt() * 60 + offset.value(2).toInt());
    const bool named = DayOf(shown) == DayOf(picked) ? printed.value(1) == QString::fromLatin1(clock.data())
                                                     : DayOf(shown) > DayOf(picked) && timegm(&picked) - east == moment;
    if (DayOf(before) >= DayOf(picked) || !named) {
        std::fprintf(stderr, "TZ=%s %s prints %s\n", std::getenv("TZ"), day.IsoText().c_str(),
                     printed.join(u'|').toUtf8().constData());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWindow::Get();
    UseFuzzZone(TakeBytes(data, size, 1));
    const uint32_t language = TakeBytes(data, size, 1);
    qputenv("LC_ALL", Languages[language % std::size(Languages)]);
    const QLocale locale(QString::fromLatin1(QtLocales[language / 8 % std::size(QtLocales)]));
    const slider::DateRange calendar = slider::SelectableYears();
    const auto years = static_cast<uint32_t>(calendar.Last.Year() - calendar.First.Year() + 1);
    // Half the moments fall from 1950 to 2049, where most zones change their clocks.
    const uint32_t year = TakeBytes(data, size, 2);
    const runtime::Date newYear = runtime::Date::FromParts(
        static_cast<int32_t>(year & 0x8000 ? 1950 + year % 100 : calendar.First.Year() + year % years), 1, 1);
    const runtime::WallTime moment{newYear.AddDays(static_cast<int32_t>(TakeBytes(data, size, 2) % 365)),
                                   static_cast<int32_t>(TakeBytes(data, size, 2) % runtime::MinutesPerDay)};
    const QString format = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckDigits(app::PrintedDate(moment.Day, format, locale), format, "--format");
    CheckDigits(app::PrintedDateTime(moment, format, locale), format, "--format with --time");
    CheckDigits(app::StrftimeDate(moment.Day, format), format, "--date-format");
    CheckDigits(app::StrftimeDateTime(moment, format), format, "--date-format with --time");
    CheckDateNamesItsMoment(moment.Day);
    if (ClockShows(moment))
        if (const std::string problem = PrintedMomentProblem(moment); !problem.empty()) {
            std::fprintf(stderr, "TZ=%s %s: %s\n", std::getenv("TZ"), runtime::IsoText(moment).c_str(), problem.c_str());
            std::abort();
        }
    return 0;
}
