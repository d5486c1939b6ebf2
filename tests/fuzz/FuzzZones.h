#pragma once

#include <cstddef>

/// Zones whose clocks do what most do not: skip a whole day, skip or repeat half an hour or an
/// hour at midnight, change the offset without daylight saving; and UTC.
inline constexpr const char* FuzzZones[] = {"UTC",           "Europe/Berlin",   "America/Sao_Paulo", "Pacific/Apia",
                                            "Pacific/Kiritimati", "Australia/Lord_Howe", "America/Guyana",
                                            "Africa/Casablanca"};

/// Puts the process in zone `index` (taken modulo the list) for the C library.
void UseFuzzZone(size_t index);
