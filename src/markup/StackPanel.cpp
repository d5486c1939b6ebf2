#include "markup/StackPanel.h"

#include <algorithm>
#include <limits>

namespace markup {

void StackPanel::SetOrientation(int32_t orientation)
{
    if (orientation != Horizontal && orientation != Vertical)
        runtime::Raise(runtime::ErrInvalidCall);
    orientation_ = orientation;
    Changed();
}

QSizeF StackPanel::MeasureContent(QSizeF available, const TextDefaults& defaults)
{
    constexpr qreal unlimited = std::numeric_limits<qreal>::infinity();
    const bool vertical = orientation_ == Vertical;
    const QSizeF childRoom = vertical ? QSizeF(available.width(), unlimited) : QSizeF(unlimited, available.height());
    qreal along = 0;
    qreal across = 0;
    for (const ElementPtr& child : Children()) {
        const QSizeF size = child->Measure(childRoom, defaults);
        along += vertical ? size.height() : size.width();
        across = std::max(across, vertical ? size.width() : size.height());
    }
    return vertical ? QSizeF(across, along) : QSizeF(along, across);
}

void StackPanel::ArrangeContent(const QRectF& box)
{
    const bool vertical = orientation_ == Vertical;
    qreal offset = 0;
    for (const ElementPtr& child : Children()) {
        const QSizeF size = child->DesiredSize();
        if (vertical) {
            child->Arrange(QRectF(box.x(), box.y() + offset, box.width(), size.height()));
            offset += size.height();
        } else {
            // Right to left, the first child takes the right end and the others follow leftwards.
            const qreal x = IsRightToLeft() ? box.right() - offset - size.width() : box.x() + offset;
            child->Arrange(QRectF(x, box.y(), size.width(), box.height()));
            offset += size.width();
        }
    }
}

} // namespace markup
