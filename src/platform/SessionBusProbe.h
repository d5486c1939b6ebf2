#pragma once

#include <QString>

namespace platform {

/// The session bus's address: DBUS_SESSION_BUS_ADDRESS, or the runtime folder's socket where it
/// is unset and the socket exists; empty where no bus is named.
QString SessionBusAddress();

/// Whether the bus at `address` answers the first words of a connection, as a bus that runs
/// does at once. Waits as long as the bus takes, for ever where it stays silent; call it beside
/// the window. A bus this cannot reach by itself (not a local socket) counts as answering.
bool SessionBusAnswers(const QString& address);

/// Points the session bus's address at no bus, so that the libraries that would connect to a
/// silent bus (and wait for it for ever) fail at once instead.
void HideSessionBus();

} // namespace platform
