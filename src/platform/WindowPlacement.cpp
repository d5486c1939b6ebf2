#include "platform/WindowPlacement.h"

#include "platform/Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace platform {
namespace {

int Along(const EdgeOffset& offset, int screenStart, int screenLength, int windowLength)
{
    return offset.FromFarEdge ? screenStart + screenLength - windowLength - offset.Pixels : screenStart + offset.Pixels;
}

// Keeps a window of `length` inside [start, start + room) where it fits; one too large
// keeps its start on the screen, so its title bar can be reached.
int Kept(int at, int start, int room, int length) { return std::max(start, std::min(at, start + room - length)); }

} // namespace

std::optional<QPoint> PlacedTopLeft(const WindowPlacement& placement, const QRect& screen, const QRect& available,
                                    QSize window, QPoint pointer)
{
    if (placement.IsDefault())
        return std::nullopt;
    QPoint at = screen.topLeft();
    switch (placement.From) {
    case WindowPlacement::Anchor::WindowManager:
        break;
    case WindowPlacement::Anchor::ScreenCentre:
        at = screen.topLeft() + QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
        break;
    case WindowPlacement::Anchor::Pointer:
        at = pointer - QPoint(window.width() / 2, window.height() / 2);
        at = QPoint(Kept(at.x(), available.left(), available.width(), window.width()),
                    Kept(at.y(), available.top(), available.height(), window.height()));
        break;
    }
    if (placement.X)
        at.setX(Along(*placement.X, screen.left(), screen.width(), window.width()));
    if (placement.Y)
        at.setY(Along(*placement.Y, screen.top(), screen.height(), window.height()));
    return at;
}

std::optional<QPoint> PlacedTopLeft(const WindowPlacement& placement, QSize window)
{
    if (placement.IsDefault() || OnWayland())
        return std::nullopt;
    const QPoint pointer = QCursor::pos();
    const QScreen* screen = placement.From == WindowPlacement::Anchor::Pointer ? QGuiApplication::screenAt(pointer)
                                                                                : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return PlacedTopLeft(placement, screen->geometry(), screen->availableGeometry(), window, pointer);
}

} // namespace platform
