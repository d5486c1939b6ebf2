#pragma once

#include "runtime/Date.h"

#include <functional>

namespace runtime {

/// Today's local date from the system clock, or from the clock a test installed.
Date Today();

/// Replaces the system clock; an empty function restores it.
void UseClock(std::function<Date()> clock);

} // namespace runtime
