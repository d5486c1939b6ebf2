// The element tree of the window: a centred vertical panel with the header above a rounded
// frame, which holds the three slider columns and the two link panels side by side (mirrored
// when the user interface's language is written right to left). A dialog
// may add a prompt above the header and a row of buttons below the frame.

#include "window/Form1.h"

#include "markup/Border.h"
#include "markup/StackPanel.h"
#include "markup/modXaml.h"
#include "platform/HostWindow.h"
#include "platform/Screen.h"
#include "runtime/Checked.h"
#include "runtime/Clock.h"
#include "window/DesignColours.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <array>
#include <cmath>

using markup::As;
using modXaml::CreateBrush;
using modXaml::CreateThickness;

namespace {

// A prompt longer than this many lines ends in an ellipsis, so that the columns and the buttons
// stay on the screen; its tooltip shows it whole, up to a screenful of characters.
constexpr int32_t PromptLines = 10;
constexpr qsizetype PromptTooltipCharacters = 2000;

void ColourFrame(markup::Border& frame)
{
    frame.SetBackground(CreateBrush(design::CurrentColours().Frame, design::FrameFillTransparency));
    frame.SetBorderBrush(CreateBrush(design::CurrentColours().Frame, design::FrameBorderTransparency));
}

} // namespace

void Form1::BuildLayout()
{
    const auto context = markupLabel1_->MarkupContext();

    const auto root = As<markup::StackPanel>(context->CreateObject("StackPanel"));
    root->SetOrientation(markup::Vertical);
    root->SetVerticalAlignment(markup::AlignCentre);
    root->SetHorizontalAlignment(markup::AlignCentre);
    // A language written right to left mirrors the whole window; every element inherits it.
    if (QGuiApplication::layoutDirection() == Qt::RightToLeft)
        root->SetFlowDirection(markup::RightToLeft);

    const auto prompt = BuildPrompt();
    if (prompt)
        root->Children().Add(prompt);

    dateHeader_ = As<markup::TextBlock>(context->CreateObject("TextBlock"));
    dateHeader_->SetMargin(context->CreateThicknessObject(4, 0, 0, 4));
    dateHeader_->SetForeground(context->CreateSolidBrush(design::CurrentColours().Text));
    dateHeader_->SetFontSize(TextPixels(8));
    dateHeader_->SetFontWeight(700);
    root->Children().Add(dateHeader_);
    const markup::ElementPtr note = BuildDateNote();
    if (note)
        root->Children().Add(note);

    const auto frame = As<markup::Border>(context->CreateObject("Border"));
    frame->SetCornerRadius(context->CreateThicknessObject(7, 7, 7, 7));
    frame->SetPadding(context->CreateThicknessObject(5, 5, 5, 5));
    ColourFrame(*frame);
    frame->SetBorderThickness(CreateThickness(1, 1, 1, 1));

    const auto sliderRow = As<markup::StackPanel>(context->CreateObject("StackPanel"));
    sliderRow->SetOrientation(markup::Horizontal);
    frame->SetChild(sliderRow);
    root->Children().Add(frame);

    // The columns stand as the user's language writes a date: month, day, year in English.
    columnOrder_ = slider::ColumnOrder::OfLanguage();
    for (int32_t place = 0; place < slider::ColumnCount; ++place) {
        const int32_t column = columnOrder_.ColumnAt(place);
        BuildSliderColumn(column);
        sliderRow->Children().Add(sliderGrids_[column]);
    }
    if (time_)
        BuildTimeColumns(*sliderRow);

    std::array<std::shared_ptr<markup::StackPanel>, 2> linkPanels;
    for (auto& panel : linkPanels) {
        panel = As<markup::StackPanel>(context->CreateObject("StackPanel"));
        panel->SetOrientation(markup::Vertical);
        panel->SetMargin(CreateThickness(4, 4, 4, 4));
    }
    for (int32_t index = 0; index <= 8; ++index) {
        const markup::ElementPtr link = CreateSpecialDateLink(index);
        const int32_t panel = runtime::CheckedIndex(LinkColumnOf(index), 2);
        linkPanels[panel]->Children().Add(link);
    }
    for (const auto& panel : linkPanels)
        sliderRow->Children().Add(panel);

    const markup::ElementPtr buttonRow = dialogButtons_.empty() ? nullptr : BuildDialogButtons();
    if (buttonRow)
        root->Children().Add(buttonRow);

    // The tree is handed over complete, and the date is set only once handlers can be called.
    markupLabel1_->SetRootElement(root);
    markupLabel1_->MarkupContext()->SetHandler(this);
    const runtime::Date start = startDate_.value_or(runtime::Today());
    SetDate(start.Month(), start.Day(), start.Year());
    // Sized only now: until the cells show dates they hold a placeholder of another width.
    FitLabel(prompt, note, frame, buttonRow);
}

void Form1::RecolourLayout()
{
    const auto context = markupLabel1_->MarkupContext();
    for (const markup::ElementPtr& text : {markup::ElementPtr(dateHeader_), PromptText()})
        if (const auto block = As<markup::TextBlock>(text))
            block->SetForeground(context->CreateSolidBrush(design::CurrentColours().Text));
    // The frame holds the row of the columns and the links.
    const markup::Element* sliderRow = SliderGrids(0) ? SliderGrids(0)->Parent() : nullptr;
    if (auto* frame = dynamic_cast<markup::Border*>(sliderRow ? sliderRow->Parent() : nullptr))
        ColourFrame(*frame);
}

std::shared_ptr<markup::TextBlock> Form1::BuildPrompt()
{
    if (prompt_.empty())
        return nullptr;
    // The header's font and colour, but not bold: it reads as the line that introduces it.
    const auto context = markupLabel1_->MarkupContext();
    const auto prompt = As<markup::TextBlock>(context->CreateObject("TextBlock"));
    prompt->SetName("PromptText");
    prompt->SetMargin(context->CreateThicknessObject(4, 0, 0, 6));
    prompt->SetForeground(context->CreateSolidBrush(design::CurrentColours().Text));
    prompt->SetFontSize(TextPixels(8));
    prompt->SetTextWrapping(markup::Wrap);
    prompt->SetMaxLines(PromptLines);
    prompt->SetTextAlignment(promptAlignment_);
    prompt->SetText(prompt_);
    return prompt;
}

std::string Form1::PromptTip() const
{
    const auto prompt = As<markup::TextBlock>(PromptText());
    if (!prompt || !prompt->IsCut() || !prompt->IsMouseOver())
        return {};
    const QString whole = QString::fromStdString(prompt_);
    const QString shown = whole.size() > PromptTooltipCharacters
                              ? whole.left(PromptTooltipCharacters) + QChar(0x2026)
                              : whole;
    // As rich text, so that the tooltip wraps its lines.
    return Qt::convertFromPlainText(shown, Qt::WhiteSpaceNormal).toStdString();
}

markup::ElementPtr Form1::PromptText() const
{
    const auto& root = markupLabel1_->RootElement();
    return root ? root->FindName("PromptText") : nullptr;
}

void Form1::FitLabel(const std::shared_ptr<markup::TextBlock>& prompt, const markup::ElementPtr& note,
                     const markup::ElementPtr& frame, const markup::ElementPtr& buttonRow)
{
    if (!prompt && !note && !buttonRow && minimumClientSize_.width() <= 0 && minimumClientSize_.height() <= 0 && !borders_ &&
        fontScale_ == 1.0)
        return;
    markupLabel1_->UpdateLayout();
    // The frame's width does not depend on the prompt or the note, so it can be read first; each
    // of them, with its margin, then takes just that width and wraps inside it.
    for (const markup::ElementPtr& wrapped : {markup::ElementPtr(prompt), note}) {
        if (!wrapped)
            continue;
        const QMarginsF margin = markup::MarginsOf(wrapped->Margin());
        wrapped->SetWidth(std::max<qreal>(0, frame->DesiredSize().width() - margin.left() - margin.right()));
    }
    SizeDateNote();
    if (prompt || note)
        markupLabel1_->UpdateLayout();

    const auto heightOf = [](const markup::ElementPtr& element) {
        return element ? static_cast<int>(std::ceil(element->DesiredSize().height())) : 0;
    };
    const QSizeF rootSize = markupLabel1_->RootElement()->DesiredSize();
    const QSize root(static_cast<int>(std::ceil(rootSize.width())), static_cast<int>(std::ceil(rootSize.height())));
    // With borders the window fits its content: the label is just as large as the tree.
    const QSizeF designSize = borders_ ? QSizeF(0, 0) : markupLabel1_->Size();
    if (borders_) {
        grownBy_ = root;
    } else {
        // The root is centred in the label: growing the label by exactly what the prompt, the
        // note and the button row add keeps the root's top where it was, so the header and the frame move
        // down by the prompt's height only. Buttons with long captions, or a larger font, may
        // also widen the root; a larger font may make it taller than the label.
        const QSize design = designSize.toSize();
        const int added = heightOf(prompt) + heightOf(note) + heightOf(buttonRow);
        grownBy_ = QSize(std::max(0, root.width() - design.width()), std::max(added, root.height() - design.height()));
        // A larger font keeps the design's margins in proportion: the label grows with the
        // font, by what the prompt, the note and the buttons add, and by what the buttons
        // widen the frame's row.
        // The margins give way before the window would pass the screen.
        if (fontScale_ > 1) {
            const QSize scaled = (QSizeF(design) * (fontScale_ - 1)).toSize();
            const int widened = root.width() - static_cast<int>(std::ceil(frame->DesiredSize().width()));
            QSize margined = scaled + QSize(std::max(0, widened), added);
            const QSize room = platform::AvailableScreenSize();
            if (!room.isEmpty())
                margined = margined.boundedTo(room - ClientSize() + grownBy_);
            grownBy_ = grownBy_.expandedTo(margined);
        }
    }

    // A least client size grows the label further, and the root stays centred in it. No least
    // size passes the screen's room: a window larger than the screen is painted and held in
    // memory for nothing.
    const QSize client = ClientSize();
    const QSize room = platform::AvailableScreenSize();
    const QSize least = room.isEmpty() ? minimumClientSize_ : minimumClientSize_.boundedTo(room);
    grownBy_ += QSize(std::max(0, least.width() - client.width()), std::max(0, least.height() - client.height()));
    markupLabel1_->SetSize(designSize + QSizeF(grownBy_));
}
