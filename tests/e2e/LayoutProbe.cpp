// Prints where the named elements of the picker window lie, in window coordinates, so that
// the end-to-end test can point the real mouse at them. It builds the window with the same
// code and fonts as the picker itself: usage "layout_probe NAME..." prints "NAME X Y" lines.

#include "markup/MarkupLabel.h"
#include "window/AppFonts.h"
#include "window/Form1.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    markup::MarkupLabel::RegisterProgId();
    Form1 form;
    form.Form_Load();
    form.MarkupLabel1()->UpdateLayout();
    const auto& root = form.MarkupLabel1()->RootElement();
    for (int index = 1; index < argc; ++index) {
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
