#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <string>

namespace app {

/// The C library's text in `codeset` (ISO-8859-1, EUC-JP, UTF-8, ...) as a QString; bytes that do
/// not convert are read as UTF-8. Qt reads every locale's bytes as UTF-8.
QString FromCodeset(const char* bytes, size_t length, const std::string& codeset);

/// `text` in `codeset`, for the C library to read. A character the codeset cannot write ends
/// the result; what came before it stays.
QByteArray ToCodeset(const QString& text, const std::string& codeset);

/// The system's words for an error number, in the user's language and read in the codeset of
/// the user's locale.
QString SystemErrorText(int number);

} // namespace app
