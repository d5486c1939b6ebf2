#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QWidget;

namespace platform {

/// Where the pointer is on a window, even while the window's own context menu holds it.
/// A Wayland client cannot ask for the pointer's place: QCursor::pos() there is only the last
/// place Qt took for it, which a menu leaves behind, so there the window relies on what its
/// native surface was told.
class SurfacePointer : public QObject {
public:
    explicit SurfacePointer(const QWidget& window) : window_(window) { }

    /// Starts following the pointer on the window's native surface, once the window has one.
    void Follow();
    /// Says whether the context menu asked for by the window is being shown.
    void SetInMenu(bool inMenu) { inMenu_ = inMenu; }
    /// Where the pointer is, in client coordinates, or nothing when it is off the window.
    std::optional<QPoint> Now() const;

protected:
    /// Follows the pointer on the native window, which sees it even while a menu is open.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QWidget& window_;
    // Where the window system last showed the pointer on the surface; empty once it left.
    std::optional<QPoint> onSurface_;
    bool inMenu_ = false;
};

} // namespace platform
