#include "wheel/modHookMouseWheel.h"

#include "platform/Messages.h"
#include "runtime/Dispatchable.h"
#include "runtime/LoadedForms.h"

#include <exception>

using namespace platform;

namespace modHookMouseWheel {

void HookMouseWheel(HWND hWnd)
{
    // A second hook would store this module's own procedure as the previous one, and every
    // message would then call itself for ever.
    if (GetPropA(hWnd, PrevWndProcProperty) != 0)
        return;
    const LONG_PTR previous = SetWindowLongA(hWnd, GWL_WNDPROC, ProcedureAddress(&WheelWindowProc));
    SetPropA(hWnd, PrevWndProcProperty, previous);
}

void UnhookMouseWheel(HWND hWnd)
{
    const intptr_t previous = GetPropA(hWnd, PrevWndProcProperty);
    SetWindowLongA(hWnd, GWL_WNDPROC, previous);
    RemovePropA(hWnd, PrevWndProcProperty);
}

WheelMessage DecodeWheelMessage(WPARAM wParam, LPARAM lParam)
{
    const auto position = static_cast<uintptr_t>(lParam);
    return {LowWord(wParam), SignedHighWord(wParam), SignedLowWord(position), SignedHighWord(position)};
}

LRESULT WheelWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_MOUSEWHEEL) {
        const WheelMessage wheel = DecodeWheelMessage(wParam, lParam);
        runtime::Dispatchable* form = FindFormByHandle(hWnd);
        if (form && IsPointInWindow(hWnd, wheel.Xpos, wheel.Ypos)) {
            // A failing handler must not reach the platform's message loop, and the message
            // still goes on to the previous procedure.
            try {
                form->CallByName("MouseWheel", {std::any(wheel.MouseKeys), std::any(wheel.Rotation),
                                                std::any(wheel.Xpos), std::any(wheel.Ypos)});
            } catch (const std::exception&) {
            }
        }
    }
    return CallWindowProcA(GetPropA(hWnd, PrevWndProcProperty), hWnd, uMsg, wParam, lParam);
}

bool IsPointInWindow(HWND hWnd, int32_t x, int32_t y)
{
    RECT rect;
    GetWindowRect(hWnd, &rect);
    return rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom;
}

runtime::Dispatchable* FindFormByHandle(HWND hWnd)
{
    for (const runtime::LoadedForm& loaded : runtime::LoadedForms())
        if (loaded.WindowHandle == hWnd)
            return loaded.Form;
    return nullptr;
}

} // namespace modHookMouseWheel
