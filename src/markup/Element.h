#pragma once

#include "markup/MarkupObject.h"
#include "markup/Thickness.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

class QPainter;

namespace markup {

class Element;
class MarkupLabel;
using ElementPtr = std::shared_ptr<Element>;

/// Events a handler can be attached to.
enum MarkupEvent : int32_t {
    MouseUpEvent = 106,
    ClickEvent = 800,
};

/// Alignment codes; an element without one stretches over its slot.
enum Alignment : int32_t {
    AlignStretch = -1,
    AlignStart = 0,
    AlignCentre = 1,
    AlignEnd = 2,
};

/// Visibility codes: a hidden element keeps its space but is neither painted nor hit.
enum VisibilityCode : int32_t {
    Visible = 0,
    Hidden = 1,
    Collapsed = 2,
};

/// FlowDirection codes: the way an element lays out its children, its alignment and its text.
enum FlowDirectionCode : int32_t {
    LeftToRight = 0,
    RightToLeft = 1,
};

/// What text takes from the label where an element sets nothing of its own.
struct TextDefaults {
    QFont Font;
    QColor Foreground;
};

/// An element of the tree: placement, naming, handlers, hover state, and the two layout
/// passes (measure, then arrange), painting and hit testing that every kind shares.
class Element : public MarkupObject {
public:
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const ThicknessPtr& Margin() const { return margin_; }
    void SetMargin(ThicknessPtr margin);
    int32_t HorizontalAlignment() const { return horizontalAlignment_; }
    void SetHorizontalAlignment(int32_t alignment);
    int32_t VerticalAlignment() const { return verticalAlignment_; }
    void SetVerticalAlignment(int32_t alignment);
    int32_t Visibility() const { return visibility_; }
    void SetVisibility(int32_t visibility);
    /// The width of the element's box in pixels; NaN (the default) sizes it to its content.
    qreal Width() const { return width_; }
    /// Error 5 for a negative or infinite width.
    void SetWidth(qreal width);
    /// The element's flow direction: its own if it set one, else its parent's; LeftToRight at the root.
    int32_t FlowDirection() const;
    /// Error 5 for a code other than LeftToRight and RightToLeft.
    void SetFlowDirection(int32_t direction);
    /// The system cursor id shown over the element; 0 when it sets none.
    int32_t Cursor() const { return cursor_; }
    void SetCursor(int32_t cursorId) { cursor_ = cursorId; }
    /// Whether the pointer is over this element or one of its descendants.
    bool IsMouseOver() const { return isMouseOver_; }

    /// The descendant with that name, depth first in child order, or nothing.
    ElementPtr FindName(std::string_view name) const;
    /// Attaches the handler called by `handlerName` when `event` reaches this element.
    void AddHandler(int32_t event, std::string handlerName);
    /// The handler name attached for `event`, or nullptr.
    const std::string* HandlerFor(int32_t event) const;
    /// The element holding this one in the tree; it does not own it back.
    Element* Parent() const { return parent_; }
    /// Visits the element's children in the order they were added.
    virtual void ForEachChild(const std::function<void(const ElementPtr&)>& visit) const;
    /// The cursor shown where neither this element nor its ancestors set one.
    virtual int32_t DefaultCursor() const { return 0; }

    /// Measure pass: the size the element wants within `available`, margins included.
    QSizeF Measure(QSizeF available, const TextDefaults& defaults);
    /// Arrange pass: places the element in `slot`, honouring margins and alignment.
    void Arrange(const QRectF& slot);
    QSizeF DesiredSize() const { return desiredSize_; }
    /// The element's box in label coordinates, margins excluded.
    const QRectF& Bounds() const { return bounds_; }

    /// Paints the element and then its children where they meet `area`, unless it is not visible.
    void Paint(QPainter& painter, const TextDefaults& defaults, const QRectF& area) const;
    /// The topmost visible element under `point`, or nullptr.
    Element* HitTest(QPointF point);

protected:
    virtual QSizeF MeasureContent(QSizeF available, const TextDefaults& defaults) = 0;
    virtual void ArrangeContent(const QRectF&) {}
    virtual void PaintContent(QPainter&, const TextDefaults&) const {}
    /// Whether the element itself (not a child) takes a hit at `point` inside its box.
    virtual bool HitsSelf(QPointF) const { return false; }

    /// Makes `child` a child of this element; error 5 for nothing, an element that already
    /// has a parent, or one that would make a cycle.
    void Adopt(const ElementPtr& child);
    /// Lets go of a child that was adopted before.
    static void Release(const ElementPtr& child) { child->parent_ = nullptr; }
    /// Tells the label showing this element that it must lay out and paint again.
    void Changed();
    /// Whether the last arrange pass laid the element out right to left.
    bool IsRightToLeft() const { return rightToLeft_; }
    /// Edge lengths as laid out: under right to left the left and right ones change places.
    QMarginsF InFlow(const QMarginsF& edges) const;

private:
    friend class MarkupLabel;
    static constexpr int32_t InheritedFlow = -1;
    void MarkSubtreeChanged();

    std::string name_;
    ThicknessPtr margin_;
    int32_t horizontalAlignment_ = AlignStretch;
    int32_t verticalAlignment_ = AlignStretch;
    int32_t visibility_ = Visible;
    qreal width_ = std::numeric_limits<qreal>::quiet_NaN();
    int32_t cursor_ = 0;
    int32_t flowDirection_ = InheritedFlow;
    bool rightToLeft_ = false; // settled by each arrange pass, parent first
    bool isMouseOver_ = false;
    std::vector<std::pair<int32_t, std::string>> handlers_;
    Element* parent_ = nullptr;
    MarkupLabel* label_ = nullptr; // set on the root element only
    QSizeF desiredSize_;
    QRectF bounds_;
    QRectF extent_; // the box together with the extents of the children
    // What the screen shows of this element: its box when last painted, and whether its
    // content changed since.
    QRectF paintedBounds_;
    bool contentChanged_ = true;
};

/// A thickness as Qt margins; nothing counts as zero.
QMarginsF MarginsOf(const ThicknessPtr& thickness);

} // namespace markup
