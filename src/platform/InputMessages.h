#pragma once

// What the messages of a host window carry for Qt's mouse, wheel and key input.

#include <QtGlobal>
#include <Qt>

#include <cstdint>

class QKeyEvent;
class QWheelEvent;

namespace platform {

/// The key and button flags of a wheel or mouse message for Qt's button and modifier state.
uint16_t MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
/// The virtual-key code of a Qt key, or 0 for keys the window does not pass on.
int VirtualKeyOf(int qtKey);
/// The Qt key that `event` stands for: with Control on a layout without Latin letters, the
/// Latin letter at the key's place.
int CommandKeyOf(const QKeyEvent& event);
/// Adds `delta` to the pending wheel travel and returns how many whole notches to send
/// (negative towards the user), keeping the remainder.
int TakeWholeNotches(int& pending, int delta);

/// The wheel travel of the current scroll gesture that is not yet sent as whole notches.
class WheelTravel {
public:
    /// How many whole notches `event` completes (negative towards the user).
    int TakeNotches(const QWheelEvent& event);

private:
    // Touchpads and fine wheels report many small steps.
    int pending_ = 0;
    // When the last wheel event came, in the milliseconds of the events' own clock.
    quint64 lastTimestamp_ = 0;
};

} // namespace platform
