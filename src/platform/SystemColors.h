#pragma once

#include <cstdint>

namespace platform {

constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNTEXT = 18;

/// A system colour as 0x00BBGGRR, answered from the running application's palette.
uint32_t GetSysColor(int index);

} // namespace platform
