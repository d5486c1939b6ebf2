#pragma once

#include "runtime/Date.h"

#include <cstdint>
#include <functional>

namespace runtime {

/// Today's local date from the system clock, or from the clock a test installed.
Date Today();

/// Replaces the system clock; an empty function restores it.
void UseClock(std::function<Date()> clock);

/// The local time of day now, in minutes from midnight (0 to 1439), from the system clock or
/// from the one a test installed.
int32_t MinuteOfDay();
/// Replaces the system's time of day; an empty function restores it.
void UseMinuteOfDay(std::function<int32_t()> minuteOfDay);

/// Milliseconds from a steady clock that only ever moves forward, or from the one a test
/// installed; only differences between two readings mean anything.
int64_t Milliseconds();
/// Replaces the steady clock; an empty function restores it.
void UseMilliseconds(std::function<int64_t()> milliseconds);

} // namespace runtime
