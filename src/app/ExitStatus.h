#pragma once

namespace app {

/// The exit statuses a script can rely on: each outcome has its own.
enum ExitStatus : int {
    /// The user accepted; the date was written to standard output and flushed.
    Accepted = 0,
    /// The user declined (Cancel, Escape, closing the window); nothing was written.
    Declined = 1,
    /// The command line was refused before any window opened.
    Refused = 2,
    /// The dialog failed: no display, the display lost, the window not built, the date not written.
    Failed = 3,
    /// The dialog ended by itself after --timeout; with --print the date then selected was written.
    TimedOut = 5,
};

} // namespace app
