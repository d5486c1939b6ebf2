#pragma once

#include <functional>
#include <string_view>

// Standard error as a script reads it: line by line. yad writes the window's id there without
// a line's end; a line of the picker's own that follows still starts a line.
namespace runtime {

/// Writes `lines` on standard error, ending the last with a line's end if it has none, and
/// starting on a new line when a text without one came before. Written straight to the file,
/// past stdio's buffer, so that a process that ends at once afterwards loses nothing.
void WriteErrorLines(std::string_view lines);

/// Writes `text` on standard error as it stands, without a line's end.
void WriteErrorText(std::string_view text);

/// From now on only what is written here reaches standard error: the libraries below Qt
/// (fontconfig, Xlib, ...) write their complaints to file descriptor 2, which then leads
/// nowhere, so that they add no lines to the picker's one line of a failure.
void KeepStandardErrorForOwnLines();

/// Runs `start`, which starts another program, with file descriptor 2 on standard error again
/// for the program to inherit.
void WithStandardErrorInherited(const std::function<void()>& start);

} // namespace runtime
