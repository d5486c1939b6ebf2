#pragma once

#include <QByteArray>
#include <QString>

/// Standard output as a script's dialog writes to it.
namespace standardoutput {

/// Keeps the three standard streams' numbers taken. A stream the program was started without
/// is opened on /dev/null, so that no connection the program opens later (the display's, say)
/// takes its number and receives what is meant for the stream; standard output remembers
/// that it was missing.
void HoldStandardStreams();

/// Writes `text` to standard output in full. Returns an empty text, or why it could not be
/// written (the system's words, in the user's language).
QString Write(const QByteArray& text);

} // namespace standardoutput
