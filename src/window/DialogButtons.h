#pragma once

#include "markup/MarkupLabel.h"
#include "window/FormSetup.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

/// How the user ended the window: not yet, with OK, or with Cancel (Cancel, Escape, or closing it).
enum class DialogResult { None, Ok, Cancel };

/// The ending of a script's dialog: the row of buttons below the frame, what Enter, Escape and
/// losing the focus do, and the result. It owns the buttons' descriptions and states, their
/// elements in the label's tree, and the result; it ends the window through the closing function
/// it is given.
class DialogButtons {
public:
    DialogButtons(markup::MarkupLabel& label, const DialogSetup& setup);

    /// How the window is closed once the dialog has a result.
    void SetCloser(std::function<void()> close) { close_ = std::move(close); }
    /// A new, unattached row of the buttons, or nothing when the dialog shows none.
    markup::ElementPtr Build();
    /// How many buttons the row has.
    int32_t Count() const { return static_cast<int32_t>(buttons_.size()); }
    /// Button `index`, or nothing when the window has none.
    markup::ElementPtr Button(int32_t index) const;
    /// The caption of button `index`: the one set, or the default in the user's language.
    std::string Caption(int32_t index) const;
    /// The tip of the button under the pointer, or nothing.
    std::optional<std::string> HoveredTip() const;

    /// The lower-case letter that Alt presses button `index` with, or 0.
    char32_t AccessKey(int32_t index) const;
    /// Presses button `index`: ends the dialog as it says, or tells the script's handler.
    void Press(int32_t index);
    /// Alt and `key`: presses the first button that the key marks. Whether one did.
    bool PressAccessKey(char32_t key);
    /// Enter where the focus is on no link or button: presses the default button, or accepts
    /// where the dialog says Enter does.
    void PressEnter();
    /// Whether Ctrl+Enter accepts wherever the focus is: in every dialog.
    bool IsDialog() const { return enterAccepts_ || !buttons_.empty(); }
    /// Escape: declines, accepts or does nothing, as the dialog says.
    void PressEscape();
    /// The window lost the keyboard focus: declines where the dialog asks for it.
    void LostFocus();
    /// Ends the dialog with `result` and closes the window; once it has a result, nothing changes it.
    void End(DialogResult result);
    DialogResult Result() const { return result_; }
    /// The button that ended the window, or -1 when none did (Enter, Escape, closing it).
    int32_t PressedButton() const { return pressedButton_; }

    /// Shows on each button whether the pointer is over it or pressing it.
    void ShowStates();
    /// Gives the buttons the colours of the scheme in use.
    void Recolour();

private:
    markup::MarkupLabel& label_;
    std::vector<ButtonDescription> buttons_;
    int32_t defaultButton_;
    bool enterAccepts_;
    EscapeKey escapeKey_;
    bool closeOnUnfocus_;
    std::function<void(int32_t)> handler_;
    std::function<void()> close_;
    // What each button shows: 0 plain, 1 hovered, 2 pressed.
    std::vector<int> states_;
    int32_t pressedButton_ = -1;
    DialogResult result_ = DialogResult::None;
};
