#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace platform {

/// A distance of the window from one edge of the screen, in pixels.
struct EdgeOffset {
    int Pixels = 0;
    /// From the right or bottom edge to the window's right or bottom edge, instead of from the
    /// left or top edge to its left or top edge.
    bool FromFarEdge = false;
};

/// Where a client asks for its window to open. A window manager may still place it elsewhere,
/// and on Wayland no client can ask at all.
struct WindowPlacement {
    enum class Anchor {
        /// Wherever the window manager puts it, unless an offset is given.
        WindowManager,
        /// In the middle of the screen.
        ScreenCentre,
        /// Centred on the pointer, kept on the screen.
        Pointer,
    };
    Anchor From = Anchor::WindowManager;
    /// Offsets that replace the anchor's coordinate; without an anchor, a missing one is 0.
    std::optional<EdgeOffset> X, Y;

    /// True when the window manager alone decides.
    bool IsDefault() const { return From == Anchor::WindowManager && !X && !Y; }
};

/// The top-left corner of a window of `window` size placed as asked, on a screen whose whole
/// area is `screen` and whose area free of panels is `available`, with the pointer at `pointer`;
/// nothing when the window manager decides.
std::optional<QPoint> PlacedTopLeft(const WindowPlacement& placement, const QRect& screen, const QRect& available,
                                    QSize window, QPoint pointer);

/// PlacedTopLeft on the screen the window opens on, with the pointer where it is now; nothing
/// where the window system does not let a client place its window (Wayland).
std::optional<QPoint> PlacedTopLeft(const WindowPlacement& placement, QSize window);

} // namespace platform
