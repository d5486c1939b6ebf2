#include "platform/WindowStyle.h"

#include "platform/Screen.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace platform {
namespace {

xcb_connection_t* X11Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// WM_CLASS is two texts, each ended by a zero byte; a name not given keeps what Qt wrote.
void SetWindowClass(xcb_connection_t* connection, xcb_window_t window, const WindowStyle& style)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256), nullptr);
    QList<QByteArray> names;
    if (reply) {
        const auto* value = static_cast<const char*>(xcb_get_property_value(reply));
        names = QByteArray(value, xcb_get_property_value_length(reply)).split('\0');
    }
    std::free(reply);
    names.resize(2);
    if (!style.InstanceName.isEmpty())
        names[0] = style.InstanceName.toLocal8Bit();
    if (!style.ClassName.isEmpty())
        names[1] = style.ClassName.toLocal8Bit();
    const QByteArray value = names[0] + '\0' + names[1] + '\0';
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                        static_cast<uint32_t>(value.size()), value.constData());
}

// Qt has no words for these. Written before the window is mapped, they are the states it opens
// in; Qt adds its own states to them rather than replacing them.
void SetDesktopStates(xcb_connection_t* connection, xcb_window_t window, const WindowStyle& style)
{
    std::vector<xcb_atom_t> states;
    if (style.Sticky) {
        states.push_back(Atom(connection, "_NET_WM_STATE_STICKY"));
        const uint32_t allDesktops = 0xFFFFFFFF;
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, Atom(connection, "_NET_WM_DESKTOP"),
                            XCB_ATOM_CARDINAL, 32, 1, &allDesktops);
    }
    if (style.SkipTaskbar) {
        states.push_back(Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"));
        states.push_back(Atom(connection, "_NET_WM_STATE_SKIP_PAGER"));
    }
    if (!states.empty())
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, Atom(connection, "_NET_WM_STATE"),
                            XCB_ATOM_ATOM, 32, static_cast<uint32_t>(states.size()), states.data());
}

Qt::WindowFlags FlagsOf(const WindowStyle& style)
{
    Qt::WindowFlags flags = style.Kind == WindowKind::Dialog   ? Qt::Dialog
                            : style.Kind == WindowKind::Splash ? Qt::SplashScreen
                                                               : Qt::Window;
    if (style.Undecorated)
        flags |= Qt::FramelessWindowHint;
    if (style.OnTop)
        flags |= Qt::WindowStaysOnTopHint;
    if (style.TakesNoFocus)
        flags |= Qt::WindowDoesNotAcceptFocus;
    return flags;
}

} // namespace

bool WindowStyle::IsDefault() const
{
    return Kind == WindowKind::Normal && Size == WindowSize::Designed && !Undecorated && !OnTop && !Sticky &&
        !SkipTaskbar && !TakesNoFocus && InstanceName.isEmpty() && ClassName.isEmpty();
}

void ApplyWindowStyle(QWidget& window, const WindowStyle& style)
{
    if (style.IsDefault())
        return;
    window.setWindowFlags(FlagsOf(style));
    window.setAttribute(Qt::WA_ShowWithoutActivating, style.TakesNoFocus);
    if (style.Size != WindowSize::Designed) {
        // The designed size becomes the least one, so that the window manager may grow it.
        window.setMinimumSize(window.size());
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window.setWindowState(style.Size == WindowSize::Maximized ? Qt::WindowMaximized : Qt::WindowFullScreen);
    }
    const QString appId = style.ClassName.isEmpty() ? style.InstanceName : style.ClassName;
    if (OnWayland() && !appId.isEmpty())
        QGuiApplication::setDesktopFileName(appId);

    xcb_connection_t* connection = X11Connection();
    const bool named = !style.InstanceName.isEmpty() || !style.ClassName.isEmpty();
    if (!connection || (!named && !style.Sticky && !style.SkipTaskbar))
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    if (named)
        SetWindowClass(connection, id, style);
    SetDesktopStates(connection, id, style);
    xcb_flush(connection);
}

QString X11WindowId(QWidget& window)
{
    if (!X11Connection())
        return {};
    // Written as yad writes it: a lower-case 0x and upper-case digits.
    return QStringLiteral("0x") + QString::number(static_cast<qulonglong>(window.winId()), 16).toUpper();
}

} // namespace platform
