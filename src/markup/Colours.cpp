#include "markup/Colours.h"

#include "platform/SystemColors.h"

namespace markup {

QColor BrushColour(int32_t color)
{
    const auto bits = static_cast<uint32_t>(color);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF), static_cast<int>(bits >> 24));
}

QColor DesignColour(int32_t color)
{
    const uint32_t plain = color < 0 ? platform::GetSysColor(static_cast<int>(static_cast<uint32_t>(color) & 0xFFFFFF))
                                     : static_cast<uint32_t>(color);
    return BrushColour(static_cast<int32_t>(plain | 0xFF000000u));
}

} // namespace markup
