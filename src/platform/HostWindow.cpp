#include "platform/HostWindow.h"

#include "platform/DestroyedWindowWatch.h"
#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "platform/WaylandClipboard.h"
#include "runtime/ErrorLines.h"
#include "runtime/Locale.h"

#include <QAbstractNativeEventFilter>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QShowEvent>
#include <QToolTip>
#include <QWheelEvent>

#include <exception>
#include <utility>

namespace platform {
namespace {

void Complain(const QString& line) { runtime::WriteErrorLines(line.toLocal8Bit().toStdString()); }

} // namespace

HostWindow::HostWindow(HWND hWnd) : hWnd_(hWnd)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Else Qt's compose input context keeps the characters of compose sequences to itself.
    setAttribute(Qt::WA_InputMethodEnabled);
}

HostWindow::~HostWindow() = default;

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
    const int notches = wheel_.TakeNotches(*event);
    if (notches == 0)
        return;
    const uint16_t keys = MouseKeyFlags(event->buttons(), event->modifiers());
    const QPoint at = event->globalPosition().toPoint();
    const int rotation = notches > 0 ? WHEEL_DELTA : -WHEEL_DELTA;
    for (int sent = 0; sent < std::abs(notches); ++sent)
        Send(WM_MOUSEWHEEL, MakeWheelWParam(keys, rotation), MakeLParam(at.x(), at.y()));
}

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
    if (SendCommandKey(*event) || SendAccessKey(*event) || SendTypedText(*event))
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

// A letter or digit typed with Alt (and perhaps Shift) arrives as one WM_SYSCHAR: the key of a
// button's caption. Where the keyboard gives no text with Alt, the key's own letter stands.
bool HostWindow::SendAccessKey(const QKeyEvent& event)
{
    if ((event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::AltModifier)
        return false;
    const QList<uint> typed = event.text().toUcs4();
    uint character = typed.size() == 1 ? typed[0] : 0;
    if (!QChar::isLetterOrNumber(character) && event.key() < 0x80)
        character = static_cast<uint>(event.key());
    if (!QChar::isLetterOrNumber(character))
        return false;
    Send(WM_SYSCHAR, QChar::toLower(character), 1);
    return true;
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
    pointer_.SetInMenu(true);
    Send(WM_CONTEXTMENU, hWnd_, at);
    pointer_.SetInMenu(false);
    const std::optional<QPoint> pointer = pointer_.Now();
    if (pointer && rect().contains(*pointer))
        Send(WM_MOUSEMOVE, MouseKeyFlags(QGuiApplication::mouseButtons(), QGuiApplication::keyboardModifiers()),
             MakeLParam(pointer->x(), pointer->y()));
    else
        Send(WM_MOUSELEAVE, 0, 0);
}

void HostWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    pointer_.Follow();
    // Before the window has the focus, at which the compositor tells what the clipboard holds.
    FollowWaylandClipboard();
    if (!destroyedWatch_)
        destroyedWatch_ = WatchForDestruction(*this);
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
