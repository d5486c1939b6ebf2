#pragma once

#include "markup/Element.h"
#include "markup/MarkupContext.h"
#include "runtime/Dispatchable.h"

#include <QPointF>
#include <QRegion>
#include <QSizeF>

#include <functional>
#include <string>
#include <vector>

class QPainter;

namespace markup {

/// The label's standard font, as design values.
struct LabelFont {
    std::string Name = "Segoe UI";
    double Size = 8.25; // points
    int32_t Weight = 400;
};

/// What a handler receives besides the element that reported the event.
struct MarkupEventArgs {
    int32_t Event;
    QPointF Position;
};

/// The markup label: shows one element tree, lays it out and paints it, and turns pointer
/// input into hover state, cursors and handler calls by name.
class MarkupLabel : public runtime::Dispatchable, public std::enable_shared_from_this<MarkupLabel> {
public:
    /// The ProgID under which a hidden label can be created.
    static constexpr const char* ProgId = "DatePicker.MarkupLabel";
    /// Makes the label creatable by its ProgID.
    static void RegisterProgId();

    MarkupLabel();
    ~MarkupLabel() override;

    /// The label's factory. Only valid while the label is held by a shared reference.
    MarkupContextPtr MarkupContext();
    const ElementPtr& RootElement() const { return root_; }
    /// Shows `root`; error 5 for an element that has a parent in another tree.
    void SetRootElement(const ElementPtr& root);
    LabelFont& Font() { return font_; }
    int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(int32_t colour);
    int32_t BackColor() const { return backColor_; }
    void SetBackColor(int32_t colour);
    void SetHandlerObject(runtime::Dispatchable* handler) { handler_ = handler; }
    runtime::Dispatchable* HandlerObject() const { return handler_; }

    /// The area the label covers, in pixels.
    void SetSize(QSizeF size);
    QSizeF Size() const { return size_; }
    /// Lays the tree out if anything changed since the last layout.
    void UpdateLayout();
    /// Paints the background and the tree at the painter's origin.
    void Paint(QPainter& painter);
    /// Paints only `area` (label coordinates) of the background and the tree.
    void Paint(QPainter& painter, const QRegion& area);
    /// Lays out and returns the area whose picture changed since the last call, then forgets it.
    QRegion TakeChangedArea();
    /// Called when something changed that needs a new paint.
    void SetChangeListener(std::function<void()> listener) { changeListener_ = std::move(listener); }
    /// Marks the layout stale and tells the change listener.
    void Invalidate();

    void MouseMove(QPointF position);
    void MouseDown(QPointF position);
    void MouseUp(QPointF position);
    void MouseLeave();
    /// The element the left button went down on that a release over it would click: the first
    /// link or element with a Click handler from the hit element up; nothing between clicks.
    const ElementPtr& PressedElement() const { return pressed_; }
    /// Shows the keyboard focus ring around `element`; nothing shows none.
    void SetFocusElement(const ElementPtr& element);
    const ElementPtr& FocusElement() const { return focus_; }
    /// The system cursor id to show at the last pointer position.
    int32_t CursorId() const { return cursorId_; }
    /// The number of the last error a handler raised, 0 when none did.
    int LastHandlerError() const { return lastHandlerError_; }

private:
    TextDefaults Defaults() const;
    void ChangedEverywhere();
    void CollectChangedArea(Element& element);
    void PaintBand(QPainter& painter, const QRegion& area, const TextDefaults& defaults);
    void PaintFocusRing(QPainter& painter) const;
    Element* HitAt(QPointF position);
    void UpdateHover(Element* hit);
    void Route(const std::vector<ElementPtr>& path, const ElementPtr& pressed, QPointF position);
    void CallHandler(const std::string& handlerName, const ElementPtr& sender, int32_t event, QPointF position);

    ElementPtr root_;
    LabelFont font_;
    int32_t foreColor_ = static_cast<int32_t>(0x80000012u);
    int32_t backColor_ = static_cast<int32_t>(0x80000005u);
    runtime::Dispatchable* handler_ = nullptr;
    QSizeF size_;
    bool layoutValid_ = false;
    QRegion changedArea_;
    std::function<void()> changeListener_;
    std::vector<ElementPtr> hoverChain_; // hit element first, root last
    ElementPtr pressed_;
    ElementPtr focus_;
    int32_t cursorId_;
    int lastHandlerError_ = 0;
};

using MarkupLabelPtr = std::shared_ptr<MarkupLabel>;

/// The path from `element` up to the root of its tree, the element first.
std::vector<ElementPtr> PathToRoot(Element* element);

} // namespace markup
