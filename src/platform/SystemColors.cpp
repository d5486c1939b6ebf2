#include "platform/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform {
namespace {

QPalette::ColorRole RoleOf(int index)
{
    switch (index) {
    case COLOR_WINDOW: return QPalette::Base;
    case COLOR_WINDOWTEXT: return QPalette::WindowText;
    case COLOR_BTNFACE: return QPalette::Button;
    case COLOR_BTNTEXT: return QPalette::ButtonText;
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 17: return QPalette::PlaceholderText;
    case 26: return QPalette::Link;
    default: return QPalette::Window;
    }
}

} // namespace

uint32_t GetSysColor(int index)
{
    // Without a running application there is no palette; Qt's default one stands in.
    const QPalette palette = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                 ? QGuiApplication::palette()
                                 : QPalette();
    const QColor colour = palette.color(QPalette::Active, RoleOf(index));
    return static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8) |
           (static_cast<uint32_t>(colour.blue()) << 16);
}

} // namespace platform
