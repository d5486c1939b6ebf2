// The element tree of the window: a centred vertical panel with the header above a rounded
// frame, which holds the three slider columns and the two link panels side by side.

#include "window/Form1.h"

#include "markup/Border.h"
#include "markup/StackPanel.h"
#include "markup/modXaml.h"
#include "runtime/Checked.h"
#include "runtime/Clock.h"
#include "window/FormDesign.h"

#include <array>
#include <cmath>

using design::Rgb;
using markup::As;
using modXaml::CreateBrush;
using modXaml::CreateThickness;

void Form1::BuildLayout()
{
    const auto context = markupLabel1_->MarkupContext();

    const auto root = As<markup::StackPanel>(context->CreateObject("StackPanel"));
    root->SetOrientation(markup::Vertical);
    root->SetVerticalAlignment(markup::AlignCentre);
    root->SetHorizontalAlignment(markup::AlignCentre);

    dateHeader_ = As<markup::TextBlock>(context->CreateObject("TextBlock"));
    dateHeader_->SetMargin(context->CreateThicknessObject(4, 0, 0, 4));
    dateHeader_->SetForeground(context->CreateSolidBrush(Rgb(80, 96, 112)));
    dateHeader_->SetFontSize(modXaml::PointsToPixels(8));
    dateHeader_->SetFontWeight(700);
    root->Children().Add(dateHeader_);

    const auto frame = As<markup::Border>(context->CreateObject("Border"));
    frame->SetCornerRadius(context->CreateThicknessObject(7, 7, 7, 7));
    frame->SetPadding(context->CreateThicknessObject(5, 5, 5, 5));
    frame->SetBackground(CreateBrush(Rgb(128, 160, 192), 90));
    frame->SetBorderBrush(CreateBrush(Rgb(128, 160, 192), 50));
    frame->SetBorderThickness(CreateThickness(1, 1, 1, 1));

    const auto sliderRow = As<markup::StackPanel>(context->CreateObject("StackPanel"));
    sliderRow->SetOrientation(markup::Horizontal);
    frame->SetChild(sliderRow);
    root->Children().Add(frame);

    for (int32_t column = 0; column < slider::ColumnCount; ++column) {
        BuildSliderColumn(column);
        sliderRow->Children().Add(sliderGrids_[column]);
    }

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

    const markup::ElementPtr buttonRow = buttons_ == FormButtons::CancelOk ? BuildDialogButtons() : nullptr;
    if (buttonRow)
        root->Children().Add(buttonRow);

    // The tree is handed over complete, and the date is set only once handlers can be called.
    markupLabel1_->SetRootElement(root);
    markupLabel1_->MarkupContext()->SetHandler(this);
    if (buttonRow) {
        // The label, and with it the window, grows by the row: the centred header and frame
        // stay where they are.
        markupLabel1_->UpdateLayout();
        buttonRowHeight_ = static_cast<int>(std::ceil(buttonRow->DesiredSize().height()));
        markupLabel1_->SetSize(markupLabel1_->Size() + QSizeF(0, buttonRowHeight_));
    }
    const runtime::Date start = startDate_.value_or(runtime::Today());
    SetDate(start.Month(), start.Day(), start.Year());
}
