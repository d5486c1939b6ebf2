#pragma once

namespace app {

/// The statuses a dialog of a script ends with. The picker's own, those of app::ExitStatus, are
/// zenity's; a script written for another dialog tool tests that tool's.
struct EndStatuses {
    /// OK, or a button that ends with status 0.
    int accepted = 0;
    /// Cancel, or a button that ends with status 1.
    int declined = 1;
    /// Escape, or closing the window.
    int dismissed = 1;
    int timedOut = 5;
    /// Whether a timeout prints the date selected then.
    bool printsOnTimeout = true;

    /// The status for the picker's own `status`.
    int Of(int status) const { return status == 0 ? accepted : status == 1 ? declined : status; }
};

} // namespace app
