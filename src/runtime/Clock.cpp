#include "runtime/Clock.h"

#include <ctime>

namespace runtime {
namespace {

std::function<Date()>& InstalledClock()
{
    static std::function<Date()> clock;
    return clock;
}

Date SystemToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date::FromParts(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

} // namespace

Date Today()
{
    const auto& clock = InstalledClock();
    return clock ? clock() : SystemToday();
}

void UseClock(std::function<Date()> clock) { InstalledClock() = std::move(clock); }

} // namespace runtime
