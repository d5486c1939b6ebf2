#include "platform/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <array>
#include <memory>

namespace platform {
namespace {

struct PaletteEntry {
    QPalette::ColorRole Role;
    QPalette::ColorGroup Group = QPalette::Active;
};

// The classic system colour table, by index.
constexpr std::array<PaletteEntry, 31> Table = {{
    {QPalette::Midlight},                 // 0 scroll bar
    {QPalette::Dark},                     // 1 desktop
    {QPalette::Highlight},                // 2 active caption
    {QPalette::Mid},                      // 3 inactive caption
    {QPalette::Window},                   // 4 menu
    {QPalette::Base},                     // 5 window
    {QPalette::Shadow},                   // 6 window frame
    {QPalette::WindowText},               // 7 menu text
    {QPalette::Text},                     // 8 window text
    {QPalette::HighlightedText},          // 9 caption text
    {QPalette::Button},                   // 10 active border
    {QPalette::Button},                   // 11 inactive border
    {QPalette::Mid},                      // 12 application workspace
    {QPalette::Highlight},                // 13 highlight
    {QPalette::HighlightedText},          // 14 highlighted text
    {QPalette::Button},                   // 15 button face
    {QPalette::Dark},                     // 16 button shadow
    {QPalette::Text, QPalette::Disabled}, // 17 grey text
    {QPalette::ButtonText},               // 18 button text
    {QPalette::WindowText},               // 19 inactive caption text
    {QPalette::Light},                    // 20 button highlight
    {QPalette::Shadow},                   // 21 dark 3D shadow
    {QPalette::Midlight},                 // 22 3D light
    {QPalette::ToolTipText},              // 23 tooltip text
    {QPalette::ToolTipBase},              // 24 tooltip background
    {QPalette::NoRole},                   // 25 no colour
    {QPalette::Link},                     // 26 hot-tracked item
    {QPalette::Highlight},                // 27 active caption gradient
    {QPalette::Mid},                      // 28 inactive caption gradient
    {QPalette::Highlight},                // 29 menu highlight
    {QPalette::Window},                   // 30 menu bar
}};

// The design colours were chosen for a light background, so the system colours come from Qt's
// own light palette, the same whatever palette or theme the desktop sets.
const QPalette& LightPalette()
{
    static const QPalette light = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        return fusion ? fusion->standardPalette() : QPalette();
    }();
    return light;
}

} // namespace

uint32_t GetSysColor(int index)
{
    if (index < 0 || index >= static_cast<int>(Table.size()) || Table[static_cast<size_t>(index)].Role == QPalette::NoRole)
        return 0;
    const PaletteEntry entry = Table[static_cast<size_t>(index)];
    const QColor colour = LightPalette().color(entry.Group, entry.Role);
    return static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8) |
           (static_cast<uint32_t>(colour.blue()) << 16);
}

QColor DesktopHighlight()
{
    // Without a running application there is no desktop palette; Qt's default one stands in.
    const QPalette palette = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::palette()
                                                                                          : QPalette();
    return palette.color(QPalette::Active, QPalette::Highlight);
}

} // namespace platform
