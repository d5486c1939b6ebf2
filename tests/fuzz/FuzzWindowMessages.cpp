// Any sequence of window messages (moves, presses, releases, wheel turns, leaves, keys and
// typed characters) at any coordinates, through the window's procedure chain as the host
// sends them.

#include "fuzz/FuzzWindow.h"

#include "platform/Messages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace platform;
    FuzzWindow& window = FuzzWindow::Get();
    static constexpr UINT messages[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEWHEEL, WM_MOUSELEAVE, WM_KEYDOWN,
                                         WM_CHAR};
    while (size > 0) {
        const UINT message = messages[TakeBytes(data, size, 1) % std::size(messages)];
        const auto wParam = static_cast<WPARAM>(TakeBytes(data, size, 4));
        const auto lParam = static_cast<LPARAM>(static_cast<int32_t>(TakeBytes(data, size, 4)));
        SendMessageA(window.hWnd(), message, wParam, lParam);
        window.CheckConsistent("a window message");
    }
    return 0;
}
