#include "app/StandardOutput.h"

#include "app/LocaleCodeset.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace standardoutput {
namespace {

bool& StandardOutputMissing()
{
    static bool missing = false;
    return missing;
}

} // namespace

void HoldStandardStreams()
{
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        if (stream == STDOUT_FILENO)
            StandardOutputMissing() = true;
        // The lowest free number is the missing stream's own.
        const int placeholder = ::open("/dev/null", stream == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (placeholder != stream && placeholder >= 0)
            ::close(placeholder);
    }
}

QString Write(const QByteArray& text)
{
    if (StandardOutputMissing())
        return app::SystemErrorText(EBADF);
    // A reader that has gone away is a failure to write, not a reason to die of SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    const char* next = text.constData();
    size_t left = static_cast<size_t>(text.size());
    while (left > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, next, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return app::SystemErrorText(written < 0 ? errno : EIO);
        next += written;
        left -= static_cast<size_t>(written);
    }
    return {};
}

} // namespace standardoutput
