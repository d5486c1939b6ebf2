#pragma once

#include <functional>
#include <string>

/// The desktop's clipboard, as far as the picker writes text to it and reads text from it.
namespace platform {

/// Puts `text` on the desktop's clipboard, or hands it to the clipboard a test installed.
void SetClipboardText(const std::string& text);
/// Replaces the desktop's clipboard; an empty function restores it.
void UseClipboard(std::function<void(const std::string&)> clipboard);
/// The text on the desktop's clipboard, or on the one a test installed; empty when it holds none.
std::string GetClipboardText();
/// Replaces the desktop's clipboard as the source of GetClipboardText; an empty function restores it.
void UseClipboardSource(std::function<std::string()> source);

} // namespace platform
