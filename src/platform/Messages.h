#pragma once

#include "platform/WindowSystem.h"

#include <cstdint>

/// Window message numbers and the packing of their parameters.
namespace platform {

/// The window gained (wParam WA_ACTIVE) or lost (WA_INACTIVE) the keyboard focus.
constexpr UINT WM_ACTIVATE = 0x6;
constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;
constexpr UINT WM_CLOSE = 0x10;
constexpr UINT WM_CONTEXTMENU = 0x7B;
constexpr UINT WM_KEYDOWN = 0x100;
/// A typed character: wParam is its Unicode code point; 8 is Backspace.
constexpr UINT WM_CHAR = 0x102;
/// A character typed with Alt, an access key: wParam is its Unicode code point.
constexpr UINT WM_SYSCHAR = 0x106;
constexpr UINT WM_MOUSEMOVE = 0x200;
constexpr UINT WM_LBUTTONDOWN = 0x201;
constexpr UINT WM_LBUTTONUP = 0x202;
constexpr UINT WM_MOUSEWHEEL = 0x20A;
constexpr UINT WM_MOUSELEAVE = 0x2A3;
/// Asks the window to take what the clipboard holds.
constexpr UINT WM_PASTE = 0x302;
constexpr UINT WM_APPCOMMAND = 0x319;

/// The command of a WM_APPCOMMAND from the keyboard's Copy key.
constexpr uint16_t APPCOMMAND_COPY = 36;

/// Key and button flags of mouse messages.
constexpr uint16_t MK_LBUTTON = 0x1;
constexpr uint16_t MK_RBUTTON = 0x2;
constexpr uint16_t MK_SHIFT = 0x4;
constexpr uint16_t MK_CONTROL = 0x8;
constexpr uint16_t MK_MBUTTON = 0x10;

/// One notch of a common mouse wheel.
constexpr int WHEEL_DELTA = 120;

constexpr uint16_t LowWord(uintptr_t value) { return static_cast<uint16_t>(value & 0xFFFF); }
constexpr uint16_t HighWord(uintptr_t value) { return static_cast<uint16_t>((value >> 16) & 0xFFFF); }
constexpr int16_t SignedLowWord(uintptr_t value) { return static_cast<int16_t>(LowWord(value)); }
constexpr int16_t SignedHighWord(uintptr_t value) { return static_cast<int16_t>(HighWord(value)); }

/// Packs two 16-bit words, the first in the low word.
constexpr uintptr_t MakeLong(int low, int high)
{
    return (static_cast<uintptr_t>(static_cast<uint16_t>(low))) |
           (static_cast<uintptr_t>(static_cast<uint16_t>(high)) << 16);
}
/// lParam of a mouse message: x in the low word and y in the high word, each a signed 16-bit value.
constexpr LPARAM MakeLParam(int x, int y) { return static_cast<LPARAM>(MakeLong(x, y)); }
/// wParam of a wheel message: key flags in the low word, the signed rotation in the high word.
constexpr WPARAM MakeWheelWParam(uint16_t keys, int rotation) { return MakeLong(keys, rotation); }
/// lParam of WM_CONTEXTMENU asked for from the keyboard: both coordinates -1, as no pointer position applies.
constexpr LPARAM ContextMenuFromKeyboard = MakeLParam(-1, -1);
/// lParam of a WM_APPCOMMAND from the keyboard: the command in the high word, without device bits.
constexpr LPARAM MakeAppCommandLParam(uint16_t command) { return static_cast<LPARAM>(MakeLong(0, command)); }
/// The command of a WM_APPCOMMAND, its device bits (the top four) removed.
constexpr uint16_t AppCommandOf(LPARAM lParam) { return HighWord(static_cast<uintptr_t>(lParam)) & 0x0FFF; }

} // namespace platform
