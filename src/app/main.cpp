#include "app/CommandLine.h"
#include "app/PickerApplication.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    app::DescribeApplication();
    app::CommandLine commandLine;
    {
        // The command line is read before any window system is reached, so --help, --version
        // and a bad option answer on a terminal without a display.
        const QCoreApplication reader(argc, argv);
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
    return RunPicker();
}
