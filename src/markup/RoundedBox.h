#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace markup {

/// The radius of each corner of a box, in pixels.
struct CornerRadii {
    int TopLeft = 0;
    int TopRight = 0;
    int BottomRight = 0;
    int BottomLeft = 0;
};

/// Fills a box with rounded corners. Only the rows of the corners are drawn antialiased;
/// the rows between them are a plain rectangle, which keeps a repaint of a strip of a tall
/// box cheap.
void FillRoundedBox(QPainter& painter, const QRect& box, CornerRadii radii, const QColor& colour);
/// Draws the outline of `width` pixels just inside a box with rounded corners.
void OutlineRoundedBox(QPainter& painter, const QRect& box, CornerRadii radii, int width, const QColor& colour);

} // namespace markup
