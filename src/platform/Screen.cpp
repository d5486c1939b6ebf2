#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

const QScreen* PrimaryScreen()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}

double& PinnedDpi()
{
    static double pinned = 0;
    return pinned;
}

double LogicalDpi(bool vertical)
{
    if (PinnedDpi() > 0)
        return PinnedDpi();
    const QScreen* screen = PrimaryScreen();
    if (!screen)
        return 96;
    const double dpi = vertical ? screen->logicalDotsPerInchY() : screen->logicalDotsPerInchX();
    return dpi > 0 ? dpi : 96;
}

} // namespace

double TwipsPerPixelY() { return 1440.0 / LogicalDpi(true); }

double TwipsPerPixelX() { return 1440.0 / LogicalDpi(false); }

QSize AvailableScreenSize()
{
    const QScreen* screen = PrimaryScreen();
    return screen ? screen->availableSize() : QSize();
}

void UseLogicalDpi(double dotsPerInch) { PinnedDpi() = dotsPerInch; }

bool OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

} // namespace platform
