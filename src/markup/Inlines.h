#pragma once

#include "markup/ElementCollection.h"
#include "markup/SolidColorBrush.h"

namespace markup {

/// A piece of text inside a TextBlock or a Hyperlink.
class Run : public Element {
public:
    std::string_view Tag() const override { return "Run"; }

    const std::string& Text() const { return text_; }
    void SetText(std::string text);

protected:
    QSizeF MeasureContent(QSizeF, const TextDefaults&) override { return {}; }

private:
    std::string text_;
};

/// A clickable span of text: a left press and release over it is a click.
class Hyperlink : public Element {
public:
    Hyperlink();
    std::string_view Tag() const override { return "Hyperlink"; }

    const SolidColorBrushPtr& Foreground() const { return foreground_; }
    void SetForeground(SolidColorBrushPtr brush);
    /// The runs of the link; only Run elements may be added (error 13 otherwise).
    ElementCollection& Inlines() { return inlines_; }
    const ElementCollection& Inlines() const { return inlines_; }

    void ForEachChild(const std::function<void(const ElementPtr&)>& visit) const override;
    int32_t DefaultCursor() const override;

protected:
    QSizeF MeasureContent(QSizeF, const TextDefaults&) override { return {}; }
    bool HitsSelf(QPointF point) const override;

private:
    SolidColorBrushPtr foreground_;
    ElementCollection inlines_;
};

} // namespace markup
