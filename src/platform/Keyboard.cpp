#include "platform/Keyboard.h"

#include "runtime/Clock.h"

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

std::optional<int64_t>& KeyEventTime()
{
    static std::optional<int64_t> time;
    return time;
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

int64_t GetMessageTime() { return KeyEventTime().value_or(runtime::Milliseconds()); }

void SetMessageTime(std::optional<int64_t> milliseconds) { KeyEventTime() = milliseconds; }

} // namespace platform
