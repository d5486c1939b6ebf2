#include "window/Prompt.h"

#include "window/DesignColours.h"

#include <QTextDocument>

using markup::As;

namespace {

// A prompt longer than this many lines ends in an ellipsis, so that the columns and the buttons
// stay on the screen; its tooltip shows it whole, up to a screenful of characters.
constexpr int32_t PromptLines = 10;
constexpr qsizetype PromptTooltipCharacters = 2000;

} // namespace

Prompt::Prompt(markup::MarkupLabel& label, std::string text, int32_t alignment, TextScale scale)
    : label_(label), text_(std::move(text)), alignment_(alignment), scale_(scale)
{
}

std::shared_ptr<markup::TextBlock> Prompt::Build()
{
    if (text_.empty())
        return nullptr;
    // The header's font and colour, but not bold: it reads as the line that introduces it.
    const auto context = label_.MarkupContext();
    const auto prompt = As<markup::TextBlock>(context->CreateObject("TextBlock"));
    prompt->SetName("PromptText");
    prompt->SetMargin(context->CreateThicknessObject(4, 0, 0, 6));
    prompt->SetForeground(context->CreateSolidBrush(design::CurrentColours().Text));
    prompt->SetFontSize(scale_.Pixels(8));
    prompt->SetTextWrapping(markup::Wrap);
    prompt->SetMaxLines(PromptLines);
    prompt->SetTextAlignment(alignment_);
    prompt->SetText(text_);
    return prompt;
}

markup::ElementPtr Prompt::Element() const
{
    const auto& root = label_.RootElement();
    return root ? root->FindName("PromptText") : nullptr;
}

std::string Prompt::Tip() const
{
    const auto prompt = As<markup::TextBlock>(Element());
    if (!prompt || !prompt->IsCut() || !prompt->IsMouseOver())
        return {};
    const QString whole = QString::fromStdString(text_);
    const QString shown = whole.size() > PromptTooltipCharacters
                              ? whole.left(PromptTooltipCharacters) + QChar(0x2026)
                              : whole;
    // As rich text, so that the tooltip wraps its lines.
    return Qt::convertFromPlainText(shown, Qt::WhiteSpaceNormal).toStdString();
}

void Prompt::Recolour()
{
    if (const auto prompt = As<markup::TextBlock>(Element()))
        prompt->SetForeground(label_.MarkupContext()->CreateSolidBrush(design::CurrentColours().Text));
}
