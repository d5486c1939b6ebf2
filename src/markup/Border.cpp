#include "markup/Border.h"

#include "markup/Colours.h"
#include "markup/RoundedBox.h"

#include <QPainter>

#include <algorithm>

namespace markup {

void Border::SetBackground(SolidColorBrushPtr brush)
{
    background_ = std::move(brush);
    Changed();
}

void Border::SetBorderThickness(ThicknessPtr thickness)
{
    borderThickness_ = std::move(thickness);
    Changed();
}

void Border::SetCornerRadius(ThicknessPtr radii)
{
    cornerRadius_ = std::move(radii);
    Changed();
}

void Border::SetBorderBrush(SolidColorBrushPtr brush)
{
    borderBrush_ = std::move(brush);
    Changed();
}

void Border::SetPadding(ThicknessPtr padding)
{
    padding_ = std::move(padding);
    Changed();
}

void Border::SetChild(const ElementPtr& child)
{
    if (child == child_)
        return;
    if (child)
        Adopt(child);
    if (child_)
        Release(child_);
    child_ = child;
    Changed();
}

void Border::ForEachChild(const std::function<void(const ElementPtr&)>& visit) const
{
    if (child_)
        visit(child_);
}

QMarginsF Border::Insets() const { return MarginsOf(borderThickness_) + MarginsOf(padding_); }

QSizeF Border::MeasureContent(QSizeF available, const TextDefaults& defaults)
{
    const QMarginsF insets = Insets();
    if (!child_)
        return QSizeF(0, 0).grownBy(insets);
    return child_->Measure(available.shrunkBy(insets), defaults).grownBy(insets);
}

void Border::ArrangeContent(const QRectF& box)
{
    if (child_)
        child_->Arrange(box.marginsRemoved(InFlow(Insets())));
}

CornerRadii Border::ArrangedCornerRadii() const
{
    if (!cornerRadius_)
        return {};
    const Thickness& radii = *cornerRadius_;
    if (IsRightToLeft())
        return {radii.Top, radii.Left, radii.Bottom, radii.Right};
    return {radii.Left, radii.Top, radii.Right, radii.Bottom};
}

void Border::PaintContent(QPainter& painter, const TextDefaults&) const
{
    const QRect box = Bounds().toAlignedRect();
    const CornerRadii radii = ArrangedCornerRadii();
    if (background_)
        FillRoundedBox(painter, box, radii, BrushColour(background_->Color()));
    if (!borderBrush_ || !borderThickness_)
        return;
    const Thickness& edges = *borderThickness_;
    const QColor colour = BrushColour(borderBrush_->Color());
    if (edges.Left == edges.Top && edges.Left == edges.Right && edges.Left == edges.Bottom) {
        OutlineRoundedBox(painter, box, radii, edges.Left, colour);
        return;
    }
    // Uneven edges (a separator line on one side) are plain bars, on the mirrored side when
    // right to left.
    const int left = std::max(0, IsRightToLeft() ? edges.Right : edges.Left);
    const int top = std::max(0, edges.Top);
    const int right = std::max(0, IsRightToLeft() ? edges.Left : edges.Right);
    const int bottom = std::max(0, edges.Bottom);
    painter.fillRect(QRect(box.left(), box.top(), left, box.height()), colour);
    painter.fillRect(QRect(box.left(), box.top(), box.width(), top), colour);
    painter.fillRect(QRect(box.right() + 1 - right, box.top(), right, box.height()), colour);
    painter.fillRect(QRect(box.left(), box.bottom() + 1 - bottom, box.width(), bottom), colour);
}

} // namespace markup
