#include "window/PickerApplication.h"

#include "markup/MarkupLabel.h"
#include "runtime/Locale.h"
#include "window/AppFonts.h"
#include "window/Form1.h"
#include "window/Translations.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <exception>

int RunPicker(const std::function<void(Form1&)>& onShown)
{
    QApplication::setApplicationName("datepicker");
    QGuiApplication::setDesktopFileName("datepicker");
    InstallFontSubstitutions();
    translations::UseLanguage(runtime::CurrentLocale());
    markup::MarkupLabel::RegisterProgId();

    Form1 form;
    try {
        form.Form_Load();
    } catch (const std::exception& failure) {
        const QString reason = QString::fromStdString(runtime::FailureText(failure));
        const QString line = QCoreApplication::translate("RunPicker", "datepicker: the window could not be built: %1");
        std::fprintf(stderr, "%s\n", line.arg(reason).toLocal8Bit().constData());
        // Without a screen there is nobody to click the dialog away.
        if (QGuiApplication::platformName() != "offscreen")
            QMessageBox::critical(nullptr, QCoreApplication::translate("RunPicker", "Date picker"),
                                  QCoreApplication::translate("RunPicker", "The window could not be built.\n\n%1").arg(reason));
        return 1;
    }
    form.Show();
    if (onShown)
        onShown(form);
    const int status = QApplication::exec();
    form.Form_Unload();
    return status;
}
