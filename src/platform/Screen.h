#pragma once

#include <QSize>

namespace platform {

/// Vertical twips (1/1440 inch) per logical pixel of the primary screen: 15 at 96 dpi.
double TwipsPerPixelY();
/// Horizontal twips per logical pixel of the primary screen.
double TwipsPerPixelX();

/// The room the primary screen leaves for windows (its size without panels), in logical
/// pixels; empty without a screen.
QSize AvailableScreenSize();

/// Whether the windows live on a Wayland compositor, where no client may place its own window
/// or ask where the pointer is.
bool OnWayland();

/// Pins the logical dots per inch the twips come from; 0 goes back to the screen's own.
void UseLogicalDpi(double dotsPerInch);

} // namespace platform
