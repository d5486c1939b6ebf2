#pragma once

#include <cstdint>
#include <optional>

/// Virtual-key codes of key messages, and the state of the modifier keys.
namespace platform {

constexpr int VK_BACK = 0x08; // Backspace, also the character it types
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21; // Page Up
constexpr int VK_NEXT = 0x22;  // Page Down
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_C = 0x43; // letter keys are their capital letter
constexpr int VK_V = 0x56;

/// The state of a key: the top bit is set while it is held down. Known for Shift and Control.
int16_t GetKeyState(int virtualKey);
/// Records which modifier keys are held, as the window learns it from its key events.
void SetModifierKeys(bool shift, bool control);
/// When the key message being handled was typed, in milliseconds: the time the window system
/// gave its key event, or runtime::Milliseconds() for a message that no timed key event brought.
/// A slow connection to the display delivers keys late, but not with later times.
int64_t GetMessageTime();
/// Records the window system's time of the key event whose messages follow, or none.
void SetMessageTime(std::optional<int64_t> milliseconds);

} // namespace platform
