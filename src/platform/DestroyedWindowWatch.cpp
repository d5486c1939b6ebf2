#include "platform/DestroyedWindowWatch.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

namespace platform {
namespace {

std::function<void()>& WindowLostHandler()
{
    static std::function<void()> handler;
    return handler;
}

// X11 tells every client that watches a window's structure, as Qt does for its own, when the
// window is destroyed; Qt itself takes no notice of a window destroyed by someone else.
class DestroyedWindowWatch : public QAbstractNativeEventFilter {
public:
    explicit DestroyedWindowWatch(const QWidget& window) : window_(window) { }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY)
            return false;
        const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
        if (destroyed->window == window_.internalWinId() && WindowLostHandler())
            WindowLostHandler()();
        return false;
    }

private:
    const QWidget& window_;
};

} // namespace

void SetWindowLostHandler(std::function<void()> handler) { WindowLostHandler() = std::move(handler); }

std::unique_ptr<QAbstractNativeEventFilter> WatchForDestruction(const QWidget& window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto watch = std::make_unique<DestroyedWindowWatch>(window);
    QCoreApplication::instance()->installNativeEventFilter(watch.get());
    return watch;
}

} // namespace platform
