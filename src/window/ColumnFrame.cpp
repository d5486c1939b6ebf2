#include "window/ColumnFrame.h"

#include "markup/modXaml.h"
#include "window/DesignColours.h"

using markup::As;

std::shared_ptr<markup::Border> ColumnFrame::Build()
{
    const auto context = label_.MarkupContext();
    frame_ = As<markup::Border>(context->CreateObject("Border"));
    frame_->SetCornerRadius(context->CreateThicknessObject(7, 7, 7, 7));
    frame_->SetPadding(context->CreateThicknessObject(5, 5, 5, 5));
    Recolour();
    frame_->SetBorderThickness(modXaml::CreateThickness(1, 1, 1, 1));
    row_ = As<markup::StackPanel>(context->CreateObject("StackPanel"));
    row_->SetOrientation(markup::Horizontal);
    frame_->SetChild(row_);
    return frame_;
}

void ColumnFrame::Recolour()
{
    if (!frame_)
        return;
    const int32_t colour = design::CurrentColours().Frame;
    frame_->SetBackground(modXaml::CreateBrush(colour, design::FrameFillTransparency));
    frame_->SetBorderBrush(modXaml::CreateBrush(colour, design::FrameBorderTransparency));
}
