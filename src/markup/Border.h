#pragma once

#include "markup/Element.h"
#include "markup/RoundedBox.h"
#include "markup/SolidColorBrush.h"

namespace markup {

/// A box with a background, an outline, rounded corners, padding and one child.
class Border : public Element {
public:
    std::string_view Tag() const override { return "Border"; }

    const SolidColorBrushPtr& Background() const { return background_; }
    void SetBackground(SolidColorBrushPtr brush);
    const ThicknessPtr& BorderThickness() const { return borderThickness_; }
    void SetBorderThickness(ThicknessPtr thickness);
    /// Corner radii: top left, top right, bottom right, bottom left.
    const ThicknessPtr& CornerRadius() const { return cornerRadius_; }
    void SetCornerRadius(ThicknessPtr radii);
    /// The corner radii as last laid out: right to left, the left and right corners change places.
    CornerRadii ArrangedCornerRadii() const;
    const SolidColorBrushPtr& BorderBrush() const { return borderBrush_; }
    void SetBorderBrush(SolidColorBrushPtr brush);
    const ThicknessPtr& Padding() const { return padding_; }
    void SetPadding(ThicknessPtr padding);
    const ElementPtr& Child() const { return child_; }
    /// Sets the one child; error 5 for an element that already has a parent.
    void SetChild(const ElementPtr& child);

    void ForEachChild(const std::function<void(const ElementPtr&)>& visit) const override;

protected:
    QSizeF MeasureContent(QSizeF available, const TextDefaults& defaults) override;
    void ArrangeContent(const QRectF& box) override;
    void PaintContent(QPainter& painter, const TextDefaults& defaults) const override;
    bool HitsSelf(QPointF) const override { return background_ != nullptr; }

private:
    QMarginsF Insets() const;

    SolidColorBrushPtr background_;
    ThicknessPtr borderThickness_;
    ThicknessPtr cornerRadius_;
    SolidColorBrushPtr borderBrush_;
    ThicknessPtr padding_;
    ElementPtr child_;
};

} // namespace markup
