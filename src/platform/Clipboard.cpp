#include "platform/Clipboard.h"

#include "platform/WaylandClipboard.h"

#include <QAbstractNativeEventFilter>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <optional>

namespace platform {
namespace {

// Qt reads the X clipboard synchronously: it asks the owner for its list of formats, then for
// each text format in turn, and waits seconds for every answer, so an owner that never answers
// freezes the window for half a minute. The picker wants text only: it asks for UTF-8 text, then
// Latin-1 text, and waits at most this long in all, while the window goes on painting.
constexpr int ClipboardWaitMs = 1000;
// Qt reads the whole of what the clipboard holds, however large. A date in any form the picker
// reads is far shorter than this; a longer text is no date and is not read further.
constexpr size_t ClipboardTextLimit = 512;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// Waits for the owner's answer to one request, which arrives as a SelectionNotify to the
// requesting window.
class SelectionAnswer : public QAbstractNativeEventFilter {
public:
    explicit SelectionAnswer(xcb_window_t requestor) : requestor_(requestor)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~SelectionAnswer() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    SelectionAnswer(const SelectionAnswer&) = delete;
    SelectionAnswer& operator=(const SelectionAnswer&) = delete;

    /// The property the owner wrote the text into: XCB_ATOM_NONE when it refused the format,
    /// nothing when it did not answer in time.
    std::optional<xcb_atom_t> Wait(const QDeadlineTimer& deadline)
    {
        if (!property_ && !deadline.hasExpired()) {
            QTimer::singleShot(deadline.remainingTime(), &loop_, &QEventLoop::quit);
            // Keys and clicks wait for the paste, as they would for any handler.
            loop_.exec(QEventLoop::ExcludeUserInputEvents);
        }
        return std::exchange(property_, std::nullopt);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if (eventType != "xcb_generic_event_t" || (event->response_type & 0x7F) != XCB_SELECTION_NOTIFY)
            return false;
        const auto* answer = static_cast<const xcb_selection_notify_event_t*>(message);
        if (answer->requestor != requestor_)
            return false;
        property_ = answer->property;
        loop_.quit();
        return true;
    }

private:
    xcb_window_t requestor_;
    std::optional<xcb_atom_t> property_;
    QEventLoop loop_;
};

std::string ReadProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    // In 32-bit units: one byte more than the limit shows a text beyond it.
    const uint32_t units = ClipboardTextLimit / 4 + 1;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, units), nullptr);
    std::string text;
    if (reply && reply->type == type && reply->format == 8 && reply->bytes_after == 0 &&
        static_cast<size_t>(xcb_get_property_value_length(reply)) <= ClipboardTextLimit) {
        const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply));
        text.assign(bytes, static_cast<size_t>(xcb_get_property_value_length(reply)));
    }
    std::free(reply);
    if (type == XCB_ATOM_STRING)
        text = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).toStdString();
    return text;
}

// The text on the X clipboard, or nothing where another program does not own the X clipboard
// (another window system, or the picker's own copy), which Qt reads without waiting.
std::optional<std::string> OthersX11ClipboardText()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || QGuiApplication::clipboard()->ownsClipboard())
        return std::nullopt;
    const xcb_atom_t clipboard = Atom(connection, "CLIPBOARD");
    const xcb_atom_t property = Atom(connection, "DATEPICKER_PASTE");
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t requestor = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, requestor, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, 0, nullptr);
    SelectionAnswer answer(requestor);
    const QDeadlineTimer deadline(ClipboardWaitMs);
    std::string text;
    for (const xcb_atom_t type : {Atom(connection, "UTF8_STRING"), xcb_atom_t{XCB_ATOM_STRING}}) {
        xcb_convert_selection(connection, requestor, clipboard, type, property, XCB_CURRENT_TIME);
        xcb_flush(connection);
        const std::optional<xcb_atom_t> written = answer.Wait(deadline);
        if (!written)
            break;
        if (*written != XCB_ATOM_NONE) {
            text = ReadProperty(connection, requestor, *written, type);
            break;
        }
    }
    xcb_destroy_window(connection, requestor);
    xcb_flush(connection);
    return text;
}

std::function<void(const std::string&)>& InstalledClipboard()
{
    static std::function<void(const std::string&)> clipboard;
    return clipboard;
}

std::function<std::string()>& InstalledSource()
{
    static std::function<std::string()> source;
    return source;
}

} // namespace

void SetClipboardText(const std::string& text)
{
    if (const auto& clipboard = InstalledClipboard()) {
        clipboard(text);
        return;
    }
    if (qGuiApp)
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void UseClipboard(std::function<void(const std::string&)> clipboard) { InstalledClipboard() = std::move(clipboard); }

std::string GetClipboardText()
{
    if (const auto& source = InstalledSource())
        return source();
    if (const std::optional<std::string> text = OthersX11ClipboardText())
        return *text;
    if (qGuiApp && !QGuiApplication::clipboard()->ownsClipboard())
        if (std::optional<std::string> text =
                WaylandClipboardText(ClipboardTextLimit, std::chrono::milliseconds(ClipboardWaitMs)))
            return *text;
    return qGuiApp ? QGuiApplication::clipboard()->text().toStdString() : std::string();
}

void UseClipboardSource(std::function<std::string()> source) { InstalledSource() = std::move(source); }

} // namespace platform
