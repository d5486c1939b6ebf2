#include "markup/MarkupLabel.h"
#include "platform/Screen.h"
#include "runtime/Clock.h"
#include "runtime/Locale.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// Every test runs headless, in English, at 96 dpi, on a fixed day, and in the light colours
// whatever the desktop prefers.
int main(int argc, char** argv)
{
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_CONFIG_HOME", "/nonexistent");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    runtime::UseLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    runtime::UseClock([] { return runtime::Date::FromParts(2026, 12, 7); });
    platform::UseLogicalDpi(96);
    markup::MarkupLabel::RegisterProgId();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
