#include "app/WindowOptions.h"

#include <QRegularExpression>

namespace app {
namespace {

platform::EdgeOffset OffsetOf(int position) { return {position < 0 ? -position : position, position < 0}; }

// Nothing when the digits overflow, as --posx and --posy refuse them.
std::optional<platform::EdgeOffset> OffsetOf(const QString& sign, const QString& digits)
{
    bool isNumber = false;
    const int offset = digits.toInt(&isNumber);
    return isNumber ? std::optional<platform::EdgeOffset>({offset, sign == QLatin1String("-")}) : std::nullopt;
}

} // namespace

std::optional<WindowGeometry> ParseWindowGeometry(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(?:(\\d+)x(\\d+))?(?:([+-])(\\d+)([+-])(\\d+))?$"));
    const QRegularExpressionMatch parts = form.match(text);
    if (text.isEmpty() || !parts.hasMatch())
        return std::nullopt;
    WindowGeometry geometry;
    bool widthIsNumber = false, heightIsNumber = false;
    if (parts.hasCaptured(1))
        geometry.Size = QSize(parts.captured(1).toInt(&widthIsNumber), parts.captured(2).toInt(&heightIsNumber));
    if (geometry.Size && !(widthIsNumber && heightIsNumber))
        return std::nullopt;
    if (parts.hasCaptured(3)) {
        geometry.X = OffsetOf(parts.captured(3), parts.captured(4));
        geometry.Y = OffsetOf(parts.captured(5), parts.captured(6));
        if (!geometry.X || !geometry.Y)
            return std::nullopt;
    }
    return geometry;
}

platform::WindowPlacement PlacementOf(const PickerOptions& options)
{
    using Anchor = platform::WindowPlacement::Anchor;
    if (const std::optional<WindowGeometry> geometry = ParseWindowGeometry(options.geometry); geometry && geometry->X)
        return {Anchor::WindowManager, geometry->X, geometry->Y};
    if (options.center)
        return {Anchor::ScreenCentre, std::nullopt, std::nullopt};
    platform::WindowPlacement placement{options.mouse ? Anchor::Pointer : Anchor::WindowManager, std::nullopt,
                                        std::nullopt};
    if (options.posX)
        placement.X = OffsetOf(*options.posX);
    if (options.posY)
        placement.Y = OffsetOf(*options.posY);
    return placement;
}

platform::WindowStyle StyleOf(const PickerOptions& options)
{
    platform::WindowStyle style;
    style.Kind = options.splash  ? platform::WindowKind::Splash
                 : options.print ? platform::WindowKind::Dialog
                                 : platform::WindowKind::Normal;
    style.Size = options.fullscreen ? platform::WindowSize::FullScreen
                 : options.maximized ? platform::WindowSize::Maximized
                                     : platform::WindowSize::Designed;
    style.Undecorated = options.undecorated;
    style.OnTop = options.onTop;
    style.Sticky = options.sticky;
    style.SkipTaskbar = options.skipTaskbar;
    style.TakesNoFocus = options.noFocus;
    style.InstanceName = options.windowName;
    style.ClassName = options.windowClass;
    return style;
}

} // namespace app
