#include "platform/InputMessages.h"

#include "platform/Keyboard.h"
#include "platform/LatinKeys.h"
#include "platform/Messages.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace platform {
namespace {

// A pause longer than this between wheel events ends a scroll gesture.
constexpr quint64 WheelGesturePauseMs = 500;

} // namespace

uint16_t MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    uint16_t keys = 0;
    if (buttons & Qt::LeftButton)
        keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        keys |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        keys |= MK_CONTROL;
    return keys;
}

int VirtualKeyOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_C: return VK_C;
    case Qt::Key_V: return VK_V;
    default: return 0;
    }
}

// A command key on a layout without Latin letters (Ctrl and the Cyrillic Es where the C is)
// stands for the Latin letter at its place, so Ctrl+C copies and Ctrl+V pastes everywhere.
int CommandKeyOf(const QKeyEvent& event)
{
    const bool command = event.modifiers() & Qt::ControlModifier;
    if (command && event.key() > 0xFF)
        if (const int latin = LatinLetterKeyAt(event.nativeScanCode()))
            return latin;
    return event.key();
}

int TakeWholeNotches(int& pending, int delta)
{
    // A turn in the other direction starts afresh instead of first paying back the remainder.
    if ((pending > 0 && delta < 0) || (pending < 0 && delta > 0))
        pending = 0;
    pending += delta;
    const int notches = pending / WHEEL_DELTA;
    pending -= notches * WHEEL_DELTA;
    return notches;
}

int WheelTravel::TakeNotches(const QWheelEvent& event)
{
    // Travel left over from an earlier gesture must not add to a new one: a touchpad swipe
    // minutes ago is no part of today's small tick.
    const quint64 sinceLastWheel = event.timestamp() - lastTimestamp_;
    if (event.phase() == Qt::ScrollBegin || sinceLastWheel > WheelGesturePauseMs)
        pending_ = 0;
    lastTimestamp_ = event.timestamp();
    return TakeWholeNotches(pending_, event.angleDelta().y());
}

} // namespace platform
