#include "fuzz/FuzzWindow.h"
#include "fuzz/FuzzZones.h"

#include "markup/MarkupLabel.h"
#include "platform/Screen.h"
#include "runtime/Clock.h"
#include "runtime/Locale.h"
#include "support/PickerInvariants.h"
#include "window/AppFonts.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iterator>

FuzzWindow& FuzzWindow::Get()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* app = new QApplication(argc, argv);
        InstallFontSubstitutions();
        markup::MarkupLabel::RegisterProgId();
        runtime::UseLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        runtime::UseClock([] { return runtime::Date::FromParts(2026, 12, 7); });
        platform::UseLogicalDpi(96);
        return app;
    }();
    (void)application;
    static FuzzWindow* window = [] {
        auto* form = new FuzzWindow;
        form->Form_Load();
        form->Show();
        form->MarkupLabel1()->UpdateLayout();
        return form;
    }();
    return *window;
}

void FuzzWindow::CheckConsistent(const char* after) const
{
    const std::string problem = PickerInconsistency(*this);
    if (!problem.empty() || InWheel()) {
        std::fprintf(stderr, "after %s: %s%s\n", after, problem.c_str(), InWheel() ? " (wheel flag left set)" : "");
        std::abort();
    }
}

void FuzzWindow::CheckUnchanged(const slider::CellGrid& before, const std::string& header, const char* after) const
{
    if (!(CellValues() == before) || DateHeader()->Text() != header) {
        std::fprintf(stderr, "after a refused %s the picker changed\n", after);
        std::abort();
    }
}

uint32_t TakeBytes(const uint8_t*& data, size_t& size, size_t count)
{
    uint32_t value = 0;
    for (size_t index = 0; index < count; ++index) {
        const uint32_t byte = size > 0 ? *data : 0;
        if (size > 0) {
            ++data;
            --size;
        }
        value |= byte << (8 * index);
    }
    return value;
}

void UseFuzzZone(size_t index)
{
    setenv("TZ", FuzzZones[index % std::size(FuzzZones)], 1);
    tzset();
}
