#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace app {

/// A button that a script asks for with --button LABEL:ID or --extra-button TEXT.
struct ScriptButton {
    /// The caption as shown: a stock name ("gtk-ok") in the user's language, the mnemonic's
    /// underscore removed ("_Save" shows "Save").
    QString caption;
    /// The tip shown while the pointer rests on the button; empty for none.
    QString tooltip;
    /// The status that ending the dialog with the button gives.
    int status = 0;
    /// A command for /bin/sh -c that the button runs, leaving the dialog open; empty for a button
    /// that ends the dialog.
    QString command;
    /// Whether ending with the button prints its caption in place of the date, as zenity's extra
    /// buttons do.
    bool printsCaption = false;
    /// The letter the mnemonic's underscore marks, lower-cased, which Alt presses the button
    /// with; 0 for none.
    char32_t accessKey = 0;
};

/// The button of a --button value "LABEL:ID", or "LABEL!ICON!TOOLTIP:ID"; the icon is not shown.
/// An ID that begins with a number is the status (without one it is 0), any other a command.
/// Nothing when the status lies outside 0..255.
std::optional<ScriptButton> ReadScriptButton(const QString& value);

/// A button of --extra-button: it prints its caption and ends with status 1.
ScriptButton ExtraButton(const QString& caption);

/// The buttons a dialog shows: the --button ones in place of Cancel and OK, or Cancel (status 1)
/// and OK (status 0) with the captions given (empty: the usual ones) followed by the extra buttons,
/// or none with --no-buttons.
std::vector<ScriptButton> DialogButtonRow(const std::vector<ScriptButton>& buttons,
                                          const std::vector<ScriptButton>& extraButtons, bool noButtons,
                                          const QString& cancelLabel, const QString& okLabel);

} // namespace app
