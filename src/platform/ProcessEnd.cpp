#include "platform/ProcessEnd.h"

#include "platform/ColorSchemePreference.h"
#include "platform/Screen.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

int EndOfWindowSystemRun(int status)
{
    // Qt's Wayland plugin (6.4) now and then hangs while the application closes its
    // connection: the display's destructor waits for its event thread, which stays blocked in
    // libwayland's reading of events. A script would wait for the picker for ever. The window
    // is closed and the compositor frees what the connection held, so the process may end here.
    // So it may where a session bus never answered: closing Qt's bus connections waits for the
    // connection still being made.
    if (!OnWayland() && !SessionBusQuestionPending())
        return status;
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace platform
