#pragma once

#include "runtime/Date.h"

#include <cstdint>

/// The date special-date link `index` selects when today is `today`: 0 today, 1 tomorrow,
/// 2 yesterday, then the first and last day of this (3, 4), the previous (5, 6) and the
/// next month (7, 8). Any other index gives today.
runtime::Date SpecialDate(int32_t index, const runtime::Date& today);
