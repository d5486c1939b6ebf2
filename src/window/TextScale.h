#pragma once

#include "markup/modXaml.h"

#include <cstdint>

/// How much larger than the design every text is drawn, after the font size a script asks for:
/// the texts keep their sizes to each other.
struct TextScale {
    double Factor = 1.0;

    /// The pixel size of a text that the design sets in `points`.
    float Pixels(int32_t points) const { return static_cast<float>(modXaml::PointsToPixels(points) * Factor); }
};
