#pragma once

#include <QString>

namespace app {

/// How the text of --text is written.
enum class TextMarkup {
    /// Shown as it stands (--no-markup).
    Plain,
    /// Pango markup, as other dialogs take it: tags are removed and entities decoded.
    Pango,
};

/// The prompt that --text asks for, as plain text: "\n" starts a new line, and markup is removed
/// when the text is written in it.
QString PromptText(const QString& text, TextMarkup markup);

} // namespace app
