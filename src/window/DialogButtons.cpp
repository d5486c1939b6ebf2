// Cancel and OK below the frame, when the picker serves as a dialog, or a script's own row of
// buttons: rounded boxes in the frame's colours and the label's font, lit while the pointer is
// over them, all as wide as the widest caption. The default button, which Enter presses (OK),
// has the stronger outline. A button is pressed by a left press and release over it, by Enter
// or Space while it has the focus, or by a screen reader; OK accepts the date and Cancel,
// Escape or closing the window cancel.

#include "window/Form1.h"

#include "markup/Border.h"
#include "markup/StackPanel.h"
#include "markup/modXaml.h"
#include "platform/HostWindow.h"
#include "runtime/Checked.h"
#include "window/DesignColours.h"
#include "window/SenderName.h"

#include <QCoreApplication>

using markup::As;
using modXaml::CreateBrush;
using modXaml::CreateThickness;

namespace {

// The button's background transparency: plain as the frame, then stronger under the pointer
// and while pressed.
constexpr float StateTransparency[] = {90, 75, 60};

// In the frame's colour; the default button has the stronger outline.
void ColourButton(markup::Border& button, int state, bool isDefault)
{
    const int32_t colour = design::CurrentColours().Frame;
    button.SetBackground(CreateBrush(colour, StateTransparency[state]));
    button.SetBorderBrush(CreateBrush(colour, isDefault ? 0 : 50));
}

const char* const CancelCaption = QT_TRANSLATE_NOOP("Form1", "Cancel");
const char* const OkCaption = QT_TRANSLATE_NOOP("Form1", "OK");

std::string ButtonName(int32_t index) { return "DialogButton_" + std::to_string(index); }

} // namespace

void Form1::SetButtons(FormButtons buttons)
{
    buttons_ = buttons;
    if (buttons == FormButtons::CancelOk)
        SetDialogButtons({{std::nullopt, ButtonPress::Decline}, {std::nullopt, ButtonPress::Accept}}, 1);
    else
        SetDialogButtons({}, -1);
    enterAccepts_ = buttons == FormButtons::CancelOk;
}

void Form1::SetDialogButtons(std::vector<ButtonDescription> buttons, int32_t defaultButton)
{
    dialogButtons_ = std::move(buttons);
    defaultButton_ = defaultButton >= 0 && defaultButton < std::ssize(dialogButtons_) ? defaultButton : -1;
    buttonStates_.assign(dialogButtons_.size(), 0);
}

void Form1::SetButtonCaptions(std::string cancel, std::string ok)
{
    if (buttons_ != FormButtons::CancelOk)
        return;
    if (!cancel.empty())
        dialogButtons_[0].Caption = std::move(cancel);
    if (!ok.empty())
        dialogButtons_[1].Caption = std::move(ok);
}

std::string Form1::DialogButtonCaption(int32_t index) const
{
    const ButtonDescription& button =
        dialogButtons_[static_cast<size_t>(runtime::CheckedIndex(index, std::ssize(dialogButtons_)))];
    if (button.Caption)
        return *button.Caption;
    return QCoreApplication::translate("Form1", button.Press == ButtonPress::Decline ? CancelCaption : OkCaption)
        .toStdString();
}

markup::ElementPtr Form1::BuildDialogButtons()
{
    const auto context = markupLabel1_->MarkupContext();
    const auto row = As<markup::StackPanel>(context->CreateObject("StackPanel"));
    row->SetOrientation(markup::Horizontal);
    row->SetHorizontalAlignment(markup::AlignEnd);
    row->SetMargin(CreateThickness(0, 5, 0, 0));

    const auto buttonCount = static_cast<int32_t>(dialogButtons_.size());
    for (int32_t index = 0; index < buttonCount; ++index) {
        const auto button = As<markup::Border>(context->CreateObject("Border"));
        button->SetName(ButtonName(index));
        button->SetCornerRadius(CreateThickness(7, 7, 7, 7));
        // The default button's outline is a pixel wider and its padding a pixel narrower, so
        // all buttons keep one size.
        const int32_t outline = index == defaultButton_ ? 2 : 1;
        button->SetPadding(CreateThickness(15 - outline, 3 - outline, 15 - outline, 3 - outline));
        ColourButton(*button, 0, index == defaultButton_);
        button->SetBorderThickness(CreateThickness(outline, outline, outline, outline));
        button->SetMargin(CreateThickness(index == 0 ? 0 : 6, 0, 0, 0));
        button->AddHandler(markup::ClickEvent, "DialogButtonClicked");

        const auto content = As<markup::Grid>(context->CreateObject("Grid"));
        const auto caption = As<markup::TextBlock>(context->CreateObject("TextBlock"));
        caption->SetText(DialogButtonCaption(index));
        caption->SetHorizontalAlignment(markup::AlignCentre);
        content->Children().Add(caption);
        // Hidden, but their space is kept: all buttons are as wide as the widest caption,
        // whatever the language.
        for (int32_t other = 0; other < buttonCount; ++other) {
            const auto sizing = As<markup::TextBlock>(context->CreateObject("TextBlock"));
            sizing->SetText(DialogButtonCaption(other));
            sizing->SetVisibility(markup::Hidden);
            content->Children().Add(sizing);
        }
        button->SetChild(content);
        row->Children().Add(button);
    }
    return row;
}

markup::ElementPtr Form1::DialogButton(int32_t index) const
{
    const auto& root = markupLabel1_->RootElement();
    return root && index >= 0 && index < std::ssize(dialogButtons_) ? root->FindName(ButtonName(index)) : nullptr;
}

void Form1::DialogButtonClicked(const markup::ElementPtr& Sender, const std::any&)
{
    // The label calls this only for a press and a release both over the button, as for a link.
    const std::vector<std::string> parts = SenderNameParts(Sender);
    if (parts.size() == 2)
        PressDialogButton(runtime::TextToInt32(parts[1]));
}

void Form1::PressDialogButton(int32_t index)
{
    const ButtonPress press =
        dialogButtons_[static_cast<size_t>(runtime::CheckedIndex(index, std::ssize(dialogButtons_)))].Press;
    if (press == ButtonPress::Notify) {
        if (buttonHandler_)
            buttonHandler_(index);
        return;
    }
    pressedButton_ = index;
    EndDialog(press == ButtonPress::Accept ? DialogResult::Ok : DialogResult::Cancel);
}

void Form1::EndDialog(DialogResult result)
{
    // The first ending stands: an Enter or a timeout that arrives while the window closes
    // after Escape does not turn Cancel into OK.
    if (result_ != DialogResult::None)
        return;
    result_ = result;
    if (host_)
        host_->Destroy();
}

void Form1::ShowDialogButtonStates()
{
    std::string tooltip;
    for (int32_t index = 0; index < std::ssize(buttonStates_); ++index) {
        const auto button = std::dynamic_pointer_cast<markup::Border>(DialogButton(index));
        if (!button)
            return;
        if (button->IsMouseOver())
            tooltip = dialogButtons_[static_cast<size_t>(index)].Tooltip;
        const int state = !button->IsMouseOver() ? 0 : markupLabel1_->PressedElement() == button ? 2 : 1;
        if (state == buttonStates_[static_cast<size_t>(index)])
            continue;
        buttonStates_[static_cast<size_t>(index)] = state;
        ColourButton(*button, state, index == defaultButton_);
    }
    ShowTooltip(tooltip);
}

void Form1::RecolourDialogButtons()
{
    for (int32_t index = 0; index < std::ssize(buttonStates_); ++index)
        if (const auto button = As<markup::Border>(DialogButton(index)))
            ColourButton(*button, buttonStates_[static_cast<size_t>(index)], index == defaultButton_);
}

int32_t Form1::FocusStopCount() const
{
    return ColumnStopCount() + 9 + static_cast<int32_t>(dialogButtons_.size());
}
