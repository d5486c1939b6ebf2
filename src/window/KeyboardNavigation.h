#pragma once

#include "date/DateSlider.h"
#include "window/ColumnTyping.h"
#include "window/DateClipboard.h"
#include "window/DialogButtons.h"
#include "window/KeyboardFocus.h"

#include <cstdint>
#include <functional>

/// The picker without a mouse. It owns the keyboard focus and what each key does: it steps the
/// focused column and moves the focus through the window's functions, selects dates through the
/// date grid, hands typed characters to the typing, copies and pastes through the clipboard, and
/// ends a dialog through its buttons.
class KeyboardNavigation {
public:
    /// What the keys ask of the window itself.
    struct WindowActions {
        /// Moves column `column` one step on (+1) or back (-1).
        std::function<void(int32_t column, int32_t step)> OnStep;
        /// Acts as a click on special-date link `index`.
        std::function<void(int32_t index)> OnLinkPressed;
        /// Shows the focus ring on the element at focus stop `stop` (-1 none).
        std::function<void(int32_t stop)> OnFocusMoved;
    };

    KeyboardNavigation(DateSlider& date, ColumnTyping& typing, DateClipboard& clipboard, DialogButtons& dialog,
                       WindowActions window)
        : date_(date), typing_(typing), clipboard_(clipboard), dialog_(dialog), window_(std::move(window))
    {
    }

    const KeyboardFocus& Focus() const { return focus_; }
    /// The focus stops: the columns shown in `columns`, in order, then the links and the buttons.
    void SetStops(std::vector<int32_t> columns, int32_t links, int32_t buttons);
    /// A key went down: `virtualKey` as platform/Keyboard.h names it.
    void KeyDown(int virtualKey);
    /// A character was typed at `at`, the message time in milliseconds.
    void Character(char32_t character, int64_t at);
    /// A character was typed with Alt: presses the button whose caption marks it.
    void AccessKey(char32_t character);
    /// Moves the focus to stop `stop` (-1 none), ending any entry typed into a column.
    void MoveFocus(int32_t stop);

private:
    void PressEnterOrSpace(int virtualKey, bool control);
    void PageYears(int virtualKey);

    DateSlider& date_;
    ColumnTyping& typing_;
    DateClipboard& clipboard_;
    DialogButtons& dialog_;
    WindowActions window_;
    KeyboardFocus focus_;
};
