#include "app/PickerApplication.h"

#include "markup/MarkupLabel.h"
#include "window/AppFonts.h"
#include "window/Form1.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <exception>

int RunPicker(const std::function<void(Form1&)>& onShown)
{
    QApplication::setApplicationName("datepicker");
    QGuiApplication::setDesktopFileName("datepicker");
    InstallFontSubstitutions();
    markup::MarkupLabel::RegisterProgId();

    Form1 form;
    try {
        form.Form_Load();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "datepicker: the window could not be built: %s\n", failure.what());
        // Without a screen there is nobody to click the dialog away.
        if (QGuiApplication::platformName() != "offscreen")
            QMessageBox::critical(nullptr, "Date picker",
                                  QString("The window could not be built.\n\n%1").arg(failure.what()));
        return 1;
    }
    form.Show();
    if (onShown)
        onShown(form);
    const int status = QApplication::exec();
    form.Form_Unload();
    return status;
}
