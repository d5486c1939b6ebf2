#include "runtime/Clock.h"

#include <chrono>
#include <ctime>

namespace runtime {
namespace {

std::function<Date()>& InstalledClock()
{
    static std::function<Date()> clock;
    return clock;
}

std::function<int32_t()>& InstalledMinuteOfDay()
{
    static std::function<int32_t()> minuteOfDay;
    return minuteOfDay;
}

std::function<int64_t()>& InstalledMilliseconds()
{
    static std::function<int64_t()> milliseconds;
    return milliseconds;
}

std::tm SystemNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

Date SystemToday()
{
    const std::tm local = SystemNow();
    return Date::FromParts(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

} // namespace

Date Today()
{
    const auto& clock = InstalledClock();
    return clock ? clock() : SystemToday();
}

void UseClock(std::function<Date()> clock) { InstalledClock() = std::move(clock); }

int32_t MinuteOfDay()
{
    if (const auto& minuteOfDay = InstalledMinuteOfDay())
        return minuteOfDay();
    const std::tm local = SystemNow();
    return local.tm_hour * 60 + local.tm_min;
}

void UseMinuteOfDay(std::function<int32_t()> minuteOfDay) { InstalledMinuteOfDay() = std::move(minuteOfDay); }

int64_t Milliseconds()
{
    if (const auto& milliseconds = InstalledMilliseconds())
        return milliseconds();
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
}

void UseMilliseconds(std::function<int64_t()> milliseconds) { InstalledMilliseconds() = std::move(milliseconds); }

} // namespace runtime
