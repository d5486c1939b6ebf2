#pragma once

#include <functional>
#include <string>

/// The desktop's clipboard, as far as the picker writes to it.
namespace platform {

/// Puts `text` on the desktop's clipboard, or hands it to the clipboard a test installed.
void SetClipboardText(const std::string& text);
/// Replaces the desktop's clipboard; an empty function restores it.
void UseClipboard(std::function<void(const std::string&)> clipboard);

} // namespace platform
