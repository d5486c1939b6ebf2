#pragma once

#include <cstdint>

namespace platform {

/// The Qt key (Qt::Key_A to Qt::Key_Z) that a US keyboard layout puts on the physical key with
/// the xkb key code `keyCode` (what X11 and Wayland report as a key event's native scan code),
/// or 0 when that key carries no Latin letter or the keyboard descriptions are missing.
/// Commands such as Ctrl+C are bound to the letter's position: on a layout without Latin
/// letters, Russian say, the key where the C is must still copy.
int LatinLetterKeyAt(uint32_t keyCode);

} // namespace platform
