#pragma once

#include <cstdint>
#include <functional>

/// The window system the program talks to: window handles, a replaceable window
/// procedure per window, named window properties and window rectangles, under the
/// names the program's window code has always used.
namespace platform {

using HWND = uintptr_t;
using UINT = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

constexpr int GWL_WNDPROC = -4;

/// A window's outer rectangle in screen coordinates.
struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

/// What the owner of a window supplies: the handling behind its original procedure,
/// and its outer rectangle (false when the window has none yet).
struct WindowOwner {
    std::function<LRESULT(UINT, WPARAM, LPARAM)> HandleMessage;
    std::function<bool(RECT&)> OuterRectangle;
};

/// Creates a window handle whose procedure is the original one, which hands
/// every message to `owner.HandleMessage`.
HWND CreateWindowHandle(WindowOwner owner);
/// Forgets a window; its handle and properties become invalid.
void DestroyWindowHandle(HWND hWnd);

/// Replaces the window procedure (index GWL_WNDPROC) and returns the previous one; 0 on failure.
LONG_PTR SetWindowLongA(HWND hWnd, int index, LONG_PTR newValue);
/// Runs `procedure` for the message and returns its result; 0 for a null procedure.
LRESULT CallWindowProcA(LONG_PTR procedure, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
/// Delivers a message through the window's current procedure.
LRESULT SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

/// Stores a named value on the window; false for an unknown window.
bool SetPropA(HWND hWnd, const char* name, intptr_t value);
/// Reads a named value; 0 when it is not present.
intptr_t GetPropA(HWND hWnd, const char* name);
/// Removes a named value and returns it; 0 when it was not present.
intptr_t RemovePropA(HWND hWnd, const char* name);

/// Fills the window's outer rectangle (frame included, screen coordinates);
/// false, leaving `rect` untouched, when it cannot.
bool GetWindowRect(HWND hWnd, RECT* rect);

/// The address of a window procedure as a stored value.
inline LONG_PTR ProcedureAddress(WNDPROC procedure) { return reinterpret_cast<LONG_PTR>(procedure); }

} // namespace platform
