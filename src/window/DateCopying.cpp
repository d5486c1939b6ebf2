// Copying the selected date, as the header shows it or in ISO 8601 form, with the copy keys
// or from the context menu that a right click, the Menu key or Shift+F10 opens; and pasting
// a date copied elsewhere, with the paste keys or from the same menu.

#include "window/Form1.h"

#include "platform/Clipboard.h"
#include "platform/ContextMenu.h"
#include "platform/HostWindow.h"
#include "platform/Keyboard.h"
#include "platform/Messages.h"
#include "runtime/DateText.h"
#include "runtime/RuntimeError.h"

#include <vector>

using namespace platform;

namespace {

// The context menu's entries, in the order it shows them.
enum MenuEntry { CopyAsShownEntry, CopyIsoEntry, PasteEntry, TodayEntry };

bool FromKeyboard(LPARAM at)
{
    return SignedLowWord(static_cast<uintptr_t>(at)) == -1 && SignedHighWord(static_cast<uintptr_t>(at)) == -1;
}

} // namespace

void Form1::CopyDate(CopyForm form) const
{
    // Before the window is built there is no date to copy.
    if (!DateHeader())
        return;
    SetClipboardText(form == CopyForm::Iso ? SelectedDate().IsoText() : DateHeader()->Text());
}

// The clipboard's date, if it holds one that the picker would select now.
std::optional<runtime::Date> Form1::PastableDate() const
{
    const std::optional<runtime::Date> date = runtime::DateFromText(GetClipboardText());
    if (!date)
        return std::nullopt;
    try {
        return slider::SelectedDateFor(date->Month(), date->Day(), date->Year(), SelectableRange());
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    }
}

void Form1::PasteDate()
{
    typed_ = {};
    // Before the window is built there is nothing to paste into; text that names no date, or
    // a date that is refused, changes nothing.
    if (!DateHeader())
        return;
    if (const std::optional<runtime::Date> date = PastableDate())
        SetDate(date->Month(), date->Day(), date->Year());
}

void Form1::ShowContextMenu(LPARAM at)
{
    if (!DateHeader())
        return;
    const std::vector<std::string> entries = {
        tr("Copy “%1”").arg(QString::fromStdString(DateHeader()->Text())).toStdString(),
        tr("Copy %1").arg(QString::fromStdString(SelectedDate().IsoText())).toStdString(),
        tr("Paste date").toStdString(),
        tr("Today").toStdString(),
    };
    std::vector<bool> enabled(entries.size(), true);
    enabled[PasteEntry] = PastableDate().has_value();
    const QPoint position = ContextMenuPosition(at);
    // The menu has returned before anything is done, so its own event loop never sees a failure.
    switch (platform::ShowContextMenu(position.x(), position.y(), entries, enabled)) {
    case CopyAsShownEntry:
        CopyDate(CopyForm::AsShown);
        break;
    case CopyIsoEntry:
        CopyDate(CopyForm::Iso);
        break;
    case PasteEntry:
        // Through the procedure chain, as the Paste key sends it.
        SendMessageA(hWnd_, WM_PASTE, 0, 0);
        break;
    case TodayEntry:
        HandleKeyDown(VK_HOME);
        break;
    default:
        break;
    }
}

// A menu asked for from the keyboard opens at the focused element, or in the middle of the
// window when nothing has the focus.
QPoint Form1::ContextMenuPosition(LPARAM at) const
{
    if (!FromKeyboard(at))
        return {SignedLowWord(static_cast<uintptr_t>(at)), SignedHighWord(static_cast<uintptr_t>(at))};
    markupLabel1_->UpdateLayout();
    QPointF inLabel = QRectF(QPointF(), markupLabel1_->Size()).center();
    if (const markup::ElementPtr& focused = markupLabel1_->FocusElement())
        inLabel = focused->Bounds().center();
    const QPoint inClient = (inLabel + LabelPosition()).toPoint();
    return host_ ? host_->mapToGlobal(inClient) : inClient;
}
