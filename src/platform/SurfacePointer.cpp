#include "platform/SurfacePointer.h"

#include "platform/Screen.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace platform {

void SurfacePointer::Follow()
{
    if (QWindow* native = window_.windowHandle())
        native->installEventFilter(this);
}

std::optional<QPoint> SurfacePointer::Now() const
{
    if (OnWayland())
        return onSurface_;
    return window_.mapFromGlobal(QCursor::pos());
}

// While a menu is open, Qt hands the pointer's moves over the window to the menu, and the
// widget never learns of them; the native window is still told. When the menu has closed,
// Qt's Wayland plugin tells the window that the pointer entered it where the menu was asked
// for, wherever the pointer is by then: that made-up entry does not count.
bool SurfacePointer::eventFilter(QObject* watched, QEvent* event)
{
    const bool madeUpAfterMenu = inMenu_ && !QApplication::activePopupWidget();
    if (watched == window_.windowHandle() && event->spontaneous() && !madeUpAfterMenu) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            onSurface_ = static_cast<QSinglePointEvent*>(event)->position().toPoint();
            break;
        case QEvent::Leave:
            onSurface_.reset();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
