// The nine special-date links beside the columns: today, tomorrow, yesterday, and the
// first and last day of this, the previous and the next month.

#include "window/Form1.h"

#include "markup/Inlines.h"
#include "markup/modXaml.h"
#include "platform/Cursors.h"
#include "runtime/Checked.h"
#include "runtime/Clock.h"
#include "runtime/RuntimeError.h"
#include "window/DesignColours.h"
#include "window/SenderName.h"
#include "window/SpecialDates.h"

using markup::As;
using runtime::Date;

int32_t Form1::LinkColumnOf(int32_t index) const { return index >= 0 && index <= 2 ? 0 : 1; }

markup::ThicknessPtr Form1::LinkMargin(int32_t index) const
{
    // A wider gap after each month's last-day link pairs the links of one month.
    const bool closesPair = index == 4 || index == 6 || index == 8;
    return modXaml::CreateThickness(1, 1, 1, closesPair ? 6 : 1);
}

std::string Form1::SpecialDateCaption(int32_t index) const
{
    static const char* const captions[] = {
        QT_TR_NOOP("Today"),
        QT_TR_NOOP("Tomorrow"),
        QT_TR_NOOP("Yesterday"),
        QT_TR_NOOP("First of this month"),
        QT_TR_NOOP("Last of this month"),
        QT_TR_NOOP("First of last month"),
        QT_TR_NOOP("Last of last month"),
        QT_TR_NOOP("First of next month"),
        QT_TR_NOOP("Last of next month"),
    };
    return index >= 0 && index <= 8 ? tr(captions[index]).toStdString() : "";
}

markup::ElementPtr Form1::CreateSpecialDateLink(int32_t index)
{
    const auto context = markupLabel1_->MarkupContext();
    const auto block = As<markup::TextBlock>(context->CreateObject("TextBlock"));
    block->SetMargin(LinkMargin(index));

    const auto link = As<markup::Hyperlink>(context->CreateObject("Hyperlink"));
    link->SetName("SpecialDate_" + std::to_string(index));
    link->AddHandler(markup::ClickEvent, "SpecialDateClicked");
    link->SetForeground(context->CreateSolidBrush(design::CurrentColours().Link));

    const auto run = As<markup::Run>(context->CreateObject("Run"));
    run->SetText(modXaml::EscapeXaml(SpecialDateCaption(index)));

    link->Inlines().Add(run);
    block->Inlines().Add(link);
    return block;
}

void Form1::RecolourLinks()
{
    for (int32_t index = 0; index <= 8; ++index)
        if (const auto link = As<markup::Hyperlink>(SpecialDateLink(index)))
            link->SetForeground(LinkBrush(dimmedLinks_[static_cast<size_t>(index)]));
}

markup::SolidColorBrushPtr Form1::LinkBrush(bool dimmed) const
{
    const int32_t colour = design::CurrentColours().Link;
    if (!dimmed)
        return markupLabel1_->MarkupContext()->CreateSolidBrush(colour);
    const design::DimmedInk ink = design::DimmedInkOf(colour);
    return modXaml::CreateBrush(ink.Colour, ink.Transparency);
}

// With bounds set, a link whose date lies outside them is dimmed, as such values are, and shows
// the arrow: its click changes nothing. Without bounds every link stays as designed.
void Form1::ShowRefusedLinks()
{
    if (!Bounded())
        return;
    const slider::DateRange range = SelectableRange();
    const Date today = runtime::Today();
    for (int32_t index = 0; index <= 8; ++index) {
        bool refused = true;
        try {
            const Date date = SpecialDate(index, today);
            refused = date < range.First || range.Last < date;
        } catch (const runtime::RuntimeError&) {
        }
        const auto link = As<markup::Hyperlink>(SpecialDateLink(index));
        bool& shown = dimmedLinks_[static_cast<size_t>(index)];
        if (!link || refused == shown)
            continue;
        shown = refused;
        link->SetForeground(LinkBrush(refused));
        link->SetCursor(refused ? platform::IDC_ARROW : 0);
    }
}

std::string Form1::PointerTip() const
{
    for (int32_t index = 0; index <= 8; ++index)
        if (const markup::ElementPtr link = SpecialDateLink(index); link && link->IsMouseOver())
            return SpecialDateDescription(index);
    for (int32_t index = 0; index < std::ssize(dialogButtons_); ++index)
        if (const markup::ElementPtr button = DialogButton(index); button && button->IsMouseOver())
            return dialogButtons_[static_cast<size_t>(index)].Tooltip;
    return PromptTip();
}

void Form1::SpecialDateClicked(const markup::ElementPtr& Sender, const std::any&)
{
    const std::vector<std::string> parts = SenderNameParts(Sender);
    if (parts.size() != 2)
        return;
    const int32_t index = runtime::TextToInt32(parts[1]);
    // The clock is read at every click, so a window left open past midnight follows the new day.
    const Date selected = SpecialDate(index, runtime::Today());
    SetDate(selected.Month(), selected.Day(), selected.Year());
}

markup::ElementPtr Form1::SpecialDateLink(int32_t index) const
{
    const auto& root = markupLabel1_->RootElement();
    return root ? root->FindName("SpecialDate_" + std::to_string(index)) : nullptr;
}

void Form1::ActivateLink(int32_t index)
{
    if (const markup::ElementPtr link = SpecialDateLink(index))
        SpecialDateClicked(link, std::any());
}

std::string Form1::SpecialDateDescription(int32_t index) const
{
    // On the calendar's last day "Tomorrow" has no date; the caption alone still says what it is.
    try {
        return SpecialDateCaption(index) + ", " + SpecialDate(index, runtime::Today()).LongText();
    } catch (const runtime::RuntimeError&) {
        return SpecialDateCaption(index);
    }
}
