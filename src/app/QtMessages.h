#pragma once

/// Where Qt's own messages go, and the complaints of the libraries below it. A script that reads
/// standard error expects the picker's one line on a failure; Qt's warnings (no XDG_RUNTIME_DIR,
/// no compose table for the locale) and the libraries' (fontconfig without a writable cache)
/// would add lines of their own. So they are dropped, unless QT_LOGGING_RULES is set and not
/// empty, as one sets it to see them: then Qt's are written as Qt writes them, filtered by those
/// rules, and the libraries' as the libraries write them.
namespace qtmessages {

/// Sends Qt's and the libraries' messages their way from now on; call before Qt can say
/// anything, with the standard streams held.
void Route();

} // namespace qtmessages
