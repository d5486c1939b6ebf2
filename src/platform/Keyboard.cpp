#include "platform/Keyboard.h"

namespace platform {
namespace {

struct Modifiers {
    bool Shift = false;
    bool Control = false;
};

Modifiers& Held()
{
    static Modifiers held;
    return held;
}

} // namespace

int16_t GetKeyState(int virtualKey)
{
    constexpr auto down = static_cast<int16_t>(0x8000);
    if (virtualKey == VK_SHIFT)
        return Held().Shift ? down : int16_t{0};
    if (virtualKey == VK_CONTROL)
        return Held().Control ? down : int16_t{0};
    return 0;
}

void SetModifierKeys(bool shift, bool control) { Held() = {shift, control}; }

} // namespace platform
