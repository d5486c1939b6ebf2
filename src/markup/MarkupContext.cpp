#include "markup/MarkupContext.h"

#include "markup/Border.h"
#include "markup/Grid.h"
#include "markup/Inlines.h"
#include "markup/MarkupLabel.h"
#include "markup/StackPanel.h"
#include "markup/TextBlock.h"

namespace markup {

MarkupObjectPtr MarkupContext::CreateObject(std::string_view tag) const
{
    if (tag == "StackPanel")
        return std::make_shared<StackPanel>();
    if (tag == "TextBlock")
        return std::make_shared<TextBlock>();
    if (tag == "Border")
        return std::make_shared<Border>();
    if (tag == "Grid")
        return std::make_shared<Grid>();
    if (tag == "RowDefinition")
        return std::make_shared<RowDefinition>();
    if (tag == "Hyperlink")
        return std::make_shared<Hyperlink>();
    if (tag == "Run")
        return std::make_shared<Run>();
    if (tag == "SolidColorBrush")
        return std::make_shared<SolidColorBrush>();
    runtime::Raise(runtime::ErrInvalidCall);
}

SolidColorBrushPtr MarkupContext::CreateSolidBrush(int32_t colour) const
{
    auto brush = std::make_shared<SolidColorBrush>();
    brush->SetColor(static_cast<int32_t>((static_cast<uint32_t>(colour) & 0x00FFFFFFu) | 0xFF000000u));
    return brush;
}

ThicknessPtr MarkupContext::CreateThicknessObject(int32_t left, int32_t top, int32_t right, int32_t bottom) const
{
    return std::make_shared<Thickness>(left, top, right, bottom);
}

void MarkupContext::SetHandler(runtime::Dispatchable* handler) const
{
    const auto label = label_.lock();
    if (!label)
        runtime::Raise(runtime::ErrInvalidCall);
    label->SetHandlerObject(handler);
}

} // namespace markup
