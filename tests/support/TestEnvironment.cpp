#include "support/TestEnvironment.h"

#include "runtime/Clock.h"

#include <cstdlib>
#include <ctime>

namespace {

// The day every test sees as today unless it pins another: a Monday.
runtime::Date DefaultToday() { return runtime::Date::FromParts(2026, 12, 7); }

} // namespace

FixedToday::FixedToday(const runtime::Date& date)
{
    runtime::UseClock([date] { return date; });
}

FixedToday::~FixedToday()
{
    runtime::UseClock(DefaultToday);
}

LocalZone::LocalZone(const char* zone)
{
    const char* before = std::getenv("TZ");
    saved_ = before ? std::optional<std::string>(before) : std::nullopt;
    ::setenv("TZ", zone, 1);
    ::tzset();
}

LocalZone::~LocalZone()
{
    if (saved_)
        ::setenv("TZ", saved_->c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

runtime::Date Ymd(int year, int month, int day) { return runtime::Date::FromParts(year, month, day); }
