#include "support/TestEnvironment.h"

#include "runtime/Clock.h"

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

runtime::Date Ymd(int year, int month, int day) { return runtime::Date::FromParts(year, month, day); }
