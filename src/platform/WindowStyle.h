#pragma once

#include <QString>

class QWidget;

namespace platform {

/// What kind of window the window manager is told it is.
enum class WindowKind {
    /// An application's window, as the design has it.
    Normal,
    /// A dialog, which tiling window managers float.
    Dialog,
    /// A splash screen: no frame, no task bar entry.
    Splash,
};

/// The size the window opens at.
enum class WindowSize { Designed, Maximized, FullScreen };

/// How the window presents itself to the window manager beyond its title and size. The design's
/// window is the default in every field.
struct WindowStyle {
    WindowKind Kind = WindowKind::Normal;
    WindowSize Size = WindowSize::Designed;
    bool Undecorated = false;
    bool OnTop = false;
    /// Shown on every desktop.
    bool Sticky = false;
    /// Left out of task bars and pagers.
    bool SkipTaskbar = false;
    /// Never given the keyboard focus.
    bool TakesNoFocus = false;
    /// The two names of WM_CLASS on X11; the class is also the app id on Wayland (or the
    /// instance name when only that is given). Empty keeps the program's own.
    QString InstanceName;
    QString ClassName;

    bool IsDefault() const;
};

/// Asks the window system for `style` on `window`, a top-level widget not yet shown. The
/// default style changes nothing and costs nothing.
void ApplyWindowStyle(QWidget& window, const WindowStyle& style);

/// The window's X id as text ("0x2A00003"), or an empty text where there are no X ids.
QString X11WindowId(QWidget& window);

} // namespace platform
