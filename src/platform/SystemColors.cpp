#include "platform/SystemColors.h"

#include "platform/PopupStyle.h"

#include <QGuiApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <array>
#include <memory>
#include <optional>
#include <utility>

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

// The design colours were chosen for a light background, so in the light scheme the system
// colours come from Qt's own light palette, the same whatever palette or theme the desktop sets.
const QPalette& LightPalette()
{
    static const QPalette light = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        return fusion ? fusion->standardPalette() : QPalette();
    }();
    return light;
}

ColorScheme& SchemeInUse()
{
    static ColorScheme scheme = ColorScheme::Light;
    return scheme;
}

// The application's palette before the dark scheme replaced it, to go back to.
std::optional<QPalette>& DesktopPalette()
{
    static std::optional<QPalette> palette;
    return palette;
}

void UseApplicationPalette(ColorScheme scheme)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (scheme == ColorScheme::Dark) {
        if (!DesktopPalette())
            DesktopPalette() = QGuiApplication::palette();
        UsePopupStyle();
        QGuiApplication::setPalette(DarkPalette());
    } else if (DesktopPalette()) {
        QGuiApplication::setPalette(*std::exchange(DesktopPalette(), std::nullopt));
    }
}

} // namespace

void UseColorScheme(ColorScheme scheme)
{
    if (scheme == SchemeInUse())
        return;
    SchemeInUse() = scheme;
    UseApplicationPalette(scheme);
}

ColorScheme ColorSchemeInUse() { return SchemeInUse(); }

const QPalette& DarkPalette()
{
    static const QPalette dark = [] {
        QPalette palette;
        const auto set = [&](QPalette::ColorRole role, QColor colour, QColor disabled = QColor()) {
            palette.setColor(role, colour);
            palette.setColor(QPalette::Disabled, role, disabled.isValid() ? disabled : colour);
        };
        const QColor text(232, 232, 234);
        const QColor greyText(128, 128, 132);
        set(QPalette::Window, QColor(45, 45, 48));
        set(QPalette::WindowText, text, greyText);
        set(QPalette::Base, QColor(30, 30, 32));
        set(QPalette::AlternateBase, QColor(40, 40, 43));
        set(QPalette::Text, text, greyText);
        set(QPalette::PlaceholderText, greyText);
        set(QPalette::Button, QColor(52, 52, 56));
        set(QPalette::ButtonText, text, greyText);
        set(QPalette::BrightText, QColor(255, 110, 110));
        // No light bevel to etch into: greyed text would get a second, lighter copy.
        set(QPalette::Light, QColor(80, 80, 86), Qt::transparent);
        set(QPalette::Midlight, QColor(66, 66, 70));
        set(QPalette::Mid, QColor(40, 40, 43));
        set(QPalette::Dark, QColor(22, 22, 24));
        set(QPalette::Shadow, QColor(0, 0, 0));
        set(QPalette::Highlight, QColor(70, 150, 235), QColor(70, 70, 74));
        set(QPalette::HighlightedText, QColor(255, 255, 255));
        set(QPalette::ToolTipBase, QColor(52, 52, 56));
        set(QPalette::ToolTipText, text);
        set(QPalette::Link, QColor(120, 180, 245));
        set(QPalette::LinkVisited, QColor(180, 150, 240));
        return palette;
    }();
    return dark;
}

uint32_t GetSysColor(int index)
{
    if (index < 0 || index >= static_cast<int>(Table.size()) || Table[static_cast<size_t>(index)].Role == QPalette::NoRole)
        return 0;
    const PaletteEntry entry = Table[static_cast<size_t>(index)];
    const QPalette& palette = SchemeInUse() == ColorScheme::Dark ? DarkPalette() : LightPalette();
    const QColor colour = palette.color(entry.Group, entry.Role);
    return static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8) |
           (static_cast<uint32_t>(colour.blue()) << 16);
}

QColor DesktopHighlight()
{
    if (SchemeInUse() == ColorScheme::Dark)
        return DarkPalette().color(QPalette::Active, QPalette::Highlight);
    // Without a running application there is no desktop palette; Qt's default one stands in.
    const QPalette palette = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::palette()
                                                                                          : QPalette();
    return palette.color(QPalette::Active, QPalette::Highlight);
}

} // namespace platform
