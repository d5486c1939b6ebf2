#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace platform {

constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNTEXT = 18;

/// The two designs a window can be painted in, after the desktop's preference.
enum class ColorScheme { Light, Dark };

/// Makes GetSysColor answer from the scheme's table, and gives menus and message boxes the
/// scheme's palette. Light, the start, leaves the application's palette as the desktop set it.
void UseColorScheme(ColorScheme scheme);
/// The scheme GetSysColor answers from.
ColorScheme ColorSchemeInUse();
/// A system colour as 0x00BBGGRR from Qt's standard light palette, or from DarkPalette in the
/// dark scheme; 0 for an index outside the table.
uint32_t GetSysColor(int index);
/// The palette of the dark scheme: light text on dark grey, with a clear blue highlight.
const QPalette& DarkPalette();

/// The colour that marks the keyboard focus: the highlight of the desktop's own palette, or of
/// DarkPalette in the dark scheme.
QColor DesktopHighlight();

} // namespace platform
