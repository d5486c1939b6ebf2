#pragma once

#include <QAbstractNativeEventFilter>
#include <QWidget>

#include <functional>
#include <memory>

/// Another program destroying a window of this one, which X11 allows any client to do.
namespace platform {

/// Sets what is done when another program destroys a host window that is still open (X11
/// lets any client destroy any window): the window can neither be shown nor closed any more.
/// By default nothing is done.
void SetWindowLostHandler(std::function<void()> handler);

/// On X11, starts watching for another program destroying `window`, which then calls the
/// handler of SetWindowLostHandler; the watch ends with the returned filter. Elsewhere returns
/// nothing.
std::unique_ptr<QAbstractNativeEventFilter> WatchForDestruction(const QWidget& window);

} // namespace platform
