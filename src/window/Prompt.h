#pragma once

#include "markup/MarkupLabel.h"
#include "markup/TextBlock.h"
#include "window/TextScale.h"

#include <cstdint>
#include <memory>
#include <string>

/// The prompt a script shows above the header, as plain text in the header's font and colour.
/// It owns its text and its text block, named "PromptText", in the label's tree, and reaches
/// nothing else.
class Prompt {
public:
    /// `text` aligned as `alignment` (markup::AlignStart, AlignCentre or AlignEnd); an empty text
    /// shows no prompt.
    Prompt(markup::MarkupLabel& label, std::string text, int32_t alignment, TextScale scale);

    /// A new, unattached text block for the prompt, or nothing when there is none to show.
    std::shared_ptr<markup::TextBlock> Build();
    /// The prompt's text block in the tree, or nothing.
    markup::ElementPtr Element() const;
    /// The whole prompt, as a tooltip, while the pointer rests on a prompt that was cut short;
    /// else the empty text.
    std::string Tip() const;
    /// Gives the text the colour of the scheme in use.
    void Recolour();

private:
    markup::MarkupLabel& label_;
    std::string text_;
    int32_t alignment_;
    TextScale scale_;
};
