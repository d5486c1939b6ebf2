#include "platform/ProcessEnd.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace platform {

int EndOfWindowSystemRun(int status)
{
    // Qt's Wayland plugin (6.4) now and then hangs while the application closes its
    // connection: the display's destructor waits for its event thread, which stays blocked in
    // libwayland's reading of events. A script would wait for the picker for ever. The window
    // is closed and the compositor frees what the connection held, so the process may end here.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return status;
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace platform
