// Prints where the named elements of the picker window lie, in window coordinates, so that
// the end-to-end test can point the real mouse at them. It builds the window with the same
// code, fonts and translations as the picker itself, so a language written right to left
// mirrors it here too: usage "layout_probe [--print] [--time] NAME..." prints "NAME X Y"
// lines, --print for the window with Cancel and OK, --time for the one with time columns.

#include "app/Translations.h"
#include "markup/MarkupLabel.h"
#include "runtime/ClockStyle.h"
#include "runtime/Locale.h"
#include "window/AppFonts.h"
#include "window/Form1.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    translations::UseLanguage(runtime::CurrentLocale());
    markup::MarkupLabel::RegisterProgId();
    FormSetup setup;
    int first = 1;
    if (argc > first && std::strcmp(argv[first], "--print") == 0) {
        setup.Dialog = DialogSetup::CancelOk();
        ++first;
    }
    if (argc > first && std::strcmp(argv[first], "--time") == 0) {
        const slider::DateRange all = slider::SelectableYears();
        setup.Time = TimeColumnsSetup{{1, runtime::CurrentClockStyle(), {all.First, 0}, {all.Last, runtime::MinutesPerDay - 1}}, 0};
        ++first;
    }
    Form1 form(std::move(setup));
    form.Form_Load();
    form.MarkupLabel1()->UpdateLayout();
    const auto& root = form.MarkupLabel1()->RootElement();
    for (int index = first; index < argc; ++index) {
        const markup::ElementPtr element = root->FindName(argv[index]);
        if (!element) {
            std::fprintf(stderr, "layout_probe: no element named %s\n", argv[index]);
            return 1;
        }
        const QPointF centre = element->Bounds().center() + form.LabelPosition();
        std::printf("%s %d %d\n", argv[index], qRound(centre.x()), qRound(centre.y()));
    }
    return 0;
}
