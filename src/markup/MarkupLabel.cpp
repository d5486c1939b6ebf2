#include "markup/MarkupLabel.h"

#include "markup/Border.h"
#include "markup/Colours.h"
#include "markup/Inlines.h"
#include "markup/RoundedBox.h"
#include "platform/Cursors.h"
#include "platform/Screen.h"
#include "platform/SystemColors.h"
#include "runtime/ProgIdRegistry.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace markup {

std::vector<ElementPtr> PathToRoot(Element* element)
{
    std::vector<ElementPtr> path;
    for (Element* step = element; step; step = step->Parent())
        path.push_back(std::static_pointer_cast<Element>(step->shared_from_this()));
    return path;
}

void MarkupLabel::RegisterProgId()
{
    runtime::RegisterProgId(ProgId, [] { return std::make_shared<MarkupLabel>(); });
}

MarkupLabel::MarkupLabel() : cursorId_(platform::IDC_ARROW)
{
    Publish("MarkupContext", [this](const Arguments&) { return std::any(MarkupContext()); });
}

MarkupLabel::~MarkupLabel()
{
    if (root_)
        root_->label_ = nullptr;
}

MarkupContextPtr MarkupLabel::MarkupContext() { return std::make_shared<markup::MarkupContext>(weak_from_this()); }

void MarkupLabel::SetRootElement(const ElementPtr& root)
{
    if (root == root_)
        return;
    if (root && (root->Parent() || root->label_))
        runtime::Raise(runtime::ErrInvalidCall);
    if (root_)
        root_->label_ = nullptr;
    root_ = root;
    if (root_)
        root_->label_ = this;
    hoverChain_.clear();
    pressed_.reset();
    Invalidate();
}

void MarkupLabel::SetForeColor(int32_t colour)
{
    foreColor_ = colour;
    ChangedEverywhere();
}

void MarkupLabel::SetBackColor(int32_t colour)
{
    backColor_ = colour;
    ChangedEverywhere();
}

void MarkupLabel::ChangedEverywhere()
{
    changedArea_ += QRect(QPoint(0, 0), size_.toSize());
    Invalidate();
}

void MarkupLabel::SetSize(QSizeF size)
{
    if (size == size_)
        return;
    size_ = size;
    Invalidate();
}

void MarkupLabel::Invalidate()
{
    layoutValid_ = false;
    if (changeListener_)
        changeListener_();
}

TextDefaults MarkupLabel::Defaults() const
{
    QFont font(QString::fromStdString(font_.Name));
    // Design sizes are points; the tree works in pixels of the screen's density.
    const double pixels = font_.Size * 20.0 / platform::TwipsPerPixelY();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(font_.Weight, 1, 999)));
    return {font, DesignColour(foreColor_)};
}

void MarkupLabel::UpdateLayout()
{
    if (layoutValid_)
        return;
    layoutValid_ = true;
    if (!root_)
        return;
    root_->Measure(size_, Defaults());
    root_->Arrange(QRectF(QPointF(0, 0), size_));
}

void MarkupLabel::CollectChangedArea(Element& element)
{
    // An element that moved needs both its old and its new place painted; one whose content
    // changed needs its place painted.
    if (element.bounds_ != element.paintedBounds_ || element.contentChanged_) {
        changedArea_ += element.paintedBounds_.toAlignedRect();
        changedArea_ += element.bounds_.toAlignedRect();
        element.paintedBounds_ = element.bounds_;
        element.contentChanged_ = false;
    }
    element.ForEachChild([&](const ElementPtr& child) { CollectChangedArea(*child); });
}

QRegion MarkupLabel::TakeChangedArea()
{
    UpdateLayout();
    if (root_)
        CollectChangedArea(*root_);
    return std::exchange(changedArea_, QRegion()) & QRect(QPoint(0, 0), size_.toSize());
}

void MarkupLabel::Paint(QPainter& painter)
{
    TakeChangedArea();
    Paint(painter, QRegion(QRect(QPoint(0, 0), size_.toSize())));
}

void MarkupLabel::Paint(QPainter& painter, const QRegion& area)
{
    UpdateLayout();
    // Qt's raster engine hands a fill of more than about a hundred spans (a span per row, more
    // where edges are antialiased) to a thread pool and waits for it, which costs far more than
    // the fill itself in a window this small. Bands of fewer rows keep every fill on this thread.
    constexpr int bandHeight = 64;
    const TextDefaults defaults = Defaults();
    const QRect bounds = area.boundingRect();
    for (int top = bounds.top(); top <= bounds.bottom(); top += bandHeight)
        PaintBand(painter, area & QRect(bounds.left(), top, bounds.width(), bandHeight), defaults);
}

void MarkupLabel::PaintBand(QPainter& painter, const QRegion& area, const TextDefaults& defaults)
{
    if (area.isEmpty())
        return;
    painter.save();
    painter.setClipRegion(area, Qt::IntersectClip);
    painter.fillRect(area.boundingRect(), DesignColour(backColor_));
    if (root_)
        root_->Paint(painter, defaults, area.boundingRect());
    PaintFocusRing(painter);
    painter.restore();
}

namespace {

// The box the focus ring outlines. A link's text fills its box to the underline and to its first
// letter, so its ring stands a little off it.
QRect FocusRingBox(const Element& element)
{
    constexpr int Across = 3, Down = 2;
    const QRect box = element.Bounds().toAlignedRect();
    return dynamic_cast<const Hyperlink*>(&element) ? box.adjusted(-Across, -Down, Across, Down) : box;
}

} // namespace

void MarkupLabel::SetFocusElement(const ElementPtr& element)
{
    if (element == focus_)
        return;
    // The ring's pen is centred on the box's edge: at a scale factor above 1 it reaches a device
    // pixel outside the box, so a pixel around both boxes is repainted with them.
    if (focus_)
        changedArea_ += FocusRingBox(*focus_).adjusted(-1, -1, 1, 1);
    focus_ = element;
    if (focus_)
        changedArea_ += FocusRingBox(*focus_).adjusted(-1, -1, 1, 1);
    Invalidate();
}

void MarkupLabel::PaintFocusRing(QPainter& painter) const
{
    if (!focus_ || focus_->Visibility() != Visible || focus_->Bounds().isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // Around a rounded box the ring follows its corners.
    const auto border = std::dynamic_pointer_cast<Border>(focus_);
    if (border && border->CornerRadius()) {
        OutlineRoundedBox(painter, focus_->Bounds().toAlignedRect(), border->ArrangedCornerRadii(), 1,
                          platform::DesktopHighlight());
        return;
    }
    painter.setPen(QPen(platform::DesktopHighlight(), 1));
    painter.drawRect(FocusRingBox(*focus_).adjusted(0, 0, -1, -1));
}

Element* MarkupLabel::HitAt(QPointF position)
{
    UpdateLayout();
    return root_ ? root_->HitTest(position) : nullptr;
}

void MarkupLabel::UpdateHover(Element* hit)
{
    std::vector<ElementPtr> chain = PathToRoot(hit);
    for (const ElementPtr& old : hoverChain_)
        if (std::find(chain.begin(), chain.end(), old) == chain.end())
            old->isMouseOver_ = false;
    for (const ElementPtr& now : chain)
        now->isMouseOver_ = true;
    hoverChain_ = std::move(chain);

    cursorId_ = platform::IDC_ARROW;
    for (const ElementPtr& step : hoverChain_) {
        const int32_t cursor = step->Cursor() ? step->Cursor() : step->DefaultCursor();
        if (cursor) {
            cursorId_ = cursor;
            break;
        }
    }
}

void MarkupLabel::MouseMove(QPointF position) { UpdateHover(HitAt(position)); }

void MarkupLabel::MouseDown(QPointF position)
{
    Element* hit = HitAt(position);
    UpdateHover(hit);
    pressed_.reset();
    for (const ElementPtr& step : hoverChain_)
        if (std::dynamic_pointer_cast<Hyperlink>(step) || step->HandlerFor(ClickEvent)) {
            pressed_ = step;
            break;
        }
}

void MarkupLabel::MouseUp(QPointF position)
{
    Element* hit = HitAt(position);
    UpdateHover(hit);
    // The path is taken before any handler runs, so a handler that changes the tree
    // cannot break the walk.
    const std::vector<ElementPtr> path = hoverChain_;
    Route(path, std::exchange(pressed_, nullptr), position);
}

void MarkupLabel::MouseLeave()
{
    UpdateHover(nullptr);
    pressed_.reset();
}

// Hands a mouse-up to the first element on the path, from the hit element up, that handles
// it: as a click on the element that was pressed, or else as a mouse-up. It reaches one handler.
void MarkupLabel::Route(const std::vector<ElementPtr>& path, const ElementPtr& pressed, QPointF position)
{
    for (const ElementPtr& step : path) {
        const int32_t event = step == pressed && step->HandlerFor(ClickEvent) ? ClickEvent : MouseUpEvent;
        if (const std::string* handler = step->HandlerFor(event)) {
            CallHandler(*handler, step, event, position);
            return;
        }
    }
}

void MarkupLabel::CallHandler(const std::string& handlerName, const ElementPtr& sender, int32_t event, QPointF position)
{
    if (!handler_)
        return;
    // A failing handler must not take the window down; its error number is kept for inspection.
    try {
        handler_->CallByName(handlerName, {std::any(sender), std::any(MarkupEventArgs{event, position})});
        lastHandlerError_ = 0;
    } catch (const runtime::RuntimeError& failure) {
        lastHandlerError_ = failure.Number();
    } catch (const std::exception&) {
        lastHandlerError_ = -1;
    }
}

} // namespace markup
