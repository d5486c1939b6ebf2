#pragma once

#include "date/SliderValues.h"
#include "runtime/LocalTime.h"

#include <functional>

/// What the window tells whoever follows it, as a screen reader's bridge does. The window calls
/// each after the change, and never needs to know who listens; each does nothing unless given.
struct FormListener {
    /// The real window exists now.
    std::function<void()> Shown = [] {};
    /// The date changed from the values shown in `previous`.
    std::function<void(const slider::CellGrid& previous)> DateChanged = [](const slider::CellGrid&) {};
    /// The time changed from `previous`.
    std::function<void(const runtime::WallTime& previous)> TimeChanged = [](const runtime::WallTime&) {};
    /// The keyboard focus moved.
    std::function<void()> FocusMoved = [] {};
    /// The window is about to go.
    std::function<void()> Closing = [] {};
};
