// Tab and Shift+Tab move a focus ring through the columns, the links and the dialog buttons;
// keys over a column step it, Home selects today, Enter or Space on a link or a button acts as a
// click, and the dialog decides what Enter elsewhere, Ctrl+Enter and Escape do. Until Tab or a key
// has placed the focus, a key acts on the first column, and the ring shows from that key on, so
// nothing changes on screen before a key is pressed. Ctrl+C copies the date as the header shows it
// and Ctrl+Shift+C in ISO form; Ctrl+V and Shift+Insert paste a date. Every change of the date
// still goes through SetDate.

#include "window/KeyboardNavigation.h"

#include "platform/Keyboard.h"
#include "runtime/Clock.h"
#include "runtime/RuntimeError.h"

using namespace platform;

namespace {

constexpr int32_t YearsPerPage = 10;

} // namespace

void KeyboardNavigation::SetStops(std::vector<int32_t> columns, int32_t links, int32_t buttons)
{
    focus_.SetStops(std::move(columns), links, buttons);
}

void KeyboardNavigation::MoveFocus(int32_t stop)
{
    focus_.MoveTo(stop);
    typing_.End();
    window_.OnFocusMoved(stop);
}

void KeyboardNavigation::KeyDown(int virtualKey)
{
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    // Tab places the focus itself: forwards on the first column, backwards on the last stop.
    if (virtualKey != VK_TAB && focus_.Index() < 0)
        MoveFocus(0);
    const int32_t column = focus_.FocusedColumn();
    // Any key ends what was being typed into a column.
    typing_.End();
    // A refused selection (a page of years past the last one) leaves the picker as it was;
    // like a failing click, it must not reach the message loop.
    try {
        switch (virtualKey) {
        case VK_TAB:
            MoveFocus(focus_.NextStop(shift));
            break;
        case VK_UP:
        case VK_DOWN:
            if (column >= 0)
                window_.OnStep(column, virtualKey == VK_DOWN ? 1 : -1);
            break;
        case VK_PRIOR:
        case VK_NEXT:
            if (column == slider::YearColumn)
                PageYears(virtualKey);
            break;
        case VK_HOME: {
            const runtime::Date today = runtime::Today();
            date_.SetDate(today.Month(), today.Day(), today.Year());
            break;
        }
        case VK_C:
            if (control)
                clipboard_.Copy(shift ? DateClipboard::CopyForm::Iso : DateClipboard::CopyForm::AsShown);
            break;
        case VK_V:
        case VK_INSERT:
            if (virtualKey == VK_V ? control : shift && !control)
                clipboard_.Paste();
            break;
        case VK_RETURN:
        case VK_SPACE:
            PressEnterOrSpace(virtualKey, control);
            break;
        case VK_ESCAPE:
            dialog_.PressEscape();
            break;
        default:
            break;
        }
    } catch (const runtime::RuntimeError&) {
    }
}

void KeyboardNavigation::PageYears(int virtualKey)
{
    const int32_t row = date_.SelectedRow();
    const int32_t years = virtualKey == VK_NEXT ? YearsPerPage : -YearsPerPage;
    const slider::CellGrid& values = date_.CellValues();
    date_.SetDate(values(row, 0), values(row, 1), values(row, 2) + years);
}

void KeyboardNavigation::PressEnterOrSpace(int virtualKey, bool control)
{
    // Ctrl+Enter accepts a dialog wherever the focus is, whatever buttons it shows, as scripts
    // written for other dialogs expect.
    if (virtualKey == VK_RETURN && control && dialog_.IsDialog())
        dialog_.End(DialogResult::Ok);
    else if (const std::optional<int32_t> link = focus_.FocusedLink())
        window_.OnLinkPressed(*link);
    else if (const std::optional<int32_t> button = focus_.FocusedButton())
        dialog_.Press(*button);
    else if (virtualKey == VK_RETURN)
        dialog_.PressEnter();
}

void KeyboardNavigation::Character(char32_t character, int64_t at)
{
    // Text from an input method comes without a key before it.
    if (focus_.Index() < 0)
        MoveFocus(0);
    const int32_t column = focus_.FocusedColumn();
    if (column < 0)
        typing_.End();
    else
        typing_.Take(column, character, at);
}

void KeyboardNavigation::AccessKey(char32_t character)
{
    typing_.End();
    dialog_.PressAccessKey(character);
}
