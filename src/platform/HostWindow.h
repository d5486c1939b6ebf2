#pragma once

#include "platform/InputMessages.h"
#include "platform/SurfacePointer.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowStyle.h"
#include "platform/WindowSystem.h"

#include <QWidget>

#include <functional>
#include <memory>

class QAbstractNativeEventFilter;
class QSinglePointEvent;

namespace platform {

/// The real window on screen. A thin adapter: it turns Qt's mouse and key input into window
/// messages sent through the window's current procedure (keys as WM_KEYDOWN, typed text as
/// WM_CHAR, Alt with a letter as WM_SYSCHAR), and asks its owner to paint.
class HostWindow : public QWidget {
public:
    using PaintFunction = std::function<void(QPainter&, const QRegion&)>;

    explicit HostWindow(HWND hWnd);
    ~HostWindow() override;

    /// The handle whose procedure chain receives this window's messages.
    HWND Handle() const { return hWnd_; }
    /// Sets what paints the client area; it is given the area to paint.
    void SetPaintFunction(PaintFunction paint) { paint_ = std::move(paint); }
    /// Fills the outer rectangle, frame and title bar included, in screen coordinates.
    bool OuterRectangle(RECT& rect) const;
    /// The tip shown while the pointer rests on the window; a shown tip that no longer holds
    /// goes at once. The empty text shows none.
    void SetPointerTip(const QString& tip);
    /// Closes the window for good, as the window's procedure decides after WM_CLOSE.
    void Destroy();
    /// Asks the window system for `style` and for the place of `placement`, once the window has
    /// its size and before it is first shown.
    void Prepare(const WindowStyle& style, const WindowPlacement& placement);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    /// Text composed by an input method becomes WM_CHAR, as typed text does.
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    /// A request to close, from the title bar or the desktop, becomes WM_CLOSE.
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    /// Gaining and losing the keyboard focus become WM_ACTIVATE.
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Send(UINT message, WPARAM wParam, LPARAM lParam);
    void SendMouse(UINT message, const QSinglePointEvent& event);
    bool SendCommandKey(const QKeyEvent& event);
    bool SendTypedText(const QKeyEvent& event);
    bool SendAccessKey(const QKeyEvent& event);
    bool SendCharacters(const QList<uint>& characters, Qt::KeyboardModifiers modifiers);
    void SendKeyDown(int virtualKey, Qt::KeyboardModifiers modifiers);
    void SendContextMenu(LPARAM at);

    HWND hWnd_;
    PaintFunction paint_;
    bool destroying_ = false;
    WheelTravel wheel_; // what the wheel turned that is not yet sent as notches
    SurfacePointer pointer_{*this}; // where the pointer is, even after a menu held it
    // Watches for another program destroying the window, on X11 while it is open.
    std::unique_ptr<QAbstractNativeEventFilter> destroyedWatch_;
};

} // namespace platform
