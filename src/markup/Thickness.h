#pragma once

#include "markup/MarkupObject.h"

#include <cstdint>

namespace markup {

/// Four edge lengths in pixels: margins, padding, border widths and corner radii.
class Thickness : public MarkupObject {
public:
    Thickness(int32_t left, int32_t top, int32_t right, int32_t bottom)
        : Left(left), Top(top), Right(right), Bottom(bottom)
    {
    }
    std::string_view Tag() const override { return "Thickness"; }

    const int32_t Left;
    const int32_t Top;
    const int32_t Right;
    const int32_t Bottom;
};

using ThicknessPtr = std::shared_ptr<Thickness>;

} // namespace markup
