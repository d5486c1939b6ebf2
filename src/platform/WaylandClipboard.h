#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

/// The Wayland clipboard, read by the picker itself: Qt reads an offer whole, however large,
/// and the window waits for all of it.
namespace platform {

/// Starts following the clipboard on Wayland; nothing elsewhere. Call before the window first
/// has the keyboard focus: the compositor tells a client what the clipboard holds when its
/// window gains the focus, and whenever that changes while it has it.
void FollowWaylandClipboard();

/// The text on the Wayland clipboard as UTF-8: empty where it holds no text, or more than
/// `limit` bytes, or does not give them within `wait`; nothing where the picker does not follow
/// the Wayland clipboard.
std::optional<std::string> WaylandClipboardText(size_t limit, std::chrono::milliseconds wait);

} // namespace platform
