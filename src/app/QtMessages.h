#pragma once

/// Where Qt's own messages go. A script that reads standard error expects the picker's one line
/// on a failure; Qt's warnings (no XDG_RUNTIME_DIR, no compose table for the locale) would add
/// lines of their own. So they are dropped, unless QT_LOGGING_RULES is set and not empty, as one
/// sets it to see them: then they are written as Qt writes them, filtered by those rules.
namespace qtmessages {

/// Sends Qt's messages their way from now on; call before Qt can say anything.
void Route();

} // namespace qtmessages
