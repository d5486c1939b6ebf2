#pragma once

#include "markup/Border.h"
#include "markup/Grid.h"
#include "markup/Inlines.h"
#include "markup/MarkupLabel.h"
#include "markup/StackPanel.h"
#include "markup/TextBlock.h"

/// Small trees for the markup component's tests, made as the window makes them.
struct MarkupTestTree {
    markup::MarkupLabelPtr label = std::make_shared<markup::MarkupLabel>();
    markup::MarkupContextPtr context = label->MarkupContext();

    template <typename T>
    std::shared_ptr<T> Make(std::string_view tag) const
    {
        return markup::As<T>(context->CreateObject(tag));
    }
    markup::ThicknessPtr Thickness(int left, int top, int right, int bottom) const
    {
        return context->CreateThicknessObject(left, top, right, bottom);
    }
    /// A childless Border of a fixed colour (0x00BBGGRR) and alpha.
    std::shared_ptr<markup::Border> Filled(int32_t colour, uint32_t alpha = 0xFF) const
    {
        auto border = Make<markup::Border>("Border");
        auto brush = context->CreateSolidBrush(colour);
        brush->SetColor(static_cast<int32_t>((alpha << 24) | static_cast<uint32_t>(colour)));
        border->SetBackground(brush);
        return border;
    }
    /// Shows `root` in a label of the given size and lays it out.
    void Show(const markup::ElementPtr& root, qreal width, qreal height)
    {
        label->SetRootElement(root);
        label->SetSize(QSizeF(width, height));
        label->UpdateLayout();
    }
};
