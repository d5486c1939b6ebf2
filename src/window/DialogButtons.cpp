// Cancel and OK below the frame, when the picker serves as a dialog, or a script's own row of
// buttons: rounded boxes in the frame's colours and the label's font, lit while the pointer is
// over them, all as wide as the widest caption. The default button, which Enter presses (OK),
// has the stronger outline. A button is pressed by a left press and release over it, by Enter
// or Space while it has the focus, or by a screen reader; OK accepts the date and Cancel,
// Escape or closing the window cancel.

#include "window/DialogButtons.h"

#include "markup/Border.h"
#include "markup/StackPanel.h"
#include "markup/TextBlock.h"
#include "markup/modXaml.h"
#include "runtime/Checked.h"
#include "window/DesignColours.h"

#include <QChar>
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

DialogButtons::DialogButtons(markup::MarkupLabel& label, const DialogSetup& setup)
    : label_(label), buttons_(setup.Buttons),
      defaultButton_(setup.DefaultButton >= 0 && setup.DefaultButton < std::ssize(buttons_) ? setup.DefaultButton : -1),
      enterAccepts_(setup.EnterAccepts), escapeKey_(setup.Escape), closeOnUnfocus_(setup.CloseOnUnfocus),
      handler_(setup.ButtonHandler), states_(buttons_.size(), 0)
{
}

std::string DialogButtons::Caption(int32_t index) const
{
    const ButtonDescription& button = buttons_[static_cast<size_t>(runtime::CheckedIndex(index, Count()))];
    if (button.Caption)
        return *button.Caption;
    return QCoreApplication::translate("Form1", button.Press == ButtonPress::Decline ? CancelCaption : OkCaption)
        .toStdString();
}

markup::ElementPtr DialogButtons::Build()
{
    if (buttons_.empty())
        return nullptr;
    const auto context = label_.MarkupContext();
    const auto row = As<markup::StackPanel>(context->CreateObject("StackPanel"));
    row->SetOrientation(markup::Horizontal);
    row->SetHorizontalAlignment(markup::AlignEnd);
    row->SetMargin(CreateThickness(0, 5, 0, 0));

    for (int32_t index = 0; index < Count(); ++index) {
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
        caption->SetText(Caption(index));
        caption->SetHorizontalAlignment(markup::AlignCentre);
        content->Children().Add(caption);
        // Hidden, but their space is kept: all buttons are as wide as the widest caption,
        // whatever the language.
        for (int32_t other = 0; other < Count(); ++other) {
            const auto sizing = As<markup::TextBlock>(context->CreateObject("TextBlock"));
            sizing->SetText(Caption(other));
            sizing->SetVisibility(markup::Hidden);
            content->Children().Add(sizing);
        }
        button->SetChild(content);
        row->Children().Add(button);
    }
    return row;
}

markup::ElementPtr DialogButtons::Button(int32_t index) const
{
    const auto& root = label_.RootElement();
    return root && index >= 0 && index < Count() ? root->FindName(ButtonName(index)) : nullptr;
}

std::optional<std::string> DialogButtons::HoveredTip() const
{
    for (int32_t index = 0; index < Count(); ++index)
        if (const markup::ElementPtr button = Button(index); button && button->IsMouseOver())
            return buttons_[static_cast<size_t>(index)].Tooltip;
    return std::nullopt;
}

void DialogButtons::Press(int32_t index)
{
    const ButtonPress press = buttons_[static_cast<size_t>(runtime::CheckedIndex(index, Count()))].Press;
    if (press == ButtonPress::Notify) {
        if (handler_)
            handler_(index);
        return;
    }
    pressedButton_ = index;
    End(press == ButtonPress::Accept ? DialogResult::Ok : DialogResult::Cancel);
}

char32_t DialogButtons::AccessKey(int32_t index) const
{
    return buttons_[static_cast<size_t>(runtime::CheckedIndex(index, Count()))].AccessKey;
}

bool DialogButtons::PressAccessKey(char32_t key)
{
    const char32_t lower = QChar::toLower(key);
    for (int32_t index = 0; index < Count(); ++index)
        if (lower != 0 && AccessKey(index) == lower) {
            Press(index);
            return true;
        }
    return false;
}

void DialogButtons::PressEnter()
{
    if (defaultButton_ >= 0)
        Press(defaultButton_);
    else if (enterAccepts_)
        End(DialogResult::Ok);
}

void DialogButtons::PressEscape()
{
    if (escapeKey_ != EscapeKey::Nothing)
        End(escapeKey_ == EscapeKey::Accept ? DialogResult::Ok : DialogResult::Cancel);
}

// Whatever Escape is set to do, nobody accepted the date by looking elsewhere.
void DialogButtons::LostFocus()
{
    if (closeOnUnfocus_)
        End(DialogResult::Cancel);
}

void DialogButtons::End(DialogResult result)
{
    // The first ending stands: an Enter or a timeout that arrives while the window closes
    // after Escape does not turn Cancel into OK.
    if (result_ != DialogResult::None)
        return;
    result_ = result;
    if (close_)
        close_();
}

void DialogButtons::ShowStates()
{
    for (int32_t index = 0; index < std::ssize(states_); ++index) {
        const auto button = std::dynamic_pointer_cast<markup::Border>(Button(index));
        if (!button)
            return;
        const int state = !button->IsMouseOver() ? 0 : label_.PressedElement() == button ? 2 : 1;
        if (state == states_[static_cast<size_t>(index)])
            continue;
        states_[static_cast<size_t>(index)] = state;
        ColourButton(*button, state, index == defaultButton_);
    }
}

void DialogButtons::Recolour()
{
    for (int32_t index = 0; index < std::ssize(states_); ++index)
        if (const auto button = As<markup::Border>(Button(index)))
            ColourButton(*button, states_[static_cast<size_t>(index)], index == defaultButton_);
}
