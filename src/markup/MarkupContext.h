#pragma once

#include "markup/MarkupObject.h"
#include "markup/SolidColorBrush.h"
#include "markup/Thickness.h"

#include <memory>
#include <string_view>

namespace runtime {
class Dispatchable;
}

namespace markup {

class MarkupLabel;

/// The factory of a markup label: makes elements, brushes and thicknesses, and
/// registers the object whose members handle the label's events.
class MarkupContext {
public:
    explicit MarkupContext(std::weak_ptr<MarkupLabel> label) : label_(std::move(label)) {}

    /// A new object of the kind `tag` names: "StackPanel", "TextBlock", "Border", "Grid",
    /// "RowDefinition", "Hyperlink", "Run" or "SolidColorBrush"; error 5 for any other tag.
    MarkupObjectPtr CreateObject(std::string_view tag) const;
    /// A new opaque brush of `colour` (0x00BBGGRR; the top byte is ignored).
    SolidColorBrushPtr CreateSolidBrush(int32_t colour) const;
    /// A new thickness with the four lengths in pixels.
    ThicknessPtr CreateThicknessObject(int32_t left, int32_t top, int32_t right, int32_t bottom) const;
    /// Makes `handler` the object whose members the label calls by handler name; it must
    /// outlive the label or be replaced first. Error 5 when the label no longer exists.
    void SetHandler(runtime::Dispatchable* handler) const;

private:
    std::weak_ptr<MarkupLabel> label_;
};

using MarkupContextPtr = std::shared_ptr<MarkupContext>;

} // namespace markup
