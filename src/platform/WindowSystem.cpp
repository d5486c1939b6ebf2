#include "platform/WindowSystem.h"

#include <map>
#include <string>

namespace platform {
namespace {

struct WindowRecord {
    WindowOwner Owner;
    LONG_PTR Procedure = 0;
    std::map<std::string, intptr_t, std::less<>> Properties;
};

std::map<HWND, WindowRecord>& Windows()
{
    static std::map<HWND, WindowRecord> windows;
    return windows;
}

WindowRecord* Find(HWND hWnd)
{
    const auto found = Windows().find(hWnd);
    return found == Windows().end() ? nullptr : &found->second;
}

// The procedure every window starts with: it hands the message to the window's owner.
LRESULT OriginalWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* window = Find(hWnd);
    if (!window || !window->Owner.HandleMessage)
        return 0;
    // Copy the handler: the owner may destroy its window while handling the message.
    const auto handle = window->Owner.HandleMessage;
    return handle(uMsg, wParam, lParam);
}

} // namespace

HWND CreateWindowHandle(WindowOwner owner)
{
    // Handles start high and never repeat, so a stale handle never names a newer window.
    static HWND nextHandle = 0x10000;
    const HWND hWnd = nextHandle;
    nextHandle += 4;
    Windows()[hWnd] = WindowRecord{std::move(owner), ProcedureAddress(&OriginalWindowProc), {}};
    return hWnd;
}

void DestroyWindowHandle(HWND hWnd) { Windows().erase(hWnd); }

LONG_PTR SetWindowLongA(HWND hWnd, int index, LONG_PTR newValue)
{
    WindowRecord* window = Find(hWnd);
    if (!window || index != GWL_WNDPROC || newValue == 0)
        return 0;
    const LONG_PTR previous = window->Procedure;
    window->Procedure = newValue;
    return previous;
}

LRESULT CallWindowProcA(LONG_PTR procedure, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (procedure == 0)
        return 0;
    return reinterpret_cast<WNDPROC>(procedure)(hWnd, uMsg, wParam, lParam);
}

LRESULT SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const WindowRecord* window = Find(hWnd);
    return window ? CallWindowProcA(window->Procedure, hWnd, uMsg, wParam, lParam) : 0;
}

bool SetPropA(HWND hWnd, const char* name, intptr_t value)
{
    WindowRecord* window = Find(hWnd);
    if (!window || !name)
        return false;
    window->Properties[name] = value;
    return true;
}

intptr_t GetPropA(HWND hWnd, const char* name)
{
    const WindowRecord* window = Find(hWnd);
    if (!window || !name)
        return 0;
    const auto found = window->Properties.find(name);
    return found == window->Properties.end() ? 0 : found->second;
}

intptr_t RemovePropA(HWND hWnd, const char* name)
{
    WindowRecord* window = Find(hWnd);
    if (!window || !name)
        return 0;
    const auto found = window->Properties.find(name);
    if (found == window->Properties.end())
        return 0;
    const intptr_t value = found->second;
    window->Properties.erase(found);
    return value;
}

bool GetWindowRect(HWND hWnd, RECT* rect)
{
    const WindowRecord* window = Find(hWnd);
    if (!window || !rect || !window->Owner.OuterRectangle)
        return false;
    RECT filled;
    if (!window->Owner.OuterRectangle(filled))
        return false;
    *rect = filled;
    return true;
}

} // namespace platform
