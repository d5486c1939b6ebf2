#pragma once

#include "app/PickerOptions.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowStyle.h"

#include <QSize>

#include <optional>

namespace app {

/// An X geometry, "WxH+X+Y", each half optional; a minus before X or Y counts from the right or
/// bottom edge.
struct WindowGeometry {
    std::optional<QSize> Size;
    std::optional<platform::EdgeOffset> X, Y;
};

/// Reads an X geometry; nothing when `text` is not one.
std::optional<WindowGeometry> ParseWindowGeometry(const QString& text);

/// Where the window opens, as yad decides it: --geometry's place first, then --center, then
/// --mouse with --posx and --posy replacing its coordinates, then --posx and --posy alone (a
/// coordinate not given is 0). A negative --posx or --posy counts from the right or bottom edge.
platform::WindowPlacement PlacementOf(const PickerOptions& options);

/// How the window presents itself: a dialog under --print and --calendar, and yad's window
/// options.
platform::WindowStyle StyleOf(const PickerOptions& options);

} // namespace app
