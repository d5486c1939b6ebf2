#pragma once

#include "date/SliderValues.h"
#include "runtime/LocalTime.h"

#include <functional>

/// What the window tells whoever follows it, as a screen reader's bridge does. Each function may
/// be empty; the window calls them after the change, and never needs to know who listens.
struct FormListener {
    /// The real window exists now.
    std::function<void()> Shown;
    /// The date changed from the values shown in `previous`.
    std::function<void(const slider::CellGrid& previous)> DateChanged;
    /// The time changed from `previous`.
    std::function<void(const runtime::WallTime& previous)> TimeChanged;
    /// The keyboard focus moved.
    std::function<void()> FocusMoved;
    /// The window is about to go.
    std::function<void()> Closing;
};
