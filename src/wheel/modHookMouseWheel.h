#pragma once

#include "platform/WindowSystem.h"

#include <cstdint>

namespace runtime {
class Dispatchable;
}

/// Gives a form a wheel notification: replaces the window procedure of its window with one
/// that calls the form's "MouseWheel" by name when the wheel turns over the window, and
/// then passes every message on to the procedure that was there before.
namespace modHookMouseWheel {

/// The window property that holds the procedure in place before the hook.
constexpr const char* PrevWndProcProperty = "PrevWndProc";

/// Installs the hook; changes nothing on a hooked window; a failing step is skipped silently.
void HookMouseWheel(platform::HWND hWnd);
/// Puts the previous procedure back and removes the property; failures are skipped.
void UnhookMouseWheel(platform::HWND hWnd);
/// The replacement window procedure.
platform::LRESULT WheelWindowProc(platform::HWND hWnd, platform::UINT uMsg, platform::WPARAM wParam,
                                  platform::LPARAM lParam);
/// Whether the screen point lies in the window's outer rectangle, all four edges included.
bool IsPointInWindow(platform::HWND hWnd, int32_t x, int32_t y);
/// The first loaded form whose window handle is `hWnd`, or nullptr.
runtime::Dispatchable* FindFormByHandle(platform::HWND hWnd);

/// The four values of a wheel message.
struct WheelMessage {
    int32_t MouseKeys;
    int32_t Rotation;
    int32_t Xpos;
    int32_t Ypos;
};
/// Decodes a wheel message's parameters.
WheelMessage DecodeWheelMessage(platform::WPARAM wParam, platform::LPARAM lParam);

} // namespace modHookMouseWheel
