#pragma once

#include "window/FormSetup.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

class QPainter;
class QWidget;

/// The bar that shows how long a dialog with a timeout has left: a strip on one side of the
/// window, added to the window's size so that it covers nothing, full when the window opens and
/// shrinking to nothing at the timeout. It owns its side, its time and when the window opened;
/// it paints into the window and asks the window's widget for repaints.
class TimeoutBar {
public:
    /// A bar on `side` that empties in `milliseconds`; none when either is missing.
    TimeoutBar(TimeoutSide side, int milliseconds);

    /// Whether the window shows a bar.
    bool Shown() const { return side_ != TimeoutSide::None; }
    /// How much the bar adds to the client area, and where it moves the content to.
    QSize Growth() const;
    QPoint Shift() const;
    /// The bar's strip in a client area of `client`; empty without one.
    QRect Area(QSize client) const;
    /// How long the bar is, from 1 when the window opens down to 0 at the timeout.
    double TimeLeftFraction() const;
    /// Starts the time from now, and repaints the strip of `window` while it runs.
    void Start(QWidget& window);
    /// Paints the bar into a client area of `client`.
    void Paint(QPainter& painter, QSize client) const;

private:
    TimeoutSide side_;
    int milliseconds_;
    // When the window opened, in runtime::Milliseconds.
    int64_t shownAt_ = 0;
};
