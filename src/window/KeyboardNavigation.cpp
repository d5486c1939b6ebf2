// The picker without a mouse: Tab and Shift+Tab move a focus ring through the three columns,
// the nine links and the dialog buttons; keys over a column step it, Home selects today,
// Enter or Space on a link or a button acts as a click. In a dialog Enter elsewhere presses the
// default button, or accepts where the dialog shows none; with a row of buttons of its own and
// none the default, it does nothing there, as other dialogs' calendars do. Ctrl+Enter accepts
// a dialog from anywhere. Escape cancels, and
// closes the window, unless the dialog says otherwise. Ctrl+C copies the date as the header shows it and
// Ctrl+Shift+C in ISO form; Ctrl+V and Shift+Insert paste a date. Every change of the date
// still goes through SetDate.

#include "window/Form1.h"

#include "platform/Keyboard.h"
#include "runtime/Clock.h"
#include "runtime/RuntimeError.h"

using namespace platform;

namespace {

constexpr int32_t LinkCount = 9;
constexpr int32_t YearsPerPage = 10;

} // namespace

// The date columns, the time columns in the language's order, then links 0..8, then the buttons.
int32_t Form1::ColumnStopCount() const
{
    return slider::ColumnCount + (time_ ? static_cast<int32_t>(time_->Columns().size()) : 0);
}

int32_t Form1::ColumnAtStop(int32_t stop) const
{
    if (stop < 0 || stop >= ColumnStopCount())
        return -1;
    return stop < slider::ColumnCount ? columnOrder_.ColumnAt(stop)
                                      : time_->Columns()[static_cast<size_t>(stop - slider::ColumnCount)];
}

int32_t Form1::FocusedColumn() const { return ColumnAtStop(focusIndex_); }

void Form1::SetFocusIndex(int32_t index)
{
    focusIndex_ = index;
    typed_ = {};
    const int32_t firstLink = ColumnStopCount();
    if (index < 0)
        markupLabel1_->SetFocusElement(nullptr);
    else if (index < firstLink)
        markupLabel1_->SetFocusElement(ColumnGrid(ColumnAtStop(index)));
    else if (index < firstLink + LinkCount)
        markupLabel1_->SetFocusElement(SpecialDateLink(index - firstLink));
    else
        markupLabel1_->SetFocusElement(DialogButton(index - firstLink - LinkCount));
    AnnounceFocus();
}

// Until Tab or a key has placed the focus, a key acts on the first column, as if it had the
// focus; the ring shows from that key on, so nothing changes on screen before a key is pressed.
void Form1::PlaceFocusForKey()
{
    if (focusIndex_ < 0)
        SetFocusIndex(0);
}

void Form1::HandleKeyDown(int virtualKey)
{
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    // Tab places the focus itself: forwards on the first column, backwards on the last stop.
    if (virtualKey != VK_TAB)
        PlaceFocusForKey();
    const int32_t focus = focusIndex_;
    const int32_t column = FocusedColumn();
    const int32_t firstLink = ColumnStopCount();
    const int32_t firstButton = firstLink + LinkCount;
    // Any key ends what was being typed into a column.
    typed_ = {};
    // A refused selection (a page of years past the last one) leaves the picker as it was;
    // like a failing click, it must not reach the message loop.
    try {
        switch (virtualKey) {
        case VK_TAB: {
            const int32_t from = focus < 0 ? (shift ? 0 : -1) : focus;
            SetFocusIndex((from + (shift ? -1 : 1) + FocusStopCount()) % FocusStopCount());
            break;
        }
        case VK_UP:
        case VK_DOWN:
            if (column >= 0)
                StepColumn(column, virtualKey == VK_DOWN ? 1 : -1);
            break;
        case VK_PRIOR:
        case VK_NEXT:
            if (column == slider::YearColumn) {
                const int32_t row = SelectedRow();
                const int32_t years = virtualKey == VK_NEXT ? YearsPerPage : -YearsPerPage;
                SetDate(CellValues()(row, 0), CellValues()(row, 1), CellValues()(row, 2) + years);
            }
            break;
        case VK_HOME: {
            const runtime::Date today = runtime::Today();
            SetDate(today.Month(), today.Day(), today.Year());
            break;
        }
        case VK_C:
            if (control)
                CopyDate(shift ? CopyForm::Iso : CopyForm::AsShown);
            break;
        case VK_V:
        case VK_INSERT:
            if (virtualKey == VK_V ? control : shift && !control)
                PasteDate();
            break;
        case VK_RETURN:
        case VK_SPACE:
            // In a dialog Ctrl+Enter accepts wherever the focus is, whatever buttons it shows, as
            // scripts written for other dialogs expect.
            if (virtualKey == VK_RETURN && control && (enterAccepts_ || !dialogButtons_.empty()))
                EndDialog(DialogResult::Ok);
            else if (focus >= firstLink && focus < firstButton)
                ActivateLink(focus - firstLink);
            else if (focus >= firstButton)
                PressDialogButton(focus - firstButton);
            else if (virtualKey == VK_RETURN && defaultButton_ >= 0)
                PressDialogButton(defaultButton_);
            else if (virtualKey == VK_RETURN && enterAccepts_)
                EndDialog(DialogResult::Ok);
            break;
        case VK_ESCAPE:
            if (escapeKey_ != EscapeKey::Nothing)
                EndDialog(escapeKey_ == EscapeKey::Accept ? DialogResult::Ok : DialogResult::Cancel);
            break;
        default:
            break;
        }
    } catch (const runtime::RuntimeError&) {
    }
}
