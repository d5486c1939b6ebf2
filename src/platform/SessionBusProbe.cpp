#include "platform/SessionBusProbe.h"

#include <QByteArray>
#include <QFileInfo>
#include <QUrl>

#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

// The socket of the first entry of a D-Bus address: "unix:path=..." or "unix:abstract=...",
// with its escapes undone; the abstract name starts with a zero byte.
QByteArray SocketName(const QString& address)
{
    const QString first = address.section(u';', 0, 0);
    if (!first.startsWith(QLatin1String("unix:")))
        return {};
    for (const QString& pair : first.mid(5).split(u',')) {
        const QByteArray value = QByteArray::fromPercentEncoding(pair.section(u'=', 1).toLatin1());
        if (pair.startsWith(QLatin1String("path=")))
            return value;
        if (pair.startsWith(QLatin1String("abstract=")))
            return '\0' + value;
    }
    return {};
}

// Waits for `events` on `socket`, for ever.
bool Ready(int socket, short events)
{
    pollfd waiting{socket, events, 0};
    while (::poll(&waiting, 1, -1) < 0)
        if (errno != EINTR)
            return false;
    return (waiting.revents & events) != 0;
}

class Socket {
public:
    Socket() : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {}
    ~Socket()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int Fd() const { return fd_; }

private:
    int fd_;
};

bool Connect(const Socket& socket, const QByteArray& name)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socket.Fd() < 0 || name.isEmpty() || static_cast<size_t>(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + static_cast<size_t>(name.size()) +
                                               (name.startsWith('\0') ? 0 : 1));
    // A bus whose queue of connections is full keeps even the connection waiting.
    if (::connect(socket.Fd(), reinterpret_cast<const sockaddr*>(&address), length) == 0)
        return true;
    int error = errno;
    socklen_t size = sizeof error;
    return error == EINPROGRESS && Ready(socket.Fd(), POLLOUT) &&
           ::getsockopt(socket.Fd(), SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

} // namespace

QString SessionBusAddress()
{
    const QString named = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (!named.isEmpty())
        return named;
    const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString socket = runtimeFolder + QStringLiteral("/bus");
    if (runtimeFolder.isEmpty() || !QFileInfo::exists(socket))
        return {};
    return QStringLiteral("unix:path=") + QString::fromUtf8(QUrl::toPercentEncoding(socket, "/"));
}

bool SessionBusAnswers(const QString& address)
{
    const QByteArray name = SocketName(address);
    if (name.isEmpty())
        return true;
    const Socket socket;
    if (!Connect(socket, name))
        return false;
    // The bus answers a client's first words, a request to be known by its user id, with
    // OK or REJECTED; either shows that it runs.
    const QByteArray greeting =
        QByteArray(1, '\0') + "AUTH EXTERNAL " + QByteArray::number(::getuid()).toHex() + "\r\n";
    if (::send(socket.Fd(), greeting.constData(), static_cast<size_t>(greeting.size()), MSG_NOSIGNAL) !=
        greeting.size())
        return false;
    char answer = 0;
    return Ready(socket.Fd(), POLLIN) && ::recv(socket.Fd(), &answer, 1, 0) == 1;
}

void HideSessionBus()
{
    // A path that cannot be a socket: connecting fails at once, and nothing launches a bus instead.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null/no-session-bus");
}

} // namespace platform
