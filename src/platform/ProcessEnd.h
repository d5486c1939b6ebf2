#pragma once

namespace platform {

/// Hands back `status` for main() to return, once the window is gone. Where closing the
/// connection to the window system or to the session bus can hang, it flushes the standard
/// streams and ends the process with `status` at once instead; call it with nothing left to do
/// but return.
int EndOfWindowSystemRun(int status);

} // namespace platform
