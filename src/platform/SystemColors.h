#pragma once

#include <QColor>

#include <cstdint>

namespace platform {

constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNTEXT = 18;

/// A system colour as 0x00BBGGRR from Qt's standard light palette; 0 for an index outside the table.
uint32_t GetSysColor(int index);

/// The highlight colour of the desktop's own palette, which marks the keyboard focus.
QColor DesktopHighlight();

} // namespace platform
