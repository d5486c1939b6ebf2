// The picker as it starts for the user, reporting its first frame.

#include "FirstFrame.h"

#include "platform/HostWindow.h"
#include "window/Form1.h"
#include "app/PickerApplication.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    return RunPicker([](Form1& form) { ReportFirstFrame(*form.Host()); });
}
