#include "markup/MarkupLabel.h"
#include "runtime/RuntimeError.h"
#include "window/AppFonts.h"
#include "window/Form1.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName("datepicker");
    application.setDesktopFileName("datepicker");
    InstallFontSubstitutions();
    markup::MarkupLabel::RegisterProgId();

    Form1 form;
    try {
        form.Form_Load();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "datepicker: the window could not be built: %s\n", failure.what());
        QMessageBox::critical(nullptr, "Date picker", QString("The window could not be built.\n\n%1").arg(failure.what()));
        return 1;
    }
    form.Show();
    const int status = application.exec();
    form.Form_Unload();
    return status;
}
