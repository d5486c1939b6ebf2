#pragma once

#include <QColor>

#include <cstdint>

namespace markup {

/// The Qt colour of a brush colour: alpha in the top byte over 0x00BBGGRR.
QColor BrushColour(int32_t color);
/// The Qt colour of a design colour: 0x00BBGGRR, or a system colour when negative.
QColor DesignColour(int32_t color);

} // namespace markup
