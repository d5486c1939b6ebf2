#pragma once

#include "markup/MarkupObject.h"

#include <cstdint>

namespace markup {

/// A one-colour paint: alpha in the top byte (255 opaque) over 0x00BBGGRR.
class SolidColorBrush : public MarkupObject {
public:
    std::string_view Tag() const override { return "SolidColorBrush"; }

    int32_t Color() const { return color_; }
    void SetColor(int32_t color) { color_ = color; }

private:
    int32_t color_ = 0;
};

using SolidColorBrushPtr = std::shared_ptr<SolidColorBrush>;

} // namespace markup
