#include "platform/HostWindow.h"

#include "platform/Keyboard.h"
#include "platform/LatinKeys.h"
#include "platform/Messages.h"
#include "platform/Screen.h"
#include "platform/WaylandClipboard.h"
#include "runtime/ErrorLines.h"
#include "runtime/Locale.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QScopeGuard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QShowEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>

#include <exception>
#include <utility>

#include <xcb/xcb.h>

namespace platform {
namespace {

void Complain(const QString& line) { runtime::WriteErrorLines(line.toLocal8Bit().toStdString()); }

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

// A pause longer than this between wheel events ends a scroll gesture.
constexpr quint64 WheelGesturePauseMs = 500;

} // namespace

uint16_t MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    uint16_t keys = 0;
    if (buttons & Qt::LeftButton)
        keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        keys |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        keys |= MK_CONTROL;
    return keys;
}

int TakeWholeNotches(int& pending, int delta)
{
    // A turn in the other direction starts afresh instead of first paying back the remainder.
    if ((pending > 0 && delta < 0) || (pending < 0 && delta > 0))
        pending = 0;
    pending += delta;
    const int notches = pending / WHEEL_DELTA;
    pending -= notches * WHEEL_DELTA;
    return notches;
}

int VirtualKeyOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_C: return VK_C;
    case Qt::Key_V: return VK_V;
    default: return 0;
    }
}

HostWindow::HostWindow(HWND hWnd) : hWnd_(hWnd)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Else Qt's compose input context keeps the characters of compose sequences to itself.
    setAttribute(Qt::WA_InputMethodEnabled);
}

HostWindow::~HostWindow() = default;

void SetWindowLostHandler(std::function<void()> handler) { WindowLostHandler() = std::move(handler); }

bool HostWindow::OuterRectangle(RECT& rect) const
{
    if (!isVisible())
        return false;
    const QRect frame = frameGeometry();
    rect = {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
    return true;
}

void HostWindow::Send(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Nothing may escape into Qt's event loop; the procedures below catch their own failures,
    // so anything arriving here is a fault worth a line on standard error.
    try {
        SendMessageA(hWnd_, message, wParam, lParam);
    } catch (const std::exception& failure) {
        Complain(QCoreApplication::translate("HostWindow", "datepicker: message 0x%1 failed: %2")
                     .arg(message, 0, 16)
                     .arg(QString::fromStdString(runtime::FailureText(failure))));
    }
}

void HostWindow::SendMouse(UINT message, const QSinglePointEvent& event)
{
    const QPoint at = event.position().toPoint();
    Send(message, MouseKeyFlags(event.buttons(), event.modifiers()), MakeLParam(at.x(), at.y()));
}

void HostWindow::mouseMoveEvent(QMouseEvent* event) { SendMouse(WM_MOUSEMOVE, *event); }

void HostWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        SendMouse(WM_LBUTTONDOWN, *event);
}

void HostWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        SendMouse(WM_LBUTTONUP, *event);
}

// A window that opens under a pointer at rest gets no move, so the element under the pointer
// would not know it is hovered and the wheel would do nothing; entering counts as a move.
void HostWindow::enterEvent(QEnterEvent* event) { SendMouse(WM_MOUSEMOVE, *event); }

void HostWindow::leaveEvent(QEvent*) { Send(WM_MOUSELEAVE, 0, 0); }

void HostWindow::wheelEvent(QWheelEvent* event)
{
    event->accept();
    // Travel left over from an earlier gesture must not add to a new one: a touchpad swipe
    // minutes ago is no part of today's small tick.
    const quint64 sinceLastWheel = event->timestamp() - lastWheelTimestamp_;
    if (event->phase() == Qt::ScrollBegin || sinceLastWheel > WheelGesturePauseMs)
        pendingWheel_ = 0;
    lastWheelTimestamp_ = event->timestamp();
    const int notches = TakeWholeNotches(pendingWheel_, event->angleDelta().y());
    if (notches == 0)
        return;
    const uint16_t keys = MouseKeyFlags(event->buttons(), event->modifiers());
    const QPoint at = event->globalPosition().toPoint();
    const int rotation = notches > 0 ? WHEEL_DELTA : -WHEEL_DELTA;
    for (int sent = 0; sent < std::abs(notches); ++sent)
        Send(WM_MOUSEWHEEL, MakeWheelWParam(keys, rotation), MakeLParam(at.x(), at.y()));
}

namespace {

// A command key on a layout without Latin letters (Ctrl and the Cyrillic Es where the C is)
// stands for the Latin letter at its place, so Ctrl+C copies and Ctrl+V pastes everywhere.
int CommandKeyOf(const QKeyEvent& event)
{
    const bool command = event.modifiers() & Qt::ControlModifier;
    if (command && event.key() > 0xFF)
        if (const int latin = LatinLetterKeyAt(event.nativeScanCode()))
            return latin;
    return event.key();
}

} // namespace

void HostWindow::SetPointerTip(const QString& tip)
{
    if (tip == toolTip())
        return;
    // A tip shown for one link must not go on naming it over the next.
    if (QToolTip::isVisible())
        QToolTip::hideText();
    setToolTip(tip);
}

void HostWindow::keyPressEvent(QKeyEvent* event)
{
    // The key's messages carry the time it was typed; a window system that gives none gives 0.
    SetMessageTime(event->timestamp() ? std::optional<int64_t>(event->timestamp()) : std::nullopt);
    const auto untimed = qScopeGuard([] { SetMessageTime(std::nullopt); });
    if (SendCommandKey(*event) || SendTypedText(*event))
        return;
    const int virtualKey = VirtualKeyOf(CommandKeyOf(*event));
    if (virtualKey == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    SendKeyDown(virtualKey, event->modifiers());
}

void HostWindow::SendKeyDown(int virtualKey, Qt::KeyboardModifiers modifiers)
{
    SetModifierKeys(modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier);
    Send(WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
}

// Text typed without Control or Alt arrives as one WM_CHAR per character, and so does
// Backspace. Space stays a key: it follows the focused link.
bool HostWindow::SendTypedText(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QList<uint> characters =
        event.key() == Qt::Key_Backspace ? QList<uint>{VK_BACK} : event.text().toUcs4();
    return SendCharacters(characters, event.modifiers());
}

bool HostWindow::SendCharacters(const QList<uint>& characters, Qt::KeyboardModifiers modifiers)
{
    if (characters.isEmpty())
        return false;
    for (const uint character : characters)
        if (character != VK_BACK && (!QChar::isPrint(character) || QChar::isSpace(character)))
            return false;
    SetModifierKeys(modifiers & Qt::ShiftModifier, false);
    for (const uint character : characters)
        Send(WM_CHAR, character, 1);
    return true;
}

// A compose sequence (Compose, ^, u) or an input method hands over its text as a whole,
// not as key presses; it is typed as the keys' own text is.
void HostWindow::inputMethodEvent(QInputMethodEvent* event)
{
    SendCharacters(event->commitString().toUcs4(), QGuiApplication::keyboardModifiers());
    event->accept();
}

QVariant HostWindow::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled: return true;
    // Text is taken a character at a time; there is no text to predict or correct.
    case Qt::ImHints: return static_cast<int>(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    default: return QWidget::inputMethodQuery(query);
    }
}

// The keys that stand for a command rather than for a key: Copy, Paste, and the two that open
// the context menu.
bool HostWindow::SendCommandKey(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Copy) {
        Send(WM_APPCOMMAND, hWnd_, MakeAppCommandLParam(APPCOMMAND_COPY));
        return true;
    }
    if (event.key() == Qt::Key_Paste) {
        Send(WM_PASTE, 0, 0);
        return true;
    }
    if (event.key() == Qt::Key_Menu || (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier)) {
        SendContextMenu(ContextMenuFromKeyboard);
        return true;
    }
    return false;
}

void HostWindow::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    if (event->reason() != QContextMenuEvent::Mouse) {
        SendContextMenu(ContextMenuFromKeyboard);
        return;
    }
    SendContextMenu(MakeLParam(event->globalPos().x(), event->globalPos().y()));
}

// A menu holds the pointer while it is open, so the window may have missed the pointer leaving
// or coming back; it learns where the pointer is now.
void HostWindow::SendContextMenu(LPARAM at)
{
    inMenu_ = true;
    Send(WM_CONTEXTMENU, hWnd_, at);
    inMenu_ = false;
    const std::optional<QPoint> pointer = PointerNow();
    if (pointer && rect().contains(*pointer))
        Send(WM_MOUSEMOVE, MouseKeyFlags(QGuiApplication::mouseButtons(), QGuiApplication::keyboardModifiers()),
             MakeLParam(pointer->x(), pointer->y()));
    else
        Send(WM_MOUSELEAVE, 0, 0);
}

// Where the pointer is, in client coordinates, or nothing when it is off the window. A Wayland
// client cannot ask for the pointer's place: QCursor::pos() there is only the last place Qt
// took for it, which a menu leaves behind, so the window relies on what its own surface was
// told.
std::optional<QPoint> HostWindow::PointerNow() const
{
    if (OnWayland())
        return pointerOnSurface_;
    return mapFromGlobal(QCursor::pos());
}

void HostWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (QWindow* native = windowHandle())
        native->installEventFilter(this);
    // Before the window has the focus, at which the compositor tells what the clipboard holds.
    FollowWaylandClipboard();
    if (!destroyedWatch_ && QGuiApplication::platformName() == QLatin1String("xcb")) {
        destroyedWatch_ = std::make_unique<DestroyedWindowWatch>(*this);
        QCoreApplication::instance()->installNativeEventFilter(destroyedWatch_.get());
    }
}

// While a menu is open, Qt hands the pointer's moves over the window to the menu, and the
// widget never learns of them; the native window is still told. When the menu has closed,
// Qt's Wayland plugin tells the window that the pointer entered it where the menu was asked
// for, wherever the pointer is by then: that made-up entry does not count.
bool HostWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool madeUpAfterMenu = inMenu_ && !QApplication::activePopupWidget();
    if (watched == windowHandle() && event->spontaneous() && !madeUpAfterMenu) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            pointerOnSurface_ = static_cast<QSinglePointEvent*>(event)->position().toPoint();
            break;
        case QEvent::Leave:
            pointerOnSurface_.reset();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HostWindow::closeEvent(QCloseEvent* event)
{
    // The window's procedure decides: it closes the window through Destroy, which while this
    // request is handled only lets it go through.
    if (!destroying_)
        Send(WM_CLOSE, 0, 0);
    event->setAccepted(destroying_);
}

void HostWindow::Destroy()
{
    // The window's own end is no loss.
    destroyedWatch_.reset();
    destroying_ = true;
    close();
}

void HostWindow::Prepare(const WindowStyle& style, const WindowPlacement& placement)
{
    ApplyWindowStyle(*this, style);
    if (const std::optional<QPoint> topLeft = PlacedTopLeft(placement, size()))
        move(*topLeft);
}

// Qt keeps the window active while its own context menu is open, on X11 and on Wayland alike,
// so the menu is no loss of the focus. Nor is the window's own closing: a dialog ended with OK
// must not hear that it lost the focus on its way out.
void HostWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !destroying_)
        Send(WM_ACTIVATE, isActiveWindow() ? WA_ACTIVE : WA_INACTIVE, 0);
}

// Tab belongs to the window's own focus order, not to Qt's widget chain.
bool HostWindow::focusNextPrevChild(bool) { return false; }

void HostWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!paint_)
        return;
    try {
        paint_(painter, event->region());
    } catch (const std::exception& failure) {
        Complain(QCoreApplication::translate("HostWindow", "datepicker: painting failed: %1")
                     .arg(QString::fromStdString(runtime::FailureText(failure))));
    }
}

} // namespace platform
