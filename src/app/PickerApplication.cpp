#include "app/PickerApplication.h"

#include "app/PrintedDate.h"

#include "markup/MarkupLabel.h"
#include "runtime/Locale.h"
#include "window/AppFonts.h"
#include "window/Form1.h"
#include "app/Translations.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>
#include <exception>

namespace {

// The options that shape the window; the date bounds narrow what SetDate accepts.
void ApplyOptions(Form1& form, const app::PickerOptions& options)
{
    if (!options.title.isEmpty())
        form.SetCaption(options.title.toStdString());
    if (options.print)
        form.SetButtons(FormButtons::CancelOk);
    const slider::DateRange selectable = slider::SelectableYears();
    const slider::DateRange range{options.minDate.value_or(selectable.First), options.maxDate.value_or(selectable.Last)};
    form.SetSelectableRange(range);
    if (options.startDate)
        form.SetStartDate(*options.startDate);
}

} // namespace

int RunPicker(const app::PickerOptions& options, const std::function<void(Form1&)>& onShown)
{
    QApplication::setApplicationName("datepicker");
    QGuiApplication::setDesktopFileName("datepicker");
    InstallFontSubstitutions();
    translations::UseLanguage(runtime::CurrentLocale());
    markup::MarkupLabel::RegisterProgId();

    Form1 form;
    ApplyOptions(form, options);
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
    if (!options.print)
        return status;
    if (form.Result() != DialogResult::Ok)
        return 1;
    const QByteArray printed = app::PrintedDate(form.SelectedDate(), options.format).toUtf8() + '\n';
    std::fwrite(printed.constData(), 1, static_cast<size_t>(printed.size()), stdout);
    return 0;
}

int StartPicker(int& argc, char** argv, const std::function<void(Form1&)>& onShown)
{
    app::DescribeApplication();
    app::CommandLine commandLine;
    {
        // The command line is read before any window system is reached, so --help, --version
        // and a bad option answer on a terminal without a display.
        const QCoreApplication reader(argc, argv);
        translations::UseLanguage(QLocale::system());
        commandLine = app::ParseCommandLine(QCoreApplication::arguments());
    }
    switch (commandLine.outcome) {
    case app::CommandLineOutcome::Inform:
        std::fputs(qPrintable(commandLine.text), stdout);
        return 0;
    case app::CommandLineOutcome::Refuse:
        std::fputs(qPrintable(commandLine.text), stderr);
        return 2;
    case app::CommandLineOutcome::Run:
        break;
    }
    QApplication application(argc, argv);
    return RunPicker(commandLine.options, onShown);
}
