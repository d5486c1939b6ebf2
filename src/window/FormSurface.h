#pragma once

#include "markup/MarkupLabel.h"
#include "platform/Messages.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowStyle.h"
#include "platform/WindowSystem.h"
#include "window/ClientArea.h"
#include "window/TimeoutBar.h"

#include <QPoint>
#include <QPointF>
#include <QRegion>

#include <memory>
#include <string>

namespace platform {
class HostWindow;
}
class QPainter;

/// The real window on screen: a thin widget around the markup label, with the margins of the
/// client area and the timeout bar. It owns the widget once the window shows and the repaints it
/// asks for; it paints the label, and places it as the client area says.
class FormSurface {
public:
    FormSurface(markup::MarkupLabel& label, const ClientArea& area, TimeoutBar& bar);
    ~FormSurface();
    FormSurface(const FormSurface&) = delete;
    FormSurface& operator=(const FormSurface&) = delete;

    /// Makes the widget for window `hWnd` the first time, titled `caption`, styled and placed as
    /// asked, then calls `made` and shows it; later calls only show it again.
    void Show(platform::HWND hWnd, const std::string& caption, const platform::WindowStyle& style,
              const platform::WindowPlacement& placement, const std::function<void()>& made);
    /// The widget, once shown.
    platform::HostWindow* Host() const { return host_.get(); }
    /// Where the label sits in the client area, in pixels.
    QPointF LabelPosition() const;
    /// The window's outer rectangle, once shown.
    bool OuterRectangle(platform::RECT& rect) const;
    /// Hands a pointer message to the label, at the label's own coordinates; false for a message
    /// that is no pointer's.
    bool Pointer(platform::UINT message, platform::LPARAM lParam);
    /// Where the context menu asked for at `at` opens on the screen: at the pointer, or, asked for
    /// from the keyboard, at the focused element or in the middle of the window.
    QPoint MenuPosition(platform::LPARAM at) const;
    /// Shows the label's cursor and `tip` as the window's own.
    void ShowPointer(const std::string& tip);
    /// Repaints the whole window: its margins lie outside the label.
    void RepaintAll();
    /// Closes the window for good.
    void Close();
    /// Lets the widget go.
    void Release();

private:
    // Where a point of the label lies on the screen (in the client area before the window shows).
    QPoint OnScreen(QPointF inLabel) const;
    void ScheduleRepaint();
    void Paint(QPainter& painter, const QRegion& area);

    markup::MarkupLabel& label_;
    const ClientArea& area_;
    TimeoutBar& bar_;
    bool repaintScheduled_ = false;
    std::unique_ptr<platform::HostWindow> host_;
};
