#pragma once

namespace platform {

/// Vertical twips (1/1440 inch) per logical pixel of the primary screen: 15 at 96 dpi.
double TwipsPerPixelY();
/// Horizontal twips per logical pixel of the primary screen.
double TwipsPerPixelX();

/// Pins the logical dots per inch the twips come from; 0 goes back to the screen's own.
void UseLogicalDpi(double dotsPerInch);

} // namespace platform
