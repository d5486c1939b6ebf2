#include "markup/Border.h"

#include "markup/Colours.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace markup {
namespace {

// Goes round one corner: an arc of `radius` inside `corner`'s square, or straight to the corner.
void Corner(QPainterPath& path, QPointF corner, qreal radius, qreal startAngle, QPointF squareOrigin)
{
    if (radius <= 0)
        path.lineTo(corner);
    else
        path.arcTo(QRectF(squareOrigin, QSizeF(2 * radius, 2 * radius)), startAngle, -90);
}

// A rectangle with its four corners rounded by the given radii, each cut to half the box.
QPainterPath RoundedPath(const QRectF& box, const ThicknessPtr& radii)
{
    const qreal limit = std::min(box.width(), box.height()) / 2;
    auto radius = [&](int32_t value) { return radii ? std::clamp<qreal>(value, 0, limit) : 0; };
    const qreal topLeft = radius(radii ? radii->Left : 0);
    const qreal topRight = radius(radii ? radii->Top : 0);
    const qreal bottomRight = radius(radii ? radii->Right : 0);
    const qreal bottomLeft = radius(radii ? radii->Bottom : 0);

    QPainterPath path;
    path.moveTo(box.left() + topLeft, box.top());
    Corner(path, box.topRight(), topRight, 90, QPointF(box.right() - 2 * topRight, box.top()));
    Corner(path, box.bottomRight(), bottomRight, 0,
           QPointF(box.right() - 2 * bottomRight, box.bottom() - 2 * bottomRight));
    Corner(path, box.bottomLeft(), bottomLeft, 270, QPointF(box.left(), box.bottom() - 2 * bottomLeft));
    Corner(path, box.topLeft(), topLeft, 180, QPointF(box.left(), box.top()));
    path.closeSubpath();
    return path;
}

} // namespace

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
        child_->Arrange(box.marginsRemoved(Insets()));
}

void Border::PaintContent(QPainter& painter, const TextDefaults&) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    if (background_) {
        painter.setBrush(BrushColour(background_->Color()));
        painter.drawPath(RoundedPath(Bounds(), cornerRadius_));
    }
    if (borderBrush_ && borderThickness_)
        PaintOutline(painter);
}

void Border::PaintOutline(QPainter& painter) const
{
    const Thickness& edges = *borderThickness_;
    const QColor colour = BrushColour(borderBrush_->Color());
    const QRectF box = Bounds();
    if (edges.Left == edges.Top && edges.Left == edges.Right && edges.Left == edges.Bottom) {
        if (edges.Left <= 0)
            return;
        // An even outline follows the rounded corners; the pen runs along the middle of the edge.
        const qreal half = edges.Left / 2.0;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, edges.Left));
        painter.drawPath(RoundedPath(box.adjusted(half, half, -half, -half), cornerRadius_));
        return;
    }
    // Uneven edges (a separator line on one side) are plain bars.
    painter.setBrush(colour);
    painter.drawRect(QRectF(box.left(), box.top(), std::max(0, edges.Left), box.height()));
    painter.drawRect(QRectF(box.left(), box.top(), box.width(), std::max(0, edges.Top)));
    painter.drawRect(QRectF(box.right() - std::max(0, edges.Right), box.top(), std::max(0, edges.Right), box.height()));
    painter.drawRect(QRectF(box.left(), box.bottom() - std::max(0, edges.Bottom), box.width(), std::max(0, edges.Bottom)));
}

} // namespace markup
