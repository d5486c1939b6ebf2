#include "markup/RoundedBox.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace markup {
namespace {

// Goes round one corner: an arc of `radius` inside the corner's square, or straight to it.
void Corner(QPainterPath& path, QPointF corner, qreal radius, qreal startAngle, QPointF squareOrigin)
{
    if (radius <= 0)
        path.lineTo(corner);
    else
        path.arcTo(QRectF(squareOrigin, QSizeF(2 * radius, 2 * radius)), startAngle, -90);
}

QPainterPath RoundedPath(const QRectF& box, CornerRadii radii)
{
    QPainterPath path;
    path.moveTo(box.left() + radii.TopLeft, box.top());
    Corner(path, box.topRight(), radii.TopRight, 90, QPointF(box.right() - 2 * radii.TopRight, box.top()));
    Corner(path, box.bottomRight(), radii.BottomRight, 0,
           QPointF(box.right() - 2 * radii.BottomRight, box.bottom() - 2 * radii.BottomRight));
    Corner(path, box.bottomLeft(), radii.BottomLeft, 270, QPointF(box.left(), box.bottom() - 2 * radii.BottomLeft));
    Corner(path, box.topLeft(), radii.TopLeft, 180, QPointF(box.left(), box.top()));
    path.closeSubpath();
    return path;
}

// Radii cut to half the box, as a corner cannot be rounder than that.
CornerRadii Fitted(const QRect& box, CornerRadii radii)
{
    const int limit = std::min(box.width(), box.height()) / 2;
    auto fit = [&](int radius) { return std::clamp(radius, 0, limit); };
    return {fit(radii.TopLeft), fit(radii.TopRight), fit(radii.BottomRight), fit(radii.BottomLeft)};
}

// The rows of a box taken by its top corners, its bottom corners, and the plain rows between.
struct Bands {
    QRect Top;
    QRect Middle;
    QRect Bottom;
};

// `edge` is the least height of the top and bottom bands: an outline's top and bottom edges
// are drawn only there, so their bands must hold them even where the corners are square.
Bands BandsOf(const QRect& box, CornerRadii radii, int edge = 0)
{
    const int top = std::min(std::max({radii.TopLeft, radii.TopRight, edge}), box.height() / 2);
    const int bottom = std::min(std::max({radii.BottomLeft, radii.BottomRight, edge}), box.height() - top);
    return {QRect(box.left(), box.top(), box.width(), top),
            QRect(box.left(), box.top() + top, box.width(), box.height() - top - bottom),
            QRect(box.left(), box.bottom() + 1 - bottom, box.width(), bottom)};
}

// Runs `draw` with the painter clipped to `band`, given a box just tall enough to hold the
// corners of that band, so that the path behind it stays small.
template <typename Draw>
void InCornerBand(QPainter& painter, const QRect& band, const QRect& shortBox, Draw draw)
{
    if (band.isEmpty())
        return;
    painter.save();
    painter.setClipRect(band, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(QRectF(shortBox));
    painter.restore();
}

// Boxes holding only the top or only the bottom corners of `box`, with a row to spare.
QRect TopCorners(const QRect& box, const Bands& bands)
{
    return QRect(box.left(), box.top(), box.width(), std::min(box.height(), 2 * bands.Top.height() + 2));
}
QRect BottomCorners(const QRect& box, const Bands& bands)
{
    const int height = std::min(box.height(), 2 * bands.Bottom.height() + 2);
    return QRect(box.left(), box.bottom() + 1 - height, box.width(), height);
}

} // namespace

void FillRoundedBox(QPainter& painter, const QRect& box, CornerRadii radii, const QColor& colour)
{
    radii = Fitted(box, radii);
    const Bands bands = BandsOf(box, radii);
    painter.fillRect(bands.Middle, colour);
    const CornerRadii topOnly{radii.TopLeft, radii.TopRight, 0, 0};
    const CornerRadii bottomOnly{0, 0, radii.BottomRight, radii.BottomLeft};
    InCornerBand(painter, bands.Top, TopCorners(box, bands),
                 [&](const QRectF& area) { painter.fillPath(RoundedPath(area, topOnly), colour); });
    InCornerBand(painter, bands.Bottom, BottomCorners(box, bands),
                 [&](const QRectF& area) { painter.fillPath(RoundedPath(area, bottomOnly), colour); });
}

void OutlineRoundedBox(QPainter& painter, const QRect& box, CornerRadii radii, int width, const QColor& colour)
{
    if (width <= 0)
        return;
    radii = Fitted(box, radii);
    const Bands bands = BandsOf(box, radii, width);
    painter.fillRect(QRect(bands.Middle.left(), bands.Middle.top(), width, bands.Middle.height()), colour);
    painter.fillRect(QRect(bands.Middle.right() + 1 - width, bands.Middle.top(), width, bands.Middle.height()), colour);
    // The pen runs along the middle of the outline, half its width inside the box. Mitred
    // joins keep square corners square.
    const qreal half = width / 2.0;
    const QPen pen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    auto stroke = [&](const QRectF& area, CornerRadii corners) {
        painter.strokePath(RoundedPath(area.adjusted(half, half, -half, -half), corners), pen);
    };
    InCornerBand(painter, bands.Top, TopCorners(box, bands),
                 [&](const QRectF& area) { stroke(area, {radii.TopLeft, radii.TopRight, 0, 0}); });
    InCornerBand(painter, bands.Bottom, BottomCorners(box, bands),
                 [&](const QRectF& area) { stroke(area, {0, 0, radii.BottomRight, radii.BottomLeft}); });
}

} // namespace markup
