#include "markup/Element.h"

#include "markup/MarkupLabel.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace markup {
namespace {

int32_t CheckedAlignment(int32_t alignment)
{
    if (alignment < AlignStart || alignment > AlignEnd)
        runtime::Raise(runtime::ErrInvalidCall);
    return alignment;
}

qreal Shrink(qreal length, qreal by)
{
    if (length == std::numeric_limits<qreal>::infinity())
        return length;
    return std::max<qreal>(0, length - by);
}

// Where along one axis an element of `length` goes inside a slot, by its alignment.
std::pair<qreal, qreal> Place(qreal slotStart, qreal slotLength, qreal wanted, int32_t alignment)
{
    if (alignment == AlignStretch)
        return {slotStart, slotLength};
    const qreal length = std::min(wanted, slotLength);
    const qreal free = slotLength - length;
    // Centring rounds down, so that boxes keep to whole pixels and edges stay sharp.
    const qreal offset = alignment == AlignCentre ? std::floor(free / 2) : alignment == AlignEnd ? free : 0;
    return {slotStart + offset, length};
}

} // namespace

QMarginsF MarginsOf(const ThicknessPtr& thickness)
{
    if (!thickness)
        return {};
    return QMarginsF(thickness->Left, thickness->Top, thickness->Right, thickness->Bottom);
}

void Element::SetMargin(ThicknessPtr margin)
{
    margin_ = std::move(margin);
    Changed();
}

void Element::SetHorizontalAlignment(int32_t alignment)
{
    horizontalAlignment_ = CheckedAlignment(alignment);
    Changed();
}

void Element::SetVerticalAlignment(int32_t alignment)
{
    verticalAlignment_ = CheckedAlignment(alignment);
    Changed();
}

void Element::SetVisibility(int32_t visibility)
{
    if (visibility < Visible || visibility > Collapsed)
        runtime::Raise(runtime::ErrInvalidCall);
    visibility_ = visibility;
    Changed();
}

void Element::SetWidth(qreal width)
{
    if (!(width >= 0) || width == std::numeric_limits<qreal>::infinity())
        runtime::Raise(runtime::ErrInvalidCall);
    width_ = width;
    Changed();
}

int32_t Element::FlowDirection() const
{
    for (const Element* step = this; step; step = step->parent_)
        if (step->flowDirection_ != InheritedFlow)
            return step->flowDirection_;
    return LeftToRight;
}

void Element::SetFlowDirection(int32_t direction)
{
    if (direction != LeftToRight && direction != RightToLeft)
        runtime::Raise(runtime::ErrInvalidCall);
    flowDirection_ = direction;
    // Everything below may now be drawn the other way round, even where it keeps its place.
    MarkSubtreeChanged();
    Changed();
}

void Element::MarkSubtreeChanged()
{
    contentChanged_ = true;
    ForEachChild([](const ElementPtr& child) { child->MarkSubtreeChanged(); });
}

QMarginsF Element::InFlow(const QMarginsF& edges) const
{
    return rightToLeft_ ? QMarginsF(edges.right(), edges.top(), edges.left(), edges.bottom()) : edges;
}

ElementPtr Element::FindName(std::string_view name) const
{
    ElementPtr found;
    ForEachChild([&](const ElementPtr& child) {
        if (found)
            return;
        found = child->Name() == name ? child : child->FindName(name);
    });
    return found;
}

void Element::AddHandler(int32_t event, std::string handlerName)
{
    for (auto& [attachedEvent, attachedName] : handlers_) {
        if (attachedEvent == event) {
            attachedName = std::move(handlerName);
            return;
        }
    }
    handlers_.emplace_back(event, std::move(handlerName));
}

const std::string* Element::HandlerFor(int32_t event) const
{
    for (const auto& [attachedEvent, attachedName] : handlers_)
        if (attachedEvent == event)
            return &attachedName;
    return nullptr;
}

void Element::ForEachChild(const std::function<void(const ElementPtr&)>&) const {}

QSizeF Element::Measure(QSizeF available, const TextDefaults& defaults)
{
    if (visibility_ == Collapsed) {
        desiredSize_ = QSizeF(0, 0);
        return desiredSize_;
    }
    const QMarginsF margins = MarginsOf(margin_);
    const bool fixedWidth = !std::isnan(width_);
    // A set width is the room the content gets, whatever the parent offers.
    const QSizeF inner(fixedWidth ? width_ : Shrink(available.width(), margins.left() + margins.right()),
                       Shrink(available.height(), margins.top() + margins.bottom()));
    QSizeF content = MeasureContent(inner, defaults);
    if (fixedWidth)
        content.setWidth(width_);
    desiredSize_ = content.grownBy(margins);
    return desiredSize_;
}

void Element::Arrange(const QRectF& slot)
{
    // The parent is arranged before its children, so its direction is already settled here.
    rightToLeft_ = flowDirection_ == InheritedFlow ? parent_ && parent_->rightToLeft_ : flowDirection_ == RightToLeft;
    const QMarginsF margins = InFlow(MarginsOf(margin_));
    const QRectF inner = slot.marginsRemoved(margins);
    const QSizeF wanted = desiredSize_.shrunkBy(margins);
    // An element of a set width cannot stretch; it is centred in its slot instead.
    const int32_t horizontal = !std::isnan(width_) && horizontalAlignment_ == AlignStretch ? AlignCentre : horizontalAlignment_;
    const qreal innerWidth = std::max<qreal>(0, inner.width());
    auto [x, width] = Place(inner.x(), innerWidth, wanted.width(), horizontal);
    // Right to left, the place is the mirror image within the slot: start is the right edge,
    // and a centred box leans the other way by the pixel that centring rounds off.
    if (rightToLeft_)
        x = 2 * inner.x() + innerWidth - x - width;
    const auto [y, height] = Place(inner.y(), std::max<qreal>(0, inner.height()), wanted.height(), verticalAlignment_);
    bounds_ = QRectF(x, y, width, height);
    ArrangeContent(bounds_);
    // A child may be placed past its parent's edge (a negative margin), and is still shown there.
    extent_ = bounds_;
    ForEachChild([&](const ElementPtr& child) { extent_ |= child->extent_; });
}

void Element::Paint(QPainter& painter, const TextDefaults& defaults, const QRectF& area) const
{
    if (visibility_ != Visible || !extent_.intersects(area))
        return;
    if (bounds_.intersects(area)) {
        painter.save();
        PaintContent(painter, defaults);
        painter.restore();
    }
    ForEachChild([&](const ElementPtr& child) { child->Paint(painter, defaults, area); });
}

Element* Element::HitTest(QPointF point)
{
    if (visibility_ != Visible || !extent_.contains(point))
        return nullptr;
    // Later children lie above earlier ones, so the walk goes back to front.
    std::vector<ElementPtr> children;
    ForEachChild([&](const ElementPtr& child) { children.push_back(child); });
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        if (Element* hit = (*child)->HitTest(point))
            return hit;
    return bounds_.contains(point) && HitsSelf(point) ? this : nullptr;
}

void Element::Adopt(const ElementPtr& child)
{
    if (!child || child->parent_ || child->label_)
        runtime::Raise(runtime::ErrInvalidCall);
    for (const Element* ancestor = this; ancestor; ancestor = ancestor->parent_)
        if (ancestor == child.get())
            runtime::Raise(runtime::ErrInvalidCall);
    child->parent_ = this;
    Changed();
}

void Element::Changed()
{
    contentChanged_ = true;
    const Element* root = this;
    while (root->parent_)
        root = root->parent_;
    if (root->label_)
        root->label_->Invalidate();
}

} // namespace markup
