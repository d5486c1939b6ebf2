#include "window/SpecialDateLinks.h"

#include "markup/Inlines.h"
#include "markup/StackPanel.h"
#include "markup/TextBlock.h"
#include "markup/modXaml.h"
#include "platform/Cursors.h"
#include "runtime/Clock.h"
#include "runtime/RuntimeError.h"
#include "runtime/Checked.h"
#include "window/DesignColours.h"
#include "window/SpecialDates.h"

using markup::As;
using runtime::Date;

int32_t SpecialDateLinks::LinkColumnOf(int32_t index) { return index >= 0 && index <= 2 ? 0 : 1; }

markup::ThicknessPtr SpecialDateLinks::LinkMargin(int32_t index)
{
    // A wider gap after each month's last-day link pairs the links of one month.
    const bool closesPair = index == 4 || index == 6 || index == 8;
    return modXaml::CreateThickness(1, 1, 1, closesPair ? 6 : 1);
}

std::string SpecialDateLinks::SpecialDateCaption(int32_t index)
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
    return index >= 0 && index < Count ? tr(captions[index]).toStdString() : "";
}

markup::ElementPtr SpecialDateLinks::CreateSpecialDateLink(int32_t index)
{
    const auto context = label_.MarkupContext();
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

void SpecialDateLinks::AddPanelsTo(markup::Panel& row)
{
    const auto context = label_.MarkupContext();
    std::array<std::shared_ptr<markup::StackPanel>, 2> panels;
    for (auto& panel : panels) {
        panel = As<markup::StackPanel>(context->CreateObject("StackPanel"));
        panel->SetOrientation(markup::Vertical);
        panel->SetMargin(modXaml::CreateThickness(4, 4, 4, 4));
    }
    for (int32_t index = 0; index < Count; ++index)
        panels[runtime::CheckedIndex(LinkColumnOf(index), 2)]->Children().Add(CreateSpecialDateLink(index));
    for (const auto& panel : panels)
        row.Children().Add(panel);
}

markup::ElementPtr SpecialDateLinks::Link(int32_t index) const
{
    const auto& root = label_.RootElement();
    return root ? root->FindName("SpecialDate_" + std::to_string(index)) : nullptr;
}

std::optional<int32_t> SpecialDateLinks::Hovered() const
{
    for (int32_t index = 0; index < Count; ++index)
        if (const markup::ElementPtr link = Link(index); link && link->IsMouseOver())
            return index;
    return std::nullopt;
}

std::string SpecialDateLinks::Description(int32_t index)
{
    // On the calendar's last day "Tomorrow" has no date; the caption alone still says what it is.
    try {
        return SpecialDateCaption(index) + ", " + SpecialDate(index, runtime::Today()).LongText();
    } catch (const runtime::RuntimeError&) {
        return SpecialDateCaption(index);
    }
}

markup::SolidColorBrushPtr SpecialDateLinks::Brush(bool dimmed) const
{
    const int32_t colour = design::CurrentColours().Link;
    if (!dimmed)
        return label_.MarkupContext()->CreateSolidBrush(colour);
    const design::DimmedInk ink = design::DimmedInkOf(colour);
    return modXaml::CreateBrush(ink.Colour, ink.Transparency);
}

// A link whose date lies outside the bounds is dimmed, as such values are, and shows the arrow:
// its click changes nothing.
void SpecialDateLinks::ShowRefused(const slider::DateRange& range)
{
    const Date today = runtime::Today();
    for (int32_t index = 0; index < Count; ++index) {
        bool refused = true;
        try {
            const Date date = SpecialDate(index, today);
            refused = date < range.First || range.Last < date;
        } catch (const runtime::RuntimeError&) {
        }
        const auto link = As<markup::Hyperlink>(Link(index));
        bool& shown = dimmed_[static_cast<size_t>(index)];
        if (!link || refused == shown)
            continue;
        shown = refused;
        link->SetForeground(Brush(refused));
        link->SetCursor(refused ? platform::IDC_ARROW : 0);
    }
}

void SpecialDateLinks::Recolour()
{
    for (int32_t index = 0; index < Count; ++index)
        if (const auto link = As<markup::Hyperlink>(Link(index)))
            link->SetForeground(Brush(dimmed_[static_cast<size_t>(index)]));
}
